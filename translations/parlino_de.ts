<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Siehe „parlino --help“.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Ein Text-Chat zwischen zwei Computern über eine direkte TCP-Verbindung, ohne Server dazwischen. Parlino wartet an TCP-Port 1981 auf Verbindungen und fragt seinen Benutzer, bevor es eine Verbindungsanfrage annimmt; jede Seite kann sich mit der Adresse der anderen verbinden. Qts eigene Optionen (-platform, -style, -display, ...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt). Starten Sie Parlino auf einem Desktop oder ohne Bildschirm mit „xvfb-run parlino“ oder „parlino -platform vnc“ und einem VNC-Viewer an Port 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Bittet beim Start den Router, den Port, an dem Parlino auf Verbindungen wartet, an diesen Computer weiterzuleiten – wie „Verbindung &gt; Port am Router öffnen“.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Warte an Port %1 auf neue Verbindungsanfragen.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Sie sind bereits verbunden mit: %1. Trennen Sie zuerst die Verbindung.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Geben Sie die IP-Adresse des Partners an, mit dem Sie sich verbinden möchten.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Verbindungsanfrage gesendet an: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>Die Verbindung ist bereits getrennt und kann nicht noch einmal getrennt werden.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Sie müssen zuerst mit einem anderen Computer verbunden sein.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Bitte geben Sie einen Anzeigenamen ein.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Eingehende Verbindungsanfrage. Möchten Sie sie zulassen?
Von %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Verbindungsanfrage</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Verbindung hergestellt</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Der Partner hat mehr Text gesendet, als ein Gespräch fassen kann (%1 MiB), daher wurde die Verbindung getrennt. Alles bisher Angezeigte bleibt in der Liste.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Verschlüsselte Verbindungsanfrage gesendet an: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Eingehende Verbindungsanfrage. Möchten Sie sie zulassen?
Von %1
Der Anruf ist verschlüsselt.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Eingehende Verbindungsanfrage. Möchten Sie sie zulassen?
Von %1
Der Anruf ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Dieses Gespräch ist verschlüsselt.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Dieses Gespräch ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Sicherheitscode: %1. Vergleichen Sie ihn auf einem anderen Weg mit dem Code Ihres Partners, zum Beispiel am Telefon. Wenn die Codes verschieden sind, kann jemand dieses Gespräch lesen und verändern.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>Die Gegenstelle der Verbindung ist kein Parlino, daher gibt es keinen Sicherheitscode. SHA-256-Fingerabdruck des Zertifikats der angerufenen Seite: %1. Prüfen Sie auf einem anderen Weg, dass Ihr Partner für dieses Zertifikat denselben Fingerabdruck sieht; wenn nicht, kann jemand dieses Gespräch lesen und verändern.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Wenn Ihr Partner Parlino verwendet, sitzt jemand zwischen Ihnen: Beenden Sie das Gespräch.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Der Anrufer hat die Verschlüsselung zu spät begonnen: Dieses Gespräch ist nicht verschlüsselt, und was der Anrufer gesendet hat, erscheint als Text.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Ein Anrufer von %1 hat aufgelegt, bevor Sie geantwortet haben.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Anrufe von %1 werden vorerst abgewiesen: Mehr als %2 kamen innerhalb einer Minute.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Statuszeile von Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Von Ihnen gesendet</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Von Ihrem Partner empfangen</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>Die Verbindung ist mit etwas anderem beschäftigt; schließen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Port %1 ist keine Portnummer von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Port %1 wird bereits von einem anderen Programm verwendet, daher können keine Verbindungsanfragen empfangen werden.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>An Port %1 kann nicht auf Verbindungen gewartet werden: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Der Partner-Port „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Es wurde keine Adresse des Partners angegeben.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Es gibt keine Verbindungsanfrage %1, die angenommen werden könnte.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Der Anrufer hat aufgegeben, bevor die Anfrage angenommen wurde.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Der Text konnte nicht gesendet werden: Es besteht keine Verbindung.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>Die Verbindung wurde abgelehnt: An dieser Adresse und diesem Port wartet niemand auf Verbindungen.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Der entfernte Rechner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Der Name des entfernten Rechners konnte nicht aufgelöst werden: Der Nameserver hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Zeitüberschreitung beim Verbindungsaufbau: Der entfernte Rechner hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Das Netzwerk hat einen Fehler gemeldet: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die Verbindung ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>Die Verbindung zum Partner ist abgebrochen: %1.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Port %1 ist keine Portnummer von 1 bis 65535. Sie können sich trotzdem mit einem Partner verbinden.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Port %1 wird bereits von einem anderen Programm verwendet, daher können keine Verbindungsanfragen empfangen werden. Sie können sich trotzdem mit einem Partner verbinden.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>An Port %1 kann nicht auf Verbindungen gewartet werden: %2. Sie können sich trotzdem mit einem Partner verbinden.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Der Anrufer hat aufgegeben, bevor die Anfrage angenommen wurde. Parlino wartet jetzt auf keine Verbindungen; mit „Warten“ wartet es auf eine neue Anfrage.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Es gibt keine Verbindungsanfrage %1, die angenommen werden könnte. Parlino wartet jetzt auf keine Verbindungen; mit „Warten“ wartet es auf eine neue Anfrage.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Die Verbindung ist mit etwas anderem beschäftigt, daher wurde die Anfrage nicht angenommen. Parlino wartet jetzt auf keine Verbindungen; mit „Warten“ wartet es auf eine neue Anfrage.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Der Partner hat die Verbindung zurückgesetzt. %n an den Partner gesendetes Byte wurde nicht zugestellt.</numerusform>
            <numerusform>Der Partner hat die Verbindung zurückgesetzt. %n an den Partner gesendete Bytes wurden nicht zugestellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>Die Verbindung zum Partner ist abgebrochen: %1. %n an den Partner gesendetes Byte wurde nicht zugestellt.</numerusform>
            <numerusform>Die Verbindung zum Partner ist abgebrochen: %1. %n an den Partner gesendete Bytes wurden nicht zugestellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n an den Partner gesendetes Byte wurde nicht zugestellt: Der Partner hat vor dem Ende der Verbindung keinen Text mehr angenommen.</numerusform>
            <numerusform>%n an den Partner gesendete Bytes wurden nicht zugestellt: Der Partner hat vor dem Ende der Verbindung keinen Text mehr angenommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Der Text konnte nicht gesendet werden: Die Verbindung zum Partner ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>Die verschlüsselte Verbindung ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Die verschlüsselte Verbindung konnte nicht aufgebaut werden: Der Partner hat den Handshake nicht innerhalb von %1 Sekunden abgeschlossen.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Der Partner hat auf den verschlüsselten Anruf mit unverschlüsseltem Text geantwortet, daher wurde die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Der Partner hat den Austausch des Sicherheitscodes nicht innerhalb von %1 Sekunden abgeschlossen, daher wurde das Gespräch beendet: Ohne den Code kann niemand erkennen, ob jemand zwischen Ihnen sitzt.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>Die verschlüsselte Verbindung endete ohne das Abschlusssignal des Partners: Der letzte Text des Partners wurde unterwegs möglicherweise abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Warte an Port %1 auf neue Verbindungsanfragen.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
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
        <translation>Der Router wird gebeten, Port %1 an diesen Computer weiterzuleiten.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>Die IPv6-Adresse %1 dieses Computers ist an Port %2 direkt erreichbar, sofern keine Firewall Anrufer abweist.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Anrufer aus dem Internet erreichen diesen Computer unter %1, Port %2, bis Parlino beendet wird.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Der Router leitet Port %2 weiter, aber seine eigene Internetadresse %1 ist privat oder geteilt: Ein Carrier-Grade-NAT (CGNAT) des Internetanbieters dahinter weist Anrufer aus dem Internet ab. Bitten Sie Ihren Internetanbieter um eine öffentliche IP-Adresse.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Der Router hat die Weiterleitung von Port %1 beendet und wollte ihn nicht erneut weiterleiten: Anrufer aus dem Internet können diesen Computer nicht erreichen.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Der Router leitet Port %1 nicht mehr an diesen Computer weiter.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Innerhalb von %1 Sekunden hat kein Router geantwortet: Port %2 ist für Anrufer aus dem Internet nicht geöffnet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Der Router hat die Weiterleitung von Port %1 abgelehnt: Er leitet diesen Port bereits an einen anderen Computer weiter.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Der Router hat die Weiterleitung von Port %1 abgelehnt (%2-Fehler %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Die Antwort des Routers konnte nicht gelesen werden (%2): Port %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Der Router hat eine externe Adresse gemeldet, die keine gültige Adresse ist (%2): Port %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Der Router hat seine Antwort nicht innerhalb von %1 Sekunden abgeschlossen: Port %2 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Parlinos Modul für Router konnte nicht geladen werden: Port %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Die Firewall des Routers lässt Anrufer zur IPv6-Adresse %1 dieses Computers durch, Port %2, bis Parlino beendet wird.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Einfacher Chat über eine direkte IP-Verbindung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Von den Parlino-Entwicklern</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>E-Mail: %1</translation>
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
        <translation>Gespräch</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Partner-Port</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Eigener Port</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Partner-IP-Adresse</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Eigene IP-Adresse</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Verschlüsselt verbinden</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - verschlüsseltes Gespräch</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Port am Router öffnen</translation>
    </message>
</context>
</TS>
