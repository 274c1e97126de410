<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Si connette a una calcolatrice grafica ZQ e ne gestisce la memoria.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>Avviare la calcolatrice simulata in questo processo e connettersi a essa.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>Mostrare le finestre in questa lingua (nl, fr, de, pt, es, it o en) anziché in quella delle impostazioni locali del sistema.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>Le porte da offrire, una per riga (va bene anche un solo percorso di dispositivo); se sono indicate porte, il programma si connette all&apos;avvio.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[porte]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell: nessuna traduzione per la lingua &quot;%1&quot;, viene usato l&apos;inglese</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell: impossibile avviare la calcolatrice dimostrativa: %1</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>ZQKAGII ZQKBg and ZQKCg series</source>
        <comment>65165</comment>
        <translation>serie ZQKAGII, ZQKBg o ZQKCg</translation>
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
        <translation>Per avviare Xsrvr sulla calcolatrice:<byte value="xd"/>
<byte value="xd"/>
Sulla %s:<byte value="xd"/>
   Premere shift destro, rilasciare, poi freccia destra<byte value="xd"/>
   poi ENTER<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
   Premere shift destro, poi LIB, poi Xsrvr (lib)<byte value="xd"/>
   Premere Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Premere OK qui sotto per avviare la connessione.<byte value="xd"/>
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
        <translation>Sulla %s:<byte value="xd"/>
1.  Premere XRECV o digitare XRECV shift sinistro ()<byte value="xd"/>
2.  Digitare  &apos;  ALPHA  X  (o un altro nome)<byte value="xd"/>
3.  Premere  ENTER<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
1.  Digitare  &apos;  ALPHA  X  (o un altro nome)<byte value="xd"/>
2.  Premere shift sinistro   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
Il comando di ricezione dovrebbe avviarsi.<byte value="xd"/>
Il trasferimento inizia quando la calcolatrice invia il segnale di avvio.<byte value="xd"/>
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
        <translation>Sulla %s:<byte value="xd"/>
1.  Premere XSEND o digitare XSEND shift sinistro ()<byte value="xd"/>
2.  Digitare &apos; e il nome dell&apos;oggetto da inviare<byte value="xd"/>
3.  Premere  ENTER<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
1.  Digitare &apos; e il nome dell&apos;oggetto da inviare<byte value="xd"/>
2.  Premere: XSEND<byte value="xd"/>
<byte value="xd"/>
Il comando di invio dovrebbe avviarsi.<byte value="xd"/>
Premere OK qui sotto.<byte value="xd"/>
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
        <translation>Sulla ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Digitare &apos; ALPHA  X   (o un altro nome)<byte value="xd"/>
2.  Premere: shift sinistro   I/O   NXT   XRECV<byte value="xd"/>
3.  Il comando di ricezione dovrebbe avviarsi.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Il trasferimento inizia quando la calcolatrice invia il segnale di avvio.<byte value="xd"/>
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
        <translation>Sulla ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Il server dovrebbe ora trovarsi nella variabile &apos;X&apos;<byte value="xd"/>
     (o nel nome usato)<byte value="xd"/>
2.  Premere VAR  poi  X per mettere la libreria<byte value="xd"/>
     nello stack<byte value="xd"/>
3.  Digitare 0 (o 1)  STO  per memorizzarla nella porta 0 (o 1)<byte value="xd"/>
4.  Spegnere e riaccendere la ZQ-KA<byte value="xd"/>
5.  Premere:  shift destro   LIBRARY<byte value="xd"/>
6.  Il menu XSRVR contiene il<byte value="xd"/>
     server XModem<byte value="xd"/>
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
        <translation>Preparare lo schermo della calcolatrice, poi<byte value="xd"/>
<byte value="xd"/>
Sulla %s:<byte value="xd"/>
   Premere ON + freccia su<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
   Premere ON + 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
La cattura inizia quando la calcolatrice comincia a inviare.<byte value="xd"/>
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
        <translation>Sulla %s:<byte value="xd"/>
1.  Digitare  &apos;  ALPHA  X  (o un altro nome)<byte value="xd"/>
2.  Premere XRECV<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
1.  Digitare  &apos;  ALPHA  X  (o un altro nome)<byte value="xd"/>
2.  Premere shift sinistro   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
Il comando di ricezione dovrebbe avviarsi.<byte value="xd"/>
Il trasferimento inizia quando la calcolatrice invia il segnale di avvio.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>Sulla calcolatrice:<byte value="xd"/>
<byte value="xd"/>
1.  Il file dovrebbe ora trovarsi nella variabile &apos;X&apos;<byte value="xd"/>
     (o nel nome usato)<byte value="xd"/>
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
        <translation>Sulla %s:<byte value="xd"/>
1.  Digitare &apos; e il nome dell&apos;oggetto da inviare<byte value="xd"/>
2.  Premere XSEND<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
1.  Digitare &apos; e il nome dell&apos;oggetto da inviare<byte value="xd"/>
2.  Premere: XSEND<byte value="xd"/>
<byte value="xd"/>
Il comando di invio dovrebbe avviarsi.<byte value="xd"/>
Premere OK qui sotto.<byte value="xd"/>
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
        <translation>Sulla calcolatrice:<byte value="xd"/>
<byte value="xd"/>
1.  Tenere premuti + e - (3 s) mentre si preme RESET<byte value="xd"/>
2.  Premere 1 per caricare OS/ROM<byte value="xd"/>
3.  Premere 1 per USB<byte value="xd"/>
4.  Scollegare e ricollegare il cavo USB<byte value="xd"/>
5.  Premere OK qui sotto.<byte value="xd"/>
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
        <translation>Per avviare Xsrvr sulla calcolatrice:<byte value="xd"/>
<byte value="xd"/>
Sulla %s:<byte value="xd"/>
   Premere shift destro, rilasciare, poi freccia destra<byte value="xd"/>
<byte value="xd"/>
Sulla ZQKAG(X):<byte value="xd"/>
   Premere shift destro, poi LIB, poi Xsrvr (lib)<byte value="xd"/>
   Premere Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Premere OK qui sotto per avviare la connessione.<byte value="xd"/>
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
        <translation>La memoria della calcolatrice è stata ripristinata,<byte value="xd"/>
ma possono servire alcuni minuti perché si riorganizzi<byte value="xd"/>
e sia pronta a ricevere comandi.<byte value="xd"/>
<byte value="xd"/>
Sulla calcolatrice:<byte value="xd"/>
  Premere VAR, poi eseguire FLAG per ripristinare tutti i flag.<byte value="xd"/>
<byte value="xd"/>
Per connettersi alla calcolatrice:<byte value="xd"/>
  Sulla calcolatrice, riavviare il server (XSrvr)<byte value="xd"/>
  Premere il pulsante &quot;Connetti&quot; qui sotto.<byte value="xd"/>
<byte value="xd"/>
Altrimenti premere Annulla.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Un&apos;altra cattura inizia quando la calcolatrice comincia a inviare.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Preparare la calcolatrice</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Attendere la calcolatrice</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>65205</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Connect...</source>
        <comment>65224</comment>
        <translation>Connetti...</translation>
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
è un file %2 e non corrisponde alla calcolatrice.<byte value="xd"/>
Ciò può danneggiare il contenuto della calcolatrice.<byte value="xd"/>
<byte value="xd"/>
Come inviare questo file?</translation>
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
è un file %2 e non corrisponde alla calcolatrice.<byte value="xd"/>
Ciò può danneggiare il contenuto della calcolatrice.<byte value="xd"/>
<byte value="xd"/>
Continuare?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>Tipo di file errato?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>BadFileNo</comment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Binary</source>
        <comment>BadFileBinary</comment>
        <translation>&amp;Binario</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <comment>BadFileText</comment>
        <translation>&amp;Testo</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>BadFileCancel</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <comment>ReplaceFileCaption</comment>
        <translation>Conferma sostituzione file</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>ReplaceFileYes</comment>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>ReplaceFileAll</comment>
        <translation>&amp;Tutti</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>ReplaceFileNo</comment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>ReplaceFileCancel</comment>
        <translation>Annulla</translation>
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
Questa cartella contiene già un file denominato %1.<byte value="xd"/>
<byte value="xd"/>
Sostituire il file esistente?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Puntatore di accesso</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Array</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Intero binario</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Complesso</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>TypeCode</comment>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Vorl</source>
        <comment>TypeVorl</comment>
        <translation>Vorl</translation>
    </message>
    <message>
        <source>String</source>
        <comment>TypeString</comment>
        <translation>Stringa</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Complesso lungo</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Reale lungo</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Oggetto dati di libreria</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Font</translation>
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
        <translation>Oggetto grafico</translation>
    </message>
    <message>
        <source>Hex String</source>
        <comment>TypeHexString</comment>
        <translation>Stringa esadecimale</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Nome globale</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Nome locale</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>TypeLibrary</comment>
        <translation>Libreria</translation>
    </message>
    <message>
        <source>List</source>
        <comment>TypeList</comment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Linked Array</source>
        <comment>TypeLinkedArray</comment>
        <translation>Array collegato</translation>
    </message>
    <message>
        <source>Real</source>
        <comment>TypeReal</comment>
        <translation>Reale</translation>
    </message>
    <message>
        <source>XLib</source>
        <comment>TypeXLib</comment>
        <translation>XLib</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>TypeDirectory</comment>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algebrico</translation>
    </message>
    <message>
        <source>Tagged</source>
        <comment>TypeTagged</comment>
        <translation>Oggetto etichettato</translation>
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
        <translation>Puntatore flash</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Intero</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Complesso InfP</translation>
    </message>
    <message>
        <source>InfP Real</source>
        <comment>TypeInfPReal</comment>
        <translation>Reale InfP</translation>
    </message>
    <message>
        <source>Matrix</source>
        <comment>TypeMatrix</comment>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Mini Font</source>
        <comment>TypeMiniFont</comment>
        <translation>Font mini</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>invia</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>preleva</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>conflitto</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>elimina sulla calcolatrice</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>elimina sul PC</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>uguale</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>salta</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>Nessun dispositivo rilevato. Controllare i collegamenti del cavo e la calcolatrice.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>La calcolatrice sta usando il server Kermit.

Arrestare la calcolatrice.
Rilasciare lo shift destro prima di premere la freccia destra.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Server errato</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>Nessun dispositivo connesso. Verificare che il server XModem sia attivo (shift destro, freccia destra)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Errore di connessione.
Controllare i collegamenti.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Errore (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Comando troppo lungo (%1 byte)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>Nessun oggetto della calcolatrice ricevuto per %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 non è un dispositivo seriale</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 è in uso da un altro programma</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>Impossibile configurare %1: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1: non si dispone dei permessi per aprirlo (permesso negato)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1: permesso negato; appartiene al gruppo %2: aggiungersi con &quot;sudo usermod -aG %2 $USER&quot;, quindi accedere di nuovo</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1: permesso negato; solo il proprietario %2 può aprirlo (il gruppo %3 non ha accesso in lettura e scrittura)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>Impossibile aprire il file %1 – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>Impossibile scrivere il file %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>Impossibile leggere il file %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>Impossibile leggere il file %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>Impossibile usare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Errore di decompilazione</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
Impossibile decompilare questo file.
La lunghezza è stata lasciata con il riempimento.
Il file potrebbe comunque essere corretto.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

non è un file di testo valido e non può essere inviato correttamente.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>Impossibile leggere la cattura dello schermo dalla calcolatrice.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>Le immagini JPEG non sono disponibili in questa versione; salvare la cattura come .png o .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>Codifica JPEG non riuscita</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>Compressione PNG non riuscita</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Preparare la calcolatrice</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>Il backup richiede che la ZQ%1 funzioni a
115200 baud (vedere IOPAR in VAR).

Cambiare temporaneamente la velocità per il backup?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>La cattura dello schermo richiede che la ZQ%1 funzioni a
115200 baud (vedere IOPAR in VAR).

Cambiare temporaneamente la velocità per la cattura dello schermo?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Nome di variabile non valido</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
non è un nome di variabile valido sulla calcolatrice.
Il comando o la connessione potrebbero non riuscire.

Continuare con il comando?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 non è un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 è un file vuoto, non un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 è un file di testo della calcolatrice, non un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 è un file di testo, non un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 è un file oggetto della calcolatrice, non un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 è un file oggetto della calcolatrice contenente un oggetto di tipo «%2», non un archivio di backup</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 è un archivio di backup di una calcolatrice %2, non della %3 connessa</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 è un archivio di backup troncato</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 è un archivio di backup troncato: %2 di %3 byte</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 è un file vuoto, non un&apos;immagine del sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 è un file oggetto della calcolatrice, non un&apos;immagine del sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 è un file di testo della calcolatrice, non un&apos;immagine del sistema operativo</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 è troppo grande per un&apos;immagine del sistema operativo: %2 byte, più dei %3 che la memoria flash della calcolatrice può contenere</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>Invio del programma di archiviazione</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>Prelievo dei dati di backup dal dispositivo</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>Ripristino da %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>Prelievo dell&apos;elenco dei file dal dispositivo</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>Cambio della directory corrente in %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Avvio della comunicazione sulla porta: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Dispositivo connesso su %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>Tentativo su %1</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>Apertura della porta %1</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>Invio del comando PUT</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>Copia di %1</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>Cattura dello schermo</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <comment>Connecting</comment>
        <translation>Connessione ...</translation>
    </message>
    <message>
        <source>%1/%2 bytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 bytes/s</source>
        <comment>ProgressBytes</comment>
        <translation>%1/%2 byte
(%3%)
%4 byte/s</translation>
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
        <translation>Impossibile prelevare %1 per confrontarlo</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>Nessuna directory %1 sulla calcolatrice</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>due file del PC hanno questo nome della calcolatrice</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>la calcolatrice ha una directory con questo nome</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>nuova cartella sul PC</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>nuova directory sulla calcolatrice</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>un nome che non può essere copiato in questa modalità</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>nuovo sul PC</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>nuovo sulla calcolatrice</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>eliminato sulla calcolatrice, modificato qui</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>eliminato sulla calcolatrice</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>eliminato sul PC, modificato sulla calcolatrice</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>eliminato sul PC</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>diverso su entrambi i lati, mai sincronizzato</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>modificato sulla calcolatrice</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>modificato sul PC</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>modificato allo stesso modo</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>modificato su entrambi i lati</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1; non prelevato in una sincronizzazione unidirezionale</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1; non inviato in una sincronizzazione unidirezionale</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1; mantenuto (--delete lo elimina)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1; prevale la copia della calcolatrice, quella del PC viene mantenuta come copia di conflitto</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1; prevale la copia del PC, quella della calcolatrice viene mantenuta come copia di conflitto</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Versione %1.%2 build %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(nessun permesso: gruppo %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1: non copiato dalla calcolatrice</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1: non inviato alla calcolatrice</translation>
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
è un file di tipo sconosciuto e non corrisponde alla calcolatrice.<byte value="xd"/>
Ciò può danneggiare il contenuto della calcolatrice.<byte value="xd"/>
<byte value="xd"/>
Come inviare questo file?</translation>
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
è un file di tipo sconosciuto e non corrisponde alla calcolatrice.<byte value="xd"/>
Ciò può danneggiare il contenuto della calcolatrice.<byte value="xd"/>
<byte value="xd"/>
Continuare?</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Nuova cartella</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Crea una nuova cartella.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Backup...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Esegue il backup delle variabili della calcolatrice.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Ripristina...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>Ripristina le variabili della calcolatrice.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>Sincroni&amp;zza cartella...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Mantiene uguali una cartella del PC e questa directory.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>E&amp;VAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>Esegue EVAL della variabile sulla calcolatrice</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Rimuove definitivamente dalla calcolatrice l&apos;elemento selezionato.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Rino&amp;mina</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>Rinomina l&apos;elemento selezionato.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietà</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>Mostra la dimensione e il tempo di copia dell&apos;elemento selezionato.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Connetti...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Modalità di trasferimento binaria</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Invia progetto (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>Invia server ZQKA (XRECV manuale)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Invia progetto (XRECV manuale)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Invia file alla calcolatrice (XRECV manuale)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Ricevi file sul PC (XSEND manuale)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Cattura schermo della calcolatrice...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Copia lo schermo della calcolatrice sul PC.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>SysVorl Command...</source>
        <translation>Comando SysVorl...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy as Text File</source>
        <translation>Copia come file di testo</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Preleva il file in forma di testo</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Modifica come testo</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Preleva il file in forma di testo e lo modifica</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>In&amp;verti selezione</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Icone &amp;grandi</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>&amp;Icone</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Elenco</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>Legge la directory dalla calcolatrice.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>&amp;Comando calcolatrice</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>Invia ROM alla calcolatrice...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>Aggiorna la ROM della calcolatrice da un file .bin.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Sommario e indice</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Argomento: Comunicazioni</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Argomento: File di testo</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Risoluzione dei problemi di connessione</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Linkwell</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Kit di connessione per calcolatrici delle serie ZQ KAg, ZQ KBg e ZQ KCg</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>Modifica di %1 — premere Fatto dopo aver salvato le modifiche</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Errore di modifica</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>Impossibile avviare l&apos;editor (%1)

oppure il file %2

non esiste.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>L&apos;editor è ancora in esecuzione. Le modifiche a

%1

non verranno inviate alla calcolatrice; il file resta dov&apos;è.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Errore di scrittura</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>Impossibile scrivere le modifiche sulla calcolatrice.

Le modifiche sono conservate in %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Albero delle directory</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>Le directory della calcolatrice. Selezionarne una per vederne le variabili.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Elenco delle variabili</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>Le variabili della directory selezionata con dimensioni e tipi.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Ultimo comando</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Versione della calcolatrice e memoria libera</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Porta:</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Selezionare una porta di comunicazione</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>La porta a cui è collegata la calcolatrice. &quot;Auto&quot; prova ogni porta.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Selezionare una velocità di comunicazione.  (ignorata con USB)</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>La velocità della linea seriale; deve corrispondere all&apos;impostazione della calcolatrice.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Premere per disconnettere e avviare la cattura dello schermo.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Text transfer mode, press for binary mode</source>
        <translation>Modalità di trasferimento testo; premere per la modalità binaria</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Modalità di trasferimento binaria; premere per la modalità testo</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Disconnetti dalla calcolatrice.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Connessione rapida alla calcolatrice.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Copy (Text)</source>
        <translation>Copia (testo)</translation>
    </message>
    <message>
        <source>Copy (Binary)</source>
        <translation>Copia (binario)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>Chiude la porta di comunicazione con la calcolatrice.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Mostra la finestra di dialogo e apre la porta di comunicazione con la calcolatrice.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Mem. libera: %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Un comando è ancora in esecuzione.

Annullarlo e chiudere?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Preparare la calcolatrice</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>Le variabili tagliate sono conservate in %1 finché non vengono incollate</translation>
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
è un file di backup della calcolatrice.<byte value="xd"/>
Proseguendo si cancellerà il contenuto attuale della calcolatrice.<byte value="xd"/>
<byte value="xd"/>
Continuare il ripristino?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>Cancellare la calcolatrice?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Archivia la calcolatrice sul PC</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>Archivi ZQ (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>File ZQ (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>Backup in %1 non riuscito; il file non è stato scritto.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>Ripristino da %1 non riuscito.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>Invia ROM</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>File ROM (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Errore di invio</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>Invio del file ROM
%1
non riuscito.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Invia file alla calcolatrice</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 non è stato inviato alla calcolatrice.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Ricevi file sul PC</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>Non è stato ricevuto nulla dalla calcolatrice; %1 non è stato scritto.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Annullato dall&apos;utente</translation>
    </message>
</context>
<context>
    <name>lw::gui::DeleteQuestion</name>
    <message>
        <source>the variable %1</source>
        <translation>la variabile %1</translation>
    </message>
    <message numerus="yes">
        <source>%n variables</source>
        <translation>
            <numerusform>%n variabile</numerusform>
            <numerusform>%n variabili</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder %1 with everything in it</source>
        <translation>la cartella %1 con tutto il contenuto</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n cartella con tutto il contenuto</numerusform>
            <numerusform>%n cartelle con tutto il contenuto</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>Eliminare %1 dalla calcolatrice?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>Eliminare %1 e %2 dalla calcolatrice?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Byte</translation>
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
        <translation>Impossibile conservare la variabile tagliata in %1; resta in %2</translation>
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
        <translation>File JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>File PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Cattura dello schermo</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Schermo catturato</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con &amp;nome...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>Salva l&apos;immagine in un file</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Salva ogni cattura in una cartella…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Salva ogni cattura successiva come file PNG numerato in una cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Chiude la finestra di cattura</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copia l&apos;immagine negli appunti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Mostra cornice</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>Applica/rimuove le opzioni di cornice e spazio</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Dimensione della cornice nera aggiunta</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Aggiungi spazio</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Spazio bianco tra la cornice e la cattura dello schermo</translation>
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
        <translation>Imposta la dimensione della finestra di cattura</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>&amp;Adatta la finestra all&apos;immagine</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>Adatta la dimensione della finestra all&apos;immagine catturata</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>Elaborazione dell&apos;immagine</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiato negli appunti</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Salva schermo catturato</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Ogni cattura viene salvata in %1</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Salva ogni cattura in una cartella</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato: %1</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmStatus</name>
    <message>
        <source>Cancel    </source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmndStatus</name>
    <message>
        <source>Calculator is Working</source>
        <translation>La calcolatrice è al lavoro</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>La calcolatrice è occupata; attendere che completi i comandi.

Si può premere Annulla per fermare il lato PC della connessione, ma la calcolatrice proseguirà da sola.</translation>
    </message>
    <message>
        <source>Cancel   </source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCnctStatus</name>
    <message>
        <source>Looking for Calculator</source>
        <translation>Ricerca della calcolatrice</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Mostra istruzioni per una calcolatrice in</translation>
    </message>
    <message>
        <source>ALG Mode</source>
        <translation>Modalità ALG</translation>
    </message>
    <message>
        <source>RPN Mode</source>
        <translation>Modalità RPN</translation>
    </message>
    <message>
        <source>Cancel    </source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFLogForm</name>
    <message>
        <source>LogForm</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Cancella registro</translation>
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
        <translation>Opzioni dei file</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Conversione dei file di testo della calcolatrice</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1: Nessuna conversione</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>Non convertire i caratteri ZQ</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2: Converti codici 128-159</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>Converte i caratteri ZQ 128-159 in trigrammi o nella forma \nnn</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3: Converti codici 128-255</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>Converte i caratteri ZQ 128-255 in trigrammi o nella forma \nnn</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Converti codici 0-31 e 127, tranne LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Converte anche i codici da 0 a 31 e 127 nella forma \nnn.  L&apos;avanzamento riga (10) non viene convertito.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>Aggiungi CR agli avanzamenti riga</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Aggiunge un ritorno a capo (x0D) dopo ogni avanzamento riga.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Editor per i file di testo della calcolatrice</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Riga di comando dell&apos;editor di testo.  Usare &quot; se il percorso contiene spazi.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Aggiungi l&apos;estensione .zq ai nomi dei file</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>Usa l&apos;estensione .zq per i file binari</translation>
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
        <source>Editor Program</source>
        <translation>Programma editor</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programmi (*)</translation>
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
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Nome/i dei file</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Dimensione totale</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Tempo di trasferimento stimato</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>Sincronizza %1 con %2</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>Che cosa farà la sincronizzazione, riga per riga (togliere la spunta a una riga per escluderla):</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Piano di sincronizzazione</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
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
        <translation>In caso di &amp;conflitto:</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Mantieni la copia della calcolatrice</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Mantieni la copia del PC</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Sincronizza</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>niente da fare</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1; esclusi %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>Sincronizza %1 con cartella</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>Sincronizzazione interrotta: %1.
Ciò che è stato fatto è registrato; sincronizzare di nuovo per completare.</translation>
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
                    - -  ATTENZIONE  - -<byte value="xd"/>
<byte value="xd"/>
Alcuni comandi possono disconnettere la<byte value="xd"/>
calcolatrice o modificare la struttura delle<byte value="xd"/>
directory.  Prestare molta attenzione!<byte value="xd"/>
<byte value="xd"/>
Premere F5 per aggiornare la finestra principale.<byte value="xd"/>
<byte value="xd"/>
Premendo solo ENTER nella casella dei comandi<byte value="xd"/>
si aggiorna lo stack.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Comandi della calcolatrice</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Immagine dello stack</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Cronologia dei comandi.  Fare clic con il pulsante destro per il menu.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Aggiorna automaticamente l&apos;immagine dello stack</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Aggiorna lo stack dopo ogni comando</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Comando:</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>Digitare un comando RPN e premere ENTER</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>Aggiorna i dati dello stack</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>Invia il comando alla calcolatrice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Guida di Linkwell</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>La pagina della guida %1 non è installata.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>Impossibile salvare le impostazioni: impossibile scrivere %1 (cartella di sola lettura o disco pieno). È stato mantenuto il file di impostazioni precedente.</translation>
    </message>
</context>
</TS>
