// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolsbutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

ToolsButton::ToolsButton(QWidget *parent)
    : CornerButton(QCoreApplication::translate("MainWindow", "Tools"), parent)
{
    // The button is part of the main window: its texts share that context.
    setObjectName(QStringLiteral("tools_button"));
    setAccessibleName(QCoreApplication::translate("MainWindow", "Tools"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    addEntry(QCoreApplication::translate("MainWindow", "Game profiles…"), "game_profiles_action",
             &ToolsButton::gameProfilesRequested);
    addEntry(QCoreApplication::translate("MainWindow", "History…"), "history_action", &ToolsButton::historyRequested);
    addEntry(QCoreApplication::translate("MainWindow", "Wheel test…"), "wheel_test_action",
             &ToolsButton::wheelTestRequested);
    // The menu's arrow takes room too: the button sizes to both.
    place();
}

void ToolsButton::addEntry(const QString &text, const char *objectName, void (ToolsButton::*request)())
{
    QAction *action = menu()->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, request);
}
