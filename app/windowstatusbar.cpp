// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowstatusbar.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

WindowStatusBar::WindowStatusBar(QMainWindow *mainWindow)
    : QObject(mainWindow)
    , window(mainWindow)
{
}

void WindowStatusBar::showDeviceAccessHint(const QString &path)
{
    if (!deviceAccessHint) {
        deviceAccessHint = new QLabel(window);
        deviceAccessHint->setObjectName(QStringLiteral("device_access_hint"));
        deviceAccessHint->setWordWrap(true);
        deviceAccessHint->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A status-bar message could be replaced by status tips; a widget stays.
        window->statusBar()->addWidget(deviceAccessHint, 1);
    }
    // The hint speaks for the main window: its text shares that context.
    deviceAccessHint->setText(QCoreApplication::translate("MainWindow",
                                                          "Controller found at %1, but this user may not open it. "
                                                          "See \"Controller found but not permitted\" in the README.")
                                  .arg(path));
    deviceAccessHint->show();
    update();
}

void WindowStatusBar::hideDeviceAccessHint()
{
    if (deviceAccessHint) {
        deviceAccessHint->hide();
        update();
    }
}

void WindowStatusBar::showGameStatus(const QString &text)
{
    if (!gameStatus && text.isEmpty())
        return;
    if (!gameStatus) {
        gameStatus = new QLabel(window);
        gameStatus->setObjectName(QStringLiteral("game_profiles_status"));
        gameStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
        window->statusBar()->addPermanentWidget(gameStatus);
    }
    gameStatus->setText(text);
    gameStatus->setVisible(!text.isEmpty());
    update();
}

void WindowStatusBar::update()
{
    const bool hint = deviceAccessHint && !deviceAccessHint->isHidden();
    const bool game = gameStatus && !gameStatus->isHidden();
    window->statusBar()->setVisible(hint || game);
}
