// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QThread;

enum class ForceTestKind { PushLeft, PushRight, Spring, Step };

// The limits every test force keeps to.
namespace ForceTestLimits {
constexpr int kDefaultStrengthPercent = 20;
constexpr int kMaxStrengthPercent = 50;
constexpr int kMaxLengthMs = 3000;
// How long each test plays.
int lengthMs(ForceTestKind kind);
} // namespace ForceTestLimits

// Uploads, plays and erases test effects on a joystick node through the
// kernel's force-feedback interface. These are USB transfers that can take
// a while, so the object lives on a thread of its own.
class ForceTestWorker : public QObject
{
    Q_OBJECT

public:
    explicit ForceTestWorker(QObject *parent = nullptr);
    ~ForceTestWorker() override;

public slots:
    // Stops and erases everything on the old node first; empty closes.
    void setNode(const QString &node);
    void play(int kind, int strengthPercent);
    // Stops and erases every effect this worker uploaded.
    void stopAll();

signals:
    void started(int kind);
    void finished();
    void failed(const QString &message);

private:
    bool openNode();
    void closeNode();
    QString explain(int error, const char *what) const;

    QString node;
    int fd = -1;
    std::vector<int> uploaded;
    QTimer *endTimer = nullptr;
};

// The window's side of the force tests: keeps the safety rules and hands the
// work to a ForceTestWorker on its own thread.
class ForceTester : public QObject
{
    Q_OBJECT

public:
    explicit ForceTester(QObject *parent = nullptr);
    // Stops and erases every effect and ends the thread.
    ~ForceTester() override;

    void setNode(const QString &node);
    // While a game with a rule runs, no test plays and running ones stop.
    void setGameRuleActive(bool active);
    bool gameRuleActive() const;
    // The user has confirmed holding the wheel, for this session.
    void setConfirmed(bool confirmed);
    bool confirmed() const;

    // Refuses (with failed()) without a node, without confirmation, or while a
    // game with a rule runs. The strength is capped.
    bool play(ForceTestKind kind, int strengthPercent);
    void stopAll();
    // Waits until the worker has stopped and erased everything and its thread has ended.
    void shutdown();

signals:
    void started(int kind);
    void finished();
    void failed(const QString &message);
    // At once, on the caller's thread.
    void confirmedChanged(bool confirmed);

private:
    QThread *thread = nullptr;
    ForceTestWorker *worker = nullptr;
    QString node;
    bool gameRunning = false;
    bool userConfirmed = false;
};
