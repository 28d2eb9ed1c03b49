// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "device/appversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QVector>

namespace {

const char *const CONTEXT = "CommandLine";

// Every option, declared once: --help, the man page and the completion file
// follow this list.
struct OptionDeclaration {
    const char *name;
    const char *valueName; // null for a switch
    const char *description;
    // The command the option asks for; null for one that only qualifies a command.
    const CommandKind *command = nullptr;
};

const OptionDeclaration OPTIONS[] = {
    {"list", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "List the controllers found: node, firmware version, \"ok\", \"no permission\" or \"not readable\"."), &commands::LIST},
    {"show", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print the controller's current settings, all four records."), &commands::SHOW},
    {"format", "text|json", QT_TRANSLATE_NOOP("CommandLine", "The form --show, --history-show and --monitor print in (default: text).")},
    {"monitor", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Print the steering angle, axes and buttons of the controller's joystick node as lines "
                       "(JSON lines with --format json) until interrupted."), &commands::MONITOR},
    {"remove-kernel-dead-zone", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Set the kernel's fuzz and flat of every axis of the controller's joystick node to 0."),
     &commands::REMOVE_DEAD_ZONE},
    {"restore-kernel-dead-zone", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Put the kernel's own fuzz and flat of every axis back."),
     &commands::RESTORE_DEAD_ZONE},
    {"wheel-test", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Open the window and its Wheel test window (in the running instance if there is one).")},
    {"history", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "List the settings history, newest first: snapshot id, time, firmware version, reason."),
     &commands::HISTORY},
    {"history-show", "ID",
     QT_TRANSLATE_NOOP("CommandLine", "Print one snapshot of the history (--format text or json)."),
     &commands::HISTORY_SHOW},
    {"diff", "A B",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Print what differs from A to B, field by field. Each is a snapshot id, now (the "
                       "controller), effects:NAME, periphery:NAME or a file."),
     &commands::DIFF},
    {"restore", "ID",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Put a snapshot's settings back, sending only what differs; the Controller tab's fields "
                       "only with --include-hardware."),
     &commands::RESTORE},
    {"include-hardware", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --restore: put back the gains, encoder, directions and power too.")},
    {"profile", "effects:NAME|periphery:NAME|FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Apply a stored profile, or a text or raw profile file (repeatable)."), &commands::APPLY},
    {"set", "KEY=VALUE",
     QT_TRANSLATE_NOOP("CommandLine", "Set one field (repeatable; after the profiles, in the order given)."), &commands::APPLY},
    {"save", nullptr, QT_TRANSLATE_NOOP("CommandLine", "After applying: save and reboot, as the button does."), &commands::APPLY},
    {"export", "effects:NAME|periphery:NAME",
     QT_TRANSLATE_NOOP("CommandLine", "Write a stored profile as text (to standard output, or --output FILE)."), &commands::EXPORT},
    {"output", "FILE", QT_TRANSLATE_NOOP("CommandLine", "The file --export writes.")},
    {"import", "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Store a text profile under --name in its kind's profile folder (validated)."), &commands::IMPORT},
    {"name", "NAME", QT_TRANSLATE_NOOP("CommandLine", "The profile name for --import.")},
    {"wait", "SECONDS", QT_TRANSLATE_NOOP("CommandLine", "How long to wait for the controller (default: 5).")},
    {"game-rule", "list|add|remove",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The game profiles' rules: list them (game, Effects profile, Periphery profile, "
                       "separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game's rule), "
                       "or remove GAME. No controller needed."), &commands::GAME_RULE},
    {"background", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Start with the tray icon only, without showing the window (where there is no tray, the "
                       "window shows).")},
    {"data-home", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.")},
    {"version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print the version and exit."), &commands::VERSION},
    {"help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print this help and exit."), &commands::HELP},
};

void declareOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; "
        "with options it runs as a command without a window.\n\n"
        "Exit status: 0 done; 1 a file could not be written or the running instance could not be "
        "reached; 2 bad usage or input (nothing sent); 3 no controller within --wait; "
        "4 controller found but this user may not open it; 5 the controller left during the operation; "
        "with -- COMMAND, the command's own status (128 + signal number for a signal)."));
    for (const OptionDeclaration &option : OPTIONS) {
        QStringList names{QString::fromLatin1(option.name)};
        if (qstrcmp(option.name, "help") == 0)
            names.prepend(QStringLiteral("h"));
        if (option.valueName)
            parser.addOption(QCommandLineOption(names, QCoreApplication::translate(CONTEXT, option.description),
                                                QString::fromLatin1(option.valueName)));
        else
            parser.addOption(QCommandLineOption(names, QCoreApplication::translate(CONTEXT, option.description)));
    }
    parser.addPositionalArgument(
        QStringLiteral("advanced"),
        QCoreApplication::translate("CommandLine",
                                    "As the first argument: the window with the current-sense gain shown."),
        QStringLiteral("[advanced]"));
    parser.addPositionalArgument(
        QStringLiteral("-- COMMAND"),
        QCoreApplication::translate(
            "CommandLine",
            "Apply the options, run COMMAND with its arguments, and when it ends put back the settings found "
            "before. In a Steam launch option: vellox-wheel-setup --profile effects:Rally -- %command%"),
        QStringLiteral("[-- COMMAND [ARGS...]]"));
}

bool takesValue(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument.contains(QLatin1Char('=')))
        return false;
    QString name = argument;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    for (const OptionDeclaration &option : OPTIONS) {
        if (option.valueName && name == QLatin1String(option.name))
            return true;
    }
    return false;
}

// The first "--" that is not the value of an option ends the options.
qsizetype commandSeparator(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            return i;
        if (takesValue(arguments.at(i)))
            ++i;
    }
    return -1;
}

} // namespace

namespace {

const OptionDeclaration *declaration(const QString &name)
{
    for (const OptionDeclaration &option : OPTIONS) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// The commands the options ask for, help and version aside, in the table's
// order; the launch wrapper's command applies.
QVector<const CommandKind *> namedCommands(const CommandRequest &request)
{
    QVector<const CommandKind *> kinds;
    const auto add = [&kinds](const CommandKind *kind) {
        if (kind && kind != &commands::HELP && kind != &commands::VERSION && !kinds.contains(kind))
            kinds.append(kind);
    };
    for (const OptionDeclaration &option : OPTIONS) {
        if (request.has(QLatin1String(option.name)))
            add(option.command);
    }
    if (!request.wrapped.isEmpty())
        add(&commands::APPLY);
    return kinds;
}

const CommandKind &selectedCommand(const CommandRequest &request, const QVector<const CommandKind *> &named)
{
    if (request.has(QStringLiteral("help")))
        return commands::HELP;
    if (request.has(QStringLiteral("version")))
        return commands::VERSION;
    return named.isEmpty() ? commands::WINDOW : *named.first();
}

// What only a request that did not come from this parser can get wrong.
bool wellFormed(const CommandRequest &request, const QVector<const CommandKind *> &named)
{
    for (auto it = request.options.cbegin(); it != request.options.cend(); ++it) {
        const OptionDeclaration *option = declaration(it.key());
        if (!option || qstrcmp(option->name, "data-home") == 0 || (!option->valueName && !it.value().isEmpty()) ||
            (option->valueName && it.value().isEmpty()))
            return false;
    }
    if (request.command != QLatin1String(selectedCommand(request, named).name))
        return false;
    if (request.command == QLatin1String(commands::WINDOW.name))
        return request.words.isEmpty() || request.words == QStringList{QStringLiteral("advanced")};
    return true;
}

} // namespace

const CommandKind *commandKind(const CommandRequest &request)
{
    if (request.command == QLatin1String(commands::WINDOW.name))
        return &commands::WINDOW;
    for (const OptionDeclaration &option : OPTIONS) {
        if (option.command && request.command == QLatin1String(option.command->name))
            return option.command;
    }
    return nullptr;
}

std::optional<QString> checkCommandRequest(const CommandRequest &request)
{
    const QVector<const CommandKind *> named = namedCommands(request);
    if (!wellFormed(request, named))
        return QCoreApplication::translate("InstanceServer", "Malformed request refused.");
    const bool gameRule = request.has(QStringLiteral("game-rule"));
    const bool diff = request.has(QStringLiteral("diff"));
    if (!gameRule && !diff && request.command != QLatin1String(commands::WINDOW.name) && !request.words.isEmpty())
        return QCoreApplication::translate("CommandLine", "Unexpected argument \"%1\".").arg(request.words.first());
    for (const char *single : {"format", "export", "output", "import", "name", "wait", "game-rule", "history-show", "diff", "restore"}) {
        if (request.values(QLatin1String(single)).size() > 1)
            return QCoreApplication::translate("CommandLine", "--%1 may be given once only.").arg(QLatin1String(single));
    }
    if (request.has(QStringLiteral("wait"))) {
        bool ok = false;
        const int seconds = request.value(QStringLiteral("wait")).toInt(&ok);
        if (!ok || seconds < 0 || seconds > 3600)
            return QCoreApplication::translate("CommandLine", "--wait needs a whole number of seconds from 0 to 3600.");
    }
    const QString format = request.options.value(QStringLiteral("format"), {QStringLiteral("text")}).value(0);
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return QCoreApplication::translate("CommandLine", "--format is text or json, not \"%1\".").arg(format);
    if (request.has(QStringLiteral("format")) && !request.has(QStringLiteral("show")) &&
        !request.has(QStringLiteral("monitor")) && !request.has(QStringLiteral("history-show")))
        return QCoreApplication::translate("CommandLine", "--format belongs to --show, --history-show or --monitor.");
    if (request.has(QStringLiteral("include-hardware")) && !request.has(QStringLiteral("restore")))
        return QCoreApplication::translate("CommandLine", "--include-hardware belongs to --restore.");
    if (request.has(QStringLiteral("output")) &&
        (request.value(QStringLiteral("export")).isEmpty() || request.value(QStringLiteral("output")).isEmpty()))
        return QCoreApplication::translate("CommandLine", "--output FILE belongs to --export.");
    if (request.has(QStringLiteral("import")) != request.has(QStringLiteral("name")))
        return QCoreApplication::translate("CommandLine", "--import FILE and --name NAME go together.");
    for (const CommandKind *kind : named) {
        if (kind->check) {
            if (std::optional<QString> problem = kind->check(request))
                return problem;
        }
    }
    // One thing at a time: listing, showing, a profile file operation, a game
    // rule, or applying (optionally around a command).
    if (named.size() > 1)
        return QCoreApplication::translate("CommandLine", "Use one of --list, --show, --export, --import, --game-rule, --monitor, "
                          "--remove-kernel-dead-zone, --restore-kernel-dead-zone, or the apply options (with "
                          "or without -- COMMAND).");
    if (request.has(QStringLiteral("background")) &&
        (!named.isEmpty() || request.has(QStringLiteral("help")) || request.has(QStringLiteral("version"))))
        return QCoreApplication::translate("CommandLine", "--background starts the window; it goes with no command.");
    if (request.has(QStringLiteral("wheel-test")) &&
        (!named.isEmpty() || request.has(QStringLiteral("background")) || request.has(QStringLiteral("help")) ||
         request.has(QStringLiteral("version"))))
        return QCoreApplication::translate("CommandLine", "--wheel-test opens the window; it goes with no command and without --background.");
    return std::nullopt;
}

std::variant<CommandRequest, CommandLineError> parseCommandLine(const QStringList &arguments)
{
    CommandRequest request;
    QStringList options = arguments;
    const qsizetype separator = commandSeparator(arguments);
    if (separator >= 0) {
        options = arguments.mid(0, separator);
        request.wrapped = arguments.mid(separator + 1);
        if (request.wrapped.isEmpty())
            return CommandLineError{QCoreApplication::translate("CommandLine", "No command after \"--\".")};
    }

    QCommandLineParser parser;
    declareOptions(parser);
    // The parser skips the first entry, the program name.
    if (!parser.parse(QStringList{QStringLiteral("vellox-wheel-setup")} + options))
        return CommandLineError{parser.errorText()};
    for (const OptionDeclaration &option : OPTIONS) {
        const QString name = QString::fromLatin1(option.name);
        if (parser.isSet(name))
            request.options.insert(name, option.valueName ? parser.values(name) : QStringList());
    }
    const QVector<const CommandKind *> named = namedCommands(request);
    request.command = QString::fromLatin1(selectedCommand(request, named).name);

    // "advanced" counts as the first argument only, as it always has. The
    // window looks at nothing else; a command takes no stray words, and the
    // words after --game-rule's action are its game and profiles.
    const QStringList positional = parser.positionalArguments();
    const bool advanced = options.value(0) == QLatin1String("advanced");
    if (request.has(QStringLiteral("game-rule")) || request.has(QStringLiteral("diff")))
        request.words = positional;
    else if (request.command == QLatin1String(commands::WINDOW.name))
        request.words = advanced ? QStringList{QStringLiteral("advanced")} : QStringList();
    else
        request.words = positional.mid(advanced ? 1 : 0);

    if (const std::optional<QString> problem = checkCommandRequest(request))
        return CommandLineError{*problem};
    return request;
}

QString commandLineHelp()
{
    QCommandLineParser parser;
    declareOptions(parser);
    QString text = parser.helpText();
    // The usage line names the program as it was started; the installed name reads better.
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    const qsizetype name = text.indexOf(QLatin1String(": ")) + 2;
    if (options > name && name > 1 && !text.left(options).contains(QLatin1Char('\n')))
        text.replace(name, options - name, QStringLiteral("vellox-wheel-setup"));
    return text;
}

QString commandLineVersion()
{
    return QStringLiteral("vellox-wheel-setup %1\n").arg(versionText(softwareVersion()));
}
