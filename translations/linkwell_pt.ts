<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Liga-se a uma calculadora gráfica ZQ e gere a sua memória.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>Iniciar a calculadora simulada neste processo e ligar-se a ela.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>Mostrar as janelas neste idioma (nl, fr, de, pt, es, it ou en) em vez do da região do sistema.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>As portas a oferecer, uma por linha (também serve um único caminho de dispositivo); se forem indicadas portas, o programa liga-se ao iniciar.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[portas]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell: não existe tradução para o idioma &quot;%1&quot;; é utilizado o inglês</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell: não é possível iniciar a calculadora de demonstração: %1</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>ZQKAGII ZQKBg and ZQKCg series</source>
        <comment>65165</comment>
        <translation>série ZQKAGII, ZQKBg ou ZQKCg</translation>
    </message>
    <message>
        <source>To Start Xsrvr on the Calculator:<byte value="xd"/>
<byte value="xd"/>
On the %s:<byte value="xd"/>
   Press right-shift, release, then right-arrow<byte value="xd"/>
   then ENTER<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
   Press right-shift then LIB then Xsrvr (lib)<byte value="xd"/>
   Press Xsrvr (command)<byte value="xd"/>
<byte value="xd"/>
Press OK below to start the connection.<byte value="xd"/>
</source>
        <comment>65152</comment>
        <translation>Para iniciar o Xsrvr na calculadora:<byte value="xd"/>
<byte value="xd"/>
Na %s:<byte value="xd"/>
   Prima shift direito, solte e depois seta para a direita<byte value="xd"/>
   e depois ENTER<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
   Prima shift direito, depois LIB e depois Xsrvr (lib)<byte value="xd"/>
   Prima Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Prima OK abaixo para iniciar a ligação.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the %s:<byte value="xd"/>
1.  Press XRECV or type XRECV left-shift ()<byte value="xd"/>
2.  Type  &apos;  ALPHA  X  (or any other name)<byte value="xd"/>
3.  Press  ENTER<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
1.  Type  &apos;  ALPHA  X  (or any other name)<byte value="xd"/>
2.  Press Left-Shift   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
The receive command should start.<byte value="xd"/>
Transfer begins when Calculator sends a start.<byte value="xd"/>
</source>
        <comment>65153</comment>
        <translation>Na %s:<byte value="xd"/>
1.  Prima XRECV ou escreva XRECV shift esquerdo ()<byte value="xd"/>
2.  Escreva  &apos;  ALPHA  X  (ou qualquer outro nome)<byte value="xd"/>
3.  Prima  ENTER<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
1.  Escreva  &apos;  ALPHA  X  (ou qualquer outro nome)<byte value="xd"/>
2.  Prima shift esquerdo   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
O comando de receção deve iniciar-se.<byte value="xd"/>
A transferência começa quando a calculadora enviar o sinal de início.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the %s:<byte value="xd"/>
1.  Press XSEND or type XSEND left-shift ()<byte value="xd"/>
2.  Type &apos; and the name of the item to send<byte value="xd"/>
3.  Press  ENTER<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
1.  Type &apos; and the name of the item to send<byte value="xd"/>
2.  Press: XSEND<byte value="xd"/>
<byte value="xd"/>
The send command should start.<byte value="xd"/>
Press OK below.<byte value="xd"/>
</source>
        <comment>65154</comment>
        <translation>Na %s:<byte value="xd"/>
1.  Prima XSEND ou escreva XSEND shift esquerdo ()<byte value="xd"/>
2.  Escreva &apos; e o nome do objeto a enviar<byte value="xd"/>
3.  Prima  ENTER<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
1.  Escreva &apos; e o nome do objeto a enviar<byte value="xd"/>
2.  Prima: XSEND<byte value="xd"/>
<byte value="xd"/>
O comando de envio deve iniciar-se.<byte value="xd"/>
Prima OK abaixo.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Type &apos; ALPHA  X   (or any other name)<byte value="xd"/>
2.  Press: Left-Shift   I/O   NXT   XRECV<byte value="xd"/>
3.  The receive command should start.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Transfer begins when Calculator sends a start.<byte value="xd"/>
</source>
        <comment>65155</comment>
        <translation>Na ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Escreva &apos; ALPHA  X   (ou qualquer outro nome)<byte value="xd"/>
2.  Prima: shift esquerdo   I/O   NXT   XRECV<byte value="xd"/>
3.  O comando de receção deve iniciar-se.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
A transferência começa quando a calculadora enviar o sinal de início.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  The server should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
2.  Press VAR  then  X to place the library on the <byte value="xd"/>
     stack<byte value="xd"/>
3.  Type 0 (or 1)  STO  to store into port 0 (or 1)<byte value="xd"/>
4.  Turn the ZQ-KA off then on<byte value="xd"/>
5.  Press:  right-shift   LIBRARY<byte value="xd"/>
6.  The menu labeled XSRVR contains the <byte value="xd"/>
     XModem Server<byte value="xd"/>
</source>
        <comment>65156</comment>
        <translation>Na ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  O servidor deve estar agora na variável &apos;X&apos;<byte value="xd"/>
     (ou no nome que utilizou)<byte value="xd"/>
2.  Prima VAR  e depois  X para colocar a biblioteca<byte value="xd"/>
     na pilha<byte value="xd"/>
3.  Escreva 0 (ou 1)  STO  para a guardar na porta 0 (ou 1)<byte value="xd"/>
4.  Desligue e volte a ligar a ZQ-KA<byte value="xd"/>
5.  Prima:  shift direito   LIBRARY<byte value="xd"/>
6.  O menu XSRVR contém o<byte value="xd"/>
     servidor XModem<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Setup Calculator Screen, then<byte value="xd"/>
<byte value="xd"/>
On the %s: <byte value="xd"/>
   Press ON plus up-arrow<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
   Press ON plus 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Capture begins when Calculator starts sending.<byte value="xd"/>
</source>
        <comment>65157</comment>
        <translation>Prepare o ecrã da calculadora e depois<byte value="xd"/>
<byte value="xd"/>
Na %s:<byte value="xd"/>
   Prima ON + seta para cima<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
   Prima ON + 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
A captura começa quando a calculadora começar a enviar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the %s:<byte value="xd"/>
1.  Type  &apos;  ALPHA  X  (or any other name)<byte value="xd"/>
2.  Press XRECV<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
1.  Type  &apos;  ALPHA  X  (or any other name)<byte value="xd"/>
2.  Press Left-Shift   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
The receive command should start.<byte value="xd"/>
Transfer begins when Calculator sends a start.<byte value="xd"/>
</source>
        <comment>65158</comment>
        <translation>Na %s:<byte value="xd"/>
1.  Escreva  &apos;  ALPHA  X  (ou qualquer outro nome)<byte value="xd"/>
2.  Prima XRECV<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
1.  Escreva  &apos;  ALPHA  X  (ou qualquer outro nome)<byte value="xd"/>
2.  Prima shift esquerdo   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
O comando de receção deve iniciar-se.<byte value="xd"/>
A transferência começa quando a calculadora enviar o sinal de início.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>Na calculadora:<byte value="xd"/>
<byte value="xd"/>
1.  O ficheiro deve estar agora na variável &apos;X&apos;<byte value="xd"/>
     (ou no nome que utilizou)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the %s:<byte value="xd"/>
1.  Type &apos; and the name of the item to send<byte value="xd"/>
2.  Press XSEND<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
1.  Type &apos; and the name of the item to send<byte value="xd"/>
2.  Press: XSEND<byte value="xd"/>
<byte value="xd"/>
The send command should start.<byte value="xd"/>
Press OK below.<byte value="xd"/>
</source>
        <comment>65160</comment>
        <translation>Na %s:<byte value="xd"/>
1.  Escreva &apos; e o nome do objeto a enviar<byte value="xd"/>
2.  Prima XSEND<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
1.  Escreva &apos; e o nome do objeto a enviar<byte value="xd"/>
2.  Prima: XSEND<byte value="xd"/>
<byte value="xd"/>
O comando de envio deve iniciar-se.<byte value="xd"/>
Prima OK abaixo.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  Hold + and - (3 secs.) while pressing RESET<byte value="xd"/>
2.  Press 1 to load OS/ROM<byte value="xd"/>
3.  Press 1 for USB<byte value="xd"/>
4.  Unplug then plug USB cable<byte value="xd"/>
5.  Press OK below.<byte value="xd"/>
</source>
        <comment>65161</comment>
        <translation>Na calculadora:<byte value="xd"/>
<byte value="xd"/>
1.  Mantenha + e - premidas (3 s) enquanto prime RESET<byte value="xd"/>
2.  Prima 1 para carregar OS/ROM<byte value="xd"/>
3.  Prima 1 para USB<byte value="xd"/>
4.  Desligue e volte a ligar o cabo USB<byte value="xd"/>
5.  Prima OK abaixo.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>To Start Xsrvr on the Calculator:<byte value="xd"/>
<byte value="xd"/>
On the %s:<byte value="xd"/>
   Press right-shift, release, then right-arrow<byte value="xd"/>
<byte value="xd"/>
On the ZQKAG(X):<byte value="xd"/>
   Press right-shift then LIB then Xsrvr (lib)<byte value="xd"/>
   Press Xsrvr (command)<byte value="xd"/>
<byte value="xd"/>
Press OK below to start the connection.<byte value="xd"/>
</source>
        <comment>65162</comment>
        <translation>Para iniciar o Xsrvr na calculadora:<byte value="xd"/>
<byte value="xd"/>
Na %s:<byte value="xd"/>
   Prima shift direito, solte e depois seta para a direita<byte value="xd"/>
<byte value="xd"/>
Na ZQKAG(X):<byte value="xd"/>
   Prima shift direito, depois LIB e depois Xsrvr (lib)<byte value="xd"/>
   Prima Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Prima OK abaixo para iniciar a ligação.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The Calculator memory has been restored<byte value="xd"/>
but it may take a few minutes to reorganize<byte value="xd"/>
and be ready for commands.<byte value="xd"/>
<byte value="xd"/>
On the Calculator:<byte value="xd"/>
  Press VAR then run FLAG to restore all flags.<byte value="xd"/>
<byte value="xd"/>
To connect to the Calculator:<byte value="xd"/>
  On the Calculator, restart the server (XSrvr)<byte value="xd"/>
  Press the &quot;Connect&quot; button below.<byte value="xd"/>
<byte value="xd"/>
Otherwise, press CANCEL.<byte value="xd"/>
</source>
        <comment>65163</comment>
        <translation>A memória da calculadora foi restaurada,<byte value="xd"/>
mas pode demorar alguns minutos a reorganizar-se<byte value="xd"/>
e a ficar pronta para receber comandos.<byte value="xd"/>
<byte value="xd"/>
Na calculadora:<byte value="xd"/>
  Prima VAR e execute FLAG para restaurar todos os sinalizadores.<byte value="xd"/>
<byte value="xd"/>
Para ligar à calculadora:<byte value="xd"/>
  Na calculadora, reinicie o servidor (XSrvr)<byte value="xd"/>
  Prima o botão &quot;Ligar&quot; abaixo.<byte value="xd"/>
<byte value="xd"/>
Caso contrário, prima Cancelar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Outra captura começa quando a calculadora começar a enviar.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Preparar a calculadora</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Aguardar a calculadora</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>65205</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Connect...</source>
        <comment>65224</comment>
        <translation>Ligar...</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is a %2 file and does not match the calculator.<byte value="xd"/>
This may damage the calculator contents.<byte value="xd"/>
<byte value="xd"/>
How should this file be downloaded?</source>
        <comment>BadFileQuestionText</comment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
é um ficheiro %2 e não corresponde à calculadora.<byte value="xd"/>
Isto pode danificar o conteúdo da calculadora.<byte value="xd"/>
<byte value="xd"/>
Como deve este ficheiro ser transferido?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is a %2 file and does not match the calculator.<byte value="xd"/>
This may damage the calculator contents.<byte value="xd"/>
<byte value="xd"/>
Do you wish to continue?</source>
        <comment>BadFileQuestionBinary</comment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
é um ficheiro %2 e não corresponde à calculadora.<byte value="xd"/>
Isto pode danificar o conteúdo da calculadora.<byte value="xd"/>
<byte value="xd"/>
Deseja continuar?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>Tipo de ficheiro errado?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>BadFileNo</comment>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Binary</source>
        <comment>BadFileBinary</comment>
        <translation>&amp;Binário</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <comment>BadFileText</comment>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>BadFileCancel</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <comment>ReplaceFileCaption</comment>
        <translation>Confirmar substituição de ficheiro</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>ReplaceFileYes</comment>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>ReplaceFileAll</comment>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>ReplaceFileNo</comment>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>ReplaceFileCancel</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source><byte value="xd"/>
This folder already contains a file named %1.<byte value="xd"/>
<byte value="xd"/>
Would you like to replace the existing file?<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>ReplaceFileQuestion</comment>
        <translation><byte value="xd"/>
Esta pasta já contém um ficheiro chamado %1.<byte value="xd"/>
<byte value="xd"/>
Deseja substituir o ficheiro existente?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Ponteiro de acesso</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Array</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Cópia de segurança</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Inteiro binário</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Complexo</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>TypeCode</comment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Vorl</source>
        <comment>TypeVorl</comment>
        <translation>Vorl</translation>
    </message>
    <message>
        <source>String</source>
        <comment>TypeString</comment>
        <translation>Cadeia</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Complexo longo</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Real longo</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Objeto de dados de biblioteca</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Ext3</source>
        <comment>TypeExt3</comment>
        <translation>Ext3</translation>
    </message>
    <message>
        <source>Ext4</source>
        <comment>TypeExt4</comment>
        <translation>Ext4</translation>
    </message>
    <message>
        <source>Graphical Object</source>
        <comment>TypeGraphicalObject</comment>
        <translation>Objeto gráfico</translation>
    </message>
    <message>
        <source>Hex String</source>
        <comment>TypeHexString</comment>
        <translation>Cadeia hexadecimal</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Nome global</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Nome local</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>TypeLibrary</comment>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>List</source>
        <comment>TypeList</comment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Linked Array</source>
        <comment>TypeLinkedArray</comment>
        <translation>Array ligado</translation>
    </message>
    <message>
        <source>Real</source>
        <comment>TypeReal</comment>
        <translation>Real</translation>
    </message>
    <message>
        <source>XLib</source>
        <comment>TypeXLib</comment>
        <translation>XLib</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>TypeDirectory</comment>
        <translation>Diretório</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algébrico</translation>
    </message>
    <message>
        <source>Tagged</source>
        <comment>TypeTagged</comment>
        <translation>Objeto etiquetado</translation>
    </message>
    <message>
        <source>Semi</source>
        <comment>TypeSemi</comment>
        <translation>Semi</translation>
    </message>
    <message>
        <source>Aplet</source>
        <comment>TypeAplet</comment>
        <translation>Aplet</translation>
    </message>
    <message>
        <source>Flash Pointer</source>
        <comment>TypeFlashPointer</comment>
        <translation>Ponteiro flash</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Inteiro</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Complexo InfP</translation>
    </message>
    <message>
        <source>InfP Real</source>
        <comment>TypeInfPReal</comment>
        <translation>Real InfP</translation>
    </message>
    <message>
        <source>Matrix</source>
        <comment>TypeMatrix</comment>
        <translation>Matriz</translation>
    </message>
    <message>
        <source>Mini Font</source>
        <comment>TypeMiniFont</comment>
        <translation>Tipo de letra mini</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>enviar</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>obter</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>conflito</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>eliminar na calculadora</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>eliminar no PC</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>igual</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>ignorar</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>Nenhum dispositivo detetado. Verifique as ligações do cabo e a calculadora.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>A calculadora está a utilizar o servidor Kermit.

Pare a calculadora.
Solte o shift direito antes de premir a seta para a direita.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Servidor errado</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>Nenhum dispositivo ligado. Verifique se o servidor XModem está ativo (shift direito, seta para a direita)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Erro de ligação.
Verifique as suas ligações.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Erro (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Comando demasiado longo (%1 bytes)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>Nenhum objeto da calculadora recebido para %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 não é um dispositivo série</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 está a ser utilizado por outro programa</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>Não é possível configurar %1: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1: não tem permissão para o abrir (permissão negada)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1: permissão negada; pertence ao grupo %2: adicione-se com &quot;sudo usermod -aG %2 $USER&quot; e volte a iniciar sessão</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1: permissão negada; só o proprietário %2 o pode abrir (o grupo %3 não tem acesso de leitura e escrita)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>Não é possível abrir o ficheiro %1 – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>Não é possível escrever o ficheiro %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>Não é possível ler o ficheiro %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>Não é possível ler o ficheiro %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>Não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>Não é possível utilizar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Erro de descompilação</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
Não é possível descompilar este ficheiro.
O comprimento foi mantido com o preenchimento.
O ficheiro pode ainda assim estar correto.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

não é um ficheiro de texto válido e não pode ser enviado corretamente.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>Não foi possível ler a captura de ecrã da calculadora.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>As imagens JPEG não estão disponíveis nesta versão; guarde a captura como .png ou .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>Falha na codificação JPEG</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>Falha na compressão PNG</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Preparar a calculadora</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>A cópia de segurança requer que a ZQ%1 funcione a
115200 baud (ver IOPAR em VAR).

Posso alterar a velocidade temporariamente para a cópia de segurança?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>A captura de ecrã requer que a ZQ%1 funcione a
115200 baud (ver IOPAR em VAR).

Posso alterar a velocidade temporariamente para a captura de ecrã?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Nome de variável impróprio</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
não é um nome de variável válido na calculadora.
O comando ou a ligação pode falhar.

Continuar com o comando?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 não é um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 é um ficheiro vazio, não um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 é um ficheiro de texto da calculadora, não um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 é um ficheiro de texto, não um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 é um ficheiro de objeto da calculadora, não um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 é um ficheiro de objeto da calculadora com um objeto do tipo «%2», não um arquivo de cópia de segurança</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 é um arquivo de cópia de segurança de uma calculadora %2, não da %3 ligada</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 é um arquivo de cópia de segurança truncado</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 é um arquivo de cópia de segurança truncado: %2 de %3 bytes</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 é um ficheiro vazio, não uma imagem de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 é um ficheiro de objeto da calculadora, não uma imagem de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 é um ficheiro de texto da calculadora, não uma imagem de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 é demasiado grande para uma imagem de sistema operativo: %2 bytes, mais do que os %3 que a memória flash da calculadora comporta</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>A enviar o programa de arquivo</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>A obter os dados da cópia de segurança do dispositivo</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>A restaurar a partir de %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>A obter a lista de ficheiros do dispositivo</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>A mudar o diretório atual para %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Início da comunicação na porta: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Dispositivo ligado em %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>A tentar %1</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>A abrir a porta %1</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>A enviar o comando PUT</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>A copiar %1</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>A capturar o ecrã</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <comment>Connecting</comment>
        <translation>A ligar ...</translation>
    </message>
    <message>
        <source>%1/%2 bytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 bytes/s</source>
        <comment>ProgressBytes</comment>
        <translation>%1/%2 bytes
(%3%)
%4 bytes/s</translation>
    </message>
    <message>
        <source>%1/%2 Kbytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 Kbytes/s</source>
        <comment>ProgressKbytes</comment>
        <translation>%1/%2 KB
(%3%)
%4 KB/s</translation>
    </message>
    <message>
        <source>Could not fetch %1 to compare it</source>
        <comment>SyncFetchFailed</comment>
        <translation>Não foi possível obter %1 para o comparar</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>Não existe o diretório %1 na calculadora</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>dois ficheiros do PC têm este nome da calculadora</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>a calculadora tem um diretório com este nome</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>nova pasta no PC</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>novo diretório na calculadora</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>um nome que não pode ser copiado neste modo</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>novo no PC</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>novo na calculadora</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>eliminado na calculadora, alterado aqui</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>eliminado na calculadora</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>eliminado no PC, alterado na calculadora</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>eliminado no PC</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>diferente em ambos os lados, nunca sincronizado</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>alterado na calculadora</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>alterado no PC</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>alterado da mesma forma</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>alterado em ambos os lados</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1; não obtido numa sincronização num só sentido</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1; não enviado numa sincronização num só sentido</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1; mantido (--delete elimina-o)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1; a cópia da calculadora prevalece, a do PC é mantida como cópia de conflito</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1; a cópia do PC prevalece, a da calculadora é mantida como cópia de conflito</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Versão %1.%2 compilação %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(sem permissão: grupo %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1: não copiado da calculadora</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1: não enviado para a calculadora</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is a Unknown file and does not match the calculator.<byte value="xd"/>
This may damage the calculator contents.<byte value="xd"/>
<byte value="xd"/>
How should this file be downloaded?</source>
        <comment>BadFileQuestionUnknownText</comment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
é um ficheiro de tipo desconhecido e não corresponde à calculadora.<byte value="xd"/>
Isto pode danificar o conteúdo da calculadora.<byte value="xd"/>
<byte value="xd"/>
Como deve este ficheiro ser transferido?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is a Unknown file and does not match the calculator.<byte value="xd"/>
This may damage the calculator contents.<byte value="xd"/>
<byte value="xd"/>
Do you wish to continue?</source>
        <comment>BadFileQuestionUnknownBinary</comment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
é um ficheiro de tipo desconhecido e não corresponde à calculadora.<byte value="xd"/>
Isto pode danificar o conteúdo da calculadora.<byte value="xd"/>
<byte value="xd"/>
Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Nova pasta</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Criar uma nova pasta.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Cópia de segurança...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Fazer uma cópia de segurança das variáveis da calculadora.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurar...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>Restaurar as variáveis da calculadora.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>Sincronizar &amp;pasta...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Manter iguais uma pasta do PC e este diretório.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>E&amp;VAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>Executar EVAL da variável na calculadora</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Remover definitivamente o item selecionado da calculadora.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Mudar o nome</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>Mudar o nome do item selecionado.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriedades</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>Mostrar o tamanho e o tempo de cópia do item selecionado.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Ligar...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Modo de transferência binário</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Enviar projeto (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>Transferir servidor ZQKA (XRECV manual)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Transferir projeto (XRECV manual)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Transferir ficheiro para a calculadora (XRECV manual)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Transferir ficheiro para o PC (XSEND manual)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Capturar ecrã da calculadora...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Copiar o ecrã da calculadora para o PC.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>SysVorl Command...</source>
        <translation>Comando SysVorl...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy as Text File</source>
        <translation>Copiar como ficheiro de texto</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Obter o ficheiro em forma de texto</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Editar como texto</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Obter o ficheiro em forma de texto e editá-lo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Inverter seleção</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Ícones &amp;grandes</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>&amp;Ícones</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalhes</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>Ler o diretório da calculadora.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>&amp;Comando da calculadora</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>Transferir ROM para a calculadora...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>Atualizar a ROM da calculadora a partir de um ficheiro .bin.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Índice</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Tópico: Comunicações</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Tópico: Ficheiros de texto</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Resolução de problemas de ligação</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca do Linkwell</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Kit de ligação para calculadoras das séries ZQ KAg, ZQ KBg e ZQ KCg</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>A editar %1 — prima Concluído depois de guardar as alterações</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Erro de edição</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>Não é possível iniciar o editor (%1)

ou o ficheiro %2

não existe.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>O editor ainda está em execução. As alterações a

%1

não serão enviadas para a calculadora; o ficheiro fica onde está.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Erro de escrita</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>Não é possível escrever as alterações na calculadora.

As alterações ficam guardadas em %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Árvore de diretórios</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>Os diretórios da calculadora. Selecione um para ver as respetivas variáveis.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Lista de variáveis</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>As variáveis do diretório selecionado, com os respetivos tamanhos e tipos.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Último comando</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Versão da calculadora e memória livre</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Porta:</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Selecione uma porta de comunicações</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>A porta a que a calculadora está ligada. &quot;Auto&quot; experimenta cada porta.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Selecione uma velocidade de comunicação.  (ignorada em USB)</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>A velocidade da linha série; tem de corresponder à definição da calculadora.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Prima para desligar e iniciar a captura de ecrã.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Text transfer mode, press for binary mode</source>
        <translation>Modo de transferência de texto; prima para modo binário</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Modo de transferência binário; prima para modo de texto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Desligar da calculadora.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Ligação rápida à calculadora.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Copy (Text)</source>
        <translation>Copiar (texto)</translation>
    </message>
    <message>
        <source>Copy (Binary)</source>
        <translation>Copiar (binário)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>Fechar a porta de comunicações com a calculadora.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Mostrar a caixa de diálogo e abrir a porta de comunicações com a calculadora.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Mem. livre: %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Ainda está a ser executado um comando.

Cancelá-lo e fechar?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Preparar a calculadora</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>As variáveis cortadas ficam guardadas em %1 até serem coladas</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Is a Calculator Backup file.<byte value="xd"/>
Continuing will erase the calculator&apos;s current contents.<byte value="xd"/>
<byte value="xd"/>
Continue the Restore operation?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
é um ficheiro de cópia de segurança da calculadora.<byte value="xd"/>
Se continuar, o conteúdo atual da calculadora será apagado.<byte value="xd"/>
<byte value="xd"/>
Continuar a restauração?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>Apagar a calculadora?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Arquivar a calculadora no PC</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>Arquivos ZQ (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>Ficheiros ZQ (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>A cópia de segurança para %1 falhou; o ficheiro não foi escrito.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>A restauração a partir de %1 falhou.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>Transferir ROM</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>Ficheiros ROM (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erro de transferência</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>A transferência do ficheiro ROM
%1
falhou.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Transferir ficheiro para a calculadora</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 não foi enviado para a calculadora.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Transferir ficheiro para o PC</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>Não foi recebido nada da calculadora; %1 não foi escrito.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Cancelado pelo utilizador</translation>
    </message>
</context>
<context>
    <name>lw::gui::DeleteQuestion</name>
    <message>
        <source>the variable %1</source>
        <translation>a variável %1</translation>
    </message>
    <message numerus="yes">
        <source>%n variables</source>
        <translation>
            <numerusform>%n variável</numerusform>
            <numerusform>%n variáveis</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder %1 with everything in it</source>
        <translation>a pasta %1 com todo o conteúdo</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n pasta com todo o conteúdo</numerusform>
            <numerusform>%n pastas com todo o conteúdo</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>Eliminar %1 da calculadora?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>Eliminar %1 e %2 da calculadora?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminação</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDragDrop</name>
    <message>
        <source>Cannot keep the cut variable in %1; it stays in %2</source>
        <translation>Não é possível guardar a variável cortada em %1; fica em %2</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFAboutForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCapture</name>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>Ficheiros JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Ficheiros PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Captura de ecrã</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Ecrã capturado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>Guardar a imagem num ficheiro</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Guardar cada captura numa pasta…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Guardar cada captura seguinte como ficheiro PNG numerado numa pasta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Fechar a janela de captura</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copiar a imagem para a área de transferência</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Mostrar moldura</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>Aplicar/remover as opções de moldura e espaço</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Tamanho da moldura preta acrescentada</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Acrescentar espaço</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Espaço branco entre a moldura e a captura de ecrã</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>x%1</source>
        <translation>x%1</translation>
    </message>
    <message>
        <source>Set size of the capture window</source>
        <translation>Definir o tamanho da janela de captura</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>&amp;Ajustar a janela à imagem</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>Ajustar o tamanho da janela à imagem capturada</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>A processar a imagem</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Guardar ecrã capturado</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Cada captura é guardada em %1</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Guardar cada captura numa pasta</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmStatus</name>
    <message>
        <source>Cancel    </source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmndStatus</name>
    <message>
        <source>Calculator is Working</source>
        <translation>A calculadora está a trabalhar</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>A calculadora está ocupada; aguarde até que conclua os comandos.

Pode premir Cancelar para parar o lado do PC da ligação, mas a calculadora continuará sozinha.</translation>
    </message>
    <message>
        <source>Cancel   </source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCnctStatus</name>
    <message>
        <source>Looking for Calculator</source>
        <translation>À procura da calculadora</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Mostrar instruções para uma calculadora em</translation>
    </message>
    <message>
        <source>ALG Mode</source>
        <translation>Modo ALG</translation>
    </message>
    <message>
        <source>RPN Mode</source>
        <translation>Modo RPN</translation>
    </message>
    <message>
        <source>Cancel    </source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFLogForm</name>
    <message>
        <source>LogForm</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Limpar registo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFOptions</name>
    <message>
        <source>File Options</source>
        <translation>Opções de ficheiros</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Conversão de ficheiros de texto da calculadora</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1: Sem conversão</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>Não converter os carateres ZQ</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2: Converter códigos 128-159</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>Converter os carateres ZQ 128-159 em trigramas ou na forma \nnn</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3: Converter códigos 128-255</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>Converter os carateres ZQ 128-255 em trigramas ou na forma \nnn</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Converter códigos 0-31 e 127, exceto LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Converter também os códigos 0 a 31 e 127 na forma \nnn.  A mudança de linha (10) não é convertida.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>Acrescentar CR às mudanças de linha</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Acrescentar um retorno de carro (x0D) após cada mudança de linha.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Editor para ficheiros de texto da calculadora</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Linha de comandos do editor de texto.  Use &quot; se o caminho tiver espaços.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Outras opções</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Acrescentar a extensão .zq aos nomes de ficheiro</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>Usar a extensão .zq nos ficheiros binários</translation>
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
        <source>Editor Program</source>
        <translation>Programa editor</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programas (*)</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFProperty</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1min : %2s</source>
        <translation>%1 min : %2 s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Nome(s) de ficheiro</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Tamanho total</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Tempo de transferência estimado</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>Sincronizar %1 com %2</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>O que a sincronização vai fazer, linha a linha (desmarque uma linha para a excluir):</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Plano de sincronização</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>In a &amp;conflict:</source>
        <translation>Em caso de &amp;conflito:</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Manter a cópia da calculadora</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Manter a cópia do PC</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Sincronizar</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nada a fazer</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1; excluídos %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>Sincronizar %1 com pasta</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>A sincronização parou: %1.
O que foi feito ficou registado; sincronize novamente para concluir.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a synchronizing action and how many lines it has</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFVorlCmd</name>
    <message>
        <source><byte value="xd"/>
                      - -  WARNING  - -<byte value="xd"/>
<byte value="xd"/>
Some commands can disconnect the calculator or change<byte value="xd"/>
the directory structure.  Be very careful!<byte value="xd"/>
<byte value="xd"/>
Pressing F5 can be used to refresh the main file window.<byte value="xd"/>
<byte value="xd"/>
Pressing ENTER, by itself, in the Command Box will<byte value="xd"/>
update the stack.</source>
        <translation><byte value="xd"/>
                      - -  AVISO  - -<byte value="xd"/>
<byte value="xd"/>
Alguns comandos podem desligar a calculadora<byte value="xd"/>
ou alterar a estrutura de diretórios.<byte value="xd"/>
Tenha muito cuidado!<byte value="xd"/>
<byte value="xd"/>
Prima F5 para atualizar a janela principal.<byte value="xd"/>
<byte value="xd"/>
Premir apenas ENTER na caixa de comando<byte value="xd"/>
atualiza a pilha.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Comandos da calculadora</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Imagem da pilha</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Histórico de comandos.  Clique com o botão direito para o menu.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Atualizar a imagem da pilha automaticamente</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Atualizar a pilha após cada comando</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Comando:</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>Escreva um comando RPN e prima ENTER</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>Atualizar os dados da pilha</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>Enviar o comando para a calculadora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Ajuda do Linkwell</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>A página de ajuda %1 não está instalada.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>Não foi possível guardar as definições: não é possível escrever em %1 (pasta só de leitura ou disco cheio). Foi mantido o ficheiro de definições anterior.</translation>
    </message>
</context>
</TS>
