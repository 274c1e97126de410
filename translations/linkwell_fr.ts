<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Connects to a ZQ graphing calculator and manages its memory.</source>
        <translation>Se connecte à une calculatrice graphique ZQ et gère sa mémoire.</translation>
    </message>
    <message>
        <source>Start the simulated calculator in this process and connect to it.</source>
        <translation>Démarrer la calculatrice simulée dans ce processus et s&apos;y connecter.</translation>
    </message>
    <message>
        <source>Show the windows in this language (nl, fr, de, pt, es, it or en) instead of the one of the system&apos;s locale.</source>
        <translation>Afficher les fenêtres dans cette langue (nl, fr, de, pt, es, it ou en) au lieu de celle des paramètres régionaux du système.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>The ports to offer, one per line (a single device path works too); given ports, the program connects at start.</source>
        <translation>Les ports à proposer, un par ligne (un seul chemin de périphérique convient aussi)&#xa0;; si des ports sont donnés, le programme se connecte au démarrage.</translation>
    </message>
    <message>
        <source>[ports]</source>
        <translation>[ports]</translation>
    </message>
    <message>
        <source>linkwell: no translation for language &quot;%1&quot;, using English</source>
        <translation>linkwell&#xa0;: aucune traduction pour la langue «&#xa0;%1&#xa0;», utilisation de l&apos;anglais</translation>
    </message>
    <message>
        <source>linkwell: the demo calculator cannot start: %1</source>
        <translation>linkwell&#xa0;: la calculatrice de démonstration ne peut pas démarrer&#xa0;: %1</translation>
    </message>
</context>
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
est un fichier %2 qui ne correspond pas à la calculatrice.<byte value="xd"/>
Cela peut endommager le contenu de la calculatrice.<byte value="xd"/>
<byte value="xd"/>
Comment ce fichier doit-il être envoyé ?</translation>
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
est un fichier %2 qui ne correspond pas à la calculatrice.<byte value="xd"/>
Cela peut endommager le contenu de la calculatrice.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Wrong File Type?</source>
        <comment>BadFileCaption</comment>
        <translation>Type de fichier incorrect ?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>BadFileYes</comment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>BadFileNo</comment>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Binary</source>
        <comment>BadFileBinary</comment>
        <translation>&amp;Binaire</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <comment>BadFileText</comment>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>BadFileCancel</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <comment>ReplaceFileCaption</comment>
        <translation>Confirmer le remplacement du fichier</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>ReplaceFileYes</comment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>ReplaceFileAll</comment>
        <translation>Oui pour &amp;tout</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>ReplaceFileNo</comment>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel     </source>
        <comment>ReplaceFileCancel</comment>
        <translation>Annuler</translation>
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
Ce dossier contient déjà un fichier nommé %1.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous remplacer le fichier existant ?<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Access Pointer</source>
        <comment>TypeAccessPointer</comment>
        <translation>Pointeur d&apos;accès</translation>
    </message>
    <message>
        <source>Array</source>
        <comment>TypeArray</comment>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Backup</source>
        <comment>TypeBackup</comment>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Binary Integer</source>
        <comment>TypeBinaryInteger</comment>
        <translation>Entier binaire</translation>
    </message>
    <message>
        <source>Character</source>
        <comment>TypeCharacter</comment>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>Complex</source>
        <comment>TypeComplex</comment>
        <translation>Complexe</translation>
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
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Long Complex</source>
        <comment>TypeLongComplex</comment>
        <translation>Complexe long</translation>
    </message>
    <message>
        <source>Long Real</source>
        <comment>TypeLongReal</comment>
        <translation>Réel long</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>TypeUnit</comment>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Library Data Object</source>
        <comment>TypeLibraryDataObject</comment>
        <translation>Données de bibliothèque</translation>
    </message>
    <message>
        <source>Font</source>
        <comment>TypeFont</comment>
        <translation>Police</translation>
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
        <translation>Objet graphique</translation>
    </message>
    <message>
        <source>Hex String</source>
        <comment>TypeHexString</comment>
        <translation>Chaîne hexa</translation>
    </message>
    <message>
        <source>Global</source>
        <comment>TypeGlobal</comment>
        <translation>Nom global</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>TypeLocal</comment>
        <translation>Nom local</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>TypeLibrary</comment>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>List</source>
        <comment>TypeList</comment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Linked Array</source>
        <comment>TypeLinkedArray</comment>
        <translation>Tableau lié</translation>
    </message>
    <message>
        <source>Real</source>
        <comment>TypeReal</comment>
        <translation>Réel</translation>
    </message>
    <message>
        <source>XLib</source>
        <comment>TypeXLib</comment>
        <translation>XLib</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>TypeDirectory</comment>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>Algebraic</source>
        <comment>TypeAlgebraic</comment>
        <translation>Algébrique</translation>
    </message>
    <message>
        <source>Tagged</source>
        <comment>TypeTagged</comment>
        <translation>Objet étiqueté</translation>
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
        <translation>Pointeur flash</translation>
    </message>
    <message>
        <source>Integer</source>
        <comment>TypeInteger</comment>
        <translation>Entier</translation>
    </message>
    <message>
        <source>InfP Complex</source>
        <comment>TypeInfPComplex</comment>
        <translation>Complexe InfP</translation>
    </message>
    <message>
        <source>InfP Real</source>
        <comment>TypeInfPReal</comment>
        <translation>Réel InfP</translation>
    </message>
    <message>
        <source>Matrix</source>
        <comment>TypeMatrix</comment>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Mini Font</source>
        <comment>TypeMiniFont</comment>
        <translation>Mini-police</translation>
    </message>
    <message>
        <source>send</source>
        <comment>SyncActionSend</comment>
        <translation>envoyer</translation>
    </message>
    <message>
        <source>fetch</source>
        <comment>SyncActionFetch</comment>
        <translation>récupérer</translation>
    </message>
    <message>
        <source>conflict</source>
        <comment>SyncActionConflict</comment>
        <translation>conflit</translation>
    </message>
    <message>
        <source>delete-calc</source>
        <comment>SyncActionDeleteCalc</comment>
        <translation>supprimer sur la calculatrice</translation>
    </message>
    <message>
        <source>delete-pc</source>
        <comment>SyncActionDeletePc</comment>
        <translation>supprimer sur le PC</translation>
    </message>
    <message>
        <source>same</source>
        <comment>SyncActionSame</comment>
        <translation>identique</translation>
    </message>
    <message>
        <source>skip</source>
        <comment>SyncActionSkip</comment>
        <translation>ignorer</translation>
    </message>
    <message>
        <source>No device detected. Check the cable connections and the calculator.</source>
        <comment>NoDevice</comment>
        <translation>Aucun appareil détecté. Vérifiez les connexions du câble et la calculatrice.</translation>
    </message>
    <message>
        <source>Calculator is using the Kermit Server.
<byte value="xd"/>
<byte value="xd"/>Stop the calculator.
<byte value="xd"/>Be sure to release the right-shift before pressing right-arrow.</source>
        <comment>KermitServer</comment>
        <translation>La calculatrice utilise le serveur Kermit.

Arrêtez la calculatrice.
Relâchez bien shift droite avant d&apos;appuyer sur flèche droite.</translation>
    </message>
    <message>
        <source>Wrong Server</source>
        <comment>WrongServerCaption</comment>
        <translation>Mauvais serveur</translation>
    </message>
    <message>
        <source>No device connected. Check you are in Xmodem server (RShift RightArrow)</source>
        <comment>NotConnected</comment>
        <translation>Aucun appareil connecté. Vérifiez que le serveur XModem est lancé (shift droite, flèche droite)</translation>
    </message>
    <message>
        <source>Connection Error.<byte value="xd"/>
Please check your connections.</source>
        <comment>ConnectionError</comment>
        <translation>Erreur de connexion.
Veuillez vérifier vos connexions.</translation>
    </message>
    <message>
        <source>Error (%1)</source>
        <comment>LinkError</comment>
        <translation>Erreur (%1)</translation>
    </message>
    <message>
        <source>Command too long (%1 bytes)</source>
        <comment>CommandTooLong</comment>
        <translation>Commande trop longue (%1 octets)</translation>
    </message>
    <message>
        <source>No calculator object received for %1</source>
        <comment>NoObjectReceived</comment>
        <translation>Aucun objet de la calculatrice reçu pour %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <comment>PortMissing</comment>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a serial device</source>
        <comment>PortNotSerial</comment>
        <translation>%1 n&apos;est pas un périphérique série</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <comment>PortInUse</comment>
        <translation>%1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1 cannot be set up: %2</source>
        <comment>PortSetupFailed</comment>
        <translation>%1 ne peut pas être configuré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: you may not open it (permission denied)</source>
        <comment>PermissionDenied</comment>
        <translation>%1&#xa0;: vous n&apos;avez pas le droit de l&apos;ouvrir (permission refusée)</translation>
    </message>
    <message>
        <source>%1: permission denied; it belongs to group %2: add yourself with &quot;sudo usermod -aG %2 $USER&quot;, then log in again</source>
        <comment>PermissionDeniedGroup</comment>
        <translation>%1&#xa0;: permission refusée&#xa0;; il appartient au groupe %2&#xa0;: ajoutez-vous avec «&#xa0;sudo usermod -aG %2 $USER&#xa0;», puis reconnectez-vous</translation>
    </message>
    <message>
        <source>%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)</source>
        <comment>PermissionDeniedOwner</comment>
        <translation>%1&#xa0;: permission refusée&#xa0;; seul son propriétaire %2 peut l&apos;ouvrir (le groupe %3 n&apos;a pas les droits de lecture et d&apos;écriture)</translation>
    </message>
    <message>
        <source>Unable to open file %1 - %2</source>
        <comment>UnableToOpen</comment>
        <translation>Impossible d&apos;ouvrir le fichier %1 – %2</translation>
    </message>
    <message>
        <source>Unable to write file %1 - %2</source>
        <comment>UnableToWrite</comment>
        <translation>Impossible d&apos;écrire le fichier %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1 - %2</source>
        <comment>CannotRead</comment>
        <translation>Impossible de lire le fichier %1 – %2</translation>
    </message>
    <message>
        <source>Cannot read from file %1</source>
        <comment>CannotReadFile</comment>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <comment>CannotCreateFolder</comment>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot use folder %1: %2</source>
        <comment>CannotUseFolder</comment>
        <translation>Impossible d&apos;utiliser le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>ErrorCaption</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>WarningCaption</comment>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Decompile Error</source>
        <comment>DecompErrorCaption</comment>
        <translation>Erreur de décompilation</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Cannot decompile this file.<byte value="xd"/>
Length has been left with padding.<byte value="xd"/>
File may still be ok.</source>
        <comment>DecompError</comment>
        <translation>%1
Impossible de décompiler ce fichier.
La longueur a été laissée avec le remplissage.
Le fichier peut malgré tout être correct.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
is not a valid text file and cannot be properly sent.<byte value="xd"/>
</source>
        <comment>NotTextFile</comment>
        <translation>%1

n&apos;est pas un fichier texte valide et ne peut pas être envoyé correctement.
</translation>
    </message>
    <message>
        <source>The screen capture could not be read from the calculator.</source>
        <comment>CaptureFailed</comment>
        <translation>La capture d&apos;écran n&apos;a pas pu être lue depuis la calculatrice.</translation>
    </message>
    <message>
        <source>JPEG pictures are not available in this build; save the capture as .png or .bmp</source>
        <comment>JpegUnavailable</comment>
        <translation>Les images JPEG ne sont pas disponibles dans cette version&#xa0;; enregistrez la capture en .png ou .bmp</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <comment>JpegFailed</comment>
        <translation>Échec du codage JPEG</translation>
    </message>
    <message>
        <source>PNG compression failed</source>
        <comment>PngFailed</comment>
        <translation>Échec de la compression PNG</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <comment>SetCalculatorCaption</comment>
        <translation>Préparer la calculatrice</translation>
    </message>
    <message>
        <source>Backup requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>BackupSpeedQuestion</comment>
        <translation>La sauvegarde exige que la ZQ%1 fonctionne à
115200 bauds (voir IOPAR dans VAR).

Puis-je changer la vitesse temporairement pour la sauvegarde&#xa0;?</translation>
    </message>
    <message>
        <source>Screen Capture requires that the ZQ%1 operate at <byte value="xd"/>
115200 baud  (see IOPAR in VAR).<byte value="xd"/>
<byte value="xd"/>
May I change the speed temporarily for the Screen Capture?</source>
        <comment>CaptureSpeedQuestion</comment>
        <translation>La capture d&apos;écran exige que la ZQ%1 fonctionne à
115200 bauds (voir IOPAR dans VAR).

Puis-je changer la vitesse temporairement pour la capture d&apos;écran&#xa0;?</translation>
    </message>
    <message>
        <source>Improper Variable Name</source>
        <comment>ImproperNameTitle</comment>
        <translation>Nom de variable incorrect</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
is an improper variable name on the calculator.<byte value="xd"/>
This may result in failure of the command or connection.<byte value="xd"/>
<byte value="xd"/>
Continue with the command?</source>
        <comment>ImproperNameQuestion</comment>
        <translation>%1
n&apos;est pas un nom de variable correct sur la calculatrice.
La commande ou la connexion peut échouer.

Poursuivre la commande&#xa0;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreCaption</comment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>%1 is not a backup archive</source>
        <comment>NotArchive</comment>
        <translation>%1 n&apos;est pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a backup archive</source>
        <comment>EmptyNotArchive</comment>
        <translation>%1 est un fichier vide, pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not a backup archive</source>
        <comment>CalcTextNotArchive</comment>
        <translation>%1 est un fichier texte de calculatrice, pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is a text file, not a backup archive</source>
        <comment>TextNotArchive</comment>
        <translation>%1 est un fichier texte, pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not a backup archive</source>
        <comment>ObjectNotArchive</comment>
        <translation>%1 est un fichier objet de calculatrice, pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is a calculator object file holding a %2, not a backup archive</source>
        <comment>TypedObjectNotArchive</comment>
        <translation>%1 est un fichier objet de calculatrice contenant un objet de type «&#xa0;%2&#xa0;», pas une archive de sauvegarde</translation>
    </message>
    <message>
        <source>%1 is a backup archive of a %2 calculator, not of the connected %3</source>
        <comment>ArchiveOfOtherModel</comment>
        <translation>%1 est une archive de sauvegarde d&apos;une calculatrice %2, pas de la %3 connectée</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short</source>
        <comment>ArchiveCutShort</comment>
        <translation>%1 est une archive de sauvegarde tronquée</translation>
    </message>
    <message>
        <source>%1 is a backup archive cut short: %2 of %3 bytes</source>
        <comment>ArchiveCutShortBytes</comment>
        <translation>%1 est une archive de sauvegarde tronquée&#xa0;: %2 octets sur %3</translation>
    </message>
    <message>
        <source>%1 is an empty file, not an operating-system image</source>
        <comment>EmptyNotRom</comment>
        <translation>%1 est un fichier vide, pas une image de système d&apos;exploitation</translation>
    </message>
    <message>
        <source>%1 is a calculator object file, not an operating-system image</source>
        <comment>ObjectNotRom</comment>
        <translation>%1 est un fichier objet de calculatrice, pas une image de système d&apos;exploitation</translation>
    </message>
    <message>
        <source>%1 is a calculator text file, not an operating-system image</source>
        <comment>CalcTextNotRom</comment>
        <translation>%1 est un fichier texte de calculatrice, pas une image de système d&apos;exploitation</translation>
    </message>
    <message>
        <source>%1 is too large for an operating-system image: %2 bytes, more than the %3 the calculator&apos;s flash holds</source>
        <comment>RomTooLarge</comment>
        <translation>%1 est trop grand pour une image de système d&apos;exploitation&#xa0;: %2 octets, plus que les %3 que contient la mémoire flash de la calculatrice</translation>
    </message>
    <message>
        <source>send archive program</source>
        <comment>SendingArchiveProgram</comment>
        <translation>Envoi du programme d&apos;archivage</translation>
    </message>
    <message>
        <source>Get backup data from device</source>
        <comment>GettingBackup</comment>
        <translation>Récupération des données de sauvegarde de l&apos;appareil</translation>
    </message>
    <message>
        <source>Restoring from %1</source>
        <comment>RestoringFrom</comment>
        <translation>Restauration depuis %1</translation>
    </message>
    <message>
        <source>Get list of files from device</source>
        <comment>GettingList</comment>
        <translation>Récupération de la liste des fichiers de l&apos;appareil</translation>
    </message>
    <message>
        <source>Change current dir to %1</source>
        <comment>ChangingDir</comment>
        <translation>Passage au répertoire %1</translation>
    </message>
    <message>
        <source>Begin dialog on port: %1</source>
        <comment>BeginDialog</comment>
        <translation>Début du dialogue sur le port&#xa0;: %1</translation>
    </message>
    <message>
        <source>Device connected on %1</source>
        <comment>DeviceConnected</comment>
        <translation>Appareil connecté sur %1</translation>
    </message>
    <message>
        <source>Trying %1</source>
        <comment>TryingPort</comment>
        <translation>Essai de %1</translation>
    </message>
    <message>
        <source>Opening Comm %1</source>
        <comment>OpeningPort</comment>
        <translation>Ouverture du port %1</translation>
    </message>
    <message>
        <source>Sending PUT command</source>
        <comment>SendingPut</comment>
        <translation>Envoi de la commande PUT</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <comment>Copying</comment>
        <translation>Copie de %1</translation>
    </message>
    <message>
        <source>Capturing screen</source>
        <comment>Capturing</comment>
        <translation>Capture de l&apos;écran</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <comment>Connecting</comment>
        <translation>Connexion ...</translation>
    </message>
    <message>
        <source>%1/%2 bytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 bytes/s</source>
        <comment>ProgressBytes</comment>
        <translation>%1/%2 octets
(%3%)
%4 octets/s</translation>
    </message>
    <message>
        <source>%1/%2 Kbytes<byte value="xd"/>
(%3%)<byte value="xd"/>
%4 Kbytes/s</source>
        <comment>ProgressKbytes</comment>
        <translation>%1/%2 Ko
(%3%)
%4 Ko/s</translation>
    </message>
    <message>
        <source>Could not fetch %1 to compare it</source>
        <comment>SyncFetchFailed</comment>
        <translation>Impossible de récupérer %1 pour le comparer</translation>
    </message>
    <message>
        <source>No directory %1 on the calculator</source>
        <comment>SyncNoDirectory</comment>
        <translation>Aucun répertoire %1 sur la calculatrice</translation>
    </message>
    <message>
        <source>two PC files have this calculator name</source>
        <comment>SyncTwoPcFiles</comment>
        <translation>deux fichiers du PC ont ce nom de calculatrice</translation>
    </message>
    <message>
        <source>the calculator has a directory of this name</source>
        <comment>SyncDirectoryOfName</comment>
        <translation>la calculatrice a un répertoire de ce nom</translation>
    </message>
    <message>
        <source>new folder on the PC</source>
        <comment>SyncNewFolder</comment>
        <translation>nouveau dossier sur le PC</translation>
    </message>
    <message>
        <source>new directory on the calculator</source>
        <comment>SyncNewDirectory</comment>
        <translation>nouveau répertoire sur la calculatrice</translation>
    </message>
    <message>
        <source>a name that cannot be copied in this mode</source>
        <comment>SyncNameNotCopied</comment>
        <translation>un nom qui ne peut pas être copié dans ce mode</translation>
    </message>
    <message>
        <source>new on the PC</source>
        <comment>SyncNewOnPc</comment>
        <translation>nouveau sur le PC</translation>
    </message>
    <message>
        <source>new on the calculator</source>
        <comment>SyncNewOnCalc</comment>
        <translation>nouveau sur la calculatrice</translation>
    </message>
    <message>
        <source>deleted on the calculator, changed here</source>
        <comment>SyncDeletedOnCalcChangedHere</comment>
        <translation>supprimé sur la calculatrice, modifié ici</translation>
    </message>
    <message>
        <source>deleted on the calculator</source>
        <comment>SyncDeletedOnCalc</comment>
        <translation>supprimé sur la calculatrice</translation>
    </message>
    <message>
        <source>deleted on the PC, changed on the calculator</source>
        <comment>SyncDeletedOnPcChangedOnCalc</comment>
        <translation>supprimé sur le PC, modifié sur la calculatrice</translation>
    </message>
    <message>
        <source>deleted on the PC</source>
        <comment>SyncDeletedOnPc</comment>
        <translation>supprimé sur le PC</translation>
    </message>
    <message>
        <source>different on both sides, never synchronized</source>
        <comment>SyncDifferentNeverSynced</comment>
        <translation>différent des deux côtés, jamais synchronisé</translation>
    </message>
    <message>
        <source>changed on the calculator</source>
        <comment>SyncChangedOnCalc</comment>
        <translation>modifié sur la calculatrice</translation>
    </message>
    <message>
        <source>changed on the PC</source>
        <comment>SyncChangedOnPc</comment>
        <translation>modifié sur le PC</translation>
    </message>
    <message>
        <source>changed alike</source>
        <comment>SyncChangedAlike</comment>
        <translation>modifié à l&apos;identique</translation>
    </message>
    <message>
        <source>changed on both sides</source>
        <comment>SyncChangedOnBoth</comment>
        <translation>modifié des deux côtés</translation>
    </message>
    <message>
        <source>%1; not fetched in a one-way sync</source>
        <comment>SyncNotFetchedOneWay</comment>
        <translation>%1&#xa0;; non récupéré dans une synchronisation à sens unique</translation>
    </message>
    <message>
        <source>%1; not sent in a one-way sync</source>
        <comment>SyncNotSentOneWay</comment>
        <translation>%1&#xa0;; non envoyé dans une synchronisation à sens unique</translation>
    </message>
    <message>
        <source>%1; kept (--delete deletes it)</source>
        <comment>SyncKept</comment>
        <translation>%1&#xa0;; conservé (--delete le supprime)</translation>
    </message>
    <message>
        <source>%1; the calculator&apos;s copy wins, the PC&apos;s is kept as a conflict copy</source>
        <comment>SyncCalcWins</comment>
        <translation>%1&#xa0;; la copie de la calculatrice l&apos;emporte, celle du PC est gardée comme copie de conflit</translation>
    </message>
    <message>
        <source>%1; the PC&apos;s copy wins, the calculator&apos;s is kept as a conflict copy</source>
        <comment>SyncPcWins</comment>
        <translation>%1&#xa0;; la copie du PC l&apos;emporte, celle de la calculatrice est gardée comme copie de conflit</translation>
    </message>
    <message>
        <source>Version %1.%2 Build %3</source>
        <comment>VersionBuild</comment>
        <translation>Version %1.%2 build %3</translation>
    </message>
    <message>
        <source>(no permission: group %1)</source>
        <comment>NoPermissionNote</comment>
        <translation>(pas de permission&#xa0;: groupe %1)</translation>
    </message>
    <message>
        <source>%1: not copied from the calculator</source>
        <comment>SyncNotCopied</comment>
        <translation>%1&#xa0;: non copié depuis la calculatrice</translation>
    </message>
    <message>
        <source>%1: not sent to the calculator</source>
        <comment>SyncNotSent</comment>
        <translation>%1&#xa0;: non envoyé à la calculatrice</translation>
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
est un fichier de type inconnu qui ne correspond pas à la calculatrice.<byte value="xd"/>
Cela peut endommager le contenu de la calculatrice.<byte value="xd"/>
<byte value="xd"/>
Comment ce fichier doit-il être envoyé ?</translation>
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
est un fichier de type inconnu qui ne correspond pas à la calculatrice.<byte value="xd"/>
Cela peut endommager le contenu de la calculatrice.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>TFZQDir</name>
    <message>
        <source>Ne&amp;w Folder</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
    <message>
        <source>Create a new folder.</source>
        <translation>Créer un nouveau dossier.</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Sauvegarder...</translation>
    </message>
    <message>
        <source>Backup the calculator variables.</source>
        <translation>Sauvegarder les variables de la calculatrice.</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurer...</translation>
    </message>
    <message>
        <source>Restore the calculator variables.</source>
        <translation>Restaurer les variables de la calculatrice.</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Folder...</source>
        <translation>S&amp;ynchroniser un dossier...</translation>
    </message>
    <message>
        <source>Keep a PC folder and this directory alike.</source>
        <translation>Maintenir identiques un dossier du PC et ce répertoire.</translation>
    </message>
    <message>
        <source>&amp;EVAL</source>
        <translation>&amp;EVAL</translation>
    </message>
    <message>
        <source>EVAL the variable on the calculator</source>
        <translation>Exécuter la variable sur la calculatrice avec EVAL</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Permanently remove selected item from the calculator.</source>
        <translation>Supprimer définitivement l&apos;élément sélectionné de la calculatrice.</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Rename selected item.</source>
        <translation>Renommer l&apos;élément sélectionné.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Show the size and copy time for the selected item.</source>
        <translation>Afficher la taille et la durée de copie de l&apos;élément sélectionné.</translation>
    </message>
    <message>
        <source>Connect...</source>
        <translation>Connecter...</translation>
    </message>
    <message>
        <source>Binary Transfer Mode</source>
        <translation>Mode de transfert binaire</translation>
    </message>
    <message>
        <source>Put Project (Auto-XSERV)</source>
        <translation>Envoyer un projet (Auto-XSERV)</translation>
    </message>
    <message>
        <source>Download ZQKA Server (Manual-XRECV)...</source>
        <translation>Envoyer le serveur ZQKA (XRECV manuel)...</translation>
    </message>
    <message>
        <source>Download Project (Manual-XRECV)...</source>
        <translation>Envoyer un projet (XRECV manuel)...</translation>
    </message>
    <message>
        <source>Download File (Manual-XRECV)...</source>
        <translation>Envoyer un fichier (XRECV manuel)...</translation>
    </message>
    <message>
        <source>Upload File (Manual-XSEND)...</source>
        <translation>Récupérer un fichier (XSEND manuel)...</translation>
    </message>
    <message>
        <source>Capture Calculator Screen...</source>
        <translation>Capturer l&apos;écran de la calculatrice...</translation>
    </message>
    <message>
        <source>Copy the calculator screen to the PC.</source>
        <translation>Copier l&apos;écran de la calculatrice sur le PC.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>SysVorl Command...</source>
        <translation>Commande SysVorl...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy as Text File</source>
        <translation>Copier en fichier texte</translation>
    </message>
    <message>
        <source>Get the file in text form</source>
        <translation>Récupérer le fichier sous forme de texte</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Edit as Text</source>
        <translation>Modifier en texte</translation>
    </message>
    <message>
        <source>Get the file in text form and edit</source>
        <translation>Récupérer le fichier sous forme de texte et le modifier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>Ico&amp;ns</source>
        <translation>&amp;Icônes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Read the directory from the calculator.</source>
        <translation>Relire le répertoire depuis la calculatrice.</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Calculator &amp;Command</source>
        <translation>&amp;Commande de la calculatrice</translation>
    </message>
    <message>
        <source>Download Calculator ROM...</source>
        <translation>Envoyer une ROM à la calculatrice...</translation>
    </message>
    <message>
        <source>Update the Calculator ROM from a .bin file.</source>
        <translation>Mettre à jour la ROM de la calculatrice à partir d&apos;un fichier .bin.</translation>
    </message>
    <message>
        <source>&amp;Contents and Index</source>
        <translation>&amp;Sommaire et index</translation>
    </message>
    <message>
        <source>Communications Topic</source>
        <translation>Rubrique Communications</translation>
    </message>
    <message>
        <source>Text File Topic</source>
        <translation>Rubrique Fichiers texte</translation>
    </message>
    <message>
        <source>Trouble Shooting Connections</source>
        <translation>Résolution des problèmes de connexion</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit</source>
        <translation>Kit de connexion pour calculatrices des séries ZQ KAg, ZQ KBg et ZQ KCg</translation>
    </message>
    <message>
        <source>Editing %1 — press Done when you have saved your changes</source>
        <translation>Modification de %1 — cliquez sur Terminé lorsque vous avez enregistré vos modifications</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit Error</source>
        <translation>Erreur de modification</translation>
    </message>
    <message>
        <source>Cannot start the editor (%1)

or the file, %2

is missing.</source>
        <translation>Impossible de lancer l&apos;éditeur (%1)

ou le fichier %2

est introuvable.</translation>
    </message>
    <message>
        <source>The editor is still running. Changes to

%1

will not be sent to the calculator; the file stays there.</source>
        <translation>L&apos;éditeur est toujours ouvert. Les modifications de

%1

ne seront pas envoyées à la calculatrice ; le fichier reste à cet endroit.</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Cannot write changes to the calculator.

The changes are kept in %1</source>
        <translation>Impossible d&apos;écrire les modifications sur la calculatrice.

Les modifications sont conservées dans %1</translation>
    </message>
    <message>
        <source>Directory tree</source>
        <translation>Arborescence des répertoires</translation>
    </message>
    <message>
        <source>The calculator&apos;s directories. Select one to see its variables.</source>
        <translation>Les répertoires de la calculatrice. Sélectionnez-en un pour voir ses variables.</translation>
    </message>
    <message>
        <source>Variable list</source>
        <translation>Liste des variables</translation>
    </message>
    <message>
        <source>The variables of the selected directory with their sizes and types.</source>
        <translation>Les variables du répertoire sélectionné avec leur taille et leur type.</translation>
    </message>
    <message>
        <source>Last command</source>
        <translation>Dernière commande</translation>
    </message>
    <message>
        <source>Calculator version and free memory</source>
        <translation>Version et mémoire libre de la calculatrice</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>  Connect using:</source>
        <translation>  Port :</translation>
    </message>
    <message>
        <source>Select a communications port</source>
        <translation>Choisissez un port de communication</translation>
    </message>
    <message>
        <source>The port the calculator is connected to. &quot;Auto&quot; tries each port.</source>
        <translation>Le port auquel la calculatrice est reliée. « Auto » essaie chaque port.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Select a communications speed.  (ignored for USB)</source>
        <translation>Choisissez une vitesse de communication (ignorée en USB).</translation>
    </message>
    <message>
        <source>The serial line&apos;s speed; it must match the calculator&apos;s setting.</source>
        <translation>La vitesse de la liaison série ; elle doit correspondre au réglage de la calculatrice.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Press to disconnect and start screen capture.</source>
        <translation>Cliquez pour vous déconnecter et lancer la capture d&apos;écran.</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Text transfer mode, press for binary mode</source>
        <translation>Mode texte ; cliquez pour le mode binaire</translation>
    </message>
    <message>
        <source>Binary transfer mode, press for text mode</source>
        <translation>Mode binaire ; cliquez pour le mode texte</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Disconnect from the calculator.</source>
        <translation>Se déconnecter de la calculatrice.</translation>
    </message>
    <message>
        <source>Quick connect to the calculator.</source>
        <translation>Connexion rapide à la calculatrice.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Copy (Text)</source>
        <translation>Copier (texte)</translation>
    </message>
    <message>
        <source>Copy (Binary)</source>
        <translation>Copier (binaire)</translation>
    </message>
    <message>
        <source>Close the communications port to the calculator.</source>
        <translation>Fermer le port de communication vers la calculatrice.</translation>
    </message>
    <message>
        <source>Show dialog and open the communications port to the calculator.</source>
        <translation>Afficher la boîte de dialogue et ouvrir le port de communication vers la calculatrice.</translation>
    </message>
    <message>
        <source>%1  Free Mem: %2</source>
        <translation>%1  Mém. libre : %2</translation>
    </message>
    <message>
        <source>A command is still running.

Cancel it and close?</source>
        <translation>Une commande est encore en cours.

L&apos;annuler et fermer ?</translation>
    </message>
    <message>
        <source>Set the calculator</source>
        <translation>Préparer la calculatrice</translation>
    </message>
    <message>
        <source>Cut variables are kept in %1 until pasted</source>
        <translation>Les variables coupées sont conservées dans %1 jusqu&apos;à ce qu&apos;elles soient collées</translation>
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
est un fichier de sauvegarde de calculatrice.<byte value="xd"/>
Si vous continuez, le contenu actuel de la calculatrice sera effacé.<byte value="xd"/>
<byte value="xd"/>
Poursuivre la restauration ?</translation>
    </message>
    <message>
        <source>Erase Calculator?</source>
        <translation>Effacer la calculatrice ?</translation>
    </message>
    <message>
        <source>Archive Calculator to PC</source>
        <translation>Archiver la calculatrice sur le PC</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>ZQ Archives (*.zqbackup)</source>
        <translation>Archives ZQ (*.zqbackup)</translation>
    </message>
    <message>
        <source>ZQ Files (*.zq)</source>
        <translation>Fichiers ZQ (*.zq)</translation>
    </message>
    <message>
        <source>Backup to %1 failed; the file was not written.</source>
        <translation>La sauvegarde dans %1 a échoué ; le fichier n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Restore from %1 failed.</source>
        <translation>La restauration depuis %1 a échoué.</translation>
    </message>
    <message>
        <source>Download ROM</source>
        <translation>Envoyer la ROM</translation>
    </message>
    <message>
        <source>ROM Files (*.bin)</source>
        <translation>Fichiers ROM (*.bin)</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur d&apos;envoi</translation>
    </message>
    <message>
        <source>Download of ROM file 
%1
failed.</source>
        <translation>L&apos;envoi du fichier ROM
%1
a échoué.</translation>
    </message>
    <message>
        <source>Download File to Calculator</source>
        <translation>Envoyer un fichier à la calculatrice</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 n&apos;a pas été envoyé à la calculatrice.</translation>
    </message>
    <message>
        <source>Upload File to PC</source>
        <translation>Récupérer un fichier sur le PC</translation>
    </message>
    <message>
        <source>Nothing was received from the calculator; %1 was not written.</source>
        <translation>Rien n&apos;a été reçu de la calculatrice ; %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Annulé par l&apos;utilisateur</translation>
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
        <translation>le dossier %1 et tout son contenu</translation>
    </message>
    <message numerus="yes">
        <source>%n folders with everything in them</source>
        <translation>
            <numerusform>%n dossier et tout son contenu</numerusform>
            <numerusform>%n dossiers et tout leur contenu</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1 from the calculator?</source>
        <translation>Supprimer %1 de la calculatrice ?</translation>
    </message>
    <message>
        <source>Delete %1 and %2 from the calculator?</source>
        <translation>Supprimer %1 et %2 de la calculatrice ?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
</context>
<context>
    <name>lw::gui::TDirListModel</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
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
        <translation>Impossible de conserver la variable coupée dans %1 ; elle reste dans %2</translation>
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
        <translation>Fichiers JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Images bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Captured Screen</source>
        <translation>Écran capturé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the image to a file</source>
        <translation>Enregistrer l&apos;image dans un fichier</translation>
    </message>
    <message>
        <source>Save each capture to folder…</source>
        <translation>Enregistrer chaque capture dans un dossier…</translation>
    </message>
    <message>
        <source>Save every further capture as a numbered PNG file in a folder</source>
        <translation>Enregistrer chaque capture suivante comme fichier PNG numéroté dans un dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the capture window</source>
        <translation>Fermer la fenêtre de capture</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy image to clipboard</source>
        <translation>Copier l&apos;image dans le presse-papiers</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Show Border</source>
        <translation>Afficher le cadre</translation>
    </message>
    <message>
        <source>Apply/remove the frame and space options</source>
        <translation>Appliquer ou retirer les options de cadre et d&apos;espace</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Size of added black frame</source>
        <translation>Taille du cadre noir ajouté</translation>
    </message>
    <message>
        <source>Add Space</source>
        <translation>Ajouter un espace</translation>
    </message>
    <message>
        <source>White space between frame and screen capture</source>
        <translation>Espace blanc entre le cadre et la capture d&apos;écran</translation>
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
        <translation>Régler la taille de la fenêtre de capture</translation>
    </message>
    <message>
        <source>Fit &amp;Window to Image</source>
        <translation>Ajuster la &amp;fenêtre à l&apos;image</translation>
    </message>
    <message>
        <source>Adjust the window size to match the captured image</source>
        <translation>Adapter la taille de la fenêtre à l&apos;image capturée</translation>
    </message>
    <message>
        <source>Processing Image</source>
        <translation>Traitement de l&apos;image</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save Captured Screen</source>
        <translation>Enregistrer l&apos;écran capturé</translation>
    </message>
    <message>
        <source>Each capture is saved in %1</source>
        <translation>Chaque capture est enregistrée dans %1</translation>
    </message>
    <message>
        <source>Save each capture to folder</source>
        <translation>Enregistrer chaque capture dans un dossier</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmStatus</name>
    <message>
        <source>Cancel    </source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCmndStatus</name>
    <message>
        <source>Calculator is Working</source>
        <translation>La calculatrice travaille</translation>
    </message>
    <message>
        <source>The calculator is busy, please wait for it to complete the commands.

You may press CANCEL to stop the PC side of the connection but the calculator will continue on its own.</source>
        <translation>La calculatrice est occupée ; attendez qu&apos;elle ait terminé les commandes.

Vous pouvez cliquer sur ANNULER pour arrêter la connexion côté PC, mais la calculatrice continuera seule.</translation>
    </message>
    <message>
        <source>Cancel   </source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFCnctStatus</name>
    <message>
        <source>Looking for Calculator</source>
        <translation>Recherche de la calculatrice</translation>
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
<context>
    <name>lw::gui::TFLogForm</name>
    <message>
        <source>LogForm</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Effacer le journal</translation>
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
        <translation>Options de fichier</translation>
    </message>
    <message>
        <source>Translate Calculator Text Files</source>
        <translation>Conversion des fichiers texte de la calculatrice</translation>
    </message>
    <message>
        <source>1: No Translation</source>
        <translation>1 : Aucune conversion</translation>
    </message>
    <message>
        <source>Do not translate ZQ characters</source>
        <translation>Ne pas convertir les caractères ZQ</translation>
    </message>
    <message>
        <source>2: Translate Codes 128-159</source>
        <translation>2 : Convertir les codes 128-159</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-159 to tri-graphs or \nnn form</source>
        <translation>Convertir les caractères ZQ 128-159 en trigraphes ou sous la forme \nnn</translation>
    </message>
    <message>
        <source>3: Translate Codes 128-255</source>
        <translation>3 : Convertir les codes 128-255</translation>
    </message>
    <message>
        <source>Translate ZQ characters 128-255 to tri-graphs or \nnn form</source>
        <translation>Convertir les caractères ZQ 128-255 en trigraphes ou sous la forme \nnn</translation>
    </message>
    <message>
        <source>Translate Codes 0-31, 127 But Not LF (10)</source>
        <translation>Convertir les codes 0-31, 127 sauf LF (10)</translation>
    </message>
    <message>
        <source>Also translate codes 0 to 31, 127 to \nnn form.  Line Feed (10) will not be translated.</source>
        <translation>Convertir aussi les codes 0 à 31 et 127 sous la forme \nnn. Le saut de ligne (10) n&apos;est pas converti.</translation>
    </message>
    <message>
        <source>Add C/R to Line Feeds</source>
        <translation>Ajouter CR aux sauts de ligne</translation>
    </message>
    <message>
        <source>Add a carriage return (x0D) after each line feed.</source>
        <translation>Ajouter un retour chariot (x0D) après chaque saut de ligne.</translation>
    </message>
    <message>
        <source>Editor for Calculator Text Files</source>
        <translation>Éditeur pour les fichiers texte de la calculatrice</translation>
    </message>
    <message>
        <source>Command line for text editor.  Use &quot; if there are spaces in file path.</source>
        <translation>Ligne de commande de l&apos;éditeur de texte. Utilisez &quot; si le chemin contient des espaces.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Commande :</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Autres options</translation>
    </message>
    <message>
        <source>Add .zq Extension to File Names</source>
        <translation>Ajouter l&apos;extension .zq aux noms de fichier</translation>
    </message>
    <message>
        <source>Use .zq file extension for binary files</source>
        <translation>Utiliser l&apos;extension .zq pour les fichiers binaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Editor Program</source>
        <translation>Programme éditeur</translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation>Programmes (*)</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFProperty</name>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1min : %2s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>Nom(s) de fichier</translation>
    </message>
    <message>
        <source>Total File size</source>
        <translation>Taille totale des fichiers</translation>
    </message>
    <message>
        <source>Estimated download time</source>
        <translation>Durée de transfert estimée</translation>
    </message>
</context>
<context>
    <name>lw::gui::TFSyncDialog</name>
    <message>
        <source>Synchronize %1 with %2</source>
        <translation>Synchroniser %1 avec %2</translation>
    </message>
    <message>
        <source>What synchronizing will do, line by line (untick a line to leave it out):</source>
        <translation>Ce que la synchronisation va faire, ligne par ligne (décochez une ligne pour l&apos;exclure) :</translation>
    </message>
    <message>
        <source>Synchronization plan</source>
        <translation>Plan de synchronisation</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>In a &amp;conflict:</source>
        <translation>En cas de &amp;conflit :</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Keep the calculator&apos;s copy</source>
        <translation>Garder la copie de la calculatrice</translation>
    </message>
    <message>
        <source>Keep the PC&apos;s copy</source>
        <translation>Garder la copie du PC</translation>
    </message>
    <message>
        <source>&amp;Synchronize</source>
        <translation>&amp;Synchroniser</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>rien à faire</translation>
    </message>
    <message>
        <source>%1; left out %2</source>
        <translation>%1 ; exclues : %2</translation>
    </message>
    <message>
        <source>Synchronize %1 with Folder</source>
        <translation>Synchroniser %1 avec un dossier</translation>
    </message>
    <message>
        <source>Synchronizing stopped: %1.
What was done is recorded; synchronize again to finish.</source>
        <translation>Synchronisation interrompue : %1.
Ce qui a été fait est enregistré ; synchronisez à nouveau pour terminer.</translation>
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
                      - -  AVERTISSEMENT  - -<byte value="xd"/>
<byte value="xd"/>
Certaines commandes peuvent déconnecter la<byte value="xd"/>
calculatrice ou modifier l&apos;arborescence des<byte value="xd"/>
répertoires.  Soyez très prudent !<byte value="xd"/>
<byte value="xd"/>
F5 permet d&apos;actualiser la fenêtre principale.<byte value="xd"/>
<byte value="xd"/>
ENTRÉE seule, dans la zone de commande,<byte value="xd"/>
met à jour la pile.</translation>
    </message>
    <message>
        <source>Calculator Commands</source>
        <translation>Commandes de la calculatrice</translation>
    </message>
    <message>
        <source>Stack picture</source>
        <translation>Image de la pile</translation>
    </message>
    <message>
        <source>History of commands.  Right click for menu.</source>
        <translation>Historique des commandes. Clic droit pour le menu.</translation>
    </message>
    <message>
        <source>Automatically Update Stack Picture</source>
        <translation>Mettre à jour l&apos;image de la pile automatiquement</translation>
    </message>
    <message>
        <source>Refresh stack after every command</source>
        <translation>Actualiser la pile après chaque commande</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Commande :</translation>
    </message>
    <message>
        <source>Type RPN command, press ENTER</source>
        <translation>Tapez une commande RPN, appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Refresh the stack data</source>
        <translation>Actualiser les données de la pile</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send the command to the calculator</source>
        <translation>Envoyer la commande à la calculatrice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>lw::gui::THelpWindow</name>
    <message>
        <source>Linkwell Help</source>
        <translation>Aide de Linkwell</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>The help page %1 is not installed.</source>
        <translation>La page d&apos;aide %1 n&apos;est pas installée.</translation>
    </message>
</context>
<context>
    <name>lw::gui::TSettingsStore</name>
    <message>
        <source>Settings could not be saved: %1 cannot be written (read-only folder or disk full). The previous settings file was kept.</source>
        <translation>Impossible d&apos;enregistrer les paramètres : %1 ne peut pas être écrit (dossier en lecture seule ou disque plein). L&apos;ancien fichier de paramètres a été conservé.</translation>
    </message>
</context>
</TS>
