<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>cirkel</translation>
    </message>
    <message>
        <source>square</source>
        <translation>vierkant</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>driehoek</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>ruit</translation>
    </message>
    <message>
        <source>star</source>
        <translation>ster</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>hart</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>zeshoek</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>kruis</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>maansikkel</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>pijl</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>ring</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>spiraal</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>bliksem</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>bloem</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>druppel</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>blad</translation>
    </message>
    <message>
        <source>key</source>
        <translation>sleutel</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>bel</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>anker</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>zon</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraplu</translation>
    </message>
    <message>
        <source>house</source>
        <translation>huis</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>vis</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>dennenboom</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>kroon</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>muzieknoot</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Lege plek, rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Kaart, rij %1, kolom %2, dicht</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Kaart, rij %1, kolom %2, open, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Speler %1: soort</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Speler %1: niveau</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Speler %1: naam</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paren over</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Aan de beurt</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Afbeelding van het speelveld</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Afbeelding achter de spelers</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Afbeelding bij de uitslag</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Een juichende winnaar</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Een sippe verliezer onder een regenwolk</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Een woedende verliezer</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Een beker</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Speler %1: score</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Score van %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Speelveld, geen kaarten</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>De kaarten op het speelveld. Met de pijltjestoetsen ga je van kaart naar kaart, Home en End gaan naar de eerste en de laatste kaart, spatie of Enter draait de gemarkeerde kaart om. F2 zegt wie aan de beurt is, de punten en de paren die over zijn.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Die naam is te lang: de naam van een kaartspel mag hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Het kaartspel ‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Het kaartspel ‘%1’ is niet verwijderd: het is een koppeling naar %2, en wat daar staat, wist Pairon niet.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>De afbeeldingen van het kaartspel ‘%1’ zijn gewist. De map %2 bevat ook bestanden die Pairon niet heeft gemaakt; die staan er nog.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Het kaartspel ‘%1’ kon niet uit %2 worden verwijderd.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Deze bestanden konden niet worden gelezen en zijn weggelaten: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Afbeeldingen in het kaartspel ‘%1’: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Er is geen kaartspel gemaakt: %1 bevat geen leesbare JPEG-, PNG- of BMP-afbeelding.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Er is geen kaartspel gemaakt: de afbeeldingen konden niet in %1 worden bewaard.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Afbeeldingen voor ‘%1’ worden gelezen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Naam van het nieuwe kaartspel:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Dit kaartspel verwijderen? De kaartafbeeldingen worden gewist; de foto’s waarvan het is gemaakt blijven waar ze zijn.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: het kaartspel ‘%1’ staat niet meer in %2; er wordt met de standaardkaarten gespeeld.</translation>
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
        <translation>Welkom bij Pairon, het kaartspel van paren en geheugen!

Op de volgende pagina’s lees je alles wat je nodig hebt om dit eenvoudige programma te gebruiken, al hopen we dat het zichzelf onderweg uitlegt.

Kies hierboven een tabblad: het doel van het spel, hoe je een nieuw spel begint, hoe je de spelers invoert en hoe je speelt.

Om de kaarten groter te maken, maak je het venster groter of druk je op Ctrl+Plus (of Ctrl+=); Ctrl+Min maakt het weer kleiner en Ctrl+0 zet de gewone grootte terug.

Veel plezier!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Voor een spel liggen de kaarten op het “Speelveld”, maar je kunt ze nog niet omdraaien. Kies eerst de opties en druk dan op “Nieuw spel”.

Afmetingen: de twee lijsten bepalen hoe groot het speelveld is.

Spelopties: hier kies je het aantal spelers; later bepaal je wie mens is en wie de computer.
• “Achtergrond” toont of verbergt de afbeeldingen achter de kaarten en de spelers.
• “Dubbele paren” laat hetzelfde paar vaker in een spel voorkomen.
• “Nieuwe markeren” laat menselijke spelers, maar niet de computer, zien welke kaarten al open zijn geweest: kaarten die nog niemand heeft omgedraaid, hebben een eigen achterkant. Dat is bijna valsspelen!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Na “Nieuw spel” verschijnen nieuwe vakken, met een knop “Klaar” die het spel start. Stel eerst de spelers in.

Voor elke speler kies je in een lijst “Mens” of “Computer”.

Voor een mens typ je het best zijn naam in het tekstvak rechts.

Voor de computer wordt dat tekstvak een andere lijst met zijn niveau, van “Uitstekend” tot “Beroerd”. Je kunt het per spel veranderen.

Wil je de opties toch nog veranderen, druk dan op “Stoppen” om terug te gaan.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Inleiding</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Doel van het spel</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Spelers invoeren</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Een kaartspel met paren en geheugen voor één tot vier spelers, door de Pairon-ontwikkelaars.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon versie %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Vrije software, uitgegeven onder de MIT-licentie.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Gemaakt met C++ en Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>Over Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Helponderwerpen</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Het doel van het spel is zo veel mogelijk paren te vinden in zo weinig mogelijk beurten, en te eindigen met de hoogste score.

De kaarten liggen dicht en door elkaar, en je draait er steeds twee om. Vormen ze een paar, dan gaan ze van het speelveld en is dezelfde speler nog een keer aan de beurt. Zo niet, dan gaan ze weer dicht en is de volgende speler aan de beurt.

Pairon traint je geheugen en concentratie: wie onthoudt waar elke kaart lag, vindt de paren sneller.

Er kunnen tot vier spelers meedoen, en je kunt ook tegen de computer spelen.

Met “Geluid” aangevinkt klinkt een kort geluid bij elke kaart, elk paar, elke misser en het einde.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Na “Klaar” komt het “Speelveld” met alle kaarten terug. “Stoppen” brengt je nog steeds terug naar de opties.

Als de computer niet aan de beurt is, klik je na elkaar op twee kaarten, of gebruik je de pijltjestoetsen en de spatiebalk. Tijdens de beurt van de computer kiest hij zelf zijn kaarten: wacht en kijk.

Links tonen “Commentaar” en “Scorebord” de score van elke speler, hoeveel paren er over zijn en wie aan de beurt is; F2 leest dat op elk moment voor, en een schermlezer meldt elke kaart, elk paar en elke misser. De schuif “Tempo” bepaalt hoe snel kaarten omdraaien en hoe snel de computer kiest.

Twee kaarten die geen paar zijn, draai je eerder terug door nog eens op een kaart te klikken. Zijn alle kaarten weg, dan verschijnt de uitslag; voor een nieuw spel druk je op “Stoppen” en dan op “Nieuw spel”.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, gekozen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Pairon-spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Afmetingen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Dubbele paren</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Nieuwe markeren</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentaar</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Aan de beurt</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paren over</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Zwak</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Beroerd</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: het afbeeldingsbestand %1 kon niet worden geladen.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Afbeeldingen toevoegen…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Kaartspel verwijderen…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Gewoon</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>Het is
gelijkspel!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
wint!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
wint!

Jammer!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Goed gedaan,
%1!

Je vond %2
paren in
%n beurt</numerusform>
            <numerusform>Goed gedaan,
%1!

Je vond %2
paren in
%n beurten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>De computer begint. F2 zegt de stand.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>%1 begint. F2 zegt de stand.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>Computer draait om: %1, %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Een paar voor %1! Punten: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Een paar voor %1! Punten: %2. Paren over: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Geen paar.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Geen paar. Nu speelt de computer.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Geen paar. Jij bent aan de beurt, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>Het spel is voorbij. Kies het speelveld en druk dan op Nieuw spel.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Punten: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Er loopt geen spel. Kies het speelveld en druk dan op Nieuw spel.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Vul de spelers in en druk dan op Klaar.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>%1 is aan de beurt. Punten: %2. Paren over: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Even wachten: de computer speelt.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Druk nog eens om een kaart om te draaien.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>De kaarten liggen weer dicht. Druk nog eens om een kaart om te draaien.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Nieuw spel, %1 bij %2 kaarten. Op de knop Nieuw spel staat nu Stoppen. Vul de spelers in en druk dan op Klaar.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Jij bent aan de beurt, %1.</translation>
    </message>
</context>
</TS>
