<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>koło</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>trójkąt</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>romb</translation>
    </message>
    <message>
        <source>star</source>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>serce</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>sześciokąt</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>krzyż</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>półksiężyc</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>strzałka</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>pierścień</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>spirala</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>błyskawica</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>kwiat</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>kropla</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>liść</translation>
    </message>
    <message>
        <source>key</source>
        <translation>klucz</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>dzwonek</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>kotwica</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>słońce</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>parasol</translation>
    </message>
    <message>
        <source>house</source>
        <translation>dom</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>ryba</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>choinka</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>korona</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>nuta</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Puste miejsce, rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Karta, rząd %1, kolumna %2, zakryta</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Karta, rząd %1, kolumna %2, odkryta, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Kolumn</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Rzędów</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Gracz %1: rodzaj</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Gracz %1: poziom</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Gracz %1: imię</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo gry</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Pozostałe pary</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Teraz gra</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Obraz planszy</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Obraz za graczami</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Obraz wyniku</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Wiwatujący zwycięzca</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Przygnębiony przegrany pod deszczową chmurą</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Wściekły przegrany</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Gracz %1: punkty</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Punkty gracza %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Plansza, brak kart</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Karty na planszy. Strzałki przechodzą od karty do karty, Home i End do pierwszej i do ostatniej karty, Spacja lub Enter odkrywa zaznaczoną kartę. F2 mówi, czyja kolej, jakie są wyniki i ile par zostało.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Ta nazwa jest za długa: nazwa talii może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Usunąć talię „%1”?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Talia „%1” nie została usunięta: jest dowiązaniem do %2, a tego, co tam leży, Pairon nie kasuje.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Obrazy talii „%1” zostały skasowane. Jej folder %2 zawiera też pliki, których Pairon nie utworzył; są tam nadal.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Nie udało się usunąć talii „%1” z %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Tych plików nie dało się odczytać i zostały pominięte: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Obrazy w talii „%1”: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Nie utworzono talii: %1 nie zawiera żadnego czytelnego obrazu JPEG, PNG ani BMP.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Nie utworzono talii: nie dało się zapisać obrazów w %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Odczytywanie obrazów dla „%1”…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Dodaj obrazy</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Nazwa nowej talii:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Usunąć tę talię? Jej obrazy kart zostaną skasowane; zdjęcia, z których powstała, zostają na miejscu.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: talii „%1” nie ma już w %2; gra toczy się zwykłymi kartami.</translation>
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
        <translation>Witaj w Pairon, karcianej grze w pary i pamięć!

Na kolejnych stronach znajdziesz wszystko, co trzeba wiedzieć o tym prostym programie, choć mamy nadzieję, że w trakcie gry wszystko stanie się jasne.

Wybierz zakładkę u góry: cel gry, jak zacząć nową grę, jak wpisać graczy i jak grać.

Aby powiększyć karty, powiększ okno lub naciśnij Ctrl+Plus (albo Ctrl+=); Ctrl+Minus znów je zmniejsza, a Ctrl+0 przywraca zwykły rozmiar.

Miłej zabawy!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Przed grą karty leżą na „Planszy”, ale nie można ich jeszcze odkrywać. Najpierw ustaw opcje, potem naciśnij „Nowa gra”.

Rozmiar: dwie listy, „Kolumn” i „Rzędów”, ustalają wielkość planszy.

Opcje gry: tu wybierasz liczbę graczy; później ustalisz, kto jest człowiekiem, a kto komputerem.
• „Obraz w tle” pokazuje lub ukrywa obrazki za kartami i graczami.
• „Powtórzone pary” pozwala, by ta sama para pojawiła się w grze więcej niż raz.
• „Zaznacz odkryte” pokazuje ludziom, ale nie komputerowi, które karty były już odkryte: karty, których nikt jeszcze nie odwrócił, mają inny rewers. To prawie oszukiwanie!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Po „Nowa gra” w miejsce poprzednich pojawiają się nowe pola, z przyciskiem „Gotowe”, który zaczyna grę. Zanim go naciśniesz, ustaw graczy.

Dla każdego gracza lista pozwala wybrać „Człowiek” albo „Komputer”.

Dla człowieka najlepiej wpisz jego imię w polu po prawej.

Dla komputera to pole zmienia się w drugą listę, która ustala jego poziom, od „Doskonały” do „Fatalny”. Możesz go zmieniać w każdej grze.

Aby jednak zmienić opcje, naciśnij „Zakończ grę” i wróć do nich.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Wstęp</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Cel gry</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Gra karciana w pary i pamięć dla jednego do czterech graczy, od twórców Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon wersja %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Wolne oprogramowanie na licencji MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Zrobione w C++ i Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>O Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Tematy pomocy</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Celem gry jest znaleźć jak najwięcej par kart w jak najmniejszej liczbie ruchów i skończyć z najlepszym wynikiem.

Karty leżą zakryte, w losowych miejscach, i odkrywa się je po dwie. Jeśli tworzą parę, znikają z planszy, a ten sam gracz gra dalej. Jeśli nie, zostają znów zakryte, a ruch przechodzi na następnego gracza.

Pairon ćwiczy pamięć i koncentrację: kto pamięta, gdzie leżała każda karta, szybciej znajduje pary.

Grać może do czterech graczy, także przeciwko komputerowi.

Gdy „Dźwięk” jest zaznaczony, krótki dźwięk oznacza każdą kartę, parę, pudło i koniec gry.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Po „Gotowe” wraca „Plansza” ze wszystkimi kartami. „Zakończ grę” nadal prowadzi z powrotem do opcji.

Gdy nie gra komputer, klikasz po kolei dwie karty albo używasz strzałek i spacji. Gdy gra komputer, wybiera karty sam: po prostu czekaj i patrz.

Po lewej „Komentarz” i „Wyniki” pokazują punkty każdego gracza, ile par zostało i czyja jest kolej; F2 odczytuje to w każdej chwili, a czytnik ekranu ogłasza każdą kartę, każdą parę i każde pudło. Suwak „Tempo gry” ustala, jak szybko karty się odwracają i jak szybko wybiera komputer.

Dwie niepasujące karty odwrócisz wcześniej, klikając jeszcze raz w kartę. Gdy wszystkie karty znikną, pojawi się wynik; aby zagrać znowu, naciśnij „Zakończ grę”, a potem „Nowa gra”.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, wybrane</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Gra Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Kolumn</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Rzędów</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Obraz w tle</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Powtórzone pary</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Zaznacz odkryte</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Teraz gra</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Pozostałe pary</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo gry</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Doskonały</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobry</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Słaby</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Fatalny</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: nie udało się wczytać pliku obrazu %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Dodaj obrazy…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Usuń talię…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Zwykłe</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>No proszę,
remis!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
wygrywa!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
wygrywa!

Ale pech!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Brawo,
%1!

Par: %2
Ruchów: %n</numerusform>
            <numerusform>Brawo,
%1!

Par: %2
Ruchów: %n</numerusform>
            <numerusform>Brawo,
%1!

Par: %2
Ruchów: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>Zaczyna komputer. F2 mówi wynik.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>Zaczyna: %1. F2 mówi wynik.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>Komputer odkrywa %1: %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Para dla: %1! Wynik: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Para dla: %1! Wynik: %2. Zostało par: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>To nie para.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>To nie para. Teraz gra komputer.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>To nie para. Twoja kolej, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>Gra skończona. Wybierz planszę, a potem naciśnij Nowa gra.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Wyniki: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Nie trwa żadna gra. Wybierz planszę, a potem naciśnij Nowa gra.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Wpisz graczy, a potem naciśnij Gotowe.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>Teraz gra: %1. Wyniki: %2. Zostało par: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Poczekaj: gra komputer.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Naciśnij jeszcze raz, aby odkryć kartę.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Karty są znowu zakryte. Naciśnij jeszcze raz, aby odkryć kartę.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Nowa gra, %1 na %2 karty. Na przycisku Nowa gra jest teraz Zakończ grę. Wpisz graczy, a potem naciśnij Gotowe.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Twoja kolej, %1.</translation>
    </message>
</context>
</TS>
