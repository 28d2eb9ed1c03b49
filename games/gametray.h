// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class GameProfiles;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The tray icon, where the desktop has a tray: show the window, ask for the
// game profiles dialog, the history or the wheel test, apply a stored
// profile, quit; and a message whenever game profiles go on or come off. While the watch runs, closing the window
// leaves the tool running here (said once); otherwise closing ends it.
class GameTray : public QObject
{
    Q_OBJECT

public:
    GameTray(GameProfiles *profiles, QWidget *window);
    ~GameTray() override;

    // False where the desktop has no tray: then the window is the only way in.
    bool isShown() const { return tray != nullptr; }

signals:
    // The windows these ask for belong to the main window.
    void gameProfilesRequested();
    void historyRequested();
    void wheelTestRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void fillProfileMenu(QMenu *menu, bool effects);
    void showMessage(const QString &message);
    void updateQuitOnClose();
    void showWindow();

    GameProfiles *profiles;
    QPointer<QWidget> window;
    QSystemTrayIcon *tray = nullptr;
    QMenu *menu = nullptr;
    bool toldAboutTray = false;
};
