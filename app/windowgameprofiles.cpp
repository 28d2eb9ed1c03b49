// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowgameprofiles.h"

#include "app/mainwindow.h"
#include "app/toolsbutton.h"
#include "app/windowstatusbar.h"
#include "games/gameprofiles.h"
#include "games/gameprofilesdialog.h"
#include "games/gametray.h"

WindowGameProfiles::WindowGameProfiles(MainWindow *mainWindow, QWidget *corner, const QString &iniPath,
                                       WindowStatusBar *status, SettingsLayerKeeper *layers)
    : QObject(mainWindow)
    , window(mainWindow)
    , games(new GameProfiles(iniPath, mainWindow, layers, this))
{
    connect(window, &MainWindow::settingsLoaded, games, &GameProfiles::controllerLoaded);
    connect(window, &MainWindow::controllerLeft, games, &GameProfiles::controllerLost);
    connect(games, &GameProfiles::statusChanged, status, &WindowStatusBar::showGameStatus);
    games->announce();
    tray = new GameTray(games, window);
    // In the tab bar's corner, so it is there also while the tabs are hidden.
    auto *tools = new ToolsButton(corner);
    const auto connectRequests = [this](auto *source) {
        using Source = std::remove_pointer_t<decltype(source)>;
        connect(source, &Source::gameProfilesRequested, this, &WindowGameProfiles::showDialog);
        connect(source, &Source::historyRequested, window, &MainWindow::historyRequested);
        connect(source, &Source::wheelTestRequested, window, &MainWindow::wheelTestRequested);
    };
    connectRequests(tools);
    connectRequests(tray);
}

bool WindowGameProfiles::hasTrayIcon() const
{
    return tray->isShown();
}

void WindowGameProfiles::showDialog()
{
    if (!dialog) {
        dialog = new GameProfilesDialog(games, window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
