<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
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
</TS>
