<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
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
</TS>
