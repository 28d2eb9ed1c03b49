// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/forcetest.h"

#include <QCoreApplication>
#include <QThread>

#include <linux/input.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Kernel directions: 0x4000 pulls to the left, 0xC000 to the right.
constexpr uint16_t kLeft = 0x4000;
constexpr uint16_t kRight = 0xC000;
// Margin after an effect's own end before it is erased.
constexpr int kEraseMarginMs = 100;

ff_effect buildEffect(ForceTestKind kind, int strengthPercent)
{
    const int percent = std::clamp(strengthPercent, 0, ForceTestLimits::kMaxStrengthPercent);
    const auto level = static_cast<int16_t>(0x7FFF * percent / 100);
    ff_effect effect{};
    effect.id = -1;
    effect.replay.length = static_cast<uint16_t>(std::min(ForceTestLimits::lengthMs(kind), ForceTestLimits::kMaxLengthMs));
    effect.replay.delay = 0;
    switch (kind) {
    case ForceTestKind::PushLeft:
    case ForceTestKind::PushRight:
    case ForceTestKind::Step:
        effect.type = FF_CONSTANT;
        effect.direction = kind == ForceTestKind::PushRight ? kRight : kLeft;
        effect.u.constant.level = level;
        break;
    case ForceTestKind::Spring:
        effect.type = FF_SPRING;
        effect.direction = kLeft;
        for (ff_condition_effect &axis : effect.u.condition) {
            axis.right_saturation = axis.left_saturation = static_cast<uint16_t>(0xFFFF * percent / 100);
            axis.right_coeff = axis.left_coeff = level;
            axis.deadband = 0;
            axis.center = 0;
        }
        break;
    }
    return effect;
}

} // namespace

int ForceTestLimits::lengthMs(ForceTestKind kind)
{
    switch (kind) {
    case ForceTestKind::PushLeft:
    case ForceTestKind::PushRight:
        return 1500;
    case ForceTestKind::Spring:
        return 3000;
    case ForceTestKind::Step:
        return 200;
    }
    return 0;
}

ForceTestWorker::ForceTestWorker(QObject *parent) : QObject(parent), endTimer(new QTimer(this))
{
    endTimer->setSingleShot(true);
    connect(endTimer, &QTimer::timeout, this, [this] {
        stopAll();
        emit finished();
    });
}

ForceTestWorker::~ForceTestWorker()
{
    closeNode();
}

void ForceTestWorker::setNode(const QString &path)
{
    if (path == node)
        return;
    closeNode();
    node = path;
}

bool ForceTestWorker::openNode()
{
    if (fd >= 0)
        return true;
    if (node.isEmpty()) {
        emit failed(tr("No controller is connected."));
        return false;
    }
    fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        emit failed(explain(errno, "open"));
        return false;
    }
    return true;
}

void ForceTestWorker::closeNode()
{
    stopAll();
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

QString ForceTestWorker::explain(int error, const char *what) const
{
    QString reason;
    switch (error) {
    case EAGAIN:
        reason = tr("the controller is busy; try again in a moment.");
        break;
    case EBUSY:
        reason = tr("another program is using the controller's force feedback.");
        break;
    case ENOSPC:
        reason = tr("the controller has no free effect slot (a game may be holding them).");
        break;
    case ENODEV:
        reason = tr("the controller is gone.");
        break;
    case EACCES:
    case EPERM:
        reason = tr("this user may not use the controller's joystick node.");
        break;
    default:
        reason = QString::fromLocal8Bit(std::strerror(error));
        break;
    }
    if (std::strcmp(what, "open") == 0)
        return tr("The force test cannot open %1: %2").arg(node, reason);
    if (std::strcmp(what, "upload") == 0)
        return tr("The controller did not accept the test force: %1").arg(reason);
    return tr("The test force cannot be played: %1").arg(reason);
}

void ForceTestWorker::play(int kind, int strengthPercent)
{
    // One test at a time: the previous one ends first.
    stopAll();
    if (!openNode())
        return;
    ff_effect effect = buildEffect(static_cast<ForceTestKind>(kind), strengthPercent);
    if (::ioctl(fd, EVIOCSFF, &effect) < 0) {
        const int error = errno;
        emit failed(explain(error, "upload"));
        if (error == ENODEV)
            closeNode();
        return;
    }
    uploaded.push_back(effect.id);
    input_event start{};
    start.type = EV_FF;
    start.code = static_cast<uint16_t>(effect.id);
    start.value = 1;
    if (::write(fd, &start, sizeof start) != static_cast<ssize_t>(sizeof start)) {
        const int error = errno;
        emit failed(explain(error, "play"));
        stopAll();
        return;
    }
    emit started(kind);
    endTimer->start(effect.replay.length + kEraseMarginMs);
}

void ForceTestWorker::stopAll()
{
    endTimer->stop();
    if (fd < 0) {
        uploaded.clear();
        return;
    }
    for (int id : uploaded) {
        input_event stop{};
        stop.type = EV_FF;
        stop.code = static_cast<uint16_t>(id);
        stop.value = 0;
        // Failures here mean the node is gone, which has stopped the effect too.
        (void)!::write(fd, &stop, sizeof stop);
        ::ioctl(fd, EVIOCRMFF, static_cast<unsigned long>(id));
    }
    uploaded.clear();
}

ForceTester::ForceTester(QObject *parent)
    : QObject(parent), thread(new QThread(this)), worker(new ForceTestWorker)
{
    thread->setObjectName(QStringLiteral("force test"));
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &ForceTestWorker::started, this, &ForceTester::started);
    connect(worker, &ForceTestWorker::finished, this, &ForceTester::finished);
    connect(worker, &ForceTestWorker::failed, this, &ForceTester::failed);
    thread->start();
}

ForceTester::~ForceTester()
{
    shutdown();
}

void ForceTester::setNode(const QString &path)
{
    if (path == node)
        return;
    node = path;
    if (worker)
        QMetaObject::invokeMethod(worker, "setNode", Qt::QueuedConnection, Q_ARG(QString, path));
}

void ForceTester::setGameRuleActive(bool active)
{
    gameRunning = active;
    if (active)
        stopAll();
}

bool ForceTester::gameRuleActive() const
{
    return gameRunning;
}

void ForceTester::setConfirmed(bool confirmedByUser)
{
    if (userConfirmed == confirmedByUser)
        return;
    userConfirmed = confirmedByUser;
    emit confirmedChanged(userConfirmed);
}

bool ForceTester::confirmed() const
{
    return userConfirmed;
}

bool ForceTester::play(ForceTestKind kind, int strengthPercent)
{
    if (!worker)
        return false;
    if (gameRunning) {
        emit failed(tr("No force test while a game with a rule runs."));
        return false;
    }
    if (!userConfirmed) {
        emit failed(tr("Confirm that you hold the wheel before the first test force."));
        return false;
    }
    if (node.isEmpty()) {
        emit failed(tr("No controller is connected."));
        return false;
    }
    const int capped = std::clamp(strengthPercent, 0, ForceTestLimits::kMaxStrengthPercent);
    QMetaObject::invokeMethod(worker, "play", Qt::QueuedConnection, Q_ARG(int, static_cast<int>(kind)),
                              Q_ARG(int, capped));
    return true;
}

void ForceTester::stopAll()
{
    if (worker)
        QMetaObject::invokeMethod(worker, "stopAll", Qt::QueuedConnection);
}

void ForceTester::shutdown()
{
    if (!worker)
        return;
    QMetaObject::invokeMethod(worker, "setNode", Qt::BlockingQueuedConnection, Q_ARG(QString, QString()));
    thread->quit();
    thread->wait();
    worker = nullptr;
}
