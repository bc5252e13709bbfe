<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Непредвиденный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Для получения справки выполните «parlino --help».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Текстовый чат между двумя компьютерами через одно прямое TCP-соединение, без промежуточного сервера. Parlino ожидает подключений на TCP-порту 1981 и спрашивает пользователя, прежде чем принять запрос на подключение; любая из сторон может подключиться к адресу другой. Также принимаются собственные параметры Qt (-platform, -style, -display, ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Дисплей не найден (переменные DISPLAY и WAYLAND_DISPLAY не заданы). Запустите Parlino на рабочем столе или без экрана командой «xvfb-run parlino» или «parlino -platform vnc» и подключитесь VNC-клиентом к порту 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>При запуске просит маршрутизатор перенаправлять порт ожидания подключений на этот компьютер, как команда «Связь &gt; Открыть порт на маршрутизаторе».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Ожидание новых запросов на подключение на порту %1.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Вы уже подключены к: %1. Прежде чем продолжить, необходимо отключиться.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Укажите удалённый IP-адрес для подключения.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Запрос на подключение отправлен по адресу: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>Соединение уже разорвано, повторное отключение невозможно.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Сначала необходимо подключиться к другому компьютеру.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Введите отображаемое имя.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Входящий запрос на подключение. Разрешить его?
С адреса %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Запрос на подключение</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>В подключении отказано</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Подключение установлено</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Собеседник отправил больше текста, чем может вместить одна беседа (%1 МиБ), поэтому соединение было закрыто. Всё показанное ранее остаётся в списке.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Запрос на зашифрованное подключение отправлен по адресу: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Входящий запрос на подключение. Разрешить его?
С адреса %1
Вызов зашифрован.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Входящий запрос на подключение. Разрешить его?
С адреса %1
Вызов не зашифрован.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Этот разговор зашифрован.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Этот разговор не зашифрован.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Код безопасности: %1. Сравните его с кодом собеседника по другому каналу, например по телефону. Если коды различаются, кто-то может читать и изменять этот разговор.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>На другом конце соединения не Parlino, поэтому кода безопасности нет. Отпечаток SHA-256 сертификата вызванной стороны: %1. Проверьте по другому каналу, что собеседник видит для этого сертификата тот же отпечаток; если нет, кто-то может читать и изменять этот разговор.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Если собеседник использует Parlino, между вами кто-то есть: завершите разговор.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Вызывающая сторона слишком поздно начала зашифрованное соединение: этот разговор не зашифрован, а то, что она отправила, показано как текст.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Вызывающая сторона с адреса %1 отключилась до вашего ответа.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>Вызовы с адреса %1 пока отклоняются: за минуту их пришло больше %2.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Сообщение о состоянии от Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Отправлено вами</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Получено от собеседника</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>Соединение занято другой операцией; сначала закройте его.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Порт %1 не является номером порта в диапазоне от 1 до 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Порт %1 уже используется другой программой, поэтому принимать запросы на подключение невозможно.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Не удаётся ожидать подключений на порту %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Удалённый порт «%1» не является числом в диапазоне от 1 до 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Удалённый адрес не указан.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Нет запроса на подключение %1, который можно было бы принять.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Другая сторона отменила запрос до того, как он был принят.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Не удалось отправить текст: нет соединения.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Не удалось отправить текст: произошёл сбой соединения с собеседником.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>В соединении отказано: по этому адресу и порту никто не ожидает подключений.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Удалённый узел не найден.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Не удалось разрешить имя удалённого узла: сервер имён не ответил вовремя.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Истекло время ожидания подключения: удалённый узел не ответил.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Сеть сообщила об ошибке: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Сбой соединения: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Собеседник сбросил соединение. %n байт, отправленный собеседнику, не был доставлен.</numerusform>
            <numerusform>Собеседник сбросил соединение. %n байта, отправленные собеседнику, не были доставлены.</numerusform>
            <numerusform>Собеседник сбросил соединение. %n байт, отправленных собеседнику, не были доставлены.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>Соединение с собеседником потеряно: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>Соединение с собеседником потеряно: %1. %n байт, отправленный собеседнику, не был доставлен.</numerusform>
            <numerusform>Соединение с собеседником потеряно: %1. %n байта, отправленные собеседнику, не были доставлены.</numerusform>
            <numerusform>Соединение с собеседником потеряно: %1. %n байт, отправленных собеседнику, не были доставлены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n байт, отправленный собеседнику, не был доставлен: собеседник перестал принимать текст до завершения соединения.</numerusform>
            <numerusform>%n байта, отправленные собеседнику, не были доставлены: собеседник перестал принимать текст до завершения соединения.</numerusform>
            <numerusform>%n байт, отправленных собеседнику, не были доставлены: собеседник перестал принимать текст до завершения соединения.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Порт %1 не является номером порта в диапазоне от 1 до 65535. Вы по-прежнему можете подключиться к собеседнику.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Порт %1 уже используется другой программой, поэтому принимать запросы на подключение невозможно. Вы по-прежнему можете подключиться к собеседнику.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Не удаётся ожидать подключений на порту %1: %2. Вы по-прежнему можете подключиться к собеседнику.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Другая сторона отменила запрос до того, как он был принят. Сейчас Parlino не ожидает подключений; команда «Ожидать» включает ожидание следующего запроса.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Нет запроса на подключение %1, который можно было бы принять. Сейчас Parlino не ожидает подключений; команда «Ожидать» включает ожидание следующего запроса.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Соединение занято другой операцией, поэтому запрос не был принят. Сейчас Parlino не ожидает подключений; команда «Ожидать» включает ожидание следующего запроса.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>Сбой зашифрованного подключения: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Не удалось установить зашифрованное подключение: собеседник не завершил согласование за %1 секунд.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Собеседник ответил на зашифрованный вызов незашифрованным текстом, поэтому подключение закрыто.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Собеседник не завершил обмен кодом безопасности за %1 с, поэтому разговор закрыт: без кода никто не может узнать, нет ли кого-то между вами.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>Зашифрованное соединение завершилось без сигнала закрытия от собеседника: его последний текст мог быть обрезан по пути.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Ожидание новых запросов на подключение на порту %1.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая параметры, специфичные для Qt.</translation>
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
        <translation>Запрос к маршрутизатору на перенаправление порта %1 на этот компьютер.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>К этому компьютеру можно подключиться напрямую по IPv6-адресу %1 на порт %2, если брандмауэр не отклоняет входящие вызовы.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Из интернета к этому компьютеру можно подключиться по адресу %1, порт %2, пока Parlino не будет закрыт.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Маршрутизатор перенаправляет порт %2, но его собственный интернет-адрес %1 частный или общий: стоящий за ним CGNAT (NAT оператора связи) отклоняет входящие вызовы из интернета. Попросите своего интернет-провайдера выделить вам публичный IP-адрес.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Маршрутизатор прекратил перенаправлять порт %1 и отказался перенаправить его снова: из интернета подключиться к этому компьютеру невозможно.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Маршрутизатор больше не перенаправляет порт %1 на этот компьютер.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Ни один маршрутизатор не ответил за %1 с: порт %2 не открыт для входящих вызовов из интернета.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Маршрутизатор отказался перенаправить порт %1: он уже перенаправляет этот порт на другой компьютер.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Маршрутизатор отказался перенаправить порт %1 (ошибка %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Не удалось прочитать ответ маршрутизатора (%2): порт %1 не открыт.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Маршрутизатор сообщил внешний адрес, который не является допустимым адресом (%2): порт %1 не открыт.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Маршрутизатор не успел завершить ответ за %1 с: порт %2 не открыт.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Не удалось загрузить модуль Parlino для работы с маршрутизаторами: порт %1 не открыт.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Брандмауэр маршрутизатора пропускает входящие вызовы к IPv6-адресу %1 этого компьютера, порт %2, пока Parlino не будет закрыт.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Простой чат через прямое IP-соединение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Разработчики Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>Эл. почта: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Беседа</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Удалённый порт</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Локальный порт</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Удалённый IP</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Локальный IP</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ожидать</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О Parlino</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Отображаемое имя</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Ваше имя:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Подключиться с шифрованием</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - зашифрованный разговор</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Открыть порт на маршрутизаторе</translation>
    </message>
</context>
</TS>
