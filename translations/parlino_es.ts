<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Pruebe «parlino --help».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Un chat de texto entre dos equipos a través de una única conexión TCP directa, sin ningún servidor intermedio. Parlino escucha en el puerto TCP 1981 y pregunta a su usuario antes de aceptar una solicitud de conexión; cualquiera de las dos partes puede conectarse a la dirección de la otra. También se aceptan las opciones propias de Qt (-platform, -style, -display, ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>No se encontró ninguna pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas). Ejecute Parlino en un escritorio, o sin pantalla con «xvfb-run parlino» o «parlino -platform vnc» y un visor VNC en el puerto 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Al iniciarse, pide al router que reenvíe el puerto de escucha a este equipo, como hace «Conexión &gt; Abrir puerto en el router».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Escuchando en el puerto %1 en espera de nuevas solicitudes de conexión.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Ya existe una conexión con %1. Debe desconectarse antes de continuar.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Debe indicar la dirección IP remota a la que desea conectarse.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Se ha enviado una solicitud de conexión a: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>Ya está desconectado; no es posible desconectarse de nuevo.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Primero debe conectarse a otro equipo.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Escriba el nombre que desea mostrar.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Solicitud de conexión entrante. ¿Desea permitirla?
Origen: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Solicitud de conexión</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Conexión establecida</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>El interlocutor ha enviado más texto del que cabe en una conversación (%1 MiB), por lo que se ha cerrado la conexión. Todo lo mostrado hasta ahora permanece en la lista.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Se ha enviado una solicitud de conexión cifrada a: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Solicitud de conexión entrante. ¿Desea permitirla?
Origen: %1
La llamada está cifrada.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Solicitud de conexión entrante. ¿Desea permitirla?
Origen: %1
La llamada no está cifrada.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Esta conversación está cifrada.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Esta conversación no está cifrada.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Código de seguridad: %1. Compárelo con el código de su interlocutor por otro medio, por ejemplo por teléfono. Si los códigos son distintos, alguien puede leer y modificar esta conversación.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>El otro extremo de la conexión no es Parlino, así que no hay código de seguridad. Huella SHA-256 del certificado del lado que recibió la llamada: %1. Compruebe por otro medio que su interlocutor ve la misma huella para ese certificado; si no, alguien puede leer y modificar esta conversación.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Si su interlocutor usa Parlino, hay alguien entre ustedes: termine la conversación.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>El llamante inició una conexión cifrada demasiado tarde: esta conversación no está cifrada y lo que envió se muestra como texto.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Un llamante desde %1 colgó antes de que usted respondiera.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Las llamadas desde %1 se rechazan por ahora: llegaron más de %2 en un minuto.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Línea de estado de Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Enviado por usted</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Recibido de su interlocutor</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>La conexión está ocupada con otra operación; ciérrela primero.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>El puerto %1 no es un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Otro programa ya está usando el puerto %1, por lo que no se pueden recibir solicitudes de conexión.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>No se puede escuchar en el puerto %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>El puerto remoto «%1» no es un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>No se ha indicado ninguna dirección remota.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>No hay ninguna solicitud de conexión %1 que aceptar.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>El solicitante desistió antes de que se aceptara la solicitud.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>No se pudo enviar el texto: no hay ninguna conexión.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>No se pudo enviar el texto: ha fallado la conexión con el interlocutor.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>Se rechazó la conexión: ningún programa está escuchando en esa dirección y ese puerto.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>No se encontró el equipo remoto.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>No se pudo resolver el nombre del equipo remoto: el servidor de nombres no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Se agotó el tiempo de espera del intento de conexión: el equipo remoto no respondió.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>La red notificó un error: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Ha fallado la conexión: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>El interlocutor restableció la conexión. No se entregó %n byte enviado al interlocutor.</numerusform>
            <numerusform>El interlocutor restableció la conexión. No se entregaron %n bytes enviados al interlocutor.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>Se perdió la conexión con el interlocutor: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>Se perdió la conexión con el interlocutor: %1. No se entregó %n byte enviado al interlocutor.</numerusform>
            <numerusform>Se perdió la conexión con el interlocutor: %1. No se entregaron %n bytes enviados al interlocutor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>No se entregó %n byte enviado al interlocutor: el interlocutor dejó de aceptar texto antes de que terminara la conexión.</numerusform>
            <numerusform>No se entregaron %n bytes enviados al interlocutor: el interlocutor dejó de aceptar texto antes de que terminara la conexión.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>El puerto %1 no es un número de puerto entre 1 y 65535. Aun así, puede conectarse a un interlocutor.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Otro programa ya está usando el puerto %1, por lo que no se pueden recibir solicitudes de conexión. Aun así, puede conectarse a un interlocutor.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>No se puede escuchar en el puerto %1: %2. Aun así, puede conectarse a un interlocutor.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>El solicitante desistió antes de que se aceptara la solicitud. Parlino ya no está escuchando; con «Escuchar» puede esperar otra solicitud.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>No hay ninguna solicitud de conexión %1 que aceptar. Parlino ya no está escuchando; con «Escuchar» puede esperar otra solicitud.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>La conexión está ocupada con otra operación, por lo que no se aceptó la solicitud. Parlino ya no está escuchando; con «Escuchar» puede esperar otra solicitud.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>La conexión cifrada ha fallado: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>No se ha podido establecer la conexión cifrada: el interlocutor no ha completado el protocolo de enlace en %1 segundos.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>El interlocutor ha respondido a la llamada cifrada con texto sin cifrar, así que se ha cerrado la conexión.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>El interlocutor no terminó el intercambio del código de seguridad en %1 segundos, así que la conversación se cerró: sin el código nadie puede saber si alguien está entre ustedes.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>La conexión cifrada terminó sin la señal de cierre del interlocutor: su último texto puede haberse cortado por el camino.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Escuchando en el puerto %1 en espera de nuevas solicitudes de conexión.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
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
        <translation>Pidiendo al router que reenvíe el puerto %1 a este equipo.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>La dirección IPv6 %1 de este equipo puede recibir llamadas directamente en el puerto %2, salvo que un cortafuegos rechace a los llamantes.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Los llamantes desde internet pueden llegar a este equipo en %1, puerto %2, hasta que se cierre Parlino.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>El router reenvía el puerto %2, pero su propia dirección de internet %1 es privada o compartida: un CG-NAT (el NAT del operador) situado más allá rechaza a los llamantes de internet. Pida a su proveedor de internet una dirección IP pública.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>El router dejó de reenviar el puerto %1 y no aceptó volver a reenviarlo: los llamantes de internet no pueden llegar a este equipo.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>El router ya no reenvía el puerto %1 a este equipo.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Ningún router respondió en %1 segundos: el puerto %2 no está abierto a los llamantes de internet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>El router se negó a reenviar el puerto %1: ya reenvía ese puerto a otro equipo.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>El router se negó a reenviar el puerto %1 (error %3 de %2).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>No se pudo leer la respuesta del router (%2): el puerto %1 no está abierto.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>El router indicó una dirección externa que no es una dirección válida (%2): el puerto %1 no está abierto.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>El router no terminó de responder en %1 segundos: el puerto %2 no está abierto.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>No se pudo cargar el módulo de Parlino para routers: el puerto %1 no está abierto.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>El cortafuegos del router deja pasar a los llamantes hasta la dirección IPv6 %1 de este equipo, puerto %2, hasta que se cierre Parlino.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Aplicación sencilla de chat por IP directa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Por los desarrolladores de Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Puerto remoto</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Puerto local</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>IP remota</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>IP local</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Enviar mensaje</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Nombre visible</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Conectar con cifrado</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - conversación cifrada</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Abrir puerto en el router</translation>
    </message>
</context>
</TS>
