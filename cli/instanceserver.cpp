// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/instanceserver.h"

#include "cli/commandline.h"
#include "cli/settingstarget.h"
#include "device/appversion.h"
#include "games/gameprofiles.h"
#include "games/settingslayerkeeper.h"
#include "history/restorejournal.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

CommandAnswer errorAnswer(int status, const QString &message)
{
    CommandAnswer answer;
    answer.status = status;
    answer.err = QStringLiteral("vellox-wheel-setup: %1\n").arg(message).toUtf8();
    return answer;
}

// The parent and session from /proc/PID/stat: "pid (comm) state ppid pgrp
// session ...", where only the last ')' ends comm.
std::optional<std::pair<qint64, qint64>> parentAndSession(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stat = file.read(4096);
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (stat.lastIndexOf(')') < 0 || fields.size() < 4)
        return std::nullopt;
    return std::pair(fields.at(1).toLongLong(), fields.at(3).toLongLong());
}

// A wrapper and what it runs now in its session: its command, and what that
// left running to the wrapper, a child subreaper. Not the daemons: the
// wrapper does not wait for them either.
QVector<JournalOwner> wrapperAndChildren(qint64 wrapper)
{
    QVector<JournalOwner> owners;
    const std::optional<quint64> start = processStartTime(wrapper);
    const auto self = parentAndSession(wrapper);
    if (!start || !self)
        return owners;
    owners.append({wrapper, *start});
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        const auto child = number ? parentAndSession(pid) : std::nullopt;
        if (!child || *child != std::pair(wrapper, self->second))
            continue;
        if (const std::optional<quint64> childStart = processStartTime(pid))
            owners.append({pid, *childStart});
    }
    return owners;
}

} // namespace

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent)
    , server(new QLocalServer(this))
    , layerKeeper(new SettingsLayerKeeper(appfiles::stateFolder(), this))
    , wrapperWatch(new QTimer(this))
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &InstanceServer::acceptClients);
    connect(layerKeeper, &SettingsLayerKeeper::journalFailed, this,
            [](const QString &message) { qWarning("vellox-wheel-setup: %s", qPrintable(message)); });
    // A wrapper killed before it could ask for its restore still gets it.
    wrapperWatch->setInterval(WRAPPER_WATCH_MS);
    connect(wrapperWatch, &QTimer::timeout, this, &InstanceServer::endLayersOfGoneWrappers);
    wrapperWatch->start();
}

QString InstanceServer::wrapperLayerName(qint64 pid)
{
    const std::optional<quint64> start = processStartTime(pid);
    return QStringLiteral("wrapper %1 %2").arg(pid).arg(start.value_or(0));
}

void InstanceServer::endLayersOfGoneWrappers()
{
    for (const QString &name : layerKeeper->names()) {
        const QStringList parts = name.split(QLatin1Char(' '));
        if (parts.size() != 3 || parts.first() != QLatin1String("wrapper") || endingLayers.contains(name))
            continue;
        const qint64 pid = parts.at(1).toLongLong();
        if (wrapperLayerName(pid) == name) {
            layerKeeper->setOwners(name, wrapperAndChildren(pid));
            continue;
        }
        // A wrapper killed while its game runs: the game keeps its settings
        // until it ends.
        const QVector<JournalOwner> owners = layerKeeper->owners(name);
        if (std::any_of(owners.cbegin(), owners.cend(), isOwnerRunning))
            continue;
        enqueueEnd(name, pid);
    }
}

void InstanceServer::enqueueEnd(const QString &name, qint64 pid)
{
    endingLayers.insert(name);
    instancemessage::Request restore;
    restore.command.command = QLatin1String(commands::APPLY.name);
    restore.workingDirectory = QDir::rootPath();
    restore.restore = ControllerSettings{};
    restore.wrapperPid = pid;
    restore.wrapperEnded = true;
    queue.enqueue(Pending{restore, [this, name](const CommandAnswer &) { endingLayers.remove(name); }, name});
    if (!running)
        QMetaObject::invokeMethod(this, &InstanceServer::runNext, Qt::QueuedConnection);
}

void InstanceServer::endWhenBack(const QString &name)
{
    // Not tried again every second meanwhile.
    endingLayers.insert(name);
    waitingForController.insert(name);
}

void InstanceServer::endLayersNowBack()
{
    const QSet<QString> names = std::exchange(waitingForController, {});
    for (const QString &name : names) {
        endingLayers.remove(name);
        if (layerKeeper->has(name))
            enqueueEnd(name, name.section(QLatin1Char(' '), 1, 1).toLongLong());
    }
}

void InstanceServer::setTarget(SettingsTarget *settingsTarget)
{
    if (target) {
        disconnect(target, &SettingsTarget::loaded, this, nullptr);
        disconnect(target, &SettingsTarget::left, layerKeeper, nullptr);
    }
    target = settingsTarget;
    if (target) {
        connect(target, &SettingsTarget::loaded, this, &InstanceServer::endLayersNowBack);
        connect(target, &SettingsTarget::left, layerKeeper, &SettingsLayerKeeper::controllerLeft);
    }
}

InstanceServer::~InstanceServer() = default;

QString InstanceServer::socketName()
{
    return QDir(appfiles::runtimeFolder().path).filePath(appfiles::instanceSocketName());
}

QString InstanceServer::placeProblem()
{
    return appfiles::runtimeFolder().problem;
}

namespace {

// The socket lies in a folder only this user can write; still, what is at
// its path is used only when it is this user's and not a link.
bool socketIsOurs(const QString &path)
{
    // One lstat: a socket that vanishes between two looks is not another user's.
    struct stat info {
    };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT;
    return info.st_uid == ::getuid() && !S_ISLNK(info.st_mode);
}

} // namespace

bool InstanceServer::listen()
{
    if (!placeProblem().isEmpty())
        return false;
    const QString name = socketName();
    if (!socketIsOurs(name)) {
        qWarning("vellox-wheel-setup: %s belongs to another user; not using it", qPrintable(name));
        return false;
    }
    // Ask first: with access options set, listen() would put its socket in
    // place of a live instance's.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000))
        return false;
    // Nobody answers: nothing there, or a socket left behind by a crash.
    QLocalServer::removeServer(name);
    return server->listen(name);
}

void InstanceServer::stopListening()
{
    server->close();
}

void InstanceServer::abandon()
{
    stopListening();
    target = nullptr;
    const CommandAnswer gone =
        errorAnswer(exitstatus::FAILED, tr("The running instance ended before it could carry the request out."));
    if (running) {
        // Its target is gone: it must not answer or touch anything anymore.
        Command *command = running;
        running = nullptr;
        disconnect(command, nullptr, this, nullptr);
        delete command;
        if (currentDone)
            currentDone(gone);
    }
    currentDone = nullptr;
    while (!queue.isEmpty())
        queue.dequeue().done(gone);
}

void InstanceServer::acceptClients()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Nothing beyond one request is taken in, however much the client sends.
        socket->setReadBufferSize(CLIENT_BUFFER_SIZE);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readClient(socket); });
        auto *timeout = new QTimer(socket);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, socket, [socket] { socket->abort(); });
        timeout->start(CLIENT_TIMEOUT_MS);
        socket->setProperty("vellox_timeout", QVariant::fromValue<QObject *>(timeout));
    }
}

void InstanceServer::readClient(QLocalSocket *socket)
{
    if (socket->property("vellox_request_read").toBool())
        return;
    const std::optional<qsizetype> size = instancemessage::payloadSize(socket->peek(4));
    if (!size)
        return;
    const auto reply = [socket](const CommandAnswer &answer) {
        socket->write(instancemessage::frame(instancemessage::encodeAnswer(answer)));
        socket->disconnectFromServer();
    };
    if (*size > instancemessage::MAX_MESSAGE_SIZE) {
        socket->setProperty("vellox_request_read", true);
        reply(errorAnswer(exitstatus::BAD_INPUT,
                          tr("Request larger than %1 bytes refused.").arg(instancemessage::MAX_MESSAGE_SIZE)));
        return;
    }
    if (socket->bytesAvailable() < 4 + *size)
        return;
    // A request is complete: whatever follows it stays unread, in the
    // socket's bounded buffer, until the client is answered and let go.
    socket->setProperty("vellox_request_read", true);
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    if (auto *timeout = qobject_cast<QTimer *>(socket->property("vellox_timeout").value<QObject *>()))
        timeout->stop();
    socket->read(4);
    const instancemessage::Decoded decoded = instancemessage::decodeRequest(socket->read(*size));
    if (const auto *other = std::get_if<instancemessage::OtherProtocol>(&decoded)) {
        reply(errorAnswer(exitstatus::FAILED,
                          tr("The running instance (version %1) cannot read a request of protocol %2 from another "
                             "release; quit it and try again.")
                              .arg(versionText(softwareVersion()))
                              .arg(other->protocol)));
        return;
    }
    const auto *request = std::get_if<instancemessage::Request>(&decoded);
    if (!request) {
        reply(errorAnswer(exitstatus::BAD_INPUT, tr("Malformed request refused.")));
        return;
    }
    QPointer<QLocalSocket> guarded(socket);
    enqueue(*request, [this, guarded, reply](const CommandAnswer &answer) {
        if (!guarded)
            return;
        CommandAnswer told = answer;
        if (!noticeForNextClient.isEmpty()) {
            told.err += QStringLiteral("vellox-wheel-setup: %1\n").arg(noticeForNextClient).toUtf8();
            noticeForNextClient.clear();
        }
        reply(told);
    });
}

void InstanceServer::tellNextClient(const QString &message)
{
    noticeForNextClient = message;
}

void InstanceServer::enqueue(const instancemessage::Request &request, std::function<void(const CommandAnswer &)> done)
{
    queue.enqueue(Pending{request, std::move(done), QString()});
    if (!running)
        QMetaObject::invokeMethod(this, &InstanceServer::runNext, Qt::QueuedConnection);
}

void InstanceServer::answerAndGoOn(Pending &pending, const CommandAnswer &answer)
{
    pending.done(answer);
    QMetaObject::invokeMethod(this, &InstanceServer::runNext, Qt::QueuedConnection);
}

void InstanceServer::runNext()
{
    if (running)
        return;
    if (queue.isEmpty()) {
        emit idle();
        return;
    }
    Pending pending = queue.dequeue();
    const CommandRequest &request = pending.request.command;
    // Checked again: the request may come from any process of this user. A
    // layer's end this instance queued itself names no command line.
    const std::optional<QString> problem =
        pending.layerName.isEmpty() ? checkCommandRequest(request) : std::optional<QString>();
    if (problem) {
        answerAndGoOn(pending, errorAnswer(exitstatus::BAD_INPUT, *problem));
        return;
    }
    const CommandKind &kind = *commandKind(request);
    if (!target && (kind.needsController || pending.request.restore) && targetFactory)
        setTarget(targetFactory());
    if (!target && (kind.needsController || pending.request.restore)) {
        answerAndGoOn(pending, errorAnswer(exitstatus::FAILED, tr("The running instance takes no requests.")));
        return;
    }
    if (GameProfiles *games = target ? target->gameProfiles() : nullptr; games && pending.request.wrapperPid > 0)
        games->setHandledByWrapper(pending.request.wrapperPid, !pending.request.wrapperEnded);
    if (pending.request.wrapperEnded && !pending.request.restore) {
        answerAndGoOn(pending, CommandAnswer{});
        return;
    }
    Command *command = pending.request.restore ? createRestoreCommand(*pending.request.restore) : kind.create();
    command->setParent(this);
    running = command;
    currentDone = pending.done;
    connect(command, &Command::finished, this, [this, command](const CommandAnswer &answer) {
        const auto done = std::move(currentDone);
        currentDone = nullptr;
        done(answer);
        running = nullptr;
        command->deleteLater();
        QMetaObject::invokeMethod(this, &InstanceServer::runNext, Qt::QueuedConnection);
    });
    // Only a wrapper's apply and restore are layers; any other change is
    // one made by hand.
    Command::Context context{target, pending.request.workingDirectory, nullptr, QString()};
    if (!pending.layerName.isEmpty())
        context.layerName = pending.layerName;
    else if (pending.request.wrapperPid > 0)
        context.layerName = wrapperLayerName(pending.request.wrapperPid);
    if (!context.layerName.isEmpty())
        context.layers = layerKeeper;
    if (pending.request.wrapperPid > 0 && !pending.request.restore && pending.layerName.isEmpty())
        layerKeeper->setOwners(context.layerName, wrapperAndChildren(pending.request.wrapperPid));
    if (pending.request.restore && !context.layerName.isEmpty()) {
        currentDone = [this, name = context.layerName, done = std::move(currentDone)](const CommandAnswer &answer) {
            if (answer.status != exitstatus::NO_CONTROLLER || !layerKeeper->has(name)) {
                done(answer);
                return;
            }
            CommandAnswer told = answer;
            told.err += QStringLiteral("vellox-wheel-setup: %1\n")
                            .arg(tr("The settings are put back when the controller is connected again."))
                            .toUtf8();
            done(told);
            endWhenBack(name);
        };
    }
    command->start(request, context);
}

bool isInstanceListening()
{
    if (!InstanceServer::placeProblem().isEmpty() || !socketIsOurs(InstanceServer::socketName()))
        return false;
    QLocalSocket probe;
    probe.connectToServer(InstanceServer::socketName());
    return probe.waitForConnected(1000);
}

std::optional<CommandAnswer> askRunningInstance(const instancemessage::Request &request, int timeoutMs,
                                                bool *reached)
{
    if (reached)
        *reached = false;
    if (const QString problem = InstanceServer::placeProblem(); !problem.isEmpty())
        return errorAnswer(exitstatus::FAILED, problem);
    if (!socketIsOurs(InstanceServer::socketName()))
        return errorAnswer(exitstatus::FAILED,
                           QCoreApplication::translate("InstanceServer", "%1 belongs to another user; remove it or set "
                                                                         "XDG_RUNTIME_DIR.")
                               .arg(InstanceServer::socketName()));
    QLocalSocket socket;
    socket.connectToServer(InstanceServer::socketName());
    if (!socket.waitForConnected(1000))
        return std::nullopt;
    socket.write(instancemessage::frame(instancemessage::encodeRequest(request)));
    const QDeadlineTimer deadline(timeoutMs);
    while (socket.bytesToWrite() > 0 && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())));
    QByteArray buffer;
    while (!deadline.hasExpired()) {
        // Read only what is there: once the instance has let go, the socket
        // below a QLocalSocket is closed and a read of it warns on stderr.
        if (socket.bytesAvailable() > 0)
            buffer += socket.readAll();
        if (const std::optional<qsizetype> size = instancemessage::payloadSize(buffer)) {
            if (*size > instancemessage::MAX_MESSAGE_SIZE)
                break;
            if (buffer.size() >= 4 + *size) {
                if (reached)
                    *reached = true;
                return instancemessage::decodeAnswer(buffer.mid(4, *size));
            }
        }
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0) {
            // Let go without a word: it ended before taking the request up.
            if (buffer.isEmpty())
                return std::nullopt;
            break;
        }
        socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return errorAnswer(exitstatus::FAILED,
                       QCoreApplication::translate("InstanceServer", "The running instance did not answer."));
}

InstanceElection::InstanceElection(int timeoutMs)
{
    const appfiles::RuntimeFolder folder = appfiles::runtimeFolder();
    if (!folder.usable()) {
        failure = folder.problem;
        return;
    }
    // flock() is let go of with the process, so a crash leaves no stale
    // lock; unlike QLockFile it writes and syncs nothing.
    const QString path = QDir(folder.path).filePath(appfiles::instanceLockName());
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid()) {
        if (fd >= 0)
            ::close(fd);
        failure = QCoreApplication::translate("InstanceServer", "cannot use the lock file %1.")
                      .arg(QDir::toNativeSeparators(path));
        return;
    }
    // Another start holds the lock only while it chooses; one that stopped
    // there must not hold up every later start.
    const QDeadlineTimer deadline(timeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(fd);
            failure = QCoreApplication::translate("InstanceServer",
                                                  "another start of the program has held %1 for too long; "
                                                  "try again, or end that start.")
                          .arg(QDir::toNativeSeparators(path));
            return;
        }
        QThread::msleep(20);
    }
    lockFd = fd;
}

InstanceElection::~InstanceElection()
{
    if (lockFd >= 0)
        ::close(lockFd);
}
