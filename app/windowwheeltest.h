// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class MotionRangeSource;
class WheelNodeTracker;
class WheelTestWindow;

// The main window's Wheel test window: opened (or raised) on the window's
// wheelTestRequested(), fed the controller's joystick node and motion range
// from the window's device link and editors, and kept from force tests while
// a game with a rule runs. Every test effect is erased when this object ends,
// which the application arranges before the device link ends.
class WindowWheelTest : public QObject
{
    Q_OBJECT

public:
    explicit WindowWheelTest(MainWindow *window);
    ~WindowWheelTest() override;

    // Null while closed.
    WheelTestWindow *testWindow() const;

public slots:
    void show();

private:
    void updateGameRule();
    bool gameRuleActive() const;

    MainWindow *window;
    MotionRangeSource *motionRange;
    WheelNodeTracker *tracker;
    QPointer<WheelTestWindow> testWin;
    bool followsEditor = false;
    // The user confirmed holding the wheel in this run: a window opened
    // again does not ask again.
    bool forcesConfirmed = false;
};
