<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Maakt verbinding met een grafische ZQ-rekenmachine en beheert het geheugen ervan.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>De gesimuleerde rekenmachine in dit proces starten en ermee verbinden.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>De vensters in deze taal tonen (nl, fr, de, pt, es, it of en) in plaats van die van de landinstelling van het systeem.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>De aan te bieden poorten, één per regel (één apparaatpad werkt ook); zijn er poorten opgegeven, dan maakt het programma bij het starten verbinding.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[poorten]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell: geen vertaling voor de taal &quot;%1&quot;, Engels wordt gebruikt</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell: de demorekenmachine kan niet starten: %1</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>ZQKAGII ZQKBg and ZQKCg series</source>
        <comment>65165</comment>
        <translation>ZQKAGII-, ZQKBg- en ZQKCg-serie</translation>
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
        <translation>De Xsrvr op de rekenmachine starten:<byte value="xd"/>
<byte value="xd"/>
Op de %s:<byte value="xd"/>
   Druk op rechter shift, laat los, dan op pijl rechts<byte value="xd"/>
   en dan op ENTER<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
   Druk op rechter shift, dan LIB, dan Xsrvr (lib)<byte value="xd"/>
   Druk op Xsrvr (opdracht)<byte value="xd"/>
<byte value="xd"/>
Klik hieronder op OK om de verbinding te starten.<byte value="xd"/>
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
        <translation>Op de %s:<byte value="xd"/>
1.  Druk op XRECV of typ XRECV linker shift ()<byte value="xd"/>
2.  Typ  &apos;  ALPHA  X  (of een andere naam)<byte value="xd"/>
3.  Druk op  ENTER<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
1.  Typ  &apos;  ALPHA  X  (of een andere naam)<byte value="xd"/>
2.  Druk op linker shift   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
De ontvangstopdracht hoort te starten.<byte value="xd"/>
De overdracht begint wanneer de rekenmachine een start verzendt.<byte value="xd"/>
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
        <translation>Op de %s:<byte value="xd"/>
1.  Druk op XSEND of typ XSEND linker shift ()<byte value="xd"/>
2.  Typ &apos; en de naam van het item dat u wilt verzenden<byte value="xd"/>
3.  Druk op  ENTER<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
1.  Typ &apos; en de naam van het item dat u wilt verzenden<byte value="xd"/>
2.  Druk op: XSEND<byte value="xd"/>
<byte value="xd"/>
De verzendopdracht hoort te starten.<byte value="xd"/>
Klik hieronder op OK.<byte value="xd"/>
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
        <translation>Op de ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Typ &apos; ALPHA  X   (of een andere naam)<byte value="xd"/>
2.  Druk op: linker shift   I/O   NXT   XRECV<byte value="xd"/>
3.  De ontvangstopdracht hoort te starten.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
De overdracht begint wanneer de rekenmachine een start verzendt.<byte value="xd"/>
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
        <translation>Op de ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  De server hoort nu in de variabele &apos;X&apos; te staan<byte value="xd"/>
     (of de naam die u hebt gebruikt)<byte value="xd"/>
2.  Druk op VAR  en dan  X om de bibliotheek op de<byte value="xd"/>
     stack te zetten<byte value="xd"/>
3.  Typ 0 (of 1)  STO  om op te slaan in poort 0 (of 1)<byte value="xd"/>
4.  Zet de ZQ-KA uit en weer aan<byte value="xd"/>
5.  Druk op:  rechter shift   LIBRARY<byte value="xd"/>
6.  Het menu XSRVR bevat de<byte value="xd"/>
     XModem-server<byte value="xd"/>
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
        <translation>Zet het scherm van de rekenmachine klaar, dan<byte value="xd"/>
<byte value="xd"/>
Op de %s:<byte value="xd"/>
   Druk op ON plus pijl omhoog<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
   Druk op ON plus 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
De opname begint wanneer de rekenmachine begint te verzenden.<byte value="xd"/>
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
        <translation>Op de %s:<byte value="xd"/>
1.  Typ  &apos;  ALPHA  X  (of een andere naam)<byte value="xd"/>
2.  Druk op XRECV<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
1.  Typ  &apos;  ALPHA  X  (of een andere naam)<byte value="xd"/>
2.  Druk op linker shift   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
De ontvangstopdracht hoort te starten.<byte value="xd"/>
De overdracht begint wanneer de rekenmachine een start verzendt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>Op de rekenmachine:<byte value="xd"/>
<byte value="xd"/>
1.  Het bestand hoort nu in de variabele &apos;X&apos; te staan<byte value="xd"/>
     (of de naam die u hebt gebruikt)<byte value="xd"/>
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
        <translation>Op de %s:<byte value="xd"/>
1.  Typ &apos; en de naam van het item dat u wilt verzenden<byte value="xd"/>
2.  Druk op XSEND<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
1.  Typ &apos; en de naam van het item dat u wilt verzenden<byte value="xd"/>
2.  Druk op: XSEND<byte value="xd"/>
<byte value="xd"/>
De verzendopdracht hoort te starten.<byte value="xd"/>
Klik hieronder op OK.<byte value="xd"/>
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
        <translation>Op de rekenmachine:<byte value="xd"/>
<byte value="xd"/>
1.  Houd + en - (3 sec.) ingedrukt terwijl u op RESET drukt<byte value="xd"/>
2.  Druk op 1 om OS/ROM te laden<byte value="xd"/>
3.  Druk op 1 voor USB<byte value="xd"/>
4.  Haal de USB-kabel los en sluit hem weer aan<byte value="xd"/>
5.  Klik hieronder op OK.<byte value="xd"/>
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
        <translation>De Xsrvr op de rekenmachine starten:<byte value="xd"/>
<byte value="xd"/>
Op de %s:<byte value="xd"/>
   Druk op rechter shift, laat los, dan op pijl rechts<byte value="xd"/>
<byte value="xd"/>
Op de ZQKAG(X):<byte value="xd"/>
   Druk op rechter shift, dan LIB, dan Xsrvr (lib)<byte value="xd"/>
   Druk op Xsrvr (opdracht)<byte value="xd"/>
<byte value="xd"/>
Klik hieronder op OK om de verbinding te starten.<byte value="xd"/>
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
        <translation>Het geheugen van de rekenmachine is teruggezet,<byte value="xd"/>
maar het kan een paar minuten duren voordat het<byte value="xd"/>
is gereorganiseerd en klaar is voor opdrachten.<byte value="xd"/>
<byte value="xd"/>
Op de rekenmachine:<byte value="xd"/>
  Druk op VAR en voer FLAG uit om alle vlaggen terug te zetten.<byte value="xd"/>
<byte value="xd"/>
Verbinding maken met de rekenmachine:<byte value="xd"/>
  Start op de rekenmachine de server opnieuw (XSrvr)<byte value="xd"/>
  Klik hieronder op de knop &quot;Verbinden&quot;.<byte value="xd"/>
<byte value="xd"/>
Klik anders op ANNULEREN.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Een volgende opname begint wanneer de rekenmachine begint te verzenden.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Rekenmachine instellen</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Wachten op de rekenmachine</translation>
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
is een %2-bestand en past niet bij de rekenmachine.<byte value="xd"/>
Dit kan de inhoud van de rekenmachine beschadigen.<byte value="xd"/>
<byte value="xd"/>
Hoe moet dit bestand worden verzonden?</translation>
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
is een %2-bestand en past niet bij de rekenmachine.<byte value="xd"/>
Dit kan de inhoud van de rekenmachine beschadigen.<byte value="xd"/>
<byte value="xd"/>
Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>Verkeerd bestandstype?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>BadFileNo</comment>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;Binary</source>
        <comment>BadFileBinary</comment>
        <translation>&amp;Binair</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <comment>BadFileText</comment>
        <translation>&amp;Tekst</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>BadFileCancel</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <comment>ReplaceFileCaption</comment>
        <translation>Vervangen van bestand bevestigen</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>ReplaceFileCancel</comment>
        <translation>Annuleren</translation>
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
Deze map bevat al een bestand met de naam %1.<byte value="xd"/>
<byte value="xd"/>
Wilt u het bestaande bestand vervangen?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Toegangspointer</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Array</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Binair geheel getal</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Teken</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Complex getal</translation>
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
        <translation>Tekenreeks</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Lang complex getal</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Lang reëel getal</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Bibliotheekgegevensobject</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Lettertype</translation>
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
        <translation>Grafisch object</translation>
    </message>
    <message>
        <source>Hex String</source>
        <comment>TypeHexString</comment>
        <translation>Hex-tekenreeks</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Globale naam</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Lokale naam</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>TypeLibrary</comment>
        <translation>Bibliotheek</translation>
    </message>
    <message>
        <source>List</source>
        <comment>TypeList</comment>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Linked Array</source>
        <comment>TypeLinkedArray</comment>
        <translation>Gekoppelde array</translation>
    </message>
    <message>
        <source>Real</source>
        <comment>TypeReal</comment>
        <translation>Reëel getal</translation>
    </message>
    <message>
        <source>XLib</source>
        <comment>TypeXLib</comment>
        <translation>XLib</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>TypeDirectory</comment>
        <translation>Map</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algebraïsche uitdrukking</translation>
    </message>
    <message>
        <source>Tagged</source>
        <comment>TypeTagged</comment>
        <translation>Gelabeld object</translation>
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
        <translation>Flash-pointer</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Geheel getal</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Complex getal (InfP)</translation>
    </message>
    <message>
        <source>InfP Real</source>
        <comment>TypeInfPReal</comment>
        <translation>Reëel getal (InfP)</translation>
    </message>
    <message>
        <source>Matrix</source>
        <comment>TypeMatrix</comment>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Mini Font</source>
        <comment>TypeMiniFont</comment>
        <translation>Mini-lettertype</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>verzenden</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>ophalen</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>conflict</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>verwijderen op de rekenmachine</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>verwijderen op de pc</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>overslaan</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>Geen apparaat gevonden. Controleer de kabelverbindingen en de rekenmachine.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>De rekenmachine gebruikt de Kermit-server.

Stop de rekenmachine.
Laat rechter shift los voordat u op pijl rechts drukt.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Verkeerde server</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>Geen apparaat verbonden. Controleer of de XModem-server draait (rechter shift, pijl rechts)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Verbindingsfout.
Controleer uw verbindingen.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Fout (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Opdracht te lang (%1 bytes)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>Geen object van de rekenmachine ontvangen voor %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 is geen serieel apparaat</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 wordt door een ander programma gebruikt</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>%1 kan niet worden ingesteld: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1: u mag dit niet openen (toegang geweigerd)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1: toegang geweigerd; het hoort bij groep %2: voeg uzelf toe met &quot;sudo usermod -aG %2 $USER&quot; en meld u daarna opnieuw aan</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1: toegang geweigerd; alleen de eigenaar %2 mag het openen (groep %3 heeft geen lees- en schrijfrechten)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>Kan bestand %1 niet openen – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>Kan bestand %1 niet schrijven – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>Kan niet lezen uit bestand %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>Kan niet lezen uit bestand %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>Kan map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>Kan map %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Fout bij decompileren</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
Dit bestand kan niet worden gedecompileerd.
De lengte is inclusief opvulling gelaten.
Het bestand kan toch in orde zijn.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

is geen geldig tekstbestand en kan niet goed worden verzonden.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>De schermopname kon niet van de rekenmachine worden gelezen.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>JPEG-afbeeldingen zijn in deze versie niet beschikbaar; sla de schermopname op als .png of .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>JPEG-codering mislukt</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>PNG-compressie mislukt</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Rekenmachine instellen</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>Voor een back-up moet de ZQ%1 werken op
115200 baud (zie IOPAR in VAR).

Mag de snelheid tijdelijk worden gewijzigd voor de back-up?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>Voor een schermopname moet de ZQ%1 werken op
115200 baud (zie IOPAR in VAR).

Mag de snelheid tijdelijk worden gewijzigd voor de schermopname?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Ongeldige variabelenaam</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
is geen geldige variabelenaam op de rekenmachine.
De opdracht of de verbinding kan hierdoor mislukken.

Doorgaan met de opdracht?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 is geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 is een leeg bestand, geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 is een tekstbestand van de rekenmachine, geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 is een tekstbestand, geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 is een objectbestand van de rekenmachine, geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 is een objectbestand van de rekenmachine met een object van het type ‘%2’, geen back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 is een back-uparchief van een %2-rekenmachine, niet van de verbonden %3</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 is een afgebroken back-uparchief</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 is een afgebroken back-uparchief: %2 van %3 bytes</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 is een leeg bestand, geen image van een besturingssysteem</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 is een objectbestand van de rekenmachine, geen image van een besturingssysteem</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 is een tekstbestand van de rekenmachine, geen image van een besturingssysteem</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 is te groot voor een image van een besturingssysteem: %2 bytes, meer dan de %3 die het flashgeheugen van de rekenmachine bevat</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>Archiefprogramma verzenden</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>Back-upgegevens ophalen van het apparaat</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>Terugzetten vanuit %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>Lijst met bestanden ophalen van het apparaat</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>Huidige map wijzigen in %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Communicatie starten op poort: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Apparaat verbonden op %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>%1 proberen</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>Poort %1 openen</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>PUT-opdracht verzenden</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>%1 kopiëren</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>Schermopname maken</translation>
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
        <translation>%1/%2 bytes
(%3%)
%4 bytes/s</translation>
    </message>
    <message>
        <source>%1/%2 Kbytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 Kbytes/s</source>
        <comment>ProgressKbytes</comment>
        <translation>%1/%2 kB
(%3%)
%4 kB/s</translation>
    </message>
    <message>
        <source>Could not fetch %1 to compare it</source>
        <comment>SyncFetchFailed</comment>
        <translation>%1 kon niet worden opgehaald om te vergelijken</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>Geen map %1 op de rekenmachine</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>twee pc-bestanden hebben deze rekenmachinenaam</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>de rekenmachine heeft een map met deze naam</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>nieuwe map op de pc</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>nieuwe map op de rekenmachine</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>een naam die in deze modus niet kan worden gekopieerd</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>nieuw op de pc</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>nieuw op de rekenmachine</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>verwijderd op de rekenmachine, hier gewijzigd</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>verwijderd op de rekenmachine</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>verwijderd op de pc, gewijzigd op de rekenmachine</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>verwijderd op de pc</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>verschillend aan beide kanten, nooit gesynchroniseerd</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>gewijzigd op de rekenmachine</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>gewijzigd op de pc</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>gelijk gewijzigd</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>aan beide kanten gewijzigd</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1; niet opgehaald bij synchroniseren in één richting</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1; niet verzonden bij synchroniseren in één richting</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1; behouden (--delete verwijdert het)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1; de kopie van de rekenmachine wint, die van de pc blijft bewaard als conflictkopie</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1; de kopie van de pc wint, die van de rekenmachine blijft bewaard als conflictkopie</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Versie %1.%2 build %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(geen toestemming: groep %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1: niet gekopieerd van de rekenmachine</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1: niet naar de rekenmachine verzonden</translation>
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
is een bestand van onbekend type en past niet bij de rekenmachine.<byte value="xd"/>
Dit kan de inhoud van de rekenmachine beschadigen.<byte value="xd"/>
<byte value="xd"/>
Hoe moet dit bestand worden verzonden?</translation>
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
is een bestand van onbekend type en past niet bij de rekenmachine.<byte value="xd"/>
Dit kan de inhoud van de rekenmachine beschadigen.<byte value="xd"/>
<byte value="xd"/>
Wilt u doorgaan?</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Nieuwe map</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Een nieuwe map maken.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Een back-up maken van de variabelen van de rekenmachine.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Terugzetten...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>De variabelen van de rekenmachine terugzetten.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>Map s&amp;ynchroniseren...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Een map op de pc en deze map gelijk houden.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>&amp;EVAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>De variabele op de rekenmachine uitvoeren met EVAL</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Het geselecteerde item definitief van de rekenmachine verwijderen.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>De naam van het geselecteerde item wijzigen.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>Eigensc&amp;happen</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>De grootte en kopieertijd van het geselecteerde item tonen.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Binaire overdrachtsmodus</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Project verzenden (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>ZQKA-server verzenden (handmatig XRECV)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Project verzenden (handmatig XRECV)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Bestand verzenden (handmatig XRECV)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Bestand ophalen (handmatig XSEND)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Schermopname van rekenmachine...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Het scherm van de rekenmachine naar de pc kopiëren.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>SysVorl Command...</source>
        <translation>SysVorl-opdracht...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kn&amp;ippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy as Text File</source>
        <translation>Kopiëren als tekstbestand</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Het bestand als tekst ophalen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Bewerken als tekst</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Het bestand als tekst ophalen en bewerken</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>Selectie &amp;omkeren</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grote pictogrammen</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>&amp;Pictogrammen</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ve&amp;rnieuwen</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>De map opnieuw van de rekenmachine inlezen.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>Reken&amp;machineopdracht</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>ROM naar rekenmachine verzenden...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>De ROM van de rekenmachine bijwerken vanuit een .bin-bestand.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Inhoud en index</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Onderwerp Communicatie</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Onderwerp Tekstbestanden</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Verbindingsproblemen oplossen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Verbindingsset voor rekenmachines van de ZQ KAg-, ZQ KBg- en ZQ KCg-serie</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>%1 wordt bewerkt — klik op Gereed wanneer u de wijzigingen hebt opgeslagen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Fout bij bewerken</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>Kan de editor (%1) niet starten

of het bestand %2

ontbreekt.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>De editor draait nog. Wijzigingen in

%1

worden niet naar de rekenmachine verzonden; het bestand blijft daar staan.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schrijffout</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>Kan de wijzigingen niet naar de rekenmachine schrijven.

De wijzigingen zijn bewaard in %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Mappenstructuur</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>De mappen van de rekenmachine. Selecteer er een om de variabelen te zien.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Lijst met variabelen</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>De variabelen van de geselecteerde map met hun grootte en type.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Laatste opdracht</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Versie en vrij geheugen van de rekenmachine</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Verbinden via:</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Kies een communicatiepoort</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>De poort waarop de rekenmachine is aangesloten. &quot;Auto&quot; probeert elke poort.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Snelheid:</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Kies een communicatiesnelheid (genegeerd bij USB).</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>De snelheid van de seriële lijn; die moet overeenkomen met de instelling van de rekenmachine.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Klik om de verbinding te verbreken en een schermopname te starten.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binair</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Text transfer mode, press for binary mode</source>
        <translation>Tekstoverdracht; klik voor binaire modus</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Binaire overdracht; klik voor tekstmodus</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Verbinding met rekenmachine verbreken.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Snel verbinden met de rekenmachine.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Copy (Text)</source>
        <translation>Kopiëren (tekst)</translation>
    </message>
    <message>
        <source>Copy (Binary)</source>
        <translation>Kopiëren (binair)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>De communicatiepoort naar de rekenmachine sluiten.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Dialoogvenster tonen en de communicatiepoort naar de rekenmachine openen.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Vrij geh.: %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Er wordt nog een opdracht uitgevoerd.

Deze annuleren en afsluiten?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Rekenmachine instellen</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>Geknipte variabelen worden tot het plakken bewaard in %1</translation>
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
is een back-upbestand van een rekenmachine.<byte value="xd"/>
Als u doorgaat, wordt de huidige inhoud van de rekenmachine gewist.<byte value="xd"/>
<byte value="xd"/>
Doorgaan met terugzetten?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>Rekenmachine wissen?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Rekenmachine archiveren op pc</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>ZQ-archieven (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>ZQ-bestanden (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>Back-up naar %1 is mislukt; het bestand is niet geschreven.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>Terugzetten vanuit %1 is mislukt.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>ROM verzenden</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>ROM-bestanden (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Fout bij verzenden</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>Verzenden van ROM-bestand
%1
is mislukt.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Bestand naar rekenmachine verzenden</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 is niet naar de rekenmachine verzonden.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Bestand naar pc ophalen</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>Er is niets van de rekenmachine ontvangen; %1 is niet geschreven.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Geannuleerd door de gebruiker</translation>
    </message>
</context>
<context>
    <name>lw::gui::DeleteQuestion</name>
    <message>
        <source>the variable %1</source>
        <translation>de variabele %1</translation>
    </message>
    <message numerus="yes">
        <source>%n variables</source>
        <translation>
            <numerusform>%n variabele</numerusform>
            <numerusform>%n variabelen</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder %1 with everything in it</source>
        <translation>de map %1 met alle inhoud</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n map met alle inhoud</numerusform>
            <numerusform>%n mappen met alle inhoud</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>Wilt u %1 van de rekenmachine verwijderen?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>Wilt u %1 en %2 van de rekenmachine verwijderen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDragDrop</name>
    <message>
        <source>Cannot keep the cut variable in %1; it stays in %2</source>
        <translation>Kan de geknipte variabele niet bewaren in %1; hij blijft in %2</translation>
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
        <translation>JPEG-bestanden (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-bestanden (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Schermopname</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Vastgelegd scherm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>De afbeelding in een bestand opslaan</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Elke opname in map opslaan…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Elke volgende opname als genummerd PNG-bestand in een map opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Het opnamevenster sluiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Afbeelding naar klembord kopiëren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Rand tonen</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>De opties voor rand en witruimte toepassen of verwijderen</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Breedte van de toegevoegde zwarte rand</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Witruimte toevoegen</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Witruimte tussen rand en schermopname</translation>
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
        <translation>Grootte van het opnamevenster instellen</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>&amp;Venster aan afbeelding aanpassen</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>De venstergrootte aanpassen aan de vastgelegde afbeelding</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>Afbeelding verwerken</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Naar klembord gekopieerd</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Vastgelegd scherm opslaan</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Elke opname wordt opgeslagen in %1</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Elke opname in map opslaan</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmStatus</name>
    <message>
        <source>Cancel    </source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmndStatus</name>
    <message>
        <source>Calculator is Working</source>
        <translation>Rekenmachine is bezig</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>De rekenmachine is bezig. Wacht tot de opdrachten zijn voltooid.

U kunt op ANNULEREN klikken om de verbinding aan de pc-kant te stoppen, maar de rekenmachine gaat zelf door.</translation>
    </message>
    <message>
        <source>Cancel   </source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCnctStatus</name>
    <message>
        <source>Looking for Calculator</source>
        <translation>Rekenmachine zoeken</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Aanwijzingen tonen voor een rekenmachine in</translation>
    </message>
    <message>
        <source>ALG Mode</source>
        <translation>ALG-modus</translation>
    </message>
    <message>
        <source>RPN Mode</source>
        <translation>RPN-modus</translation>
    </message>
    <message>
        <source>Cancel    </source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFLogForm</name>
    <message>
        <source>LogForm</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Logboek wissen</translation>
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
        <translation>Bestandsopties</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Tekstbestanden van de rekenmachine vertalen</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1: Niet vertalen</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>ZQ-tekens niet vertalen</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2: Codes 128-159 vertalen</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>ZQ-tekens 128-159 vertalen naar trigrammen of de vorm \nnn</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3: Codes 128-255 vertalen</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>ZQ-tekens 128-255 vertalen naar trigrammen of de vorm \nnn</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Codes 0-31, 127 vertalen, maar niet LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Ook codes 0 tot 31 en 127 vertalen naar de vorm \nnn. Line feed (10) wordt niet vertaald.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>CR toevoegen aan regeleinden</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Na elke line feed een regelterugloop (x0D) toevoegen.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Editor voor tekstbestanden van de rekenmachine</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Opdrachtregel van de teksteditor. Gebruik &quot; als het bestandspad spaties bevat.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Opdracht:</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Overige opties</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Extensie .zq aan bestandsnamen toevoegen</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>De extensie .zq gebruiken voor binaire bestanden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Editor Program</source>
        <translation>Editorprogramma</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programma&apos;s (*)</translation>
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
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Bestandsnaam/-namen</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Totale bestandsgrootte</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Geschatte overdrachtstijd</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>%1 synchroniseren met %2</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>Wat synchroniseren zal doen, regel voor regel (vink een regel uit om die over te slaan):</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Synchronisatieplan</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>In a &amp;conflict:</source>
        <translation>Bij een &amp;conflict:</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Niets doen</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Kopie van de rekenmachine behouden</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Kopie van de pc behouden</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Synchroniseren</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>niets te doen</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1; overgeslagen: %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>%1 synchroniseren met map</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>Synchroniseren gestopt: %1.
Wat al gedaan is, is vastgelegd; synchroniseer opnieuw om het af te maken.</translation>
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
                      - -  WAARSCHUWING  - -<byte value="xd"/>
<byte value="xd"/>
Sommige opdrachten kunnen de verbinding met de<byte value="xd"/>
rekenmachine verbreken of de mappenstructuur<byte value="xd"/>
wijzigen.  Wees zeer voorzichtig!<byte value="xd"/>
<byte value="xd"/>
Met F5 kunt u het hoofdvenster vernieuwen.<byte value="xd"/>
<byte value="xd"/>
Alleen ENTER in het opdrachtvak<byte value="xd"/>
werkt de stack bij.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Rekenmachineopdrachten</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Stackweergave</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Geschiedenis van opdrachten. Klik met rechts voor het menu.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Stackweergave automatisch bijwerken</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Stack na elke opdracht vernieuwen</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Opdracht:</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>Typ een RPN-opdracht en druk op Enter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>De stackgegevens vernieuwen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>De opdracht naar de rekenmachine verzenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Linkwell Help</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>De helppagina %1 is niet geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>De instellingen konden niet worden opgeslagen: %1 kan niet worden geschreven (alleen-lezen map of schijf vol). Het vorige instellingenbestand is bewaard.</translation>
    </message>
</context>
</TS>
