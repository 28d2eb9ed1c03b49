// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, against the simulated controller:
//   - `--profile FILE` with every effects field different and no instance
//     running, from exec to exit (the simulator preloaded), beside a floor
//     program that opens the controller, waits for its first input report,
//     reads the four records and writes the same frames with hidapi alone;
//   - the same request handed to a running instance, from the request to the
//     last frame on the wire, beside a floor that takes a request of the same
//     size over a local socket and writes the same frames at once.

#include "cli/commandline.h"
#include "cli/devicelinktarget.h"
#include "cli/instanceserver.h"
#include "device/devicelink.h"
#include "settings/settingsrecords.h"
#include "sim/simulated_controller.h"

#include <hidapi.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

extern char **environ;

namespace sim = vellox::sim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 11;
constexpr int kRequests = 21;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

CommandRequest parsed(const QStringList &arguments)
{
    return std::get<CommandRequest>(parseCommandLine(arguments));
}

void fail(const char *what)
{
    std::fprintf(stderr, "bench_command: %s\n", what);
    std::exit(1);
}

QByteArray recordBytes(const EffectSettingsTypeDef &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// Every one of the eleven fields differs from the simulator's defaults and
// stays within what the window's controls allow.
EffectSettingsTypeDef allDifferent(EffectSettingsTypeDef effects)
{
    effects.invert_constant_force = effects.invert_constant_force > 0 ? -1 : 1;
    effects.direct_x_constant_strength = uint8_t(effects.direct_x_constant_strength == 50 ? 60 : 50);
    effects.direct_x_spring_strength = uint8_t(effects.direct_x_spring_strength == 60 ? 70 : 60);
    effects.direct_x_periodic_strength = uint8_t(effects.direct_x_periodic_strength == 70 ? 80 : 70);
    effects.motion_range = uint16_t(effects.motion_range == 540 ? 720 : 540);
    effects.total_effect_scale = uint8_t(effects.total_effect_scale == 80 ? 90 : 80);
    effects.integrated_spring = uint8_t(effects.integrated_spring == 10 ? 20 : 10);
    effects.soft_stop_strength = uint8_t(effects.soft_stop_strength == 90 ? 80 : 90);
    effects.soft_stop_range = uint8_t(effects.soft_stop_range == 8 ? 9 : 8);
    effects.soft_stop_dampening = uint16_t(effects.soft_stop_dampening == 40 ? 30 : 40);
    effects.static_dampening = uint16_t(effects.static_dampening == 20 ? 30 : 20);
    return effects;
}

// Runs a program to its end; the time from just before the spawn to the end of the wait.
double timedRun(const std::vector<std::string> &command, const std::vector<std::string> &environment)
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &entry : environment)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);
    const Clock::time_point begin = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        fail("cannot start a program");
    int status = 0;
    waitpid(pid, &status, 0);
    const double took = ms(Clock::now() - begin);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_command: %s ended with %d\n", command[0].c_str(), status);
        std::exit(1);
    }
    return took;
}

std::vector<std::string> childEnvironment(const QTemporaryDir &work, const QString &log)
{
    std::vector<std::string> environment;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        if (text.rfind("LD_PRELOAD=", 0) != 0 && text.rfind("VELLOX_SIM_", 0) != 0 &&
            text.rfind("XDG_RUNTIME_DIR=", 0) != 0)
            environment.push_back(text);
    }
    environment.push_back(std::string("LD_PRELOAD=") + VELLOX_SIM_PATH);
    environment.push_back("XDG_RUNTIME_DIR=" + work.path().toStdString());
    if (!log.isEmpty())
        environment.push_back("VELLOX_SIM_LOG=" + log.toStdString());
    return environment;
}

QByteArray framesFromLog(const QString &path)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        fail("no simulator log");
    static const QRegularExpression write(QStringLiteral(" hid_write .* result=65 data=([0-9a-f ]+)$"));
    QByteArray frames;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QRegularExpressionMatch match = write.match(QString::fromLatin1(line));
        if (match.hasMatch())
            frames += QByteArray::fromHex(match.captured(1).toLatin1());
    }
    return frames;
}

void measureSeparateStart(const QTemporaryDir &work, const QString &profile)
{
    const QString log = work.filePath(QStringLiteral("once.log"));
    const std::vector<std::string> app{VELLOX_APP_PATH, "--profile", profile.toStdString()};
    timedRun(app, childEnvironment(work, log));
    const QByteArray frames = framesFromLog(log);
    const QString framesPath = work.filePath(QStringLiteral("frames"));
    QFile out(framesPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(frames) != frames.size())
        fail("cannot write the frames file");
    out.close();
    const std::vector<std::string> floor{VELLOX_COMMAND_FLOOR_PATH, framesPath.toStdString()};
    const std::vector<std::string> qtFloor{VELLOX_COMMAND_QT_FLOOR_PATH, framesPath.toStdString()};

    const std::vector<std::string> environment = childEnvironment(work, QString());
    timedRun(floor, environment);
    timedRun(qtFloor, environment);
    std::vector<double> appTimes;
    std::vector<double> floorTimes;
    std::vector<double> qtFloorTimes;
    for (int i = 0; i < kRuns; ++i) {
        appTimes.push_back(timedRun(app, environment));
        qtFloorTimes.push_back(timedRun(qtFloor, environment));
        floorTimes.push_back(timedRun(floor, environment));
    }
    const double a = median(appTimes);
    const double f = median(floorTimes);
    const double q = median(qtFloorTimes);
    std::printf("--profile, every effects field different, no instance running, exec to exit (median of %d): "
                "%.1f ms, %lld frames\n"
                "  floor (open, first input report, four records, same frames), hidapi alone: %.1f ms; "
                "%.2f x floor (target at most 2 x)\n"
                "  the same floor linked with the application's Qt modules (Core, Gui, Widgets, Network): %.1f ms; "
                "%.2f x\n",
                kRuns, a, static_cast<long long>(frames.size() / 65), f, a / f, q, a / q);
}

Clock::time_point lastWriteEnd()
{
    Clock::time_point last{};
    for (const sim::CallRecord &call : sim::calls()) {
        if (call.call == sim::HidCall::Write)
            last = std::max(last, call.end);
    }
    return last;
}

// Runs `work` on a thread of its own while this thread's event loop serves.
template <typename Work> void whileServing(Work work)
{
    QThread *thread = QThread::create(work);
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    delete thread;
}

void measureThroughInstance(const QTemporaryDir &work, const QStringList &profiles)
{
    qputenv("XDG_RUNTIME_DIR", work.path().toLocal8Bit());
    sim::reset();

    // Floor: a request of the same size over a local socket, the frames
    // written by the side that takes it, then an answer.
    const QByteArray frames = framesFromLog(work.filePath(QStringLiteral("once.log")));
    std::vector<double> floorTimes;
    {
        hid_device_info *devices = hid_enumerate(0x045B, 0x59D7);
        hid_device *device = devices ? hid_open_path(devices->path) : nullptr;
        hid_free_enumeration(devices);
        if (!device)
            fail("the floor cannot open the controller");
        QLocalServer server;
        const QString name = work.filePath(QStringLiteral("floor.socket"));
        if (!server.listen(name))
            fail("the floor cannot listen");
        QObject::connect(&server, &QLocalServer::newConnection, [&] {
            QLocalSocket *socket = server.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, device, &frames] {
                socket->readAll();
                for (qsizetype at = 0; at + 65 <= frames.size(); at += 65)
                    hid_write(device, reinterpret_cast<const unsigned char *>(frames.constData() + at), 65);
                socket->write("ok");
                socket->disconnectFromServer();
            });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        });
        const QByteArray request = instancemessage::frame(
            instancemessage::encodeRequest({parsed({"--profile", profiles.first()}), work.path(), std::nullopt}));
        whileServing([&] {
            for (int i = 0; i < kRequests; ++i) {
                QLocalSocket socket;
                const Clock::time_point begin = Clock::now();
                socket.connectToServer(name);
                socket.waitForConnected(5000);
                socket.write(request);
                socket.waitForBytesWritten(5000);
                socket.waitForReadyRead(5000);
                floorTimes.push_back(ms(lastWriteEnd() - begin));
            }
        });
        hid_close(device);
    }

    sim::clearLog();
    DeviceLink link;
    link.startThread();
    DeviceLinkTarget target(link.worker(), true);
    InstanceServer server;
    if (!server.listen())
        fail("the instance cannot listen");
    server.setTarget(&target);
    std::vector<double> times;
    int answered = 0;
    whileServing([&] {
        // The first request finds the controller and reads its records.
        askRunningInstance({parsed({"--show"}), work.path(), std::nullopt}, 30000);
        for (int i = 0; i < kRequests; ++i) {
            const Clock::time_point begin = Clock::now();
            const auto answer =
                askRunningInstance({parsed({"--profile", profiles.at(i % 2)}), work.path(), std::nullopt}, 30000);
            if (answer && answer->status == 0)
                ++answered;
            times.push_back(ms(lastWriteEnd() - begin));
        }
    });
    if (answered != kRequests)
        fail("a request through the instance failed");
    std::printf("the same through a running instance, request to last frame on the wire (median of %d, "
                "alternating with the defaults): %.2f ms; floor (same-size request over a local socket, same "
                "frames written at once): %.2f ms (target at most 50 ms)\n",
                kRequests, median(times), median(floorTimes));
    server.abandon();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir work;
    if (!work.isValid())
        fail("no temporary folder");
    sim::reset();
    EffectSettingsTypeDef defaults;
    std::memcpy(&defaults, sim::record(0x22).data(), sizeof defaults);
    const QString different = work.filePath(QStringLiteral("all-different"));
    const QString original = work.filePath(QStringLiteral("defaults"));
    for (const auto &[path, record] : {std::pair{different, allDifferent(defaults)}, std::pair{original, defaults}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(recordBytes(record)) != 64)
            fail("cannot write a profile");
    }
    measureSeparateStart(work, different);
    measureThroughInstance(work, {different, original});
    return 0;
}
