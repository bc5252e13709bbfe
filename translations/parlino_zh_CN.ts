<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 请尝试运行“parlino --help”。</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>通过一条直接的 TCP 连接在两台计算机之间进行文字聊天，中间无需服务器。Parlino 在 TCP 端口 1981 上监听，并在接受连接请求前征求用户同意；任何一方都可以连接到另一方的地址。同时也接受 Qt 自身的选项（-platform、-style、-display 等）。</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>未找到显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）。请在桌面环境中运行 Parlino，或在无显示器时使用“xvfb-run parlino”或“parlino -platform vnc”运行，并用 VNC 查看器连接端口 5900。</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>启动时请求路由器将监听端口转发到此计算机，与“通信 &gt; 在路由器上打开端口”的作用相同。</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>正在端口 %1 上监听新的连接请求。</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>您已连接到：%1。请先断开连接再继续。</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>请输入要连接的远程 IP 地址。</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>连接请求已发送至：%1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>连接已断开，无法再次断开。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开连接</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>您必须先连接到另一台计算机。</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>请输入显示名称。</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>收到连接请求，是否允许？
来自 %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>连接请求</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>已建立连接</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>对方发送的文本超出了一次对话所能容纳的上限（%1 MiB），因此连接已关闭。此前显示的所有内容仍保留在列表中。</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>加密连接请求已发送至：%1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>收到连接请求，是否允许？
来自 %1
此呼叫已加密。</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>收到连接请求，是否允许？
来自 %1
此呼叫未加密。</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>此对话已加密。</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>此对话未加密。</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>安全码：%1。请通过其他渠道（例如电话）与对方的安全码进行比较。如果两个安全码不同，可能有人能够读取并篡改此对话。</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>连接的另一端不是 Parlino，因此没有安全码。被呼叫方证书的 SHA-256 指纹：%1。请通过其他渠道确认对方看到的该证书指纹与此相同；如果不同，可能有人能够读取并篡改此对话。</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>如果对方使用的是 Parlino，说明有人在你们之间：请结束对话。</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>呼叫方开始加密连接太晚：此对话未加密，呼叫方发送的内容以文本显示。</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>来自 %1 的呼叫方在您应答之前挂断了。</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>暂时拒绝来自 %1 的呼叫：一分钟内来了超过 %2 个。</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>来自 Parlino 的状态信息</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>由您发送</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>接收自对方</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>连接正忙于其他操作，请先将其关闭。</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>端口 %1 不是 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>端口 %1 已被其他程序占用，因此无法接收连接请求。</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>无法在端口 %1 上监听：%2。</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>远程端口“%1”不是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>未提供远程地址。</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>没有可接受的连接请求 %1。</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>在请求被接受之前，发起方已放弃连接。</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>无法发送文本：当前没有连接。</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>无法发送文本：与对方的连接已失败。</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>连接被拒绝：该地址和端口上没有程序在监听。</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>找不到远程主机。</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>无法解析远程主机名：域名服务器未及时响应。</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>连接尝试超时：远程主机没有响应。</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>网络报告了错误：%1。</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>连接失败：%1。</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>对方重置了连接。发送给对方的 %n 字节数据未能送达。</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>与对方的连接已中断：%1。</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>与对方的连接已中断：%1。发送给对方的 %n 字节数据未能送达。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>发送给对方的 %n 字节数据未能送达：对方在连接结束前已停止接收文本。</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>端口 %1 不是 1 到 65535 之间的端口号。您仍然可以连接到对方。</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>端口 %1 已被其他程序占用，因此无法接收连接请求。您仍然可以连接到对方。</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>无法在端口 %1 上监听：%2。您仍然可以连接到对方。</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>在请求被接受之前，发起方已放弃连接。Parlino 现在未在监听；点击“监听”可等待新的请求。</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>没有可接受的连接请求 %1。Parlino 现在未在监听；点击“监听”可等待新的请求。</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>连接正忙于其他操作，因此未接受该请求。Parlino 现在未在监听；点击“监听”可等待新的请求。</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>加密连接失败：%1。</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>无法建立加密连接：对方未在 %1 秒内完成握手。</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>对方用未加密的文本回应了加密呼叫，因此连接已关闭。</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>对方未在 %1 秒内完成安全码的交换，因此对话已关闭：没有安全码，谁也无法知道你们之间是否有人。</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>加密连接在没有对方关闭信号的情况下结束：对方最后的文本可能在途中被截断。</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>正在端口 %1 上监听新的连接请求。</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特定选项在内的帮助。</translation>
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
        <translation>正在请求路由器将端口 %1 转发到此计算机。</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>只要防火墙不拒绝呼叫方，就可以通过此计算机的 IPv6 地址 %1 在端口 %2 上直接呼叫它。</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>在 Parlino 关闭之前，互联网上的呼叫方可以通过 %1 的端口 %2 访问此计算机。</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>路由器已转发端口 %2，但它自己的互联网地址 %1 是私有地址或共享地址：它外侧的运营商级 NAT（CGNAT）会拒绝来自互联网的呼叫方。请向您的互联网服务提供商申请公网 IP 地址。</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>路由器已停止转发端口 %1，并且不肯再次转发：互联网上的呼叫方无法访问此计算机。</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>路由器不再将端口 %1 转发到此计算机。</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>%1 秒内没有路由器应答：端口 %2 未向互联网上的呼叫方开放。</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>路由器拒绝转发端口 %1：它已将该端口转发到另一台计算机。</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>路由器拒绝转发端口 %1（%2 错误 %3）。</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>无法读取路由器的应答（%2）：端口 %1 未开放。</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>路由器报告的外部地址不是有效地址（%2）：端口 %1 未开放。</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>路由器未在 %1 秒内完成应答：端口 %2 未开放。</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>无法加载 Parlino 的路由器模块：端口 %1 未开放。</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>在 Parlino 关闭之前，路由器的防火墙允许呼叫方通过端口 %2 到达此计算机的 IPv6 地址 %1。</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>简易 IP 直连聊天程序</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>由 Parlino 开发者制作</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM：%1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>对话</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>远程端口</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>本地端口</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>远程 IP 地址</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>本地 IP 地址</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>发送消息</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>显示名称：</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>加密连接</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - 加密对话</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>在路由器上打开端口</translation>
    </message>
</context>
</TS>
