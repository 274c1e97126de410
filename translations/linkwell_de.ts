<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CoreTexts</name>
    <message>
        <source>ZQKAGII ZQKBg and ZQKCg series</source>
        <comment>65165</comment>
        <translation>ZQKAGII-, ZQKBg- und ZQKCg-Serie</translation>
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
        <translation>So starten Sie Xsrvr auf dem Taschenrechner:<byte value="xd"/>
<byte value="xd"/>
Bei der %s:<byte value="xd"/>
   Rechts-Shift drücken, loslassen, dann Pfeil rechts<byte value="xd"/>
   und dann ENTER<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
   Rechts-Shift, dann LIB, dann Xsrvr (lib) drücken<byte value="xd"/>
   Xsrvr (Befehl) drücken<byte value="xd"/>
<byte value="xd"/>
Klicken Sie unten auf OK, um die Verbindung zu starten.<byte value="xd"/>
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
        <translation>Bei der %s:<byte value="xd"/>
1.  XRECV drücken oder XRECV Links-Shift () eingeben<byte value="xd"/>
2.  &apos;  ALPHA  X  eingeben (oder einen anderen Namen)<byte value="xd"/>
3.  ENTER drücken<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
1.  &apos;  ALPHA  X  eingeben (oder einen anderen Namen)<byte value="xd"/>
2.  Links-Shift   I/O   NXT   XRECV drücken<byte value="xd"/>
<byte value="xd"/>
Der Empfangsbefehl sollte starten.<byte value="xd"/>
Die Übertragung beginnt, sobald der Taschenrechner einen Start sendet.<byte value="xd"/>
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
        <translation>Bei der %s:<byte value="xd"/>
1.  XSEND drücken oder XSEND Links-Shift () eingeben<byte value="xd"/>
2.  &apos; und den Namen des zu sendenden Elements eingeben<byte value="xd"/>
3.  ENTER drücken<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
1.  &apos; und den Namen des zu sendenden Elements eingeben<byte value="xd"/>
2.  XSEND drücken<byte value="xd"/>
<byte value="xd"/>
Der Sendebefehl sollte starten.<byte value="xd"/>
Klicken Sie unten auf OK.<byte value="xd"/>
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
        <translation>Beim ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  &apos; ALPHA  X   eingeben (oder einen anderen Namen)<byte value="xd"/>
2.  Links-Shift   I/O   NXT   XRECV drücken<byte value="xd"/>
3.  Der Empfangsbefehl sollte starten.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Die Übertragung beginnt, sobald der Taschenrechner einen Start sendet.<byte value="xd"/>
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
        <translation>Beim ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Der Server sollte jetzt in der Variablen &apos;X&apos; stehen<byte value="xd"/>
     (oder unter dem Namen, den Sie verwendet haben)<byte value="xd"/>
2.  VAR  und dann  X drücken, um die Bibliothek auf den<byte value="xd"/>
     Stack zu legen<byte value="xd"/>
3.  0 (oder 1)  STO  eingeben, um sie in Port 0 (oder 1) zu speichern<byte value="xd"/>
4.  Den ZQ-KA aus- und wieder einschalten<byte value="xd"/>
5.  Rechts-Shift   LIBRARY  drücken<byte value="xd"/>
6.  Das Menü XSRVR enthält den<byte value="xd"/>
     XModem-Server<byte value="xd"/>
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
        <translation>Bildschirm des Taschenrechners vorbereiten, dann<byte value="xd"/>
<byte value="xd"/>
Bei der %s:<byte value="xd"/>
   ON und Pfeil oben drücken<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
   ON und 1 drücken<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Die Aufnahme beginnt, sobald der Taschenrechner zu senden beginnt.<byte value="xd"/>
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
        <translation>Bei der %s:<byte value="xd"/>
1.  &apos;  ALPHA  X  eingeben (oder einen anderen Namen)<byte value="xd"/>
2.  XRECV drücken<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
1.  &apos;  ALPHA  X  eingeben (oder einen anderen Namen)<byte value="xd"/>
2.  Links-Shift   I/O   NXT   XRECV drücken<byte value="xd"/>
<byte value="xd"/>
Der Empfangsbefehl sollte starten.<byte value="xd"/>
Die Übertragung beginnt, sobald der Taschenrechner einen Start sendet.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>Auf dem Taschenrechner:<byte value="xd"/>
<byte value="xd"/>
1.  Die Datei sollte jetzt in der Variablen &apos;X&apos; stehen<byte value="xd"/>
     (oder unter dem Namen, den Sie verwendet haben)<byte value="xd"/>
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
        <translation>Bei der %s:<byte value="xd"/>
1.  &apos; und den Namen des zu sendenden Elements eingeben<byte value="xd"/>
2.  XSEND drücken<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
1.  &apos; und den Namen des zu sendenden Elements eingeben<byte value="xd"/>
2.  XSEND drücken<byte value="xd"/>
<byte value="xd"/>
Der Sendebefehl sollte starten.<byte value="xd"/>
Klicken Sie unten auf OK.<byte value="xd"/>
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
        <translation>Auf dem Taschenrechner:<byte value="xd"/>
<byte value="xd"/>
1.  + und - (3 Sek.) gedrückt halten und dabei RESET drücken<byte value="xd"/>
2.  1 drücken, um OS/ROM zu laden<byte value="xd"/>
3.  1 für USB drücken<byte value="xd"/>
4.  USB-Kabel abziehen und wieder einstecken<byte value="xd"/>
5.  Klicken Sie unten auf OK.<byte value="xd"/>
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
        <translation>So starten Sie Xsrvr auf dem Taschenrechner:<byte value="xd"/>
<byte value="xd"/>
Bei der %s:<byte value="xd"/>
   Rechts-Shift drücken, loslassen, dann Pfeil rechts<byte value="xd"/>
<byte value="xd"/>
Beim ZQKAG(X):<byte value="xd"/>
   Rechts-Shift, dann LIB, dann Xsrvr (lib) drücken<byte value="xd"/>
   Xsrvr (Befehl) drücken<byte value="xd"/>
<byte value="xd"/>
Klicken Sie unten auf OK, um die Verbindung zu starten.<byte value="xd"/>
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
        <translation>Der Speicher des Taschenrechners wurde wiederhergestellt,<byte value="xd"/>
aber es kann einige Minuten dauern, bis er neu geordnet<byte value="xd"/>
und für Befehle bereit ist.<byte value="xd"/>
<byte value="xd"/>
Auf dem Taschenrechner:<byte value="xd"/>
  VAR drücken und FLAG ausführen, um alle Flags wiederherzustellen.<byte value="xd"/>
<byte value="xd"/>
So verbinden Sie sich mit dem Taschenrechner:<byte value="xd"/>
  Starten Sie auf dem Taschenrechner den Server neu (XSrvr)<byte value="xd"/>
  Klicken Sie unten auf die Schaltfläche &quot;Verbinden&quot;.<byte value="xd"/>
<byte value="xd"/>
Klicken Sie andernfalls auf ABBRECHEN.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Eine weitere Aufnahme beginnt, sobald der Taschenrechner zu senden beginnt.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Taschenrechner vorbereiten</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Auf den Taschenrechner warten</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>65205</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Connect...</source>
        <comment>65224</comment>
        <translation>Verbinden...</translation>
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
ist eine %2-Datei und passt nicht zum Taschenrechner.<byte value="xd"/>
Dies kann den Inhalt des Taschenrechners beschädigen.<byte value="xd"/>
<byte value="xd"/>
Wie soll diese Datei gesendet werden?</translation>
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
ist eine %2-Datei und passt nicht zum Taschenrechner.<byte value="xd"/>
Dies kann den Inhalt des Taschenrechners beschädigen.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>Falscher Dateityp?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>BadFileNo</comment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Binary</source>
        <comment>BadFileBinary</comment>
        <translation>&amp;Binär</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <comment>BadFileText</comment>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>BadFileCancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <comment>ReplaceFileCaption</comment>
        <translation>Ersetzen der Datei bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>ReplaceFileYes</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>ReplaceFileAll</comment>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>ReplaceFileNo</comment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>ReplaceFileCancel</comment>
        <translation>Abbrechen</translation>
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
Dieser Ordner enthält bereits eine Datei namens %1.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die vorhandene Datei ersetzen?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Einen neuen Ordner anlegen.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Sichern...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Die Variablen des Taschenrechners sichern.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>Die Variablen des Taschenrechners wiederherstellen.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>Ordner s&amp;ynchronisieren...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Einen Ordner auf dem PC und dieses Verzeichnis gleich halten.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>&amp;EVAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>Die Variable auf dem Taschenrechner mit EVAL ausführen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Das gewählte Element endgültig vom Taschenrechner löschen.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>Das gewählte Element umbenennen.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>Größe und Kopierdauer des gewählten Elements anzeigen.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Binärer Übertragungsmodus</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Projekt senden (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>ZQKA-Server senden (manuell XRECV)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Projekt senden (manuell XRECV)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Datei senden (manuell XRECV)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Datei holen (manuell XSEND)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Bildschirm des Taschenrechners aufnehmen...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Den Bildschirm des Taschenrechners auf den PC kopieren.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>SysVorl Command...</source>
        <translation>SysVorl-Befehl...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy as Text File</source>
        <translation>Als Textdatei kopieren</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Die Datei als Text holen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Als Text bearbeiten</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Die Datei als Text holen und bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>Auswahl &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>Sy&amp;mbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>L&amp;iste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ak&amp;tualisieren</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>Das Verzeichnis neu vom Taschenrechner lesen.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>Taschenrechner-&amp;Befehl</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>ROM an den Taschenrechner senden...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>Das ROM des Taschenrechners aus einer .bin-Datei aktualisieren.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Inhalt und Index</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Thema Kommunikation</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Thema Textdateien</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Fehlerbehebung bei Verbindungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Verbindungskit für Taschenrechner der Serien ZQ KAg, ZQ KBg und ZQ KCg</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>%1 wird bearbeitet — klicken Sie auf Fertig, wenn Sie Ihre Änderungen gespeichert haben</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Fehler beim Bearbeiten</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>Der Editor (%1) kann nicht gestartet werden

oder die Datei %2

fehlt.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>Der Editor läuft noch. Änderungen an

%1

werden nicht an den Taschenrechner gesendet; die Datei bleibt dort.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>Die Änderungen können nicht auf den Taschenrechner geschrieben werden.

Die Änderungen bleiben erhalten in %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Verzeichnisbaum</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>Die Verzeichnisse des Taschenrechners. Wählen Sie eines, um seine Variablen zu sehen.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Variablenliste</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>Die Variablen des gewählten Verzeichnisses mit Größe und Typ.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Letzter Befehl</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Version und freier Speicher des Taschenrechners</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Anschluss:</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Kommunikationsanschluss wählen</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>Der Anschluss, an dem der Taschenrechner hängt. „Auto“ versucht jeden Anschluss.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Übertragungsgeschwindigkeit wählen (bei USB ohne Wirkung).</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>Die Geschwindigkeit der seriellen Leitung; sie muss der Einstellung des Taschenrechners entsprechen.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Klicken, um zu trennen und die Bildschirmaufnahme zu starten.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Text transfer mode, press for binary mode</source>
        <translation>Text-Übertragung; klicken für Binärmodus</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Binäre Übertragung; klicken für Textmodus</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Vom Taschenrechner trennen.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Schnell mit dem Taschenrechner verbinden.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Copy (Text)</source>
        <translation>Kopieren (Text)</translation>
    </message>
    <message>
        <source>Copy (Binary)</source>
        <translation>Kopieren (binär)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>Den Kommunikationsanschluss zum Taschenrechner schließen.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Dialog anzeigen und den Kommunikationsanschluss zum Taschenrechner öffnen.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Freier Sp.: %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Ein Befehl läuft noch.

Abbrechen und schließen?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Taschenrechner vorbereiten</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>Ausgeschnittene Variablen werden bis zum Einfügen aufbewahrt in %1</translation>
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
ist eine Sicherungsdatei eines Taschenrechners.<byte value="xd"/>
Wenn Sie fortfahren, wird der aktuelle Inhalt des Taschenrechners gelöscht.<byte value="xd"/>
<byte value="xd"/>
Mit der Wiederherstellung fortfahren?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>Taschenrechner löschen?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Taschenrechner auf PC archivieren</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>ZQ-Archive (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>ZQ-Dateien (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>Sicherung nach %1 fehlgeschlagen; die Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>Wiederherstellung aus %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>ROM senden</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>ROM-Dateien (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Fehler beim Senden</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>Senden der ROM-Datei
%1
fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Datei an Taschenrechner senden</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 wurde nicht an den Taschenrechner gesendet.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Datei auf PC holen</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>Vom Taschenrechner wurde nichts empfangen; %1 wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>lw::gui::DeleteQuestion</name>
    <message>
        <source>the variable %1</source>
        <translation>die Variable %1</translation>
    </message>
    <message numerus="yes">
        <source>%n variables</source>
        <translation>
            <numerusform>%n Variable</numerusform>
            <numerusform>%n Variablen</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder %1 with everything in it</source>
        <translation>den Ordner %1 mit seinem gesamten Inhalt</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n Ordner mit seinem gesamten Inhalt</numerusform>
            <numerusform>%n Ordner mit ihrem gesamten Inhalt</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>Möchten Sie %1 vom Taschenrechner löschen?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>Möchten Sie %1 und %2 vom Taschenrechner löschen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDragDrop</name>
    <message>
        <source>Cannot keep the cut variable in %1; it stays in %2</source>
        <translation>Die ausgeschnittene Variable kann nicht in %1 aufbewahrt werden; sie bleibt in %2</translation>
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
        <translation>JPEG-Dateien (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Aufgenommener Bildschirm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>Das Bild in einer Datei speichern</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Jede Aufnahme in Ordner speichern…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Jede weitere Aufnahme als nummerierte PNG-Datei in einem Ordner speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Das Aufnahmefenster schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Rahmen anzeigen</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>Rahmen- und Abstandsoptionen anwenden oder entfernen</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Breite des hinzugefügten schwarzen Rahmens</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Abstand hinzufügen</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Weißer Abstand zwischen Rahmen und Bildschirmaufnahme</translation>
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
        <translation>Größe des Aufnahmefensters festlegen</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>&amp;Fenster an Bild anpassen</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>Die Fenstergröße an das aufgenommene Bild anpassen</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>Bild wird verarbeitet</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Aufgenommenen Bildschirm speichern</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Jede Aufnahme wird in %1 gespeichert</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Jede Aufnahme in Ordner speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmStatus</name>
    <message>
        <source>Cancel    </source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmndStatus</name>
    <message>
        <source>Calculator is Working</source>
        <translation>Taschenrechner arbeitet</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>Der Taschenrechner ist beschäftigt. Bitte warten Sie, bis er die Befehle ausgeführt hat.

Sie können auf ABBRECHEN klicken, um die Verbindung auf der PC-Seite zu beenden; der Taschenrechner arbeitet jedoch allein weiter.</translation>
    </message>
    <message>
        <source>Cancel   </source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCnctStatus</name>
    <message>
        <source>Looking for Calculator</source>
        <translation>Taschenrechner wird gesucht</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Anweisungen für einen Taschenrechner im</translation>
    </message>
    <message>
        <source>ALG Mode</source>
        <translation>ALG-Modus</translation>
    </message>
    <message>
        <source>RPN Mode</source>
        <translation>RPN-Modus</translation>
    </message>
    <message>
        <source>Cancel    </source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFLogForm</name>
    <message>
        <source>LogForm</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Protokoll leeren</translation>
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
        <translation>Dateioptionen</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Textdateien des Taschenrechners umsetzen</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1: Keine Umsetzung</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>ZQ-Zeichen nicht umsetzen</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2: Codes 128-159 umsetzen</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>ZQ-Zeichen 128-159 in Trigraphen oder die Form \nnn umsetzen</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3: Codes 128-255 umsetzen</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>ZQ-Zeichen 128-255 in Trigraphen oder die Form \nnn umsetzen</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Codes 0-31, 127 umsetzen, außer LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Auch die Codes 0 bis 31 und 127 in die Form \nnn umsetzen. Der Zeilenvorschub (10) wird nicht umgesetzt.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>CR an Zeilenvorschübe anfügen</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Nach jedem Zeilenvorschub einen Wagenrücklauf (x0D) einfügen.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Editor für Textdateien des Taschenrechners</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Befehlszeile des Texteditors. Verwenden Sie &quot;, wenn der Dateipfad Leerzeichen enthält.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Befehl:</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Endung .zq an Dateinamen anfügen</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>Die Endung .zq für Binärdateien verwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Editor Program</source>
        <translation>Editorprogramm</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programme (*)</translation>
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
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Dateiname(n)</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Gesamtgröße der Dateien</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Geschätzte Übertragungsdauer</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>%1 mit %2 synchronisieren</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>Was die Synchronisierung tun wird, Zeile für Zeile (Häkchen entfernen, um eine Zeile auszulassen):</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Synchronisationsplan</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>In a &amp;conflict:</source>
        <translation>Bei einem &amp;Konflikt:</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Kopie des Taschenrechners behalten</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Kopie des PCs behalten</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Synchronisieren</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nichts zu tun</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1; ausgelassen: %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>%1 mit Ordner synchronisieren</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>Synchronisierung abgebrochen: %1.
Das bereits Erledigte ist festgehalten; synchronisieren Sie erneut, um sie abzuschließen.</translation>
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
                      - -  WARNUNG  - -<byte value="xd"/>
<byte value="xd"/>
Manche Befehle können die Verbindung zum<byte value="xd"/>
Taschenrechner trennen oder die Verzeichnisstruktur<byte value="xd"/>
ändern.  Seien Sie sehr vorsichtig!<byte value="xd"/>
<byte value="xd"/>
Mit F5 lässt sich das Hauptfenster aktualisieren.<byte value="xd"/>
<byte value="xd"/>
ENTER allein im Befehlsfeld<byte value="xd"/>
aktualisiert den Stack.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Taschenrechner-Befehle</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Stack-Anzeige</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Befehlsverlauf. Rechtsklick für das Menü.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Stack-Anzeige automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Stack nach jedem Befehl aktualisieren</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>RPN-Befehl eingeben, Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>Die Stack-Daten aktualisieren</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>Den Befehl an den Taschenrechner senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Linkwell-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>Die Hilfeseite %1 ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1 kann nicht geschrieben werden (schreibgeschützter Ordner oder Datenträger voll). Die bisherige Einstellungsdatei wurde beibehalten.</translation>
    </message>
</context>
</TS>
