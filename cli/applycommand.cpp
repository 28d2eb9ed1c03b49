// SPDX-License-Identifier: GPL-3.0-or-later
// --profile, --set and --save: profiles first, then each field in the order
// given, then saving; the launch wrapper's apply too. Also the restore that
// puts the records found before back.
#include "cli/controllercommand.h"
#include "cli/profilereference.h"
#include "cli/settingstarget.h"
#include "games/settingslayerkeeper.h"
#include "settings/profilefile.h"
#include "settings/settingsfields.h"
#include "settings/settingslayers.h"

#include <QCoreApplication>
#include <QDir>
#include <QPair>
#include <QVector>

namespace {

class ApplyCommand : public ControllerCommand
{
protected:
    bool load(const CommandRequest &request, const QString &workingDirectory) override;
    void ready() override;
    void settledWrites() override;

private:
    struct LoadedProfile {
        QByteArray bytes;
        std::optional<SettingsTextKind> kind; // when named effects:/periphery:
    };

    bool loadProfile(const QString &reference, const QString &workingDirectory);
    bool loadField(const QString &set);

    QVector<LoadedProfile> profiles;
    QVector<QPair<const SettingsField *, int>> fieldValues;
    bool save = false;
    // The fields this apply sets, with their values.
    FieldValues asked;
    QString snapshotReason;
};

// The options as the user gave them, for the history: "before --profile
// effects:Rally --set motion_range=900 -- acc.exe".
QString describeApply(const CommandRequest &request)
{
    QStringList words;
    for (const QString &profile : request.values(QStringLiteral("profile")))
        words << QStringLiteral("--profile") << profile;
    for (const QString &set : request.values(QStringLiteral("set")))
        words << QStringLiteral("--set") << set;
    if (request.has(QStringLiteral("save")))
        words << QStringLiteral("--save");
    if (!request.wrapped.isEmpty())
        words << QStringLiteral("--") << request.wrapped.first();
    return QCoreApplication::translate("CommandExecutor", "before %1").arg(words.join(QLatin1Char(' ')));
}

bool ApplyCommand::load(const CommandRequest &request, const QString &workingDirectory)
{
    save = request.has(QStringLiteral("save"));
    snapshotReason = describeApply(request);
    for (const QString &reference : request.values(QStringLiteral("profile"))) {
        if (!loadProfile(reference, workingDirectory))
            return false;
    }
    for (const QString &set : request.values(QStringLiteral("set"))) {
        if (!loadField(set))
            return false;
    }
    return true;
}

bool ApplyCommand::loadProfile(const QString &reference, const QString &workingDirectory)
{
    LoadedProfile profile;
    if (const auto stored = storedReference(reference)) {
        const ProfileStore store = storeFor(stored->kind, workingDirectory);
        const std::optional<QByteArray> bytes = store.load(stored->name);
        if (!bytes) {
            finish(exitstatus::BAD_INPUT, QCoreApplication::translate("CommandExecutor", "No usable profile \"%1\" in %2.")
                                              .arg(stored->name, store.directoryPath()));
            return false;
        }
        profile = {*bytes, stored->kind};
    } else {
        QString error;
        const std::optional<QByteArray> bytes =
            readInputFile(QDir(workingDirectory).absoluteFilePath(reference), MAX_SETTINGS_TEXT_SIZE, &error);
        if (!bytes) {
            finish(exitstatus::BAD_INPUT, error);
            return false;
        }
        profile.bytes = *bytes;
    }
    // A zeroed controller state is enough to check a file; it is read again
    // against the real state once the controller is there.
    const auto checked = readProfileFile(profile.bytes, profile.kind, ControllerSettings{});
    if (const auto *error = std::get_if<SettingsTextError>(&checked)) {
        finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(reference, describe(*error)));
        return false;
    }
    if (std::get<ProfileFile>(checked).kind == SettingsTextKind::All) {
        finish(exitstatus::BAD_INPUT,
               QCoreApplication::translate("CommandExecutor", "%1: a profile is of kind effects or periphery.")
                   .arg(reference));
        return false;
    }
    profiles.append(profile);
    return true;
}

bool ApplyCommand::loadField(const QString &set)
{
    const qsizetype equals = set.indexOf(QLatin1Char('='));
    const QString key = set.left(equals).trimmed();
    const SettingsField *field = findSettingsField(key);
    if (!field) {
        finish(exitstatus::BAD_INPUT, QCoreApplication::translate("CommandExecutor", "Unknown key \"%1\".").arg(key));
        return false;
    }
    const auto value = parseFieldValue(*field, QStringView(set).mid(equals + 1).trimmed());
    if (const auto *error = std::get_if<QString>(&value)) {
        finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(key, *error));
        return false;
    }
    fieldValues.append({field, std::get<int>(value)});
    return true;
}

void ApplyCommand::ready()
{
    answer.before = target->current();
    target->recordSnapshot(snapshotReason);
    // Every step's outcome is worked out first, so that the layers' journal
    // names what the controller will hold before anything goes out.
    QVector<QPair<SettingsRecord, ControllerSettings>> steps;
    ControllerSettings next = *answer.before;
    for (const LoadedProfile &profile : std::as_const(profiles)) {
        // Checked before: the same bytes read against the real state.
        const ProfileFile file = std::get<ProfileFile>(readProfileFile(profile.bytes, profile.kind, next));
        if (file.kind == SettingsTextKind::Effects) {
            next.effects = file.settings.effects;
            asked.insert(recordValues(next, {SettingsRecord::Effects}));
            steps.append({SettingsRecord::Effects, next});
        } else {
            next.adc = file.settings.adc;
            next.gpio = file.settings.gpio;
            asked.insert(recordValues(next, {SettingsRecord::Adc, SettingsRecord::Gpio}));
            steps.append({SettingsRecord::Adc, next});
        }
    }
    for (const auto &[field, state] : std::as_const(fieldValues)) {
        applySettingsText(SettingsText{SettingsTextKind::All, QString(), {{field, state}}}, &next);
        asked.insert(int(field - settingsFields().constData()), recordValue(next, *field));
        steps.append({field->record, next});
    }
    if (layers) {
        // The instance's own stderr reaches nobody: the start that asked is told.
        connect(layers, &SettingsLayerKeeper::journalFailed, this, [this](const QString &problem) {
            const QByteArray line = QStringLiteral("vellox-wheel-setup: %1\n").arg(problem).toUtf8();
            if (!answer.err.contains(line))
                answer.err += line;
        });
        layers->willApply(*answer.before, next, target->firmwareVersionText());
    }
    for (const auto &[record, settings] : std::as_const(steps)) {
        switch (record) {
        case SettingsRecord::Effects:
            target->applyEffects(settings.effects);
            break;
        case SettingsRecord::Hardware:
            target->applyHardware(settings.hardware);
            break;
        case SettingsRecord::Adc:
        case SettingsRecord::Gpio:
            target->applyPeriphery(settings.adc, settings.gpio);
            break;
        }
    }
    if (save)
        target->saveAndReboot();
    target->settle();
}

void ApplyCommand::settledWrites()
{
    // The layer holds only what reached the controller.
    if (layers)
        layers->push(layerName, *answer.before, reachedValues(asked, target->current()));
}

class RestoreCommand : public ControllerCommand
{
public:
    explicit RestoreCommand(const ControllerSettings &records)
        : before(records)
    {
    }

protected:
    void ready() override
    {
        // A wrapper's layer comes off: the controller gets what the layers
        // still on give (the records found before once the last has ended),
        // with every field changed by hand meanwhile left as it is.
        if (layers && layers->has(layerName))
            before = layers->end(layerName, target->current());
        else if (layers)
            before = target->current();
        target->applyEffects(before.effects);
        target->applyHardware(before.hardware);
        target->applyPeriphery(before.adc, before.gpio);
        target->settle();
    }
    void settledWrites() override
    {
        if (layers)
            layers->settled(target->current());
    }

private:
    ControllerSettings before;
};

std::optional<QString> checkApply(const CommandRequest &request)
{
    for (const QString &profile : request.values(QStringLiteral("profile"))) {
        if (std::optional<QString> problem = checkProfileReference(profile, true))
            return problem;
    }
    for (const QString &set : request.values(QStringLiteral("set"))) {
        if (set.indexOf(QLatin1Char('=')) <= 0)
            return QCoreApplication::translate("CommandLine", "--set needs KEY=VALUE, not \"%1\".").arg(set);
    }
    return std::nullopt;
}

} // namespace

const CommandKind commands::APPLY{"apply", false, true, [] { return static_cast<Command *>(new ApplyCommand); },
                                  checkApply};

Command *createRestoreCommand(const ControllerSettings &settings)
{
    return new RestoreCommand(settings);
}
