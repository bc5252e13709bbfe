<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1「parlino --help」で使い方を確認してください。</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>1 本の直接 TCP 接続を使い、サーバーを介さずに 2 台のコンピューター間でテキスト チャットを行います。Parlino は TCP ポート 1981 で待ち受け、接続要求を受け入れる前にユーザーに確認します。どちらの側からも相手のアドレスに接続できます。Qt 独自のオプション (-platform、-style、-display など) も使用できます。</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>ディスプレイが見つかりません（DISPLAY と WAYLAND_DISPLAY が設定されていません）。Parlino はデスクトップで起動するか、画面なしで「xvfb-run parlino」または「parlino -platform vnc」を使い、ポート 5900 に VNC ビューアーで接続してください。</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>起動時に、待機ポートをこのコンピューターへ転送するようルーターに依頼します ([通信] &gt; [ルーターのポートを開く] と同じ動作)。</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>ポート %1 で新しい接続要求を待機しています。</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>既に接続しています: %1。続行するには、先に切断してください。</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>接続先のリモート IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>接続要求を送信しました: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>既に切断されているため、再度切断することはできません。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断しました</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>先に別のコンピューターに接続する必要があります。</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>表示名を入力してください。</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>接続要求を受信しました。許可しますか?
接続元: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>接続要求</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>接続しました</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>相手が 1 つの会話で保持できる量 (%1 MiB) を超えるテキストを送信したため、接続を閉じました。それまでに表示された内容はすべて一覧に残ります。</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>暗号化された接続要求を送信しました: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>接続要求を受信しました。許可しますか?
接続元: %1
この通話は暗号化されています。</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>接続要求を受信しました。許可しますか?
接続元: %1
この通話は暗号化されていません。</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>この会話は暗号化されています。</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>この会話は暗号化されていません。</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>セキュリティコード: %1。電話など別の手段で相手のコードと比べてください。コードが異なる場合、誰かがこの会話を読んだり変更したりできます。</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>接続の相手側は Parlino ではないため、セキュリティコードはありません。呼び出された側の証明書の SHA-256 フィンガープリント: %1。相手がこの証明書について同じフィンガープリントを見ているか、別の手段で確認してください。異なる場合、誰かがこの会話を読んだり変更したりできます。</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>相手が Parlino を使っている場合、誰かが間に入っています。会話を終了してください。</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>発信者が暗号化接続を始めるのが遅すぎました。この会話は暗号化されておらず、発信者が送ったものはテキストとして表示されます。</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>%1 からの発信者は、応答する前に切断しました。</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>%1 からの接続要求は当面拒否されます。1 分以内に %2 件を超える要求がありました。</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Parlino からのステータス行</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>自分が送信</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>相手から受信</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>接続は別の処理で使用中です。先に閉じてください。</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>ポート %1 は 1 ～ 65535 の範囲のポート番号ではありません。</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>ポート %1 は既に別のプログラムで使用されているため、接続要求を受信できません。</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>ポート %1 で待機できません: %2。</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>リモート ポート「%1」は 1 ～ 65535 の範囲の数値ではありません。</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>リモート アドレスが指定されていません。</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>受け入れる接続要求 %1 がありません。</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>要求が受け入れられる前に、接続元が要求を取り消しました。</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>テキストを送信できませんでした: 接続されていません。</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>テキストを送信できませんでした: 相手との接続に失敗しました。</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>接続が拒否されました: そのアドレスとポートで待機しているプログラムがありません。</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>リモート ホストが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>リモート ホストの名前を解決できませんでした: ネーム サーバーが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>接続の試行がタイムアウトしました: リモート ホストが応答しませんでした。</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>ネットワークでエラーが発生しました: %1。</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>接続に失敗しました: %1。</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>相手が接続をリセットしました。相手に送信した %n バイトは届きませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>相手との接続が切れました: %1。</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>相手との接続が切れました: %1。相手に送信した %n バイトは届きませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>相手に送信した %n バイトは届きませんでした: 接続が終了する前に、相手がテキストの受信を停止しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>ポート %1 は 1 ～ 65535 の範囲のポート番号ではありません。相手への接続は引き続き可能です。</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>ポート %1 は既に別のプログラムで使用されているため、接続要求を受信できません。相手への接続は引き続き可能です。</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>ポート %1 で待機できません: %2。相手への接続は引き続き可能です。</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>要求が受け入れられる前に、接続元が要求を取り消しました。Parlino は現在待機していません。[待機] で次の要求を待つことができます。</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>受け入れる接続要求 %1 がありません。Parlino は現在待機していません。[待機] で次の要求を待つことができます。</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>接続が別の処理で使用中のため、要求は受け入れられませんでした。Parlino は現在待機していません。[待機] で次の要求を待つことができます。</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>暗号化された接続に失敗しました: %1。</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>暗号化された接続を確立できませんでした: 相手が %1 秒以内にハンドシェイクを完了しませんでした。</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>相手が暗号化された通話に暗号化されていないテキストで応答したため、接続を閉じました。</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>相手が %1 秒以内にセキュリティコードの交換を終えなかったため、会話を閉じました。コードがなければ、間に誰かがいるかどうか誰にもわかりません。</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>暗号化接続が相手の終了通知なしに終わりました。相手の最後のテキストが途中で切れている可能性があります。</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>ポート %1 で新しい接続要求を待機しています。</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドライン オプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示します。</translation>
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
        <translation>ポート %1 をこのコンピューターへ転送するようルーターに依頼しています。</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>ファイアウォールが発信者を拒否しない限り、このコンピューターの IPv6 アドレス %1 のポート %2 に直接接続できます。</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Parlino を終了するまで、インターネット上の発信者は %1 のポート %2 でこのコンピューターに接続できます。</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>ルーターはポート %2 を転送していますが、ルーター自身のインターネット アドレス %1 はプライベート アドレスまたは共有アドレスです: その先にあるキャリアグレード NAT (CGNAT) が、インターネットからの発信者を拒否します。インターネット プロバイダーにグローバル IP アドレスを依頼してください。</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>ルーターはポート %1 の転送を停止し、再度の転送にも応じませんでした: インターネット上の発信者はこのコンピューターに接続できません。</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>ルーターはポート %1 をこのコンピューターへ転送しなくなりました。</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>%1 秒以内に応答したルーターはありません: ポート %2 はインターネット上の発信者に開かれていません。</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>ルーターはポート %1 の転送を拒否しました: このポートは既に別のコンピューターへ転送されています。</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>ルーターはポート %1 の転送を拒否しました (%2 エラー %3)。</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>ルーターの応答を読み取れませんでした (%2): ポート %1 は開いていません。</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>ルーターが報告した外部アドレスは有効なアドレスではありません (%2): ポート %1 は開いていません。</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>ルーターが %1 秒以内に応答を完了しませんでした: ポート %2 は開いていません。</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Parlino のルーター用モジュールを読み込めませんでした: ポート %1 は開いていません。</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Parlino を終了するまで、ルーターのファイアウォールは発信者をこのコンピューターの IPv6 アドレス %1 のポート %2 へ通します。</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>シンプルな IP 直接接続チャット アプリケーション</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>作成: Parlino 開発者</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>メール: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>会話</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>リモート ポート</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>ローカル ポート</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>リモート IP</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>ローカル IP</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>待機</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>暗号化して接続</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - 暗号化された会話</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>ルーターのポートを開く</translation>
    </message>
</context>
</TS>
