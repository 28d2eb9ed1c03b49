// SPDX-License-Identifier: GPL-3.0-or-later
// The launch wrapper as a launcher runs it: the real program with the
// simulated controller preloaded applies a profile, runs a command, and puts
// the settings back only once the command and what it left running in its
// session have ended, also when another process stops the wrapper with a
// signal; its exit status is the command's.

#include "settings/settingsrecords.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <memory>

using testsupport::frame;
namespace sim = vellox::sim;

namespace {

const QByteArray CHILD_ENDED = "child ended";

class LaunchWrapperTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void stoppedBySignal_data();
    void stoppedBySignal();
    void commandEnds_data();
    void commandEnds();
    void commandRunsWhenWritesFail();

private:
    std::unique_ptr<QProcess> startWrapper(const QString &script, const QStringList &simulator = {}) const;
    // The simulator's log: each successful write as its frame, and the
    // lines a command appended, in order.
    QList<QByteArray> log() const;

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> runtime;
};

std::unique_ptr<QProcess> LaunchWrapperTest::startWrapper(const QString &script, const QStringList &simulator) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : simulator)
        env.insert(setting, QStringLiteral("1"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELLOX_SIM_PATH));
    env.insert(QStringLiteral("VELLOX_SIM_LOG"), work->filePath(QStringLiteral("sim.log")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    // The command inherits the preload and with it the sanitizer's runtime.
    env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) +
                                                   QStringLiteral(":verify_asan_link_order=0:handle_segv=0"));
    env.insert(QStringLiteral("TSAN_OPTIONS"), env.value(QStringLiteral("TSAN_OPTIONS")) + QStringLiteral(":handle_segv=0"));
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(work->path());
    process->start(QStringLiteral(VELLOX_APP_PATH), {"--profile", "effects:Rally", "--", "sh", "-c", script});
    return process;
}

QList<QByteArray> LaunchWrapperTest::log() const
{
    QList<QByteArray> entries;
    for (const QByteArray &line : testsupport::readFile(work->filePath(QStringLiteral("sim.log"))).split('\n')) {
        const qsizetype data = line.indexOf(" data=");
        if (line.contains(" hid_write ") && line.contains(" result=65 ") && data >= 0)
            entries.append(QByteArray::fromHex(line.mid(data + 6)));
        else if (line == CHILD_ENDED)
            entries.append(line);
    }
    return entries;
}

void LaunchWrapperTest::init()
{
    work = std::make_unique<QTemporaryDir>();
    runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid() && runtime->isValid());
    sim::reset();
    EffectSettingsTypeDef rally;
    std::memcpy(&rally, sim::record(0x22).data(), sizeof rally);
    QCOMPARE(int(rally.motion_range), 900);
    QCOMPARE(int(rally.total_effect_scale), 100);
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QDir(work->path()).mkdir(QStringLiteral("wheel_effects_profiles"));
    testsupport::writeFile(work->filePath(QStringLiteral("wheel_effects_profiles/Rally")),
                           QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally));
}

const QList<QByteArray> APPLIED{frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}), frame({0xA3, 0x14, 0x04, 0x00, 80})};
const QList<QByteArray> PUT_BACK{frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03}), frame({0xA3, 0x14, 0x04, 0x00, 100})};

void LaunchWrapperTest::stoppedBySignal_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    const QString sleeper = QStringLiteral("echo started; exec sleep 60");
    QTest::newRow("TERM") << sleeper << SIGTERM << 128 + SIGTERM;
    QTest::newRow("INT") << sleeper << SIGINT << 128 + SIGINT;
    QTest::newRow("HUP") << sleeper << SIGHUP << 128 + SIGHUP;
    QTest::newRow("QUIT") << sleeper << SIGQUIT << 128 + SIGQUIT;
    // What the command left running gets the signal too.
    QTest::newRow("TERM after the command left a child")
        << QStringLiteral("sleep 60 & echo started; exit 4") << SIGTERM << 4;
    // Ignoring TERM earns a KILL after the grace time, for the command and its child.
    QTest::newRow("TERM ignored") << QStringLiteral("trap '' TERM; sleep 60 & echo started; wait") << SIGTERM
                                  << 128 + SIGKILL;
}

void LaunchWrapperTest::stoppedBySignal()
{
    QFETCH(QString, script);
    QFETCH(int, signal);
    QFETCH(int, status);
    const std::unique_ptr<QProcess> wrapper = startWrapper(script);
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += wrapper->readAllStandardOutput()).contains("started\n"), 30000);
    QCOMPARE(log(), APPLIED);
    QCOMPARE(::kill(pid_t(wrapper->processId()), signal), 0);
    QVERIFY(wrapper->waitForFinished(40000));
    QCOMPARE(wrapper->exitStatus(), QProcess::NormalExit);
    QCOMPARE(wrapper->exitCode(), status);
    QCOMPARE(log(), APPLIED + PUT_BACK);
}

void LaunchWrapperTest::commandEnds_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("childEndsFirst");
    QTest::newRow("exit code") << QStringLiteral("exit 3") << 3 << false;
    // The settings stay until the child the command left behind has ended.
    QTest::newRow("child left running")
        << QStringLiteral("(sleep 2; echo '%1' >> sim.log) & exit 0").arg(QLatin1String(CHILD_ENDED)) << 0 << true;
    QTest::newRow("grandchild left running")
        << QStringLiteral("sh -c '(sleep 2; echo \"%1\" >> sim.log) & exit 0'; exit 7").arg(QLatin1String(CHILD_ENDED))
        << 7 << true;
    // A daemon in a session of its own is not waited for, nor stopped.
    QTest::newRow("daemon") << QStringLiteral("setsid sh -c 'echo $$ > daemon.pid; exec sleep 60' & exit 5") << 5
                            << false;
}

void LaunchWrapperTest::commandEnds()
{
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(bool, childEndsFirst);
    const std::unique_ptr<QProcess> wrapper = startWrapper(script);
    QVERIFY(wrapper->waitForFinished(40000));
    QCOMPARE(wrapper->exitStatus(), QProcess::NormalExit);
    QCOMPARE(wrapper->exitCode(), status);
    QCOMPARE(log(), childEndsFirst ? APPLIED + QList<QByteArray>{CHILD_ENDED} + PUT_BACK : APPLIED + PUT_BACK);

    const QString daemonPidFile = work->filePath(QStringLiteral("daemon.pid"));
    if (QTest::currentDataTag() == QByteArray("daemon")) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(daemonPidFile), 10000);
        QTRY_VERIFY(!testsupport::readFile(daemonPidFile).trimmed().isEmpty());
        const pid_t daemon = pid_t(testsupport::readFile(daemonPidFile).trimmed().toInt());
        QVERIFY(daemon > 0);
        QCOMPARE(::kill(daemon, SIGKILL), 0);
    }
}

void LaunchWrapperTest::commandRunsWhenWritesFail()
{
    // The controller takes none of the writes: the game starts all the same
    // and the writes that did not arrive are named.
    const std::unique_ptr<QProcess> wrapper = startWrapper(QStringLiteral("echo ran; exit 6"), {"VELLOX_SIM_FAIL_WRITES"});
    QVERIFY(wrapper->waitForFinished(40000));
    QCOMPARE(wrapper->exitCode(), 6);
    QCOMPARE(wrapper->readAllStandardOutput(), QByteArray("ran\n"));
    const QByteArray err = wrapper->readAllStandardError();
    QVERIFY2(err.contains("may not have arrived: effects.motion_range, effects.total_effect_scale.\n"), err.constData());
    QVERIFY2(err.contains("running the command with the settings that arrived."), err.constData());
    QCOMPARE(log(), QList<QByteArray>());
}

} // namespace

QTEST_GUILESS_MAIN(LaunchWrapperTest)
#include "test_launchwrapper.moc"
