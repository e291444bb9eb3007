<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: siatkówka dla dwóch graczy przy jednej klawiaturze. Każda gra jest nagrywana w folderze replays, chyba że --record wskazuje plik.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokazuje tę pomoc i kończy.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Pokazuje wersję gry i kończy.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Zapisuje przebieg gry do FILE, w formacie gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Nagrywa grę do FILE, skryptu, który odtwarza gloob-sim.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Odtwarza nagranie FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Tworzy mecz online i gra jako gracz 1; drugi gracz dołącza do tego komputera na porcie UDP PORT (domyślnie %1).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Dołącza do meczu online na ADDRESS i gra jako gracz 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Otwiera lobby online na ADDRESS (domena, localhost lub adres IPv4) i loguje pod nazwą z ostatniego razu.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Z --host: port.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Zobacz „gloob --help”.</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host wymaga portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host i --join wykluczają się.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join wymaga nazwy komputera lub adresu IPv4, a potem „:” i portu, jeśli nie jest to %1.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby wymaga domeny, localhost lub adresu IPv4, a potem „:” i portu, jeśli nie jest to %1.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>nieoczekiwany argument „%1”. Zobacz „gloob --help”.</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Kliknij sterowanie, a potem naciśnij jego nowy klawisz.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Krzyżak lub lewa gałka w lewo</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Krzyżak lub lewa gałka w prawo</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Dolny przycisk (A, Krzyżyk)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>wstrzymuje grę</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>przełącza pełny ekran</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Naciśnij nowy klawisz dla: %1 (Esc zostawia stary).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Czynność</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>Pierwszy pad gra jako gracz 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; wybierz inny klawisz dla: %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 gra już jako %2; wybierz inny klawisz dla: %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Gracz %1 w lewo</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Gracz %1 w prawo</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Gracz %1 skok</translation>
    </message>
</context>
<context>
    <name>CourtView</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUZA</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full Screen	F11</source>
        <translation>Pełny ekran	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Komputer (łatwy)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Komputer (normalny)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Komputer (trudny)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Nowy mecz</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pauza	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Obejrzyj powtórkę…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Tempo powtórki</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Zatrzymaj powtórkę</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Klawisze i opcje</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Przytrzymany klawisz – dalszy ruch</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Sterowanie…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Obejrzyj powtórkę</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Nagrania (*.replay *.script);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Grasz jako gracz 1. Ten komputer nie jest w żadnej sieci, przez którą drugi gracz mógłby dołączyć.

Port UDP do gry:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Grasz jako gracz 1. Drugi gracz dołącza do %1:

    %2

na tym porcie UDP:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>adresu tego komputera</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>jednego z adresów tego komputera</translation>
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
        <translation>Lewy Ctrl</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Lewy Shift</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Prawy Shift</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Lewy Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Enter (klaw. num.)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Prawy Ctrl</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Prawy Alt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Strzałka w górę</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Strzałka w lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Strzałka w prawo</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Strzałka w dół</translation>
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
        <translation>Klawisz %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Skok</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>pierwszy gra jako gracz 2, drugi jako gracz 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>pierwszy gra jako gracz 1, drugi jako gracz 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Zagrywa ten, kto stracił punkt.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Gracze zagrywają na zmianę.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>Gracz 1 zawsze zagrywa.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Gracz 1 (prawy)&lt;/th&gt;&lt;th&gt;Gracz 2 (lewy)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Pady: %2. Krzyżak lub lewa gałka to ruch, dolny przycisk to skok.&lt;/p&gt;&lt;p&gt;P wstrzymuje mecz lub powtórkę.&lt;br&gt;F11 przełącza pełny ekran, Esc go zamyka.&lt;br&gt;F10 lub Alt pokazuje pasek menu na pełnym ekranie.&lt;/p&gt;&lt;p&gt;Mecz wygrywa ten, kto zdobędzie %3 pkt. %4&lt;/p&gt;&lt;p&gt;Opcje &amp;gt; Sterowanie… zmienia klawisze, a Opcje &amp;gt; Liczba piłek długość meczu.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Zadziała po ponownym uruchomieniu.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Próbuję sieci lokalnej…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Próbuję adresu publicznego…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Próbuję przekierowanego portu routera…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>przez sieć lokalną</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>bezpośrednio</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>przez przekierowany port</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>sieć lokalna (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>adres publiczny (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>przekierowany port routera (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>nic: nie podano adresu</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Żadna droga do komputera gracza %1 nie odpowiedziała w ciągu %2 s. Próbowano: %3.

Jego router albo twój niczego nie wpuszcza. Gospodarz może przekierować port UDP na swoim routerze do swojego komputera (albo włączyć tam UPnP) lub możecie spotkać się w lobby, które oferuje przekaźnik.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Próbuję przekaźnika…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>przez przekaźnik</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>przekaźnik (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Utwórz mecz online…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Utwórz mecz online</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Dołącz do meczu online…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Opuść mecz online</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>„%1” to nie adres do dołączenia: nazwa komputera lub adres IPv4, a potem „:” i port, jeśli nie jest to %2.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>Mecz online nie może się zacząć: %1.</translation>
    </message>
</context>
<context>
    <name>OnlinePlay</name>
    <message>
        <source>UDP port %1</source>
        <translation>port UDP %1</translation>
    </message>
    <message>
        <source>Hosting on %1: waiting for the other player...</source>
        <translation>Gospodarz na %1: czekam na drugiego gracza…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Dołączanie do %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>Online: gracz %1, opóźnienie wejścia %2 (%3 ms), przewidywanie %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Program…</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Twój własny program</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Gra:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Polecenie:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 na %2, inna wersja gry</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 na %2, piłki: %3</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Dołącz do meczu online</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Gry w tej sieci:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Szukaj ponownie</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Grasz jako gracz 2. &amp;Adres gospodarza (i :port, jeśli nie jest to %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Szukanie gier w tej sieci…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Nie można tu szukać gier: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>W tej sieci nikt nie gości gry (na porcie UDP %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 – czatuje, bez gry</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 – inna wersja gry</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 – gospodarz, piłki: %2</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 – gra z: %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 – czeka</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Lobby online</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>twoja nazwa w lobby</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Zaloguj</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rwer:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>puste: logowanie bez konta</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Zapamiętaj hasło</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Gracze</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Utwórz</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>&amp;Wyzwij</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Poproś czekającego gracza, żeby utworzył dla ciebie mecz</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>&amp;Pytaj mnie, zanim gracz dołączy</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Czat</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>napisz coś do pokoju</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>wybierz nazwę bez znaków sterujących, żeby się zalogować</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>„%1” to nie serwer lobby: domena, localhost lub adres IPv4, a potem „:” i port, jeśli nie jest to %2</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>wylogowano z lobby</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>mecz z: %1 nie mógł się zacząć</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>mecz utworzony na porcie UDP %1; zapytamy cię o każdego gracza, który chce dołączyć</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>mecz utworzony na porcie UDP %1; gra w nim pierwszy gracz, który dołączy</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Mecz?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 wyzywa cię na mecz: ty byłbyś gospodarzem, z twoją długością meczu. Grasz?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 chce dołączyć do twojego meczu. Wpuścić?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>Wy&amp;loguj</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>&amp;Zakończ tworzenie</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Opuść mecz</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Nie zalogowano. Wybierz nazwę i serwer lobby, a potem Zaloguj.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>Lobby na %1 zniknęło; ponowne logowanie za %2 s. Trwający mecz toczy się dalej.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>Lobby na %1 cię nie wpuściło. Wyloguj się i zaloguj na inne konto lub innym hasłem.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Logowanie do %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>gospodarz, czeka, aż ktoś dołączy</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>gra z: %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>czeka</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>W lobby na %1 jako %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> Połączenie nie jest szyfrowane.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Lobby online…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Opóźnienie wejścia</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczne</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>Takty: 1 (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>Takty: %1 (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Gracz Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>mecz nie może się zacząć: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>serwer STUN „%1” w ustawieniach nie jest w postaci ADRES[:PORT]; nie pyta się żadnego</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 osiągnięty pod %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Brak przejścia</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Zawsze gracz 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Ten, kto stracił punkt</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>Na zmianę</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Zagrywka</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, wiersz %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Tego nagrania nie da się odtworzyć.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source> - Replay %1 / %2</source>
        <translation> – Powtórka %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> – Pauza</translation>
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
        <translation>Graj!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Liczba piłek</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Góry</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plaża</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Spróbuj odbić piłkę tak, żeby przeciwnik nie mógł jej oddać! Za każdym razem, gdy przeciwnik jej nie odbije, dostajesz punkt; wygrywa ten, kto pierwszy zdobędzie 5 punktów. Gracz 1 steruje swoim gloobem strzałkami. Gracz 2 steruje swoim za pomocą W, A, S i D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Gra w siatkówkę dla dwóch graczy przy jednej klawiaturze.</translation>
    </message>
</context>
</TS>
