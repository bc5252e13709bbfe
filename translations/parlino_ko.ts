<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예기치 않은 인수 ‘%1’입니다.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 ‘parlino --help’를 실행해 보십시오.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>서버를 거치지 않고 하나의 직접 TCP 연결로 두 컴퓨터가 주고받는 텍스트 채팅입니다. Parlino는 TCP 포트 1981에서 연결을 대기하며, 연결 요청을 수락하기 전에 사용자에게 묻습니다. 어느 쪽에서든 상대방의 주소로 연결할 수 있습니다. Qt 자체 옵션(-platform, -style, -display 등)도 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>디스플레이를 찾을 수 없습니다(DISPLAY와 WAYLAND_DISPLAY가 설정되지 않았습니다). Parlino를 데스크톱에서 실행하거나, 화면 없이 ‘xvfb-run parlino’ 또는 ‘parlino -platform vnc’로 실행하고 포트 5900에 VNC 뷰어로 접속하십시오.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>[통신] &gt; [라우터에서 포트 열기]와 마찬가지로, 시작할 때 대기 포트를 이 컴퓨터로 전달하도록 라우터에 요청합니다.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>포트 %1에서 새 연결 요청을 기다리는 중입니다.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>이미 연결되어 있습니다: %1. 계속하려면 먼저 연결을 끊으십시오.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>연결할 원격 IP 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>연결 요청을 보냈습니다: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>이미 연결이 끊어져 있으므로 다시 끊을 수 없습니다.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>먼저 다른 컴퓨터에 연결해야 합니다.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>표시 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>연결 요청이 들어왔습니다. 허용하시겠습니까?
보낸 곳: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>연결 요청</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>연결 거부됨</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>상대방이 대화 하나에 담을 수 있는 양(%1 MiB)보다 많은 텍스트를 보내서 연결을 닫았습니다. 이전에 표시된 내용은 모두 목록에 남아 있습니다.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>암호화된 연결 요청을 보냈습니다: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>연결 요청이 들어왔습니다. 허용하시겠습니까?
보낸 곳: %1
이 통화는 암호화되어 있습니다.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>연결 요청이 들어왔습니다. 허용하시겠습니까?
보낸 곳: %1
이 통화는 암호화되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>이 대화는 암호화되어 있습니다.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>이 대화는 암호화되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>보안 코드: %1. 전화 등 다른 방법으로 상대방의 코드와 비교하십시오. 코드가 다르면 누군가 이 대화를 읽고 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>연결의 상대편은 Parlino가 아니므로 보안 코드가 없습니다. 호출된 쪽 인증서의 SHA-256 지문: %1. 상대방이 이 인증서에 대해 같은 지문을 보는지 다른 방법으로 확인하십시오. 다르면 누군가 이 대화를 읽고 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>상대방이 Parlino를 사용 중이라면 누군가 중간에 있습니다. 대화를 끝내십시오.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>발신자가 암호화 연결을 너무 늦게 시작했습니다. 이 대화는 암호화되지 않았으며, 발신자가 보낸 내용은 텍스트로 표시됩니다.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>%1에서 연결한 상대방이 응답하기 전에 연결을 끊었습니다.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>%1에서 오는 연결 요청은 당분간 거부됩니다. 1분 안에 %2건을 넘게 왔습니다.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Parlino 상태 메시지</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>내가 보냄</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>상대방에게서 받음</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>연결이 다른 작업에 사용 중입니다. 먼저 연결을 닫으십시오.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>포트 %1은(는) 1에서 65535 사이의 포트 번호가 아닙니다.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>포트 %1을(를) 이미 다른 프로그램에서 사용 중이므로 연결 요청을 받을 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>포트 %1에서 대기할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>원격 포트 “%1”은(는) 1에서 65535 사이의 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>원격 주소를 지정하지 않았습니다.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>수락할 연결 요청 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>요청이 수락되기 전에 상대방이 요청을 취소했습니다.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>텍스트를 보낼 수 없습니다: 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>텍스트를 보낼 수 없습니다: 상대방과의 연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>연결이 거부되었습니다: 해당 주소와 포트에서 대기 중인 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>원격 호스트를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>원격 호스트 이름을 확인할 수 없습니다: 이름 서버가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>연결 시도 시간이 초과되었습니다: 원격 호스트가 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>네트워크에서 오류가 발생했습니다: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>연결에 실패했습니다: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>상대방이 연결을 재설정했습니다. 상대방에게 보낸 %n바이트가 전달되지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>상대방과의 연결이 끊어졌습니다: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>상대방과의 연결이 끊어졌습니다: %1. 상대방에게 보낸 %n바이트가 전달되지 않았습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>상대방에게 보낸 %n바이트가 전달되지 않았습니다: 연결이 끝나기 전에 상대방이 텍스트 수신을 중단했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>포트 %1은(는) 1에서 65535 사이의 포트 번호가 아닙니다. 그래도 상대방에게 연결할 수는 있습니다.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>포트 %1을(를) 이미 다른 프로그램에서 사용 중이므로 연결 요청을 받을 수 없습니다. 그래도 상대방에게 연결할 수는 있습니다.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>포트 %1에서 대기할 수 없습니다: %2. 그래도 상대방에게 연결할 수는 있습니다.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>요청이 수락되기 전에 상대방이 요청을 취소했습니다. Parlino는 지금 대기하고 있지 않습니다. [대기]를 누르면 새 요청을 기다립니다.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>수락할 연결 요청 %1이(가) 없습니다. Parlino는 지금 대기하고 있지 않습니다. [대기]를 누르면 새 요청을 기다립니다.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>연결이 다른 작업에 사용 중이어서 요청을 수락하지 않았습니다. Parlino는 지금 대기하고 있지 않습니다. [대기]를 누르면 새 요청을 기다립니다.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>암호화된 연결에 실패했습니다: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>암호화된 연결을 설정할 수 없습니다: 상대방이 %1초 안에 핸드셰이크를 마치지 않았습니다.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>상대방이 암호화된 통화에 암호화되지 않은 텍스트로 응답하여 연결을 닫았습니다.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>상대방이 %1초 안에 보안 코드 교환을 마치지 않아 대화를 닫았습니다. 코드가 없으면 중간에 누가 있는지 아무도 알 수 없습니다.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>암호화 연결이 상대방의 종료 신호 없이 끝났습니다. 상대방의 마지막 텍스트가 도중에 잘렸을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>포트 %1에서 새 연결 요청을 기다리는 중입니다.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>명령줄 옵션 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 전용 옵션을 포함한 도움말을 표시합니다.</translation>
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
        <translation>포트 %1을(를) 이 컴퓨터로 전달하도록 라우터에 요청하는 중입니다.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>방화벽이 발신자를 막지 않는 한, 이 컴퓨터의 IPv6 주소 %1의 포트 %2(으)로 직접 연결할 수 있습니다.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Parlino가 종료될 때까지 인터넷의 발신자가 %1, 포트 %2(으)로 이 컴퓨터에 연결할 수 있습니다.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>라우터가 포트 %2을(를) 전달하지만, 라우터 자체의 인터넷 주소 %1은(는) 사설 주소이거나 공유 주소입니다: 그 너머에 있는 통신사의 CGNAT(캐리어급 NAT)가 인터넷의 발신자를 차단합니다. 인터넷 서비스 제공업체에 공인 IP 주소를 요청하십시오.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>라우터가 포트 %1 전달을 중지했으며 다시 전달하려 하지 않았습니다: 인터넷의 발신자가 이 컴퓨터에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>라우터가 더 이상 포트 %1을(를) 이 컴퓨터로 전달하지 않습니다.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>%1초 안에 응답한 라우터가 없습니다: 포트 %2이(가) 인터넷의 발신자에게 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>라우터가 포트 %1 전달을 거부했습니다: 이미 그 포트를 다른 컴퓨터로 전달하고 있습니다.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>라우터가 포트 %1 전달을 거부했습니다(%2 오류 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>라우터의 응답을 읽을 수 없습니다(%2): 포트 %1이(가) 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>라우터가 보고한 외부 주소가 올바른 주소가 아닙니다(%2): 포트 %1이(가) 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>라우터가 %1초 안에 응답을 마치지 않았습니다: 포트 %2이(가) 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Parlino의 라우터 모듈을 불러올 수 없습니다: 포트 %1이(가) 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Parlino가 종료될 때까지 라우터의 방화벽이 발신자를 이 컴퓨터의 IPv6 주소 %1, 포트 %2(으)로 통과시킵니다.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>간단한 직접 IP 채팅 프로그램</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>만든 이: Parlino 개발자</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>이메일: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>버전 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>대화</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>원격 포트</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>로컬 포트</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>원격 IP 주소</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>로컬 IP 주소</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>메시지 보내기</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 끊기</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>대기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>표시 이름:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>통신</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>암호화하여 연결</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - 암호화된 대화</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>라우터에서 포트 열기</translation>
    </message>
</context>
</TS>
