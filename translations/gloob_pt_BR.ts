<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: vôlei para dois jogadores em um só teclado. Toda partida é gravada na pasta replays, a não ser que --record indique um arquivo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Mostra a versão do jogo e sai.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Grava o rastro do jogo em FILE, no formato do gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Grava o jogo em FILE, um script que o gloob-sim reproduz.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Assiste à gravação FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Cria uma partida on-line e joga como jogador 1; o outro jogador entra neste computador pela porta UDP PORT (%1 se não for informada).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Entra na partida on-line criada em ADDRESS e joga como jogador 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Abre o lobby on-line em ADDRESS (um domínio, localhost ou endereço IPv4) e conecta com o nome usado da última vez.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Com --host: a porta.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Tente “gloob --help”.</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host espera uma porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host e --join não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join espera um nome de computador ou endereço IPv4 e, se a porta não for %1, “:” e a porta.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby espera um domínio, localhost ou endereço IPv4 e, se a porta não for %1, “:” e a porta.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>argumento inesperado “%1”. Tente “gloob --help”.</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Clique em um controle e depois aperte a nova tecla dele.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Direcional ou analógico esquerdo para a esquerda</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Direcional ou analógico esquerdo para a direita</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Botão de baixo (A, X)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>pausa o jogo</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>alterna a tela cheia</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Aperte a nova tecla para %1 (Esc mantém a antiga).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>O primeiro controle joga como jogador 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; escolha outra tecla para %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 já joga como %2; escolha outra tecla para %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Jogador %1 esquerda</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Jogador %1 direita</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Jogador %1 pulo</translation>
    </message>
</context>
<context>
    <name>CourtView</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full Screen	F11</source>
        <translation>Tela cheia	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Computador (fácil)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Computador (normal)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Computador (difícil)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pausar	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Assistir replay…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Velocidade do replay</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Parar replay</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Teclas e opções</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Continuar andando com a tecla apertada</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Controles…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Assistir replay</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Gravações (*.replay *.script);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Você joga como jogador 1. Este computador não está em nenhuma rede pela qual o outro jogador possa entrar.

Porta UDP para jogar:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Você joga como jogador 1. O outro jogador entra em %1:

    %2

nesta porta UDP:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>o endereço deste computador</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>um dos endereços deste computador</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl esquerdo</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Shift esquerdo</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Shift direito</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt esquerdo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Enter (teclado numérico)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl direito</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Seta para cima</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>o primeiro joga como jogador 2, o segundo como jogador 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>o primeiro joga como jogador 1, o segundo como jogador 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Saca quem perdeu o ponto.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Os jogadores sacam alternadamente.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>O jogador 1 saca sempre.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Jogador 1 (direita)&lt;/th&gt;&lt;th&gt;Jogador 2 (esquerda)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Controles: %2. O direcional ou o analógico esquerdo anda, o botão de baixo pula.&lt;/p&gt;&lt;p&gt;P pausa uma partida ou um replay.&lt;br&gt;F11 alterna a tela cheia; Esc sai dela.&lt;br&gt;F10 ou Alt mostra a barra de menus na tela cheia.&lt;/p&gt;&lt;p&gt;Vence a partida quem fizer %3 pontos. %4&lt;/p&gt;&lt;p&gt;Opções &amp;gt; Controles… muda as teclas e Opções &amp;gt; Número de bolas a duração da partida.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Vale a partir da próxima vez que o jogo abrir.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Tentando a rede local…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Tentando o endereço público…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Tentando a porta redirecionada do roteador…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>pela rede local</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>direto</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>pela porta redirecionada</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>a rede local (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>o endereço público (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>a porta redirecionada do roteador (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>nada: nenhum endereço foi dado</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Nenhum caminho até a máquina de %1 respondeu em %2 s. Tentado: %3.

O roteador dele ou o seu não deixa nada entrar. O anfitrião pode redirecionar uma porta UDP do roteador dele para a máquina dele (ou ligar o UPnP lá), ou vocês podem se encontrar em um lobby que ofereça um relay.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Tentando o relay…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>pelo relay</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>o relay (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Criar partida on-line…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Criar partida on-line</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Entrar em partida on-line…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Sair da partida on-line</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>“%1” não é um endereço para entrar: um nome de computador ou endereço IPv4 e, se a porta não for %2, “:” e a porta.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>A partida on-line não pode começar: %1.</translation>
    </message>
</context>
<context>
    <name>OnlinePlay</name>
    <message>
        <source>UDP port %1</source>
        <translation>porta UDP %1</translation>
    </message>
    <message>
        <source>Hosting on %1: waiting for the other player...</source>
        <translation>Anfitrião em %1: esperando o outro jogador…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Entrando em %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>On-line: jogador %1, atraso de entrada %2 (%3 ms), previsão %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Programa…</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Seu próprio programa</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Joga:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Comando:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 em %2, outra versão do jogo</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 em %2, bolas: %3</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Entrar em partida on-line</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Partidas nesta rede:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>Procurar &amp;de novo</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Você joga como jogador 2. &amp;Endereço do anfitrião (e :porta se não for %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Procurando partidas nesta rede…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Não é possível procurar partidas aqui: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>Nenhuma partida nesta rede (na porta UDP %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 - conversando, sem partida</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 - outra versão do jogo</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 - anfitrião, bolas: %2</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 - jogando com %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 - esperando</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Lobby on-line</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>seu nome no lobby</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rvidor:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>vazio: conectar sem conta</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Lembrar a senha</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;onta:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>Cri&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>&amp;Desafiar</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Pedir a um jogador que está esperando que crie uma partida para você</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>Perg&amp;untar antes de um jogador entrar</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>C&amp;hat</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>diga algo para a sala</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>En&amp;viar</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>escolha um nome sem caracteres de controle para conectar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>“%1” não é um servidor de lobby: um domínio, localhost ou endereço IPv4 e, se a porta não for %2, “:” e a porta</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>desconectado do lobby</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>a partida com %1 não pôde começar</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>partida criada na porta UDP %1; você será consultado sobre cada jogador que quiser entrar</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>partida criada na porta UDP %1; o primeiro jogador que entrar joga</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Uma partida?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 desafia você para uma partida: você seria o anfitrião, com a sua duração de partida. Jogar?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 quer entrar na sua partida. Deixar entrar?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>Desc&amp;onectar</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>Parar de cri&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Sair da &amp;partida</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Não conectado. Escolha um nome e um servidor de lobby e clique em Conectar.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>O lobby em %1 caiu; conectando de novo em %2 s. A partida em andamento continua.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>O lobby em %1 não deixou você entrar. Desconecte e conecte de novo com outra conta ou senha.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Conectando a %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>anfitrião, esperando um jogador entrar</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>jogando com %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>No lobby em %1 como %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> A conexão não é criptografada.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Lobby on-line…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Atraso de entrada</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>1 batida (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>%1 batidas (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Um jogador de Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>a partida não pode começar: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>o servidor STUN “%1” nas configurações não é ENDEREÇO[:PORTA]; nenhum é consultado</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 alcançado em %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Sem passagem</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Sempre o jogador 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Quem perdeu o ponto</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>Alternado</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Saque</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, linha %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Esta gravação não pode ser reproduzida.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source> - Replay %1 / %2</source>
        <translation> - Replay %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Pausado</translation>
    </message>
</context>
<context>
    <name>WrittenGame</name>
    <message>
        <source>Gloob Volleyballl</source>
        <translation>Gloob Volleyball</translation>
    </message>
    <message>
        <source>Gloob Volleyball</source>
        <translation>Gloob Volleyball</translation>
    </message>
    <message>
        <source>Play!</source>
        <translation>Jogar!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Número de bolas</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Cenário</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montanha</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Praia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Tente acertar a bola de um jeito que o adversário não consiga devolver! Cada vez que o adversário errar, você ganha um ponto; quem fizer 5 pontos primeiro vence. O jogador 1 controla o seu gloob com as setas. O jogador 2 controla o dele com W, A, S e D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Um jogo de vôlei para dois jogadores em um só teclado.</translation>
    </message>
</context>
</TS>
