// SPDX-License-Identifier: MIT
// A main window as the program starts it, listening on a free port, with scripted boxes.
#pragma once

#include "frmmain.h"
#include "lifecycle.h"
#include "scriptedprompter.h"
#include "winsock.h"

#include <QListWidget>
#include <QStringList>
#include <memory>

struct ChatWindow
{
    explicit ChatWindow(int listenPort = 0)
    {
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        window = std::make_unique<frmMain>(std::move(scripted));
        lifecycle = new Lifecycle(*window, listenPort, [this] { ++exits; });
        lifecycle->Form_Load();
    }

    Winsock &socket() const { return window->socket(); }
    int port() const { return window->socket().LocalPort(); }
    int state() const { return window->socket().State(); }

    QStringList lines() const
    {
        QStringList result;
        for (int row = 0; row < window->List1->count(); ++row)
            result.append(window->List1->item(row)->text());
        return result;
    }

    // The list entries after the first `skip`, run together: what a peer's text became.
    QString joined(int skip) const { return lines().mid(skip).join(QString()); }

    std::unique_ptr<frmMain> window;
    Lifecycle *lifecycle = nullptr;
    ScriptedPrompter *prompter = nullptr;
    int exits = 0;
};
