<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>%1 Try &apos;parlino --help&apos;.</source>
        <extracomment>%1 is what was wrong, for example &quot;Unknown option &apos;bogus&apos;.&quot;</extracomment>
        <translation>%1 Experimente “parlino --help”.</translation>
    </message>
    <message>
        <source>A text chat between two computers over one direct TCP connection, with no server in between. Parlino listens on TCP port 1981 and asks its user before it accepts a connection request; either side can connect to the other&apos;s address. Qt&apos;s own options (-platform, -style, -display, ...) are accepted too.</source>
        <translation>Um bate-papo de texto entre dois computadores por meio de uma única conexão TCP direta, sem servidor intermediário. O Parlino escuta na porta TCP 1981 e pergunta ao usuário antes de aceitar uma solicitação de conexão; qualquer um dos lados pode se conectar ao endereço do outro. As opções próprias do Qt (-platform, -style, -display, ...) também são aceitas.</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a desktop, or headless with &apos;xvfb-run parlino&apos; or &apos;parlino -platform vnc&apos; and a VNC viewer on port 5900.</source>
        <translation>Nenhuma tela encontrada (DISPLAY e WAYLAND_DISPLAY não estão definidas). Execute o Parlino em um ambiente de trabalho, ou sem tela com “xvfb-run parlino” ou “parlino -platform vnc” e um visualizador VNC na porta 5900.</translation>
    </message>
    <message>
        <source>Asks the router at start to forward the listening port to this computer, as Communications &gt; Open Port on Router does.</source>
        <translation>Ao iniciar, pede ao roteador que encaminhe a porta de escuta para este computador, como faz “Conexão &gt; Abrir porta no roteador”.</translation>
    </message>
</context>
<context>
    <name>Commfunctions</name>
    <message>
        <source>Listening to port %1 for new connection requests.</source>
        <translation>Escutando na porta %1, aguardando novas solicitações de conexão.</translation>
    </message>
    <message>
        <source>You are already connected to: %1You must disconnect before proceeding.</source>
        <translation>Já existe uma conexão com %1. Desconecte antes de continuar.</translation>
    </message>
    <message>
        <source>You must give me a Remote IP Address to connect to.</source>
        <translation>Informe o endereço IP remoto ao qual deseja se conectar.</translation>
    </message>
    <message>
        <source>Connection request has been sent to: %1</source>
        <translation>Solicitação de conexão enviada para: %1</translation>
    </message>
    <message>
        <source>You are already disconnected, cannot disconnect again.</source>
        <translation>A conexão já foi encerrada; não é possível desconectar novamente.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>You must first be connected to another computer.</source>
        <translation>Primeiro é preciso se conectar a outro computador.</translation>
    </message>
    <message>
        <source>Please enter a display name.</source>
        <translation>Informe um nome de exibição.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1</source>
        <translation>Solicitação de conexão recebida. Deseja permiti-la?
Origem: %1</translation>
    </message>
    <message>
        <source>Connection Request</source>
        <translation>Solicitação de conexão</translation>
    </message>
    <message>
        <source>Connection Denied</source>
        <translation>Conexão recusada</translation>
    </message>
    <message>
        <source>Connection made</source>
        <translation>Conexão estabelecida</translation>
    </message>
    <message>
        <source>The partner has sent more text than one conversation can hold (%1 MiB), so the connection was closed. Everything shown before stays in the list.</source>
        <translation>O interlocutor enviou mais texto do que uma conversa comporta (%1 MiB), por isso a conexão foi encerrada. Tudo o que já foi exibido continua na lista.</translation>
    </message>
    <message>
        <source>Encrypted connection request has been sent to: %1</source>
        <translation>Solicitação de conexão criptografada enviada para: %1</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is encrypted.</source>
        <translation>Solicitação de conexão recebida. Deseja permiti-la?
Origem: %1
A chamada é criptografada.</translation>
    </message>
    <message>
        <source>Incoming Connection Request, do you wish to allow it?
From %1
The call is not encrypted.</source>
        <translation>Solicitação de conexão recebida. Deseja permiti-la?
Origem: %1
A chamada não é criptografada.</translation>
    </message>
    <message>
        <source>This conversation is encrypted.</source>
        <translation>Esta conversa é criptografada.</translation>
    </message>
    <message>
        <source>This conversation is not encrypted.</source>
        <translation>Esta conversa não é criptografada.</translation>
    </message>
    <message>
        <source>Security code: %1. Compare it with your partner&apos;s code by another channel, for example by telephone. If the codes differ, someone can read and change this conversation.</source>
        <extracomment>%1 is a six-digit code, shown as two groups of three digits.</extracomment>
        <translation>Código de segurança: %1. Compare-o com o código do seu parceiro por outro canal, por exemplo por telefone. Se os códigos forem diferentes, alguém pode ler e alterar esta conversa.</translation>
    </message>
    <message>
        <source>The other end of the connection is not Parlino, so there is no security code. SHA-256 fingerprint of the certificate of the side that was called: %1. By another channel, check that your partner sees the same fingerprint for that certificate; if not, someone can read and change this conversation.</source>
        <extracomment>%1 is a SHA-256 fingerprint in groups of four hexadecimal digits.</extracomment>
        <translation>A outra ponta da conexão não é o Parlino, então não há código de segurança. Impressão digital SHA-256 do certificado do lado que recebeu a chamada: %1. Confirme por outro canal que o seu parceiro vê a mesma impressão digital para esse certificado; se não, alguém pode ler e alterar esta conversa.</translation>
    </message>
    <message>
        <source>If your partner is using Parlino, someone is between you: end the conversation.</source>
        <translation>Se o seu parceiro está usando o Parlino, há alguém entre vocês: encerre a conversa.</translation>
    </message>
    <message>
        <source>The caller began an encrypted connection too late: this conversation is not encrypted, and what the caller sent shows as text.</source>
        <translation>Quem ligou iniciou uma conexão criptografada tarde demais: esta conversa não é criptografada, e o que foi enviado aparece como texto.</translation>
    </message>
    <message>
        <source>A caller from %1 hung up before you answered.</source>
        <translation>Quem ligou de %1 desligou antes da sua resposta.</translation>
    </message>
    <message>
        <source>Calls from %1 are turned away for now: more than %2 came within a minute.</source>
        <extracomment>%1 is the caller&apos;s address, %2 the number of calls a minute that are taken (5).</extracomment>
        <translation>As chamadas de %1 estão sendo recusadas por enquanto: chegaram mais de %2 em um minuto.</translation>
    </message>
</context>
<context>
    <name>ConversationEntryAccessible</name>
    <message>
        <source>Status line from Parlino</source>
        <translation>Linha de status do Parlino</translation>
    </message>
    <message>
        <source>Sent by you</source>
        <translation>Enviado por você</translation>
    </message>
    <message>
        <source>Received from your partner</source>
        <translation>Recebido do seu interlocutor</translation>
    </message>
</context>
<context>
    <name>ConversationList</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>FailureSentences</name>
    <message>
        <source>The connection is busy with something else; close it first.</source>
        <translation>A conexão está ocupada com outra operação; feche-a primeiro.</translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535.</source>
        <translation>A porta %1 não é um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received.</source>
        <translation>A porta %1 já está sendo usada por outro programa, por isso não é possível receber solicitações de conexão.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Não é possível escutar na porta %1: %2.</translation>
    </message>
    <message>
        <source>The remote port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <extracomment>%1 is the text of the Remote Port box, quoted as typed.</extracomment>
        <translation>A porta remota “%1” não é um número entre 1 e 65535.</translation>
    </message>
    <message>
        <source>No remote address was given.</source>
        <translation>Nenhum endereço remoto foi informado.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept.</source>
        <translation>Não há nenhuma solicitação de conexão %1 para aceitar.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted.</source>
        <translation>O solicitante desistiu antes que a solicitação fosse aceita.</translation>
    </message>
    <message>
        <source>The text could not be sent: there is no connection.</source>
        <translation>Não foi possível enviar o texto: não há conexão.</translation>
    </message>
    <message>
        <source>The text could not be sent: the connection to the partner has failed.</source>
        <translation>Não foi possível enviar o texto: a conexão com o interlocutor falhou.</translation>
    </message>
    <message>
        <source>The connection was refused: nothing is listening at that address and port.</source>
        <translation>A conexão foi recusada: nenhum programa está escutando nesse endereço e nessa porta.</translation>
    </message>
    <message>
        <source>The remote host could not be found.</source>
        <translation>O host remoto não foi encontrado.</translation>
    </message>
    <message>
        <source>The name of the remote host could not be looked up: the name server did not answer in time.</source>
        <translation>Não foi possível resolver o nome do host remoto: o servidor de nomes não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The connection attempt timed out: the remote host did not answer.</source>
        <translation>A tentativa de conexão expirou: o host remoto não respondeu.</translation>
    </message>
    <message>
        <source>The network reported an error: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>A rede informou um erro: %1.</translation>
    </message>
    <message>
        <source>The connection failed: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>A conexão falhou: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The partner reset the connection. %n byte(s) sent to the partner were not delivered.</source>
        <translation>
            <numerusform>O interlocutor redefiniu a conexão. %n byte enviado ao interlocutor não foi entregue.</numerusform>
            <numerusform>O interlocutor redefiniu a conexão. %n bytes enviados ao interlocutor não foram entregues.</numerusform>
        </translation>
    </message>
    <message>
        <source>The connection to the partner was lost: %1.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>A conexão com o interlocutor foi perdida: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The connection to the partner was lost: %1. %n byte(s) sent to the partner were not delivered.</source>
        <extracomment>%1 is the system&apos;s reason, for example &quot;Connection timed out&quot;.</extracomment>
        <translation>
            <numerusform>A conexão com o interlocutor foi perdida: %1. %n byte enviado ao interlocutor não foi entregue.</numerusform>
            <numerusform>A conexão com o interlocutor foi perdida: %1. %n bytes enviados ao interlocutor não foram entregues.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) sent to the partner were not delivered: the partner stopped taking text before the connection ended.</source>
        <translation>
            <numerusform>%n byte enviado ao interlocutor não foi entregue: o interlocutor parou de aceitar texto antes do fim da conexão.</numerusform>
            <numerusform>%n bytes enviados ao interlocutor não foram entregues: o interlocutor parou de aceitar texto antes do fim da conexão.</numerusform>
        </translation>
    </message>
    <message>
        <source>Port %1 is not a port number from 1 to 65535. You can still connect to a partner.</source>
        <translation>A porta %1 não é um número de porta entre 1 e 65535. Mesmo assim, você pode se conectar a um interlocutor.</translation>
    </message>
    <message>
        <source>Port %1 is already in use by another program, so no connection requests can be received. You can still connect to a partner.</source>
        <translation>A porta %1 já está sendo usada por outro programa, por isso não é possível receber solicitações de conexão. Mesmo assim, você pode se conectar a um interlocutor.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. You can still connect to a partner.</source>
        <extracomment>%2 is the system&apos;s reason, for example &quot;Permission denied&quot;.</extracomment>
        <translation>Não é possível escutar na porta %1: %2. Mesmo assim, você pode se conectar a um interlocutor.</translation>
    </message>
    <message>
        <source>The caller gave up before the request was accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>O solicitante desistiu antes que a solicitação fosse aceita. O Parlino não está mais escutando; use “Escutar” para aguardar outra solicitação.</translation>
    </message>
    <message>
        <source>There is no connection request %1 to accept. Parlino is not listening now; Listen waits for another request.</source>
        <translation>Não há nenhuma solicitação de conexão %1 para aceitar. O Parlino não está mais escutando; use “Escutar” para aguardar outra solicitação.</translation>
    </message>
    <message>
        <source>The connection is busy with something else, so the request was not accepted. Parlino is not listening now; Listen waits for another request.</source>
        <translation>A conexão está ocupada com outra operação, por isso a solicitação não foi aceita. O Parlino não está mais escutando; use “Escutar” para aguardar outra solicitação.</translation>
    </message>
    <message>
        <source>The encrypted connection failed: %1.</source>
        <extracomment>%1 is the encryption library&apos;s reason, for example &quot;wrong version number&quot;.</extracomment>
        <translation>A conexão criptografada falhou: %1.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: the partner did not finish the handshake within %1 seconds.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>Não foi possível estabelecer a conexão criptografada: o parceiro não concluiu o handshake em %1 segundos.</translation>
    </message>
    <message>
        <source>The partner answered the encrypted call with plain text, so the connection was closed.</source>
        <translation>O parceiro respondeu à chamada criptografada com texto não criptografado, então a conexão foi fechada.</translation>
    </message>
    <message>
        <source>The partner did not finish the exchange of the security code within %1 seconds, so the conversation was closed: without the code, nobody can tell whether someone is between you.</source>
        <extracomment>%1 is a number of seconds, 10 or more.</extracomment>
        <translation>O parceiro não concluiu a troca do código de segurança em %1 segundos, então a conversa foi encerrada: sem o código, ninguém pode saber se há alguém entre vocês.</translation>
    </message>
    <message>
        <source>The encrypted connection ended without the partner&apos;s closing signal: the partner&apos;s last text may have been cut off on the way.</source>
        <translation>A conexão criptografada terminou sem o sinal de encerramento do parceiro: o último texto dele pode ter sido cortado no caminho.</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>Listening to Port %1 for new connection requests.</source>
        <translation>Escutando na porta %1, aguardando novas solicitações de conexão.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Exibe a ajuda, incluindo as opções específicas do Qt.</translation>
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
        <translation>Pedindo ao roteador que encaminhe a porta %1 para este computador.</translation>
    </message>
    <message>
        <source>This computer&apos;s IPv6 address %1 can be called directly at port %2, unless a firewall turns callers away.</source>
        <translation>O endereço IPv6 %1 deste computador pode ser chamado diretamente na porta %2, a menos que um firewall recuse as chamadas.</translation>
    </message>
    <message>
        <source>Callers on the internet can reach this computer at %1, port %2, until Parlino closes.</source>
        <translation>Quem está na internet pode chamar este computador em %1, porta %2, até o Parlino ser fechado.</translation>
    </message>
    <message>
        <source>The router forwards port %2, but its own internet address %1 is private or shared: a carrier-grade NAT beyond it turns callers from the internet away. Ask your internet provider for a public address.</source>
        <extracomment>A carrier-grade NAT: the internet provider&apos;s own router, shared by many customers.</extracomment>
        <translation>O roteador encaminha a porta %2, mas o próprio endereço de internet dele, %1, é privado ou compartilhado: um CGNAT (o NAT da operadora) mais adiante recusa as chamadas vindas da internet. Peça um endereço IP público ao seu provedor de internet.</translation>
    </message>
    <message>
        <source>The router stopped forwarding port %1 and would not forward it again: callers on the internet cannot reach this computer.</source>
        <translation>O roteador parou de encaminhar a porta %1 e não aceitou encaminhá-la de novo: quem está na internet não consegue chamar este computador.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this computer.</source>
        <translation>O roteador não encaminha mais a porta %1 para este computador.</translation>
    </message>
    <message>
        <source>No router answered within %1 seconds: port %2 is not open to callers on the internet.</source>
        <translation>Nenhum roteador respondeu em %1 segundos: a porta %2 não está aberta para chamadas vindas da internet.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1: it forwards that port to another computer already.</source>
        <translation>O roteador se recusou a encaminhar a porta %1: ele já encaminha essa porta para outro computador.</translation>
    </message>
    <message>
        <source>The router refused to forward port %1 (%2 error %3).</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP), %3 the router&apos;s error number.</extracomment>
        <translation>O roteador se recusou a encaminhar a porta %1 (erro %2 %3).</translation>
    </message>
    <message>
        <source>The router&apos;s answer could not be read (%2): port %1 is not open.</source>
        <extracomment>%2 is the protocol (UPnP, NAT-PMP).</extracomment>
        <translation>Não foi possível ler a resposta do roteador (%2): a porta %1 não está aberta.</translation>
    </message>
    <message>
        <source>The router reported an outside address that is not an address (%2): port %1 is not open.</source>
        <translation>O roteador informou um endereço externo que não é um endereço válido (%2): a porta %1 não está aberta.</translation>
    </message>
    <message>
        <source>The router did not finish answering within %1 seconds: port %2 is not open.</source>
        <translation>O roteador não terminou de responder em %1 segundos: a porta %2 não está aberta.</translation>
    </message>
    <message>
        <source>Parlino&apos;s module for routers could not be loaded: port %1 is not open.</source>
        <translation>Não foi possível carregar o módulo do Parlino para roteadores: a porta %1 não está aberta.</translation>
    </message>
    <message>
        <source>The router&apos;s firewall lets callers through to this computer&apos;s IPv6 address %1, port %2, until Parlino closes.</source>
        <translation>O firewall do roteador deixa as chamadas chegarem ao endereço IPv6 %1 deste computador, porta %2, até o Parlino ser fechado.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Simple Direct IP Chat Application</source>
        <translation>Aplicativo simples de bate-papo por IP direto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>By the Parlino developers</source>
        <translation>Pelos desenvolvedores do Parlino</translation>
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
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Conversation</source>
        <translation>Conversa</translation>
    </message>
    <message>
        <source>Remote Port</source>
        <translation>Porta remota</translation>
    </message>
    <message>
        <source>Local Port</source>
        <translation>Porta local</translation>
    </message>
    <message>
        <source>Remote IP Address</source>
        <translation>IP remoto</translation>
    </message>
    <message>
        <source>Local IP Address</source>
        <translation>IP local</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Enviar mensagem</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escutar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Display Name</source>
        <translation>Nome de exibição</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Communications</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Connect Encrypted</source>
        <translation>Conectar com criptografia</translation>
    </message>
    <message>
        <source>Parlino - encrypted conversation</source>
        <translation>Parlino - conversa criptografada</translation>
    </message>
    <message>
        <source>Open Port on Router</source>
        <translation>Abrir porta no roteador</translation>
    </message>
</context>
</TS>
