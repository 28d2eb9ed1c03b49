// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class HistoryWindow;
class MainWindow;
class SettingsUndo;
class SnapshotRecorder;
class WindowSettingsTarget;

// The settings history and undo in the main window: snapshots when the
// controller connects and before each apply (a profile pick, a game, a
// command, a restore, Save and reboot, Switch to DFU mode); the History
// window from the tools button, the tray or the status bar's notice of a new
// firmware; Ctrl+Z / Ctrl+Shift+Z for the user's own changes, cleared when
// the controller leaves. Applies from outside (games, commands, restores)
// are no undo steps. At each connection, in this order: the snapshot of what
// the controller holds, the restore a dead game or wrapper left in its
// journal (told in the status bar), then the game profiles.
class WindowHistory : public QObject
{
    Q_OBJECT

public:
    WindowHistory(MainWindow *window, WindowSettingsTarget *target, QObject *parent = nullptr);
    ~WindowHistory() override;

    SnapshotRecorder *recorder() const { return history; }
    // Null until the controller's settings have first loaded (the editors
    // are built by then).
    SettingsUndo *undo() const { return settingsUndo; }
    HistoryWindow *historyWindow() const;
    void showHistory();

private:
    void controllerLoaded();
    void controllerLeft();
    void installUndo();
    // Completes the restore an instance that died left in its journal, then
    // lets the game profiles apply.
    void completeJournal();
    void snapshotBefore(const QString &reason);
    void beginOutsideChange();
    void endOutsideChange();

    MainWindow *window;
    WindowSettingsTarget *target;
    SnapshotRecorder *history;
    SettingsUndo *settingsUndo = nullptr;
    QPointer<HistoryWindow> historyView;
    bool connected = false;
    // Counts connections, so that an answer for one that has ended is not
    // acted on.
    quint64 connection = 0;
};
