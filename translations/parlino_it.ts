<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Provare «parlino --help».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Una chat testuale tra due computer tramite un&apos;unica connessione TCP diretta, senza alcun server intermedio. Parlino resta in ascolto sulla porta TCP 1981 e chiede conferma all&apos;utente prima di accettare una richiesta di connessione; ciascuna delle due parti può connettersi all&apos;indirizzo dell&apos;altra. Sono accettate anche le opzioni proprie di Qt (-platform, -style, -display, ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Nessun display trovato (DISPLAY e WAYLAND_DISPLAY non sono impostate). Avviare Parlino su un desktop, oppure senza schermo con «xvfb-run parlino» o «parlino -platform vnc» e un visualizzatore VNC sulla porta 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>All&apos;avvio chiede al router di inoltrare la porta di ascolto a questo computer, come fa «Connessione &gt; Apri porta sul router».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>In ascolto sulla porta %1 per nuove richieste di connessione.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Esiste già una connessione con %1. È necessario disconnettersi prima di procedere.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>È necessario indicare l&apos;indirizzo IP remoto a cui connettersi.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Richiesta di connessione inviata a: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>La connessione è già chiusa; impossibile disconnettersi di nuovo.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>È necessario prima connettersi a un altro computer.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Inserire il nome da visualizzare.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Richiesta di connessione in arrivo. Consentire la connessione?
Provenienza: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Richiesta di connessione</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Connessione rifiutata</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Connessione stabilita</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>L&apos;interlocutore ha inviato più testo di quanto una conversazione possa contenerne (%1 MiB), perciò la connessione è stata chiusa. Tutto ciò che è stato mostrato finora rimane nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Richiesta di connessione cifrata inviata a: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Richiesta di connessione in arrivo. Consentire la connessione?
Provenienza: %1
La chiamata è cifrata.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Richiesta di connessione in arrivo. Consentire la connessione?
Provenienza: %1
La chiamata non è cifrata.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Questa conversazione è cifrata.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Questa conversazione non è cifrata.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Codice di sicurezza: %1. Confrontalo con il codice del tuo interlocutore tramite un altro canale, ad esempio per telefono. Se i codici sono diversi, qualcuno può leggere e modificare questa conversazione.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>L&apos;altro capo della connessione non è Parlino, quindi non c&apos;è un codice di sicurezza. Impronta SHA-256 del certificato del lato chiamato: %1. Verifica tramite un altro canale che il tuo interlocutore veda la stessa impronta per quel certificato; altrimenti qualcuno può leggere e modificare questa conversazione.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Se il tuo interlocutore usa Parlino, qualcuno si trova tra di voi: termina la conversazione.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Il chiamante ha avviato una connessione cifrata troppo tardi: questa conversazione non è cifrata e ciò che ha inviato appare come testo.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Un chiamante da %1 ha riattaccato prima della risposta.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Le chiamate da %1 vengono rifiutate per ora: ne sono arrivate più di %2 in un minuto.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Riga di stato di Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Messaggio inviato</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Messaggio ricevuto dall&apos;interlocutore</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>La connessione è occupata da un&apos;altra operazione; chiuderla prima di continuare.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>La porta %1 non è un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>La porta %1 è già in uso da parte di un altro programma, quindi non è possibile ricevere richieste di connessione.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Impossibile mettersi in ascolto sulla porta %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>La porta remota «%1» non è un numero compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Non è stato indicato alcun indirizzo remoto.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Non c&apos;è alcuna richiesta di connessione %1 da accettare.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Il richiedente ha rinunciato prima che la richiesta venisse accettata.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Impossibile inviare il testo: non c&apos;è alcuna connessione.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Impossibile inviare il testo: la connessione con l&apos;interlocutore non è riuscita.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>La connessione è stata rifiutata: nessun programma è in ascolto su quell&apos;indirizzo e quella porta.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Impossibile trovare l&apos;host remoto.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Impossibile risolvere il nome dell&apos;host remoto: il server dei nomi non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Tempo scaduto per il tentativo di connessione: l&apos;host remoto non ha risposto.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>La rete ha segnalato un errore: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Connessione non riuscita: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>L&apos;interlocutore ha reimpostato la connessione. %n byte inviato all&apos;interlocutore non è stato consegnato.</numerusform>
            <numerusform>L&apos;interlocutore ha reimpostato la connessione. %n byte inviati all&apos;interlocutore non sono stati consegnati.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>La connessione con l&apos;interlocutore si è interrotta: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>La connessione con l&apos;interlocutore si è interrotta: %1. %n byte inviato all&apos;interlocutore non è stato consegnato.</numerusform>
            <numerusform>La connessione con l&apos;interlocutore si è interrotta: %1. %n byte inviati all&apos;interlocutore non sono stati consegnati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n byte inviato all&apos;interlocutore non è stato consegnato: l&apos;interlocutore ha smesso di accettare testo prima della fine della connessione.</numerusform>
            <numerusform>%n byte inviati all&apos;interlocutore non sono stati consegnati: l&apos;interlocutore ha smesso di accettare testo prima della fine della connessione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>La porta %1 non è un numero di porta compreso tra 1 e 65535. È comunque possibile connettersi a un interlocutore.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>La porta %1 è già in uso da parte di un altro programma, quindi non è possibile ricevere richieste di connessione. È comunque possibile connettersi a un interlocutore.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Impossibile mettersi in ascolto sulla porta %1: %2. È comunque possibile connettersi a un interlocutore.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Il richiedente ha rinunciato prima che la richiesta venisse accettata. Parlino ora non è in ascolto; con «Ascolta» si attende un&apos;altra richiesta.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Non c&apos;è alcuna richiesta di connessione %1 da accettare. Parlino ora non è in ascolto; con «Ascolta» si attende un&apos;altra richiesta.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>La connessione è occupata da un&apos;altra operazione, quindi la richiesta non è stata accettata. Parlino ora non è in ascolto; con «Ascolta» si attende un&apos;altra richiesta.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>La connessione cifrata non è riuscita: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Impossibile stabilire la connessione cifrata: l&apos;interlocutore non ha completato l&apos;handshake entro %1 secondi.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>L&apos;interlocutore ha risposto alla chiamata cifrata con testo in chiaro, quindi la connessione è stata chiusa.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Il partner non ha completato lo scambio del codice di sicurezza entro %1 secondi, quindi la conversazione è stata chiusa: senza il codice nessuno può sapere se qualcuno si trova tra voi.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>La connessione cifrata è terminata senza il segnale di chiusura del partner: il suo ultimo testo potrebbe essere stato troncato lungo il percorso.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>In ascolto sulla porta %1 per nuove richieste di connessione.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
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
        <translation>Richiesta al router di inoltrare la porta %1 a questo computer.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>L&apos;indirizzo IPv6 %1 di questo computer può essere chiamato direttamente sulla porta %2, a meno che un firewall non respinga i chiamanti.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>I chiamanti su Internet possono raggiungere questo computer all&apos;indirizzo %1, porta %2, finché Parlino non viene chiuso.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Il router inoltra la porta %2, ma il suo indirizzo Internet %1 è privato o condiviso: un CGNAT (il NAT dell&apos;operatore) a monte respinge i chiamanti provenienti da Internet. Chiedere al proprio provider Internet un indirizzo IP pubblico.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Il router ha smesso di inoltrare la porta %1 e non ha accettato di inoltrarla di nuovo: i chiamanti su Internet non possono raggiungere questo computer.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Il router non inoltra più la porta %1 a questo computer.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Nessun router ha risposto entro %1 secondi: la porta %2 non è aperta ai chiamanti su Internet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Il router ha rifiutato di inoltrare la porta %1: la inoltra già a un altro computer.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Il router ha rifiutato di inoltrare la porta %1 (errore %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Impossibile leggere la risposta del router (%2): la porta %1 non è aperta.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Il router ha comunicato un indirizzo esterno che non è un indirizzo valido (%2): la porta %1 non è aperta.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Il router non ha finito di rispondere entro %1 secondi: la porta %2 non è aperta.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Impossibile caricare il modulo di Parlino per i router: la porta %1 non è aperta.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Il firewall del router lascia passare i chiamanti verso l&apos;indirizzo IPv6 %1 di questo computer, porta %2, finché Parlino non viene chiuso.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Semplice applicazione di chat via IP diretto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>A cura degli sviluppatori di Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Conversazione</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Porta remota</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Porta locale</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Indirizzo IP remoto</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Indirizzo IP locale</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Invia messaggio</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Nome visualizzato</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Connetti con cifratura</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - conversazione cifrata</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Apri porta sul router</translation>
    </message>
</context>
</TS>
