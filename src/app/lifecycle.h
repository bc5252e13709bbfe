// SPDX-License-Identifier: MIT
// Start-up and shut-down of the main window: what its load and unload steps and File ▸ Exit do.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

class frmMain;

class Lifecycle : public QObject
{
    Q_OBJECT

public:
    // Ends the program with an exit status: 0, or 1 when text sent was not delivered.
    using ExitFunction = std::function<void(int status)>;

    // listenPort replaces the Local Port box's number (tests listen on 0, a port the system
    // chooses).
    // exitNow ends the program; by default it leaves the application's event loop.
    explicit Lifecycle(frmMain &window, std::optional<int> listenPort = std::nullopt,
                       ExitFunction exitNow = {});

    // Runs once, before the window is first shown.
    void load();
    // Ends the program as File ▸ Exit and the window's unload step do; also what a request to
    // terminate does.
    void exit();

private:
    // The window is gone or hidden: the program ends once the partner has taken what was sent.
    void endWhenDelivered();
    // Ends the program once the partner has everything and the router's port is given back.
    void endIfDone();

    frmMain &m_window;
    std::optional<int> m_listenPort;
    ExitFunction m_exitNow;
    bool m_ending = false;
    bool m_ended = false;
    bool m_delivered = false;
    bool m_routerClosed = true;
    bool m_textLost = false;
};
