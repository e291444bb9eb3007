<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: Volleyball für zwei Spieler an einer Tastatur. Jedes Spiel wird im Ordner replays aufgezeichnet, außer --record nennt eine Datei.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Die Version des Spiels zeigen und beenden.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Den Verlauf des Spiels in FILE schreiben, im Format von gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Das Spiel in FILE aufzeichnen, als Skript, das gloob-sim abspielt.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Die Aufzeichnung FILE ansehen.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Ein Online-Match eröffnen und Spieler 1 spielen; der andere Spieler tritt diesem Rechner an UDP-Port PORT bei (%1, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Dem Online-Match auf ADDRESS beitreten und Spieler 2 spielen.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Die Online-Lobby auf ADDRESS öffnen (eine Domain, localhost oder eine IPv4-Adresse) und mit dem zuletzt verwendeten Namen anmelden.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Mit --host: der Port.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Siehe „gloob --help“.</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host erwartet einen Port von 1 bis 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host und --join schließen einander aus.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join erwartet einen Rechnernamen oder eine IPv4-Adresse, dann „:“ und den Port, wenn er nicht %1 ist.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby erwartet eine Domain, localhost oder eine IPv4-Adresse, dann „:“ und den Port, wenn er nicht %1 ist.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>unerwartetes Argument „%1“. Siehe „gloob --help“.</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Klicke auf eine Steuerung und drücke dann ihre neue Taste.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Steuerkreuz oder linker Stick nach links</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Steuerkreuz oder linker Stick nach rechts</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Untere Taste (A, Kreuz)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>hält das Spiel an</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>schaltet das Vollbild um</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Drücke die neue Taste für %1 (Esc behält die alte).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>Das erste Gamepad spielt Spieler 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; wähle eine andere Taste für %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 spielt schon %2; wähle eine andere Taste für %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Spieler %1 links</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Spieler %1 rechts</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Spieler %1 springt</translation>
    </message>
</context>
<context>
    <name>CourtView</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full Screen	F11</source>
        <translation>Vollbild	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Computer (leicht)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Computer (normal)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Computer (schwer)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Neues Match</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pause	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Wiederholung ansehen …</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Tempo der Wiederholung</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Wiederholung beenden</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Tasten und Optionen</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Weiterlaufen bei gehaltener Taste</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Steuerung …</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Wiederholung ansehen</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Aufzeichnungen (*.replay *.script);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Du spielst Spieler 1. Dieser Rechner ist in keinem Netz, über das der andere Spieler beitreten könnte.

UDP-Port für das Spiel:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Du spielst Spieler 1. Der andere Spieler tritt bei über %1:

    %2

an diesem UDP-Port:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>die Adresse dieses Rechners</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>eine der Adressen dieses Rechners</translation>
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
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt links</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Eingabe (Ziffernblock)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil hoch</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil runter</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>das erste spielt Spieler 2, das zweite Spieler 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>das erste spielt Spieler 1, das zweite Spieler 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Wer den Punkt verloren hat, schlägt auf.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Die Spieler schlagen abwechselnd auf.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>Spieler 1 schlägt immer auf.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Spieler 1 (rechts)&lt;/th&gt;&lt;th&gt;Spieler 2 (links)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Gamepads: %2. Steuerkreuz oder linker Stick gehen, die untere Taste springt.&lt;/p&gt;&lt;p&gt;P hält ein Match oder eine Wiederholung an.&lt;br&gt;F11 schaltet das Vollbild um, Esc verlässt es.&lt;br&gt;F10 oder Alt zeigt im Vollbild die Menüleiste.&lt;/p&gt;&lt;p&gt;Ein Match gewinnt, wer %3 Punkte hat. %4&lt;/p&gt;&lt;p&gt;Optionen &amp;gt; Steuerung … ändert die Tasten, Optionen &amp;gt; Anzahl der Bälle die Länge des Matchs.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Versuche das lokale Netz …</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Versuche die öffentliche Adresse …</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Versuche den weitergeleiteten Port des Routers …</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>über das lokale Netz</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>über weitergeleiteten Port</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>das lokale Netz (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>die öffentliche Adresse (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>den weitergeleiteten Port des Routers (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>nichts: keine Adresse angegeben</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Kein Weg zum Rechner von %1 hat innerhalb von %2 s geantwortet. Versucht: %3.

Sein Router oder deiner lässt nichts herein. Wer das Match erstellt, kann an seinem Router einen UDP-Port an seinen Rechner weiterleiten (oder dort UPnP einschalten), oder ihr trefft euch in einer Lobby mit Relay.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Versuche das Relais …</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>über Relais</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>das Relais (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Online-Match eröffnen …</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Online-Match eröffnen</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Online-Match beitreten …</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Online-Match verlassen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>„%1“ ist keine Adresse zum Beitreten: ein Rechnername oder eine IPv4-Adresse, dann „:“ und der Port, wenn er nicht %2 ist.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>Das Online-Match kann nicht beginnen: %1.</translation>
    </message>
</context>
<context>
    <name>OnlinePlay</name>
    <message>
        <source>UDP port %1</source>
        <translation>UDP-Port %1</translation>
    </message>
    <message>
        <source>Hosting on %1: waiting for the other player...</source>
        <translation>Gastgeber auf %1: warte auf den anderen Spieler …</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Trete %1 bei …</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>Online: Spieler %1, Eingabeverzögerung %2 (%3 ms), Vorhersage %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Programm …</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Dein eigenes Programm</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Spielt:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 auf %2, andere Version des Spiels</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 auf %2, %3 Bälle</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Online-Match beitreten</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Spiele in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Erneut suchen</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Du spielst Spieler 2. &amp;Adresse des Gastgebers (und :Port, falls nicht %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Suche Spiele in diesem Netzwerk …</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Hier kann nicht nach Spielen gesucht werden: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>In diesem Netzwerk wird kein Spiel angeboten (auf UDP-Port %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 – chattet, kein Spiel</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 – andere Version des Spiels</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 – Gastgeber, %2 Bälle</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 – spielt mit %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 – wartet</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Online-Lobby</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>dein Name in der Lobby</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>leer: ohne Konto anmelden</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Eröffnen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>&amp;Herausfordern</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Einen wartenden Spieler bitten, ein Match für dich zu eröffnen</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>&amp;Fragen, bevor ein Spieler beitritt</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>schreib etwas in den Raum</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>Sen&amp;den</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>wähle zum Anmelden einen Namen ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>„%1“ ist kein Lobby-Server: eine Domain, localhost oder eine IPv4-Adresse, dazu „:“ und ein Port, falls nicht %2</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>von der Lobby abgemeldet</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>das Match mit %1 konnte nicht beginnen</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>Match auf UDP-Port %1 eröffnet; du wirst bei jedem Spieler gefragt, der beitreten will</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>Match auf UDP-Port %1 eröffnet; der erste Spieler, der beitritt, spielt es</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Ein Match?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 fordert dich zu einem Match heraus: Du wärst Gastgeber, mit deiner Matchlänge. Spielen?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 möchte deinem Match beitreten. Reinlassen?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>A&amp;bmelden</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>&amp;Eröffnen beenden</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Match &amp;verlassen</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Nicht angemeldet. Wähle einen Namen und einen Lobby-Server, dann Anmelden.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>Die Lobby auf %1 ist weg; neue Anmeldung in %2 s. Ein laufendes Match geht weiter.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>Die Lobby auf %1 hat dich nicht hereingelassen. Melde dich ab und mit einem anderen Konto oder Passwort wieder an.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Anmeldung bei %1 …</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>Gastgeber, auf einen Mitspieler wartend</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>im Match mit %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartend</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>In der Lobby auf %1 als %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> Die Verbindung ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Online-Lobby …</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Eingabeverzögerung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>1 Takt (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>%1 Takte (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Ein Gloob-Spieler</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>das Match kann nicht beginnen: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>der STUN-Server „%1“ in den Einstellungen ist keine ADRESSE[:PORT]; es wird keiner gefragt</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 erreicht unter %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Kein Durchkommen</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Immer Spieler 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Wer den Punkt verloren hat</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>Abwechselnd</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Aufschlag</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Diese Aufzeichnung lässt sich nicht abspielen.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source> - Replay %1 / %2</source>
        <translation> – Wiederholung %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> – Pause</translation>
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
        <translation>Spielen!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Anzahl der Bälle</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Berge</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Strand</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Versuche, den Ball so zu schlagen, dass dein Gegner ihn nicht zurückspielen kann! Jedes Mal, wenn dein Gegner ihn verfehlt, bekommst du einen Punkt; wer zuerst 5 Punkte hat, gewinnt. Spieler 1 steuert seinen Gloob mit den Pfeiltasten. Spieler 2 steuert seinen mit W, A, S und D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Ein Volleyballspiel für zwei Spieler an einer Tastatur.</translation>
    </message>
</context>
</TS>
