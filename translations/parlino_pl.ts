<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Więcej informacji: „parlino --help”.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Czat tekstowy między dwoma komputerami przez jedno bezpośrednie połączenie TCP, bez pośredniczącego serwera. Parlino nasłuchuje na porcie TCP 1981 i przed przyjęciem żądania połączenia pyta użytkownika o zgodę; każda ze stron może połączyć się z adresem drugiej. Akceptowane są również własne opcje Qt (-platform, -style, -display, ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Nie znaleziono ekranu (zmienne DISPLAY i WAYLAND_DISPLAY nie są ustawione). Uruchom Parlino na pulpicie albo bez ekranu poleceniem „xvfb-run parlino” lub „parlino -platform vnc” z przeglądarką VNC na porcie 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Przy uruchomieniu prosi router o przekierowanie portu nasłuchiwania na ten komputer, tak jak polecenie „Połączenie &gt; Otwórz port na routerze”.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Nasłuchiwanie nowych żądań połączenia na porcie %1.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Połączenie jest już nawiązane z: %1. Przed kontynuowaniem należy się rozłączyć.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Należy podać zdalny adres IP, z którym ma zostać nawiązane połączenie.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Wysłano żądanie połączenia do: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>Połączenie jest już zakończone; nie można rozłączyć się ponownie.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Najpierw należy połączyć się z innym komputerem.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Proszę podać nazwę wyświetlaną.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Przychodzące żądanie połączenia. Czy zezwolić na połączenie?
Z adresu %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Żądanie połączenia</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Odrzucono połączenie</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Nawiązano połączenie</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Rozmówca wysłał więcej tekstu, niż może pomieścić jedna rozmowa (%1 MiB), dlatego połączenie zostało zamknięte. Wszystko, co zostało wcześniej wyświetlone, pozostaje na liście.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Wysłano szyfrowane żądanie połączenia do: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Przychodzące żądanie połączenia. Czy zezwolić na połączenie?
Z adresu %1
Połączenie jest szyfrowane.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Przychodzące żądanie połączenia. Czy zezwolić na połączenie?
Z adresu %1
Połączenie nie jest szyfrowane.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Ta rozmowa jest szyfrowana.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Ta rozmowa nie jest szyfrowana.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Kod bezpieczeństwa: %1. Porównaj go z kodem rozmówcy innym kanałem, na przykład telefonicznie. Jeśli kody się różnią, ktoś może czytać i zmieniać tę rozmowę.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>Druga strona połączenia nie jest programem Parlino, więc nie ma kodu bezpieczeństwa. Odcisk SHA-256 certyfikatu strony, do której dzwoniono: %1. Sprawdź innym kanałem, czy rozmówca widzi ten sam odcisk tego certyfikatu; jeśli nie, ktoś może czytać i zmieniać tę rozmowę.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Jeśli rozmówca używa programu Parlino, ktoś jest między wami: zakończ rozmowę.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Dzwoniący rozpoczął połączenie szyfrowane za późno: ta rozmowa nie jest szyfrowana, a to, co wysłał, jest wyświetlane jako tekst.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Dzwoniący z adresu %1 rozłączył się przed odpowiedzią.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Połączenia z adresu %1 są na razie odrzucane: w ciągu minuty przyszło ich ponad %2.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Komunikat stanu programu Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Wiadomość wysłana</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Wiadomość od rozmówcy</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>Połączenie jest zajęte inną operacją; najpierw należy je zamknąć.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Port %1 nie jest numerem portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Port %1 jest już używany przez inny program, więc nie można odbierać żądań połączenia.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Nie można nasłuchiwać na porcie %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Zdalny port „%1” nie jest liczbą z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Nie podano zdalnego adresu.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Nie ma żądania połączenia %1, które można by przyjąć.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Druga strona zrezygnowała, zanim żądanie zostało przyjęte.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Nie udało się wysłać tekstu: brak połączenia.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Nie udało się wysłać tekstu: połączenie z rozmówcą zostało zerwane.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>Połączenie zostało odrzucone: pod tym adresem i portem nic nie nasłuchuje.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Nie można odnaleźć zdalnego hosta.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Nie udało się rozwiązać nazwy zdalnego hosta: serwer nazw nie odpowiedział na czas.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Upłynął limit czasu próby połączenia: zdalny host nie odpowiedział.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Sieć zgłosiła błąd: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Połączenie nie powiodło się: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Rozmówca zresetował połączenie. %n bajt wysłany do rozmówcy nie został dostarczony.</numerusform>
            <numerusform>Rozmówca zresetował połączenie. %n bajty wysłane do rozmówcy nie zostały dostarczone.</numerusform>
            <numerusform>Rozmówca zresetował połączenie. %n bajtów wysłanych do rozmówcy nie zostało dostarczonych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>Utracono połączenie z rozmówcą: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>Utracono połączenie z rozmówcą: %1. %n bajt wysłany do rozmówcy nie został dostarczony.</numerusform>
            <numerusform>Utracono połączenie z rozmówcą: %1. %n bajty wysłane do rozmówcy nie zostały dostarczone.</numerusform>
            <numerusform>Utracono połączenie z rozmówcą: %1. %n bajtów wysłanych do rozmówcy nie zostało dostarczonych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n bajt wysłany do rozmówcy nie został dostarczony: rozmówca przestał odbierać tekst przed zakończeniem połączenia.</numerusform>
            <numerusform>%n bajty wysłane do rozmówcy nie zostały dostarczone: rozmówca przestał odbierać tekst przed zakończeniem połączenia.</numerusform>
            <numerusform>%n bajtów wysłanych do rozmówcy nie zostało dostarczonych: rozmówca przestał odbierać tekst przed zakończeniem połączenia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Port %1 nie jest numerem portu z zakresu od 1 do 65535. Nadal można połączyć się z rozmówcą.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Port %1 jest już używany przez inny program, więc nie można odbierać żądań połączenia. Nadal można połączyć się z rozmówcą.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Nie można nasłuchiwać na porcie %1: %2. Nadal można połączyć się z rozmówcą.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Druga strona zrezygnowała, zanim żądanie zostało przyjęte. Parlino w tej chwili nie nasłuchuje; polecenie „Nasłuchuj” rozpoczyna oczekiwanie na kolejne żądanie.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Nie ma żądania połączenia %1, które można by przyjąć. Parlino w tej chwili nie nasłuchuje; polecenie „Nasłuchuj” rozpoczyna oczekiwanie na kolejne żądanie.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Połączenie jest zajęte inną operacją, więc żądanie nie zostało przyjęte. Parlino w tej chwili nie nasłuchuje; polecenie „Nasłuchuj” rozpoczyna oczekiwanie na kolejne żądanie.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>Szyfrowane połączenie nie powiodło się: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Nie udało się nawiązać szyfrowanego połączenia: rozmówca nie zakończył uzgadniania w ciągu %1 sekund.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Rozmówca odpowiedział na szyfrowane połączenie niezaszyfrowanym tekstem, więc połączenie zostało zamknięte.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Rozmówca nie zakończył wymiany kodu bezpieczeństwa w ciągu %1 sekund, więc rozmowa została zamknięta: bez kodu nikt nie może stwierdzić, czy ktoś jest między wami.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>Połączenie szyfrowane zakończyło się bez sygnału zamknięcia od rozmówcy: jego ostatni tekst mógł zostać ucięty po drodze.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Nasłuchiwanie nowych żądań połączenia na porcie %1.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami właściwymi dla Qt.</translation>
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
        <translation>Wysyłanie do routera prośby o przekierowanie portu %1 na ten komputer.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>Z tym komputerem można połączyć się bezpośrednio pod jego adresem IPv6 %1 na porcie %2, o ile zapora sieciowa nie odrzuca dzwoniących.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Dzwoniący z internetu mogą połączyć się z tym komputerem pod adresem %1, port %2, do czasu zamknięcia Parlino.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Router przekierowuje port %2, ale jego własny adres internetowy %1 jest prywatny lub współdzielony: znajdujący się za nim CGNAT (NAT operatora) odrzuca dzwoniących z internetu. Poproś dostawcę internetu o publiczny adres IP.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Router przestał przekierowywać port %1 i nie zgodził się przekierować go ponownie: dzwoniący z internetu nie mogą połączyć się z tym komputerem.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Router nie przekierowuje już portu %1 na ten komputer.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Żaden router nie odpowiedział w ciągu %1 s: port %2 nie jest otwarty dla dzwoniących z internetu.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Router odmówił przekierowania portu %1: przekierowuje już ten port na inny komputer.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Router odmówił przekierowania portu %1 (błąd %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Nie udało się odczytać odpowiedzi routera (%2): port %1 nie jest otwarty.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Router zgłosił adres zewnętrzny, który nie jest prawidłowym adresem (%2): port %1 nie jest otwarty.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Router nie zakończył odpowiedzi w ciągu %1 s: port %2 nie jest otwarty.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Nie udało się wczytać modułu Parlino do obsługi routerów: port %1 nie jest otwarty.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Zapora sieciowa routera przepuszcza dzwoniących do adresu IPv6 %1 tego komputera, port %2, do czasu zamknięcia Parlino.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Prosty czat przez bezpośrednie połączenie IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Autorzy: zespół programistów Parlino</translation>
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
        <translation>Wersja %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Rozmowa</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Port zdalny</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Port lokalny</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Zdalny adres IP</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Lokalny adres IP</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Nasłuchuj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Nazwa wyświetlana</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Połącz z szyfrowaniem</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - rozmowa szyfrowana</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Otwórz port na routerze</translation>
    </message>
</context>
</TS>
