<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Captions</name>
    <message>
        <source>Current Player: %1</source>
        <translation>Jogador atual: %1</translation>
    </message>
    <message>
        <source>&amp;New Player...</source>
        <translation>&amp;Novo jogador...</translation>
    </message>
    <message>
        <source>&amp;Log In...</source>
        <translation>&amp;Entrar...</translation>
    </message>
    <message>
        <source>6 Colors</source>
        <extracomment>The statistics window&apos;s column headers: games with 6 colors, with 7, and (in the total of all game types) the one column of totals.</extracomment>
        <translation>6 cores</translation>
    </message>
    <message>
        <source>7 Colors</source>
        <translation>7 cores</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>&amp;Stuff</source>
        <extracomment>The game menu (new game, log in, exit): a casual word for &quot;things&quot;.</extracomment>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;6 Colors</source>
        <translation>&amp;6 cores</translation>
    </message>
    <message>
        <source>&amp;7 Colors</source>
        <translation>&amp;7 cores</translation>
    </message>
    <message>
        <source>&amp;Keep Stats</source>
        <extracomment>Whether the finished games are recorded in the player&apos;s statistics.</extracomment>
        <translation>&amp;Manter estatísticas</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <translation>&amp;Símbolos nos pinos</translation>
    </message>
    <message>
        <source>Shows a symbol on every peg, so that the colors can be told apart without color vision</source>
        <translation>Mostra um símbolo em cada pino, para que as cores possam ser distinguidas sem visão de cores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>?</source>
        <extracomment>The button that submits a row for scoring; a single sign.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Allow Repeated Colors</source>
        <translation>Permitir cores repetidas</translation>
    </message>
    <message>
        <source>Allow Blanks</source>
        <translation>Permitir vazios</translation>
    </message>
    <message>
        <source>The Secret Pattern</source>
        <translation>A combinação secreta</translation>
    </message>
    <message>
        <source>¿Quién Es Usted?</source>
        <extracomment>The log-in window&apos;s title, in Spanish in the English program (&quot;Who are you?&quot;): a joke.</extracomment>
        <translation>¿Quién Es Usted?</translation>
    </message>
    <message>
        <source>We need your name if you want us to keep stats on you.</source>
        <translation>Precisamos do seu nome se você quiser que mantenhamos suas estatísticas.</translation>
    </message>
    <message>
        <source>Type your &quot;User ID&quot;</source>
        <translation>Digite seu &quot;nome de jogador&quot;</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Nome de jogador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No Keep Stats</source>
        <extracomment>Plays on without recording statistics.</extracomment>
        <translation>Sem estatísticas</translation>
    </message>
    <message>
        <source>Player Stats</source>
        <translation>Estatísticas dos jogadores</translation>
    </message>
    <message>
        <source>Select Player:</source>
        <translation>Escolha o jogador:</translation>
    </message>
    <message>
        <source>Select Player</source>
        <translation>Escolha o jogador</translation>
    </message>
    <message>
        <source>Delete Player</source>
        <translation>Excluir jogador</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>Closes the statistics window: a casual &quot;fine, done&quot;.</extracomment>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Select Game Type</source>
        <translation>Escolha o tipo de jogo</translation>
    </message>
    <message>
        <source>Standard Game</source>
        <translation>Jogo padrão</translation>
    </message>
    <message>
        <source>Blanks Allowed</source>
        <translation>Vazios permitidos</translation>
    </message>
    <message>
        <source>Repeats Allowed</source>
        <translation>Repetições permitidas</translation>
    </message>
    <message>
        <source>Blanks And Repeats Allowed</source>
        <translation>Vazios e repetições permitidos</translation>
    </message>
    <message>
        <source>Totals For 6 &amp; 7 Colors</source>
        <extracomment>The &quot;&amp;&quot; here is the word &quot;and&quot;, not an access letter: keep it as a single &quot;&amp;&amp;&quot; would not be.</extracomment>
        <translation>Totais para 6 e 7 cores</translation>
    </message>
    <message>
        <source>Totals For All Game Types</source>
        <translation>Totais de todos os tipos</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Jogos jogados</translation>
    </message>
    <message>
        <source>Games Won</source>
        <translation>Jogos vencidos</translation>
    </message>
    <message>
        <source>Percent Games Won</source>
        <translation>Porcentagem de vitórias</translation>
    </message>
    <message>
        <source>Average Moves Per Game</source>
        <translation>Média de jogadas por jogo</translation>
    </message>
    <message>
        <source>Best Game (won)</source>
        <extracomment>The fewest moves a won game took.</extracomment>
        <translation>Melhor jogo (vencido)</translation>
    </message>
    <message>
        <source>Worst Game (won)</source>
        <extracomment>The most moves a won game took.</extracomment>
        <translation>Pior jogo (vencido)</translation>
    </message>
    <message>
        <source>Vellacode Help</source>
        <translation>Ajuda do Vellacode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Vellacode: find the hidden pattern of four pegs.</source>
        <translation>Vellacode: descubra a combinação oculta de quatro pinos.</translation>
    </message>
    <message>
        <source>The statistics files stats.dat and stats.bak are kept in the current folder unless an option names another.</source>
        <translation>Os arquivos de estatísticas stats.dat e stats.bak ficam na pasta atual, a menos que uma opção indique outra.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Keep the statistics files in &lt;folder&gt;, created when missing.</source>
        <translation>Manter os arquivos de estatísticas em &lt;pasta&gt;, criada se não existir.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>The name of the value of --stats-folder in the help: &quot;--stats-folder &lt;folder&gt;&quot;.</extracomment>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Keep the statistics files in the per-user data folder (%1).</source>
        <translation>Manter os arquivos de estatísticas na pasta de dados do usuário (%1).</translation>
    </message>
    <message>
        <source>Speak &lt;code&gt;, one of %1, instead of the system&apos;s language.</source>
        <extracomment>%1: the languages, as their codes: &quot;en, de, es, fr, it, nl, pt_BR&quot;.</extracomment>
        <translation>Falar &lt;código&gt;, um de %1, em vez do idioma do sistema.</translation>
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
Tente &quot;%1 --help&quot; para ver as opções.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Name one statistics folder, not both.</source>
        <translation>Indique uma só pasta de estatísticas, não as duas.</translation>
    </message>
    <message>
        <source>The statistics folder has no name.</source>
        <translation>A pasta de estatísticas não tem nome.</translation>
    </message>
    <message>
        <source>There is no per-user data folder: %1.</source>
        <translation>Não há pasta de dados do usuário: %1.</translation>
    </message>
    <message>
        <source>There is no language &quot;%1&quot;; the languages are %2.</source>
        <extracomment>%1: the code given, %2: the codes the program speaks.</extracomment>
        <translation>Não existe o idioma &quot;%1&quot;; os idiomas são %2.</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <extracomment>Completes &quot;There is no per-user data folder: %1.&quot;</extracomment>
        <translation>HOME não está definida</translation>
    </message>
    <message>
        <source>Windows names no roaming data folder</source>
        <translation>O Windows não indica nenhuma pasta de dados móvel</translation>
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
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>Could not create %1: %2.</source>
        <translation>Não foi possível criar %1: %2.</translation>
    </message>
    <message>
        <source>Could not delete %1: %2.</source>
        <translation>Não foi possível excluir %1: %2.</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a statistics file, and was left alone.</source>
        <translation>Não foi possível ler %1: é grande demais para ser um arquivo de estatísticas, e não foi tocado.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to %1: %2.</source>
        <translation>O disco não confirmou a alteração em %1: %2.</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operação não permitida</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço no dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Não é um diretório</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome de arquivo longo demais</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo ou recurso ocupado</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso temporariamente indisponível</translation>
    </message>
    <message>
        <source>No locks available</source>
        <translation>Nenhuma trava disponível</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like; %1 is a folder.</extracomment>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>Could not lock %1 with %2: %3.</source>
        <translation>Não foi possível travar %1 com %2: %3.</translation>
    </message>
    <message>
        <source>Could not open %1: it is in use by another copy of Vellacode.</source>
        <translation>Não foi possível abrir %1: está em uso por outra cópia do Vellacode.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: it is not a folder.</source>
        <translation>Não foi possível manter as estatísticas em %1: não é uma pasta.</translation>
    </message>
    <message>
        <source>Could not create the folder %1: %2.</source>
        <translation>Não foi possível criar a pasta %1: %2.</translation>
    </message>
    <message>
        <source>Could not keep the statistics in %1: %2.</source>
        <translation>Não foi possível manter as estatísticas em %1: %2.</translation>
    </message>
    <message>
        <source>it is open in another program</source>
        <extracomment>The reason at the end of &quot;Could not write %1: %2.&quot; and the like.</extracomment>
        <translation>está aberto em outro programa</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file, and was left alone</source>
        <extracomment>The reason at the end of &quot;Could not open %1: %2.&quot; and the like, for the file named there.</extracomment>
        <translation>é um link simbólico, não um arquivo, e não foi tocado</translation>
    </message>
    <message>
        <source>it is a folder, not a file, and was left alone</source>
        <translation>é uma pasta, não um arquivo, e não foi tocada</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file, and was left alone</source>
        <translation>é um pipe nomeado, não um arquivo, e não foi tocado</translation>
    </message>
    <message>
        <source>it is a device, not a file, and was left alone</source>
        <translation>é um dispositivo, não um arquivo, e não foi tocado</translation>
    </message>
    <message>
        <source>it is a socket, not a file, and was left alone</source>
        <translation>é um socket, não um arquivo, e não foi tocado</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file, and was left alone</source>
        <translation>é algo diferente de um arquivo, e não foi tocado</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 byte is not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>O final de %1 está danificado: seu último byte (%2) não é um registro de jogador completo. O arquivo fica como está; os jogos voltarão a ser gravados nele quando esses bytes forem removidos ou ele for substituído por seu backup, stats.bak.</translation>
    </message>
    <message>
        <source>The end of %1 is damaged: its last %2 bytes are not a whole player&apos;s record. The file is left as it is; games are recorded in it again once those bytes are removed or it is replaced by its backup, stats.bak.</source>
        <translation>O final de %1 está danificado: seus últimos %2 bytes não são um registro de jogador completo. O arquivo fica como está; os jogos voltarão a ser gravados nele quando esses bytes forem removidos ou ele for substituído por seu backup, stats.bak.</translation>
    </message>
    <message>
        <source>Could not add a player to %1: it already holds %2 players, as many as it can.</source>
        <translation>Não foi possível adicionar um jogador a %1: ele já tem %2 jogadores, o máximo possível.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 already count as many games or moves as they can.</source>
        <translation>As estatísticas de &quot;%1&quot; em %2 já contam tantos jogos ou jogadas quanto podem.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Please wait until this game is over.</source>
        <translation>Aguarde até este jogo terminar.</translation>
    </message>
    <message>
        <source>You left some blanks.  Try your guess again.</source>
        <translation>Você deixou vazios.  Tente de novo.</translation>
    </message>
    <message>
        <source>You repeated some colors.  Try your guess again</source>
        <translation>Você repetiu cores.  Tente de novo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Woah!</source>
        <extracomment>The title of a question that asks the player to think again: a surprised exclamation.</extracomment>
        <translation>Opa!</translation>
    </message>
    <message>
        <source>This game was recorded, but it may be lost if the computer stops now. %1</source>
        <translation>Este jogo foi gravado, mas pode se perder se o computador desligar agora. %1</translation>
    </message>
    <message>
        <source>This game was not recorded. %1</source>
        <translation>Este jogo não foi gravado. %1</translation>
    </message>
    <message>
        <source>Games cannot be recorded here. %1</source>
        <translation>Aqui não é possível gravar jogos. %1</translation>
    </message>
    <message>
        <source>The statistics could not be backed up. %1</source>
        <translation>Não foi possível fazer o backup das estatísticas. %1</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1</source>
        <translation>Não foi possível excluir o jogador. %1</translation>
    </message>
    <message>
        <source>No stats to show!</source>
        <translation>Não há estatísticas para mostrar!</translation>
    </message>
    <message>
        <source>Please finish your game first--we are keeping stats on you %1!</source>
        <translation>Termine seu jogo primeiro: estamos mantendo suas estatísticas, %1!</translation>
    </message>
    <message>
        <source>Not So Fast!</source>
        <translation>Calma lá!</translation>
    </message>
    <message>
        <source>Are you sure you want to do this %1?  Stats for current game will be discarded!</source>
        <translation>Tem certeza de que quer fazer isso, %1?  As estatísticas do jogo atual serão descartadas!</translation>
    </message>
    <message>
        <source>Wouldn&apos;t you like to finish your game first?</source>
        <translation>Não prefere terminar seu jogo primeiro?</translation>
    </message>
    <message>
        <source>Are you sure you want to do this?  Stats for %1 will be permanently deleted!</source>
        <translation>Tem certeza de que quer fazer isso?  As estatísticas de %1 serão excluídas para sempre!</translation>
    </message>
    <message>
        <source>%1 has changed since its players were listed; the list now shows them as they are.</source>
        <translation>%1 mudou desde que seus jogadores foram listados; a lista agora os mostra como estão.</translation>
    </message>
    <message>
        <source>The player could not be deleted. %1 has changed since its players were listed; nothing was deleted.</source>
        <translation>Não foi possível excluir o jogador. %1 mudou desde que seus jogadores foram listados; nada foi excluído.</translation>
    </message>
    <message>
        <source>The statistics of &quot;%1&quot; in %2 are damaged: no games could give them. They are not shown, and the file is left as it is.</source>
        <translation>As estatísticas de &quot;%1&quot; em %2 estão danificadas: nenhum jogo poderia produzi-las. Elas não são mostradas, e o arquivo fica como está.</translation>
    </message>
    <message>
        <source>Please enter a valid name, 15 characters or less</source>
        <translation>Digite um nome válido, com no máximo 15 caracteres</translation>
    </message>
    <message>
        <source>These characters cannot be kept in a player&apos;s name: %1. The statistics keep Western European letters only; please type the name with those.</source>
        <translation>Estes caracteres não podem ficar no nome de um jogador: %1. As estatísticas guardam só letras da Europa Ocidental; digite o nome com elas.</translation>
    </message>
    <message>
        <source>Vellacode %1 by the Vellacode developers, published by the Vellacode project, 2026</source>
        <translation>Vellacode %1 pelos desenvolvedores do Vellacode, publicado pelo projeto Vellacode, 2026</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Vellacode developers.
Vellacode comes with ABSOLUTELY NO WARRANTY. It is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or later (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Copyright (C) 2026 os desenvolvedores do Vellacode.
O Vellacode vem SEM NENHUMA GARANTIA. É software livre, e você pode redistribuí-lo nos termos da Licença Pública Geral GNU, versão 3 ou posterior (GPL-3.0-or-later): https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>You Won!!</source>
        <translation>Você venceu!!</translation>
    </message>
    <message>
        <source>I&apos;m Cool</source>
        <extracomment>Closes the result window after a won game: a boast.</extracomment>
        <translation>Sou demais</translation>
    </message>
    <message>
        <source>Better Luck Next Time</source>
        <translation>Mais sorte na próxima vez</translation>
    </message>
    <message>
        <source>I&apos;m Sorry.  You Didn&apos;t Win This Time.</source>
        <translation>Sinto muito.  Desta vez você não venceu.</translation>
    </message>
    <message>
        <source>I Will Try Harder</source>
        <extracomment>Closes the result window after a lost game: a promise.</extracomment>
        <translation>Vou me esforçar mais</translation>
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
        <translation>preto</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
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
        <translation>amarelo</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A hole with no peg in it, or a blank in the secret.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <translation>Linha %1, buraco %2: %3</translation>
    </message>
    <message>
        <source>Row %1: current row</source>
        <translation>Linha %1: linha atual</translation>
    </message>
    <message>
        <source>Row %1: not played yet</source>
        <translation>Linha %1: ainda não jogada</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>%2 pegs of the right color in the right place, %3 of a right color in the wrong place.</extracomment>
        <translation>Linha %1: %2 pretos, %3 brancos</translation>
    </message>
    <message>
        <source>Row %1: %2; current row</source>
        <extracomment>A row read back: %1 its number, %2 its colors (&quot;red, empty, blue, blue&quot;).</extracomment>
        <translation>Linha %1: %2; linha atual</translation>
    </message>
    <message>
        <source>Row %1: %2; %3 black, %4 white</source>
        <translation>Linha %1: %2; %3 pretos, %4 brancos</translation>
    </message>
    <message>
        <source>No more rows. %1</source>
        <translation>Não há mais linhas. %1</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>pino preto</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>pino azul</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>pino vermelho</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>pino verde</translation>
    </message>
    <message>
        <source>cyan peg</source>
        <translation>pino ciano</translation>
    </message>
    <message>
        <source>magenta peg</source>
        <translation>pino magenta</translation>
    </message>
    <message>
        <source>yellow peg</source>
        <translation>pino amarelo</translation>
    </message>
    <message>
        <source>Key %1 places this color</source>
        <translation>A tecla %1 coloca esta cor</translation>
    </message>
    <message>
        <source>secret peg %1: %2</source>
        <translation>pino secreto %1: %2</translation>
    </message>
    <message>
        <source>The pattern was %1.</source>
        <translation>A combinação era %1.</translation>
    </message>
    <message>
        <source>Check this row</source>
        <translation>Verificar esta linha</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the game window&apos;s parts: the rows of holes, the score boxes beside them and the palette of colors.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Shows the players&apos; statistics</source>
        <translation>Mostra as estatísticas dos jogadores</translation>
    </message>
</context>
</TS>
