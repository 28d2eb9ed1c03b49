// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/application.h"

#include "cli/commandexecutor.h"
#include "cli/commandline.h"
#include "cli/devicelinktarget.h"
#include "cli/instanceserver.h"
#include "cli/launchwrapper.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

#include <cstdio>

namespace {

// How long a second start waits for the running instance beyond --wait.
constexpr int ANSWER_MARGIN_MS = 60000;

void print(const CommandAnswer &answer)
{
    std::fwrite(answer.out.constData(), 1, size_t(answer.out.size()), stdout);
    std::fflush(stdout);
    std::fwrite(answer.err.constData(), 1, size_t(answer.err.size()), stderr);
    std::fflush(stderr);
}

void printError(const QString &message)
{
    std::fprintf(stderr, "vellox-wheel-setup: %s\n", qPrintable(message));
}

// Becomes the running instance, or hands the request to the one that is.
// Returns the answer when another instance carried the request out.
std::optional<CommandAnswer> listenOrForward(InstanceServer &server, const instancemessage::Request &request,
                                             int timeoutMs)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        {
            InstanceElection election;
            if (!election.held()) {
                CommandAnswer refused;
                refused.status = exitstatus::FAILED;
                refused.err = QStringLiteral("vellox-wheel-setup: %1\n").arg(election.problem()).toUtf8();
                return refused;
            }
            if (server.listen())
                return std::nullopt;
        }
        if (std::optional<CommandAnswer> answer = askRunningInstance(request, timeoutMs))
            return answer;
        // The other instance ended in between: choose again.
    }
    CommandAnswer answer;
    answer.status = exitstatus::FAILED;
    answer.err = QCoreApplication::translate("Application",
                                             "vellox-wheel-setup: cannot reach or replace the running instance.\n")
                     .toUtf8();
    return answer;
}

// The launch wrapper in a second start: the running instance applies and
// restores, this process runs the command in its own terminal.
// Tells the running instance that the wrapper's command has ended without
// settings to put back, so its game profiles watch that command's game again.
void releaseWrapper(const instancemessage::Request &request, int timeoutMs)
{
    instancemessage::Request ended = request;
    ended.wrapperEnded = true;
    askRunningInstance(ended, timeoutMs);
}

int wrapThroughInstance(const instancemessage::Request &request, const CommandAnswer &applied, int timeoutMs)
{
    print(applied);
    if (applied.status != exitstatus::DONE && applied.status != exitstatus::NO_CONTROLLER &&
        applied.status != exitstatus::NO_PERMISSION) {
        releaseWrapper(request, timeoutMs);
        return applied.status;
    }
    if (applied.status != exitstatus::DONE)
        printError(QCoreApplication::translate("Application", "running the command without changing settings."));
    const CommandRequest command = std::get<CommandRequest>(parseCommandLine(request.arguments));
    LaunchWrapper wrapper;
    int status = 0;
    QObject::connect(&wrapper, &LaunchWrapper::finished, [&status](int commandStatus, const QString &message) {
        if (!message.isEmpty())
            printError(message);
        status = commandStatus;
        QCoreApplication::exit(0);
    });
    // Started from the event loop, so that a command that cannot start ends it too.
    QMetaObject::invokeMethod(&wrapper, [&wrapper, &command] { wrapper.start(command.command); }, Qt::QueuedConnection);
    QCoreApplication::exec();
    if (applied.before) {
        instancemessage::Request restore = request;
        restore.restore = applied.before;
        restore.wrapperEnded = true;
        if (const std::optional<CommandAnswer> restored = askRunningInstance(restore, timeoutMs))
            print(*restored);
        else
            printError(QCoreApplication::translate("Application",
                                                   "the running instance has ended; the settings were not put back."));
    } else {
        releaseWrapper(request, timeoutMs);
    }
    return status;
}

int runCommand(const CommandRequest &command, const QStringList &arguments)
{
    const QString workingDirectory = QDir::currentPath();
    const auto runHere = [&] {
        CommandExecutor executor(nullptr);
        CommandAnswer result;
        QObject::connect(&executor, &CommandExecutor::finished,
                         [&result](const CommandAnswer &answer) { result = answer; });
        executor.run(command, workingDirectory);
        print(result);
        return result.status;
    };
    // Nothing of these needs the controller: they run here.
    if (command.help || command.version || !command.exportProfile.isEmpty() || !command.importFile.isEmpty())
        return runHere();

    instancemessage::Request request{arguments, workingDirectory, std::nullopt};
    if (!command.command.isEmpty())
        request.wrapperPid = QCoreApplication::applicationPid();
    const int timeoutMs = command.waitSeconds * 1000 + ANSWER_MARGIN_MS;
    InstanceServer server;
    if (const std::optional<CommandAnswer> answer = listenOrForward(server, request, timeoutMs)) {
        if (!command.command.isEmpty() && answer->status != exitstatus::BAD_INPUT)
            return wrapThroughInstance(request, *answer, timeoutMs);
        if (!command.command.isEmpty())
            releaseWrapper(request, timeoutMs);
        print(*answer);
        return answer->status;
    }
    // A game rule goes to a running window, which takes it at once; with none
    // running, the INI file the window will read is edited here while this
    // process holds the instance's place.
    if (!command.gameRule.isEmpty())
        return runHere();

    // This process is the running instance until its own work and every
    // request queued meanwhile are done.
    HeadlessDeviceLink link;
    DeviceLinkTarget target(link.worker(), true);
    server.setTarget(&target);
    LaunchWrapper wrapper;
    int status = exitstatus::DONE;
    const auto finishWhenIdle = [&server] {
        server.stopListening();
        if (server.isIdle())
            QCoreApplication::exit(0);
        else
            QObject::connect(&server, &InstanceServer::idle, [] { QCoreApplication::exit(0); });
    };
    std::optional<ControllerSettings> before;
    QObject::connect(&wrapper, &LaunchWrapper::finished, [&](int commandStatus, const QString &message) {
        if (!message.isEmpty())
            printError(message);
        status = commandStatus;
        if (!before) {
            finishWhenIdle();
            return;
        }
        instancemessage::Request restore = request;
        restore.restore = before;
        server.enqueue(restore, [&](const CommandAnswer &answer) {
            print(answer);
            finishWhenIdle();
        });
    });
    server.enqueue(request, [&](const CommandAnswer &answer) {
        print(answer);
        status = answer.status;
        const bool absent = status == exitstatus::NO_CONTROLLER || status == exitstatus::NO_PERMISSION;
        if (command.command.isEmpty() || (status != exitstatus::DONE && !absent)) {
            finishWhenIdle();
            return;
        }
        if (absent)
            printError(QCoreApplication::translate("Application", "running the command without changing settings."));
        before = answer.before;
        wrapper.start(command.command);
    });
    QCoreApplication::exec();
    return status;
}

} // namespace

int runApplication(int argc, char **argv, bool inDataHome, const WindowHooks &hooks)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Only which application this start needs; the request and its messages
    // are read again once the user's language is loaded.
    const auto firstLook = parseCommandLine(arguments);
    const auto *asWindow = std::get_if<CommandRequest>(&firstLook);

    if (!asWindow || !asWindow->isWindow()) {
        QCoreApplication application(argc, argv);
        hooks.installTranslations(application);
        const auto parsed = parseCommandLine(arguments);
        if (const auto *error = std::get_if<CommandLineError>(&parsed)) {
            printError(error->message);
            printError(QCoreApplication::translate("Application", "see --help for the options."));
            return exitstatus::BAD_INPUT;
        }
        // The device link's debug lines are for the window's log, not for
        // the output of a command.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        if (inDataHome)
            hooks.enterDataHome();
        return runCommand(std::get<CommandRequest>(parsed), arguments);
    }

    QApplication application(argc, argv);
    hooks.installTranslations(application);
    const CommandRequest command = std::get<CommandRequest>(parseCommandLine(arguments));
    if (inDataHome)
        hooks.enterDataHome();
    InstanceServer server;
    const instancemessage::Request request{arguments, QDir::currentPath(), std::nullopt};
    if (const std::optional<CommandAnswer> answer = listenOrForward(server, request, ANSWER_MARGIN_MS)) {
        print(*answer);
        return answer->status;
    }
    return hooks.runWindow(server, command.background);
}
