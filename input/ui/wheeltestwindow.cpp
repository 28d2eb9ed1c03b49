// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/wheeltestwindow.h"

#include "input/forcetest.h"
#include "input/kerneldeadzone.h"
#include "input/motionrangesource.h"
#include "input/wheelinput.h"
#include "input/wheelnodetracker.h"

#include "ui_wheeltestwindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {
const QString kPlugInKey = QStringLiteral("WheelTest/RemoveKernelDeadZoneAtPlugIn");
} // namespace

WheelTestWindow::WheelTestWindow(WheelNodeTracker *nodeTracker, MotionRangeSource *range, QSettings *store,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::WheelTestWindow>()), tracker(nodeTracker),
      motionRange(range), settings(store), wheelInput(new WheelInput(this)), forces(new ForceTester(this))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The angle changes every frame: a fixed size for its widest text keeps
    // each change from laying out the window again.
    const QFontMetrics metrics = ui->angleLabel->fontMetrics();
    ui->angleLabel->setFixedSize(
        std::max(metrics.horizontalAdvance(tr("%1° of ±%2°").arg(-1800.0, 0, 'f', 1).arg(1800.0, 0, 'f', 1)),
                 metrics.horizontalAdvance(tr("— (motion range not known yet)"))) + 8,
        ui->angleLabel->sizeHint().height());
    // One refresh per screen refresh at most, from the newest state.
    const qreal hz = screen() && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60.0;
    frameNs = static_cast<qint64>(1e9 / hz);
    frameTimer.setSingleShot(true);
    frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer, &QTimer::timeout, this, &WheelTestWindow::refreshView);

    connect(wheelInput, &WheelInput::stateChanged, this, &WheelTestWindow::scheduleRefresh);
    connect(wheelInput, &WheelInput::nodeLost, this, [this](const QString &why) {
        forces->setNode(QString());
        showStatus(why);
        refreshView();
    });
    connect(tracker, &WheelNodeTracker::nodeFound, this, &WheelTestWindow::openNode);
    connect(tracker, &WheelNodeTracker::nodeLost, this, &WheelTestWindow::closeNode);
    connect(tracker, &WheelNodeTracker::problemChanged, this, [this](const QString &text) {
        if (!text.isEmpty() || wheelInput->isOpen())
            showStatus(text);
    });
    if (motionRange)
        connect(motionRange, &MotionRangeSource::motionRangeChanged, this, &WheelTestWindow::scheduleRefresh);

    ui->removeAtPlugInCheck->setChecked(tracker->removesDeadZoneAtPlugIn() || removesDeadZoneAtPlugIn(settings));
    tracker->setRemoveDeadZoneAtPlugIn(ui->removeAtPlugInCheck->isChecked());
    connect(ui->removeAtPlugInCheck, &QCheckBox::toggled, this, [this](bool on) {
        tracker->setRemoveDeadZoneAtPlugIn(on);
        if (settings)
            settings->setValue(kPlugInKey, on);
    });
    connect(ui->removeDeadZoneButton, &QPushButton::clicked, this, &WheelTestWindow::removeDeadZone);
    connect(ui->restoreDeadZoneButton, &QPushButton::clicked, this, &WheelTestWindow::restoreDeadZone);

    connect(ui->pushLeftButton, &QPushButton::clicked, this, [this] { playForce(int(ForceTestKind::PushLeft)); });
    connect(ui->pushRightButton, &QPushButton::clicked, this, [this] { playForce(int(ForceTestKind::PushRight)); });
    connect(ui->springButton, &QPushButton::clicked, this, [this] { playForce(int(ForceTestKind::Spring)); });
    connect(ui->stepButton, &QPushButton::clicked, this, [this] { playForce(int(ForceTestKind::Step)); });
    connect(ui->stopButton, &QPushButton::clicked, forces, &ForceTester::stopAll);
    connect(forces, &ForceTester::failed, this, &WheelTestWindow::showStatus);
    ui->strengthSpin->setValue(ForceTestLimits::kDefaultStrengthPercent);
    ui->strengthSpin->setMaximum(ForceTestLimits::kMaxStrengthPercent);

    if (!tracker->node().isEmpty())
        openNode(tracker->node());
    else
        showStatus(tracker->problem().isEmpty() ? tr("No controller is connected.") : tracker->problem());
    refreshView();
}

bool WheelTestWindow::removesDeadZoneAtPlugIn(const QSettings *store)
{
    return store && store->value(kPlugInKey, false).toBool();
}

WheelTestWindow::~WheelTestWindow()
{
    forces->shutdown();
}

ForceTester *WheelTestWindow::forceTester() const
{
    return forces;
}

WheelInput *WheelTestWindow::input() const
{
    return wheelInput;
}

double WheelTestWindow::shownAngle() const
{
    return ui->wheelDrawing->angle();
}

quint64 WheelTestWindow::viewRefreshes() const
{
    return refreshes;
}

void WheelTestWindow::setGameRuleActive(bool active)
{
    forces->setGameRuleActive(active);
    for (QWidget *button : {static_cast<QWidget *>(ui->pushLeftButton), static_cast<QWidget *>(ui->pushRightButton),
                            static_cast<QWidget *>(ui->springButton), static_cast<QWidget *>(ui->stepButton)})
        button->setEnabled(!active);
    // The game's line stands only while the game runs; what it covered comes back.
    const QString gameLine = tr("A game with a rule is running: force tests are off until it ends.");
    if (active && ui->statusLabel->text() != gameLine) {
        statusBeforeGame = ui->statusLabel->text();
        showStatus(gameLine);
    } else if (!active && ui->statusLabel->text() == gameLine) {
        showStatus(statusBeforeGame);
    }
}

void WheelTestWindow::closeEvent(QCloseEvent *event)
{
    // Nothing keeps playing once the window is gone.
    forces->setNode(QString());
    forces->stopAll();
    QWidget::closeEvent(event);
}

void WheelTestWindow::openNode(const QString &node)
{
    if (!wheelInput->open(node)) {
        showStatus(wheelInput->errorString());
        forces->setNode(QString());
        refreshView();
        return;
    }
    forces->setNode(node);
    const WheelState &state = wheelInput->state();
    QString status = tr("%1 at %2").arg(state.name, node);
    if (state.steering < 0)
        status += QLatin1Char('\n') + tr("The node reports no steering axis.");
    else if (state.axes[static_cast<std::size_t>(state.steering)].maximum <=
             state.axes[static_cast<std::size_t>(state.steering)].minimum)
        status += QLatin1Char('\n') + tr("The steering axis reports no range.");
    showStatus(status);
    refreshView();
}

void WheelTestWindow::closeNode()
{
    forces->setNode(QString());
    wheelInput->close();
    showStatus(tr("No controller is connected."));
    refreshView();
}

void WheelTestWindow::scheduleRefresh()
{
    if (frameTimer.isActive())
        return;
    // A change after a quiet frame shows at once; changes within a frame of
    // the last refresh wait for the frame's end and show together.
    const qint64 sinceNs = lastRefresh.isValid() ? lastRefresh.nsecsElapsed() : frameNs;
    if (sinceNs >= frameNs)
        refreshView();
    else
        frameTimer.start(static_cast<int>((frameNs - sinceNs + 999'999) / 1'000'000));
}

namespace {

// Changes a label's text only when it differs: an unchanged label costs
// neither a repaint nor an accessibility event.
void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleDescription(text);
    }
}

} // namespace

void WheelTestWindow::refreshView()
{
    const bool open = wheelInput->isOpen();
    const WheelState &state = wheelInput->state();
    const int range = motionRange ? motionRange->degrees() : 0;
    double angle = std::nan("");
    if (open && state.steering >= 0 && range > 0)
        angle = steeringAngle(state.axes[static_cast<std::size_t>(state.steering)], range);
    lastRefresh.start();
    ui->wheelDrawing->setAngle(angle);
    if (std::isnan(angle))
        ui->angleLabel->setAngleText(range > 0 || !open ? tr("—") : tr("— (motion range not known yet)"));
    else
        ui->angleLabel->setAngleText(tr("%1° of ±%2°").arg(roundedAngle(angle), 0, 'f', 1).arg(range / 2.0, 0, 'f', 1));

    ui->axesView->setAxes(open ? state.axes : std::vector<AxisState>{});
    ui->buttonGrid->setButtons(open ? state.buttonsDown : std::vector<bool>{});
    if (open && (state.hatX >= 0 || state.hatY >= 0)) {
        const int x = state.hatX >= 0 ? state.axes[static_cast<std::size_t>(state.hatX)].value : 0;
        const int y = state.hatY >= 0 ? state.axes[static_cast<std::size_t>(state.hatY)].value : 0;
        setTextIfChanged(ui->hatLabel, tr("Hat: %1").arg(hatText(x, y)));
    } else {
        setTextIfChanged(ui->hatLabel, tr("Hat: none"));
    }
    if (ui->removeDeadZoneButton->isEnabled() != open) {
        ui->removeDeadZoneButton->setEnabled(open);
        ui->restoreDeadZoneButton->setEnabled(open);
    }
    ++refreshes;
    emit viewRefreshed(state.lastEventUs);
}

void WheelTestWindow::showStatus(const QString &text)
{
    ui->statusLabel->setText(text);
}

void WheelTestWindow::removeDeadZone()
{
    QString error;
    if (!KernelDeadZone::remove(*wheelInput, &error))
        showStatus(error);
    else
        showStatus(tr("The kernel's dead zone is removed until the controller is plugged in again."));
    refreshView();
}

void WheelTestWindow::restoreDeadZone()
{
    QString error;
    if (!KernelDeadZone::restore(*wheelInput, &error))
        showStatus(error);
    else
        showStatus(tr("The kernel's values are back."));
    refreshView();
}

void WheelTestWindow::playForce(int kind)
{
    if (!forces->confirmed()) {
        const auto answer = QMessageBox::question(
            this, tr("Wheel test"),
            tr("The wheel will turn by itself. Hold the wheel firmly with both hands, then press OK."),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
        forces->setConfirmed(true);
    }
    forces->play(static_cast<ForceTestKind>(kind), ui->strengthSpin->value());
}
