<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Aktueller Spieler: %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Neuer Spieler...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 Farben</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 Farben</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 Farben</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 Farben</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>Statistik &amp;führen</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>Stift&amp;symbole</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Zeigt auf jedem Stift ein Symbol, damit sich die Farben auch ohne Farbsehen unterscheiden lassen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Wiederholte Farben erlauben</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Lücken erlauben</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>Das geheime Muster</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>Wir brauchen deinen Namen, wenn wir deine Statistik führen sollen.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Gib deinen „Spielernamen“ ein</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Ohne Statistik</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Spieler wählen:</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Spieler wählen</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Spieler löschen</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Cool</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Spielart wählen</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Standardspiel</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Mit Lücken</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Mit Wiederholungen</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Mit Lücken und Wiederholungen</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Summen für 6 &amp; 7 Farben</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Summen aller Spielarten</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Gewonnen in Prozent</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Züge pro Spiel im Schnitt</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Bestes Spiel (gewonnen)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Schlechtestes Spiel (gewonnen)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Vellacode-Hilfe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode: Finde das verborgene Muster aus vier Stiften.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>Die Statistikdateien stats.dat und stats.bak liegen im aktuellen Ordner, wenn keine Option einen anderen nennt.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Optionen der Befehlszeile an.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>Die Statistikdateien in &lt;ordner&gt; führen; fehlt er, wird er angelegt.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>ordner</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>Die Statistikdateien im Datenordner des Benutzers führen (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>&lt;code&gt; sprechen, einen von %1, statt der Sprache des Systems.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The name of the value of --language in the help: &quot;--language &lt;code&gt;&quot;.</extracomment>
        <translation>code</translation>
    </message>
    <message>
        <source>Vellacode %1
</source>
        <extracomment>What --version prints; %1 is the version number.</extracomment>
        <translation>Vellacode %1
</translation>
    </message>
    <message>
        <source>
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>
Mit „%1 --help“ werden die Optionen gezeigt.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Bitte nur einen Statistikordner nennen, nicht beide.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>Der Statistikordner hat keinen Namen.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>Es gibt keinen Datenordner des Benutzers: %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>Es gibt keine Sprache „%1“; die Sprachen sind %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME ist nicht gesetzt</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>Windows nennt keinen servergespeicherten Datenordner</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage in the statistics window: &quot;50%&quot;; &quot;50 %&quot; where a space comes before the sign.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Konnte %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Konnte %1 nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Konnte %1 nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>Konnte %1 nicht anlegen: %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>Konnte %1 nicht löschen: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>Konnte %1 nicht lesen: sie ist zu groß für eine Statistikdatei und wurde nicht angerührt.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>Der Datenträger hat die Änderung an %1 nicht bestätigt: %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource vorübergehend nicht verfügbar</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>Keine Sperren verfügbar</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>Konnte %1 nicht mit %2 sperren: %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>Konnte %1 nicht öffnen: Die Datei wird von einem anderen Vellacode benutzt.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>Konnte die Statistik nicht in %1 führen: Es ist kein Ordner.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>Konnte den Ordner %1 nicht anlegen: %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>Konnte die Statistik nicht in %1 führen: %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>sie ist in einem anderen Programm geöffnet</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>dort liegt eine symbolische Verknüpfung, keine Datei; sie wurde nicht angerührt</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>dort liegt ein Ordner, keine Datei; er wurde nicht angerührt</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>dort liegt eine benannte Pipe, keine Datei; sie wurde nicht angerührt</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>dort liegt ein Gerät, keine Datei; es wurde nicht angerührt</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>dort liegt ein Socket, keine Datei; er wurde nicht angerührt</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>dort liegt etwas anderes als eine Datei; es wurde nicht angerührt</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>Das Ende von %1 ist beschädigt: Das letzte %2 Byte ist kein ganzer Spielereintrag. Die Datei bleibt, wie sie ist; Spiele werden wieder darin festgehalten, sobald diese Bytes entfernt sind oder die Datei durch ihre Sicherung stats.bak ersetzt ist.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>Das Ende von %1 ist beschädigt: Die letzten %2 Bytes sind kein ganzer Spielereintrag. Die Datei bleibt, wie sie ist; Spiele werden wieder darin festgehalten, sobald diese Bytes entfernt sind oder die Datei durch ihre Sicherung stats.bak ersetzt ist.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>Konnte keinen Spieler zu %1 hinzufügen: Die Datei fasst schon %2 Spieler, so viele sie kann.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>Die Statistik von „%1“ in %2 zählt schon so viele Spiele oder Züge, wie sie fassen kann.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Bitte warte, bis dieses Spiel vorbei ist.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Du hast Lücken gelassen.  Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Du hast Farben wiederholt.  Versuch es noch einmal</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Dieses Spiel wurde festgehalten, kann aber verloren gehen, wenn der Computer jetzt ausgeht. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Dieses Spiel wurde nicht festgehalten. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Hier können keine Spiele festgehalten werden. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>Die Statistik konnte nicht gesichert werden. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>Der Spieler konnte nicht gelöscht werden. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>Keine Statistik vorhanden!</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Bitte spiel erst dein Spiel zu Ende – wir führen Statistik über dich, %1!</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>Nicht so schnell!</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>Willst du das wirklich, %1?  Die Statistik des laufenden Spiels wird verworfen!</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>Möchtest du dein Spiel nicht erst zu Ende spielen?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>Willst du das wirklich?  Die Statistik von %1 wird endgültig gelöscht!</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 hat sich geändert, seit die Spieler aufgelistet wurden; die Liste zeigt sie jetzt, wie sie sind.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>Der Spieler konnte nicht gelöscht werden. %1 hat sich geändert, seit die Spieler aufgelistet wurden; es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>Die Statistik von „%1“ in %2 ist beschädigt: Kein Spiel könnte diese Werte ergeben. Sie wird nicht gezeigt, und die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Bitte gib einen gültigen Namen mit höchstens 15 Zeichen ein</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Diese Zeichen können in einem Spielernamen nicht gespeichert werden: %1. Die Statistik kennt nur westeuropäische Buchstaben; bitte gib den Namen damit ein.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 von den Vellacode-Entwicklern, herausgegeben vom Vellacode-Projekt, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 die Vellacode-Entwickler.
Vellacode wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt. Es ist freie Software, und du darfst es unter den Bedingungen der GNU General Public License, Version 3 oder später (GPL-3.0-or-later), weitergeben: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>Gewonnen!!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Bin ich gut</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Mehr Glück beim nächsten Mal</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Tut mir leid.  Diesmal hast du nicht gewonnen.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Ich streng mich mehr an</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>, </source>
        <extracomment>Between the colors of a row read out: &quot;red, empty, blue, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>The colors as said of a hole or a secret peg: &quot;Row 1, hole 2: red&quot;.</extracomment>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Reihe %1, Loch %2: %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Reihe %1: aktuelle Reihe</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Reihe %1: noch nicht gespielt</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Reihe %1: %2 schwarz, %3 weiß</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Reihe %1: %2; aktuelle Reihe</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Reihe %1: %2; %3 schwarz, %4 weiß</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>Keine weiteren Reihen. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>schwarzer Stift</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>blauer Stift</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>roter Stift</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>grüner Stift</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>türkiser Stift</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>magenta Stift</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>gelber Stift</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>Taste %1 setzt diese Farbe</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>geheimer Stift %1: %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>Das Muster war %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Diese Reihe prüfen</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Zeigt die Statistik der Spieler</translation>
    </message>
</context>
</TS>
