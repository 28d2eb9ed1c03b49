// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/application.h"

#include "cli/commandline.h"
#include "cli/instancehost.h"
#include "cli/instanceserver.h"
#include "cli/launchwrapper.h"
#include "device/devicelink.h"
#include "history/restorejournal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QLoggingCategory>

#include <memory>
#include <unistd.h>

namespace {

// How long a second start waits for the running instance beyond --wait.
constexpr int ANSWER_MARGIN_MS = 60000;
// How often a start chooses again when the instance it found ends meanwhile.
constexpr int ELECTIONS = 20;
// How long a start waits for an instance to listen (one it started stops the
// wait by ending), and how often it looks.
constexpr int INSTANCE_START_MS = 15000;
constexpr unsigned long INSTANCE_POLL_MS = 10;

// Where a start's request went.
struct Handover {
    enum Outcome { Answered, Listening, Unreachable } outcome;
    CommandAnswer answer;
};

// How often a start goes on when the instance it started ended without
// listening (another start's instance went first, then ended; or the socket's
// place cannot be used).
constexpr int EARLY_ENDS = 5;

// Starts the instance without a window unless one runs, and waits until it
// listens or the one it started has ended (`*endedEarly`). Why none could be
// started, or nothing.
QString startInstance(bool *endedEarly)
{
    const QString cannot = QCoreApplication::translate("Application", "cannot reach or replace the running instance.");
    if (const QString problem = InstanceServer::placeProblem(); !problem.isEmpty())
        return problem;
    JournalOwner started;
    {
        InstanceElection election;
        if (!election.held())
            return election.problem();
        if (!isInstanceListening()) {
            started.pid = startDetachedInstance();
            if (started.pid == 0)
                return cannot;
            // Its start time tells it from a later process with its id.
            started.startTime = processStartTime(started.pid).value_or(0);
        }
    }
    const QDeadlineTimer deadline(INSTANCE_START_MS);
    while (!isInstanceListening()) {
        if (deadline.hasExpired())
            return cannot;
        // An instance that ended without listening never will: ask again.
        if (started.pid != 0 && !isOwnerRunning(started) && !isInstanceListening()) {
            *endedEarly = true;
            return {};
        }
        QThread::msleep(INSTANCE_POLL_MS);
    }
    return {};
}

// Hands the request to the running instance; a window start becomes it when
// there is none, any other start starts the instance without a window and
// hands the request to that.
Handover listenOrForward(InstanceServer &server, const instancemessage::Request &request, int timeoutMs,
                         bool window)
{
    int earlyEnds = 0;
    for (int attempt = 0; attempt < ELECTIONS && earlyEnds < EARLY_ENDS; ++attempt) {
        if (window) {
            InstanceElection election;
            if (!election.held()) {
                CommandAnswer refused;
                refused.status = exitstatus::FAILED;
                refused.err = QStringLiteral("vellox-wheel-setup: %1\n").arg(election.problem()).toUtf8();
                return {Handover::Unreachable, refused};
            }
            if (server.listen())
                return {Handover::Listening, {}};
        }
        bool reached = false;
        if (std::optional<CommandAnswer> answer = askRunningInstance(request, timeoutMs, &reached))
            return {reached ? Handover::Answered : Handover::Unreachable, *answer};
        if (!window) {
            bool endedEarly = false;
            const QString problem = startInstance(&endedEarly);
            earlyEnds += endedEarly ? 1 : 0;
            if (!problem.isEmpty()) {
                CommandAnswer refused;
                refused.status = exitstatus::FAILED;
                refused.err = QStringLiteral("vellox-wheel-setup: %1\n").arg(problem).toUtf8();
                return {Handover::Unreachable, refused};
            }
        }
        // The other instance ended in between, or the new one is starting:
        // ask again.
    }
    CommandAnswer answer;
    answer.status = exitstatus::FAILED;
    answer.err = QCoreApplication::translate("Application",
                                             "vellox-wheel-setup: cannot reach or replace the running instance.\n")
                     .toUtf8();
    return {Handover::Unreachable, answer};
}

// Runs the launch wrapper's command in this process until it ends; its status.
int runWrapped(LaunchWrapper &wrapper, const QStringList &command)
{
    int status = 0;
    QObject::connect(&wrapper, &LaunchWrapper::finished, [&status](int commandStatus, const QString &message) {
        if (!message.isEmpty())
            printError(message);
        status = commandStatus;
        QCoreApplication::exit(0);
    });
    // Started from the event loop, so that a command that cannot start ends it too.
    QMetaObject::invokeMethod(&wrapper, [&wrapper, &command] { wrapper.start(command); }, Qt::QueuedConnection);
    QCoreApplication::exec();
    return status;
}

// Tells the running instance that the wrapper's command has ended without
// settings to put back, so its game profiles watch that command's game again.
void releaseWrapper(const instancemessage::Request &request, int timeoutMs)
{
    instancemessage::Request ended = request;
    ended.wrapperEnded = true;
    askRunningInstance(ended, timeoutMs);
}

// The launch wrapper in a second start: the running instance applies and
// restores, this process runs the command in its own terminal.
int wrapThroughInstance(LaunchWrapper &wrapper, const instancemessage::Request &request, const CommandAnswer &applied,
                        int timeoutMs)
{
    printAnswer(applied);
    if (!runsCommandAfter(applied.status)) {
        releaseWrapper(request, timeoutMs);
        return applied.status;
    }
    const int status = runWrapped(wrapper, request.command.wrapped);
    if (!applied.before) {
        releaseWrapper(request, timeoutMs);
        return status;
    }
    instancemessage::Request restore = request;
    restore.restore = applied.before;
    restore.wrapperEnded = true;
    if (const std::optional<CommandAnswer> restored = askRunningInstance(restore, timeoutMs))
        printAnswer(*restored);
    else
        printError(
            QCoreApplication::translate("Application", "the running instance has ended; the settings were not put back."));
    return status;
}

// Nothing of these needs the controller or the instance: they run here.
int runHere(const CommandRequest &request)
{
    const std::unique_ptr<Command> command(commandKind(request)->create());
    CommandAnswer result;
    bool done = false;
    QObject::connect(command.get(), &Command::finished, [&result, &done](const CommandAnswer &answer) {
        result = answer;
        done = true;
        QCoreApplication::exit(0);
    });
    command->start(request, Command::Context{nullptr, QDir::currentPath(), nullptr, QString()});
    // Those that read a device run until they are done.
    if (!done)
        QCoreApplication::exec();
    printAnswer(result);
    return result.status;
}

int runCommand(const CommandRequest &command)
{
    if (commandKind(command)->runsHere)
        return runHere(command);

    instancemessage::Request request{command, QDir::currentPath(), std::nullopt};
    const bool wraps = !command.wrapped.isEmpty();
    // Catches the stop signals already while the settings are applied.
    std::unique_ptr<LaunchWrapper> wrapper;
    if (wraps) {
        wrapper = std::make_unique<LaunchWrapper>();
        request.wrapperPid = QCoreApplication::applicationPid();
    }
    const int timeoutMs = command.waitSeconds() * 1000 + ANSWER_MARGIN_MS;
    InstanceServer server;
    const Handover handover = listenOrForward(server, request, timeoutMs, false);
    switch (handover.outcome) {
    case Handover::Listening:
    case Handover::Unreachable:
        printAnswer(handover.answer);
        if (!wraps)
            return handover.answer.status;
        // The game starts all the same.
        printError(QCoreApplication::translate("Application",
                                               "running the command; no settings were applied or will be put back."));
        return runWrapped(*wrapper, command.wrapped);
    case Handover::Answered:
        break;
    }
    if (wraps && handover.answer.status != exitstatus::BAD_INPUT)
        return wrapThroughInstance(*wrapper, request, handover.answer, timeoutMs);
    if (wraps)
        releaseWrapper(request, timeoutMs);
    printAnswer(handover.answer);
    return handover.answer.status;
}

int runWindow(const CommandRequest &command, const WindowHooks &hooks)
{
    InstanceServer server;
    const instancemessage::Request request{command, QDir::currentPath(), std::nullopt};
    const Handover handover = listenOrForward(server, request, ANSWER_MARGIN_MS, true);
    if (handover.outcome != Handover::Listening) {
        printAnswer(handover.answer);
        // With no safe place for the socket the window still opens, only
        // later starts cannot reach it.
        if (handover.outcome == Handover::Answered || InstanceServer::placeProblem().isEmpty())
            return handover.answer.status;
    }
    return hooks.runWindow(server, command);
}

// The instance without a window, started by startInstance(): in a session
// of its own, so that the signals of the terminal or launcher that started
// the command do not end it.
int runDetachedInstance(int argc, char **argv, const WindowHooks &hooks)
{
    ::setsid();
    QCoreApplication application(argc, argv);
    hooks.installTranslations(application);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    InstanceServer server;
    {
        InstanceElection election;
        // Another start was quicker: the requests go to that one.
        if (!election.held() || !server.listen())
            return exitstatus::DONE;
    }
    return InstanceHost(server).exec();
}

} // namespace

int runApplication(int argc, char **argv, bool inDataHome, const WindowHooks &hooks)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Which application this start needs depends only on the options; the
    // messages are read once the user's language is loaded.
    if (arguments == QStringList{QLatin1String(InstanceHost::OPTION)})
        return runDetachedInstance(argc, argv, hooks);
    const auto parsed = parseCommandLine(arguments);
    const auto *request = std::get_if<CommandRequest>(&parsed);

    if (request && request->command == QLatin1String(commands::WINDOW.name)) {
        QApplication application(argc, argv);
        hooks.installTranslations(application);
        if (inDataHome)
            hooks.enterDataHome();
        return runWindow(*request, hooks);
    }

    QCoreApplication application(argc, argv);
    hooks.installTranslations(application);
    if (!request) {
        // Read again for the message in the user's language.
        printError(std::get<CommandLineError>(parseCommandLine(arguments)).message);
        printError(QCoreApplication::translate("Application", "see --help for the options."));
        return exitstatus::BAD_INPUT;
    }
    // The device link's debug lines are for the window's log, not for the
    // output of a command.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (inDataHome)
        hooks.enterDataHome();
    return runCommand(*request);
}
