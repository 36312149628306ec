<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Jugador actual: %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Nuevo jugador...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Iniciar sesión...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 colores</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 colores</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 colores</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 colores</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>&amp;Guardar estadísticas</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>&amp;Símbolos en las fichas</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Muestra un símbolo en cada ficha, para distinguir los colores sin visión del color</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Permitir colores repetidos</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Permitir huecos</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>La combinación secreta</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>Necesitamos su nombre si quiere que guardemos sus estadísticas.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Escriba su «nombre de jugador»</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Nombre de jugador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Sin estadísticas</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Estadísticas de jugadores</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Elegir jugador:</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Elegir jugador</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Borrar jugador</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Genial</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Elegir tipo de partida</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Partida estándar</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Con huecos</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Con repeticiones</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Con huecos y repeticiones</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Totales para 6 y 7 colores</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Totales de todos los tipos</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Porcentaje de partidas ganadas</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Media de jugadas por partida</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Mejor partida (ganada)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Peor partida (ganada)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Ayuda de Vellacode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode: encuentre la combinación oculta de cuatro fichas.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>Los archivos de estadísticas stats.dat y stats.bak se guardan en la carpeta actual, salvo que una opción indique otra.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>Guardar los archivos de estadísticas en &lt;carpeta&gt;, que se crea si falta.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>Guardar los archivos de estadísticas en la carpeta de datos del usuario (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>Hablar &lt;código&gt;, uno de %1, en lugar del idioma del sistema.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The name of the value of --language in the help: &quot;--language &lt;code&gt;&quot;.</extracomment>
        <translation>código</translation>
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
Pruebe «%1 --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Indique una sola carpeta de estadísticas, no las dos.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>La carpeta de estadísticas no tiene nombre.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>No hay carpeta de datos del usuario: %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>No existe el idioma «%1»; los idiomas son %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME no está definida</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>Windows no indica ninguna carpeta de datos móvil</translation>
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
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>No se pudo crear %1: %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>No se pudo borrar %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>No se pudo leer %1: es demasiado grande para ser un archivo de estadísticas, y no se ha tocado.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>El disco no confirmó el cambio en %1: %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso no disponible temporalmente</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>No hay bloqueos disponibles</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>No se pudo bloquear %1 con %2: %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>No se pudo abrir %1: lo está usando otra copia de Vellacode.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>No se pueden guardar las estadísticas en %1: no es una carpeta.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>No se pudo crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>No se pueden guardar las estadísticas en %1: %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>está abierto en otro programa</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>es un enlace simbólico, no un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>es una carpeta, no un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>es una tubería con nombre, no un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>es un dispositivo, no un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>es un socket, no un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>es algo distinto de un archivo, y no se ha tocado</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>El final de %1 está dañado: su último byte (%2) no es un registro de jugador completo. El archivo se deja tal como está; las partidas se volverán a guardar en él cuando se quiten esos bytes o se sustituya por su copia de seguridad, stats.bak.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>El final de %1 está dañado: sus últimos %2 bytes no son un registro de jugador completo. El archivo se deja tal como está; las partidas se volverán a guardar en él cuando se quiten esos bytes o se sustituya por su copia de seguridad, stats.bak.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>No se pudo añadir un jugador a %1: ya tiene %2 jugadores, todos los que caben.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>Las estadísticas de «%1» en %2 ya cuentan tantas partidas o jugadas como pueden.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Espere a que termine esta partida.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Ha dejado huecos.  Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Ha repetido colores.  Vuelva a intentarlo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>¡Caramba!</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Esta partida se ha guardado, pero puede perderse si el ordenador se apaga ahora. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Esta partida no se ha guardado. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Aquí no se pueden guardar partidas. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>No se pudo hacer la copia de seguridad de las estadísticas. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>No se pudo borrar el jugador. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>¡No hay estadísticas que mostrar!</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Termine primero su partida: ¡estamos guardando sus estadísticas, %1!</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>¡No tan deprisa!</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>¿Seguro que quiere hacer esto, %1?  ¡Se descartarán las estadísticas de la partida en curso!</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>¿No preferiría terminar primero su partida?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>¿Seguro que quiere hacer esto?  ¡Las estadísticas de %1 se borrarán para siempre!</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 ha cambiado desde que se listaron sus jugadores; la lista los muestra ahora tal como son.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>No se pudo borrar el jugador. %1 ha cambiado desde que se listaron sus jugadores; no se ha borrado nada.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>Las estadísticas de «%1» en %2 están dañadas: ninguna partida podría darlas. No se muestran, y el archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Escriba un nombre válido de 15 caracteres como máximo</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Estos caracteres no caben en un nombre de jugador: %1. Las estadísticas solo guardan letras de Europa occidental; escriba el nombre con ellas.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 por los desarrolladores de Vellacode, publicado por el proyecto Vellacode, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 los desarrolladores de Vellacode.
Vellacode se ofrece SIN NINGUNA GARANTÍA. Es software libre, y puede redistribuirlo según los términos de la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>¡¡Ha ganado!!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Soy un genio</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Más suerte la próxima vez</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Lo siento.  Esta vez no ha ganado.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Me esforzaré más</translation>
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
        <translation>negro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Fila %1, hueco %2: %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Fila %1: fila actual</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Fila %1: aún sin jugar</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Fila %1: %2 negras, %3 blancas</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Fila %1: %2; fila actual</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Fila %1: %2; %3 negras, %4 blancas</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>No hay más filas. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>ficha negra</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>ficha azul</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>ficha roja</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>ficha verde</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>ficha cian</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>ficha magenta</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>ficha amarilla</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>La tecla %1 coloca este color</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>ficha secreta %1: %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>La combinación era %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Comprobar esta fila</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Muestra las estadísticas de los jugadores</translation>
    </message>
</context>
</TS>
