// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QMainWindow;
class QPushButton;

// What the window's status bar says: the hint that the controller may not be
// opened by this user, and what the game profiles are doing. The status bar
// is created on first need and shows only while it has something to say.
class WindowStatusBar : public QObject
{
    Q_OBJECT

public:
    explicit WindowStatusBar(QMainWindow *window);

    void showDeviceAccessHint(const QString &path);
    void hideDeviceAccessHint();
    // Empty text hides the game line.
    void showGameStatus(const QString &text);
    // A line about the settings history (another firmware than the newest
    // snapshot's, a history that cannot be written) with the History window
    // one click away. Empty text hides it.
    void showHistoryNotice(const QString &text);
    // What became of a restore that an interrupted game or launch wrapper
    // left behind, told once per connection. Empty text hides it.
    void showRestoreNotice(const QString &text);

signals:
    void historyRequested();

private:
    void update();

    QMainWindow *window;
    QLabel *deviceAccessHint = nullptr;
    QLabel *gameStatus = nullptr;
    QLabel *historyNotice = nullptr;
    QPushButton *historyButton = nullptr;
    QLabel *restoreNotice = nullptr;
};
