<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Joueur actuel : %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Nouveau joueur...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Connexion...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 couleurs</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 couleurs</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 couleurs</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 couleurs</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>&amp;Tenir les statistiques</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>&amp;Symboles des pions</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Affiche un symbole sur chaque pion, pour distinguer les couleurs sans la vision des couleurs</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Autoriser les couleurs répétées</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Autoriser les trous</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>La combinaison secrète</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>Il nous faut votre nom si vous voulez que nous tenions vos statistiques.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Tapez votre « nom de joueur »</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Nom de joueur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Sans statistiques</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Statistiques des joueurs</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Choisir un joueur :</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Choisir un joueur</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Supprimer le joueur</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Cool</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Choisir le type de partie</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Partie standard</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Trous autorisés</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Répétitions autorisées</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Trous et répétitions autorisés</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Totaux pour 6 &amp; 7 couleurs</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Totaux pour tous les types de partie</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Pourcentage de parties gagnées</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Coups en moyenne par partie</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Meilleure partie (gagnée)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Pire partie (gagnée)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Aide de Vellacode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode : trouvez la combinaison cachée de quatre pions.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>Les fichiers de statistiques stats.dat et stats.bak sont gardés dans le dossier courant, sauf si une option en nomme un autre.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>Garder les fichiers de statistiques dans &lt;dossier&gt;, créé s&apos;il manque.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>Garder les fichiers de statistiques dans le dossier de données de l&apos;utilisateur (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>Parler &lt;code&gt;, l&apos;une des langues %1, au lieu de la langue du système.</translation>
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
Essayez « %1 --help » pour voir les options.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Nommez un seul dossier de statistiques, pas les deux.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>Le dossier de statistiques n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>Il n&apos;y a pas de dossier de données de l&apos;utilisateur : %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>La langue « %1 » n&apos;existe pas ; les langues sont %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME n&apos;est pas défini</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>Windows n&apos;indique aucun dossier de données itinérant</translation>
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
        <translation>Impossible d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>Impossible de créer %1 : %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>Impossible de supprimer %1 : %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>Impossible de lire %1 : il est trop grand pour être un fichier de statistiques, et n&apos;a pas été touché.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>Le disque n&apos;a pas confirmé la modification de %1 : %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource temporairement indisponible</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>Aucun verrou disponible</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>Impossible de verrouiller %1 avec %2 : %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>Impossible d&apos;ouvrir %1 : il est utilisé par une autre copie de Vellacode.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>Impossible de garder les statistiques dans %1 : ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>Impossible de garder les statistiques dans %1 : %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>il est ouvert dans un autre programme</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>c&apos;est un lien symbolique, pas un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>c&apos;est un dossier, pas un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>c&apos;est un tube nommé, pas un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>c&apos;est un périphérique, pas un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>c&apos;est un socket, pas un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>c&apos;est autre chose qu&apos;un fichier, et il n&apos;a pas été touché</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>La fin de %1 est endommagée : son dernier octet (%2) n&apos;est pas un enregistrement de joueur complet. Le fichier est laissé tel quel ; les parties y seront de nouveau enregistrées une fois ces octets supprimés ou le fichier remplacé par sa sauvegarde, stats.bak.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>La fin de %1 est endommagée : ses %2 derniers octets ne forment pas un enregistrement de joueur complet. Le fichier est laissé tel quel ; les parties y seront de nouveau enregistrées une fois ces octets supprimés ou le fichier remplacé par sa sauvegarde, stats.bak.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>Impossible d&apos;ajouter un joueur à %1 : il contient déjà %2 joueurs, le maximum possible.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>Les statistiques de « %1 » dans %2 comptent déjà autant de parties ou de coups qu&apos;elles le peuvent.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Veuillez attendre la fin de cette partie.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Vous avez laissé des trous.  Réessayez.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Vous avez répété des couleurs.  Réessayez</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>Oh là !</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Cette partie a été enregistrée, mais elle peut être perdue si l&apos;ordinateur s&apos;arrête maintenant. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Cette partie n&apos;a pas été enregistrée. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Les parties ne peuvent pas être enregistrées ici. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>Les statistiques n&apos;ont pas pu être sauvegardées. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>Le joueur n&apos;a pas pu être supprimé. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>Aucune statistique à afficher !</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Finissez d&apos;abord votre partie, nous tenons vos statistiques, %1 !</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>Pas si vite !</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>Voulez-vous vraiment faire cela, %1 ?  Les statistiques de la partie en cours seront perdues !</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>Ne voulez-vous pas d&apos;abord finir votre partie ?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>Voulez-vous vraiment faire cela ?  Les statistiques de %1 seront définitivement supprimées !</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 a changé depuis que ses joueurs ont été listés ; la liste les montre maintenant tels qu&apos;ils sont.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>Le joueur n&apos;a pas pu être supprimé. %1 a changé depuis que ses joueurs ont été listés ; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>Les statistiques de « %1 » dans %2 sont endommagées : aucune partie ne pourrait les donner. Elles ne sont pas affichées, et le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Veuillez saisir un nom valide de 15 caractères au plus</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Ces caractères ne peuvent pas figurer dans un nom de joueur : %1. Les statistiques ne gardent que les lettres d&apos;Europe occidentale ; veuillez taper le nom avec celles-ci.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 par les développeurs de Vellacode, publié par le projet Vellacode, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 les développeurs de Vellacode.
Vellacode est fourni SANS AUCUNE GARANTIE. C&apos;est un logiciel libre, et vous pouvez le redistribuer selon les termes de la Licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later) : https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>Gagné !!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Je suis trop fort</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Plus de chance la prochaine fois</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Désolé.  Vous n&apos;avez pas gagné cette fois.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Je ferai mieux</translation>
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
        <translation>noir</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Rangée %1, trou %2 : %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Rangée %1 : rangée en cours</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Rangée %1 : pas encore jouée</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Rangée %1 : %2 noir, %3 blanc</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Rangée %1 : %2 ; rangée en cours</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Rangée %1 : %2 ; %3 noir, %4 blanc</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>Plus de rangées. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>pion noir</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>pion bleu</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>pion rouge</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>pion vert</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>pion cyan</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>pion magenta</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>pion jaune</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>La touche %1 place cette couleur</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>pion secret %1 : %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>La combinaison était %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Vérifier cette rangée</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Affiche les statistiques des joueurs</translation>
    </message>
</context>
</TS>
