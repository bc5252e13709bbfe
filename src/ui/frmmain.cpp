// SPDX-License-Identifier: MIT
#include "frmmain.h"

#include "conversationlist.h"
#include "conversationlistaccessible.h"
#include "entryannouncer.h"
#include "focusring.h"
#include "frmabout.h"
#include "messageboxes.h"
#include "pushbutton.h"
#include "routerport.h"
#include "titlebar.h"
#include "twipslayout.h"
#include "winsock.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <limits>
#include <utility>

namespace {

constexpr QSize ClientSize = TwipsLayout::size(6975, 4140);
constexpr QColor WindowColour(0, 192, 0);
constexpr QColor CaptionColour(255, 255, 128);
constexpr QColor DisplayNameColour(255, 255, 0);

// A fixed background comes with a fixed text colour, so that a dark desktop theme's light text
// does not end up on it.
void fill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &text,
                   const QString &accessibleName)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    // No silent cut at QLineEdit's default of 32,767 characters: a pasted text goes whole.
    edit->setMaxLength(std::numeric_limits<int>::max());
    // Text starts at the window's leading edge, whatever its own direction.
    edit->setAlignment(QStyle::visualAlignment(parent->layoutDirection(), Qt::AlignLeft) |
                       Qt::AlignAbsolute);
    return edit;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                Qt::Alignment alignment, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    // Aligned as the window runs: an untranslated caption in a right-to-left window still
    // starts at the right, beside its box.
    label->setAlignment(QStyle::visualAlignment(parent->layoutDirection(), alignment) |
                        Qt::AlignAbsolute | Qt::AlignTop);
    fill(label, colour);
    return label;
}

QPushButton *commandButton(QWidget *parent, const char *name, const QString &text)
{
    auto *pushButton = new PushButton(text, parent);
    pushButton->setObjectName(QLatin1String(name));
    return pushButton;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent),
      Winsock1(new Winsock(this)),
      Router1(new RouterPort(this)),
      m_commands(*this, *Winsock1),
      m_routerCommands(*this, *Router1, *Winsock1)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Parlino"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    TwipsLayout::useControlFont(this);

    createControls();
    placeControls();
    createMenus();
    wireEvents();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    List1->setFocus();
    TitleBar::watch(this);
    FocusRing::follow(this);
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    fill(client, WindowColour);
    setCentralWidget(client);

    // The list draws its rows itself, so it brings what assistive technologies see of it.
    QAccessible::installFactory(ConversationListAccessible::create);
    // Created in tab order; labels never take the focus.
    List1 = new ConversationList(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Conversation"));
    new EntryAnnouncer(List1);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each caption names its box for assistive technologies.
    txtRemotePort = textBox(client, "txtRemotePort", QStringLiteral("1981"), tr("Remote Port"));
    RemotePort = caption(client, "RemotePort", tr("Remote Port"), CaptionColour, Qt::AlignHCenter,
                         txtRemotePort);
    txtLocalPort = textBox(client, "txtLocalPort", QStringLiteral("1981"), tr("Local Port"));
    LocalPort = caption(client, "LocalPort", tr("Local Port"), CaptionColour, Qt::AlignHCenter,
                        txtLocalPort);
    txtRemoteIP = textBox(client, "txtRemoteIP", QString(), tr("Remote IP Address"));
    RemoteIP = caption(client, "RemoteIP", tr("Remote IP Address"), CaptionColour, Qt::AlignHCenter,
                       txtRemoteIP);
    txtLocalIP = textBox(client, "txtLocalIP", QString(), tr("Local IP Address"));
    LocalIP = caption(client, "LocalIP", tr("Local IP Address"), CaptionColour, Qt::AlignHCenter,
                      txtLocalIP);
    txtMessage = textBox(client, "txtMessage", QString(), tr("Message"));
    cmdSend = commandButton(client, "cmdSend", tr("Send Message"));
    cmdConnect = commandButton(client, "cmdConnect", tr("Connect"));
    cmdDissconnect = commandButton(client, "cmdDissconnect", tr("Disconnect"));
    cmdListen = commandButton(client, "cmdListen", tr("Listen"));
    cmdAbout = commandButton(client, "cmdAbout", tr("About"));
    txtDisplayName = textBox(client, "txtDisplayName", QString(), tr("Display Name"));
    DisplayName = caption(client, "DisplayName", tr("Display Name:"), DisplayNameColour,
                          Qt::AlignLeft, txtDisplayName);
}

void frmMain::placeControls()
{
    TwipsLayout::place(List1, 120, 960, 5175, 2400);
    TwipsLayout::place(txtRemotePort, 5400, 840, 1455, 285);
    TwipsLayout::place(RemotePort, 5400, 600, 1455, 495);
    TwipsLayout::place(LocalPort, 5400, 1320, 1455, 495);
    TwipsLayout::place(txtLocalPort, 5400, 1560, 1455, 285);
    TwipsLayout::place(txtRemoteIP, 5400, 2280, 1455, 285);
    TwipsLayout::place(RemoteIP, 5400, 2040, 1455, 495);
    TwipsLayout::place(txtLocalIP, 5400, 3000, 1455, 285);
    TwipsLayout::place(LocalIP, 5400, 2760, 1455, 495);
    TwipsLayout::place(txtMessage, 120, 3600, 5175, 285);
    TwipsLayout::place(cmdSend, 5400, 3600, 1455, 375);
    TwipsLayout::place(cmdConnect, 120, 120, 1095, 375);
    TwipsLayout::place(cmdDissconnect, 1320, 120, 1095, 375);
    TwipsLayout::place(cmdListen, 2520, 120, 1095, 375);
    TwipsLayout::place(cmdAbout, 3720, 120, 1095, 375);
    TwipsLayout::place(DisplayName, 120, 600, 5175, 255);
    TwipsLayout::place(txtDisplayName, 1200, 600, 4095, 285);

    // Labels lie on the window background, every other control above them.
    const QList<QWidget *> focusOrder = {
        List1,   txtRemotePort, txtLocalPort,   txtRemoteIP, txtLocalIP, txtMessage,
        cmdSend, cmdConnect,    cmdDissconnect, cmdListen,   cmdAbout,   txtDisplayName};
    for (QWidget *widget : focusOrder) widget->raise();
    for (qsizetype i = 1; i < focusOrder.size(); ++i) setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void frmMain::createMenus()
{
    // No access keys and no shortcuts.
    mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = menuItem(mnuFile, "mnuFileExit", tr("Exit"));

    mnuCommunications = menuBar()->addMenu(tr("Communications"));
    mnuCommunications->setObjectName(QStringLiteral("mnuCommunications"));
    mnuCommunicationsConnect =
        menuItem(mnuCommunications, "mnuCommunicationsConnect", tr("Connect"));
    mnuCommunicationsConnectEncrypted =
        menuItem(mnuCommunications, "mnuCommunicationsConnectEncrypted", tr("Connect Encrypted"));
    mnuCommunicationsDisconnect =
        menuItem(mnuCommunications, "mnuCommunicationsDisconnect", tr("Disconnect"));
    mnuCommunicationsListen = menuItem(mnuCommunications, "mnuCommunicationsListen", tr("Listen"));
    mnuCommunications->addSeparator();
    mnuCommunicationsOpenPortOnRouter =
        menuItem(mnuCommunications, "mnuCommunicationsOpenPortOnRouter", tr("Open Port on Router"));
    mnuCommunicationsOpenPortOnRouter->setCheckable(true);

    mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout = menuItem(mnuHelp, "mnuHelpAbout", tr("About"));
}

void frmMain::wireEvents()
{
    connect(cmdConnect, &QPushButton::clicked, this, &frmMain::cmdConnect_Click);
    connect(cmdDissconnect, &QPushButton::clicked, this, &frmMain::cmdDissconnect_Click);
    connect(cmdListen, &QPushButton::clicked, this, &frmMain::cmdListen_Click);
    connect(cmdSend, &QPushButton::clicked, this, &frmMain::cmdSend_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuCommunicationsConnect, &QAction::triggered, this,
            &frmMain::mnuCommunicationsConnect_Click);
    connect(mnuCommunicationsConnectEncrypted, &QAction::triggered, this,
            &frmMain::mnuCommunicationsConnectEncrypted_Click);
    connect(mnuCommunicationsDisconnect, &QAction::triggered, this,
            &frmMain::mnuCommunicationsDisconnect_Click);
    connect(mnuCommunicationsListen, &QAction::triggered, this,
            &frmMain::mnuCommunicationsListen_Click);
    connect(mnuCommunicationsOpenPortOnRouter, &QAction::triggered, this,
            &frmMain::mnuCommunicationsOpenPortOnRouter_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    connect(Router1, &RouterPort::answered, this,
            [this](const RouterMapping &mapping) { m_routerCommands.showAnswer(mapping); });
    connect(Router1, &RouterPort::lost, this,
            [this](const RouterMapping &mapping) { m_routerCommands.showLoss(mapping); });
    connect(Router1, &RouterPort::pinholeOpened, this,
            [this](const RouterMapping &mapping) { m_routerCommands.showPinhole(mapping); });
    connect(Router1, &RouterPort::closed, this, [this] { m_routerCommands.showClosed(); });
    connect(Winsock1, &Winsock::ConnectionRequest, this, &frmMain::Winsock1_ConnectionRequest);
    connect(Winsock1, &Winsock::DataArrival, this, &frmMain::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::requestWithdrawn, this, [this](int id, const QString &address) {
        m_commands.withdrawConnectionRequest(id, address);
    });
    connect(Winsock1, &Winsock::callerTurnedAway, this,
            [this](const QString &address) { m_commands.showCallerTurnedAway(address); });
    connect(Winsock1, &Winsock::errorOccurred, this,
            [this](const SocketFailure &failure) { m_commands.showSocketFailure(failure); });
    connect(Winsock1, &Winsock::privacyKnown, this,
            [this](Privacy privacy) { m_commands.showPrivacy(privacy); });
    connect(Winsock1, &Winsock::privacyCheckReady, this,
            [this](const PrivacyCheck &check) { m_commands.showPrivacyCheck(check); });
    connect(Winsock1, &Winsock::lateHandshake, this, [this] { m_commands.showLateHandshake(); });
    connect(Winsock1, &Winsock::undelivered, this,
            [this](qint64 bytes) { m_commands.reportUndelivered(bytes); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Q_EMIT unloading();
    QMainWindow::closeEvent(event);
}

void frmMain::cmdAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

QLineEdit *frmMain::textBoxOf(Box box) const
{
    switch (box) {
        case Box::RemoteIP:
            return txtRemoteIP;
        case Box::RemotePort:
            return txtRemotePort;
        case Box::LocalPort:
            return txtLocalPort;
        case Box::LocalIP:
            return txtLocalIP;
        case Box::DisplayName:
            return txtDisplayName;
        case Box::Message:
            return txtMessage;
    }
    Q_UNREACHABLE();
}

QString frmMain::boxText(Box which) const
{
    return textBoxOf(which)->text();
}

void frmMain::setBoxText(Box which, const QString &text)
{
    textBoxOf(which)->setText(text);
}

void frmMain::appendLine(const QString &line)
{
    List1->append(line, ConversationList::Origin::Status);
}

void frmMain::appendSentLine(const QString &line)
{
    List1->append(line, ConversationList::Origin::Sent);
}

bool frmMain::appendReceived(const QByteArray &text)
{
    requestAttention();
    return List1->appendUtf8(text);
}

void frmMain::requestAttention()
{
    if (isActiveWindow())
        return;
    // The task bar entry flashes (on X11 the urgency hint is set) until the window is activated.
    // Qt 6.4 ignores alerts under Wayland; there the window asks to be activated instead
    // (xdg-activation), which a compositor that keeps the focus where the user is turns into a
    // request for attention. Once until the window is active again: each request goes out to
    // the compositor.
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        QApplication::alert(this);
    else if (!std::exchange(m_activationRequested, true))
        activateWindow();
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_activationRequested = false;
    QMainWindow::changeEvent(event);
}

qint64 frmMain::textLimit() const
{
    return List1->textLimit();
}

void frmMain::focusDisplayName()
{
    txtDisplayName->setFocus();
}

void frmMain::showEncrypted(bool encrypted)
{
    // The title is what the window list, the title bar and a screen reader all name.
    setWindowTitle(encrypted ? tr("Parlino - encrypted conversation") : QStringLiteral("Parlino"));
}

void frmMain::showPortOnRouter(bool on)
{
    mnuCommunicationsOpenPortOnRouter->setChecked(on);
}

void frmMain::showError(const QString &text)
{
    MessageBoxes::showError(this, text);
}

void frmMain::askYesNo(const QString &title, const QString &question,
                       std::function<void(bool)> answered)
{
    m_answered = std::move(answered);
    requestAttention();
    showQuestion(title, question);
}

void frmMain::showQuestion(const QString &title, const QString &question)
{
    QMessageBox *box = MessageBoxes::openQuestion(this, title, question);
    m_questionBox = box;
    connect(box, &QMessageBox::finished, this,
            [this, box] { answerQuestion(box->clickedButton() == box->button(QMessageBox::Yes)); });
}

void frmMain::withdrawQuestion()
{
    m_answered = {};
    hideQuestion();
}

void frmMain::hideQuestion()
{
    if (m_questionBox)
        m_questionBox->done(QMessageBox::No);  // deletes itself; answers nobody
}

void frmMain::answerQuestion(bool yes)
{
    if (const auto answered = std::exchange(m_answered, {}))
        answered(yes);
}

void frmMain::closeForGood()
{
    // A Yes given after the window has gone would connect a caller into nothing.
    answerQuestion(false);
    hide();
    // Boxes are windows of their own, which hiding their owner leaves on screen.
    for (QDialog *box : findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) box->reject();
}
