<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The name of the value of --language in the help: &quot;--language &lt;code&gt;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacode %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Try &apos;%1 --help&apos; for the options.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage in the statistics window: &quot;50%&quot;; &quot;50 %&quot; where a space comes before the sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Could not open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>, </source>
        <extracomment>Between the colors of a row read out: &quot;red, empty, blue, blue&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>The colors as said of a hole or a secret peg: &quot;Row 1, hole 2: red&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
