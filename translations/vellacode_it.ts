<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Giocatore attuale: %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Nuovo giocatore...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Accedi...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 colori</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 colori</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 colori</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 colori</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>&amp;Tieni le statistiche</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>&amp;Simboli sui pioli</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Mostra un simbolo su ogni piolo, così i colori si distinguono anche senza vedere i colori</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Consenti colori ripetuti</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Consenti buchi</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>La combinazione segreta</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>Ci serve il tuo nome se vuoi che teniamo le tue statistiche.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Scrivi il tuo «nome giocatore»</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Nome giocatore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Senza statistiche</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Statistiche giocatori</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Scegli giocatore:</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Scegli giocatore</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Elimina giocatore</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Scegli il tipo di partita</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Partita standard</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Buchi consentiti</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Ripetizioni consentite</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Buchi e ripetizioni consentiti</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Totali per 6 e 7 colori</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Totali di tutti i tipi</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Mosse medie per partita</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Partita migliore (vinta)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Partita peggiore (vinta)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Guida di Vellacode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode: trova la combinazione nascosta di quattro pioli.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>I file delle statistiche stats.dat e stats.bak sono tenuti nella cartella attuale, a meno che un&apos;opzione ne indichi un&apos;altra.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>Tieni i file delle statistiche in &lt;cartella&gt;, creata se manca.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>Tieni i file delle statistiche nella cartella dati dell&apos;utente (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>Parla &lt;codice&gt;, uno tra %1, invece della lingua del sistema.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The name of the value of --language in the help: &quot;--language &lt;code&gt;&quot;.</extracomment>
        <translation>codice</translation>
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
Prova «%1 --help» per le opzioni.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Indica una sola cartella delle statistiche, non entrambe.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>La cartella delle statistiche non ha nome.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>Non c&apos;è una cartella dati dell&apos;utente: %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>Non esiste la lingua «%1»; le lingue sono %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME non è impostata</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>Windows non indica alcuna cartella dati roaming</translation>
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
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>Impossibile creare %1: %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>Impossibile eliminare %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>Impossibile leggere %1: è troppo grande per essere un file delle statistiche, e non è stato toccato.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>Il disco non ha confermato la modifica a %1: %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota del disco superata</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system in sola lettura</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory non esistente</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una directory</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupata</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Risorsa temporaneamente non disponibile</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>Nessun blocco disponibile</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>Impossibile bloccare %1 con %2: %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>Impossibile aprire %1: è in uso da un&apos;altra copia di Vellacode.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>Impossibile tenere le statistiche in %1: non è una cartella.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>Impossibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>Impossibile tenere le statistiche in %1: %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>è aperto in un altro programma</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>è un collegamento simbolico, non un file, e non è stato toccato</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>è una cartella, non un file, e non è stata toccata</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>è una pipe con nome, non un file, e non è stata toccata</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>è un dispositivo, non un file, e non è stato toccato</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>è un socket, non un file, e non è stato toccato</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>è qualcosa di diverso da un file, e non è stato toccato</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>La fine di %1 è danneggiata: il suo ultimo byte (%2) non è un record di giocatore completo. Il file resta com&apos;è; le partite vi saranno di nuovo registrate quando quei byte saranno tolti o il file sarà sostituito dalla sua copia di sicurezza, stats.bak.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>La fine di %1 è danneggiata: i suoi ultimi %2 byte non sono un record di giocatore completo. Il file resta com&apos;è; le partite vi saranno di nuovo registrate quando quei byte saranno tolti o il file sarà sostituito dalla sua copia di sicurezza, stats.bak.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>Impossibile aggiungere un giocatore a %1: ne contiene già %2, il massimo possibile.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>Le statistiche di «%1» in %2 contano già tante partite o mosse quante ne possono contare.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Attendi la fine di questa partita.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Hai lasciato dei buchi.  Riprova.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Hai ripetuto dei colori.  Riprova</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>Ehi!</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Questa partita è stata registrata, ma può andare persa se il computer si spegne ora. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Questa partita non è stata registrata. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Qui non si possono registrare partite. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>Non è stato possibile fare la copia di sicurezza delle statistiche. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>Non è stato possibile eliminare il giocatore. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>Nessuna statistica da mostrare!</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Finisci prima la tua partita: stiamo tenendo le tue statistiche, %1!</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>Non così in fretta!</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>Vuoi davvero farlo, %1?  Le statistiche della partita in corso andranno perse!</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>Non preferiresti finire prima la tua partita?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>Vuoi davvero farlo?  Le statistiche di %1 saranno eliminate per sempre!</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 è cambiato da quando i suoi giocatori sono stati elencati; ora l&apos;elenco li mostra come sono.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>Non è stato possibile eliminare il giocatore. %1 è cambiato da quando i suoi giocatori sono stati elencati; non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>Le statistiche di «%1» in %2 sono danneggiate: nessuna partita potrebbe darle. Non sono mostrate, e il file resta com&apos;è.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Inserisci un nome valido, di 15 caratteri al massimo</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Questi caratteri non possono stare nel nome di un giocatore: %1. Le statistiche tengono solo lettere dell&apos;Europa occidentale; scrivi il nome con quelle.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 degli sviluppatori di Vellacode, pubblicato dal progetto Vellacode, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 gli sviluppatori di Vellacode.
Vellacode è fornito SENZA ALCUNA GARANZIA. È software libero, e puoi ridistribuirlo secondo i termini della GNU General Public License, versione 3 o successiva (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>Hai vinto!!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Sono un campione</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Più fortuna la prossima volta</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Mi dispiace.  Questa volta non hai vinto.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Mi impegnerò di più</translation>
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
        <translation>nero</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Riga %1, buco %2: %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Riga %1: riga attuale</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Riga %1: non ancora giocata</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Riga %1: %2 neri, %3 bianchi</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Riga %1: %2; riga attuale</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Riga %1: %2; %3 neri, %4 bianchi</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>Non ci sono altre righe. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>piolo nero</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>piolo blu</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>piolo rosso</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>piolo verde</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>piolo ciano</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>piolo magenta</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>piolo giallo</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>Il tasto %1 mette questo colore</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>piolo segreto %1: %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>La combinazione era %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Controlla questa riga</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Mostra le statistiche dei giocatori</translation>
    </message>
</context>
</TS>
