// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class GameProfiles;
class GameProfilesDialog;
class GameTray;
class MainWindow;
class QWidget;
class SettingsLayerKeeper;
class WindowStatusBar;

// The window's game profiles: applied through the window, told in its status
// bar and in the tray, and set up in the dialog that the tools button in the
// corner of `corner` or the tray opens. Both also pass on the requests for
// the history and the wheel test as the window's own signals.
class WindowGameProfiles : public QObject
{
    Q_OBJECT

public:
    WindowGameProfiles(MainWindow *window, QWidget *corner, const QString &iniPath, WindowStatusBar *status,
                       SettingsLayerKeeper *layers);

    GameProfiles *profiles() const { return games; }
    bool hasTrayIcon() const;
    void showDialog();

private:
    MainWindow *window;
    GameProfiles *games;
    GameTray *tray;
    QPointer<GameProfilesDialog> dialog;
};
