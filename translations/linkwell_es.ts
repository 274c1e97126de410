<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Se conecta a una calculadora gráfica ZQ y gestiona su memoria.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>Iniciar la calculadora simulada en este proceso y conectarse a ella.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>Mostrar las ventanas en este idioma (nl, fr, de, pt, es, it o en) en lugar del de la configuración regional del sistema.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>Los puertos que se ofrecen, uno por línea (también sirve una sola ruta de dispositivo); si se indican puertos, el programa se conecta al iniciarse.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[puertos]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell: no hay traducción para el idioma &quot;%1&quot;; se usa el inglés</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell: no se puede iniciar la calculadora de demostración: %1</translation>
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
        <translation>Para iniciar Xsrvr en la calculadora:<byte value="xd"/>
<byte value="xd"/>
En la %s:<byte value="xd"/>
   Pulse shift derecho, suelte y después flecha derecha<byte value="xd"/>
   y después ENTER<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
   Pulse shift derecho, después LIB y después Xsrvr (lib)<byte value="xd"/>
   Pulse Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Pulse Aceptar abajo para iniciar la conexión.<byte value="xd"/>
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
        <translation>En la %s:<byte value="xd"/>
1.  Pulse XRECV o escriba XRECV shift izquierdo ()<byte value="xd"/>
2.  Escriba  &apos;  ALPHA  X  (u otro nombre)<byte value="xd"/>
3.  Pulse  ENTER<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
1.  Escriba  &apos;  ALPHA  X  (u otro nombre)<byte value="xd"/>
2.  Pulse shift izquierdo   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
Debería iniciarse el comando de recepción.<byte value="xd"/>
La transferencia empieza cuando la calculadora envía la señal de inicio.<byte value="xd"/>
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
        <translation>En la %s:<byte value="xd"/>
1.  Pulse XSEND o escriba XSEND shift izquierdo ()<byte value="xd"/>
2.  Escriba &apos; y el nombre del objeto que desea enviar<byte value="xd"/>
3.  Pulse  ENTER<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
1.  Escriba &apos; y el nombre del objeto que desea enviar<byte value="xd"/>
2.  Pulse: XSEND<byte value="xd"/>
<byte value="xd"/>
Debería iniciarse el comando de envío.<byte value="xd"/>
Pulse Aceptar abajo.<byte value="xd"/>
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
        <translation>En la ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  Escriba &apos; ALPHA  X   (u otro nombre)<byte value="xd"/>
2.  Pulse: shift izquierdo   I/O   NXT   XRECV<byte value="xd"/>
3.  Debería iniciarse el comando de recepción.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
La transferencia empieza cuando la calculadora envía la señal de inicio.<byte value="xd"/>
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
        <translation>En la ZQKAG(X):<byte value="xd"/>
<byte value="xd"/>
1.  El servidor debería estar ahora en la variable &apos;X&apos;<byte value="xd"/>
     (o en el nombre que haya usado)<byte value="xd"/>
2.  Pulse VAR  y después  X para poner la biblioteca<byte value="xd"/>
     en la pila<byte value="xd"/>
3.  Escriba 0 (o 1)  STO  para guardarla en el puerto 0 (o 1)<byte value="xd"/>
4.  Apague la ZQ-KA y vuelva a encenderla<byte value="xd"/>
5.  Pulse:  shift derecho   LIBRARY<byte value="xd"/>
6.  El menú XSRVR contiene el<byte value="xd"/>
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
        <translation>Prepare la pantalla de la calculadora y después<byte value="xd"/>
<byte value="xd"/>
En la %s:<byte value="xd"/>
   Pulse ON + flecha arriba<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
   Pulse ON + 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
La captura empieza cuando la calculadora comienza a enviar.<byte value="xd"/>
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
        <translation>En la %s:<byte value="xd"/>
1.  Escriba  &apos;  ALPHA  X  (u otro nombre)<byte value="xd"/>
2.  Pulse XRECV<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
1.  Escriba  &apos;  ALPHA  X  (u otro nombre)<byte value="xd"/>
2.  Pulse shift izquierdo   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
Debería iniciarse el comando de recepción.<byte value="xd"/>
La transferencia empieza cuando la calculadora envía la señal de inicio.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>En la calculadora:<byte value="xd"/>
<byte value="xd"/>
1.  El archivo debería estar ahora en la variable &apos;X&apos;<byte value="xd"/>
     (o en el nombre que haya usado)<byte value="xd"/>
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
        <translation>En la %s:<byte value="xd"/>
1.  Escriba &apos; y el nombre del objeto que desea enviar<byte value="xd"/>
2.  Pulse XSEND<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
1.  Escriba &apos; y el nombre del objeto que desea enviar<byte value="xd"/>
2.  Pulse: XSEND<byte value="xd"/>
<byte value="xd"/>
Debería iniciarse el comando de envío.<byte value="xd"/>
Pulse Aceptar abajo.<byte value="xd"/>
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
        <translation>En la calculadora:<byte value="xd"/>
<byte value="xd"/>
1.  Mantenga pulsadas + y - (3 s) mientras pulsa RESET<byte value="xd"/>
2.  Pulse 1 para cargar OS/ROM<byte value="xd"/>
3.  Pulse 1 para USB<byte value="xd"/>
4.  Desconecte y vuelva a conectar el cable USB<byte value="xd"/>
5.  Pulse Aceptar abajo.<byte value="xd"/>
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
        <translation>Para iniciar Xsrvr en la calculadora:<byte value="xd"/>
<byte value="xd"/>
En la %s:<byte value="xd"/>
   Pulse shift derecho, suelte y después flecha derecha<byte value="xd"/>
<byte value="xd"/>
En la ZQKAG(X):<byte value="xd"/>
   Pulse shift derecho, después LIB y después Xsrvr (lib)<byte value="xd"/>
   Pulse Xsrvr (comando)<byte value="xd"/>
<byte value="xd"/>
Pulse Aceptar abajo para iniciar la conexión.<byte value="xd"/>
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
        <translation>La memoria de la calculadora se ha restaurado,<byte value="xd"/>
pero puede tardar unos minutos en reorganizarse<byte value="xd"/>
y estar lista para recibir comandos.<byte value="xd"/>
<byte value="xd"/>
En la calculadora:<byte value="xd"/>
  Pulse VAR y ejecute FLAG para restaurar todos los indicadores.<byte value="xd"/>
<byte value="xd"/>
Para conectar con la calculadora:<byte value="xd"/>
  En la calculadora, reinicie el servidor (XSrvr)<byte value="xd"/>
  Pulse el botón &quot;Conectar&quot; de abajo.<byte value="xd"/>
<byte value="xd"/>
Si no, pulse Cancelar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Otra captura empieza cuando la calculadora comience a enviar.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Preparar la calculadora</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Esperar a la calculadora</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>65205</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Connect...</source>
        <comment>65224</comment>
        <translation>Conectar...</translation>
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
es un archivo %2 y no corresponde a la calculadora.<byte value="xd"/>
Esto puede dañar el contenido de la calculadora.<byte value="xd"/>
<byte value="xd"/>
¿Cómo desea enviar este archivo?</translation>
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
es un archivo %2 y no corresponde a la calculadora.<byte value="xd"/>
Esto puede dañar el contenido de la calculadora.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>¿Tipo de archivo incorrecto?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Sí</translation>
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
        <translation>Confirmar reemplazo de archivo</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>ReplaceFileYes</comment>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>ReplaceFileAll</comment>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>ReplaceFileNo</comment>
        <translation>&amp;No</translation>
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
Esta carpeta ya contiene un archivo llamado %1.<byte value="xd"/>
<byte value="xd"/>
¿Desea reemplazar el archivo existente?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Puntero de acceso</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Array</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Entero binario</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Complejo</translation>
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
        <translation>Cadena</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Complejo largo</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Real largo</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Objeto de datos de biblioteca</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Fuente</translation>
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
        <translation>Cadena hexadecimal</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Nombre global</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Nombre local</translation>
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
        <translation>Array enlazado</translation>
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
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algebraico</translation>
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
        <translation>Puntero flash</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Entero</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Complejo InfP</translation>
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
        <translation>Fuente mini</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>enviar</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>obtener</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>conflicto</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>eliminar en la calculadora</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>eliminar en el PC</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>igual</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>omitir</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>No se ha detectado ningún dispositivo. Compruebe las conexiones del cable y la calculadora.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>La calculadora está usando el servidor Kermit.

Detenga la calculadora.
Suelte el shift derecho antes de pulsar la flecha derecha.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Servidor incorrecto</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>No hay ningún dispositivo conectado. Compruebe que está en el servidor XModem (shift derecho, flecha derecha)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Error de conexión.
Compruebe sus conexiones.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Error (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Comando demasiado largo (%1 bytes)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>No se ha recibido ningún objeto de la calculadora para %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 no es un dispositivo serie</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 está siendo usado por otro programa</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>No se puede configurar %1: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1: no tiene permiso para abrirlo (permiso denegado)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1: permiso denegado; pertenece al grupo %2: añádase con &quot;sudo usermod -aG %2 $USER&quot; y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1: permiso denegado; solo su propietario %2 puede abrirlo (el grupo %3 no tiene acceso de lectura y escritura)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>No se puede abrir el archivo %1 – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>No se puede escribir el archivo %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>No se puede leer el archivo %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>No se puede usar la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Error de descompilación</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
No se puede descompilar este archivo.
La longitud se ha dejado con el relleno.
El archivo puede estar bien de todos modos.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

no es un archivo de texto válido y no se puede enviar correctamente.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>No se ha podido leer la captura de pantalla de la calculadora.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>Las imágenes JPEG no están disponibles en esta versión; guarde la captura como .png o .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>Error en la codificación JPEG</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>Error en la compresión PNG</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Preparar la calculadora</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>La copia de seguridad requiere que la ZQ%1 funcione a
115200 baudios (véase IOPAR en VAR).

¿Puedo cambiar la velocidad temporalmente para la copia de seguridad?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>La captura de pantalla requiere que la ZQ%1 funcione a
115200 baudios (véase IOPAR en VAR).

¿Puedo cambiar la velocidad temporalmente para la captura de pantalla?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Nombre de variable no válido</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
no es un nombre de variable válido en la calculadora.
El comando o la conexión pueden fallar.

¿Continuar con el comando?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 no es un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 es un archivo vacío, no un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 es un archivo de texto de la calculadora, no un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 es un archivo de texto, no un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 es un archivo de objeto de la calculadora, no un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 es un archivo de objeto de la calculadora con un objeto de tipo «%2», no un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 es un archivo de copia de seguridad de una calculadora %2, no de la %3 conectada</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 es un archivo de copia de seguridad truncado</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 es un archivo de copia de seguridad truncado: %2 de %3 bytes</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 es un archivo vacío, no una imagen de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 es un archivo de objeto de la calculadora, no una imagen de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 es un archivo de texto de la calculadora, no una imagen de sistema operativo</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 es demasiado grande para una imagen de sistema operativo: %2 bytes, más que los %3 que caben en la memoria flash de la calculadora</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>Enviando el programa de archivo</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>Obteniendo los datos de la copia de seguridad del dispositivo</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>Restaurando desde %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>Obteniendo la lista de archivos del dispositivo</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>Cambiando el directorio actual a %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Iniciando la comunicación en el puerto: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Dispositivo conectado en %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>Probando %1</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>Abriendo el puerto %1</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>Enviando el comando PUT</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>Capturando la pantalla</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <comment>Connecting</comment>
        <translation>Conectando ...</translation>
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
        <translation>No se ha podido obtener %1 para compararlo</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>No existe el directorio %1 en la calculadora</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>dos archivos del PC tienen este nombre de la calculadora</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>la calculadora tiene un directorio con este nombre</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>nueva carpeta en el PC</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>nuevo directorio en la calculadora</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>un nombre que no se puede copiar en este modo</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>nuevo en el PC</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>nuevo en la calculadora</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>eliminado en la calculadora, modificado aquí</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>eliminado en la calculadora</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>eliminado en el PC, modificado en la calculadora</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>eliminado en el PC</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>diferente en ambos lados, nunca sincronizado</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>modificado en la calculadora</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>modificado en el PC</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>modificado igual</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>modificado en ambos lados</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1; no se obtiene en una sincronización en un solo sentido</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1; no se envía en una sincronización en un solo sentido</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1; se conserva (--delete lo elimina)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1; prevalece la copia de la calculadora, la del PC se conserva como copia de conflicto</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1; prevalece la copia del PC, la de la calculadora se conserva como copia de conflicto</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Versión %1.%2 compilación %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(sin permiso: grupo %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1: no se ha copiado de la calculadora</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1: no se ha enviado a la calculadora</translation>
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
es un archivo de tipo desconocido y no corresponde a la calculadora.<byte value="xd"/>
Esto puede dañar el contenido de la calculadora.<byte value="xd"/>
<byte value="xd"/>
¿Cómo desea enviar este archivo?</translation>
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
es un archivo de tipo desconocido y no corresponde a la calculadora.<byte value="xd"/>
Esto puede dañar el contenido de la calculadora.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Nueva carpeta</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Crear una carpeta nueva.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Copia de seguridad...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Hacer una copia de seguridad de las variables de la calculadora.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurar...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>Restaurar las variables de la calculadora.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>Sincroni&amp;zar carpeta...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Mantener iguales una carpeta del PC y este directorio.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>E&amp;VAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>Ejecutar EVAL de la variable en la calculadora</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Quitar definitivamente de la calculadora el elemento seleccionado.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Ca&amp;mbiar nombre</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>Cambiar el nombre del elemento seleccionado.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>Mostrar el tamaño y el tiempo de copia del elemento seleccionado.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Conectar...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Modo de transferencia binario</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Enviar proyecto (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>Enviar servidor ZQKA (XRECV manual)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Enviar proyecto (XRECV manual)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Enviar archivo a la calculadora (XRECV manual)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Recibir archivo en el PC (XSEND manual)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Capturar pantalla de la calculadora...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Copiar la pantalla de la calculadora en el PC.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
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
        <translation>Copiar como archivo de texto</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Obtener el archivo en forma de texto</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Editar como texto</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Obtener el archivo en forma de texto y editarlo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>&amp;Iconos</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>Leer el directorio de la calculadora.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>&amp;Comando de la calculadora</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>Enviar ROM a la calculadora...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>Actualizar la ROM de la calculadora desde un archivo .bin.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Contenido e índice</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Tema: Comunicaciones</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Tema: Archivos de texto</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Solución de problemas de conexión</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Linkwell</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
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
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Kit de conexión para calculadoras de las series ZQ KAg, ZQ KBg y ZQ KCg</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>Editando %1 — pulse Hecho cuando haya guardado los cambios</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Error de edición</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>No se puede iniciar el editor (%1)

o el archivo %2

no existe.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>El editor sigue abierto. Los cambios en

%1

no se enviarán a la calculadora; el archivo se queda donde está.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>No se pueden escribir los cambios en la calculadora.

Los cambios se conservan en %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Árbol de directorios</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>Los directorios de la calculadora. Seleccione uno para ver sus variables.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Lista de variables</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>Las variables del directorio seleccionado con sus tamaños y tipos.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Último comando</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Versión de la calculadora y memoria libre</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Puerto:</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Seleccione un puerto de comunicaciones</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>El puerto al que está conectada la calculadora. &quot;Auto&quot; prueba cada puerto.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Seleccione una velocidad de comunicación.  (se ignora con USB)</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>La velocidad de la línea serie; debe coincidir con la configuración de la calculadora.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Pulse para desconectar e iniciar la captura de pantalla.</translation>
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
        <translation>Modo de transferencia de texto; pulse para modo binario</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Modo de transferencia binario; pulse para modo de texto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Desconectar de la calculadora.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Conexión rápida con la calculadora.</translation>
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
        <translation>Copiar (binario)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>Cerrar el puerto de comunicaciones con la calculadora.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Mostrar el cuadro de diálogo y abrir el puerto de comunicaciones con la calculadora.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Mem. libre: %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Todavía se está ejecutando un comando.

¿Cancelarlo y cerrar?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Preparar la calculadora</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>Las variables cortadas se guardan en %1 hasta que se peguen</translation>
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
es un archivo de copia de seguridad de la calculadora.<byte value="xd"/>
Si continúa, se borrará el contenido actual de la calculadora.<byte value="xd"/>
<byte value="xd"/>
¿Continuar con la restauración?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>¿Borrar la calculadora?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Archivar la calculadora en el PC</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>Copias ZQ (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>Archivos ZQ (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>La copia de seguridad en %1 ha fallado; no se ha escrito el archivo.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>La restauración desde %1 ha fallado.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>Enviar ROM</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>Archivos ROM (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de envío</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>El envío del archivo ROM
%1
ha fallado.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Enviar archivo a la calculadora</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 no se ha enviado a la calculadora.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Recibir archivo en el PC</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>No se ha recibido nada de la calculadora; no se ha escrito %1.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Cancelado por el usuario</translation>
    </message>
</context>
<context>
    <name>lw::gui::DeleteQuestion</name>
    <message>
        <source>the variable %1</source>
        <translation>la variable %1</translation>
    </message>
    <message numerus="yes">
        <source>%n variables</source>
        <translation>
            <numerusform>%n variable</numerusform>
            <numerusform>%n variables</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder %1 with everything in it</source>
        <translation>la carpeta %1 con todo su contenido</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n carpeta con todo su contenido</numerusform>
            <numerusform>%n carpetas con todo su contenido</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>¿Eliminar %1 de la calculadora?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>¿Eliminar %1 y %2 de la calculadora?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
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
        <translation>No se puede guardar la variable cortada en %1; se queda en %2</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFAboutForm</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCapture</name>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>Archivos JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Archivos PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Pantalla capturada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>Guardar la imagen en un archivo</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Guardar cada captura en una carpeta…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Guardar cada captura siguiente como archivo PNG numerado en una carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Cerrar la ventana de captura</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Mostrar marco</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>Aplicar/quitar las opciones de marco y espacio</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Tamaño del marco negro añadido</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Añadir espacio</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Espacio blanco entre el marco y la captura de pantalla</translation>
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
        <translation>Establecer el tamaño de la ventana de captura</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>&amp;Ajustar la ventana a la imagen</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>Ajustar el tamaño de la ventana a la imagen capturada</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>Procesando la imagen</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Guardar pantalla capturada</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Cada captura se guarda en %1</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Guardar cada captura en una carpeta</translation>
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
        <translation>La calculadora está trabajando</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>La calculadora está ocupada; espere a que termine los comandos.

Puede pulsar Cancelar para detener el lado del PC de la conexión, pero la calculadora seguirá por su cuenta.</translation>
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
        <translation>Buscando la calculadora</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Mostrar instrucciones para una calculadora en</translation>
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
        <translation>Registro</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFOptions</name>
    <message>
        <source>File Options</source>
        <translation>Opciones de archivo</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Conversión de archivos de texto de la calculadora</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1: Sin conversión</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>No convertir los caracteres ZQ</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2: Convertir códigos 128-159</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>Convertir los caracteres ZQ 128-159 en trígrafos o en la forma \nnn</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3: Convertir códigos 128-255</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>Convertir los caracteres ZQ 128-255 en trígrafos o en la forma \nnn</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Convertir códigos 0-31 y 127, salvo LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Convertir también los códigos 0 a 31 y 127 en la forma \nnn.  El salto de línea (10) no se convierte.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>Añadir CR a los saltos de línea</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Añadir un retorno de carro (x0D) tras cada salto de línea.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Editor para archivos de texto de la calculadora</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Línea de comandos del editor de texto.  Use &quot; si la ruta contiene espacios.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Otras opciones</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Añadir la extensión .zq a los nombres de archivo</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>Usar la extensión .zq en los archivos binarios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Nombre(s) de archivo</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Tamaño total</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Tiempo de transferencia estimado</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>Sincronizar %1 con %2</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>Lo que hará la sincronización, línea por línea (desmarque una línea para excluirla):</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Plan de sincronización</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>In a &amp;conflict:</source>
        <translation>En caso de &amp;conflicto:</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Conservar la copia de la calculadora</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Conservar la copia del PC</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Sincronizar</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nada que hacer</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1; excluidos %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>Sincronizar %1 con carpeta</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>La sincronización se ha detenido: %1.
Lo realizado queda registrado; sincronice de nuevo para terminar.</translation>
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
                   - -  ADVERTENCIA  - -<byte value="xd"/>
<byte value="xd"/>
Algunos comandos pueden desconectar la<byte value="xd"/>
calculadora o cambiar la estructura de<byte value="xd"/>
directorios.  ¡Tenga mucho cuidado!<byte value="xd"/>
<byte value="xd"/>
Pulse F5 para actualizar la ventana principal.<byte value="xd"/>
<byte value="xd"/>
Pulsar solo ENTER en el cuadro de comandos<byte value="xd"/>
actualiza la pila.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Comandos de la calculadora</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Imagen de la pila</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Historial de comandos.  Haga clic con el botón derecho para ver el menú.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Actualizar automáticamente la imagen de la pila</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Actualizar la pila tras cada comando</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Comando:</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>Escriba un comando RPN y pulse ENTER</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>Actualizar los datos de la pila</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>Enviar el comando a la calculadora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
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
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Ayuda de Linkwell</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>La página de ayuda %1 no está instalada.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>No se pudo guardar la configuración: no se puede escribir %1 (carpeta de solo lectura o disco lleno). Se ha conservado el archivo de configuración anterior.</translation>
    </message>
</context>
</TS>
