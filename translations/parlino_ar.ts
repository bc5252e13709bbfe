<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 جرّب الأمر «parlino --help».</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>دردشة نصية بين حاسوبين عبر اتصال TCP مباشر واحد، دون أي خادم وسيط. يستمع Parlino على منفذ TCP رقم 1981 ويسأل مستخدمه قبل قبول أي طلب اتصال؛ ويمكن لأيٍّ من الطرفين الاتصال بعنوان الطرف الآخر. وتُقبل أيضًا خيارات Qt الخاصة (-platform، -style، -display، ...).</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>لم يُعثر على شاشة (المتغيّران DISPLAY وWAYLAND_DISPLAY غير معيَّنين). شغّل Parlino على سطح مكتب، أو دون شاشة بالأمر «xvfb-run parlino» أو «parlino -platform vnc» مع عارض VNC على المنفذ 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>يطلب من الموجّه عند البدء أن يعيد توجيه منفذ الاستماع إلى هذا الحاسوب، كما يفعل الأمر «الاتصالات &gt; فتح منفذ على الموجّه».</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>جارٍ الاستماع على المنفذ %1 بانتظار طلبات اتصال جديدة.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>أنت متصل بالفعل بـ: %1. يجب قطع الاتصال قبل المتابعة.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>يجب إدخال عنوان IP البعيد المراد الاتصال به.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>أُرسل طلب الاتصال إلى: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>الاتصال مقطوع بالفعل، ولا يمكن قطعه مرة أخرى.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>قُطع الاتصال</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>يجب أن تكون متصلًا بحاسوب آخر أولًا.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>يُرجى إدخال اسم العرض.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>طلب اتصال وارد، هل تريد السماح به؟
من %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>طلب اتصال</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>رُفض الاتصال</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>تم الاتصال</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>أرسل الطرف الآخر نصًا أكثر مما تتسع له محادثة واحدة (%1 MiB)، لذا أُغلق الاتصال. ويبقى كل ما عُرض سابقًا في القائمة.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>أُرسل طلب اتصال مشفّر إلى: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>طلب اتصال وارد، هل تريد السماح به؟
من %1
المكالمة مشفّرة.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>طلب اتصال وارد، هل تريد السماح به؟
من %1
المكالمة غير مشفّرة.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>هذه المحادثة مشفّرة.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>هذه المحادثة غير مشفّرة.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>رمز الأمان: %1. قارنه برمز شريكك عبر قناة أخرى، كالهاتف مثلًا. إذا اختلف الرمزان، فقد يتمكن أحد من قراءة هذه المحادثة وتغييرها.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>الطرف الآخر من الاتصال ليس Parlino، لذا لا يوجد رمز أمان. بصمة SHA-256 لشهادة الطرف الذي تم الاتصال به: %1. تحقق عبر قناة أخرى من أن شريكك يرى البصمة نفسها لتلك الشهادة؛ وإلا فقد يتمكن أحد من قراءة هذه المحادثة وتغييرها.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>إذا كان شريكك يستخدم Parlino، فهناك من يقف بينكما: أنهِ المحادثة.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>بدأ المتصل اتصالًا مشفرًا بعد فوات الأوان: هذه المحادثة غير مشفرة، وما أرسله المتصل يظهر نصًا.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>أنهى المتصل من %1 الاتصال قبل أن تجيب.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>تُرفض المكالمات من %1 في الوقت الحالي: وصل منها أكثر من %2 خلال دقيقة.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>سطر حالة من Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>مُرسَل منك</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>وارد من الطرف الآخر</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>الاتصال مشغول بأمر آخر؛ أغلقه أولًا.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>المنفذ %1 ليس رقم منفذ بين 1 و65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>المنفذ %1 مستخدم بالفعل من قِبل برنامج آخر، لذا لا يمكن استقبال طلبات الاتصال.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>تعذّر الاستماع على المنفذ %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>المنفذ البعيد «%1» ليس رقمًا بين 1 و65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>لم يُحدَّد عنوان بعيد.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>لا يوجد طلب اتصال %1 لقبوله.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>تخلّى الطرف المتصل عن الطلب قبل قبوله.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>تعذّر إرسال النص: لا يوجد اتصال.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>تعذّر إرسال النص: فشل الاتصال بالطرف الآخر.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>رُفض الاتصال: لا يوجد ما يستمع على هذا العنوان وهذا المنفذ.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>تعذّر العثور على المضيف البعيد.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>تعذّر تحليل اسم المضيف البعيد: لم يستجب خادم الأسماء في الوقت المناسب.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>انتهت مهلة محاولة الاتصال: لم يستجب المضيف البعيد.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>أبلغت الشبكة عن خطأ: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>فشل الاتصال: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم تُسلَّم %n بايتات من البيانات المرسلة إليه.</numerusform>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم يُسلَّم %n بايتًا من البيانات المرسلة إليه.</numerusform>
            <numerusform>أعاد الطرف الآخر تعيين الاتصال. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>انقطع الاتصال بالطرف الآخر: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم تُسلَّم %n بايتات من البيانات المرسلة إليه.</numerusform>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم يُسلَّم %n بايتًا من البيانات المرسلة إليه.</numerusform>
            <numerusform>انقطع الاتصال بالطرف الآخر: %1. لم يُسلَّم %n بايت من البيانات المرسلة إليه.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>لم يُسلَّم %n بايت من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
            <numerusform>لم يُسلَّم %n بايت من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
            <numerusform>لم يُسلَّم %n بايت من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
            <numerusform>لم تُسلَّم %n بايتات من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
            <numerusform>لم يُسلَّم %n بايتًا من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
            <numerusform>لم يُسلَّم %n بايت من البيانات المرسلة إلى الطرف الآخر: توقف الطرف الآخر عن استقبال النص قبل انتهاء الاتصال.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>المنفذ %1 ليس رقم منفذ بين 1 و65535. لا يزال بإمكانك الاتصال بالطرف الآخر.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>المنفذ %1 مستخدم بالفعل من قِبل برنامج آخر، لذا لا يمكن استقبال طلبات الاتصال. لا يزال بإمكانك الاتصال بالطرف الآخر.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>تعذّر الاستماع على المنفذ %1: %2. لا يزال بإمكانك الاتصال بالطرف الآخر.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>تخلّى الطرف المتصل عن الطلب قبل قبوله. لا يستمع Parlino الآن؛ انقر «استماع» لانتظار طلب آخر.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>لا يوجد طلب اتصال %1 لقبوله. لا يستمع Parlino الآن؛ انقر «استماع» لانتظار طلب آخر.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>الاتصال مشغول بأمر آخر، لذا لم يُقبل الطلب. لا يستمع Parlino الآن؛ انقر «استماع» لانتظار طلب آخر.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>فشل الاتصال المشفّر: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>تعذّر إنشاء الاتصال المشفّر: لم يُكمل الشريك المصافحة خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>ردّ الشريك على المكالمة المشفّرة بنص غير مشفّر، لذا أُغلق الاتصال.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>لم يُكمل الطرف الآخر تبادل رمز الأمان خلال %1 ثانية، لذا أُغلقت المحادثة: من دون الرمز لا يمكن لأحد أن يعرف هل يقف أحد بينكما.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>انتهى الاتصال المشفر دون إشارة الإغلاق من الطرف الآخر: ربما قُطع آخر نص أرسله في الطريق.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>جارٍ الاستماع على المنفذ %1 بانتظار طلبات اتصال جديدة.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>يعرض المساعدة بما فيها الخيارات الخاصة بـ Qt.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RouterCommands</name>
    <message>
        <source>Asking the router to forward port %1 to this computer.</source>
        <translation>جارٍ الطلب من الموجّه إعادة توجيه المنفذ %1 إلى هذا الحاسوب.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>يمكن الاتصال بهذا الحاسوب مباشرةً عبر عنوان IPv6 الخاص به %1 على المنفذ %2، ما لم يرفض جدار حماية المتصلين.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>يمكن للمتصلين عبر الإنترنت الوصول إلى هذا الحاسوب على العنوان %1، المنفذ %2، إلى أن يُغلق Parlino.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>يعيد الموجّه توجيه المنفذ %2، لكن عنوانه على الإنترنت %1 خاص أو مشترك: فجهاز CGNAT (ترجمة العناوين لدى مزوّد الخدمة) الواقع خلفه يرفض المتصلين القادمين من الإنترنت. اطلب من مزوّد خدمة الإنترنت عنوان IP عامًا.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>توقّف الموجّه عن إعادة توجيه المنفذ %1 ولم يقبل إعادة توجيهه مجددًا: لا يمكن للمتصلين عبر الإنترنت الوصول إلى هذا الحاسوب.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>لم يعد الموجّه يعيد توجيه المنفذ %1 إلى هذا الحاسوب.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>لم يردّ أي موجّه خلال %1 ثانية: المنفذ %2 غير مفتوح للمتصلين عبر الإنترنت.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>رفض الموجّه إعادة توجيه المنفذ %1: فهو يعيد توجيه هذا المنفذ إلى حاسوب آخر بالفعل.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>رفض الموجّه إعادة توجيه المنفذ %1 (خطأ %2 رقم %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>تعذّرت قراءة ردّ الموجّه (%2): المنفذ %1 غير مفتوح.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>أبلغ الموجّه عن عنوان خارجي ليس عنوانًا صالحًا (%2): المنفذ %1 غير مفتوح.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>لم يُكمل الموجّه ردّه خلال %1 ثانية: المنفذ %2 غير مفتوح.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>تعذّر تحميل وحدة Parlino الخاصة بالموجّهات: المنفذ %1 غير مفتوح.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>يسمح جدار حماية الموجّه للمتصلين بالوصول إلى عنوان IPv6 الخاص بهذا الحاسوب %1، المنفذ %2، إلى أن يُغلق Parlino.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>تطبيق دردشة بسيط عبر اتصال IP مباشر</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>من مطوّري Parlino</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>البريد الإلكتروني: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>الإصدار %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>المحادثة</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>المنفذ البعيد</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>المنفذ المحلي</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>عنوان IP البعيد</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>عنوان IP المحلي</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>إرسال الرسالة</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>استماع</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>اسم العرض</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>اسم العرض:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>الاتصالات</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>اتصال مشفّر</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - محادثة مشفّرة</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>فتح منفذ على الموجّه</translation>
    </message>
</context>
</TS>
