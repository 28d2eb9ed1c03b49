// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class ForceTester;
class MotionRangeSource;
class QSettings;
class WheelInput;
class WheelNodeTracker;
namespace Ui {
class WheelTestWindow;
}

// The live view of the controller's joystick node, the kernel's dead zone
// and the force tests. It reads the node only; it never touches the
// controller's settings.
class WheelTestWindow : public QWidget
{
    Q_OBJECT

public:
    // The tracker and the motion-range source belong to the caller and
    // outlive the window. settings (may be null) keeps the plug-in choice.
    WheelTestWindow(WheelNodeTracker *tracker, MotionRangeSource *motionRange, QSettings *settings,
                    QWidget *parent = nullptr);
    ~WheelTestWindow() override;

    // Whether the user chose to have the kernel's dead zone removed at every
    // plug-in; it holds from the tool's start, window open or not.
    static bool removesDeadZoneAtPlugIn(const QSettings *settings);

    ForceTester *forceTester() const;
    WheelInput *input() const;
    // The angle shown now, in degrees (NaN when unknown).
    double shownAngle() const;
    // Paints of the view so far, for the figures.
    quint64 viewRefreshes() const;

public slots:
    // A game with a rule started or ended: no force tests meanwhile.
    void setGameRuleActive(bool active);

signals:
    // After the view has taken on a new state; the time stamp of the newest
    // event it shows (microseconds, the node's clock).
    void viewRefreshed(qint64 eventUs);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openNode(const QString &node);
    void closeNode();
    void scheduleRefresh();
    void refreshView();
    void showStatus(const QString &text);
    void removeDeadZone();
    void restoreDeadZone();
    void playForce(int kind);

    std::unique_ptr<Ui::WheelTestWindow> ui;
    WheelNodeTracker *tracker;
    QPointer<MotionRangeSource> motionRange;
    QSettings *settings;
    WheelInput *wheelInput;
    ForceTester *forces;
    QTimer frameTimer;
    QElapsedTimer lastRefresh;
    qint64 frameNs = 16'666'667;
    quint64 refreshes = 0;
    QString statusBeforeGame;
};
