<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Essayez «&#xa0;parlino --help&#xa0;».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Discussion textuelle entre deux ordinateurs par une seule connexion TCP directe, sans serveur intermédiaire. Parlino écoute sur le port TCP 1981 et demande l&apos;accord de son utilisateur avant d&apos;accepter une demande de connexion&#xa0;; chaque côté peut se connecter à l&apos;adresse de l&apos;autre. Les options propres à Qt (-platform, -style, -display, ...) sont également acceptées.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Aucun affichage trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définies). Lancez Parlino sur un bureau, ou sans écran avec «&#xa0;xvfb-run parlino&#xa0;» ou «&#xa0;parlino -platform vnc&#xa0;» et un visualiseur VNC sur le port 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Demande au routeur, au démarrage, de rediriger le port d&apos;écoute vers cet ordinateur, comme le fait «&#xa0;Connexion &gt; Ouvrir le port sur le routeur&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>À l&apos;écoute sur le port %1 pour de nouvelles demandes de connexion.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Une connexion avec %1 est déjà établie. Vous devez vous déconnecter avant de continuer.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Vous devez indiquer l&apos;adresse IP distante à laquelle vous connecter.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Demande de connexion envoyée à&#xa0;: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>La connexion est déjà fermée&#xa0;; impossible de se déconnecter à nouveau.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Vous devez d&apos;abord établir une connexion avec un autre ordinateur.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Veuillez indiquer le nom à afficher.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Demande de connexion entrante. Voulez-vous l&apos;autoriser&#xa0;?
Provenance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Demande de connexion</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Connexion établie</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Votre correspondant a envoyé plus de texte qu&apos;une conversation ne peut en contenir (%1 Mio)&#xa0;; la connexion a donc été fermée. Tout ce qui était déjà affiché reste dans la liste.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Demande de connexion chiffrée envoyée à&#xa0;: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Demande de connexion entrante. Voulez-vous l&apos;autoriser&#xa0;?
Provenance&#xa0;: %1
L&apos;appel est chiffré.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Demande de connexion entrante. Voulez-vous l&apos;autoriser&#xa0;?
Provenance&#xa0;: %1
L&apos;appel n&apos;est pas chiffré.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Cette conversation est chiffrée.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Cette conversation n&apos;est pas chiffrée.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Code de sécurité&#xa0;: %1. Comparez-le avec le code de votre correspondant par un autre moyen, par exemple par téléphone. Si les codes diffèrent, quelqu&apos;un peut lire et modifier cette conversation.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>L&apos;autre extrémité de la connexion n&apos;est pas Parlino&#xa0;: il n&apos;y a donc pas de code de sécurité. Empreinte SHA-256 du certificat du côté appelé&#xa0;: %1. Vérifiez par un autre moyen que votre correspondant voit la même empreinte pour ce certificat&#xa0;; sinon, quelqu&apos;un peut lire et modifier cette conversation.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Si votre correspondant utilise Parlino, quelqu&apos;un se trouve entre vous&#xa0;: mettez fin à la conversation.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>L&apos;appelant a commencé une connexion chiffrée trop tard : cette conversation n&apos;est pas chiffrée, et ce qu&apos;il a envoyé s&apos;affiche comme du texte.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Un appelant depuis %1 a raccroché avant votre réponse.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Les appels de %1 sont refusés pour l’instant&#xa0;: plus de %2 sont arrivés en une minute.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Ligne d&apos;état de Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Envoyé par vous</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Reçu de votre correspondant</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>La connexion est occupée par une autre opération&#xa0;; fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Le port %1 n&apos;est pas un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Le port %1 est déjà utilisé par un autre programme&#xa0;; aucune demande de connexion ne peut donc être reçue.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible d&apos;écouter sur le port %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Le port distant «&#xa0;%1&#xa0;» n&apos;est pas un nombre compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Aucune adresse distante n&apos;a été indiquée.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Il n&apos;y a aucune demande de connexion %1 à accepter.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>L&apos;appelant a abandonné avant que la demande ne soit acceptée.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Le texte n&apos;a pas pu être envoyé&#xa0;: aucune connexion n&apos;est établie.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Le texte n&apos;a pas pu être envoyé&#xa0;: la connexion avec le correspondant a échoué.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>La connexion a été refusée&#xa0;: aucun programme n&apos;écoute à cette adresse sur ce port.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>L&apos;hôte distant est introuvable.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Le nom de l&apos;hôte distant n&apos;a pas pu être résolu&#xa0;: le serveur de noms n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>La tentative de connexion a expiré&#xa0;: l&apos;hôte distant n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Le réseau a signalé une erreur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>La connexion a échoué&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Le correspondant a réinitialisé la connexion. %n octet envoyé au correspondant n&apos;a pas été remis.</numerusform>
            <numerusform>Le correspondant a réinitialisé la connexion. %n octets envoyés au correspondant n&apos;ont pas été remis.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>La connexion avec le correspondant a été perdue&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>La connexion avec le correspondant a été perdue&#xa0;: %1. %n octet envoyé au correspondant n&apos;a pas été remis.</numerusform>
            <numerusform>La connexion avec le correspondant a été perdue&#xa0;: %1. %n octets envoyés au correspondant n&apos;ont pas été remis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n octet envoyé au correspondant n&apos;a pas été remis&#xa0;: le correspondant a cessé d&apos;accepter du texte avant la fin de la connexion.</numerusform>
            <numerusform>%n octets envoyés au correspondant n&apos;ont pas été remis&#xa0;: le correspondant a cessé d&apos;accepter du texte avant la fin de la connexion.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Le port %1 n&apos;est pas un numéro de port compris entre 1 et 65535. Vous pouvez tout de même vous connecter à un correspondant.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Le port %1 est déjà utilisé par un autre programme&#xa0;; aucune demande de connexion ne peut donc être reçue. Vous pouvez tout de même vous connecter à un correspondant.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible d&apos;écouter sur le port %1&#xa0;: %2. Vous pouvez tout de même vous connecter à un correspondant.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>L&apos;appelant a abandonné avant que la demande ne soit acceptée. Parlino n&apos;écoute plus&#xa0;; «&#xa0;Écouter&#xa0;» permet d&apos;attendre une nouvelle demande.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Il n&apos;y a aucune demande de connexion %1 à accepter. Parlino n&apos;écoute plus&#xa0;; «&#xa0;Écouter&#xa0;» permet d&apos;attendre une nouvelle demande.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>La connexion est occupée par une autre opération&#xa0;; la demande n&apos;a donc pas été acceptée. Parlino n&apos;écoute plus&#xa0;; «&#xa0;Écouter&#xa0;» permet d&apos;attendre une nouvelle demande.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>La connexion chiffrée a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Impossible d&apos;établir la connexion chiffrée&#xa0;: le correspondant n&apos;a pas terminé la négociation en %1 secondes.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Le correspondant a répondu à l&apos;appel chiffré par du texte en clair&#xa0;: la connexion a donc été fermée.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Le partenaire n&apos;a pas terminé l&apos;échange du code de sécurité en %1 secondes, la conversation a donc été fermée : sans le code, personne ne peut savoir si quelqu&apos;un se trouve entre vous.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>La connexion chiffrée s&apos;est terminée sans le signal de fermeture du partenaire : son dernier texte a peut-être été coupé en route.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>À l&apos;écoute sur le port %1 pour de nouvelles demandes de connexion.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RouterCommands</name>
    <message>
        <source>Asking the router to forward port %1 to this computer.</source>
        <translation>Envoi au routeur d&apos;une demande de redirection du port %1 vers cet ordinateur.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>L&apos;adresse IPv6 %1 de cet ordinateur peut être appelée directement sur le port %2, sauf si un pare-feu refoule les appelants.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Les appelants sur Internet peuvent joindre cet ordinateur à l&apos;adresse %1, port %2, jusqu&apos;à la fermeture de Parlino.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Le routeur redirige le port %2, mais sa propre adresse Internet %1 est privée ou partagée&#xa0;: un CGNAT (le NAT de l&apos;opérateur) situé au-delà refoule les appelants venant d&apos;Internet. Demandez une adresse IP publique à votre fournisseur d&apos;accès à Internet.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Le routeur a cessé de rediriger le port %1 et a refusé de le rediriger à nouveau&#xa0;: les appelants sur Internet ne peuvent pas joindre cet ordinateur.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Le routeur ne redirige plus le port %1 vers cet ordinateur.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Aucun routeur n&apos;a répondu en %1 secondes&#xa0;: le port %2 n&apos;est pas ouvert aux appelants sur Internet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Le routeur a refusé de rediriger le port %1&#xa0;: il redirige déjà ce port vers un autre ordinateur.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Le routeur a refusé de rediriger le port %1 (erreur %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>La réponse du routeur n&apos;a pas pu être lue (%2)&#xa0;: le port %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Le routeur a indiqué une adresse extérieure qui n&apos;est pas une adresse valide (%2)&#xa0;: le port %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Le routeur n&apos;a pas fini de répondre en %1 secondes&#xa0;: le port %2 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Le module de Parlino pour les routeurs n&apos;a pas pu être chargé&#xa0;: le port %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Le pare-feu du routeur laisse passer les appelants vers l&apos;adresse IPv6 %1 de cet ordinateur, port %2, jusqu&apos;à la fermeture de Parlino.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Application simple de discussion par IP directe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Par les développeurs de Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM&#xa0;: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>Courriel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Conversation</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Port distant</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Port local</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Adresse IP distante</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Adresse IP locale</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nom affiché&#xa0;:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Se connecter avec chiffrement</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - conversation chiffrée</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Ouvrir le port sur le routeur</translation>
    </message>
</context>
</TS>
