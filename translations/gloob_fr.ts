<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Gloob Volleyball: volleyball for two players at one keyboard. Every game is recorded in the replays folder unless --record names a file.</source>
        <translation>Gloob Volleyball : du volley-ball pour deux joueurs sur un seul clavier. Chaque partie est enregistrée dans le dossier replays, sauf si --record nomme un fichier.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the game&apos;s version and exit.</source>
        <translation>Afficher la version du jeu et quitter.</translation>
    </message>
    <message>
        <source>Write the game&apos;s trace to FILE, in gloob-sim&apos;s format.</source>
        <translation>Écrire la trace du jeu dans FILE, au format de gloob-sim.</translation>
    </message>
    <message>
        <source>Record the game to FILE, a script that gloob-sim replays.</source>
        <translation>Enregistrer le jeu dans FILE, un script que gloob-sim rejoue.</translation>
    </message>
    <message>
        <source>Watch the recording FILE.</source>
        <translation>Regarder l’enregistrement FILE.</translation>
    </message>
    <message>
        <source>Host an online match and play player 1; the other player joins this machine at UDP port PORT (%1 unless given).</source>
        <translation>Héberger un match en ligne et jouer le joueur 1 ; l’autre joueur rejoint cette machine sur le port UDP PORT (%1 par défaut).</translation>
    </message>
    <message>
        <source>Join the online match hosted at ADDRESS and play player 2.</source>
        <translation>Rejoindre le match en ligne hébergé à ADDRESS et jouer le joueur 2.</translation>
    </message>
    <message>
        <source>Open the online lobby at ADDRESS (a domain, localhost or an IPv4 address) and sign in under the name kept from the last time.</source>
        <translation>Ouvrir le salon en ligne à ADDRESS (un domaine, localhost ou une adresse IPv4) et s’y connecter sous le nom gardé de la dernière fois.</translation>
    </message>
    <message>
        <source>With --host: the port.</source>
        <translation>Avec --host : le port.</translation>
    </message>
    <message>
        <source> Try &apos;gloob --help&apos;.</source>
        <translation> Essayez « gloob --help ».</translation>
    </message>
    <message>
        <source>--host takes a port from 1 to 65535.</source>
        <translation>--host attend un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>--host and --join exclude each other.</source>
        <translation>--host et --join s’excluent.</translation>
    </message>
    <message>
        <source>--join takes a host name or IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--join attend un nom d’hôte ou une adresse IPv4, puis « : » et le port s’il n’est pas %1.</translation>
    </message>
    <message>
        <source>--lobby takes a domain, localhost or an IPv4 address, then &apos;:&apos; and a port unless it is %1.</source>
        <translation>--lobby attend un domaine, localhost ou une adresse IPv4, puis « : » et le port s’il n’est pas %1.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;. Try &apos;gloob --help&apos;.</source>
        <translation>argument inattendu « %1 ». Essayez « gloob --help ».</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>Click a control, then press its new key.</source>
        <translation>Cliquez sur une commande, puis appuyez sur sa nouvelle touche.</translation>
    </message>
    <message>
        <source>D-pad or left stick left</source>
        <translation>Croix ou stick gauche vers la gauche</translation>
    </message>
    <message>
        <source>D-pad or left stick right</source>
        <translation>Croix ou stick gauche vers la droite</translation>
    </message>
    <message>
        <source>South button (A, Cross)</source>
        <translation>Bouton du bas (A, Croix)</translation>
    </message>
    <message>
        <source>pauses the game</source>
        <translation>met le jeu en pause</translation>
    </message>
    <message>
        <source>switches full screen</source>
        <translation>bascule en plein écran</translation>
    </message>
    <message>
        <source>Press the new key for %1 (Esc keeps the old one).</source>
        <translation>Appuyez sur la nouvelle touche pour %1 (Échap garde l’ancienne).</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>The first game pad plays player 2</source>
        <translation>La première manette joue le joueur 2</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>%1 %2; choose another key for %3.</source>
        <translation>%1 %2 ; choisissez une autre touche pour %3.</translation>
    </message>
    <message>
        <source>%1 already plays %2; choose another key for %3.</source>
        <translation>%1 joue déjà %2 ; choisissez une autre touche pour %3.</translation>
    </message>
    <message>
        <source>Player %1 Left</source>
        <translation>Joueur %1 gauche</translation>
    </message>
    <message>
        <source>Player %1 Right</source>
        <translation>Joueur %1 droite</translation>
    </message>
    <message>
        <source>Player %1 Jump</source>
        <translation>Joueur %1 saut</translation>
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
        <translation>Plein écran	F11</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Ordinateur (facile)</translation>
    </message>
    <message>
        <source>Computer (Normal)</source>
        <translation>Ordinateur (normal)</translation>
    </message>
    <message>
        <source>Computer (Hard)</source>
        <translation>Ordinateur (difficile)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>New Match</source>
        <translation>Nouveau match</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pause	P</translation>
    </message>
    <message>
        <source>Watch Replay...</source>
        <translation>Regarder une rediffusion…</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Vitesse de rediffusion</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Arrêter la rediffusion</translation>
    </message>
    <message>
        <source>Keys and Options</source>
        <translation>Touches et options</translation>
    </message>
    <message>
        <source>Held Keys Keep Walking</source>
        <translation>Marcher tant que la touche est tenue</translation>
    </message>
    <message>
        <source>Controls...</source>
        <translation>Commandes…</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Watch Replay</source>
        <translation>Regarder une rediffusion</translation>
    </message>
    <message>
        <source>Recordings (*.replay *.script);;All files (*)</source>
        <translation>Enregistrements (*.replay *.script);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>HostAddresses</name>
    <message>
        <source>You play player 1. This machine is on no network the other player could join it by.

The UDP port to play at:</source>
        <translation>Vous jouez le joueur 1. Cette machine n’est sur aucun réseau par lequel l’autre joueur pourrait la rejoindre.

Le port UDP de la partie :</translation>
    </message>
    <message>
        <source>You play player 1. The other player joins %1:

    %2

at this UDP port:</source>
        <translation>Vous jouez le joueur 1. L’autre joueur rejoint %1 :

    %2

sur ce port UDP :</translation>
    </message>
    <message>
        <source>this machine&apos;s address</source>
        <translation>l’adresse de cette machine</translation>
    </message>
    <message>
        <source>one of this machine&apos;s addresses</source>
        <translation>l’une des adresses de cette machine</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Maj gauche</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt gauche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Keypad Enter</source>
        <translation>Entrée (pavé num.)</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
</context>
<context>
    <name>KeysAndOptions</name>
    <message>
        <source>Walk left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Walk right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>the first plays player 2, the second player 1</source>
        <translation>la première joue le joueur 2, la seconde le joueur 1</translation>
    </message>
    <message>
        <source>the first plays player 1, the second player 2</source>
        <translation>la première joue le joueur 1, la seconde le joueur 2</translation>
    </message>
    <message>
        <source>The player who lost the point serves.</source>
        <translation>Le joueur qui a perdu le point sert.</translation>
    </message>
    <message>
        <source>The players take turns to serve.</source>
        <translation>Les joueurs servent à tour de rôle.</translation>
    </message>
    <message>
        <source>Player 1 serves every rally.</source>
        <translation>Le joueur 1 sert à chaque échange.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Player 1 (right)&lt;/th&gt;&lt;th&gt;Player 2 (left)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Game pads: %2. The d-pad or the left stick walks, the south button jumps.&lt;/p&gt;&lt;p&gt;P pauses a match or a replay.&lt;br&gt;F11 switches full screen; Esc leaves it.&lt;br&gt;F10 or Alt shows the menu bar in full screen.&lt;/p&gt;&lt;p&gt;A match is won with %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Controls... changes the keys and Options &amp;gt; Number of Balls the match length.&lt;/p&gt;</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Joueur 1 (droite)&lt;/th&gt;&lt;th&gt;Joueur 2 (gauche)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Manettes : %2. La croix ou le stick gauche fait marcher, le bouton du bas fait sauter.&lt;/p&gt;&lt;p&gt;P met en pause un match ou une rediffusion.&lt;br&gt;F11 bascule en plein écran ; Échap en sort.&lt;br&gt;F10 ou Alt affiche la barre de menus en plein écran.&lt;/p&gt;&lt;p&gt;Un match se gagne en %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Commandes… change les touches et Options &amp;gt; Nombre de balles la durée du match.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>LobbyRoute</name>
    <message>
        <source>Trying the local network...</source>
        <translation>Essai par le réseau local…</translation>
    </message>
    <message>
        <source>Trying the public address...</source>
        <translation>Essai par l’adresse publique…</translation>
    </message>
    <message>
        <source>Trying the router&apos;s forwarded port...</source>
        <translation>Essai par le port redirigé du routeur…</translation>
    </message>
    <message>
        <source>via local network</source>
        <translation>par le réseau local</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>direct</translation>
    </message>
    <message>
        <source>via forwarded port</source>
        <translation>par port redirigé</translation>
    </message>
    <message>
        <source>the local network (%1)</source>
        <translation>le réseau local (%1)</translation>
    </message>
    <message>
        <source>the public address (%1)</source>
        <translation>l’adresse publique (%1)</translation>
    </message>
    <message>
        <source>the router&apos;s forwarded port (%1)</source>
        <translation>le port redirigé du routeur (%1)</translation>
    </message>
    <message>
        <source>nothing: no address was given</source>
        <translation>rien : aucune adresse donnée</translation>
    </message>
    <message>
        <source>No way to %1&apos;s machine answered within %2 s. Tried: %3.

Their router or yours lets nothing in. The host can forward a UDP port on their router to their machine (or turn on UPnP there), or both of you can meet in a lobby that offers a relay.</source>
        <translation>Aucun chemin vers la machine de %1 n’a répondu en %2 s. Essayé : %3.

Son routeur ou le vôtre ne laisse rien entrer. Celui qui crée le match peut rediriger un port UDP de son routeur vers sa machine (ou y activer UPnP), ou vous pouvez vous retrouver dans un salon qui offre un relais.</translation>
    </message>
    <message>
        <source>Trying the relay...</source>
        <translation>Essai par le relais…</translation>
    </message>
    <message>
        <source>via relay</source>
        <translation>par relais</translation>
    </message>
    <message>
        <source>the relay (%1)</source>
        <translation>le relais (%1)</translation>
    </message>
</context>
<context>
    <name>OnlineDirector</name>
    <message>
        <source>Host Online Match...</source>
        <translation>Héberger un match en ligne…</translation>
    </message>
    <message>
        <source>Host Online Match</source>
        <translation>Héberger un match en ligne</translation>
    </message>
    <message>
        <source>Join Online Match...</source>
        <translation>Rejoindre un match en ligne…</translation>
    </message>
    <message>
        <source>Leave Online Match</source>
        <translation>Quitter le match en ligne</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no address to join: a host name or IPv4 address, then &apos;:&apos; and the port unless it is %2.</source>
        <translation>« %1 » n’est pas une adresse valide : un nom d’hôte ou une adresse IPv4, puis « : » et le port s’il n’est pas %2.</translation>
    </message>
    <message>
        <source>The online match cannot begin: %1.</source>
        <translation>Le match en ligne ne peut pas commencer : %1.</translation>
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
        <translation>Hôte sur %1 : en attente de l’autre joueur…</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Online: Player %1, input delay %2 (%3 ms), predicting %4</source>
        <translation>En ligne : joueur %1, délai d’entrée %2 (%3 ms), anticipation %4</translation>
    </message>
</context>
<context>
    <name>ProgramMenu</name>
    <message>
        <source>Program...</source>
        <translation>Programme…</translation>
    </message>
    <message>
        <source>Your Own Program</source>
        <translation>Votre propre programme</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Plays:</source>
        <translation>Joue :</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Commande :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 at %2, another version of the game</source>
        <translation>%1 sur %2, autre version du jeu</translation>
    </message>
    <message>
        <source>%1 at %2, %3 balls</source>
        <translation>%1 sur %2, %3 balles</translation>
    </message>
    <message>
        <source>Join Online Match</source>
        <translation>Rejoindre un match en ligne</translation>
    </message>
    <message>
        <source>&amp;Games on this network:</source>
        <translation>&amp;Parties sur ce réseau :</translation>
    </message>
    <message>
        <source>&amp;Look Again</source>
        <translation>&amp;Chercher à nouveau</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s &amp;address (and :port unless it is %1):</source>
        <translation>Vous jouez le joueur 2. &amp;Adresse de l’hôte (et :port s’il n’est pas %1) :</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Recherche de parties sur ce réseau…</translation>
    </message>
    <message>
        <source>Cannot look for games here: %1</source>
        <translation>Impossible de chercher des parties ici : %1</translation>
    </message>
    <message>
        <source>No game is hosted on this network (on UDP port %1).</source>
        <translation>Aucune partie n’est hébergée sur ce réseau (sur le port UDP %1).</translation>
    </message>
    <message>
        <source>%1 - chatting, no game</source>
        <translation>%1 – discute, sans jeu</translation>
    </message>
    <message>
        <source>%1 - another version of the game</source>
        <translation>%1 – autre version du jeu</translation>
    </message>
    <message>
        <source>%1 - hosting, %2 balls</source>
        <translation>%1 – héberge, %2 balles</translation>
    </message>
    <message>
        <source>%1 - playing with %2</source>
        <translation>%1 – joue avec %2</translation>
    </message>
    <message>
        <source>%1 - waiting</source>
        <translation>%1 – attend</translation>
    </message>
    <message>
        <source>Online Lobby</source>
        <translation>Salon en ligne</translation>
    </message>
    <message>
        <source>your name in the lobby</source>
        <translation>votre nom dans le salon</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Se connecter</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Se&amp;rver:</source>
        <translation>Se&amp;rveur :</translation>
    </message>
    <message>
        <source>none: sign in without an account</source>
        <translation>vide : connexion sans compte</translation>
    </message>
    <message>
        <source>Keep the password</source>
        <translation>Retenir le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Héberger</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>Challen&amp;ge</source>
        <translation>Dé&amp;fier</translation>
    </message>
    <message>
        <source>Ask a waiting player to host a match for you</source>
        <translation>Demander à un joueur en attente d’héberger un match pour vous</translation>
    </message>
    <message>
        <source>As&amp;k me before a player joins</source>
        <translation>Me &amp;demander avant qu’un joueur ne rejoigne</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Discussion</translation>
    </message>
    <message>
        <source>say something to the room</source>
        <translation>écrivez quelque chose au salon</translation>
    </message>
    <message>
        <source>Sa&amp;y</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>choose a name, without control characters, to sign in</source>
        <translation>choisissez un nom, sans caractères de contrôle, pour vous connecter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lobby server: a domain, localhost or an IPv4 address, and &apos;:&apos; and a port unless it is %2</source>
        <translation>« %1 » n’est pas un serveur de salon : un domaine, localhost ou une adresse IPv4, suivi de « : » et d’un port s’il n’est pas %2</translation>
    </message>
    <message>
        <source>signed out of the lobby</source>
        <translation>déconnecté du salon</translation>
    </message>
    <message>
        <source>the match with %1 could not begin</source>
        <translation>le match avec %1 n’a pas pu commencer</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; you are asked about each player who wants to join</source>
        <translation>match hébergé sur le port UDP %1 ; on vous demande pour chaque joueur qui veut rejoindre</translation>
    </message>
    <message>
        <source>hosting a match on UDP port %1; the first player to join plays it</source>
        <translation>match hébergé sur le port UDP %1 ; le premier joueur qui rejoint le joue</translation>
    </message>
    <message>
        <source>A Match?</source>
        <translation>Un match ?</translation>
    </message>
    <message>
        <source>%1 challenges you to a match: you would host it, with your match length. Play?</source>
        <translation>%1 vous défie : vous hébergeriez le match, avec votre nombre de balles. Jouer ?</translation>
    </message>
    <message>
        <source>%1 asks to join your match. Let them in?</source>
        <translation>%1 demande à rejoindre votre match. L’accepter ?</translation>
    </message>
    <message>
        <source>&amp;Sign Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>Stop &amp;Hosting</source>
        <translation>Arrêter d’&amp;héberger</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Quitter le match</translation>
    </message>
    <message>
        <source>Not signed in. Choose a name and a lobby server, then Sign In.</source>
        <translation>Non connecté. Choisissez un nom et un serveur de salon, puis Se connecter.</translation>
    </message>
    <message>
        <source>The lobby at %1 is gone; signing in again in %2 s. A match being played goes on.</source>
        <translation>Le salon sur %1 a disparu ; nouvelle connexion dans %2 s. Un match en cours continue.</translation>
    </message>
    <message>
        <source>The lobby at %1 did not let you in. Sign out, then sign in with another account or password.</source>
        <translation>Le salon sur %1 ne vous a pas laissé entrer. Déconnectez-vous, puis reconnectez-vous avec un autre compte ou mot de passe.</translation>
    </message>
    <message>
        <source>Signing in to %1...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>hosting, waiting for a player to join</source>
        <translation>hôte, en attente d’un joueur</translation>
    </message>
    <message>
        <source>playing with %1</source>
        <translation>en match avec %1</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>In the lobby at %1 as %2: %3.</source>
        <translation>Dans le salon sur %1 en tant que %2 : %3.</translation>
    </message>
    <message>
        <source> The connection is not encrypted.</source>
        <translation> La connexion n’est pas chiffrée.</translation>
    </message>
    <message>
        <source>Online Lobby...</source>
        <translation>Salon en ligne…</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Délai d’entrée</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>1 heartbeat (%1 ms)</source>
        <translation>1 battement (%1 ms)</translation>
    </message>
    <message>
        <source>%1 heartbeats (%2 ms)</source>
        <translation>%1 battements (%2 ms)</translation>
    </message>
    <message>
        <source>A Gloob player</source>
        <translation>Un joueur de Gloob</translation>
    </message>
    <message>
        <source>the match cannot begin: %1</source>
        <translation>le match ne peut pas commencer : %1</translation>
    </message>
    <message>
        <source>the STUN server &apos;%1&apos; in the settings is no ADDRESS[:PORT]; none is asked</source>
        <translation>le serveur STUN « %1 » des réglages n’est pas ADRESSE[:PORT] ; aucun n’est interrogé</translation>
    </message>
    <message>
        <source>%1 reached at %2, %3</source>
        <translation>%1 atteint à %2, %3</translation>
    </message>
    <message>
        <source>No Way Through</source>
        <translation>Aucun passage</translation>
    </message>
</context>
<context>
    <name>ServeMenu</name>
    <message>
        <source>Player 1 Always</source>
        <translation>Toujours le joueur 1</translation>
    </message>
    <message>
        <source>Player Who Lost the Point</source>
        <translation>Le joueur qui a perdu le point</translation>
    </message>
    <message>
        <source>Alternating</source>
        <translation>À tour de rôle</translation>
    </message>
    <message>
        <source>Serve</source>
        <translation>Service</translation>
    </message>
</context>
<context>
    <name>SessionDirector</name>
    <message>
        <source>, line %1</source>
        <translation>, ligne %1</translation>
    </message>
    <message>
        <source>This recording cannot be played.

%1%2: %3</source>
        <translation>Cet enregistrement ne peut pas être lu.

%1%2 : %3</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
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
        <translation> – Rediffusion %1 / %2</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> – En pause</translation>
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
        <translation>Jouer !</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DU MATCH</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Number of Balls</source>
        <translation>Nombre de balles</translation>
    </message>
    <message>
        <source>Backround</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montagne</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Help </source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his gloob</source>
        <translation>Essayez de frapper la balle pour que votre adversaire ne puisse pas la renvoyer ! Chaque fois que votre adversaire la manque, vous marquez un point ; le premier à 5 points gagne. Le joueur 1 dirige son gloob avec les flèches. Le joueur 2 dirige le sien avec W, A, S et D.</translation>
    </message>
    <message>
        <source>Gloob Volleyball
A volleyball game for two players at one keyboard.</source>
        <translation>Gloob Volleyball
Un jeu de volley-ball pour deux joueurs sur un seul clavier.</translation>
    </message>
</context>
</TS>
