// SPDX-License-Identifier: MIT
// What the chat commands need from the main window. The window implements it; showError() is
// where the program waits on a modal box, askYesNo() where it asks without waiting (the window's
// question box is showQuestion(), which withdrawQuestion() takes away), and both are where tests
// give their answers.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class ChatView
{
public:
    enum class Box { RemoteIP, RemotePort, LocalPort, LocalIP, DisplayName, Message };

    virtual QString boxText(Box box) const = 0;
    virtual void setBoxText(Box box, const QString &text) = 0;
    // Add one entry at the end of the conversation list, without scrolling or selecting, each
    // shown as what it is: a line of the program's own, or a chat line the user sent.
    virtual void appendLine(const QString &line) = 0;
    virtual void appendSentLine(const QString &line) = 0;
    // Adds received text, valid UTF-8, as one entry; false, adding nothing, when the
    // conversation cannot hold any more text.
    virtual bool appendReceived(const QByteArray &text) = 0;
    // How much text a conversation holds at most, in bytes of UTF-8.
    virtual qint64 textLimit() const = 0;
    virtual void focusDisplayName() = 0;
    // Shows, for as long as it lasts, whether the open conversation is encrypted.
    virtual void showEncrypted(bool encrypted) = 0;
    // Shows whether the listening port is to be forwarded on the router.
    virtual void showPortOnRouter(bool on) = 0;
    // The received-text variable the DataArrival handler fills.
    virtual QByteArray &strIncoming() = 0;

    // The Error box: information icon, one OK button, title "Error", text shown as plain text.
    virtual void showError(const QString &text) = 0;
    // Opens a Yes/No question, modal over the window, with Yes as the default and no icon, and
    // returns at once. `answered` runs once, with true for Yes; with false when the window
    // closes for good first.
    virtual void askYesNo(const QString &title, const QString &question,
                          std::function<void(bool)> answered) = 0;
    // Closes the open question as if it had never been asked: `answered` does not run.
    virtual void withdrawQuestion() = 0;

protected:
    ~ChatView() = default;
};
