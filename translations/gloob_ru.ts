<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball: волейбол для двух игроков за одной клавиатурой. Каждая игра записывается в папку replays, если --record не указывает файл.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Показать версию игры и выйти.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Записать трассу игры в FILE в формате gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Записать игру в FILE — сценарий, который воспроизводит gloob-sim.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Смотреть запись FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Создать сетевой матч и играть за игрока 1; другой игрок подключается к этому компьютеру через UDP-порт PORT (по умолчанию %1).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Подключиться к сетевому матчу на ADDRESS и играть за игрока 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Открыть сетевое лобби на ADDRESS (домен, localhost или IPv4-адрес) и войти под именем, сохранённым с прошлого раза.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>С --host: порт.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Смотрите «gloob --help».</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host принимает порт от 1 до 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host и --join исключают друг друга.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join принимает имя компьютера или IPv4-адрес, затем «:» и порт, если он не %1.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby принимает домен, localhost или IPv4-адрес, затем «:» и порт, если он не %1.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>неожиданный аргумент «%1». Смотрите «gloob --help».</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Щёлкните действие, затем нажмите его новую клавишу.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Крестовина или левый стик влево</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Крестовина или левый стик вправо</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Нижняя кнопка (A, Крест)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>ставит игру на паузу</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>переключает полноэкранный режим</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Нажмите новую клавишу для «%1» (Esc оставляет прежнюю).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>Первый геймпад играет за игрока 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2; выберите другую клавишу для «%3».</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 уже занята: %2; выберите другую клавишу для «%3».</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Игрок %1 влево</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Игрок %1 вправо</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Игрок %1 прыжок</translation>
    </message>
</context>
<context>
    <name>CourtView</name>
    <message>
        <source>PAUSED</source>
        <translation>ПАУЗА</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full Screen	F11</source>
        <translation>Полный экран	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Компьютер (легко)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Компьютер (средне)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Компьютер (сложно)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Новый матч</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Пауза	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Смотреть повтор…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Скорость повтора</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Остановить повтор</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Клавиши и настройки</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Идти, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Управление…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Смотреть повтор</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Записи (*.replay *.script);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Вы играете за игрока 1. Этот компьютер не подключён ни к одной сети, через которую мог бы подключиться другой игрок.

UDP-порт для игры:</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Вы играете за игрока 1. Другой игрок подключается к %1:

    %2

через этот UDP-порт:</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>адресу этого компьютера</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>одному из адресов этого компьютера</translation>
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
        <translation>Левый Ctrl</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Левый Shift</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Правый Shift</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Левый Alt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Enter (цифровой блок)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Правый Ctrl</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Правый Alt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Стрелка вверх</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Стрелка влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Стрелка вправо</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Стрелка вниз</translation>
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
        <translation>Клавиша %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Прыжок</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>первый играет за игрока 2, второй — за игрока 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>первый играет за игрока 1, второй — за игрока 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Подаёт тот, кто проиграл очко.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Игроки подают по очереди.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>Игрок 1 подаёт всегда.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Игрок 1 (справа)&lt;/th&gt;&lt;th&gt;Игрок 2 (слева)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Геймпады: %2. Крестовина или левый стик — ходьба, нижняя кнопка — прыжок.&lt;/p&gt;&lt;p&gt;P ставит на паузу матч или повтор.&lt;br&gt;F11 переключает полноэкранный режим, Esc выходит из него.&lt;br&gt;F10 или Alt показывает меню в полноэкранном режиме.&lt;/p&gt;&lt;p&gt;Матч длится до %3 очков. %4&lt;/p&gt;&lt;p&gt;Настройки &amp;gt; Управление… меняет клавиши, а Настройки &amp;gt; Число мячей — длину матча.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Действует после перезапуска.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Как в системе</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Пробуем локальную сеть…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Пробуем публичный адрес…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Пробуем проброшенный порт роутера…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>через локальную сеть</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>напрямую</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>через проброшенный порт</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>локальная сеть (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>публичный адрес (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>проброшенный порт роутера (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>ничего: адрес не указан</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Ни один путь к машине игрока %1 не ответил за %2 с. Испробовано: %3.

Его роутер или ваш ничего не пропускает. Создатель матча может пробросить UDP-порт на своём роутере к своей машине (или включить там UPnP), либо вы оба можете встретиться в лобби с ретранслятором.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Пробуем ретранслятор…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>через ретранслятор</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>ретранслятор (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Создать сетевой матч…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Создать сетевой матч</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Подключиться к сетевому матчу…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Покинуть сетевой матч</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>«%1» — не адрес для подключения: нужно имя компьютера или IPv4-адрес, затем «:» и порт, если он не %2.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>Сетевой матч не может начаться: %1.</translation>
    </message>
</context>
<context>
    <name>OnlinePlay</name>
    <message>
        <source>UDP port %1</source>
        <translation>UDP-порт %1</translation>
    </message>
    <message>
        <source>Hosting on %1: waiting for the other player...</source>
        <translation>Матч создан на %1: ждём другого игрока…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>По сети: игрок %1, задержка ввода %2 (%3 мс), предсказание %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Программа…</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Своя программа</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Играет:</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Команда:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 на %2, другая версия игры</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 на %2, мячей: %3</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Подключиться к сетевому матчу</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Игры в этой сети:</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Искать снова</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Вы играете за игрока 2. &amp;Адрес создателя матча (и :порт, если он не %1):</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Поиск игр в этой сети…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Здесь нельзя искать игры: %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>В этой сети нет созданных игр (на UDP-порту %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 — в чате, без игры</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 — другая версия игры</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 — создал матч, мячей: %2</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 — играет с %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 — ждёт</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Сетевое лобби</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>ваше имя в лобби</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Войти</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Се&amp;рвер:</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>пусто: без учётной записи</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Учётная запись:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Па&amp;роль:</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>И&amp;гроки</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Подключиться</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>&amp;Вызвать</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Попросить ждущего игрока создать для вас матч</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>Сп&amp;рашивать, прежде чем игрок подключится</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Чат</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>напишите что-нибудь в комнату</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Отправить</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>выберите имя без управляющих символов, чтобы войти</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>«%1» — не сервер лобби: нужен домен, localhost или IPv4-адрес, затем «:» и порт, если он не %2</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>вы вышли из лобби</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>матч с %1 не удалось начать</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>матч создан на UDP-порту %1; вас спросят о каждом игроке, который хочет подключиться</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>матч создан на UDP-порту %1; играет первый подключившийся</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Матч?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 вызывает вас на матч: создателем будете вы, с вашей длиной матча. Играть?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 хочет подключиться к вашему матчу. Впустить?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>В&amp;ыйти из лобби</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>&amp;Закрыть матч</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>По&amp;кинуть матч</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Вход не выполнен. Выберите имя и сервер лобби, затем нажмите «Войти».</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>Лобби на %1 пропало; повторный вход через %2 с. Текущий матч продолжается.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>Лобби на %1 вас не впустило. Выйдите и войдите с другой учётной записью или паролем.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Вход на %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>создал матч, ждёт игрока</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>играет с %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ждёт</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>В лобби на %1 как %2: %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> Соединение не зашифровано.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Сетевое лобби…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Задержка ввода</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>Такты: 1 (%1 мс)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>Такты: %1 (%2 мс)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Игрок Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>матч не может начаться: %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>STUN-сервер «%1» в настройках — не АДРЕС[:ПОРТ]; никого не спрашиваем</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1: связь через %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Нет пути</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Всегда игрок 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Проигравший очко</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>По очереди</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Подача</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, строка %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Эту запись нельзя воспроизвести.

%1%2: %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source> - Replay %1 / %2</source>
        <translation> — Повтор %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> — Пауза</translation>
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
        <translation>Играть!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Число мячей</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Горы</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Пляж</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Отбивайте мяч так, чтобы соперник не смог его вернуть! Каждый раз, когда соперник промахивается, вы получаете очко; побеждает тот, кто первым наберёт 5 очков. Игрок 1 управляет своим глубом стрелками. Игрок 2 управляет своим клавишами W, A, S и D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Волейбол для двух игроков за одной клавиатурой.</translation>
    </message>
</context>
</TS>
