<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
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
</TS>
