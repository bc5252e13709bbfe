<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Probeer ‘parlino --help’.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Een tekstchat tussen twee computers via één directe TCP-verbinding, zonder server ertussen. Parlino luistert op TCP-poort 1981 en vraagt de gebruiker om toestemming voordat het een verbindingsverzoek accepteert; beide kanten kunnen verbinding maken met het adres van de ander. De eigen opties van Qt (-platform, -style, -display, ...) worden ook geaccepteerd.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld). Start Parlino op een bureaublad, of zonder scherm met ‘xvfb-run parlino’ of ‘parlino -platform vnc’ en een VNC-viewer op poort 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Vraagt de router bij het starten om de luisterpoort door te sturen naar deze computer, zoals ‘Verbinding &gt; Poort openen op router’ doet.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Luisteren op poort %1 naar nieuwe verbindingsverzoeken.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>U bent al verbonden met %1. Verbreek eerst de verbinding voordat u verdergaat.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Geef het externe IP-adres op waarmee u verbinding wilt maken.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Verbindingsverzoek verzonden naar: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>De verbinding is al verbroken en kan niet nogmaals worden verbroken.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>U moet eerst verbonden zijn met een andere computer.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Voer een weergavenaam in.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Inkomend verbindingsverzoek. Wilt u dit toestaan?
Van: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Verbindingsverzoek</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Verbinding geweigerd</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Verbinding tot stand gebracht</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>De gesprekspartner heeft meer tekst verzonden dan een gesprek kan bevatten (%1 MiB), daarom is de verbinding gesloten. Alles wat al werd weergegeven, blijft in de lijst staan.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Versleuteld verbindingsverzoek verzonden naar: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Inkomend verbindingsverzoek. Wilt u dit toestaan?
Van: %1
De oproep is versleuteld.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Inkomend verbindingsverzoek. Wilt u dit toestaan?
Van: %1
De oproep is niet versleuteld.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Dit gesprek is versleuteld.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Dit gesprek is niet versleuteld.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Beveiligingscode: %1. Vergelijk deze via een ander kanaal met de code van uw partner, bijvoorbeeld telefonisch. Als de codes verschillen, kan iemand dit gesprek lezen en wijzigen.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>De andere kant van de verbinding is geen Parlino, dus er is geen beveiligingscode. SHA-256-vingerafdruk van het certificaat van de gebelde kant: %1. Controleer via een ander kanaal dat uw partner voor dat certificaat dezelfde vingerafdruk ziet; zo niet, dan kan iemand dit gesprek lezen en wijzigen.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Als uw partner Parlino gebruikt, zit er iemand tussen u beiden: beëindig het gesprek.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>De beller begon te laat met een versleutelde verbinding: dit gesprek is niet versleuteld en wat de beller stuurde, verschijnt als tekst.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Een beller van %1 heeft opgehangen voordat u antwoordde.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Oproepen van %1 worden voorlopig geweigerd: er kwamen er meer dan %2 binnen een minuut.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Statusregel van Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Door u verzonden</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Ontvangen van uw gesprekspartner</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>De verbinding is met iets anders bezig; sluit deze eerst.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Poort %1 is geen poortnummer van 1 tot en met 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Poort %1 wordt al door een ander programma gebruikt, dus er kunnen geen verbindingsverzoeken worden ontvangen.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Kan niet luisteren op poort %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>De externe poort ‘%1’ is geen getal van 1 tot en met 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Er is geen extern adres opgegeven.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Er is geen verbindingsverzoek %1 om te accepteren.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>De aanvrager heeft het opgegeven voordat het verzoek werd geaccepteerd.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>De tekst kan niet worden verzonden: er is geen verbinding.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>De tekst kan niet worden verzonden: de verbinding met de gesprekspartner is mislukt.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>De verbinding is geweigerd: er luistert geen programma op dat adres en die poort.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>De externe host is niet gevonden.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>De naam van de externe host kan niet worden opgezocht: de naamserver heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Time-out bij de verbindingspoging: de externe host heeft niet geantwoord.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Het netwerk heeft een fout gemeld: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>De verbinding is mislukt: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>De gesprekspartner heeft de verbinding abrupt verbroken. %n naar de gesprekspartner verzonden byte is niet afgeleverd.</numerusform>
            <numerusform>De gesprekspartner heeft de verbinding abrupt verbroken. %n naar de gesprekspartner verzonden bytes zijn niet afgeleverd.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>De verbinding met de gesprekspartner is verbroken: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>De verbinding met de gesprekspartner is verbroken: %1. %n naar de gesprekspartner verzonden byte is niet afgeleverd.</numerusform>
            <numerusform>De verbinding met de gesprekspartner is verbroken: %1. %n naar de gesprekspartner verzonden bytes zijn niet afgeleverd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n naar de gesprekspartner verzonden byte is niet afgeleverd: de gesprekspartner nam geen tekst meer aan voordat de verbinding eindigde.</numerusform>
            <numerusform>%n naar de gesprekspartner verzonden bytes zijn niet afgeleverd: de gesprekspartner nam geen tekst meer aan voordat de verbinding eindigde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Poort %1 is geen poortnummer van 1 tot en met 65535. U kunt nog steeds verbinding maken met een gesprekspartner.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Poort %1 wordt al door een ander programma gebruikt, dus er kunnen geen verbindingsverzoeken worden ontvangen. U kunt nog steeds verbinding maken met een gesprekspartner.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Kan niet luisteren op poort %1: %2. U kunt nog steeds verbinding maken met een gesprekspartner.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>De aanvrager heeft het opgegeven voordat het verzoek werd geaccepteerd. Parlino luistert nu niet meer; met ‘Luisteren’ wacht het op een nieuw verzoek.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Er is geen verbindingsverzoek %1 om te accepteren. Parlino luistert nu niet meer; met ‘Luisteren’ wacht het op een nieuw verzoek.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>De verbinding is met iets anders bezig, daarom is het verzoek niet geaccepteerd. Parlino luistert nu niet meer; met ‘Luisteren’ wacht het op een nieuw verzoek.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>De versleutelde verbinding is mislukt: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>De versleutelde verbinding kon niet tot stand worden gebracht: de partner heeft de handshake niet binnen %1 seconden voltooid.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>De partner heeft de versleutelde oproep met onversleutelde tekst beantwoord, dus de verbinding is gesloten.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>De partner heeft de uitwisseling van de beveiligingscode niet binnen %1 seconden afgerond, dus het gesprek is gesloten: zonder de code kan niemand zien of iemand tussen jullie zit.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>De versleutelde verbinding eindigde zonder het afsluitsignaal van de partner: de laatste tekst van de partner is onderweg mogelijk afgekapt.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Luisteren op poort %1 naar nieuwe verbindingsverzoeken.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Toont hulp, inclusief de Qt-specifieke opties.</translation>
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
        <translation>De router wordt gevraagd poort %1 door te sturen naar deze computer.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>Het IPv6-adres %1 van deze computer is rechtstreeks bereikbaar op poort %2, tenzij een firewall bellers tegenhoudt.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Bellers op internet kunnen deze computer bereiken op %1, poort %2, totdat Parlino wordt afgesloten.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>De router stuurt poort %2 door, maar zijn eigen internetadres %1 is privé of gedeeld: een carrier-grade NAT (CGNAT) van de provider daarachter houdt bellers van internet tegen. Vraag uw internetprovider om een publiek IP-adres.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>De router is gestopt met het doorsturen van poort %1 en wilde de poort niet opnieuw doorsturen: bellers op internet kunnen deze computer niet bereiken.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>De router stuurt poort %1 niet meer door naar deze computer.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Geen enkele router heeft binnen %1 seconden geantwoord: poort %2 is niet open voor bellers op internet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>De router weigerde poort %1 door te sturen: de router stuurt die poort al door naar een andere computer.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>De router weigerde poort %1 door te sturen (%2-fout %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Het antwoord van de router kon niet worden gelezen (%2): poort %1 is niet open.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>De router gaf een extern adres door dat geen geldig adres is (%2): poort %1 is niet open.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>De router was niet binnen %1 seconden klaar met antwoorden: poort %2 is niet open.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>De routermodule van Parlino kon niet worden geladen: poort %1 is niet open.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>De firewall van de router laat bellers door naar het IPv6-adres %1 van deze computer, poort %2, totdat Parlino wordt afgesloten.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Eenvoudig chatprogramma via een directe IP-verbinding</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Door de ontwikkelaars van Parlino</translation>
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
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Gesprek</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Externe poort</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Lokale poort</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Extern IP-adres</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Lokaal IP-adres</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Bericht verzenden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Luisteren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Weergavenaam</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Versleuteld verbinden</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - versleuteld gesprek</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Poort openen op router</translation>
    </message>
</context>
</TS>
