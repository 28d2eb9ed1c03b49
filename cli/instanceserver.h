// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"
#include "cli/instancemessage.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QTimer;
class SettingsLayerKeeper;
class SettingsTarget;

// The per-user local socket of the running instance. Later starts hand their
// requests to it; they are carried out one after another on the instance's
// settings target, each one's writes together, and each is answered with
// what the command would have printed and its exit status.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    // Clients that send nothing complete for this long are dropped.
    static constexpr int CLIENT_TIMEOUT_MS = 10000;
    // What one client may have buffered here: one request of the largest
    // size. Whatever it sends after its request is never read.
    static constexpr qint64 CLIENT_BUFFER_SIZE = 4 + instancemessage::MAX_MESSAGE_SIZE;

    explicit InstanceServer(QObject *parent = nullptr);
    ~InstanceServer() override;

    // The socket's path, in appfiles::runtimeFolder(); named after the user id.
    static QString socketName();
    // Why no private folder for the socket and the lock could be had; empty
    // when there is one. Without it this process can neither reach nor become
    // the running instance.
    static QString placeProblem();

    // Listens unless another instance answers; a socket left by a crashed
    // instance is taken over. False when another instance is running.
    bool listen();
    void setTarget(SettingsTarget *settingsTarget);
    // Makes the target when the first request that needs the controller
    // comes, for an instance without a window whose own command needs none.
    void setTargetFactory(std::function<SettingsTarget *()> factory) { targetFactory = std::move(factory); }
    // The target is going away: the request under way and every queued one
    // are answered with an error, and no new clients are taken.
    void abandon();

    // Queues a request of this process itself (the command it was started
    // with); `done` gets the answer.
    void enqueue(const instancemessage::Request &request, std::function<void(const CommandAnswer &)> done);
    // Stops taking new clients; queued requests are still carried out.
    void stopListening();
    // Something the next client answered is to hear (once), for what this
    // process learns between requests and has no terminal of its own to say.
    void tellNextClient(const QString &message);
    bool isIdle() const { return !running && queue.isEmpty(); }
    // The layers of the launch wrappers whose games run now.
    SettingsLayerKeeper *layers() const { return layerKeeper; }
    // A wrapper's layer, named so that a later process with its id is another.
    static QString wrapperLayerName(qint64 pid);

signals:
    // Every queued request has been answered.
    void idle();

private:
    struct Pending {
        instancemessage::Request request;
        std::function<void(const CommandAnswer &)> done;
        // Set when this instance ends a gone wrapper's layer itself.
        QString layerName;
    };

    void acceptClients();
    void readClient(QLocalSocket *socket);
    void runNext();
    void answerAndGoOn(Pending &pending, const CommandAnswer &answer);

    // Ends the layer of every wrapper that has gone without asking to.
    void endLayersOfGoneWrappers();
    void enqueueEnd(const QString &layerName, qint64 wrapperPid);
    // A layer's end found no controller: it is carried out once the
    // controller is back and its settings have been read.
    void endWhenBack(const QString &layerName);
    void endLayersNowBack();

    static constexpr int WRAPPER_WATCH_MS = 1000;

    QLocalServer *server;
    SettingsLayerKeeper *layerKeeper;
    QString noticeForNextClient;
    QTimer *wrapperWatch;
    QSet<QString> endingLayers;
    QSet<QString> waitingForController;
    SettingsTarget *target = nullptr;
    std::function<SettingsTarget *()> targetFactory;
    QQueue<Pending> queue;
    QPointer<Command> running;
    std::function<void(const CommandAnswer &)> currentDone;
};

// Whether an instance answers on the socket.
bool isInstanceListening();

// Hands a request to the running instance and waits for its answer. Nothing
// when no instance listens, or when it went away without taking the request
// up. `reached` tells whether the answer is the instance's own (not an error
// met on the way).
std::optional<CommandAnswer> askRunningInstance(const instancemessage::Request &request, int timeoutMs,
                                                bool *reached = nullptr);

// Serializes the choice of which process becomes the running instance, so two
// starts at the same moment do not both listen.
// The lock lies in appfiles::runtimeFolder(); waiting for it ends after
// timeoutMs.
class InstanceElection
{
public:
    static constexpr int TIMEOUT_MS = 15000;

    explicit InstanceElection(int timeoutMs = TIMEOUT_MS);
    ~InstanceElection();
    InstanceElection(const InstanceElection &) = delete;
    InstanceElection &operator=(const InstanceElection &) = delete;

    bool held() const { return lockFd >= 0; }
    // Why the lock could not be had (a sentence for the user); empty when held.
    QString problem() const { return failure; }

private:
    int lockFd = -1;
    QString failure;
};
