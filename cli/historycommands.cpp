// SPDX-License-Identifier: GPL-3.0-or-later
// The settings history on the command line: --history, --history-show,
// --diff and --restore.
#include "cli/controllercommand.h"
#include "cli/profilereference.h"
#include "cli/settingstarget.h"
#include "history/historycommands.h"
#include "history/settingsdiff.h"
#include "settings/appfiles.h"
#include "settings/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>

#include <variant>

namespace {

const QString NOW = QStringLiteral("now");

class HistoryCommand : public Command
{
public:
    void start(const CommandRequest &, const Context &) override
    {
        answer.out = historyListText(appfiles::historyFolder()).toUtf8();
        finish(exitstatus::DONE);
    }
};

class HistoryShowCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &) override
    {
        const QString id = request.value(QStringLiteral("history-show"));
        const bool json = request.value(QStringLiteral("format")) == QLatin1String("json");
        const auto shown =
            historyShow(appfiles::historyFolder(), id, json ? HistoryFormat::Json : HistoryFormat::Text);
        if (const QString *error = std::get_if<QString>(&shown)) {
            finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(id, *error));
            return;
        }
        answer.out = std::get<QByteArray>(shown);
        finish(exitstatus::DONE);
    }
};

// What one side of --diff stands for; `now` is filled in once the
// controller's records are known.
std::variant<FieldStates, QString> operandStates(const QString &operand, const QString &workingDirectory)
{
    if (isSnapshotId(operand)) {
        const auto settings = snapshotSettings(appfiles::historyFolder(), operand);
        if (const QString *error = std::get_if<QString>(&settings))
            return QStringLiteral("%1: %2").arg(operand, *error);
        return statesOf(std::get<SettingsText>(settings));
    }
    QByteArray bytes;
    std::optional<SettingsTextKind> kind;
    if (const auto stored = storedReference(operand)) {
        const ProfileStore store = storeFor(stored->kind, workingDirectory);
        const std::optional<QByteArray> loaded = store.load(stored->name);
        if (!loaded)
            return QCoreApplication::translate("CommandExecutor", "No usable profile \"%1\" in %2.")
                .arg(stored->name, store.directoryPath());
        bytes = *loaded;
        kind = stored->kind;
    } else {
        QString error;
        const std::optional<QByteArray> read =
            readInputFile(QDir(workingDirectory).absoluteFilePath(operand), MAX_SETTINGS_TEXT_SIZE, &error);
        if (!read)
            return error;
        bytes = *read;
    }
    if (looksLikeSettingsText(bytes)) {
        // Only the fields the text names take part.
        const auto text = parseSettingsText(bytes, kind);
        if (const auto *error = std::get_if<SettingsTextError>(&text))
            return QStringLiteral("%1: %2").arg(operand, describe(*error));
        return statesOf(std::get<SettingsText>(text));
    }
    const auto file = readProfileFile(bytes, kind, ControllerSettings{});
    if (const auto *error = std::get_if<SettingsTextError>(&file))
        return QStringLiteral("%1: %2").arg(operand, describe(*error));
    const ProfileFile &profile = std::get<ProfileFile>(file);
    FieldStates states = statesOf(profile.settings);
    const QVector<SettingsField> &fields = settingsFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!kindCovers(profile.kind, fields.at(i).record))
            states[i].reset();
    }
    return states;
}

class DiffCommand : public ControllerCommand
{
protected:
    bool load(const CommandRequest &request, const QString &workingDirectory) override
    {
        operands[0] = request.value(QStringLiteral("diff"));
        operands[1] = request.words.value(0);
        for (int i = 0; i < 2; ++i) {
            if (operands[i] == NOW)
                continue;
            auto resolved = operandStates(operands[i], workingDirectory);
            if (const QString *error = std::get_if<QString>(&resolved)) {
                finish(exitstatus::BAD_INPUT, *error);
                return false;
            }
            states[i] = std::get<FieldStates>(std::move(resolved));
        }
        // The controller is opened only when one side is what it holds now.
        if (operands[0] == NOW || operands[1] == NOW)
            return true;
        compare();
        return false;
    }

    void ready() override
    {
        for (int i = 0; i < 2; ++i) {
            if (operands[i] == NOW)
                states[i] = statesOf(target->current());
        }
        compare();
    }

private:
    void compare()
    {
        // Exit status 0 either way: the differences are the answer.
        answer.out = formatDifferences(diffStates(states[0], states[1])).toUtf8();
        finish(exitstatus::DONE);
    }

    QString operands[2];
    FieldStates states[2];
};

class RestoreSnapshotCommand : public ControllerCommand
{
protected:
    bool load(const CommandRequest &request, const QString &) override
    {
        id = request.value(QStringLiteral("restore"));
        includeHardware = request.has(QStringLiteral("include-hardware"));
        auto loaded = loadSnapshot(appfiles::historyFolder(), id);
        if (const QString *error = std::get_if<QString>(&loaded)) {
            finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(id, *error));
            return false;
        }
        snapshot = std::get<Snapshot>(std::move(loaded));
        return true;
    }

    void ready() override
    {
        if (snapshot.header.controller != SettingsTarget::controllerName()) {
            finish(exitstatus::BAD_INPUT,
                   QCoreApplication::translate("CommandExecutor",
                                               "The snapshot %1 is of another controller (%2); nothing was sent.")
                       .arg(id, snapshot.header.controller));
            return;
        }
        const ControllerSettings now = target->current();
        const RestorePlan plan = planRestore(now, snapshot.settings, includeHardware);
        if (plan.hardwareLeftOut > 0)
            answer.err += QCoreApplication::translate("CommandExecutor",
                                                      "%n hardware field(s) differ and stay as they are; "
                                                      "--include-hardware puts them back too.\n",
                                                      nullptr, plan.hardwareLeftOut)
                              .toUtf8();
        if (plan.writes.isEmpty()) {
            answer.out = QCoreApplication::translate("CommandExecutor",
                                                     "The controller holds these settings already; nothing was sent.\n")
                             .toUtf8();
            finish(exitstatus::DONE);
            return;
        }
        target->recordSnapshot(QCoreApplication::translate("CommandExecutor", "before --restore %1").arg(id));
        applyRestorePlan(*target, plan);
        target->settle();
    }

private:
    QString id;
    bool includeHardware = false;
    Snapshot snapshot;
};

std::optional<QString> checkSnapshotId(const QString &option, const QString &id)
{
    if (isSnapshotId(id))
        return std::nullopt;
    return QCoreApplication::translate("CommandLine", "--%1 needs a snapshot id as --history lists it, not \"%2\".")
        .arg(option, id);
}

std::optional<QString> checkDiff(const CommandRequest &request)
{
    if (request.words.size() != 1)
        return QCoreApplication::translate("CommandLine", "--diff needs two operands: --diff A B.");
    for (const QString &operand : {request.value(QStringLiteral("diff")), request.words.first()}) {
        if (operand == NOW || isSnapshotId(operand))
            continue;
        if (std::optional<QString> problem = checkProfileReference(operand, true))
            return problem;
    }
    return std::nullopt;
}

} // namespace

const CommandKind commands::HISTORY{"history", true, false,
                                    [] { return static_cast<Command *>(new HistoryCommand); }, nullptr};
const CommandKind commands::HISTORY_SHOW{
    "history-show", true, false, [] { return static_cast<Command *>(new HistoryShowCommand); },
    [](const CommandRequest &request) {
        return checkSnapshotId(QStringLiteral("history-show"), request.value(QStringLiteral("history-show")));
    }};
// Through the running instance: `now` is what its controller holds.
const CommandKind commands::DIFF{"diff", false, true, [] { return static_cast<Command *>(new DiffCommand); },
                                 checkDiff};
const CommandKind commands::RESTORE{
    "restore", false, true, [] { return static_cast<Command *>(new RestoreSnapshotCommand); },
    [](const CommandRequest &request) {
        return checkSnapshotId(QStringLiteral("restore"), request.value(QStringLiteral("restore")));
    }};
