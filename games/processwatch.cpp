// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/processwatch.h"

#include <QFile>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The short name is at most 16 bytes; a Windows program's path rarely needs
// more than this, and a huge command line must not cost more.
constexpr qsizetype COMM_READ_LIMIT = 64;
constexpr qsizetype CMDLINE_READ_LIMIT = 4096;
// Enough for the fields up to the parent's id after the longest short name.
constexpr qsizetype STAT_READ_LIMIT = 128;
// The Uid line follows eight short lines, the first of which holds the short
// name (escaped, so at most four bytes a character).
constexpr qsizetype STATUS_READ_LIMIT = 512;
constexpr int CMDLINE_ARGUMENTS_LOOKED_AT = 4;
// Polls during which a new process is read again: it may still exec or rename
// itself (a launcher script, or Wine naming itself after the program).
constexpr quint64 YOUNG_POLLS = 5;
// Every process is read again once in this many polls (once a minute at the
// default interval), so a reused process id cannot keep stale names for long.
constexpr quint64 REFRESH_POLLS = 30;
constexpr int DEFAULT_INTERVAL_MS = 2000;

QByteArray readSmallFile(const QByteArray &path, qsizetype limit)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray content(limit, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd, content.data() + filled, size_t(limit - filled));
        if (got <= 0)
            break;
        filled += got;
    }
    ::close(fd);
    content.truncate(filled);
    return content;
}

QByteArray baseName(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QByteArray executableBaseName(const QByteArray &pidDirectory)
{
    char target[4096];
    const ssize_t length = ::readlink((pidDirectory + "/exe").constData(), target, sizeof target);
    if (length <= 0 || size_t(length) >= sizeof target)
        return {};
    QByteArray path(target, length);
    // A replaced or removed executable stays linked with this suffix.
    static const QByteArray deleted = " (deleted)";
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return baseName(path);
}

// The real user id, the user who started the process, from the text of
// /proc/PID/status; none when there is no whole Uid line to read it from.
std::optional<uid_t> realUserId(const QByteArray &status)
{
    // Only at the start of a line: the short name on the first line may read
    // "Uid:" as well.
    const QByteArray text = '\n' + status;
    const qsizetype line = text.indexOf("\nUid:");
    if (line < 0)
        return std::nullopt;
    qsizetype from = line + 5;
    while (from < text.size() && (text.at(from) == '\t' || text.at(from) == ' '))
        ++from;
    qsizetype to = from;
    while (to < text.size() && text.at(to) >= '0' && text.at(to) <= '9')
        ++to;
    // A number cut short by the read limit is no number.
    if (to == from || to == text.size() || (text.at(to) != '\t' && text.at(to) != '\n'))
        return std::nullopt;
    bool ok = false;
    const uint uid = text.mid(from, to - from).toUInt(&ok);
    return ok ? std::optional<uid_t>(uid) : std::nullopt;
}

bool looksLikeWine(const QByteArray &executable, const QByteArray &comm)
{
    const QByteArray exe = executable.toLower();
    const QByteArray shortName = comm.toLower();
    return exe.contains("wine") || exe.contains("preloader") || shortName.contains("wine")
        || shortName.endsWith(".exe");
}

} // namespace

QString windowsExecutableName(const QByteArray &cmdline)
{
    const QList<QByteArray> arguments = cmdline.split('\0');
    for (qsizetype i = 0; i < arguments.size() && i < CMDLINE_ARGUMENTS_LOOKED_AT; ++i) {
        const QByteArray argument = arguments.at(i);
        const QByteArray lower = argument.toLower();
        // A command line rewritten with blanks instead of NULs: the name ends
        // at ".exe" followed by a blank or the end.
        qsizetype end = -1;
        for (qsizetype at = lower.indexOf(".exe"); at >= 0; at = lower.indexOf(".exe", at + 1)) {
            const qsizetype after = at + 4;
            if (after == lower.size() || lower.at(after) == ' ')
                end = after;
        }
        if (end < 0)
            continue;
        const QByteArray path = argument.left(end);
        const qsizetype separator = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
        const QByteArray name = path.mid(separator + 1);
        if (name.size() > 4)
            return QString::fromUtf8(name);
    }
    return {};
}

ProcFsSource::ProcFsSource(const QString &root)
    : root(QFile::encodeName(root))
{
}

qint64 parentPidFromStat(const QByteArray &stat)
{
    // "pid (comm) state ppid ...": the short name may hold blanks and
    // parentheses, so the fields start after the last ')'.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = stat.mid(close + 1).simplified().split(' ');
    if (fields.size() < 2)
        return 0;
    bool ok = false;
    const qint64 parent = fields.at(1).toLongLong(&ok);
    return ok && parent >= 0 ? parent : 0;
}

RunningProcess ProcFsSource::read(qint64 pid, const QByteArray &pidDirectory) const
{
    // Another user's program is none of this user's games, whatever its name.
    if (realUserId(readSmallFile(pidDirectory + "/status", STATUS_READ_LIMIT)) != ::getuid())
        return {pid, 0, {}};
    QByteArray comm = readSmallFile(pidDirectory + "/comm", COMM_READ_LIMIT);
    if (comm.endsWith('\n'))
        comm.chop(1);
    const QByteArray executable = executableBaseName(pidDirectory);

    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    };
    add(QString::fromUtf8(executable));
    add(QString::fromUtf8(comm));
    if (looksLikeWine(executable, comm))
        add(windowsExecutableName(readSmallFile(pidDirectory + "/cmdline", CMDLINE_READ_LIMIT)));
    if (names.isEmpty())
        return {pid, 0, {}};
    return {pid, parentPidFromStat(readSmallFile(pidDirectory + "/stat", STAT_READ_LIMIT)), names};
}

QList<RunningProcess> ProcFsSource::processes()
{
    ++poll;
    QList<RunningProcess> found;
    DIR *directory = ::opendir(root.constData());
    if (!directory) {
        cache.clear();
        return found;
    }
    QHash<qint64, Cached> current;
    current.reserve(cache.size());
    while (const dirent *entry = ::readdir(directory)) {
        const char *name = entry->d_name;
        if (*name < '1' || *name > '9')
            continue;
        qint64 pid = 0;
        bool digits = true;
        for (const char *c = name; *c; ++c) {
            if (*c < '0' || *c > '9' || pid > (std::numeric_limits<qint64>::max() - 9) / 10) {
                digits = false;
                break;
            }
            pid = pid * 10 + (*c - '0');
        }
        if (!digits)
            continue;
        auto cached = cache.constFind(pid);
        Cached known;
        if (cached != cache.cend()) {
            known = *cached;
            const bool young = poll - known.firstSeen < YOUNG_POLLS;
            if (young || (quint64(pid) + poll) % REFRESH_POLLS == 0)
                known.process = read(pid, root + '/' + name);
        } else {
            known.firstSeen = poll;
            known.process = read(pid, root + '/' + name);
        }
        if (!known.process.names.isEmpty())
            found.append(known.process);
        current.insert(pid, known);
    }
    ::closedir(directory);
    cache.swap(current);
    return found;
}

ProcessWatch::ProcessWatch(std::unique_ptr<ProcessSource> source, QObject *parent)
    : QObject(parent)
    , source(std::move(source))
    , timer(new QTimer(this))
{
    timer->setInterval(DEFAULT_INTERVAL_MS);
    // Coarse: the watch has no need to wake the machine on the dot.
    timer->setTimerType(Qt::CoarseTimer);
    connect(timer, &QTimer::timeout, this, &ProcessWatch::pollNow);
}

ProcessWatch::~ProcessWatch() = default;

void ProcessWatch::setSource(std::unique_ptr<ProcessSource> newSource)
{
    source = std::move(newSource);
}

void ProcessWatch::setInterval(int milliseconds)
{
    timer->setInterval(milliseconds);
}

void ProcessWatch::setActive(bool active)
{
    if (active == timer->isActive())
        return;
    if (active) {
        timer->start();
        pollNow();
    } else {
        timer->stop();
        // Switched off: whatever ran counts as ended, so nothing stays applied.
        const QList<qint64> pids = seen.keys();
        seen.clear();
        for (qint64 pid : pids)
            emit processEnded(pid);
    }
}

bool ProcessWatch::isActive() const
{
    return timer->isActive();
}

QList<RunningProcess> ProcessWatch::lastSeen() const
{
    return seen.values();
}

void ProcessWatch::pollNow()
{
    if (!source)
        return;
    QHash<qint64, RunningProcess> now;
    for (RunningProcess &process : source->processes())
        now.insert(process.pid, std::move(process));

    QList<qint64> ended;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        const auto still = now.constFind(it.key());
        // Names that changed mean the process became another program
        // (exec); a new parent (the old one ended) changes nothing.
        if (still == now.cend() || still->names != it->names)
            ended.append(it.key());
    }
    QList<qint64> started;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto before = seen.constFind(it.key());
        if (before == seen.cend() || before->names != it->names)
            started.append(it.key());
    }
    // Process ids grow with time: ascending order is start order.
    std::sort(ended.begin(), ended.end());
    std::sort(started.begin(), started.end());
    seen.swap(now);
    for (qint64 pid : ended)
        emit processEnded(pid);
    for (qint64 pid : started)
        emit processStarted(seen.value(pid));
}
