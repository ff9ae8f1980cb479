<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>cerchio</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrato</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangolo</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>rombo</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stella</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cuore</translation>
    </message>
    <message>
        <source>hexagon</source>
        <translation>esagono</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>croce</translation>
    </message>
    <message>
        <source>crescent</source>
        <translation>mezzaluna</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>freccia</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anello</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>spirale</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>fulmine</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>fiore</translation>
    </message>
    <message>
        <source>drop</source>
        <translation>goccia</translation>
    </message>
    <message>
        <source>leaf</source>
        <translation>foglia</translation>
    </message>
    <message>
        <source>key</source>
        <translation>chiave</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancora</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sole</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>ombrello</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pesce</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>abete</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>nota musicale</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Posto vuoto, riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Carta, riga %1, colonna %2, coperta</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Carta, riga %1, colonna %2, scoperta, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Giocatore %1: tipo</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Giocatore %1: livello</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Giocatore %1: nome</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Coppie rimaste</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Tocca a</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Immagine del tavolo</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Immagine dietro i giocatori</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Immagine del risultato</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Un vincitore che esulta</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Un perdente abbattuto sotto una nuvola di pioggia</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Un perdente furioso</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Una coppa</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Giocatore %1: punti</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Punti di %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Tavolo di gioco, nessuna carta</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>Le carte sul tavolo. Le frecce passano da una carta all’altra, Inizio e Fine vanno alla prima e all’ultima carta, Spazio o Invio scopre la carta segnata. F2 dice a chi tocca, i punti e le coppie rimaste.</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Il nome è troppo lungo: il nome di un mazzo può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Rimuovere il mazzo «%1»?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>Il mazzo «%1» non è stato rimosso: è un collegamento a %2, e ciò che si trova lì non spetta a Pairon cancellarlo.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>Le immagini del mazzo «%1» sono state cancellate. La sua cartella %2 contiene anche file che Pairon non ha creato; sono ancora lì.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Non è stato possibile rimuovere il mazzo «%1» da %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Questi file non si potevano leggere e sono stati tralasciati: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Immagini nel mazzo «%1»: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Nessun mazzo creato: %1 non contiene immagini JPEG, PNG o BMP leggibili.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Nessun mazzo creato: non è stato possibile salvare le immagini in %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Lettura delle immagini per «%1»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Nome del nuovo mazzo:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Rimuovere questo mazzo? Le sue immagini delle carte vengono cancellate; le foto da cui è stato fatto restano dove sono.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: il mazzo «%1» non è più in %2; si gioca con le carte standard.</translation>
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
        <translation>Benvenuto in Pairon, il gioco di carte delle coppie e della memoria!

Le pagine seguenti ti insegnano tutto quello che serve per usare questo semplice programma, anche se speriamo che si spieghi da solo mentre giochi.

Scegli una scheda qui sopra: lo scopo del gioco, come iniziare una partita, come inserire i giocatori e come si gioca.

Per ingrandire le carte, allarga la finestra o premi Ctrl+Più (o Ctrl+=); Ctrl+Meno la rimpicciolisce di nuovo e Ctrl+0 ripristina la dimensione abituale.

Buon divertimento!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Prima di una partita le carte sono sul «Tavolo di gioco», ma non si possono ancora scoprire. Scegli prima le opzioni, poi premi «Nuova partita».

Dimensioni: i due elenchi «Colonne» e «Righe» fissano la grandezza del tavolo.

Opzioni: qui scegli il numero di giocatori; dopo decidi chi è umano e chi è il computer.
• «Immagine di sfondo» mostra o nasconde le immagini dietro le carte e i giocatori.
• «Coppie ripetute» fa comparire la stessa coppia più di una volta.
• «Segna già viste» mostra ai giocatori umani, ma non al computer, quali carte sono già state scoperte: quelle che nessuno ha ancora girato hanno un dorso diverso. È quasi un imbroglio!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Dopo «Nuova partita» compaiono nuovi riquadri, con il pulsante «Fatto» che avvia il gioco. Prima di premerlo, prepara i giocatori.

Per ogni giocatore, un elenco sceglie «Umano» o «Computer».

Per un giocatore umano, ti consigliamo di scrivere il suo nome nella casella a destra.

Per il computer, la casella diventa un altro elenco che ne fissa il livello, da «Ottimo» a «Pessimo». Puoi cambiarlo a ogni partita.

Se vuoi ancora cambiare le opzioni, premi «Fine partita» per tornarci.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Scopo del gioco</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Un gioco di carte di coppie e memoria per uno a quattro giocatori, degli sviluppatori di Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon versione %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Software libero, rilasciato con licenza MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Fatto con C++ e Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Argomenti dell’aiuto</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>Lo scopo del gioco è trovare più coppie di carte che puoi, nel minor numero di turni, e finire con il punteggio più alto.

Le carte sono coperte e mescolate, e se ne scoprono due alla volta. Se formano una coppia, escono dal tavolo e lo stesso giocatore gioca ancora. Altrimenti vengono ricoperte e il turno passa al giocatore successivo.

Pairon allena la memoria e la concentrazione: chi ricorda dove stava ogni carta trova prima le coppie.

Possono giocare fino a quattro giocatori, anche contro il computer.

Con «Suono» spuntato, un breve suono segna ogni carta, coppia, errore e la fine della partita.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Dopo «Fatto» torna il «Tavolo di gioco» con tutte le carte. «Fine partita» riporta sempre alle opzioni.

Quando non tocca al computer, fai clic su due carte, una dopo l’altra, oppure usa le frecce e la barra spaziatrice. Nel turno del computer, lui sceglie le carte da solo: aspetta e guarda.

A sinistra, «Commento» e «Punteggio» mostrano i punti di ogni giocatore, quante coppie restano e a chi tocca; F2 legge tutto questo ad alta voce in ogni momento, e un lettore di schermo annuncia ogni carta, ogni coppia e ogni tentativo a vuoto. Il cursore «Velocità» decide quanto in fretta si girano le carte e quanto in fretta sceglie il computer.

Due carte diverse si rigirano prima se fai di nuovo clic su una carta. Quando le carte sono finite compare il risultato; per una nuova partita premi «Fine partita» e poi «Nuova partita».</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selezionato</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Gioco Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Coppie ripetute</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Segna già viste</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Tocca a</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Coppie rimaste</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ottimo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Scarso</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Pessimo</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Tavolo di gioco</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: impossibile caricare il file immagine %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Aggiungi immagini…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Rimuovi mazzo…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Carte</translation>
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
        <translation>È un
pareggio!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
vince!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
vince!

Che sfortuna!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Ben fatto,
%1!

Hai trovato
%2 coppie in
%n turno</numerusform>
            <numerusform>Ben fatto,
%1!

Hai trovato
%2 coppie in
%n turni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>Comincia il computer. F2 dice i punti.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>Comincia %1. F2 dice i punti.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>Il computer scopre %1: %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Una coppia per %1! Punti: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Una coppia per %1! Punti: %2. Coppie rimaste: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Niente coppia.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Niente coppia. Ora gioca il computer.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Niente coppia. Tocca a te, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>La partita è finita. Scegli il tavolo, poi premi Nuova partita.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Punti: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Nessuna partita in corso. Scegli il tavolo, poi premi Nuova partita.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Scrivi i giocatori, poi premi Fatto.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>Tocca a %1. Punti: %2. Coppie rimaste: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Aspetta: sta giocando il computer.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Premi ancora per scoprire una carta.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>Le carte sono di nuovo coperte. Premi ancora per scoprire una carta.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Nuova partita, %1 per %2 carte. Il pulsante Nuova partita ora dice Fine partita. Scrivi i giocatori, poi premi Fatto.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Tocca a te, %1.</translation>
    </message>
</context>
</TS>
