// SPDX-License-Identifier: MIT
#pragma once

#include "chatview.h"
#include "commfunctions.h"
#include "routercommands.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QLineEdit;
class ConversationList;
class QMenu;
class QMessageBox;
class QPushButton;
class RouterPort;
class Winsock;

// The main window: the conversation list, the boxes of a conversation, the command buttons and
// menus, and the program's one socket. Each control's event has its own small handler.
class frmMain : public QMainWindow, public ChatView
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    Winsock &socket() { return *Winsock1; }
    RouterPort &router() { return *Router1; }
    // The program is ending: the window goes, its open boxes close (a question as No), and no
    // question is asked any more.
    void closeForGood();

    // ChatView
    QString boxText(Box box) const override;
    void setBoxText(Box box, const QString &text) override;
    void appendLine(const QString &line) override;
    void appendSentLine(const QString &line) override;
    bool appendReceived(const QByteArray &text) override;
    qint64 textLimit() const override;
    void focusDisplayName() override;
    void showEncrypted(bool encrypted) override;
    void showPortOnRouter(bool on) override;
    QByteArray &strIncoming() override { return m_strIncoming; }
    void showError(const QString &text) override;
    // Asks through showQuestion(); if the window closes for good while the question is open,
    // the answer is No.
    void askYesNo(const QString &title, const QString &question,
                  std::function<void(bool)> answered) final;
    void withdrawQuestion() final;

    ConversationList *List1 = nullptr;
    QLineEdit *txtRemotePort = nullptr;
    QLabel *RemotePort = nullptr;
    QLabel *LocalPort = nullptr;
    QLineEdit *txtLocalPort = nullptr;
    QLineEdit *txtRemoteIP = nullptr;
    QLabel *RemoteIP = nullptr;
    QLineEdit *txtLocalIP = nullptr;
    QLabel *LocalIP = nullptr;
    QLineEdit *txtMessage = nullptr;
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdConnect = nullptr;
    QPushButton *cmdDissconnect = nullptr;
    QPushButton *cmdListen = nullptr;
    QPushButton *cmdAbout = nullptr;
    QLabel *DisplayName = nullptr;
    QLineEdit *txtDisplayName = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuCommunications = nullptr;
    QAction *mnuCommunicationsConnect = nullptr;
    QAction *mnuCommunicationsConnectEncrypted = nullptr;
    QAction *mnuCommunicationsDisconnect = nullptr;
    QAction *mnuCommunicationsListen = nullptr;
    QAction *mnuCommunicationsOpenPortOnRouter = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

Q_SIGNALS:
    // The window is being closed (close box, system menu, session end).
    void unloading();
    // File ▸ Exit was chosen.
    void exitChosen();

protected:
    // Shows the question box, whose answer comes through answerQuestion(); where tests answer.
    virtual void showQuestion(const QString &title, const QString &question);
    // Closes the box showQuestion() opened, with no answer; where tests see it go.
    virtual void hideQuestion();
    // The open question's answer; once.
    void answerQuestion(bool yes);
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    // Geometry from the twips layout, stacking and tab order.
    void placeControls();
    void createMenus();
    void wireEvents();
    QLineEdit *textBoxOf(Box box) const;
    // Asks the desktop to draw the user's eye to the window, when it is not the active one.
    void requestAttention();

    void cmdConnect_Click() { m_commands.CommConnect(); }
    void cmdDissconnect_Click() { m_commands.CommDisconnect(); }
    void cmdListen_Click() { m_commands.CommListen(); }
    void cmdSend_Click() { m_commands.CommSend(); }
    void cmdAbout_Click();
    void mnuCommunicationsConnect_Click() { m_commands.CommConnect(); }
    void mnuCommunicationsConnectEncrypted_Click() { m_commands.CommConnectEncrypted(); }
    void mnuCommunicationsDisconnect_Click() { m_commands.CommDisconnect(); }
    void mnuCommunicationsListen_Click() { m_commands.CommListen(); }
    void mnuCommunicationsOpenPortOnRouter_Click(bool on)
    {
        m_routerCommands.CommOpenPortOnRouter(on);
    }
    void mnuHelpAbout_Click() { cmdAbout_Click(); }
    void mnuFileExit_Click() { Q_EMIT exitChosen(); }
    void Winsock1_ConnectionRequest(int requestId)
    {
        m_commands.askAboutConnectionRequest(requestId);
    }
    void Winsock1_DataArrival(qint64 bytesTotal) { m_commands.showArrivedText(bytesTotal); }

    Winsock *Winsock1 = nullptr;
    RouterPort *Router1 = nullptr;
    Commfunctions m_commands;
    RouterCommands m_routerCommands;
    QByteArray m_strIncoming;
    bool m_activationRequested = false;
    std::function<void(bool)> m_answered;  // while a question is open
    QPointer<QMessageBox> m_questionBox;
};
