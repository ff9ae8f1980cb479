<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrado</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triângulo</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>losango</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrela</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>coração</translation>
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
        <translation>lua crescente</translation>
    </message>
    <message>
        <source>arrow</source>
        <translation>flecha</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anel</translation>
    </message>
    <message>
        <source>spiral</source>
        <translation>espiral</translation>
    </message>
    <message>
        <source>lightning bolt</source>
        <translation>raio</translation>
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
        <translation>folha</translation>
    </message>
    <message>
        <source>key</source>
        <translation>chave</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>sino</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>âncora</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>guarda-chuva</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>peixe</translation>
    </message>
    <message>
        <source>fir tree</source>
        <translation>pinheiro</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>coroa</translation>
    </message>
    <message>
        <source>music note</source>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>Empty place, row %1, column %2</source>
        <translation>Lugar vazio, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face down</source>
        <translation>Carta, linha %1, coluna %2, virada para baixo</translation>
    </message>
    <message>
        <source>Card, row %1, column %2, face up, %3</source>
        <translation>Carta, linha %1, coluna %2, virada para cima, %3</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogam</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Jogador %1: tipo</translation>
    </message>
    <message>
        <source>Player %1 level</source>
        <translation>Jogador %1: nível</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Jogador %1: nome</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Pares restantes</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Vez de</translation>
    </message>
    <message>
        <source>Board picture</source>
        <translation>Imagem da mesa</translation>
    </message>
    <message>
        <source>Player panel picture</source>
        <translation>Imagem atrás dos jogadores</translation>
    </message>
    <message>
        <source>Result picture</source>
        <translation>Imagem do resultado</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>A cheering winner</source>
        <translation>Um vencedor comemorando</translation>
    </message>
    <message>
        <source>A downcast loser under a rain cloud</source>
        <translation>Um perdedor abatido debaixo de uma nuvem de chuva</translation>
    </message>
    <message>
        <source>A fuming loser</source>
        <translation>Um perdedor furioso</translation>
    </message>
    <message>
        <source>A trophy</source>
        <translation>Um troféu</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <translation>Jogador %1: pontos</translation>
    </message>
    <message>
        <source>Score of %1</source>
        <translation>Pontos de %1</translation>
    </message>
    <message>
        <source>Game Window, no cards</source>
        <translation>Mesa de jogo, sem cartas</translation>
    </message>
    <message>
        <source>The cards on the board. The arrow keys move between the cards, Home and End go to the first and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the pairs left.</source>
        <translation>As cartas da mesa. As setas passam de uma carta para outra, Home e End vão para a primeira e a última carta, Espaço ou Enter vira a carta marcada. F2 diz de quem é a vez, os pontos e os pares restantes.</translation>
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
        <translation>Remover</translation>
    </message>
    <message>
        <source>That name is too long: a deck&apos;s name can have at most %1 characters.</source>
        <translation>Esse nome é longo demais: o nome de um baralho pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Remove the deck &quot;%1&quot;?</source>
        <translation>Remover o baralho “%1”?</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; was not removed: it is a link to %2, and what lies there is not Pairon&apos;s to delete.</source>
        <translation>O baralho “%1” não foi removido: é um link para %2, e o que está lá não cabe ao Pairon apagar.</translation>
    </message>
    <message>
        <source>The pictures of the deck &quot;%1&quot; were removed. Its folder %2 also holds files Pairon did not make; they are still there.</source>
        <translation>As imagens do baralho “%1” foram apagadas. A pasta %2 também tem arquivos que o Pairon não criou; eles continuam lá.</translation>
    </message>
    <message>
        <source>The deck &quot;%1&quot; could not be removed from %2.</source>
        <translation>Não foi possível remover o baralho “%1” de %2.</translation>
    </message>
    <message>
        <source>These files could not be read and were left out: %1</source>
        <translation>Estes arquivos não puderam ser lidos e foram deixados de fora: %1</translation>
    </message>
    <message>
        <source>Pictures in the deck &quot;%1&quot;: %2.</source>
        <translation>Imagens no baralho “%1”: %2.</translation>
    </message>
    <message>
        <source>No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read.</source>
        <translation>Nenhum baralho foi criado: %1 não contém nenhuma imagem JPEG, PNG ou BMP legível.</translation>
    </message>
    <message>
        <source>No deck was made: the pictures could not be kept in %1.</source>
        <translation>Nenhum baralho foi criado: as imagens não puderam ser guardadas em %1.</translation>
    </message>
    <message>
        <source>Reading the pictures for &quot;%1&quot;...</source>
        <translation>Lendo as imagens para “%1”…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Name of the new deck:</source>
        <translation>Nome do novo baralho:</translation>
    </message>
    <message>
        <source>Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are.</source>
        <translation>Remover este baralho? As imagens das cartas são apagadas; as fotos de que foi feito ficam onde estão.</translation>
    </message>
    <message>
        <source>Pairon: the deck &quot;%1&quot; is no longer in %2; playing with the standard cards.</source>
        <translation>Pairon: o baralho “%1” não está mais em %2; joga-se com as cartas padrão.</translation>
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
        <translation>Bem-vindo ao Pairon, o jogo de cartas de pares e memória!

As próximas páginas ensinam tudo o que você precisa saber para usar este programa simples, embora a gente espere que ele se explique sozinho enquanto você joga.

Escolha uma aba acima: o objetivo do jogo, como começar um novo jogo, como cadastrar os jogadores e como jogar.

Para ver as cartas maiores, aumente a janela ou pressione Ctrl+Mais (ou Ctrl+=); Ctrl+Menos a diminui de novo e Ctrl+0 volta ao tamanho normal.

Divirta-se!</translation>
    </message>
    <message>
        <source>Before a game, the cards stand in the “Game Window” panel but can’t be selected yet. Set the options first, then press “New Game”.

Dimensions: the two drop-down lists set the size of the board.

Game Options: set the number of players here; you make each player a human or the computer later.
• “Background Picture” shows or hides the pictures behind the cards and the players.
• “Multiple Pairs” lets more than one copy of the same pair appear in a game.
• “Highlight Selected” shows human players, but not the computer, which cards have already been selected: the cards nobody has turned over yet keep a back of their own. It is a form of cheating!</source>
        <translation>Antes de um jogo, as cartas ficam na “Mesa de jogo”, mas ainda não podem ser escolhidas. Primeiro ajuste as opções, depois clique em “Novo jogo”.

Tamanho: as duas listas definem o tamanho da mesa.

Opções: aqui você escolhe quantos jogam; depois define quem é humano e quem é a máquina.
• “Imagem de fundo” mostra ou esconde as imagens atrás das cartas e dos jogadores.
• “Pares repetidos” deixa o mesmo par aparecer mais de uma vez.
• “Marcar vistas” mostra aos jogadores humanos, mas não à máquina, quais cartas já foram viradas: as que ninguém virou ainda têm um verso diferente. É quase trapaça!</translation>
    </message>
    <message>
        <source>After “New Game”, a new set of panels takes the place of the previous ones, with a “Done” button that starts the play. Before you press it, set up the players.

For each player, a drop-down list chooses “Human” or “Computer”.

For a human player, we recommend typing the player’s name in the text box to the right.

For a computer player, that text box is replaced by another drop-down list, which sets the computer’s intelligence level, from “Excellent” to “Shocking”. You may vary it from game to game.

To change the options after all, press “End Game” to go back to them.</source>
        <translation>Depois de “Novo jogo”, novos painéis aparecem no lugar dos anteriores, com um botão “Pronto” que começa a partida. Antes de clicar nele, prepare os jogadores.

Para cada jogador, uma lista escolhe “Humano” ou “Máquina”.

Para um jogador humano, recomendamos digitar o nome dele na caixa à direita.

Para a máquina, essa caixa vira outra lista, que define o nível dela, de “Excelente” a “Péssimo”. Você pode mudar a cada jogo.

Se quiser mudar as opções, clique em “Encerrar” para voltar a elas.</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Aim of the Game</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Entering Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Pairon
A card game of pairs and memory for one to four players, by The Pairon developers.</source>
        <translation>Pairon
Um jogo de cartas de pares e memória para um a quatro jogadores, dos desenvolvedores do Pairon.</translation>
    </message>
    <message>
        <source>Pairon version %1</source>
        <translation>Pairon versão %1</translation>
    </message>
    <message>
        <source>Free software, released under the MIT License.</source>
        <translation>Software livre, publicado sob a licença MIT.</translation>
    </message>
    <message>
        <source>Made with C++ and Qt</source>
        <translation>Feito com C++ e Qt</translation>
    </message>
    <message>
        <source>About Pairon</source>
        <translation>Sobre o Pairon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Tópicos de ajuda</translation>
    </message>
    <message>
        <source>End Help</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The aim of the game is to match as many pairs of cards as you can, in as few turns as possible, and to finish with the highest score.

The cards lie face down in random places and are selected two at a time. When the two cards make a pair, they are removed from the board and the same player has another turn. When they don’t, they are turned face down again and the turn passes to the next player in sequence.

Pairon trains your recall and concentration: the players who remember where each card lay find the pairs sooner.

Up to four players can take part, and you can compete against the computer too.

With “Sound” ticked, a short sound marks each card, pair, miss and the end of the game.</source>
        <translation>O objetivo é achar o maior número possível de pares de cartas, no menor número de rodadas, e terminar com a maior pontuação.

As cartas ficam viradas para baixo, embaralhadas, e são escolhidas de duas em duas. Se formarem um par, saem da mesa e o mesmo jogador joga de novo. Se não, são viradas outra vez e a vez passa para o próximo jogador.

O Pairon treina a memória e a concentração: quem lembra onde estava cada carta acha os pares mais rápido.

Até quatro jogadores podem participar, e dá para jogar contra a máquina também.

Com “Som” marcado, um som curto marca cada carta, par, erro e o fim da partida.</translation>
    </message>
    <message>
        <source>After “Done”, the “Game Window” with all the cards comes back. “End Game” still takes you back to the options.

When it isn’t the computer’s turn, select cards by clicking on them, two at a time, or with the arrow keys and Space. During the computer’s turn, the computer selects its cards by itself: just wait and watch.

The “Commentary” and “Score Board” panels at the left show each player’s score, how many pairs remain and whose turn it is; F2 reads all of that out at any time, and a screen reader tells every card, pair and miss. The “Game Speed” slider sets how fast cards are turned over and how fast the computer selects.

Two cards that don’t match can be turned over early by clicking on a card again. When all the cards are taken, the outcome is shown; to start a new game, press “End Game” and then “New Game”.</source>
        <translation>Depois de “Pronto”, a “Mesa de jogo” volta com todas as cartas. “Encerrar” continua levando de volta às opções.

Quando não é a vez da máquina, clique em duas cartas, uma depois da outra, ou use as setas e a barra de espaço. Na vez da máquina, ela escolhe as cartas sozinha: é só esperar e olhar.

À esquerda, “Comentários” e “Placar” mostram os pontos de cada jogador, quantos pares faltam e de quem é a vez; F2 lê tudo isso em voz alta a qualquer momento, e um leitor de tela anuncia cada carta, cada par e cada erro. O controle “Ritmo” define a velocidade com que as cartas viram e com que a máquina escolhe.

Duas cartas que não formam par viram antes se você clicar de novo numa carta. Quando acabarem as cartas, aparece o resultado; para um novo jogo, clique em “Encerrar” e depois em “Novo jogo”.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selecionado</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pairon Game</source>
        <translation>Jogo Pairon</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogam</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Multiple Pairs</source>
        <translation>Pares repetidos</translation>
    </message>
    <message>
        <source>Highlight Selected</source>
        <translation>Marcar vistas</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Player to Select Cards</source>
        <translation>Vez de</translation>
    </message>
    <message>
        <source>Pairs Remaining</source>
        <translation>Pares restantes</translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Player Details</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bom</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Fraco</translation>
    </message>
    <message>
        <source>Shocking</source>
        <translation>Péssimo</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Mesa de jogo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Pairon: the picture file %1 could not be loaded.</source>
        <translation>Pairon: não foi possível carregar o arquivo de imagem %1.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Add pictures…</source>
        <translation>Adicionar imagens…</translation>
    </message>
    <message>
        <source>Remove deck…</source>
        <translation>Remover baralho…</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>It&apos;s a bloody
draw!</source>
        <translation>Deu
empate!</translation>
    </message>
    <message>
        <source>%1
Wins!</source>
        <translation>%1
venceu!</translation>
    </message>
    <message>
        <source>%1
Wins!

Bad luck!</source>
        <translation>%1
venceu!

Que azar!</translation>
    </message>
    <message numerus="yes">
        <source>Well Done
%1!

You found %2 
pairs in
%n turns</source>
        <translation>
            <numerusform>Muito bem,
%1!

Você achou
%2 pares em
%n rodada</numerusform>
            <numerusform>Muito bem,
%1!

Você achou
%2 pares em
%n rodadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>The computer plays first. F2 tells the score.</source>
        <translation>A máquina começa. F2 diz os pontos.</translation>
    </message>
    <message>
        <source>%1 plays first. F2 tells the score.</source>
        <translation>%1 começa. F2 diz os pontos.</translation>
    </message>
    <message>
        <source>Computer turns up %1: %2.</source>
        <translation>A máquina vira %1: %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2.</source>
        <translation>Um par para %1! Pontos: %2.</translation>
    </message>
    <message>
        <source>A pair for %1! Score: %2. Pairs left: %3.</source>
        <translation>Um par para %1! Pontos: %2. Pares restantes: %3.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Não é par.</translation>
    </message>
    <message>
        <source>No pair. The computer plays now.</source>
        <translation>Não é par. Agora a máquina joga.</translation>
    </message>
    <message>
        <source>No pair. Your turn, %1.</source>
        <translation>Não é par. Sua vez, %1.</translation>
    </message>
    <message>
        <source>The game is over. Choose the board, then press New Game.</source>
        <translation>O jogo acabou. Escolha a mesa e aperte Novo jogo.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1.</source>
        <translation>Pontos: %1.</translation>
    </message>
    <message>
        <source>No game is on. Choose the board, then press New Game.</source>
        <translation>Nenhum jogo em andamento. Escolha a mesa e aperte Novo jogo.</translation>
    </message>
    <message>
        <source>Enter the players, then press Done.</source>
        <translation>Escreva os jogadores e aperte Pronto.</translation>
    </message>
    <message>
        <source>%1 to play. Scores: %2. Pairs left: %3.</source>
        <translation>Vez de %1. Pontos: %2. Pares restantes: %3.</translation>
    </message>
    <message>
        <source>Please wait: the computer is playing.</source>
        <translation>Espere: a máquina está jogando.</translation>
    </message>
    <message>
        <source>Press again to turn up a card.</source>
        <translation>Aperte de novo para virar uma carta.</translation>
    </message>
    <message>
        <source>The cards are face down again. Press again to turn up a card.</source>
        <translation>As cartas estão viradas para baixo de novo. Aperte de novo para virar uma carta.</translation>
    </message>
    <message>
        <source>New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done.</source>
        <translation>Jogo novo, %1 por %2 cartas. O botão Novo jogo agora diz Encerrar. Escreva os jogadores e aperte Pronto.</translation>
    </message>
    <message>
        <source>Your turn, %1.</source>
        <translation>Sua vez, %1.</translation>
    </message>
</context>
</TS>
