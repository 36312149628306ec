<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Huidige speler: %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Nieuwe speler...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Aanmelden...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 kleuren</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 kleuren</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 kleuren</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 kleuren</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>&amp;Statistieken bijhouden</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>&amp;Pinsymbolen</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Toont op elke pin een symbool, zodat de kleuren ook zonder kleurenzien uit elkaar te houden zijn</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Herhaalde kleuren toestaan</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Lege plekken toestaan</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>Het geheime patroon</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>We hebben je naam nodig als je wilt dat we je statistieken bijhouden.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Typ je „spelersnaam”</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Geen statistieken</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Spelersstatistieken</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Kies een speler:</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Kies een speler</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Speler verwijderen</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Cool</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Kies het speltype</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Standaardspel</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Lege plekken toegestaan</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Herhalingen toegestaan</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Lege plekken en herhalingen toegestaan</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Totalen voor 6 &amp; 7 kleuren</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Totalen voor alle speltypes</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Percentage gewonnen</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Gemiddeld aantal zetten per spel</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Beste spel (gewonnen)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Slechtste spel (gewonnen)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Hulp bij Vellacode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode: vind het verborgen patroon van vier pinnen.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>De statistiekbestanden stats.dat en stats.bak staan in de huidige map, tenzij een optie een andere noemt.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opties van de opdrachtregel.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>De statistiekbestanden in &lt;map&gt; bijhouden; die wordt gemaakt als hij ontbreekt.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>map</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>De statistiekbestanden in de gegevensmap van de gebruiker bijhouden (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>&lt;code&gt; spreken, een van %1, in plaats van de taal van het systeem.</translation>
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
Probeer „%1 --help” voor de opties.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Onverwacht argument: %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Noem één statistiekmap, niet beide.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>De statistiekmap heeft geen naam.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>Er is geen gegevensmap van de gebruiker: %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>Er is geen taal „%1”; de talen zijn %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME is niet ingesteld</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>Windows noemt geen zwervende gegevensmap</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage in the statistics window: &quot;50%&quot;; &quot;50 %&quot; where a space comes before the sign.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Kon %1 niet openen: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Kon %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Kon %1 niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>Kon %1 niet maken: %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>Kon %1 niet verwijderen: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>Kon %1 niet lezen: het is te groot voor een statistiekbestand en is niet aangeraakt.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>De schijf heeft de wijziging aan %1 niet bevestigd: %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Bewerking niet toegestaan</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Schijfquotum overschreden</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Alleen-lezen bestandssysteem</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Bestand bestaat al</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Is geen map</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Te veel open bestanden</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Bestandsnaam te lang</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Apparaat of hulpbron bezet</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Te veel niveaus van symbolische koppelingen</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Hulpbron tijdelijk niet beschikbaar</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>Geen vergrendelingen beschikbaar</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>Kon %1 niet vergrendelen met %2: %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>Kon %1 niet openen: het wordt gebruikt door een ander exemplaar van Vellacode.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>Kon de statistieken niet bijhouden in %1: het is geen map.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>Kon de map %1 niet maken: %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>Kon de statistieken niet bijhouden in %1: %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>het is geopend in een ander programma</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>het is een symbolische koppeling, geen bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>het is een map, geen bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>het is een benoemde pijp, geen bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>het is een apparaat, geen bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>het is een socket, geen bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>het is iets anders dan een bestand, en is niet aangeraakt</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>Het einde van %1 is beschadigd: de laatste %2 byte is geen volledig spelersrecord. Het bestand blijft zoals het is; spellen worden er weer in vastgelegd zodra die bytes verwijderd zijn of het is vervangen door zijn reservekopie, stats.bak.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>Het einde van %1 is beschadigd: de laatste %2 bytes zijn geen volledig spelersrecord. Het bestand blijft zoals het is; spellen worden er weer in vastgelegd zodra die bytes verwijderd zijn of het is vervangen door zijn reservekopie, stats.bak.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>Kon geen speler toevoegen aan %1: het bevat al %2 spelers, zoveel als het kan.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>De statistieken van „%1” in %2 tellen al zoveel spellen of zetten als ze kunnen.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Wacht tot dit spel voorbij is.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Je hebt lege plekken gelaten.  Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Je hebt kleuren herhaald.  Probeer het opnieuw</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>Ho ho!</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Dit spel is vastgelegd, maar het kan verloren gaan als de computer nu uitvalt. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Dit spel is niet vastgelegd. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Hier kunnen geen spellen worden vastgelegd. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>Er kon geen reservekopie van de statistieken worden gemaakt. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>De speler kon niet worden verwijderd. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>Geen statistieken om te tonen!</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Maak eerst je spel af: we houden je statistieken bij, %1!</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>Niet zo snel!</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>Weet je zeker dat je dit wilt, %1?  De statistieken van het huidige spel gaan verloren!</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>Wil je je spel niet eerst afmaken?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>Weet je zeker dat je dit wilt?  De statistieken van %1 worden voorgoed verwijderd!</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 is veranderd sinds de spelers werden opgesomd; de lijst toont ze nu zoals ze zijn.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>De speler kon niet worden verwijderd. %1 is veranderd sinds de spelers werden opgesomd; er is niets verwijderd.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>De statistieken van „%1” in %2 zijn beschadigd: geen enkel spel kan ze opleveren. Ze worden niet getoond, en het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Voer een geldige naam in van hoogstens 15 tekens</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Deze tekens kunnen niet in een spelersnaam worden bewaard: %1. De statistieken bewaren alleen West-Europese letters; typ de naam daarmee.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 door de Vellacode-ontwikkelaars, uitgegeven door het Vellacode-project, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 de Vellacode-ontwikkelaars.
Vellacode komt ZONDER ENIGE GARANTIE. Het is vrije software, en je mag het verder verspreiden onder de voorwaarden van de GNU General Public License, versie 3 of later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>Je hebt gewonnen!!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Ik ben goed</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Volgende keer beter</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Helaas.  Deze keer heb je niet gewonnen.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Ik doe mijn best</translation>
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
        <translation>zwart</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Rij %1, gat %2: %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Rij %1: huidige rij</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Rij %1: nog niet gespeeld</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Rij %1: %2 zwart, %3 wit</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Rij %1: %2; huidige rij</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Rij %1: %2; %3 zwart, %4 wit</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>Geen rijen meer. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>zwarte pin</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>blauwe pin</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>rode pin</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>groene pin</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>cyaan pin</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>magenta pin</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>gele pin</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>Toets %1 plaatst deze kleur</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>geheime pin %1: %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>Het patroon was %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Deze rij controleren</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Toont de statistieken van de spelers</translation>
    </message>
</context>
</TS>
