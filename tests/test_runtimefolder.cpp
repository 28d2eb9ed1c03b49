// SPDX-License-Identifier: GPL-3.0-or-later
// Where the running instance keeps its socket and lock, with another local
// user as the attacker: whatever lies at those paths, the real program never
// waits on a lock it cannot have and never uses a path that is not its own;
// it refuses with a message instead.

#include "cli/instanceserver.h"
#include "settings/appfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

// The user that plays the attacker when the test runs as root.
const passwd *otherUser()
{
    return ::getuid() == 0 ? ::getpwnam("nobody") : nullptr;
}

} // namespace

class RuntimeFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hostileShapesAreNeverUsed_data();
    void hostileShapesAreNeverUsed();
    void aHeldLockEndsInAMessage();

private:
    QProcessEnvironment environment(bool withRuntimeDir) const;
    std::unique_ptr<QProcess> plant(const QString &script, bool asOtherUser) const;

    std::unique_ptr<QTemporaryDir> base;
    QString xdg; // a candidate for $XDG_RUNTIME_DIR, private to start with
    QString tmp; // a shared temporary folder, as /tmp is
    QString work;
};

void RuntimeFolderTest::init()
{
    base = std::make_unique<QTemporaryDir>();
    QVERIFY(base->isValid());
    xdg = base->filePath(QStringLiteral("runtime"));
    tmp = base->filePath(QStringLiteral("tmp"));
    work = base->filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(xdg) && QDir().mkpath(tmp) && QDir().mkpath(work));
    QVERIFY(::chmod(QFile::encodeName(base->path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(xdg).constData(), 0700) == 0);
    QVERIFY(::chmod(QFile::encodeName(tmp).constData(), 01777) == 0);
}

QProcessEnvironment RuntimeFolderTest::environment(bool withRuntimeDir) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    if (withRuntimeDir)
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), xdg);
    env.insert(QStringLiteral("TMPDIR"), tmp);
    env.insert(QStringLiteral("XDG"), xdg);
    env.insert(QStringLiteral("TMP"), tmp);
    env.insert(QStringLiteral("ME"), QString::number(::getuid()));
    if (const passwd *other = otherUser())
        env.insert(QStringLiteral("OTHER"), QString::number(other->pw_uid));
    return env;
}

// Runs a shell script that lays out a shape, as this user or as the other.
std::unique_ptr<QProcess> RuntimeFolderTest::plant(const QString &script, bool asOtherUser) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment(true));
    if (asOtherUser) {
        const uid_t uid = otherUser()->pw_uid;
        const gid_t gid = otherUser()->pw_gid;
        process->setChildProcessModifier([uid, gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(126);
        });
    }
    process->start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    return process;
}

void RuntimeFolderTest::hostileShapesAreNeverUsed_data()
{
    QTest::addColumn<QString>("script");     // lays out the shape ($XDG, $TMP, $ME, $OTHER)
    QTest::addColumn<bool>("asOtherUser");   // the script runs as the other user
    QTest::addColumn<bool>("needsRoot");     // to act as, or give files to, the other user
    QTest::addColumn<bool>("holds");         // the script keeps running (holds a lock) meanwhile
    QTest::addColumn<bool>("runtimeDirSet"); // XDG_RUNTIME_DIR names $XDG
    QTest::addColumn<QString>("folder");     // "xdg", "tmp" or "refused"
    QTest::addColumn<int>("status");         // of `--game-rule list`
    QTest::addColumn<QString>("message");    // in its standard error

    const QString ours = QStringLiteral("$TMP/vellox-wheel-setup-$ME");
    QTest::newRow("private runtime folder") << "" << false << false << false << true << "xdg" << 0 << "";
    QTest::newRow("runtime folder writable by all")
        << "chmod 0777 \"$XDG\"" << false << false << false << true << "tmp" << 0 << "";
    QTest::newRow("runtime folder writable by the group")
        << "chmod 0770 \"$XDG\"" << false << false << false << true << "tmp" << 0 << "";
    QTest::newRow("runtime folder is a link")
        << "mv \"$XDG\" \"$XDG.real\" && ln -s \"$XDG.real\" \"$XDG\"" << false << false << false << true << "tmp"
        << 0 << "";
    QTest::newRow("no runtime folder") << "" << false << false << false << false << "tmp" << 0 << "";
    QTest::newRow("a file where the private folder goes")
        << ": > " + ours << false << false << false << false << "refused" << 1 << "is not a private folder";
    QTest::newRow("own folder open to others")
        << "mkdir -m 0755 " + ours << false << false << false << false << "refused" << 1 << "is not a private folder";
    QTest::newRow("a link where the private folder goes")
        << "mkdir -m 0700 \"$TMP/mine\" && ln -s \"$TMP/mine\" " + ours << false << false << false << false
        << "refused" << 1 << "is not a private folder";
    QTest::newRow("a link at the lock") << "ln -s \"$TMP/elsewhere\" \"$XDG/vellox-wheel-setup-$ME.lock\"" << false
                                        << false << false << true << "xdg" << 1 << "cannot use the lock file";
    QTest::newRow("a link at the socket") << "ln -s \"$TMP/elsewhere\" \"$XDG/vellox-wheel-setup-$ME\"" << false
                                          << false << false << true << "xdg" << 1 << "remove it";
    QTest::newRow("runtime folder of another user")
        << "chown \"$OTHER\" \"$XDG\"" << false << true << false << true << "tmp" << 0 << "";
    QTest::newRow("another user's socket in the runtime folder")
        << ": > \"$XDG/vellox-wheel-setup-$ME\" && chown \"$OTHER\" \"$XDG/vellox-wheel-setup-$ME\"" << false << true
        << false << true << "xdg" << 1 << "belongs to another user";
    QTest::newRow("another user's private folder in its place")
        << "mkdir -m 0700 " + ours << true << true << false << false << "refused" << 1 << "is not a private folder";
    QTest::newRow("another user's open folder in its place")
        << "mkdir -m 0777 " + ours << true << true << false << false << "refused" << 1 << "is not a private folder";
    QTest::newRow("another user's link in its place")
        << "ln -s \"$TMP\" " + ours << true << true << false << false << "refused" << 1 << "is not a private folder";
    QTest::newRow("another user holds the lock in the temporary folder")
        << "exec flock \"$TMP/vellox-wheel-setup-$ME.lock\" cat" << true << true << true << false << "tmp" << 0 << "";
}

void RuntimeFolderTest::hostileShapesAreNeverUsed()
{
    QFETCH(QString, script);
    QFETCH(bool, asOtherUser);
    QFETCH(bool, needsRoot);
    QFETCH(bool, holds);
    QFETCH(bool, runtimeDirSet);
    QFETCH(QString, folder);
    QFETCH(int, status);
    QFETCH(QString, message);
    if (needsRoot && !otherUser())
        QSKIP("needs root and the user nobody to play another user");

    const std::unique_ptr<QProcess> planter = plant(script, asOtherUser);
    QVERIFY(planter->waitForStarted(30000));
    const QString oldLock = tmp + QStringLiteral("/vellox-wheel-setup-%1.lock").arg(::getuid());
    if (holds) {
        const auto otherHoldsLock = [&oldLock] {
            const int fd = ::open(QFile::encodeName(oldLock).constData(), O_RDONLY | O_CLOEXEC);
            const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            if (fd >= 0)
                ::close(fd);
            return held;
        };
        QTRY_VERIFY_WITH_TIMEOUT(otherHoldsLock(), 30000);
    } else {
        QVERIFY(planter->waitForFinished(30000));
        QCOMPARE(planter->exitCode(), 0);
    }

    const appfiles::RuntimeFolder found = appfiles::runtimeFolder(runtimeDirSet ? xdg : QString(), tmp);
    const QString privateTmp = tmp + QStringLiteral("/vellox-wheel-setup-%1").arg(::getuid());
    if (folder == QLatin1String("refused")) {
        QVERIFY(!found.usable());
        QVERIFY2(found.problem.contains(message), qPrintable(found.problem));
    } else {
        QVERIFY2(found.usable(), qPrintable(found.problem));
        QCOMPARE(found.path, folder == QLatin1String("xdg") ? xdg : privateTmp);
        struct stat shape {};
        QVERIFY(::lstat(QFile::encodeName(found.path).constData(), &shape) == 0);
        QVERIFY(S_ISDIR(shape.st_mode) && shape.st_uid == ::getuid() && (shape.st_mode & 077) == 0);
    }

    // The real program: never waits for ever, never uses what is not its own.
    QProcess program;
    program.setProcessEnvironment(environment(runtimeDirSet));
    program.setWorkingDirectory(work);
    program.start(QStringLiteral(VELLOX_APP_PATH), {QStringLiteral("--game-rule"), QStringLiteral("list")});
    QVERIFY(program.waitForFinished(60000));
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, err.constData());
    QVERIFY2(err.contains(message.toUtf8()), err.constData());

    if (holds) {
        planter->closeWriteChannel();
        QVERIFY(planter->waitForFinished(30000));
    }
}

void RuntimeFolderTest::aHeldLockEndsInAMessage()
{
    qputenv("XDG_RUNTIME_DIR", xdg.toLocal8Bit());
    const QString lock = QDir(xdg).filePath(appfiles::instanceLockName());
    const int fd = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
    {
        // Another start of the program stopped while choosing.
        const InstanceElection election(300);
        QVERIFY(!election.held());
        QVERIFY2(election.problem().contains(lock), qPrintable(election.problem()));
    }
    ::close(fd);
    const InstanceElection election(300);
    QVERIFY2(election.held(), qPrintable(election.problem()));
}

QTEST_GUILESS_MAIN(RuntimeFolderTest)
#include "test_runtimefolder.moc"
