// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gametray.h"

#include "games/gameprofiles.h"
#include "settings/appfiles.h"
#include "settings/profilestore.h"
#include "settings/settingsrecords.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWidget>

GameTray::GameTray(GameProfiles *profiles, QWidget *window)
    : QObject(profiles)
    , profiles(profiles)
    , window(window)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray = new QSystemTrayIcon(this);
    QIcon icon = QIcon::fromTheme(QStringLiteral("com.vellox.WheelSetup"));
    if (icon.isNull())
        icon = window->windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    tray->setIcon(icon);
    tray->setToolTip(tr("Vellox Wheel Setup"));
    buildMenu();
    connect(tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            showWindow();
    });
    connect(profiles, &GameProfiles::notice, this, &GameTray::showMessage);
    connect(profiles, &GameProfiles::watchEnabledChanged, this, &GameTray::updateQuitOnClose);
    window->installEventFilter(this);
    updateQuitOnClose();
    tray->show();
}

GameTray::~GameTray()
{
    delete menu;
}

void GameTray::buildMenu()
{
    menu = new QMenu();
    menu->addAction(tr("Show the window"), this, &GameTray::showWindow);
    menu->addAction(tr("Game profiles…"), this, &GameTray::gameProfilesRequested);
    menu->addAction(tr("History…"), this, &GameTray::historyRequested);
    menu->addAction(tr("Wheel test…"), this, &GameTray::wheelTestRequested);
    QMenu *apply = menu->addMenu(tr("Apply a stored profile"));
    QMenu *effects = apply->addMenu(tr("Effects"));
    QMenu *periphery = apply->addMenu(tr("Periphery"));
    // The folders may change while the tool runs: list them when opened.
    connect(effects, &QMenu::aboutToShow, this, [this, effects] { fillProfileMenu(effects, true); });
    connect(periphery, &QMenu::aboutToShow, this, [this, periphery] { fillProfileMenu(periphery, false); });
    menu->addSeparator();
    menu->addAction(tr("Quit"), qApp, &QCoreApplication::quit);
    tray->setContextMenu(menu);
}

void GameTray::fillProfileMenu(QMenu *submenu, bool effects)
{
    submenu->clear();
    const QStringList names = effects
        ? ProfileStore(appfiles::effectsProfilesFolder(), qsizetype(sizeof(EffectSettingsTypeDef))).names()
        : ProfileStore(appfiles::peripheryProfilesFolder(),
                       qsizetype(sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef)))
              .names();
    if (names.isEmpty())
        submenu->addAction(tr("(no stored profiles)"))->setEnabled(false);
    for (const QString &name : names) {
        // Plain text: an '&' in a file name is not a shortcut.
        QAction *action = submenu->addAction(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        connect(action, &QAction::triggered, this, [this, name, effects] {
            if (effects)
                profiles->applyEffectsProfile(name);
            else
                profiles->applyPeripheryProfile(name);
        });
    }
}

void GameTray::showMessage(const QString &message)
{
    if (tray)
        tray->showMessage(tr("Vellox Wheel Setup"), message, QSystemTrayIcon::Information);
}

void GameTray::updateQuitOnClose()
{
    QApplication::setQuitOnLastWindowClosed(!(tray && profiles->watch().isActive()));
}

void GameTray::showWindow()
{
    if (!window)
        return;
    window->show();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

bool GameTray::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && event->type() == QEvent::Close && tray && profiles->watch().isActive()
        && !toldAboutTray) {
        toldAboutTray = true;
        showMessage(tr("Vellox Wheel Setup keeps running in the tray to switch game profiles. "
                       "Choose Quit in its menu to end it."));
    }
    return QObject::eventFilter(watched, event);
}
