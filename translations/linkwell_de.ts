<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Verbindet sich mit einem ZQ-Grafiktaschenrechner und verwaltet seinen Speicher.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>Den simulierten Taschenrechner in diesem Prozess starten und sich mit ihm verbinden.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>Die Fenster in dieser Sprache zeigen (nl, fr, de, pt, es, it oder en) statt in der des Gebietsschemas des Systems.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>Die anzubietenden Anschlüsse, einer pro Zeile (ein einzelner Gerätepfad geht auch); sind Anschlüsse angegeben, verbindet sich das Programm beim Start.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[Anschlüsse]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell: keine Übersetzung für die Sprache „%1“, Englisch wird verwendet</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell: der Demo-Taschenrechner kann nicht starten: %1</translation>
    </message>
</context>
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
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Zugriffszeiger</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Array</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Binäre Ganzzahl</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Komplexe Zahl</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>TypeCode</comment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Vorl</source>
        <comment>TypeVorl</comment>
        <translation>Vorl</translation>
    </message>
    <message>
        <source>String</source>
        <comment>TypeString</comment>
        <translation>Zeichenkette</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Lange komplexe Zahl</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Lange reelle Zahl</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Bibliotheksdatenobjekt</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Schriftart</translation>
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
        <translation>Grafikobjekt</translation>
    </message>
    <message>
        <source>Hex String</source>
        <comment>TypeHexString</comment>
        <translation>Hex-Zeichenkette</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Globaler Name</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Lokaler Name</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>TypeLibrary</comment>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>List</source>
        <comment>TypeList</comment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Linked Array</source>
        <comment>TypeLinkedArray</comment>
        <translation>Verknüpftes Array</translation>
    </message>
    <message>
        <source>Real</source>
        <comment>TypeReal</comment>
        <translation>Reelle Zahl</translation>
    </message>
    <message>
        <source>XLib</source>
        <comment>TypeXLib</comment>
        <translation>XLib</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>TypeDirectory</comment>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algebraischer Ausdruck</translation>
    </message>
    <message>
        <source>Tagged</source>
        <comment>TypeTagged</comment>
        <translation>Markiertes Objekt</translation>
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
        <translation>Flash-Zeiger</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Ganzzahl</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Komplexe Zahl (InfP)</translation>
    </message>
    <message>
        <source>InfP Real</source>
        <comment>TypeInfPReal</comment>
        <translation>Reelle Zahl (InfP)</translation>
    </message>
    <message>
        <source>Matrix</source>
        <comment>TypeMatrix</comment>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Mini Font</source>
        <comment>TypeMiniFont</comment>
        <translation>Mini-Schriftart</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>senden</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>holen</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>auf dem Taschenrechner löschen</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>auf dem PC löschen</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>gleich</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>überspringen</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>Kein Gerät gefunden. Prüfen Sie die Kabelverbindungen und den Taschenrechner.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>Der Taschenrechner verwendet den Kermit-Server.

Halten Sie den Taschenrechner an.
Lassen Sie Rechts-Shift los, bevor Sie Pfeil rechts drücken.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Falscher Server</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>Kein Gerät verbunden. Prüfen Sie, ob der XModem-Server läuft (Rechts-Shift, Pfeil rechts)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Verbindungsfehler.
Bitte prüfen Sie Ihre Verbindungen.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Fehler (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Befehl zu lang (%1 Bytes)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>Kein Objekt des Taschenrechners für %1 empfangen</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 ist kein serielles Gerät</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>%1 kann nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1: Sie dürfen es nicht öffnen (Zugriff verweigert)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1: Zugriff verweigert; es gehört der Gruppe %2: Fügen Sie sich mit „sudo usermod -aG %2 $USER“ hinzu und melden Sie sich dann neu an</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1: Zugriff verweigert; nur der Eigentümer %2 darf es öffnen (die Gruppe %3 hat kein Lese- und Schreibrecht)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>Datei %1 kann nicht geöffnet werden – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>Datei %1 kann nicht geschrieben werden – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>Aus Datei %1 kann nicht gelesen werden – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>Aus Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Dekompilierfehler</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
Diese Datei kann nicht dekompiliert werden.
Die Länge wurde samt Auffüllung belassen.
Die Datei kann trotzdem in Ordnung sein.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

ist keine gültige Textdatei und kann nicht richtig gesendet werden.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>Die Bildschirmaufnahme konnte nicht vom Taschenrechner gelesen werden.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>JPEG-Bilder sind in dieser Version nicht verfügbar; speichern Sie die Aufnahme als .png oder .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>JPEG-Kodierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>PNG-Komprimierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Taschenrechner vorbereiten</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>Für die Sicherung muss der ZQ%1 mit
115200 Baud arbeiten (siehe IOPAR in VAR).

Darf die Geschwindigkeit für die Sicherung vorübergehend geändert werden?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>Für die Bildschirmaufnahme muss der ZQ%1 mit
115200 Baud arbeiten (siehe IOPAR in VAR).

Darf die Geschwindigkeit für die Bildschirmaufnahme vorübergehend geändert werden?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Ungültiger Variablenname</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
ist auf dem Taschenrechner kein gültiger Variablenname.
Der Befehl oder die Verbindung kann dadurch fehlschlagen.

Mit dem Befehl fortfahren?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 ist kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 ist eine leere Datei, kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 ist eine Textdatei des Taschenrechners, kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 ist eine Textdatei, kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 ist eine Objektdatei des Taschenrechners, kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 ist eine Objektdatei des Taschenrechners mit einem Objekt vom Typ „%2“, kein Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 ist ein Sicherungsarchiv eines %2-Taschenrechners, nicht des verbundenen %3</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 ist ein unvollständiges Sicherungsarchiv</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 ist ein unvollständiges Sicherungsarchiv: %2 von %3 Bytes</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 ist eine leere Datei, kein Betriebssystem-Abbild</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 ist eine Objektdatei des Taschenrechners, kein Betriebssystem-Abbild</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 ist eine Textdatei des Taschenrechners, kein Betriebssystem-Abbild</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 ist zu groß für ein Betriebssystem-Abbild: %2 Bytes, mehr als die %3, die der Flash-Speicher des Taschenrechners fasst</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>Archivprogramm wird gesendet</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>Sicherungsdaten werden vom Gerät geholt</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>Wiederherstellen aus %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>Dateiliste wird vom Gerät geholt</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>Wechsel in das Verzeichnis %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Verbindungsaufbau am Anschluss: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Gerät verbunden an %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>Versuche %1</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>Öffne Anschluss %1</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>PUT-Befehl wird gesendet</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>Kopiere %1</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>Bildschirm wird aufgenommen</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <comment>Connecting</comment>
        <translation>Verbinden ...</translation>
    </message>
    <message>
        <source>%1/%2 bytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 bytes/s</source>
        <comment>ProgressBytes</comment>
        <translation>%1/%2 Bytes
(%3%)
%4 Bytes/s</translation>
    </message>
    <message>
        <source>%1/%2 Kbytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 Kbytes/s</source>
        <comment>ProgressKbytes</comment>
        <translation>%1/%2 KByte
(%3%)
%4 KByte/s</translation>
    </message>
    <message>
        <source>Could not fetch %1 to compare it</source>
        <comment>SyncFetchFailed</comment>
        <translation>%1 konnte zum Vergleichen nicht geholt werden</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>Kein Verzeichnis %1 auf dem Taschenrechner</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>zwei PC-Dateien haben diesen Taschenrechnernamen</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>der Taschenrechner hat ein Verzeichnis dieses Namens</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>neuer Ordner auf dem PC</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>neues Verzeichnis auf dem Taschenrechner</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>ein Name, der in diesem Modus nicht kopiert werden kann</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>neu auf dem PC</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>neu auf dem Taschenrechner</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>auf dem Taschenrechner gelöscht, hier geändert</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>auf dem Taschenrechner gelöscht</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>auf dem PC gelöscht, auf dem Taschenrechner geändert</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>auf dem PC gelöscht</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>auf beiden Seiten verschieden, nie synchronisiert</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>auf dem Taschenrechner geändert</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>auf dem PC geändert</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>gleich geändert</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>auf beiden Seiten geändert</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1; bei einseitiger Synchronisierung nicht geholt</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1; bei einseitiger Synchronisierung nicht gesendet</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1; behalten (--delete löscht es)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1; die Kopie des Taschenrechners gewinnt, die des PCs bleibt als Konfliktkopie erhalten</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1; die Kopie des PCs gewinnt, die des Taschenrechners bleibt als Konfliktkopie erhalten</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Version %1.%2 Build %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(keine Berechtigung: Gruppe %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1: nicht vom Taschenrechner kopiert</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1: nicht an den Taschenrechner gesendet</translation>
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
ist eine Datei unbekannter Art und passt nicht zum Taschenrechner.<byte value="xd"/>
Dies kann den Inhalt des Taschenrechners beschädigen.<byte value="xd"/>
<byte value="xd"/>
Wie soll diese Datei gesendet werden?</translation>
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
ist eine Datei unbekannter Art und passt nicht zum Taschenrechner.<byte value="xd"/>
Dies kann den Inhalt des Taschenrechners beschädigen.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie fortfahren?</translation>
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
    <message>
        <source>Canceled by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
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
