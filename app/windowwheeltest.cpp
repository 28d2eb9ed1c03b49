// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowwheeltest.h"

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/settingseditorwidget.h"
#include "games/gameprofiles.h"
#include "input/forcetest.h"
#include "input/motionrangesource.h"
#include "input/ui/wheeltestwindow.h"
#include "input/wheelnodetracker.h"

#include <QCoreApplication>

WindowWheelTest::WindowWheelTest(MainWindow *mainWindow)
    : QObject(mainWindow)
    , window(mainWindow)
    , motionRange(new MotionRangeSource(this))
{
    SettingsUiBackgroundThread *worker = window->deviceLinkWorker();
    tracker = new WheelNodeTracker([worker] { return worker->openDevicePath(); }, this);
    // The motion range as read from the controller; the editor's changes
    // are followed once the window opens (the editors are built late).
    connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, motionRange,
            &MotionRangeSource::setEffectSettings);
    connect(worker, &SettingsUiBackgroundThread::deviceConnected, tracker, &WheelNodeTracker::controllerConnected);
    connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, tracker,
            &WheelNodeTracker::controllerDisconnected);
    tracker->setRemoveDeadZoneAtPlugIn(WheelTestWindow::removesDeadZoneAtPlugIn(window->settings()));
    tracker->controllerConnected();

    connect(window, &MainWindow::wheelTestRequested, this, &WindowWheelTest::show);
    GameProfiles *games = window->gameProfiles();
    connect(games, &GameProfiles::statusChanged, this, &WindowWheelTest::updateGameRule);
    connect(games, &GameProfiles::notice, this, &WindowWheelTest::updateGameRule);
    // Quitting ends the event loop before the window and its link end: the
    // effects go first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { delete testWin; });
}

WindowWheelTest::~WindowWheelTest()
{
    delete testWin;
}

WheelTestWindow *WindowWheelTest::testWindow() const
{
    return testWin;
}

void WindowWheelTest::show()
{
    if (!followsEditor) {
        followsEditor = true;
        connect(window->effectsSettingsEditor(), &SettingsEditorWidget::settingUInt16Changed, motionRange,
                &MotionRangeSource::setUInt16Setting);
        if (!tracker->node().isEmpty())
            motionRange->setEffectSettings(window->effectSettings());
    }
    if (!testWin) {
        testWin = new WheelTestWindow(tracker, motionRange, window->settings());
        // Closing ends it, and with it every effect it played; the next
        // request opens a fresh one.
        testWin->setAttribute(Qt::WA_DeleteOnClose);
        testWin->setGameRuleActive(gameRuleActive());
        ForceTester *forces = testWin->forceTester();
        forces->setConfirmed(forcesConfirmed);
        // Confirmed once for the run, not for each window.
        connect(forces, &ForceTester::confirmedChanged, this, [this](bool confirmed) { forcesConfirmed = confirmed; });
    }
    if (testWin->isMinimized())
        testWin->showNormal();
    else
        testWin->show();
    testWin->raise();
    testWin->activateWindow();
}

bool WindowWheelTest::gameRuleActive() const
{
    const GameProfiles *games = window->gameProfiles();
    return !games->appliedGame().isEmpty() || !games->runningGame().isEmpty();
}

void WindowWheelTest::updateGameRule()
{
    if (testWin && testWin->forceTester()->gameRuleActive() != gameRuleActive())
        testWin->setGameRuleActive(gameRuleActive());
}
