<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>house</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Leerer Platz, Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Karte, Reihe %1, Spalte %2, verdeckt</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Karte, Reihe %1, Spalte %2, aufgedeckt, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Spieler %1: Art</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Spieler %1: Stärke</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Spieler %1: Name</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paare übrig</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Wer ist dran?</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Bild des Spielfelds</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Bild hinter den Spielern</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Ergebnisbild</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Ein jubelnder Gewinner</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Ein geknickter Verlierer unter einer Regenwolke</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Ein wütender Verlierer</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Ein Pokal</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Spieler %1: Punkte</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Punkte von %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Spielfeld, keine Karten</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Die Karten auf dem Spielfeld. Mit den Pfeiltasten geht es von Karte zu Karte, Pos1 und Ende springen zur ersten und zur letzten Karte, Leertaste oder Eingabe deckt die markierte Karte auf. F2 sagt, wer dran ist, die Punkte und die übrigen Paare.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Dieser Name ist zu lang: Der Name eines Kartensatzes darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Den Kartensatz „%1“ entfernen?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Der Kartensatz „%1“ wurde nicht entfernt: Er ist ein Verweis auf %2, und was dort liegt, löscht Pairon nicht.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Die Bilder des Kartensatzes „%1“ wurden entfernt. Sein Ordner %2 enthält auch Dateien, die Pairon nicht angelegt hat; sie sind noch da.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Der Kartensatz „%1“ konnte nicht aus %2 entfernt werden.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Diese Dateien konnten nicht gelesen werden und wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Bilder im Kartensatz „%1“: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Kein Kartensatz angelegt: %1 enthält kein lesbares JPEG-, PNG- oder BMP-Bild.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Kein Kartensatz angelegt: Die Bilder konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Bilder für „%1“ werden gelesen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Name des neuen Kartensatzes:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Diesen Kartensatz entfernen? Seine Kartenbilder werden gelöscht; die Fotos, aus denen er entstand, bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: Der Kartensatz „%1“ ist nicht mehr in %2; es wird mit den Standardkarten gespielt.</translation>
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
        <translation>Willkommen bei Pairon, dem Kartenspiel für Paare und ein gutes Gedächtnis!

Auf den folgenden Seiten erfährst du alles, was du über dieses einfache Programm wissen musst – auch wenn es sich hoffentlich beim Spielen von selbst erklärt.

Wähle oben ein Thema: das Ziel des Spiels, wie ein neues Spiel beginnt, wie du die Spieler einträgst und wie gespielt wird.

Für größere Karten zieh das Fenster größer oder drück Strg+Plus (oder Strg+=); Strg+Minus macht es wieder kleiner, Strg+0 bringt die übliche Größe zurück.

Viel Spaß!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Vor dem Spiel liegen die Karten im „Spielfeld“, lassen sich aber noch nicht aufdecken. Stelle zuerst die Optionen ein und drücke dann „Neues Spiel“.

Größe: Die beiden Listen bestimmen, wie groß das Spielfeld ist.

Spieloptionen: Hier stellst du die Zahl der Spieler ein; wer Mensch und wer Computer ist, legst du später fest.
• „Hintergrundbild“ zeigt oder versteckt die Bilder hinter den Karten und den Spielern.
• „Doppelte Paare“ lässt dasselbe Paar mehrmals im Spiel vorkommen.
• „Neue markieren“ zeigt menschlichen Spielern, aber nicht dem Computer, welche Karten schon aufgedeckt waren: Karten, die noch niemand umgedreht hat, haben eine eigene Rückseite. Das ist fast schon geschummelt!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Nach „Neues Spiel“ erscheinen neue Felder mit dem Knopf „Fertig“, der das Spiel startet. Vorher richtest du die Spieler ein.

Für jeden Spieler wählst du in einer Liste „Mensch“ oder „Computer“.

Für einen Menschen trägst du am besten rechts daneben seinen Namen ein.

Bei einem Computer erscheint dort stattdessen eine Liste für seine Spielstärke, von „Sehr gut“ bis „Miserabel“. Du kannst sie von Spiel zu Spiel ändern.

Willst du die Optionen doch noch ändern, kommst du mit „Aufhören“ zu ihnen zurück.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Ziel des Spiels</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Spieler eintragen</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Ein Kartenspiel um Paare und Gedächtnis für einen bis vier Spieler, von den Pairon-Entwicklern.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon Version %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Gemacht mit C++ und Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>Über Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Ziel des Spiels ist es, mit möglichst wenigen Zügen möglichst viele Kartenpaare zu finden und am Ende die meisten Punkte zu haben.

Die Karten liegen verdeckt und gemischt da; in jedem Zug werden zwei aufgedeckt. Sind sie ein Paar, kommen sie vom Spielfeld, und derselbe Spieler ist noch einmal dran. Sonst werden sie wieder umgedreht, und der nächste Spieler ist an der Reihe.

Pairon trainiert Gedächtnis und Konzentration: Wer sich merkt, wo welche Karte lag, findet die Paare schneller.

Bis zu vier Spieler können mitspielen, auch gegen den Computer.

Mit „Ton“ erklingt ein kurzer Klang bei jeder Karte, jedem Paar, jedem Fehlgriff und am Spielende.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Nach „Fertig“ kommt das „Spielfeld“ mit allen Karten zurück. „Aufhören“ führt weiterhin zu den Optionen.

Wenn nicht der Computer dran ist, klickst du nacheinander zwei Karten an oder nimmst die Pfeiltasten und die Leertaste. Ist der Computer dran, wählt er seine Karten selbst: Warte einfach und schau zu.

Links zeigen „Spielverlauf“ und „Punktestand“ die Punkte jedes Spielers, wie viele Paare übrig sind und wer dran ist; F2 liest das jederzeit vor, und ein Screenreader sagt jede Karte, jedes Paar und jeden Fehlgriff an. Der Regler „Tempo“ bestimmt, wie schnell Karten umgedreht werden und wie schnell der Computer wählt.

Zwei Karten, die nicht zusammenpassen, drehst du mit einem Klick auf eine Karte früher um. Sind alle Karten weg, erscheint das Ergebnis; für ein neues Spiel drückst du „Aufhören“ und dann „Neues Spiel“.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Pairon-Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Doppelte Paare</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Neue markieren</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Wer ist dran?</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paare übrig</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Miserabel</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: Die Bilddatei %1 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Bilder hinzufügen…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Kartensatz entfernen…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>Das ist ein
Unentschieden!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
gewinnt!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
gewinnt!

Pech gehabt!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Gut gemacht,
%1!

%2 Paare
gefunden in
%n Zug</numerusform>
            <numerusform>Gut gemacht,
%1!

%2 Paare
gefunden in
%n Zügen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>Der Computer fängt an. F2 sagt den Spielstand.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>%1 fängt an. F2 sagt den Spielstand.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>Computer deckt auf: %1, %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Ein Paar für %1! Punkte: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Ein Paar für %1! Punkte: %2. Paare übrig: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Kein Paar.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Kein Paar. Jetzt spielt der Computer.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Kein Paar. Du bist dran, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>Das Spiel ist vorbei. Wähl das Spielfeld, dann drück Neues Spiel.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Punkte: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Gerade läuft kein Spiel. Wähl das Spielfeld, dann drück Neues Spiel.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Trag die Spieler ein, dann drück Fertig.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>%1 ist dran. Punkte: %2. Paare übrig: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Bitte warten: Der Computer spielt.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Drück noch einmal, um eine Karte aufzudecken.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Die Karten liegen wieder verdeckt. Drück noch einmal, um eine Karte aufzudecken.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Neues Spiel, %1 mal %2 Karten. Auf dem Knopf Neues Spiel steht jetzt Aufhören. Trag die Spieler ein, dann drück Fertig.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Du bist dran, %1.</translation>
    </message>
</context>
</TS>
