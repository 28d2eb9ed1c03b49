// SPDX-License-Identifier: GPL-3.0-or-later
// The launch wrapper as a launcher runs it: the real program with the
// simulated controller preloaded applies a profile, runs a command, and puts
// the settings back only once the command and what it left running in its
// session have ended, also when another process stops the wrapper with a
// signal; its exit status is the command's.

#include "cli/instancemessage.h"
#include "history/restorejournal.h"
#include "settings/settingsrecords.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <unistd.h>

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
    void stoppedWhileApplying_data();
    void stoppedWhileApplying();
    void commandEnds_data();
    void commandEnds();
    void commandRunsWhenWritesFail();
    void commandRunsWhenInstanceRefuses();
    void overlappingWrappers_data();
    void overlappingWrappers();
    void killedInstanceCompletedOnce();
    void killedWrapperGameKeepsSettings();
    void journalLeftAlone_data();
    void journalLeftAlone();

private:
    std::unique_ptr<QProcess> startWrapper(const QString &script, const QStringList &simulator = {}) const;
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QByteArray &effects = {}) const;
    // Runs the program to its end; its exit code.
    int run(const QStringList &arguments, QByteArray *err = nullptr, QByteArray *out = nullptr,
            const QByteArray &effects = {}) const;
    QStringList journals() const { return listJournals(state->filePath(QStringLiteral("vellox-wheel-setup"))); }
    // A command that runs until the test creates the file `name`.
    static QString waitFor(const QString &name)
    {
        return QStringLiteral("echo started; while [ ! -e %1 ]; do sleep 0.05; done").arg(name);
    }
    // The simulator's log: each successful write as its frame, and the
    // lines a command appended, in order.
    QList<QByteArray> log() const;

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> runtime;
    std::unique_ptr<QTemporaryDir> state;
    QByteArray rallyRecord;
};

std::unique_ptr<QProcess> LaunchWrapperTest::startWrapper(const QString &script, const QStringList &simulator) const
{
    std::unique_ptr<QProcess> process = start({}, {});
    QProcessEnvironment env = process->processEnvironment();
    for (const QString &setting : simulator)
        env.insert(setting, QStringLiteral("1"));
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(VELLOX_APP_PATH), {"--profile", "effects:Rally", "--", "sh", "-c", script});
    return process;
}

// With no arguments the process is only set up, not started.
std::unique_ptr<QProcess> LaunchWrapperTest::start(const QStringList &arguments, const QByteArray &effects) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELLOX_SIM_PATH));
    env.insert(QStringLiteral("VELLOX_SIM_LOG"), work->filePath(QStringLiteral("sim.log")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), state->path());
    if (!effects.isEmpty())
        env.insert(QStringLiteral("VELLOX_SIM_EFFECTS"), QString::fromLatin1(effects.toHex()));
    // The command inherits the preload and with it the sanitizer's runtime.
    env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) +
                                                   QStringLiteral(":verify_asan_link_order=0:handle_segv=0"));
    env.insert(QStringLiteral("TSAN_OPTIONS"), env.value(QStringLiteral("TSAN_OPTIONS")) + QStringLiteral(":handle_segv=0"));
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(work->path());
    if (!arguments.isEmpty())
        process->start(QStringLiteral(VELLOX_APP_PATH), arguments);
    return process;
}

int LaunchWrapperTest::run(const QStringList &arguments, QByteArray *err, QByteArray *out,
                           const QByteArray &effects) const
{
    const std::unique_ptr<QProcess> process = start(arguments, effects);
    if (!process->waitForFinished(40000))
        return -1;
    if (err)
        *err = process->readAllStandardError();
    if (out)
        *out = process->readAllStandardOutput();
    return process->exitCode();
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
    state = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid() && runtime->isValid() && state->isValid());
    sim::reset();
    EffectSettingsTypeDef rally;
    std::memcpy(&rally, sim::record(0x22).data(), sizeof rally);
    QCOMPARE(int(rally.motion_range), 900);
    QCOMPARE(int(rally.total_effect_scale), 100);
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QDir(work->path()).mkdir(QStringLiteral("wheel_effects_profiles"));
    rallyRecord = QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally);
    testsupport::writeFile(work->filePath(QStringLiteral("wheel_effects_profiles/Rally")), rallyRecord);
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

void LaunchWrapperTest::stoppedWhileApplying_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("TERM") << SIGTERM;
    QTest::newRow("HUP") << SIGHUP;
}

// A stop that comes while the instance waits for the controller to apply:
// the command never starts, the settings still go on and come back off, and
// the status is the one a command ended by that signal gives.
void LaunchWrapperTest::stoppedWhileApplying()
{
    QFETCH(int, signal);
    const std::unique_ptr<QProcess> wrapper = start({}, {});
    QProcessEnvironment env = wrapper->processEnvironment();
    env.insert(QStringLiteral("VELLOX_SIM_PLUG_AFTER_MS"), QStringLiteral("4000"));
    wrapper->setProcessEnvironment(env);
    wrapper->start(QStringLiteral(VELLOX_APP_PATH),
                   {"--wait", "30", "--profile", "effects:Rally", "--", "sh", "-c", "echo started"});
    // The instance the wrapper started looks at the bus: the wrapper is
    // waiting for its answer.
    QTRY_VERIFY_WITH_TIMEOUT(!testsupport::readFile(work->filePath(QStringLiteral("sim.log"))).isEmpty(), 30000);
    QCOMPARE(log(), QList<QByteArray>());
    QCOMPARE(::kill(pid_t(wrapper->processId()), signal), 0);
    QVERIFY(wrapper->waitForFinished(40000));
    QCOMPARE(wrapper->exitStatus(), QProcess::NormalExit);
    QCOMPARE(wrapper->exitCode(), 128 + signal);
    QCOMPARE(wrapper->readAllStandardOutput(), QByteArray());
    QVERIFY(wrapper->readAllStandardError().contains("sh was not started"));
    QCOMPARE(log(), APPLIED + PUT_BACK);
    QCOMPARE(journals(), QStringList());
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

    // Without a place for the journal the game runs all the same, and the
    // user hears of it once.
    QVERIFY(QDir(state->filePath(QStringLiteral("vellox-wheel-setup"))).removeRecursively());
    testsupport::writeFile(state->filePath(QStringLiteral("vellox-wheel-setup")), "");
    const std::unique_ptr<QProcess> unsafe = startWrapper(QStringLiteral("exit 6"));
    QVERIFY(unsafe->waitForFinished(40000));
    QCOMPARE(unsafe->exitCode(), 6);
    QCOMPARE(unsafe->readAllStandardError().count("The restore journal cannot be written"), 1);
}

// An instance of another release refuses the apply: the game starts all the
// same, and the status is its own.
void LaunchWrapperTest::commandRunsWhenInstanceRefuses()
{
    QLocalServer other;
    QVERIFY(other.listen(runtime->filePath(QStringLiteral("vellox-wheel-setup-%1").arg(::getuid()))));
    connect(&other, &QLocalServer::newConnection, &other, [&other] {
        QLocalSocket *client = other.nextPendingConnection();
        connect(client, &QLocalSocket::readyRead, client, [client] {
            client->readAll();
            CommandAnswer refused;
            refused.status = exitstatus::FAILED;
            refused.err = "vellox-wheel-setup: cannot read a request of protocol 2\n";
            client->write(instancemessage::frame(instancemessage::encodeAnswer(refused)));
            client->disconnectFromServer();
        });
    });
    const std::unique_ptr<QProcess> wrapper = startWrapper(QStringLiteral("echo ran; exit 6"));
    QTRY_COMPARE_WITH_TIMEOUT(wrapper->state(), QProcess::NotRunning, 40000);
    QCOMPARE(wrapper->exitCode(), 6);
    QCOMPARE(wrapper->readAllStandardOutput(), QByteArray("ran\n"));
    QVERIFY(wrapper->readAllStandardError().contains("no settings were applied or will be put back."));
    QCOMPARE(log(), QList<QByteArray>());
}

// Wrapper A applies Rally (range 540, scale 80), wrapper B then sets the
// range to 720 on top. Whichever ends first exits at once and leaves the
// other's settings on; after the last, the settings from before are back.
// A change made meanwhile by another command stays as it was made.
void LaunchWrapperTest::overlappingWrappers_data()
{
    QTest::addColumn<bool>("aEndsFirst");
    QTest::addColumn<bool>("handChange");
    QTest::addColumn<QList<QByteArray>>("afterFirstEnd");
    QTest::addColumn<QList<QByteArray>>("afterLastEnd");
    const QByteArray range540 = frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02});
    const QByteArray range900 = frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03});
    const QByteArray scale100 = frame({0xA3, 0x14, 0x04, 0x00, 100});
    QTest::newRow("A ends first") << true << false << QList<QByteArray>{scale100} << QList<QByteArray>{range900};
    QTest::newRow("B ends first") << false << false << QList<QByteArray>{range540}
                                  << QList<QByteArray>{range900, scale100};
    // The scale set to 90 by hand stays, through both ends.
    QTest::newRow("hand change kept") << true << true << QList<QByteArray>{} << QList<QByteArray>{range900};
}

void LaunchWrapperTest::overlappingWrappers()
{
    QFETCH(bool, aEndsFirst);
    QFETCH(bool, handChange);
    QFETCH(QList<QByteArray>, afterFirstEnd);
    QFETCH(QList<QByteArray>, afterLastEnd);
    const QByteArray range720 = frame({0xA3, 0x14, 0x05, 0x00, 0xD0, 0x02});
    const QByteArray scale90 = frame({0xA3, 0x14, 0x04, 0x00, 90});

    const std::unique_ptr<QProcess> a = startWrapper(waitFor(QStringLiteral("endA")));
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += a->readAllStandardOutput()).contains("started\n"), 30000);
    const std::unique_ptr<QProcess> b =
        start({"--set", "effects.motion_range=720", "--", "sh", "-c", waitFor(QStringLiteral("endB"))});
    out.clear();
    QTRY_VERIFY_WITH_TIMEOUT((out += b->readAllStandardOutput()).contains("started\n"), 30000);
    QList<QByteArray> expected = APPLIED + QList<QByteArray>{range720};
    if (handChange) {
        QCOMPARE(run({"--set", "effects.total_effect_scale=90"}), 0);
        expected.append(scale90);
    }
    QCOMPARE(log(), expected);
    QCOMPARE(journals().size(), 1);

    QProcess &first = aEndsFirst ? *a : *b;
    QProcess &second = aEndsFirst ? *b : *a;
    testsupport::writeFile(work->filePath(aEndsFirst ? QStringLiteral("endA") : QStringLiteral("endB")), "");
    QVERIFY(first.waitForFinished(40000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.state(), QProcess::Running);
    QCOMPARE(log(), expected + afterFirstEnd);
    testsupport::writeFile(work->filePath(aEndsFirst ? QStringLiteral("endB") : QStringLiteral("endA")), "");
    QVERIFY(second.waitForFinished(40000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(log(), expected + afterFirstEnd + afterLastEnd);
    QTRY_COMPARE(journals(), QStringList());
}

// The instance dies with the settings applied: the next start that opens the
// controller puts them back before its own work, says so once, and the
// journal is gone.
void LaunchWrapperTest::killedInstanceCompletedOnce()
{
    const std::unique_ptr<QProcess> wrapper = startWrapper(waitFor(QStringLiteral("end")));
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += wrapper->readAllStandardOutput()).contains("started\n"), 30000);
    QCOMPARE(log(), APPLIED);
    const QStringList written = journals();
    QCOMPARE(written.size(), 1);
    const auto journal = readJournal(written.first());
    QVERIFY(std::holds_alternative<RestoreJournal>(journal));
    const qint64 instance = std::get<RestoreJournal>(journal).owners.value(0).pid;
    QVERIFY(instance > 0 && instance != wrapper->processId());
    QCOMPARE(::kill(pid_t(instance), SIGKILL), 0);
    QTRY_VERIFY(!isOwnerRunning(std::get<RestoreJournal>(journal).owners.value(0)));
    // Not while the wrapper and its command still run.
    QByteArray err;
    QCOMPARE(run({"--show"}, &err, &out, rallyRecord), 0);
    QCOMPARE(err.count("put back"), 0);
    QCOMPARE(journals(), written);
    testsupport::writeFile(work->filePath(QStringLiteral("end")), "");
    QVERIFY(wrapper->waitForFinished(40000));
    QCOMPARE(log(), APPLIED);

    // The controller still holds Rally.
    QCOMPARE(run({"--show"}, &err, &out, rallyRecord), 0);
    QCOMPARE(err.count("were put back"), 1);
    QVERIFY2(out.contains("effects.motion_range = 900\n") && out.contains("effects.total_effect_scale = 100\n"),
             out.constData());
    QCOMPARE(log(), APPLIED + PUT_BACK);
    QCOMPARE(journals(), QStringList());
    QCOMPARE(run({"--show"}, &err, &out, rallyRecord), 0);
    QCOMPARE(err.count("put back"), 0);
    QCOMPARE(log(), APPLIED + PUT_BACK);
}

// A launcher kills the wrapper with its game running: the game keeps its
// settings until it ends, then the instance puts them back.
void LaunchWrapperTest::killedWrapperGameKeepsSettings()
{
    const std::unique_ptr<QProcess> wrapper =
        startWrapper(QStringLiteral("echo started; sleep 3; echo '%1' >> sim.log").arg(QLatin1String(CHILD_ENDED)));
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += wrapper->readAllStandardOutput()).contains("started\n"), 30000);
    // Once the instance has seen the command, the journal names it beside
    // the instance and the wrapper.
    const auto owners = [this] {
        const QStringList paths = journals();
        const auto journal = paths.size() == 1 ? readJournal(paths.first()) : QString();
        const auto *read = std::get_if<RestoreJournal>(&journal);
        return read ? int(read->owners.size()) : 0;
    };
    QTRY_COMPARE_WITH_TIMEOUT(owners(), 3, 10000);
    wrapper->kill();
    QVERIFY(wrapper->waitForFinished(40000));
    QTRY_COMPARE_WITH_TIMEOUT(log(), APPLIED + QList<QByteArray>{CHILD_ENDED} + PUT_BACK, 30000);
    QTRY_COMPARE(journals(), QStringList());
}

// Journals a later start must not apply: they stay for the History window.
void LaunchWrapperTest::journalLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    ControllerSettings before;
    std::memcpy(&before.effects, sim::record(0x22).data(), sizeof before.effects);
    ControllerSettings applied = before;
    applied.effects.motion_range = 540;
    const JournalOwner gone{0x7ffffff0, 1};
    RestoreJournal journal = makeJournal(before, applied, QStringLiteral("045B:59D7"), QStringLiteral("1.24.1.4"), {gone});
    QVERIFY(!journal.fields.isEmpty());
    RestoreJournal otherBoot = journal;
    otherBoot.bootId = QStringLiteral("00000000-0000-0000-0000-000000000000");
    QTest::newRow("other boot") << formatJournal(otherBoot);
    // The range was 720 before and 540 applied; the controller holds 900.
    ControllerSettings other = before;
    other.effects.motion_range = 720;
    QTest::newRow("fields changed since")
        << formatJournal(makeJournal(other, applied, journal.controller, journal.firmwareVersionText, {gone}));
    RestoreJournal otherController = journal;
    otherController.controller = QStringLiteral("1234:5678");
    QTest::newRow("other controller") << formatJournal(otherController);
    QTest::newRow("damaged") << QByteArray("{\"format\": 1, \"fields\": [");
    QTest::newRow("binary") << QByteArray("\x00\xff\x7f", 3);
}

void LaunchWrapperTest::journalLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QDir(state->path()).mkpath(QStringLiteral("vellox-wheel-setup"));
    QFile::setPermissions(state->filePath(QStringLiteral("vellox-wheel-setup")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString path = journalPath(state->filePath(QStringLiteral("vellox-wheel-setup")), 0x7ffffff0);
    testsupport::writeFile(path, bytes);
    QByteArray err;
    QByteArray out;
    QCOMPARE(run({"--show"}, &err, &out), 0);
    QVERIFY2(out.contains("effects.motion_range = 900\n"), out.constData());
    QCOMPARE(err.count("put back"), 0);
    QCOMPARE(log(), QList<QByteArray>());
    QCOMPARE(testsupport::readFile(path), bytes);
}

} // namespace

QTEST_GUILESS_MAIN(LaunchWrapperTest)
#include "test_launchwrapper.moc"
