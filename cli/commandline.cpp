// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "device/appversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const char *const CONTEXT = "CommandLine";

// Every option, declared once: --help, the man page and the completion file
// follow this list.
struct OptionDeclaration {
    const char *name;
    const char *valueName; // null for a switch
    const char *description;
};

const OptionDeclaration OPTIONS[] = {
    {"list", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "List the controllers found: node, firmware version, \"ok\", \"no permission\" or \"not readable\".")},
    {"show", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print the controller's current settings, all four records.")},
    {"format", "text|json", QT_TRANSLATE_NOOP("CommandLine", "The form --show prints in (default: text).")},
    {"profile", "effects:NAME|periphery:NAME|FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Apply a stored profile, or a text or raw profile file (repeatable).")},
    {"set", "KEY=VALUE",
     QT_TRANSLATE_NOOP("CommandLine", "Set one field (repeatable; after the profiles, in the order given).")},
    {"save", nullptr, QT_TRANSLATE_NOOP("CommandLine", "After applying: save and reboot, as the button does.")},
    {"export", "effects:NAME|periphery:NAME",
     QT_TRANSLATE_NOOP("CommandLine", "Write a stored profile as text (to standard output, or --output FILE).")},
    {"output", "FILE", QT_TRANSLATE_NOOP("CommandLine", "The file --export writes.")},
    {"import", "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Store a text profile under --name in its kind's profile folder (validated).")},
    {"name", "NAME", QT_TRANSLATE_NOOP("CommandLine", "The profile name for --import.")},
    {"wait", "SECONDS", QT_TRANSLATE_NOOP("CommandLine", "How long to wait for the controller (default: 5).")},
    {"game-rule", "list|add|remove",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The game profiles' rules: list them (game, Effects profile, Periphery profile, "
                       "separated by tabs), add GAME [effects:NAME] [periphery:NAME] (replaces the game's rule), "
                       "or remove GAME. No controller needed.")},
    {"background", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Start with the tray icon only, without showing the window (where there is no tray, the "
                       "window shows).")},
    {"data-home", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Work in $XDG_DATA_HOME/vellox-wheel-setup (profiles, INI file) instead of the current folder.")},
    {"version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print the version and exit.")},
    {"help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print this help and exit.")},
};

void declareOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Reads and edits the settings of a Vellox wheel controller. Without options it opens the window; "
        "with options it runs as a command without a window.\n\n"
        "Exit status: 0 done; 2 bad usage or input (nothing sent); 3 no controller within --wait; "
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

std::optional<QString> checkProfileReference(const QString &reference, bool fileAllowed)
{
    for (const char *kind : {"effects:", "periphery:"}) {
        if (reference.startsWith(QLatin1String(kind))) {
            if (reference.size() == qsizetype(qstrlen(kind)))
                return QCoreApplication::translate("CommandLine", "No profile name after \"%1\".")
                    .arg(QLatin1String(kind));
            return std::nullopt;
        }
    }
    if (!fileAllowed)
        return QCoreApplication::translate("CommandLine",
                                           "\"%1\" names no stored profile: use effects:NAME or periphery:NAME.")
            .arg(reference);
    if (reference.isEmpty())
        return QCoreApplication::translate("CommandLine", "An empty profile file name.");
    return std::nullopt;
}

std::optional<QString> checkGameRule(const QString &action, const QStringList &arguments)
{
    if (action == QLatin1String("list")) {
        if (!arguments.isEmpty())
            return QCoreApplication::translate("CommandLine", "--game-rule list takes nothing after it.");
        return std::nullopt;
    }
    if (action == QLatin1String("remove")) {
        if (arguments.size() != 1)
            return QCoreApplication::translate("CommandLine", "--game-rule remove needs one game: remove GAME.");
        return std::nullopt;
    }
    if (action != QLatin1String("add"))
        return QCoreApplication::translate("CommandLine", "--game-rule is list, add or remove, not \"%1\".")
            .arg(action);
    if (arguments.isEmpty() || arguments.size() > 3)
        return QCoreApplication::translate("CommandLine",
                                           "--game-rule add needs GAME [effects:NAME] [periphery:NAME].");
    bool effects = false;
    bool periphery = false;
    for (const QString &profile : arguments.mid(1)) {
        if (const auto problem = checkProfileReference(profile, false))
            return problem;
        bool &seen = profile.startsWith(QLatin1String("effects:")) ? effects : periphery;
        if (seen)
            return QCoreApplication::translate("CommandLine", "--game-rule add takes one profile of each kind.");
        seen = true;
    }
    if (!effects && !periphery)
        return QCoreApplication::translate("CommandLine",
                                           "--game-rule add needs a profile: effects:NAME, periphery:NAME or both.");
    return std::nullopt;
}

} // namespace

bool CommandRequest::isWindow() const
{
    return !help && !version && !list && !show && !changesSettings() && exportProfile.isEmpty() &&
           importFile.isEmpty() && command.isEmpty() && gameRule.isEmpty();
}

std::variant<CommandRequest, CommandLineError> parseCommandLine(const QStringList &arguments)
{
    CommandRequest request;
    QStringList options = arguments;
    const qsizetype separator = commandSeparator(arguments);
    if (separator >= 0) {
        options = arguments.mid(0, separator);
        request.command = arguments.mid(separator + 1);
        if (request.command.isEmpty())
            return CommandLineError{QCoreApplication::translate("CommandLine", "No command after \"--\".")};
    }

    QCommandLineParser parser;
    declareOptions(parser);
    // The parser skips the first entry, the program name.
    if (!parser.parse(QStringList{QStringLiteral("vellox-wheel-setup")} + options))
        return CommandLineError{parser.errorText()};

    QStringList positional = parser.positionalArguments();
    // The words after --game-rule's action are its game and profiles.
    if (parser.isSet(QStringLiteral("game-rule")))
        std::swap(positional, request.gameRuleArguments);
    for (qsizetype i = 0; i < positional.size(); ++i) {
        // "advanced" counts as the first argument only, as it always has.
        if (i == 0 && positional.at(i) == QLatin1String("advanced") && options.value(0) == QLatin1String("advanced"))
            request.advanced = true;
        else
            return CommandLineError{
                QCoreApplication::translate("CommandLine", "Unexpected argument \"%1\".").arg(positional.at(i))};
    }

    request.help = parser.isSet(QStringLiteral("help"));
    request.version = parser.isSet(QStringLiteral("version"));
    request.list = parser.isSet(QStringLiteral("list"));
    request.show = parser.isSet(QStringLiteral("show"));
    request.save = parser.isSet(QStringLiteral("save"));
    request.profiles = parser.values(QStringLiteral("profile"));
    request.sets = parser.values(QStringLiteral("set"));
    if (parser.isSet(QStringLiteral("format")))
        request.format = parser.value(QStringLiteral("format"));
    request.exportProfile = parser.value(QStringLiteral("export"));
    request.output = parser.value(QStringLiteral("output"));
    request.importFile = parser.value(QStringLiteral("import"));
    request.importName = parser.value(QStringLiteral("name"));

    request.background = parser.isSet(QStringLiteral("background"));
    request.gameRule = parser.value(QStringLiteral("game-rule"));

    for (const char *single : {"format", "export", "output", "import", "name", "wait", "game-rule"}) {
        if (parser.values(QLatin1String(single)).size() > 1)
            return CommandLineError{
                QCoreApplication::translate("CommandLine", "--%1 may be given once only.").arg(QLatin1String(single))};
    }
    if (parser.isSet(QStringLiteral("wait"))) {
        bool ok = false;
        request.waitSeconds = parser.value(QStringLiteral("wait")).toInt(&ok);
        if (!ok || request.waitSeconds < 0 || request.waitSeconds > 3600)
            return CommandLineError{
                QCoreApplication::translate("CommandLine", "--wait needs a whole number of seconds from 0 to 3600.")};
    }
    if (request.format != QLatin1String("text") && request.format != QLatin1String("json"))
        return CommandLineError{
            QCoreApplication::translate("CommandLine", "--format is text or json, not \"%1\".").arg(request.format)};
    if (parser.isSet(QStringLiteral("format")) && !request.show)
        return CommandLineError{QCoreApplication::translate("CommandLine", "--format belongs to --show.")};
    if (parser.isSet(QStringLiteral("output")) && (request.exportProfile.isEmpty() || request.output.isEmpty()))
        return CommandLineError{QCoreApplication::translate("CommandLine", "--output FILE belongs to --export.")};
    if (parser.isSet(QStringLiteral("import")) != parser.isSet(QStringLiteral("name")))
        return CommandLineError{
            QCoreApplication::translate("CommandLine", "--import FILE and --name NAME go together.")};
    if (parser.isSet(QStringLiteral("import")) && (request.importFile.isEmpty() || request.importName.isEmpty()))
        return CommandLineError{
            QCoreApplication::translate("CommandLine", "--import and --name need a file and a name.")};
    if (parser.isSet(QStringLiteral("export"))) {
        if (const auto problem = checkProfileReference(request.exportProfile, false))
            return CommandLineError{*problem};
    }
    for (const QString &profile : std::as_const(request.profiles)) {
        if (const auto problem = checkProfileReference(profile, true))
            return CommandLineError{*problem};
    }
    for (const QString &set : std::as_const(request.sets)) {
        if (set.indexOf(QLatin1Char('=')) <= 0)
            return CommandLineError{
                QCoreApplication::translate("CommandLine", "--set needs KEY=VALUE, not \"%1\".").arg(set)};
    }

    if (parser.isSet(QStringLiteral("game-rule"))) {
        if (const auto problem = checkGameRule(request.gameRule, request.gameRuleArguments))
            return CommandLineError{*problem};
    }

    // One thing at a time: listing, showing, a profile file operation, a game
    // rule, or applying (optionally around a command).
    const int actions = int(request.list) + int(request.show) + int(!request.exportProfile.isEmpty()) +
                        int(!request.importFile.isEmpty()) + int(parser.isSet(QStringLiteral("game-rule"))) +
                        int(request.changesSettings() || !request.command.isEmpty());
    if (actions > 1)
        return CommandLineError{QCoreApplication::translate(
            "CommandLine", "Use one of --list, --show, --export, --import, --game-rule, or the apply options (with "
                           "or without -- COMMAND).")};
    if (request.background && (actions > 0 || request.help || request.version))
        return CommandLineError{
            QCoreApplication::translate("CommandLine", "--background starts the window; it goes with no command.")};
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
