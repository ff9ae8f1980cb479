<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>круг</translation>
    </message>
    <message>
        <source>square</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>треугольник</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>ромб</translation>
    </message>
    <message>
        <source>star</source>
        <translation>звезда</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>сердце</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>шестиугольник</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>крест</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>полумесяц</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>стрелка</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>кольцо</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>спираль</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>молния</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>цветок</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>капля</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>лист</translation>
    </message>
    <message>
        <source>key</source>
        <translation>ключ</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>колокольчик</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>якорь</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>солнце</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>зонтик</translation>
    </message>
    <message>
        <source>house</source>
        <translation>дом</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>рыба</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>ёлка</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>корона</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>нота</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Пустое место, ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Карта, ряд %1, столбец %2, рубашкой вверх</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Карта, ряд %1, столбец %2, открыта, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>В ряду</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Рядов</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Игрок %1: тип</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Игрок %1: уровень</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Игрок %1: имя</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Темп игры</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Осталось пар</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Сейчас ходит</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Картинка игрового поля</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Картинка за игроками</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Картинка итога</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Ликующий победитель</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Грустный проигравший под дождевой тучей</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Сердитый проигравший</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Кубок</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Игрок %1: очки</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Очки игрока %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Игровое поле, карт нет</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Карты на поле. Стрелки переходят от карты к карте, Home и End — к первой и к последней карте, пробел или Enter открывает отмеченную карту. F2 говорит, чей ход, счёт и сколько пар осталось.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Это имя слишком длинное: в имени колоды может быть не больше %1 символов.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Удалить колоду «%1»?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Колода «%1» не удалена: это ссылка на %2, а то, что там лежит, Pairon не удаляет.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Картинки колоды «%1» стёрты. В её папке %2 есть и файлы, которые Pairon не создавал; они остались на месте.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Не удалось удалить колоду «%1» из %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Эти файлы не удалось прочитать, они пропущены: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Картинок в колоде «%1»: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Колода не создана: в %1 нет ни одной читаемой картинки JPEG, PNG или BMP.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Колода не создана: не удалось сохранить картинки в %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Чтение картинок для «%1»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Добавить картинки</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Название новой колоды:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Удалить эту колоду? Её картинки карт будут стёрты; фотографии, из которых она сделана, останутся на месте.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: колоды «%1» больше нет в %2; игра идёт с обычными картами.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Welcome to Pairon, the computer card game of pairs and memory!

The pages that follow teach you everything you need to know to use this simple program, although we hope you will find that it explains itself as you go along.

Choose a tab above to read about the aim of the game, how to start a new game, how to enter the players and how to play.

To see the cards larger, make the window larger or press Ctrl+Plus (or Ctrl+=); Ctrl+Minus makes it smaller again and Ctrl+0 brings back the usual size.

Have fun!</source>
        <translation>Добро пожаловать в Pairon — карточную игру на пары и память!

На следующих страницах рассказано всё, что нужно знать об этой простой программе, хотя мы надеемся, что по ходу игры всё станет понятно и так.

Выбери вкладку наверху: цель игры, как начать новую игру, как записать игроков и как играть.

Чтобы карты стали крупнее, растяни окно или нажми Ctrl+Плюс (или Ctrl+=); Ctrl+Минус снова уменьшает его, а Ctrl+0 возвращает обычный размер.

Приятной игры!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Перед игрой карты лежат на «Игровом поле», но открывать их пока нельзя. Сначала выбери настройки, потом нажми «Новая игра».

Размер: два списка, «В ряду» и «Рядов», задают размер поля.

Настройки: здесь выбирается число игроков; кто из них человек, а кто робот, решишь позже.
• «Фоновая картинка» показывает или прячет картинки за картами и игроками.
• «Повторные пары» позволяют одной и той же паре встретиться в игре несколько раз.
• «Отмечать новые» показывает людям, но не роботу, какие карты уже открывали: у карт, которые ещё никто не переворачивал, своя рубашка. Это почти жульничество!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>После «Новая игра» на месте прежних панелей появляются новые, с кнопкой «Готово», которая начинает игру. Сначала настрой игроков.

Для каждого игрока выбери в списке «Человек» или «Робот».

Для человека лучше впиши его имя в поле справа.

Для робота это поле сменяется другим списком — его уровнем, от «Отличный» до «Ужасный». Уровень можно менять от игры к игре.

Чтобы всё же изменить настройки, нажми «Закончить» и вернись к ним.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Введение</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Цель игры</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Карточная игра на пары и память для одного–четырёх игроков от разработчиков Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon, версия %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Свободная программа под лицензией MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Сделано на C++ и Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>О Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Разделы помощи</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Цель игры — найти как можно больше пар карт за как можно меньшее число ходов и набрать больше всех очков.

Карты лежат рубашкой вверх вперемешку, и их открывают по две. Если это пара, карты уходят с поля, и тот же игрок ходит ещё раз. Если нет, их снова переворачивают, и ход переходит к следующему игроку.

Pairon тренирует память и внимание: кто помнит, где лежала каждая карта, быстрее находит пары.

Играть могут до четырёх игроков, в том числе против робота.

Если отмечен «Звук», короткий звук отмечает каждую карту, пару, промах и конец игры.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>После «Готово» снова появляется «Игровое поле» со всеми картами. «Закончить» по-прежнему возвращает к настройкам.

Когда ходит не робот, щёлкни по очереди две карты или выбери их стрелками и пробелом. Когда ходит робот, он сам выбирает карты: просто жди и смотри.

Слева «Комментарий» и «Счёт» показывают очки каждого игрока, сколько пар осталось и чей ход; F2 в любой момент читает это вслух, а программа чтения с экрана называет каждую карту, каждую пару и каждый промах. Ползунок «Темп игры» задаёт, как быстро переворачиваются карты и как быстро выбирает робот.

Две несовпавшие карты можно перевернуть раньше, щёлкнув ещё раз по карте. Когда карты кончатся, появится итог; для новой игры нажми «Закончить», а потом «Новая игра».</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, выбрано</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Игра Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закончить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>В ряду</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Рядов</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фоновая картинка</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Повторные пары</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Отмечать новые</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Сейчас ходит</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Осталось пар</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Темп игры</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Робот</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Отличный</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хороший</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Слабый</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Ужасный</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: не удалось загрузить файл картинки %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Добавить картинки…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Удалить колоду…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычные</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>Надо же,
ничья!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
побеждает!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
побеждает!

Не повезло!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Молодец,
%1!

Найдено пар: %2
за %n ход</numerusform>
            <numerusform>Молодец,
%1!

Найдено пар: %2
за %n хода</numerusform>
            <numerusform>Молодец,
%1!

Найдено пар: %2
за %n ходов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>Первым ходит робот. F2 говорит счёт.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>Первым ходит: %1. F2 говорит счёт.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>Робот открывает %1: %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Пара у игрока %1! Счёт: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Пара у игрока %1! Счёт: %2. Осталось пар: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Не пара.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Не пара. Теперь ходит робот.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Не пара. Твой ход, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>Игра окончена. Выбери поле и нажми «Новая игра».</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Счёт: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Игры сейчас нет. Выбери поле и нажми «Новая игра».</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Впиши игроков и нажми «Готово».</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>Сейчас ходит: %1. Счёт: %2. Осталось пар: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Подожди: ходит робот.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Нажми ещё раз, чтобы открыть карту.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Карты снова закрыты. Нажми ещё раз, чтобы открыть карту.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Новая игра, %1 на %2 карты. На кнопке «Новая игра» теперь написано «Закончить». Впиши игроков и нажми «Готово».</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Твой ход, %1.</translation>
    </message>
</context>
</TS>
