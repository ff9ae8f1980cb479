<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>rombo</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>corazón</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>hexágono</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>cruz</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>luna creciente</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flecha</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anillo</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>espiral</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>rayo</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>gota</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>hoja</translation>
    </message>
    <message>
        <source>key</source>
        <translation>llave</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancla</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraguas</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pez</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>abeto</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Hueco vacío, fila %1, columna %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Carta, fila %1, columna %2, boca abajo</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Carta, fila %1, columna %2, boca arriba, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Juegan</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Jugador %1: tipo</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Jugador %1: nivel</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Jugador %1: nombre</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Quedan parejas</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Turno de</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Imagen del tablero</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Imagen detrás de los jugadores</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Imagen del resultado</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Un ganador que lo celebra</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Un perdedor abatido bajo una nube de lluvia</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Un perdedor furioso</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Un trofeo</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Jugador %1: puntos</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Puntos de %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Tablero, sin cartas</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Las cartas del tablero. Las flechas pasan de una carta a otra, Inicio y Fin van a la primera y a la última carta, Espacio o Intro da la vuelta a la carta marcada. F2 dice de quién es el turno, los puntos y las parejas que quedan.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Ese nombre es demasiado largo: el nombre de una baraja puede tener como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>¿Quitar la baraja «%1»?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>No se quitó la baraja «%1»: es un enlace a %2, y lo que hay allí no le toca a Pairon borrarlo.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Se borraron las imágenes de la baraja «%1». Su carpeta %2 también tiene archivos que Pairon no hizo; siguen allí.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>No se pudo quitar la baraja «%1» de %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Estos archivos no se pudieron leer y se han dejado fuera: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Imágenes en la baraja «%1»: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>No se ha creado ninguna baraja: %1 no contiene ninguna imagen JPEG, PNG o BMP legible.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>No se ha creado ninguna baraja: las imágenes no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Leyendo las imágenes para «%1»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Nombre de la nueva baraja:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>¿Quitar esta baraja? Se borran sus imágenes de cartas; las fotos de las que se hizo siguen donde están.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: la baraja «%1» ya no está en %2; se juega con las cartas estándar.</translation>
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
        <translation>¡Bienvenido a Pairon, el juego de cartas de parejas y memoria!

En las páginas siguientes aprenderás todo lo que necesitas para usar este sencillo programa, aunque esperamos que se explique solo mientras juegas.

Elige una pestaña arriba: el objetivo del juego, cómo empezar una partida, cómo apuntar a los jugadores y cómo jugar.

Para ver las cartas más grandes, agranda la ventana o pulsa Ctrl+Más (o Ctrl+=); Ctrl+Menos la vuelve a reducir y Ctrl+0 recupera el tamaño de siempre.

¡Que te diviertas!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Antes de una partida, las cartas están en el «Tablero», pero aún no se pueden levantar. Elige primero las opciones y pulsa «Empezar».

Tamaño: las dos listas fijan el tamaño del tablero.

Opciones: aquí eliges cuántos juegan; más tarde decides quién es humano y quién el ordenador.
• «Imagen de fondo» muestra u oculta las imágenes detrás de las cartas y los jugadores.
• «Parejas repetidas» permite que la misma pareja salga más de una vez.
• «Marcar vistas» enseña a los jugadores humanos, pero no al ordenador, qué cartas ya se han levantado: las que nadie ha visto tienen otro reverso. ¡Es casi hacer trampa!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Tras «Empezar» aparecen otros paneles, con un botón «Listo» que empieza el juego. Antes de pulsarlo, prepara a los jugadores.

Para cada jugador, una lista elige «Humano» u «Ordenador».

Para un jugador humano, te recomendamos escribir su nombre en la casilla de la derecha.

Para el ordenador, esa casilla se cambia por otra lista con su nivel, de «Excelente» a «Pésimo». Puedes cambiarlo en cada partida.

Si al final quieres cambiar las opciones, pulsa «Terminar» para volver a ellas.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Un juego de cartas de parejas y memoria para uno a cuatro jugadores, de los desarrolladores de Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon versión %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Software libre, publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Hecho con C++ y Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>Acerca de Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>El objetivo es encontrar tantas parejas de cartas como puedas, en el menor número de turnos, y acabar con la puntuación más alta.

Las cartas están boca abajo y mezcladas, y se levantan de dos en dos. Si forman pareja, salen del tablero y el mismo jugador vuelve a jugar. Si no, se vuelven a tapar y el turno pasa al siguiente jugador.

Pairon entrena la memoria y la concentración: quien recuerda dónde estaba cada carta encuentra antes las parejas.

Pueden jugar hasta cuatro jugadores, y también se puede jugar contra el ordenador.

Con «Sonido» marcado, un sonido breve señala cada carta, pareja, fallo y el final de la partida.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Tras «Listo» vuelve el «Tablero» con todas las cartas. «Terminar» te sigue llevando a las opciones.

Cuando no le toca al ordenador, haz clic en dos cartas, una tras otra, o usa las flechas y la barra espaciadora. En el turno del ordenador, él elige sus cartas solo: espera y mira.

A la izquierda, «Comentarios» y «Marcador» muestran los puntos de cada jugador, cuántas parejas quedan y a quién le toca; F2 lo lee en voz alta cuando quieras, y un lector de pantalla anuncia cada carta, cada pareja y cada fallo. La barra «Ritmo» decide lo rápido que se dan la vuelta las cartas y lo rápido que elige el ordenador.

Dos cartas que no son pareja se tapan antes si haces clic otra vez en una carta. Cuando no quedan cartas, aparece el resultado; para jugar otra vez, pulsa «Terminar» y luego «Empezar».</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Juego Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Juegan</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Parejas repetidas</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Marcar vistas</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Turno de</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Quedan parejas</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Flojo</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Pésimo</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: no se pudo cargar el archivo de imagen %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Añadir imágenes…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Quitar baraja…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>¡Vaya,
un empate!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>¡Gana
%1!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>¡Gana
%1!

¡Mala suerte!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>¡Bien hecho,
%1!

Encontraste
%2 parejas en
%n turno</numerusform>
            <numerusform>¡Bien hecho,
%1!

Encontraste
%2 parejas en
%n turnos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>Empieza el ordenador. F2 dice los puntos.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>Empieza %1. F2 dice los puntos.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>El ordenador destapa %1: %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>¡Pareja para %1! Puntos: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>¡Pareja para %1! Puntos: %2. Quedan parejas: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>No es pareja.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>No es pareja. Ahora juega el ordenador.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>No es pareja. Te toca, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>La partida ha terminado. Elige el tablero y pulsa Empezar.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Puntos: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>No hay ninguna partida. Elige el tablero y pulsa Empezar.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Escribe los jugadores y pulsa Listo.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>Turno de %1. Puntos: %2. Quedan parejas: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Espera: está jugando el ordenador.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Pulsa otra vez para destapar una carta.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Las cartas vuelven a estar boca abajo. Pulsa otra vez para destapar una carta.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Partida nueva, %1 por %2 cartas. El botón Empezar ahora dice Terminar. Escribe los jugadores y pulsa Listo.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Te toca, %1.</translation>
    </message>
</context>
</TS>
