<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen bağımsız değişken: “%1”.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Yardım için “parlino --help” komutunu çalıştırın.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>İki bilgisayar arasında, arada sunucu olmadan, tek bir doğrudan TCP bağlantısı üzerinden metin sohbeti. Parlino 1981 numaralı TCP portunu dinler ve bir bağlantı isteğini kabul etmeden önce kullanıcısına sorar; iki taraftan her biri diğerinin adresine bağlanabilir. Qt’nin kendi seçenekleri (-platform, -style, -display, ...) de kabul edilir.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Ekran bulunamadı (DISPLAY ve WAYLAND_DISPLAY tanımlı değil). Parlino’yu bir masaüstünde çalıştırın ya da ekransız olarak “xvfb-run parlino” veya “parlino -platform vnc” komutuyla başlatıp 5900 numaralı bağlantı noktasına bir VNC görüntüleyicisiyle bağlanın.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Başlangıçta, “İletişim &gt; Yönlendiricide Port Aç” komutunun yaptığı gibi, yönlendiriciden dinlenen portu bu bilgisayara yönlendirmesini ister.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Yeni bağlantı istekleri için %1 numaralı port dinleniyor.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Zaten şu adrese bağlısınız: %1. Devam etmeden önce bağlantıyı kesmelisiniz.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Bağlanılacak uzak IP adresini girmelisiniz.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Bağlantı isteği gönderildi: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>Bağlantı zaten kesik; yeniden kesilemez.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Önce başka bir bilgisayara bağlanmalısınız.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Lütfen bir görünen ad girin.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Gelen bağlantı isteği. İzin vermek istiyor musunuz?
Kimden: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Bağlantı İsteği</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Bağlantı reddedildi</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Bağlantı kuruldu</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>Karşı taraf, bir sohbetin alabileceğinden daha fazla metin gönderdi (%1 MiB), bu nedenle bağlantı kapatıldı. Daha önce gösterilen her şey listede kalır.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Şifreli bağlantı isteği gönderildi: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Gelen bağlantı isteği. İzin vermek istiyor musunuz?
Kimden: %1
Arama şifreli.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Gelen bağlantı isteği. İzin vermek istiyor musunuz?
Kimden: %1
Arama şifreli değil.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Bu konuşma şifreli.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Bu konuşma şifreli değil.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Güvenlik kodu: %1. Bu kodu karşı tarafın koduyla başka bir kanaldan, örneğin telefonla karşılaştırın. Kodlar farklıysa birisi bu konuşmayı okuyabilir ve değiştirebilir.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>Bağlantının diğer ucu Parlino değil, bu yüzden güvenlik kodu yok. Aranan tarafın sertifikasının SHA-256 parmak izi: %1. Karşı tarafın bu sertifika için aynı parmak izini gördüğünü başka bir kanaldan doğrulayın; görmüyorsa birisi bu konuşmayı okuyabilir ve değiştirebilir.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Karşı taraf Parlino kullanıyorsa aranızda biri var: konuşmayı sonlandırın.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Arayan taraf şifreli bağlantıyı çok geç başlattı: bu konuşma şifreli değil ve gönderdikleri metin olarak gösteriliyor.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>%1 adresinden arayan taraf, siz yanıt vermeden önce kapattı.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>%1 adresinden gelen aramalar şimdilik reddediliyor: bir dakika içinde %2 taneden fazlası geldi.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Parlino durum satırı</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Sizin tarafınızdan gönderildi</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Karşı taraftan alındı</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>Bağlantı başka bir işlemle meşgul; önce bağlantıyı kapatın.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>Port %1, 1 ile 65535 arasında bir port numarası değil.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>Port %1 zaten başka bir program tarafından kullanılıyor, bu nedenle bağlantı istekleri alınamıyor.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Port %1 dinlenemiyor: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>Uzak port “%1”, 1 ile 65535 arasında bir sayı değil.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Uzak adres belirtilmedi.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Kabul edilecek bir bağlantı isteği (%1) yok.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>Karşı taraf, istek kabul edilmeden önce vazgeçti.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Metin gönderilemedi: bağlantı yok.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Metin gönderilemedi: karşı tarafla bağlantı başarısız oldu.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>Bağlantı reddedildi: bu adreste ve portta dinleyen bir şey yok.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>Uzak ana bilgisayar bulunamadı.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Uzak ana bilgisayarın adı çözümlenemedi: ad sunucusu zamanında yanıt vermedi.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>Bağlantı girişimi zaman aşımına uğradı: uzak ana bilgisayar yanıt vermedi.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Ağ bir hata bildirdi: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Bağlantı başarısız oldu: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>Karşı taraf bağlantıyı sıfırladı. Karşı tarafa gönderilen %n bayt teslim edilmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>Karşı tarafla bağlantı koptu: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>Karşı tarafla bağlantı koptu: %1. Karşı tarafa gönderilen %n bayt teslim edilmedi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>Karşı tarafa gönderilen %n bayt teslim edilmedi: karşı taraf, bağlantı sona ermeden önce metin almayı bıraktı.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>Port %1, 1 ile 65535 arasında bir port numarası değil. Yine de başka bir bilgisayara bağlanabilirsiniz.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>Port %1 zaten başka bir program tarafından kullanılıyor, bu nedenle bağlantı istekleri alınamıyor. Yine de başka bir bilgisayara bağlanabilirsiniz.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Port %1 dinlenemiyor: %2. Yine de başka bir bilgisayara bağlanabilirsiniz.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Karşı taraf, istek kabul edilmeden önce vazgeçti. Parlino şu anda dinlemiyor; “Dinle” komutu yeni bir isteği bekler.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Kabul edilecek bir bağlantı isteği (%1) yok. Parlino şu anda dinlemiyor; “Dinle” komutu yeni bir isteği bekler.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Bağlantı başka bir işlemle meşgul olduğundan istek kabul edilmedi. Parlino şu anda dinlemiyor; “Dinle” komutu yeni bir isteği bekler.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>Şifreli bağlantı başarısız oldu: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Şifreli bağlantı kurulamadı: karşı taraf el sıkışmayı %1 saniye içinde tamamlamadı.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>Karşı taraf şifreli aramaya şifresiz metinle yanıt verdi, bu yüzden bağlantı kapatıldı.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Karşı taraf güvenlik kodu değişimini %1 saniye içinde tamamlamadı, bu yüzden konuşma kapatıldı: kod olmadan aranızda birinin olup olmadığını kimse anlayamaz.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>Şifreli bağlantı, karşı tarafın kapanış sinyali olmadan sona erdi: karşı tarafın son metni yolda kesilmiş olabilir.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Yeni bağlantı istekleri için %1 numaralı port dinleniyor.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Komut satırı seçenekleriyle ilgili yardımı gösterir.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt’ye özgü seçenekler dahil yardımı gösterir.</translation>
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
        <translation>Yönlendiriciden %1 numaralı portu bu bilgisayara yönlendirmesi isteniyor.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>Bir güvenlik duvarı arayanları geri çevirmediği sürece bu bilgisayar, %1 IPv6 adresinde %2 numaralı porttan doğrudan aranabilir.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>İnternetteki arayanlar, Parlino kapanana kadar bu bilgisayara %1 adresinde %2 numaralı porttan ulaşabilir.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>Yönlendirici %2 numaralı portu yönlendiriyor, ancak kendi internet adresi %1 özel veya paylaşımlı: ötesindeki bir CGNAT (internet sağlayıcısının taşıyıcı sınıfı NAT’ı) internetten gelen arayanları geri çeviriyor. İnternet sağlayıcınızdan genel bir IP adresi (public IP) isteyin.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>Yönlendirici %1 numaralı portu yönlendirmeyi bıraktı ve yeniden yönlendirmeyi kabul etmedi: internetteki arayanlar bu bilgisayara ulaşamaz.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>Yönlendirici artık %1 numaralı portu bu bilgisayara yönlendirmiyor.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>%1 saniye içinde hiçbir yönlendirici yanıt vermedi: %2 numaralı port internetteki arayanlara açık değil.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>Yönlendirici %1 numaralı portu yönlendirmeyi reddetti: bu portu zaten başka bir bilgisayara yönlendiriyor.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>Yönlendirici %1 numaralı portu yönlendirmeyi reddetti (%2 hatası %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Yönlendiricinin yanıtı okunamadı (%2): %1 numaralı port açık değil.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>Yönlendirici, geçerli bir adres olmayan bir dış adres bildirdi (%2): %1 numaralı port açık değil.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>Yönlendirici yanıtını %1 saniye içinde tamamlamadı: %2 numaralı port açık değil.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Parlino’nun yönlendirici modülü yüklenemedi: %1 numaralı port açık değil.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>Yönlendiricinin güvenlik duvarı, Parlino kapanana kadar arayanları bu bilgisayarın %1 IPv6 adresine, %2 numaralı porta geçirir.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Basit Doğrudan IP Sohbet Uygulaması</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Parlino geliştiricileri tarafından</translation>
    </message>
    <message>
        <source>AIM: %1</source>
        <translation>AIM: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>E-posta: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Sürüm %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Sohbet</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Uzak Port</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Yerel Port</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>Uzak IP Adresi</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>Yerel IP Adresi</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı Kes</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Dinle</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Görünen Ad</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Görünen Ad:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>İletişim</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Şifreli bağlan</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - şifreli konuşma</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Yönlendiricide Port Aç</translation>
    </message>
</context>
</TS>
