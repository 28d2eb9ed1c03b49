// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowstatusbar.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
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

void WindowStatusBar::showHistoryNotice(const QString &text)
{
    if (!historyNotice && text.isEmpty())
        return;
    if (!historyNotice) {
        historyNotice = new QLabel(window);
        historyNotice->setObjectName(QStringLiteral("history_notice"));
        historyNotice->setWordWrap(true);
        historyNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        historyButton = new QPushButton(QCoreApplication::translate("MainWindow", "History…"), window);
        historyButton->setObjectName(QStringLiteral("history_notice_button"));
        historyButton->setAccessibleName(QCoreApplication::translate("MainWindow", "History…"));
        connect(historyButton, &QPushButton::clicked, this, &WindowStatusBar::historyRequested);
        window->statusBar()->addWidget(historyNotice, 1);
        window->statusBar()->addWidget(historyButton);
    }
    historyNotice->setText(text);
    historyNotice->setVisible(!text.isEmpty());
    historyButton->setVisible(!text.isEmpty());
    update();
}

void WindowStatusBar::showRestoreNotice(const QString &text)
{
    if (!restoreNotice && text.isEmpty())
        return;
    if (!restoreNotice) {
        restoreNotice = new QLabel(window);
        restoreNotice->setObjectName(QStringLiteral("restore_notice"));
        restoreNotice->setWordWrap(true);
        restoreNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        window->statusBar()->addWidget(restoreNotice, 1);
    }
    restoreNotice->setText(text);
    restoreNotice->setVisible(!text.isEmpty());
    update();
}

void WindowStatusBar::update()
{
    const bool hint = deviceAccessHint && !deviceAccessHint->isHidden();
    const bool game = gameStatus && !gameStatus->isHidden();
    const bool history = historyNotice && !historyNotice->isHidden();
    const bool restore = restoreNotice && !restoreNotice->isHidden();
    window->statusBar()->setVisible(hint || game || history || restore);
}
