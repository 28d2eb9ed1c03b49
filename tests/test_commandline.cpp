// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a user runs it: the real program with the simulated
// controller preloaded, its exit status, and the frames on the wire. Bad
// input sends nothing; the wrapper puts settings back after a crashing
// command; a running instance answers many commands at once, each one's
// frames together, and refuses malformed or oversized requests, requests of
// another protocol, and what a client sends after its request.

#include "cli/commandline.h"
#include "cli/devicelinktarget.h"
#include "cli/instancemessage.h"
#include "device/devicelink.h"
#include "history/snapshot.h"
#include "settings/settingsrecords.h"
#include "tests/testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <poll.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

using testsupport::frame;
namespace sim = vellox::sim;

namespace {

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    // First: once this process has started a program, the thread sanitizer
    // refuses to let it start threads of its own.
    void lostWritesAreNamed();
    void badInputSendsNothing_data();
    void badInputSendsNothing();
    void appliesProfileThenSetsInOrder();
    void wrapperRestoresAfterCrash();
    void runningInstanceAnswersConcurrentCommands();
    void staleSocketIsTakenOver();
    void absentOrRefusedController();
    void exportImportRoundTrip();
    void gameRulesEditTheIniFile();
    void usageErrorsInTheUsersLanguage();
    void requestSurvivesTheJsonRoundTrip_data();
    void requestSurvivesTheJsonRoundTrip();
    void windowIgnoresStrayWords_data();
    void windowIgnoresStrayWords();
    void floodAfterRequestIsNeverRead();
    void concurrentGameRulesAreAllStored();
    void wrapperRunsItsCommandWithoutAnInstance();
    void historyRecordsAndRestores();

private:
    QProcessEnvironment environment() const;
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QStringList &simulator = {}) const;
    Result run(const QStringList &arguments, const QStringList &simulator = {}) const;
    QList<QByteArray> writes() const;
    QString socketPath() const { return runtime->filePath(QStringLiteral("vellox-wheel-setup-%1").arg(::getuid())); }

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> runtime;
    EffectSettingsTypeDef defaults;
};

QProcessEnvironment CommandLineTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELLOX_SIM_PATH));
    env.insert(QStringLiteral("VELLOX_SIM_LOG"), work->filePath(QStringLiteral("sim.log")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), work->filePath(QStringLiteral("state")));
    // The preloaded simulator comes before the sanitizer's runtime. The
    // wrapped commands inherit the preload, and with it the sanitizer, whose
    // own SIGSEGV handler would turn a crash into an abort.
    env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) +
                                                   QStringLiteral(":verify_asan_link_order=0:handle_segv=0"));
    env.insert(QStringLiteral("TSAN_OPTIONS"), env.value(QStringLiteral("TSAN_OPTIONS")) + QStringLiteral(":handle_segv=0"));
    return env;
}

std::unique_ptr<QProcess> CommandLineTest::start(const QStringList &arguments, const QStringList &simulator) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    for (const QString &setting : simulator)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(work->path());
    process->start(QStringLiteral(VELLOX_APP_PATH), arguments);
    return process;
}

Result CommandLineTest::run(const QStringList &arguments, const QStringList &simulator) const
{
    const std::unique_ptr<QProcess> process = start(arguments, simulator);
    Result result;
    if (!process->waitForFinished(60000))
        return result;
    result.out = process->readAllStandardOutput();
    result.err = process->readAllStandardError();
    result.status = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    return result;
}

// The frames of successful writes in the simulator's log, in order.
QList<QByteArray> CommandLineTest::writes() const
{
    QFile log(work->filePath(QStringLiteral("sim.log")));
    QList<QByteArray> frames;
    if (!log.open(QIODevice::ReadOnly))
        return frames;
    static const QRegularExpression write(QStringLiteral(" hid_write .* result=65 data=([0-9a-f ]+)$"));
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QRegularExpressionMatch match = write.match(QString::fromLatin1(line));
        if (match.hasMatch())
            frames.append(QByteArray::fromHex(match.captured(1).toLatin1()));
    }
    return frames;
}

void CommandLineTest::init()
{
    work = std::make_unique<QTemporaryDir>();
    runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid() && runtime->isValid());
    // The simulator linked into this test starts from the same records as the preloaded one.
    sim::reset();
    const sim::Record record = sim::record(0x22);
    std::memcpy(&defaults, record.data(), sizeof defaults);

    EffectSettingsTypeDef rally = defaults;
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QDir(work->path()).mkdir(QStringLiteral("wheel_effects_profiles"));
    testsupport::writeFile(work->filePath(QStringLiteral("wheel_effects_profiles/Rally")),
                           QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally));
}

void CommandLineTest::badInputSendsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    const QByteArray none;
    QTest::newRow("unknown key after a good one")
        << QStringList{"--set", "effects.motion_range=540", "--set", "effects.no_such_field=1"} << none;
    QTest::newRow("out of range") << QStringList{"--set", "effects.total_effect_scale=101"} << none;
    QTest::newRow("choice name for a number") << QStringList{"--set", "effects.motion_range=Generic button"} << none;
    QTest::newRow("unknown choice") << QStringList{"--set", "gpio.pin1.mode=Rocket"} << none;
    QTest::newRow("missing stored profile")
        << QStringList{"--profile", "effects:Rally", "--profile", "periphery:Nope"} << none;
    QTest::newRow("stored name leaving its folder") << QStringList{"--profile", "effects:../Rally"} << none;
    QTest::newRow("wrong kind of text") << QStringList{"--profile", "effects:Rally", "--profile", "input"}
                                        << QByteArray(
                                               "# Vellox Wheel Setup settings: all\neffects.motion_range = 540\n");
    QTest::newRow("binary junk") << QStringList{"--profile", "input"} << QByteArray(100, '\xfe');
    QTest::newRow("text over 64 KiB") << QStringList{"--profile", "input"}
                                      << QByteArray("# Vellox Wheel Setup settings: effects\n") +
                                             QByteArray(70 * 1024, '#');
    QTest::newRow("device file") << QStringList{"--profile", "/dev/zero"} << none;
    QTest::newRow("folder") << QStringList{"--profile", "wheel_effects_profiles"} << none;
    QTest::newRow("advanced not first") << QStringList{"--show", "advanced"} << none;
    QTest::newRow("unknown format") << QStringList{"--show", "--format", "xml"} << none;
    QTest::newRow("two actions") << QStringList{"--list", "--profile", "effects:Rally"} << none;
    QTest::newRow("wait out of range") << QStringList{"--wait", "-1", "--profile", "effects:Rally"} << none;
    QTest::newRow("no command after --") << QStringList{"--profile", "effects:Rally", "--"} << none;
    QTest::newRow("game rule without a profile") << QStringList{"--game-rule", "add", "race"} << none;
    QTest::newRow("game rule and applying") << QStringList{"--game-rule", "list", "--profile", "effects:Rally"}
                                            << none;
}

void CommandLineTest::badInputSendsNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    if (!file.isEmpty())
        testsupport::writeFile(work->filePath(QStringLiteral("input")), file);
    const Result result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.startsWith("vellox-wheel-setup: "), result.err.constData());
    QVERIFY(result.out.isEmpty());
    QCOMPARE(writes(), QList<QByteArray>());
}

void CommandLineTest::appliesProfileThenSetsInOrder()
{
    const Result result =
        run({"--set", "hardware.p_gain=30", "--profile", "effects:Rally", "--set", "effects.motion_range=720"});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QByteArray());
    // The profile first (motion range, then total effect scale, as the
    // effects tab sends them), then each --set in the order given.
    QCOMPARE(writes(), (QList<QByteArray>{
                           frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}),
                           frame({0xA3, 0x14, 0x04, 0x00, 80}),
                           frame({0xA3, 0x14, 0x19, 0x00, 30}),
                           frame({0xA3, 0x14, 0x05, 0x00, 0xD0, 0x02}),
                       }));

    const Result shown = run({"--show"});
    QCOMPARE(shown.status, 0);
    // Each start has a controller of its own: the simulator starts afresh.
    QVERIFY(shown.out.contains("\neffects.motion_range = 900\n"));
    QVERIFY(shown.out.contains("\nhardware.p_gain = "));
}

void CommandLineTest::wrapperRestoresAfterCrash()
{
    const Result result = run({"--profile", "effects:Rally", "--", "sh", "-c", "echo started; kill -SEGV $$"});
    QCOMPARE(result.status, 128 + SIGSEGV);
    QCOMPARE(result.out, QByteArray("started\n"));
    QCOMPARE(writes(), (QList<QByteArray>{
                           frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}),
                           frame({0xA3, 0x14, 0x04, 0x00, 80}),
                           frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03}),
                           frame({0xA3, 0x14, 0x04, 0x00, 100}),
                       }));
    QCOMPARE(int(defaults.motion_range), 900);
    QCOMPARE(int(defaults.total_effect_scale), 100);

    // A command that cannot start still gets the settings put back.
    QFile::remove(work->filePath(QStringLiteral("sim.log")));
    const Result missing = run({"--profile", "effects:Rally", "--", "/nonexistent/command"});
    QCOMPARE(missing.status, 127);
    QCOMPARE(writes().size(), 4);
    QCOMPARE(writes().last(), frame({0xA3, 0x14, 0x04, 0x00, 100}));
}

void CommandLineTest::runningInstanceAnswersConcurrentCommands()
{
    // The wrapper's command waits for a line on its standard input, which it
    // shares with the wrapper: while it waits, the wrapper is the instance.
    const std::unique_ptr<QProcess> instance = start({"--profile", "effects:Rally", "--", "sh", "-c", "read line"});
    QTRY_COMPARE_WITH_TIMEOUT(writes().size(), 2, 20000);

    // A malformed and an oversized request: an error answer each, nothing sent.
    const auto ask = [this](const QByteArray &message) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (!socket.waitForConnected(5000))
            return QByteArray("no connection");
        socket.write(message);
        QByteArray answer;
        while (socket.waitForReadyRead(10000) || socket.bytesAvailable() > 0) {
            answer += socket.readAll();
            if (socket.state() != QLocalSocket::ConnectedState)
                break;
        }
        return answer;
    };
    QByteArray malformed(4, '\0');
    qToBigEndian(quint32(9), malformed.data());
    QVERIFY(ask(malformed + "{not json").contains("\"status\":2"));
    QVERIFY(ask(instancemessage::frame(R"({"protocol":4.4e50,"command":"apply"})")).contains("\"status\":2"));
    QByteArray oversized(4, '\0');
    qToBigEndian(quint32(0x7FFFFFFF), oversized.data());
    QVERIFY(ask(oversized + QByteArray(1024, '{')).contains("\"status\":2"));
    // A request of an older release (its argument list) or of a newer one:
    // a clear refusal that names the protocol, nothing carried out.
    for (const auto &[payload, protocol] :
         {std::pair{QByteArray(R"({"arguments":["--set","effects.total_effect_scale=7"],"directory":"/"})"), "1"},
          std::pair{QByteArray(R"({"protocol":3,"command":"apply","future":true})"), "3"}}) {
        const QByteArray reply = ask(instancemessage::frame(payload));
        const auto answer = instancemessage::decodeAnswer(reply.mid(4));
        QVERIFY2(answer.has_value(), reply.constData());
        QCOMPARE(answer->status, 1);
        QVERIFY2(answer->err.contains(QByteArray("cannot read a request of protocol ") + protocol),
                 answer->err.constData());
    }
    QCOMPARE(writes().size(), 2);

    // Ten commands at once, each setting two fields.
    std::vector<std::unique_ptr<QProcess>> clients;
    for (int i = 0; i < 10; ++i)
        clients.push_back(start({"--set", QStringLiteral("effects.total_effect_scale=%1").arg(i + 1), "--set",
                                 QStringLiteral("effects.soft_stop_range=%1").arg(i + 11)}));
    for (auto &client : clients) {
        QVERIFY(client->waitForFinished(60000));
        QCOMPARE(client->exitCode(), 0);
        QCOMPARE(client->readAllStandardError(), QByteArray());
    }
    const QList<QByteArray> applied = writes().mid(2);
    QCOMPARE(applied.size(), 20);
    QSet<int> seen;
    for (int i = 0; i < applied.size(); i += 2) {
        // Each command's two frames follow each other, in its order.
        const int scale = applied.at(i).at(4);
        QCOMPARE(applied.at(i), frame({0xA3, 0x14, 0x04, 0x00, scale}));
        QCOMPARE(applied.at(i + 1), frame({0xA3, 0x14, 0x07, 0x00, scale + 10}));
        seen.insert(scale);
    }
    QCOMPARE(seen.size(), 10);

    // A second wrapper hands applying and restoring to the instance and runs
    // its command itself.
    const int lastScale = applied.at(18).at(4);
    const Result wrapped = run({"--set", "effects.total_effect_scale=55", "--", "sh", "-c", "echo inner; exit 9"});
    QCOMPARE(wrapped.status, 9);
    QCOMPARE(wrapped.out, QByteArray("inner\n"));
    QCOMPARE(writes().mid(22), (QList<QByteArray>{frame({0xA3, 0x14, 0x04, 0x00, 55}),
                                                   frame({0xA3, 0x14, 0x04, 0x00, lastScale})}));

    instance->write("\n");
    instance->closeWriteChannel();
    QVERIFY(instance->waitForFinished(30000));
    QCOMPARE(instance->exitCode(), 0);
    // The wrapper's own field comes back; what the other commands set
    // meanwhile stays as they set it.
    const QList<QByteArray> restored = writes().mid(24);
    QCOMPARE(restored, (QList<QByteArray>{frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03})}));
}

void CommandLineTest::staleSocketIsTakenOver()
{
    // A socket file nobody listens on, as a crashed instance leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = socketPath().toLocal8Bit();
    QVERIFY(size_t(path.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFile::exists(socketPath()));

    const Result result = run({"--set", "effects.total_effect_scale=50"});
    QCOMPARE(result.status, 0);
    QCOMPARE(writes(), QList<QByteArray>{frame({0xA3, 0x14, 0x04, 0x00, 50})});
}

void CommandLineTest::absentOrRefusedController()
{
    const Result refused = run({"--profile", "effects:Rally"}, {"VELLOX_SIM_DENY_OPEN=1"});
    QCOMPARE(refused.status, 4);
    QVERIFY2(refused.err.contains(
                 "but this user may not open it. See \"Controller found but not permitted\" in the README."),
             refused.err.constData());

    const Result absent = run({"--wait", "1", "--show"}, {"VELLOX_SIM_UNPLUGGED=1"});
    QCOMPARE(absent.status, 3);
    QVERIFY(absent.out.isEmpty());

    // The wrapper runs its command all the same, says so, and ends with its status.
    const Result wrapped = run({"--wait", "0", "--profile", "effects:Rally", "--", "sh", "-c", "echo ran; exit 6"},
                               {"VELLOX_SIM_UNPLUGGED=1"});
    QCOMPARE(wrapped.status, 6);
    QCOMPARE(wrapped.out, QByteArray("ran\n"));
    QVERIFY(wrapped.err.contains("running the command without changing settings"));
    QCOMPARE(writes(), QList<QByteArray>());
}

void CommandLineTest::exportImportRoundTrip()
{
    const Result exported = run({"--export", "effects:Rally", "--output", "rally.txt"});
    QCOMPARE(exported.status, 0);
    const QByteArray text = testsupport::readFile(work->filePath(QStringLiteral("rally.txt")));
    QVERIFY(text.startsWith("# Vellox Wheel Setup settings: effects\n"));
    QVERIFY(text.contains("\neffects.motion_range = 540\n"));

    QCOMPARE(run({"--import", "rally.txt", "--name", "Copy"}).status, 0);
    QCOMPARE(testsupport::readFile(work->filePath(QStringLiteral("wheel_effects_profiles/Copy"))),
             testsupport::readFile(work->filePath(QStringLiteral("wheel_effects_profiles/Rally"))));

    // A text that leaves out a field cannot become a stored profile; nothing is stored.
    QByteArray partial = text;
    partial.replace("effects.motion_range = 540\n", "");
    testsupport::writeFile(work->filePath(QStringLiteral("partial.txt")), partial);
    QCOMPARE(run({"--import", "partial.txt", "--name", "Partial"}).status, 2);
    QCOMPARE(run({"--import", "rally.txt", "--name", "../escape"}).status, 2);
    QVERIFY(!QFile::exists(work->filePath(QStringLiteral("wheel_effects_profiles/Partial"))));
    QVERIFY(!QFile::exists(work->filePath(QStringLiteral("escape"))));
}

void CommandLineTest::gameRulesEditTheIniFile()
{
    const QString ini = work->filePath(QStringLiteral("vellox-wheel-setup.ini"));
    testsupport::writeFile(ini, "[Window]\ngeometry=keep\n");
    QCOMPARE(run({"--game-rule", "add", "Rally Racer.exe", "effects:Rally"}).status, 0);
    // The same Windows game in other case: replaced, not doubled.
    QCOMPARE(run({"--game-rule", "add", "RALLY RACER.EXE", "effects:Rally"}).status, 0);
    const Result listed = run({"--game-rule", "list"});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out, QByteArray("RALLY RACER.EXE\tRally\t\n"));
    QCOMPARE(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Window/geometry")).toString(),
             QStringLiteral("keep"));

    // Refused: nothing written.
    const QByteArray before = testsupport::readFile(ini);
    const Result missing = run({"--game-rule", "add", "other", "effects:Rally", "periphery:Nope"});
    QCOMPARE(missing.status, 2);
    QVERIFY2(missing.err.contains("\"Nope\""), missing.err.constData());
    QCOMPARE(run({"--game-rule", "add", "../race", "effects:Rally"}).status, 2);
    QCOMPARE(run({"--game-rule", "remove", "nothing"}).status, 2);
    QCOMPARE(testsupport::readFile(ini), before);

    QCOMPARE(run({"--game-rule", "remove", "rally racer.exe"}).status, 0);
    QCOMPARE(run({"--game-rule", "list"}).out, QByteArray());
    QCOMPARE(writes(), QList<QByteArray>());
}

void CommandLineTest::usageErrorsInTheUsersLanguage()
{
    // Qt's own parser text, translated by the distribution's Qt translations
    // that the program loads beside its own.
    const Result german = run({"--no-such-option"}, {"LANG=de_DE.UTF-8", "LANGUAGE=de", "LC_ALL=de_DE.UTF-8"});
    QCOMPARE(german.status, 2);
    QVERIFY2(german.err.contains("Unbekannte Option"), german.err.constData());
}

void CommandLineTest::lostWritesAreNamed()
{
    // In this process, on the simulator linked in: writes the controller
    // does not take end the command with status 5 and are named.
    sim::reset();
    sim::Faults faults;
    faults.failWrites = true;
    sim::setFaults(faults);
    std::optional<CommandAnswer> answer;
    {
        DeviceLink link;
        link.startThread();
        DeviceLinkTarget target(link.worker(), true);
        const std::unique_ptr<Command> command(commands::APPLY.create());
        connect(command.get(), &Command::finished, this, [&answer](const CommandAnswer &a) { answer = a; });
        const auto request = std::get<CommandRequest>(
            parseCommandLine({"--set", "effects.motion_range=540", "--set", "hardware.p_gain=30"}));
        command->start(request, Command::Context{&target, work->path(), nullptr, QString()});
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000);
    }
    QCOMPARE(answer->status, 5);
    QVERIFY2(answer->err.contains("may not have arrived: effects.motion_range, hardware.p_gain."),
             answer->err.constData());
    QVERIFY(testsupport::noMisuse());
}

void CommandLineTest::requestSurvivesTheJsonRoundTrip_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("command");
    QTest::newRow("window") << QStringList{} << "window";
    QTest::newRow("advanced window, stray words dropped") << QStringList{"advanced", "x", "--background"} << "window";
    QTest::newRow("help wins") << QStringList{"--help", "--show"} << "help";
    QTest::newRow("show as json") << QStringList{"--show", "--format", "json", "--wait", "0"} << "show";
    QTest::newRow("apply in order, wrapped")
        << QStringList{"--set", "a=1", "--profile", "effects:Rally", "--set", "b=ü x", "--save", "--", "sh", "-c",
                       "exit 3", "--set"}
        << "apply";
    QTest::newRow("wrapper alone") << QStringList{"--", "game", "--list"} << "apply";
    QTest::newRow("export") << QStringList{"--export", "periphery:My Pedals", "--output", "-"} << "export";
    QTest::newRow("import") << QStringList{"--import", "f.txt", "--name", "N"} << "import";
    QTest::newRow("game rule keeps its words")
        << QStringList{"--game-rule", "add", "Race \"2\".exe", "periphery:P", "effects:E"} << "game-rule";
}

void CommandLineTest::requestSurvivesTheJsonRoundTrip()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, command);
    const auto parsed = parseCommandLine(arguments);
    QVERIFY(std::holds_alternative<CommandRequest>(parsed));
    instancemessage::Request request{std::get<CommandRequest>(parsed), QStringLiteral("/home/u"), std::nullopt};
    QCOMPARE(request.command.command, command);
    request.wrapperPid = 4242;
    ControllerSettings records{};
    records.effects.motion_range = 540;
    request.restore = records;
    const auto decoded = instancemessage::decodeRequest(instancemessage::encodeRequest(request));
    const auto *again = std::get_if<instancemessage::Request>(&decoded);
    QVERIFY(again);
    QVERIFY(again->command == request.command);
    QCOMPARE(again->workingDirectory, request.workingDirectory);
    QCOMPARE(again->wrapperPid, 4242);
    QVERIFY(again->restore && again->restore->effects.motion_range == 540);
    QCOMPARE(checkCommandRequest(again->command), std::nullopt);

    // The instance checks what it gets as the parser does.
    CommandRequest forged = request.command;
    forged.options.insert(QStringLiteral("list"), {});
    QVERIFY(checkCommandRequest(forged).has_value());
    forged = request.command;
    forged.options.insert(QStringLiteral("wait"), {QStringLiteral("9999")});
    QVERIFY(checkCommandRequest(forged).has_value());
}

void CommandLineTest::windowIgnoresStrayWords_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::newRow("Advanced") << QStringList{"Advanced"} << true;
    QTest::newRow("x advanced") << QStringList{"x", "advanced"} << true;
    QTest::newRow("advanced y z") << QStringList{"advanced", "y", "z"} << true;
    QTest::newRow("--advanced") << QStringList{"--advanced"} << false;
    QTest::newRow("advanced --advanced") << QStringList{"advanced", "--advanced"} << false;
    QTest::newRow("--show advanced") << QStringList{"--show", "advanced"} << false;
    QTest::newRow("--list x") << QStringList{"--list", "x"} << false;
    QTest::newRow("game rule list with a word") << QStringList{"--game-rule", "list", "advanced"} << false;
}

void CommandLineTest::windowIgnoresStrayWords()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    if (!window) {
        const Result result = run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith("vellox-wheel-setup: "), result.err.constData());
        QVERIFY(!QFile::exists(socketPath()));
        return;
    }
    // The window opens and becomes the running instance; it ends on SIGTERM.
    const std::unique_ptr<QProcess> process = start(arguments, {"QT_QPA_PLATFORM=offscreen"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socketPath()) || process->state() == QProcess::NotRunning, 30000);
    QVERIFY2(process->state() == QProcess::Running, process->readAllStandardError().constData());
    process->terminate();
    QVERIFY(process->waitForFinished(30000));
    QCOMPARE(process->readAllStandardError().contains("Unexpected argument"), false);
}

void CommandLineTest::floodAfterRequestIsNeverRead()
{
    // An instance without a controller: a request waiting for one keeps it
    // busy for seconds.
    const std::unique_ptr<QProcess> instance =
        start({"--wait", "10", "--profile", "effects:Rally", "--", "sh", "-c", "read line"}, {"VELLOX_SIM_UNPLUGGED=1"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socketPath()), 20000);

    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = socketPath().toLocal8Bit();
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    QVERIFY2(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0, std::strerror(errno));
    QCOMPARE(::fcntl(fd, F_SETFL, O_NONBLOCK), 0);
    const auto request = std::get<CommandRequest>(parseCommandLine({"--wait", "3", "--show"}));
    const QByteArray message = instancemessage::frame(
        instancemessage::encodeRequest({request, work->path(), std::nullopt}));
    // A valid request, then as much as the instance takes while it is busy.
    const QByteArray junk(64 * 1024, 'x');
    qint64 sent = 0;
    QByteArray reply;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && sent < 512 * 1024 * 1024) {
        pollfd poll{fd, short(reply.isEmpty() ? POLLIN | POLLOUT : POLLIN), 0};
        ::poll(&poll, 1, 100);
        if (poll.revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[4096];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            reply.append(buffer, got);
        } else if (poll.revents & POLLOUT) {
            const QByteArray chunk = sent < message.size() ? message.mid(sent) : junk;
            const ssize_t written = ::send(fd, chunk.constData(), size_t(chunk.size()), MSG_NOSIGNAL);
            if (written > 0)
                sent += written;
        }
    }
    const qint64 extra = sent - message.size();
    ::close(fd);
    // Answered as ever (no controller within the wait), while what followed
    // the request stayed in the kernel's and one request's worth of buffer.
    const auto answer = instancemessage::decodeAnswer(reply.mid(4));
    QVERIFY2(answer.has_value(), reply.left(200).constData());
    QCOMPARE(answer->status, 3);
    QVERIFY2(extra < 8 * 1024 * 1024, QByteArray::number(extra).constData());

    // The instance still answers others.
    QCOMPARE(run({"--wait", "0", "--show"}).status, 3);
    instance->write("\n");
    instance->closeWriteChannel();
    QVERIFY(instance->waitForFinished(30000));
    QCOMPARE(instance->exitCode(), 0);
}

void CommandLineTest::concurrentGameRulesAreAllStored()
{
    // No window runs: one of them becomes the instance and the others hand
    // it their rules, or wait for the next one.
    std::vector<std::unique_ptr<QProcess>> clients;
    for (int i = 0; i < 10; ++i)
        clients.push_back(start({"--game-rule", "add", QStringLiteral("game%1.exe").arg(i), "effects:Rally"}));
    for (auto &client : clients) {
        QVERIFY(client->waitForFinished(60000));
        QCOMPARE(client->readAllStandardError(), QByteArray());
        QCOMPARE(client->exitCode(), 0);
    }
    const Result listed = run({"--game-rule", "list"});
    QCOMPARE(listed.status, 0);
    QStringList lines = QString::fromUtf8(listed.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    QStringList expected;
    for (int i = 0; i < 10; ++i)
        expected.append(QStringLiteral("game%1.exe\tRally\t").arg(i));
    QCOMPARE(lines, expected);
}

void CommandLineTest::wrapperRunsItsCommandWithoutAnInstance()
{
    // Nothing can listen where the socket belongs, and nothing answers there.
    QVERIFY(QDir().mkpath(socketPath()));
    QElapsedTimer clock;
    clock.start();
    const Result result = run({"--profile", "effects:Rally", "--", "sh", "-c", "echo ran; exit 4"});
    // The instance it started ended at once: the game does not wait out the
    // 15 s an instance is given to start listening.
    QVERIFY2(clock.elapsed() < 10000, QByteArray::number(clock.elapsed()).constData());
    QCOMPARE(result.status, 4);
    QCOMPARE(result.out, QByteArray("ran\n"));
    QVERIFY2(result.err.contains("no settings were applied"), result.err.constData());
    QCOMPARE(writes(), QList<QByteArray>());
    // A command without a game to start says it could not go on.
    QCOMPARE(run({"--profile", "effects:Rally"}).status, 1);
}

} // namespace

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"

namespace {

QStringList historyLines(const QByteArray &out)
{
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

void CommandLineTest::historyRecordsAndRestores()
{
    // A snapshot on connect, and one before a --profile that a running
    // instance applies over what its wrapper set.
    const std::unique_ptr<QProcess> instance =
        start({"--set", "effects.motion_range=720", "--", "sh", "-c", "read line"});
    QTRY_COMPARE_WITH_TIMEOUT(writes().size(), 1, 20000);
    QCOMPARE(run({"--profile", "effects:Rally"}).status, 0);
    instance->write("\n");
    instance->closeWriteChannel();
    QVERIFY(instance->waitForFinished(30000));
    const Result listed = run({"--history"});
    QCOMPARE(listed.status, 0);
    QStringList lines = historyLines(listed.out);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).endsWith(QLatin1String("  RC.24.1.4  before --profile effects:Rally")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(QLatin1String("  RC.24.1.4  when the controller connected")), qPrintable(lines.at(1)));
    const QString before = lines.at(0).section(QLatin1Char(' '), 0, 0);
    const Result shown = run({"--history-show", before, "--format", "json"});
    QCOMPARE(shown.status, 0);
    QVERIFY(shown.out.contains("\"effects.motion_range\": \"720\""));

    // An older snapshot of this controller with an effects and a hardware field changed.
    const Result now = run({"--show"});
    QByteArray text = now.out;
    text.replace("effects.total_effect_scale = 100", "effects.total_effect_scale = 80");
    text.replace("hardware.p_gain = 20", "hardware.p_gain = 30");
    const QString id = QStringLiteral("20200101-120000-000");
    testsupport::writeFile(work->filePath(QStringLiteral("state/vellox-wheel-setup/history/%1.snapshot").arg(id)),
                           formatSnapshot({id, snapshotIdTime(id), "usb 045b:59d7", "before the game acc.exe"}, text));

    const Result diff = run({"--diff", id, "now"});
    QCOMPARE(diff.status, 0);
    QVERIFY2(diff.out.contains(": 80 -> 100") && diff.out.contains(": 30 -> 20"), diff.out.constData());
    QCOMPARE(run({"--diff", "now", "now"}).out, QByteArray());

    // Bad ids and operands: exit 2, nothing sent.
    QFile::remove(work->filePath(QStringLiteral("sim.log")));
    for (const QStringList &bad : {QStringList{"--restore", "20990101-000000-000"}, QStringList{"--restore", "../x"},
                                   QStringList{"--history-show", "nope"}, QStringList{"--diff", id},
                                   QStringList{"--diff", id, "effects:Missing"},
                                   QStringList{"--include-hardware", "--show"}}) {
        const Result result = run(bad);
        QVERIFY2(result.status == 2, qPrintable(bad.join(' ')));
        QVERIFY(result.out.isEmpty());
    }
    QCOMPARE(writes(), QList<QByteArray>());

    // The hardware field only when asked; only the differences are sent.
    const Result restored = run({"--restore", id});
    QCOMPARE(restored.status, 0);
    QVERIFY2(restored.err.contains("1 hardware field"), restored.err.constData());
    QCOMPARE(writes(), QList<QByteArray>{frame({0xA3, 0x14, 0x04, 0x00, 80})});
    QFile::remove(work->filePath(QStringLiteral("sim.log")));
    QCOMPARE(run({"--restore", id, "--include-hardware"}).status, 0);
    QCOMPARE(writes(), (QList<QByteArray>{frame({0xA3, 0x14, 0x04, 0x00, 80}), frame({0xA3, 0x14, 0x19, 0x00, 30})}));
    lines = historyLines(run({"--history"}).out);
    QVERIFY2(lines.last().startsWith(id) && lines.last().endsWith(QLatin1String("before the game acc.exe")),
             qPrintable(lines.last()));

    // A history that cannot be written: the settings go on all the same, and
    // the command hears of it once (the instance's own output reaches nobody).
    const QString folder = work->filePath(QStringLiteral("state/vellox-wheel-setup/history"));
    QVERIFY(QDir(folder).removeRecursively());
    testsupport::writeFile(folder, "a file where the folder belongs");
    QFile::remove(work->filePath(QStringLiteral("sim.log")));
    const Result applied = run({"--set", "effects.motion_range=540"});
    QCOMPARE(applied.status, 0);
    QCOMPARE(writes().size(), 1);
    QCOMPARE(applied.err.count("The settings history cannot be written"), 1);
}
