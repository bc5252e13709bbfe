<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Щоб отримати довідку, виконайте «parlino --help».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Текстовий чат між двома комп’ютерами через одне пряме TCP-з’єднання, без проміжного сервера. Parlino очікує з’єднань на TCP-порту 1981 і питає користувача, перш ніж прийняти запит на з’єднання; будь-яка зі сторін може під’єднатися до адреси іншої. Також приймаються власні параметри Qt (-platform, -style, -display, ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Дисплей не знайдено (змінні DISPLAY і WAYLAND_DISPLAY не задано). Запустіть Parlino на робочому столі або без екрана командою «xvfb-run parlino» чи «parlino -platform vnc» і підключіться VNC-клієнтом до порту 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Під час запуску просить маршрутизатор переспрямовувати порт очікування з’єднань на цей комп’ютер, як команда «З’єднання &gt; Відкрити порт на маршрутизаторі».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Очікування нових запитів на з’єднання на порту %1.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Ви вже під’єднані до: %1. Перш ніж продовжити, необхідно від’єднатися.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Вкажіть віддалену IP-адресу для з’єднання.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Запит на з’єднання надіслано на адресу: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>З’єднання вже розірвано, повторне від’єднання неможливе.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Від’єднано</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Спочатку необхідно під’єднатися до іншого комп’ютера.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Введіть відображуване ім’я.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Вхідний запит на з’єднання. Дозволити його?
З адреси %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Запит на з’єднання</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>У з’єднанні відмовлено</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>З’єднання встановлено</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Співрозмовник надіслав більше тексту, ніж може вмістити одна розмова (%1 МіБ), тому з’єднання закрито. Усе показане раніше залишається в списку.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Запит на зашифроване з’єднання надіслано на адресу: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Вхідний запит на з’єднання. Дозволити його?
З адреси %1
Виклик зашифровано.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Вхідний запит на з’єднання. Дозволити його?
З адреси %1
Виклик не зашифровано.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Цю розмову зашифровано.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Цю розмову не зашифровано.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Код безпеки: %1. Порівняйте його з кодом співрозмовника іншим каналом, наприклад телефоном. Якщо коди різняться, хтось може читати й змінювати цю розмову.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>На іншому кінці з’єднання не Parlino, тому коду безпеки немає. Відбиток SHA-256 сертифіката викликаної сторони: %1. Перевірте іншим каналом, що співрозмовник бачить для цього сертифіката той самий відбиток; якщо ні, хтось може читати й змінювати цю розмову.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Якщо співрозмовник використовує Parlino, між вами хтось є: завершіть розмову.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Абонент надто пізно почав зашифроване з’єднання: ця розмова не зашифрована, а те, що він надіслав, показано як текст.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Абонент з адреси %1 від’єднався до вашої відповіді.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Виклики з адреси %1 поки що відхиляються: за хвилину їх надійшло понад %2.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Повідомлення про стан від Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Надіслано вами</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Отримано від співрозмовника</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>З’єднання зайняте іншою операцією; спочатку закрийте його.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Порт %1 не є номером порту в діапазоні від 1 до 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Порт %1 уже використовується іншою програмою, тому приймати запити на з’єднання неможливо.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Не вдається очікувати з’єднань на порту %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Віддалений порт «%1» не є числом у діапазоні від 1 до 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Віддалену адресу не вказано.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Немає запиту на з’єднання %1, який можна було б прийняти.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Інша сторона скасувала запит, перш ніж його було прийнято.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Не вдалося надіслати текст: немає з’єднання.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Не вдалося надіслати текст: стався збій з’єднання зі співрозмовником.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>У з’єднанні відмовлено: за цією адресою і портом ніхто не очікує з’єднань.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Віддалений вузол не знайдено.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Не вдалося розпізнати назву віддаленого вузла: сервер імен не відповів вчасно.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Час очікування з’єднання вичерпано: віддалений вузол не відповів.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Мережа повідомила про помилку: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Збій з’єднання: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Співрозмовник скинув з’єднання. %n байт, надісланий співрозмовникові, не доставлено.</numerusform>
            <numerusform>Співрозмовник скинув з’єднання. %n байти, надіслані співрозмовникові, не доставлено.</numerusform>
            <numerusform>Співрозмовник скинув з’єднання. %n байтів, надісланих співрозмовникові, не доставлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>З’єднання зі співрозмовником втрачено: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>З’єднання зі співрозмовником втрачено: %1. %n байт, надісланий співрозмовникові, не доставлено.</numerusform>
            <numerusform>З’єднання зі співрозмовником втрачено: %1. %n байти, надіслані співрозмовникові, не доставлено.</numerusform>
            <numerusform>З’єднання зі співрозмовником втрачено: %1. %n байтів, надісланих співрозмовникові, не доставлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n байт, надісланий співрозмовникові, не доставлено: співрозмовник перестав приймати текст до завершення з’єднання.</numerusform>
            <numerusform>%n байти, надіслані співрозмовникові, не доставлено: співрозмовник перестав приймати текст до завершення з’єднання.</numerusform>
            <numerusform>%n байтів, надісланих співрозмовникові, не доставлено: співрозмовник перестав приймати текст до завершення з’єднання.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Порт %1 не є номером порту в діапазоні від 1 до 65535. Ви все одно можете під’єднатися до співрозмовника.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Порт %1 уже використовується іншою програмою, тому приймати запити на з’єднання неможливо. Ви все одно можете під’єднатися до співрозмовника.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Не вдається очікувати з’єднань на порту %1: %2. Ви все одно можете під’єднатися до співрозмовника.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Інша сторона скасувала запит, перш ніж його було прийнято. Зараз Parlino не очікує з’єднань; команда «Очікувати» вмикає очікування наступного запиту.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Немає запиту на з’єднання %1, який можна було б прийняти. Зараз Parlino не очікує з’єднань; команда «Очікувати» вмикає очікування наступного запиту.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>З’єднання зайняте іншою операцією, тому запит не прийнято. Зараз Parlino не очікує з’єднань; команда «Очікувати» вмикає очікування наступного запиту.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>Збій зашифрованого з’єднання: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Не вдалося встановити зашифроване з’єднання: співрозмовник не завершив узгодження за %1 секунд.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Співрозмовник відповів на зашифрований виклик незашифрованим текстом, тому з’єднання закрито.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Співрозмовник не завершив обмін кодом безпеки за %1 с, тому розмову закрито: без коду ніхто не може знати, чи немає когось між вами.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>Зашифроване з’єднання завершилося без сигналу закриття від співрозмовника: його останній текст міг бути обрізаний дорогою.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Очікування нових запитів на з’єднання на порту %1.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показує довідку щодо параметрів командного рядка.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показує довідку, включно з параметрами, специфічними для Qt.</translation>
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
        <translation>Запит до маршрутизатора на переспрямування порту %1 на цей комп’ютер.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>До цього комп’ютера можна під’єднатися напряму за IPv6-адресою %1 на порт %2, якщо брандмауер не відхиляє вхідні виклики.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>З інтернету до цього комп’ютера можна під’єднатися за адресою %1, порт %2, доки Parlino не буде закрито.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Маршрутизатор переспрямовує порт %2, але його власна інтернет-адреса %1 приватна або спільна: CGNAT (NAT оператора), що стоїть за ним, відхиляє вхідні виклики з інтернету. Попросіть свого інтернет-провайдера надати вам публічну IP-адресу.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Маршрутизатор припинив переспрямовувати порт %1 і відмовився переспрямувати його знову: з інтернету під’єднатися до цього комп’ютера неможливо.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Маршрутизатор більше не переспрямовує порт %1 на цей комп’ютер.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Жоден маршрутизатор не відповів за %1 с: порт %2 не відкритий для вхідних викликів з інтернету.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Маршрутизатор відмовився переспрямувати порт %1: він уже переспрямовує цей порт на інший комп’ютер.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Маршрутизатор відмовився переспрямувати порт %1 (помилка %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Не вдалося прочитати відповідь маршрутизатора (%2): порт %1 не відкрито.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Маршрутизатор повідомив зовнішню адресу, яка не є дійсною адресою (%2): порт %1 не відкрито.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Маршрутизатор не встиг завершити відповідь за %1 с: порт %2 не відкрито.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Не вдалося завантажити модуль Parlino для роботи з маршрутизаторами: порт %1 не відкрито.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Брандмауер маршрутизатора пропускає вхідні виклики до IPv6-адреси %1 цього комп’ютера, порт %2, доки Parlino не буде закрито.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Простий чат через пряме IP-з’єднання</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Розробники Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>Ел. пошта: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версія %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Розмова</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Віддалений порт</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Локальний порт</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Віддалений IP</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Локальний IP</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Під’єднати</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Від’єднати</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Очікувати</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про Parlino</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Відображуване ім’я</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Ваше ім’я:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>З’єднання</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Під’єднатися із шифруванням</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - зашифрована розмова</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Відкрити порт на маршрутизаторі</translation>
    </message>
</context>
</TS>
