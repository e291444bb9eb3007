<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: voleibol para dos jugadores en un solo teclado. Cada partido se graba en la carpeta replays, salvo que --record indique un archivo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Muestra la versión del juego y sale.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Escribe la traza del juego en FILE, en el formato de gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Graba el juego en FILE, un script que gloob-sim reproduce.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Muestra la grabación FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Crea un partido en línea y juega como jugador 1; el otro jugador se une a este equipo en el puerto UDP PORT (%1 si no se indica).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Se une al partido en línea creado en ADDRESS y juega como jugador 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Abre la sala en línea de ADDRESS (un dominio, localhost o una dirección IPv4) e inicia sesión con el nombre de la última vez.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Con --host: el puerto.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Prueba «gloob --help».</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host necesita un puerto de 1 a 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host y --join se excluyen.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join necesita un nombre de equipo o una dirección IPv4 y, si el puerto no es %1, «:» y el puerto.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby necesita un dominio, localhost o una dirección IPv4 y, si el puerto no es %1, «:» y el puerto.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>argumento inesperado «%1». Prueba «gloob --help».</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Haz clic en un control y pulsa su nueva tecla.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Cruceta o stick izquierdo a la izquierda</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Cruceta o stick izquierdo a la derecha</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Botón inferior (A, Cruz)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>pausa el juego</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>activa la pantalla completa</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Pulsa la nueva tecla para %1 (Esc mantiene la anterior).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>El primer mando juega como jugador 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; elige otra tecla para %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 ya juega como %2; elige otra tecla para %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Jugador %1 izquierda</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Jugador %1 derecha</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Jugador %1 salto</translation>
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
        <translation>Pantalla completa	F11</translation>
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
        <translation>Ordenador (fácil)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Ordenador (normal)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Ordenador (difícil)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Nuevo partido</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pausa	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Ver repetición…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Velocidad de repetición</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Detener repetición</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Teclas y opciones</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Seguir andando con la tecla pulsada</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Controles…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Ver repetición</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Grabaciones (*.replay *.script);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Juegas como jugador 1. Este equipo no está en ninguna red por la que el otro jugador pueda unirse.

Puerto UDP para jugar:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Juegas como jugador 1. El otro jugador se une a %1:

    %2

en este puerto UDP:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>la dirección de este equipo</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>una de las direcciones de este equipo</translation>
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
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl izquierdo</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Mayús izquierda</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Mayús derecha</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt izquierdo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Intro (teclado numérico)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl derecho</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>el primero juega como jugador 2, el segundo como jugador 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>el primero juega como jugador 1, el segundo como jugador 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Saca quien perdió el punto.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Los jugadores sacan por turnos.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>El jugador 1 saca siempre.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Jugador 1 (derecha)&lt;/th&gt;&lt;th&gt;Jugador 2 (izquierda)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Mandos: %2. La cruceta o el stick izquierdo mueven, el botón inferior salta.&lt;/p&gt;&lt;p&gt;P pausa un partido o una repetición.&lt;br&gt;F11 activa la pantalla completa; Esc sale de ella.&lt;br&gt;F10 o Alt muestra la barra de menús en pantalla completa.&lt;/p&gt;&lt;p&gt;Gana el partido quien llega a %3 puntos. %4&lt;/p&gt;&lt;p&gt;Opciones &amp;gt; Controles… cambia las teclas y Opciones &amp;gt; Número de pelotas la duración del partido.&lt;/p&gt;</translation>
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
        <translation>Se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Probando la red local…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Probando la dirección pública…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Probando el puerto redirigido del router…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>por la red local</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>directo</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>por puerto redirigido</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>la red local (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>la dirección pública (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>el puerto redirigido del router (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>nada: no se dio ninguna dirección</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Ningún camino a la máquina de %1 respondió en %2 s. Probado: %3.

Su router o el tuyo no deja entrar nada. El anfitrión puede redirigir un puerto UDP de su router a su máquina (o activar UPnP allí), o podéis encontraros en una sala que ofrezca un relé.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Probando el relé…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>por relé</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>el relé (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Crear partido en línea…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Crear partido en línea</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Unirse a partido en línea…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Salir del partido en línea</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>«%1» no es una dirección válida: un nombre de equipo o una dirección IPv4 y, si el puerto no es %2, «:» y el puerto.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>El partido en línea no puede empezar: %1.</translation>
    </message>
</context>
<context>
    <name>OnlinePlay</name>
    <message>
        <source>UDP port %1</source>
        <translation>puerto UDP %1</translation>
    </message>
    <message>
        <source>Hosting on %1: waiting for the other player...</source>
        <translation>Anfitrión en %1: esperando al otro jugador…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Uniéndose a %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>En línea: jugador %1, retardo de entrada %2 (%3 ms), previsión %4</translation>
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
        <translation>Tu propio programa</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Juega:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Orden:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 en %2, otra versión del juego</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 en %2, pelotas: %3</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Unirse a partido en línea</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Partidas en esta red:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Buscar de nuevo</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Juegas como jugador 2. &amp;Dirección del anfitrión (y :puerto si no es %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Buscando partidas en esta red…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>No se pueden buscar partidas aquí: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>No hay ninguna partida en esta red (en el puerto UDP %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 - charlando, sin partida</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 - otra versión del juego</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 - anfitrión, pelotas: %2</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 - jugando con %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 - esperando</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Sala en línea</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>tu nombre en la sala</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rvidor:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>vacío: sin cuenta</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Recordar la contraseña</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;uenta:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contra&amp;seña:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>Cr&amp;ear</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>&amp;Desafiar</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Pide a un jugador que espera que cree un partido para ti</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>Pre&amp;guntarme antes de que se una un jugador</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>C&amp;hat</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>di algo a la sala</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>En&amp;viar</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>elige un nombre sin caracteres de control para iniciar sesión</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>«%1» no es un servidor de sala: un dominio, localhost o una dirección IPv4 y, si el puerto no es %2, «:» y el puerto</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>has cerrado la sesión en la sala</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>el partido con %1 no pudo empezar</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>partido creado en el puerto UDP %1; se te preguntará por cada jugador que quiera unirse</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>partido creado en el puerto UDP %1; lo juega el primer jugador que se una</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>¿Un partido?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 te desafía a un partido: tú serías el anfitrión, con tu duración de partido. ¿Jugar?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 quiere unirse a tu partido. ¿Le dejas entrar?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>Dejar de &amp;crear</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Abandonar &amp;partido</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>No has iniciado sesión. Elige un nombre y un servidor de sala y pulsa Iniciar sesión.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>La sala de %1 ya no está; se volverá a iniciar sesión en %2 s. El partido en curso sigue.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>La sala de %1 no te ha dejado entrar. Cierra la sesión y vuelve a iniciarla con otra cuenta o contraseña.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Iniciando sesión en %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>anfitrión, esperando a que se una un jugador</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>jugando con %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>En la sala de %1 como %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> La conexión no está cifrada.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Sala en línea…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Retardo de entrada</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>1 latido (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>%1 latidos (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Un jugador de Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>la partida no puede empezar: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>el servidor STUN «%1» de la configuración no es DIRECCIÓN[:PUERTO]; no se pregunta a ninguno</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 alcanzado en %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Sin paso</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Siempre el jugador 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Quien perdió el punto</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>Por turnos</translation>
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
        <translation>, línea %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Esta grabación no se puede reproducir.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source> - Replay %1 / %2</source>
        <translation> - Repetición %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - En pausa</translation>
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
        <translation>¡Jugar!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Número de pelotas</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montaña</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Playa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>¡Intenta golpear la pelota para que tu rival no pueda devolverla! Cada vez que tu rival falle, ganarás un punto; el primero en llegar a 5 puntos gana. El jugador 1 controla su gloob con las flechas. El jugador 2 controla el suyo con W, A, S y D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Un juego de voleibol para dos jugadores en un solo teclado.</translation>
    </message>
</context>
</TS>
