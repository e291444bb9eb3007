<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th&gt;&lt;/th&gt;&lt;th&gt;Joueur 1 (droite)&lt;/th&gt;&lt;th&gt;Joueur 2 (gauche)&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;&lt;p&gt;Manettes : %2. La croix ou le stick gauche fait marcher, le bouton du bas fait sauter.&lt;/p&gt;&lt;p&gt;P met en pause un match ou une rediffusion.&lt;br&gt;F11 bascule en plein écran ; Échap en sort.&lt;br&gt;F10 ou Alt affiche la barre de menus en plein écran.&lt;/p&gt;&lt;p&gt;Un match se gagne en %3 points. %4&lt;/p&gt;&lt;p&gt;Options &amp;gt; Commandes… change les touches et Options &amp;gt; Number of Balls la durée du match.&lt;/p&gt;</translation>
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
        <source>Join Online Match</source>
        <translation>Rejoindre un match en ligne</translation>
    </message>
    <message>
        <source>You play player 2. The host&apos;s address (and :port unless it is %1):</source>
        <translation>Vous jouez le joueur 2. L’adresse de l’hôte (et :port s’il n’est pas %1) :</translation>
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
        <source>Online: Player %1, input delay %2 (%3 ms)</source>
        <translation>En ligne : joueur %1, délai d’entrée %2 (%3 ms)</translation>
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
</TS>
