<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CoreTexts</name>
    <message>
        <source>ZQKAGII ZQKBg and ZQKCg series</source>
        <comment>65165</comment>
        <translation>séries ZQKAGII, ZQKBg et ZQKCg</translation>
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
        <translation>Pour lancer Xsrvr sur la calculatrice :<byte value="xd"/>
<byte value="xd"/>
Sur les %s :<byte value="xd"/>
   Appuyez sur shift droite, relâchez, puis flèche droite<byte value="xd"/>
   puis ENTER<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
   Appuyez sur shift droite puis LIB puis Xsrvr (lib)<byte value="xd"/>
   Appuyez sur Xsrvr (commande)<byte value="xd"/>
<byte value="xd"/>
Cliquez sur OK ci-dessous pour lancer la connexion.<byte value="xd"/>
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
        <translation>Sur les %s :<byte value="xd"/>
1.  Appuyez sur XRECV ou tapez XRECV shift gauche ()<byte value="xd"/>
2.  Tapez  &apos;  ALPHA  X  (ou un autre nom)<byte value="xd"/>
3.  Appuyez sur  ENTER<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
1.  Tapez  &apos;  ALPHA  X  (ou un autre nom)<byte value="xd"/>
2.  Appuyez sur shift gauche   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
La commande de réception doit démarrer.<byte value="xd"/>
Le transfert commence quand la calculatrice envoie un départ.<byte value="xd"/>
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
        <translation>Sur les %s :<byte value="xd"/>
1.  Appuyez sur XSEND ou tapez XSEND shift gauche ()<byte value="xd"/>
2.  Tapez &apos; et le nom de l&apos;élément à envoyer<byte value="xd"/>
3.  Appuyez sur  ENTER<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
1.  Tapez &apos; et le nom de l&apos;élément à envoyer<byte value="xd"/>
2.  Appuyez sur : XSEND<byte value="xd"/>
<byte value="xd"/>
La commande d&apos;envoi doit démarrer.<byte value="xd"/>
Cliquez sur OK ci-dessous.<byte value="xd"/>
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
        <translation>Sur la ZQKAG(X) :<byte value="xd"/>
<byte value="xd"/>
1.  Tapez &apos; ALPHA  X   (ou un autre nom)<byte value="xd"/>
2.  Appuyez sur : shift gauche   I/O   NXT   XRECV<byte value="xd"/>
3.  La commande de réception doit démarrer.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Le transfert commence quand la calculatrice envoie un départ.<byte value="xd"/>
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
        <translation>Sur la ZQKAG(X) :<byte value="xd"/>
<byte value="xd"/>
1.  Le serveur doit maintenant se trouver dans la variable &apos;X&apos;<byte value="xd"/>
     (ou le nom que vous avez utilisé)<byte value="xd"/>
2.  Appuyez sur VAR  puis  X pour placer la bibliothèque sur la<byte value="xd"/>
     pile<byte value="xd"/>
3.  Tapez 0 (ou 1)  STO  pour la stocker dans le port 0 (ou 1)<byte value="xd"/>
4.  Éteignez puis rallumez la ZQ-KA<byte value="xd"/>
5.  Appuyez sur :  shift droite   LIBRARY<byte value="xd"/>
6.  Le menu intitulé XSRVR contient le<byte value="xd"/>
     serveur XModem<byte value="xd"/>
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
        <translation>Préparez l&apos;écran de la calculatrice, puis<byte value="xd"/>
<byte value="xd"/>
Sur les %s :<byte value="xd"/>
   Appuyez sur ON et flèche haut<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
   Appuyez sur ON et 1<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
La capture commence quand la calculatrice commence à envoyer.<byte value="xd"/>
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
        <translation>Sur les %s :<byte value="xd"/>
1.  Tapez  &apos;  ALPHA  X  (ou un autre nom)<byte value="xd"/>
2.  Appuyez sur XRECV<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
1.  Tapez  &apos;  ALPHA  X  (ou un autre nom)<byte value="xd"/>
2.  Appuyez sur shift gauche   I/O   NXT   XRECV<byte value="xd"/>
<byte value="xd"/>
La commande de réception doit démarrer.<byte value="xd"/>
Le transfert commence quand la calculatrice envoie un départ.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>On the Calculator:<byte value="xd"/>
<byte value="xd"/>
1.  The file should now be in the &apos;X&apos; variable <byte value="xd"/>
     (or name that you used)<byte value="xd"/>
</source>
        <comment>65159</comment>
        <translation>Sur la calculatrice :<byte value="xd"/>
<byte value="xd"/>
1.  Le fichier doit maintenant se trouver dans la variable &apos;X&apos;<byte value="xd"/>
     (ou le nom que vous avez utilisé)<byte value="xd"/>
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
        <translation>Sur les %s :<byte value="xd"/>
1.  Tapez &apos; et le nom de l&apos;élément à envoyer<byte value="xd"/>
2.  Appuyez sur XSEND<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
1.  Tapez &apos; et le nom de l&apos;élément à envoyer<byte value="xd"/>
2.  Appuyez sur : XSEND<byte value="xd"/>
<byte value="xd"/>
La commande d&apos;envoi doit démarrer.<byte value="xd"/>
Cliquez sur OK ci-dessous.<byte value="xd"/>
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
        <translation>Sur la calculatrice :<byte value="xd"/>
<byte value="xd"/>
1.  Maintenez + et - (3 s) en appuyant sur RESET<byte value="xd"/>
2.  Appuyez sur 1 pour charger l&apos;OS/la ROM<byte value="xd"/>
3.  Appuyez sur 1 pour USB<byte value="xd"/>
4.  Débranchez puis rebranchez le câble USB<byte value="xd"/>
5.  Cliquez sur OK ci-dessous.<byte value="xd"/>
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
        <translation>Pour lancer Xsrvr sur la calculatrice :<byte value="xd"/>
<byte value="xd"/>
Sur les %s :<byte value="xd"/>
   Appuyez sur shift droite, relâchez, puis flèche droite<byte value="xd"/>
<byte value="xd"/>
Sur la ZQKAG(X) :<byte value="xd"/>
   Appuyez sur shift droite puis LIB puis Xsrvr (lib)<byte value="xd"/>
   Appuyez sur Xsrvr (commande)<byte value="xd"/>
<byte value="xd"/>
Cliquez sur OK ci-dessous pour lancer la connexion.<byte value="xd"/>
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
        <translation>La mémoire de la calculatrice a été restaurée,<byte value="xd"/>
mais sa réorganisation peut prendre quelques minutes<byte value="xd"/>
avant qu&apos;elle soit prête pour les commandes.<byte value="xd"/>
<byte value="xd"/>
Sur la calculatrice :<byte value="xd"/>
  Appuyez sur VAR puis exécutez FLAG pour restaurer tous les indicateurs.<byte value="xd"/>
<byte value="xd"/>
Pour vous connecter à la calculatrice :<byte value="xd"/>
  Sur la calculatrice, relancez le serveur (XSrvr)<byte value="xd"/>
  Cliquez sur le bouton &quot;Connecter&quot; ci-dessous.<byte value="xd"/>
<byte value="xd"/>
Sinon, cliquez sur ANNULER.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Another Capture begins when Calculator starts sending.</source>
        <comment>65164</comment>
        <translation>Une nouvelle capture commence quand la calculatrice commence à envoyer.</translation>
    </message>
    <message>
        <source>Set the Calculator</source>
        <comment>65245</comment>
        <translation>Préparer la calculatrice</translation>
    </message>
    <message>
        <source>Wait for the Calculator</source>
        <comment>65204</comment>
        <translation>Attendre la calculatrice</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>65205</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Connect...</source>
        <comment>65224</comment>
        <translation>Connecter...</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFDownLd</name>
    <message>
        <source>Show prompts for a calculator in</source>
        <translation>Afficher les instructions pour une calculatrice en</translation>
    </message>
    <message>
        <source>ALG Mode</source>
        <translation>Mode ALG</translation>
    </message>
    <message>
        <source>RPN Mode</source>
        <translation>Mode RPN</translation>
    </message>
    <message>
        <source>Cancel    </source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
