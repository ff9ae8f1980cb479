<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>triangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>anchor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Welcome to Pairon, the computer card game of pairs and memory!

The pages that follow teach you everything you need to know to use this simple program, although we hope you will find that it explains itself as you go along.

Choose a tab above to read about the aim of the game, how to start a new game, how to enter the players and how to play.

Have fun!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
