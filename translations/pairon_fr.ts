<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>losange</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>hexagone</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flèche</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anneau</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>spirale</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>éclair</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>fleur</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>goutte</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>feuille</translation>
    </message>
    <message>
        <source>key</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancre</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>parapluie</translation>
    </message>
    <message>
        <source>house</source>
        <translation>maison</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>poisson</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>sapin</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>note de musique</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Place vide, rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Carte, rangée %1, colonne %2, face cachée</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Carte, rangée %1, colonne %2, face visible, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Joueur %1&#xa0;: type</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Joueur %1&#xa0;: niveau</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Joueur %1&#xa0;: nom</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paires restantes</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>À qui de jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Image de la table</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Image derrière les joueurs</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Image du résultat</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Un gagnant qui exulte</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Un perdant abattu sous un nuage de pluie</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Un perdant furieux</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Une coupe</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Joueur %1&#xa0;: score</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Score de %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Table de jeu, aucune carte</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Les cartes de la table. Les flèches passent d’une carte à l’autre, Début et Fin vont à la première et à la dernière carte, Espace ou Entrée retourne la carte marquée. F2 dit à qui de jouer, les scores et les paires restantes.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Ce nom est trop long : le nom d’un jeu peut avoir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Retirer le jeu « %1 » ?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Le jeu « %1 » n’a pas été retiré : c’est un lien vers %2, et ce qui s’y trouve n’est pas à Pairon d’effacer.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Les images du jeu « %1 » ont été effacées. Son dossier %2 contient aussi des fichiers que Pairon n’a pas faits ; ils y sont toujours.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Le jeu « %1 » n’a pas pu être retiré de %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Ces fichiers n’ont pas pu être lus et ont été laissés de côté : %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Images dans le jeu « %1 » : %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Aucun jeu n’a été créé : %1 ne contient aucune image JPEG, PNG ou BMP lisible.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Aucun jeu n’a été créé : les images n’ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Lecture des images pour « %1 »…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Nom du nouveau jeu :</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Retirer ce jeu ? Ses images de cartes sont effacées ; les photos dont il est fait restent où elles sont.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon : le jeu « %1 » n’est plus dans %2 ; la partie se joue avec les cartes standard.</translation>
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
        <translation>Bienvenue dans Pairon, le jeu de cartes des paires et de la mémoire&#xa0;!

Les pages suivantes t’apprennent tout ce qu’il faut savoir pour utiliser ce petit programme, même si nous espérons qu’il s’explique tout seul en jouant.

Choisis un onglet en haut&#xa0;: le but du jeu, comment lancer une partie, comment inscrire les joueurs et comment jouer.

Pour agrandir les cartes, agrandis la fenêtre ou appuie sur Ctrl+Plus (ou Ctrl+=)&#xa0;; Ctrl+Moins la réduit de nouveau et Ctrl+0 rétablit la taille habituelle.

Amuse-toi bien&#xa0;!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Avant une partie, les cartes sont sur la «&#xa0;Table de jeu&#xa0;», mais on ne peut pas encore les retourner. Règle d’abord les options, puis appuie sur «&#xa0;Jouer&#xa0;».

Taille&#xa0;: les deux listes fixent la taille de la table.

Options&#xa0;: choisis ici le nombre de joueurs&#xa0;; tu diras plus tard qui est humain et qui est l’ordinateur.
• «&#xa0;Image de fond&#xa0;» montre ou cache les images derrière les cartes et les joueurs.
• «&#xa0;Paires multiples&#xa0;» permet à une même paire d’apparaître plusieurs fois.
• «&#xa0;Marquer les vues&#xa0;» montre aux joueurs humains, mais pas à l’ordinateur, quelles cartes ont déjà été retournées&#xa0;: celles que personne n’a encore vues ont un dos à part. C’est presque de la triche&#xa0;!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Après «&#xa0;Jouer&#xa0;», de nouveaux cadres remplacent les précédents, avec un bouton «&#xa0;C’est parti&#xa0;!&#xa0;» qui lance la partie. Avant d’appuyer dessus, prépare les joueurs.

Pour chaque joueur, une liste permet de choisir «&#xa0;Humain&#xa0;» ou «&#xa0;Ordinateur&#xa0;».

Pour un joueur humain, écris de préférence son nom dans la case à droite.

Pour l’ordinateur, cette case devient une autre liste qui règle son niveau, de «&#xa0;Excellent&#xa0;» à «&#xa0;Nul&#xa0;». Tu peux le changer à chaque partie.

Pour modifier encore les options, appuie sur «&#xa0;Arrêter&#xa0;» pour y revenir.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>But du jeu</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Les joueurs</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Un jeu de cartes de paires et de mémoire pour un à quatre joueurs, par les développeurs de Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon version %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Logiciel libre, publié sous la licence MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Fait avec C++ et Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Sujets d’aide</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Le but du jeu est de trouver le plus de paires possible, en le moins de tours possible, et de finir avec le meilleur score.

Les cartes sont posées face cachée, dans le désordre, et on en retourne deux à la fois. Si elles forment une paire, elles quittent la table et le même joueur rejoue. Sinon, elles sont retournées et c’est au joueur suivant.

Pairon entraîne la mémoire et la concentration&#xa0;: qui se souvient de la place des cartes trouve les paires plus vite.

Jusqu’à quatre joueurs peuvent jouer, et on peut aussi affronter l’ordinateur.

Avec «&#xa0;Son&#xa0;» coché, un petit son marque chaque carte, paire, erreur et la fin de la partie.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Après «&#xa0;C’est parti&#xa0;!&#xa0;», la «&#xa0;Table de jeu&#xa0;» revient avec toutes les cartes. «&#xa0;Arrêter&#xa0;» ramène toujours aux options.

Quand ce n’est pas le tour de l’ordinateur, clique sur deux cartes l’une après l’autre, ou utilise les flèches et la barre d’espace. Pendant son tour, l’ordinateur choisit ses cartes tout seul&#xa0;: il suffit de regarder.

À gauche, «&#xa0;Commentaire&#xa0;» et «&#xa0;Scores&#xa0;» montrent le score de chacun, les paires restantes et à qui c’est le tour&#xa0;; F2 lit tout cela à voix haute à tout moment, et un lecteur d’écran annonce chaque carte, chaque paire et chaque essai raté. Le curseur «&#xa0;Vitesse&#xa0;» règle la vitesse à laquelle les cartes se retournent et l’ordinateur joue.

Deux cartes différentes se retournent plus tôt si tu cliques encore sur une carte. Quand toutes les cartes sont prises, le résultat s’affiche&#xa0;; pour rejouer, appuie sur «&#xa0;Arrêter&#xa0;» puis sur «&#xa0;Jouer&#xa0;».</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionné</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Jeu Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>C’est parti&#xa0;!</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Paires multiples</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Marquer les vues</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>À qui de jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Paires restantes</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Nul</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon&#xa0;: impossible de charger le fichier d’image %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Ajouter des images…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Retirer un jeu…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
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
        <translation>C’est une
égalité&#xa0;!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
gagne&#xa0;!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
gagne&#xa0;!

Pas de chance&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Bravo,
%1&#xa0;!

Tu as trouvé
%2 paires en
%n tour</numerusform>
            <numerusform>Bravo,
%1&#xa0;!

Tu as trouvé
%2 paires en
%n tours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>L’ordinateur commence. F2 dit les scores.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>%1 commence. F2 dit les scores.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>L’ordinateur retourne %1 : %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Une paire pour %1 ! Score : %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Une paire pour %1 ! Score : %2. Paires restantes : %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Pas de paire.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Pas de paire. L’ordinateur joue maintenant.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Pas de paire. À toi, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>La partie est finie. Choisis la table, puis appuie sur Jouer.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Scores : %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Aucune partie en cours. Choisis la table, puis appuie sur Jouer.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Inscris les joueurs, puis appuie sur C’est parti.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>À %1 de jouer. Scores : %2. Paires restantes : %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Attends : l’ordinateur joue.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Appuie encore pour retourner une carte.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Les cartes sont de nouveau face cachée. Appuie encore pour retourner une carte.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Nouvelle partie, %1 sur %2 cartes. Le bouton Jouer affiche maintenant Arrêter. Inscris les joueurs, puis appuie sur C’est parti.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>À toi, %1.</translation>
    </message>
</context>
</TS>
