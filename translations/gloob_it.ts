<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: pallavolo per due giocatori su una sola tastiera. Ogni partita viene registrata nella cartella replays, a meno che --record non indichi un file.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Mostra la versione del gioco ed esce.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Scrive la traccia del gioco in FILE, nel formato di gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Registra il gioco in FILE, uno script che gloob-sim riproduce.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Guarda la registrazione FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Ospita una partita online e gioca come giocatore 1; l&apos;altro giocatore si unisce a questo computer sulla porta UDP PORT (%1 se non indicata).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Si unisce alla partita online ospitata su ADDRESS e gioca come giocatore 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Apre la lobby online su ADDRESS (un dominio, localhost o un indirizzo IPv4) e accede con il nome usato l&apos;ultima volta.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Con --host: la porta.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Prova «gloob --help».</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host vuole una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host e --join si escludono a vicenda.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join vuole un nome di computer o un indirizzo IPv4, poi «:» e la porta se non è %1.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby vuole un dominio, localhost o un indirizzo IPv4, poi «:» e la porta se non è %1.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>argomento inatteso «%1». Prova «gloob --help».</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Fai clic su un comando, poi premi il suo nuovo tasto.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Croce direzionale o levetta sinistra a sinistra</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Croce direzionale o levetta sinistra a destra</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Pulsante in basso (A, Croce)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>mette in pausa il gioco</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>attiva o disattiva lo schermo intero</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Premi il nuovo tasto per %1 (Esc tiene quello vecchio).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>Il primo controller gioca come giocatore 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; scegli un altro tasto per %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 gioca già %2; scegli un altro tasto per %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Giocatore %1 sinistra</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Giocatore %1 destra</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Giocatore %1 salto</translation>
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
        <translation>Schermo intero	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Computer (facile)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Computer (normale)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Computer (difficile)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pausa	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Guarda replay…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Velocità del replay</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Ferma replay</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Tasti e opzioni</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Continua a camminare col tasto premuto</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Comandi…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Guarda replay</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Registrazioni (*.replay *.script);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Giochi come giocatore 1. Questo computer non è in nessuna rete da cui l&apos;altro giocatore possa unirsi.

Porta UDP per giocare:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Giochi come giocatore 1. L&apos;altro giocatore si unisce a %1:

    %2

su questa porta UDP:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>l&apos;indirizzo di questo computer</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>uno degli indirizzi di questo computer</translation>
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
        <translation>Invio</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl sinistro</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Maiusc sinistro</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maiusc destro</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt sinistro</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Invio (tastierino)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl destro</translation>
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
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>il primo gioca come giocatore 2, il secondo come giocatore 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>il primo gioca come giocatore 1, il secondo come giocatore 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Batte chi ha perso il punto.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>I giocatori battono a turno.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>Il giocatore 1 batte sempre.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Giocatore 1 (destra)&lt;/th&gt;&lt;th&gt;Giocatore 2 (sinistra)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Controller: %2. La croce direzionale o la levetta sinistra fanno camminare, il pulsante in basso fa saltare.&lt;/p&gt;&lt;p&gt;P mette in pausa una partita o un replay.&lt;br&gt;F11 attiva lo schermo intero; Esc lo chiude.&lt;br&gt;F10 o Alt mostra la barra dei menu a schermo intero.&lt;/p&gt;&lt;p&gt;Vince la partita chi arriva a %3 punti. %4&lt;/p&gt;&lt;p&gt;Opzioni &amp;gt; Comandi… cambia i tasti e Opzioni &amp;gt; Numero di palle la durata della partita.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Vale dal prossimo avvio.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Lingua del sistema</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Provo la rete locale…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Provo l’indirizzo pubblico…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Provo la porta inoltrata dal router…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>tramite rete locale</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>diretto</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>tramite porta inoltrata</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>la rete locale (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>l’indirizzo pubblico (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>la porta inoltrata dal router (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>niente: nessun indirizzo dato</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Nessuna via verso la macchina di %1 ha risposto entro %2 s. Provato: %3.

Il suo router o il tuo non lascia entrare nulla. Chi ospita la partita può inoltrare una porta UDP dal suo router alla sua macchina (o attivarvi UPnP), oppure potete incontrarvi in una lobby che offre un relay.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Provo il relay…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>tramite relay</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>il relay (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Ospita partita online…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Ospita partita online</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Unisciti a partita online…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Lascia partita online</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>«%1» non è un indirizzo valido: un nome di computer o un indirizzo IPv4, poi «:» e la porta se non è %2.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>La partita online non può iniziare: %1.</translation>
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
        <translation>Partita ospitata su %1: in attesa dell&apos;altro giocatore…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Connessione a %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>Online: giocatore %1, ritardo di input %2 (%3 ms), previsione %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Programma…</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Il tuo programma</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Gioca:</translation>
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
        <translation>%1 su %2, un&apos;altra versione del gioco</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 su %2, palle: %3</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Unisciti a partita online</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Partite in questa rete:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Cerca di nuovo</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Giochi come giocatore 2. &amp;Indirizzo di chi ospita (e :porta se non è %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Ricerca di partite in questa rete…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Impossibile cercare partite qui: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>Nessuna partita ospitata in questa rete (sulla porta UDP %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 - in chat, nessuna partita</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 - un&apos;altra versione del gioco</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 - ospita, palle: %2</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 - gioca con %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 - in attesa</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Lobby online</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>il tuo nome nella lobby</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Accedi</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>vuoto: accedi senza account</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Ricorda la password</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>Acco&amp;unt:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Giocatori</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Ospita</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unisciti</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>S&amp;fida</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Chiedi a un giocatore in attesa di ospitare una partita per te</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>&amp;Chiedimi prima che un giocatore si unisca</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>C&amp;hat</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>scrivi qualcosa alla stanza</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Invia</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>scegli un nome senza caratteri di controllo per accedere</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>«%1» non è un server della lobby: un dominio, localhost o un indirizzo IPv4, poi «:» e una porta se non è %2</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>disconnesso dalla lobby</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>la partita con %1 non è potuta iniziare</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>partita ospitata sulla porta UDP %1; ti verrà chiesto di ogni giocatore che vuole unirsi</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>partita ospitata sulla porta UDP %1; la gioca il primo giocatore che si unisce</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Una partita?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 ti sfida a una partita: la ospiteresti tu, con la tua durata della partita. Giocare?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 chiede di unirsi alla tua partita. Farlo entrare?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>Smetti di &amp;ospitare</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Lascia partita</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Accesso non effettuato. Scegli un nome e un server della lobby, poi Accedi.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>La lobby su %1 non risponde più; nuovo accesso tra %2 s. La partita in corso continua.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>La lobby su %1 non ti ha fatto entrare. Disconnettiti, poi accedi con un altro account o un&apos;altra password.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Accesso a %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>ospita, in attesa che un giocatore si unisca</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>gioca con %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>Nella lobby su %1 come %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> La connessione non è cifrata.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Lobby online…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Ritardo di input</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>1 battito (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>%1 battiti (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Un giocatore di Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>la partita non può iniziare: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>il server STUN «%1» nelle impostazioni non è INDIRIZZO[:PORTA]; non se ne interroga nessuno</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 raggiunto a %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Nessun passaggio</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Sempre il giocatore 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Chi ha perso il punto</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>A turno</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Battuta</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, riga %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Questa registrazione non si può riprodurre.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
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
        <translation> - In pausa</translation>
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
        <translation>Gioca!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Numero di palle</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montagna</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Spiaggia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Cerca di colpire la palla in modo che l&apos;avversario non riesca a rimandarla! Ogni volta che l&apos;avversario la manca, guadagni un punto; vince chi arriva per primo a 5 punti. Il giocatore 1 controlla il suo gloob con le frecce. Il giocatore 2 controlla il suo con W, A, S e D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Un gioco di pallavolo per due giocatori su una sola tastiera.</translation>
    </message>
</context>
</TS>
