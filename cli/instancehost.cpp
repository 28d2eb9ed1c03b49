// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/instancehost.h"

#include "cli/devicelinktarget.h"
#include "cli/instanceserver.h"
#include "device/devicelink.h"
#include "games/settingslayerkeeper.h"
#include "history/snapshotrecorder.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <cstdio>

const char *const InstanceHost::OPTION = "--run-instance";

namespace {

// The messages quote what files hold (a profile's values); a terminal must
// not act on control characters among them. Line ends and tabs stay.
QByteArray withoutControls(QByteArray text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text.at(i));
        const bool c1 = byte == 0xc2 && i + 1 < text.size()
                     && (static_cast<unsigned char>(text.at(i + 1)) & 0xe0) == 0x80;
        if (c1)
            text.remove(i + 1, 1);
        if (c1 || (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7f)
            text[i] = '?';
    }
    return text;
}

} // namespace

void printAnswer(const CommandAnswer &answer)
{
    std::fwrite(answer.out.constData(), 1, size_t(answer.out.size()), stdout);
    std::fflush(stdout);
    const QByteArray err = withoutControls(answer.err);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    std::fflush(stderr);
}

void printError(const QString &message)
{
    std::fprintf(stderr, "vellox-wheel-setup: %s\n", qPrintable(message));
}

qint64 startDetachedInstance()
{
    // Detached (reparented away from the caller, who may be a launcher's
    // reaper), its output nowhere: it serves every later start alike.
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments({QLatin1String(InstanceHost::OPTION)});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    return process.startDetached(&pid) ? pid : 0;
}

InstanceHost::InstanceHost(InstanceServer &instanceServer, QObject *parent)
    : QObject(parent)
    , server(instanceServer)
{
    server.setTargetFactory([this] { return openController(); });
}

InstanceHost::~InstanceHost()
{
    server.setTargetFactory(nullptr);
}

// The one place where a process without a window opens the controller.
SettingsTarget *InstanceHost::openController()
{
    link = std::make_unique<DeviceLink>();
    link->startThread();
    target = std::make_unique<DeviceLinkTarget>(link->worker(), true);
    // Declared before the target, so it ends after it: queued snapshots are
    // written before the process ends.
    history = std::make_unique<SnapshotRecorder>(appfiles::historyFolder());
    // This process's own stderr reaches nobody: the next start asking is told.
    connect(history.get(), &SnapshotRecorder::failed, &server, &InstanceServer::tellNextClient);
    // The folder's usual faults are told to the command that opened the
    // controller, whenever the writer gets to its first snapshot.
    if (const QString problem = history->checkFolderNow(); !problem.isEmpty())
        server.tellNextClient(problem);
    target->setHistory(history.get());
    return target.get();
}

int InstanceHost::exec()
{
    connect(&server, &InstanceServer::idle, this, &InstanceHost::finishWhenIdle);
    // The start that asked for this instance may have gone before it asked.
    QTimer::singleShot(InstanceServer::CLIENT_TIMEOUT_MS, this, &InstanceHost::finishWhenIdle);
    QCoreApplication::exec();
    // The target goes before the link it works through.
    server.setTarget(nullptr);
    target.reset();
    link.reset();
    history.reset();
    return exitstatus::DONE;
}

bool runsCommandAfter(int applyStatus)
{
    switch (applyStatus) {
    case exitstatus::DONE:
        return true;
    case exitstatus::NO_CONTROLLER:
    case exitstatus::NO_PERMISSION:
        printError(QCoreApplication::translate("Application", "running the command without changing settings."));
        return true;
    case exitstatus::CONTROLLER_LEFT:
        printError(QCoreApplication::translate("Application", "running the command with the settings that arrived."));
        return true;
    case exitstatus::FAILED:
        // The instance refused the request (one of another release): the
        // game starts all the same.
        printError(QCoreApplication::translate("Application",
                                               "running the command; no settings were applied or will be put back."));
        return true;
    default:
        return false;
    }
}

void InstanceHost::finishWhenIdle()
{
    // Listening goes on until nothing is left to do: a start that finds no
    // instance then starts the next one, and never works beside this one.
    if (server.isIdle() && server.layers()->isEmpty()) {
        server.stopListening();
        QCoreApplication::exit(0);
    }
}
