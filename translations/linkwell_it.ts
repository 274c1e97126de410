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
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>Impossibile salvare le impostazioni: impossibile scrivere %1 (cartella di sola lettura o disco pieno). È stato mantenuto il file di impostazioni precedente.</translation>
    </message>
</context>
</TS>
