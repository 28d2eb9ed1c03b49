// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandexecutor.h"

#include "cli/settingstarget.h"
#include "device/appversion.h"
#include "games/gameprofiles.h"
#include "games/gamerules.h"
#include "settings/appfiles.h"
#include "settings/profilefile.h"
#include "settings/profilestore.h"
#include "settings/settingsfields.h"
#include "settings/settingstext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <QJsonObject>
#include <QSaveFile>

namespace {


struct StoredReference {
    SettingsTextKind kind;
    QString name;
};

std::optional<StoredReference> storedReference(const QString &reference)
{
    if (reference.startsWith(QLatin1String("effects:")))
        return StoredReference{SettingsTextKind::Effects, reference.mid(8)};
    if (reference.startsWith(QLatin1String("periphery:")))
        return StoredReference{SettingsTextKind::Periphery, reference.mid(10)};
    return std::nullopt;
}

ProfileStore storeFor(SettingsTextKind kind, const QString &workingDirectory)
{
    const bool effects = kind == SettingsTextKind::Effects;
    return ProfileStore(effects ? appfiles::effectsProfilesFolder(workingDirectory)
                                : appfiles::peripheryProfilesFolder(workingDirectory),
                        rawProfileSize(kind));
}

QString describe(const SettingsTextError &error)
{
    return error.line > 0
               ? QCoreApplication::translate("CommandExecutor", "line %1: %2").arg(error.line).arg(error.message)
               : error.message;
}

QByteArray showJson(const QString &firmware, const ControllerSettings &settings)
{
    QJsonObject values;
    for (const SettingsField &field : settingsFields()) {
        const int state = shownState(field, recordValue(settings, field));
        if (field.control == SettingsControl::Number)
            values.insert(QLatin1String(field.key), state);
        else
            values.insert(QLatin1String(field.key), formatFieldValue(field, state));
    }
    QJsonObject root;
    root.insert(QStringLiteral("firmware_version"), firmware);
    root.insert(QStringLiteral("settings"), values);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

std::optional<QByteArray> readInputFile(const QString &path, qsizetype maxSize, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: no such file.").arg(path);
        return std::nullopt;
    }
    // Devices, pipes and folders are no profiles; reading one could block or never end.
    if (!info.isFile()) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: not a plain file.").arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: larger than %2 bytes.").arg(path).arg(maxSize);
        return std::nullopt;
    }
    return bytes;
}

CommandExecutor::CommandExecutor(SettingsTarget *settingsTarget, QObject *parent)
    : QObject(parent)
    , target(settingsTarget)
{
    // Help, version and the profile file operations need no target.
    if (!target)
        return;
    connect(target, &SettingsTarget::ready, this, &CommandExecutor::onReady);
    connect(target, &SettingsTarget::failed, this,
            [this](int status, const QString &message) { finish(status, message); });
    connect(target, &SettingsTarget::settled, this, &CommandExecutor::onSettled);
    connect(target, &SettingsTarget::listed, this, [this](const QStringList &lines) {
        for (const QString &line : lines)
            answer.out += line.toUtf8() + '\n';
        if (lines.isEmpty())
            finish(exitstatus::NO_CONTROLLER, tr("No controller found."));
        else
            finish(exitstatus::DONE);
    });
}

void CommandExecutor::finish(int status, const QString &errorText)
{
    if (done)
        return;
    done = true;
    answer.status = status;
    if (!errorText.isEmpty())
        answer.err += QStringLiteral("vellox-wheel-setup: %1\n").arg(errorText).toUtf8();
    emit finished(answer);
}

void CommandExecutor::run(const CommandRequest &commandRequest, const QString &workingDirectory)
{
    request = commandRequest;
    if (request.help) {
        answer.out = commandLineHelp().toUtf8();
        finish(exitstatus::DONE);
    } else if (request.version) {
        answer.out = commandLineVersion().toUtf8();
        finish(exitstatus::DONE);
    } else if (!request.exportProfile.isEmpty()) {
        runExport(workingDirectory);
    } else if (!request.importFile.isEmpty()) {
        runImport(workingDirectory);
    } else if (!request.gameRule.isEmpty()) {
        runGameRule(workingDirectory);
    } else if (request.list) {
        target->listControllers();
    } else if (request.isWindow()) {
        // An instance runs already, in the tray or with its window: a start
        // with the desktop has nothing to add.
        if (request.background || target->raiseWindow())
            finish(exitstatus::DONE);
        else
            finish(exitstatus::FAILED, tr("A command holds the controller now; start the window when it has ended."));
    } else if (loadInputs(workingDirectory)) {
        target->prepare(request.waitSeconds * 1000);
    }
}

void CommandExecutor::restore(const ControllerSettings &settings, int waitSeconds)
{
    restoring = settings;
    target->prepare(waitSeconds * 1000);
}

bool CommandExecutor::loadInputs(const QString &workingDirectory)
{
    // A zeroed controller state is enough to check a file; it is read again
    // against the real state once the controller is there.
    const ControllerSettings blank{};
    for (const QString &reference : std::as_const(request.profiles)) {
        LoadedProfile profile{reference, {}, std::nullopt};
        if (const auto stored = storedReference(reference)) {
            const ProfileStore store = storeFor(stored->kind, workingDirectory);
            const std::optional<QByteArray> bytes = store.load(stored->name);
            if (!bytes) {
                finish(exitstatus::BAD_INPUT,
                       tr("No usable profile \"%1\" in %2.").arg(stored->name, store.directoryPath()));
                return false;
            }
            profile.bytes = *bytes;
            profile.kind = static_cast<int>(stored->kind);
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
        const std::optional<SettingsTextKind> kind =
            profile.kind ? std::optional<SettingsTextKind>(static_cast<SettingsTextKind>(*profile.kind)) : std::nullopt;
        const auto checked = readProfileFile(profile.bytes, kind, blank);
        if (const auto *error = std::get_if<SettingsTextError>(&checked)) {
            finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(reference, describe(*error)));
            return false;
        }
        if (std::get<ProfileFile>(checked).kind == SettingsTextKind::All) {
            finish(exitstatus::BAD_INPUT, tr("%1: a profile is of kind effects or periphery.").arg(reference));
            return false;
        }
        profiles.append(profile);
    }
    for (const QString &set : std::as_const(request.sets)) {
        const qsizetype equals = set.indexOf(QLatin1Char('='));
        const QString key = set.left(equals).trimmed();
        const SettingsField *field = findSettingsField(key);
        if (!field) {
            finish(exitstatus::BAD_INPUT, tr("Unknown key \"%1\".").arg(key));
            return false;
        }
        const auto value = parseFieldValue(*field, QStringView(set).mid(equals + 1).trimmed());
        if (const auto *error = std::get_if<QString>(&value)) {
            finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(key, *error));
            return false;
        }
        fieldValues.append({field, std::get<int>(value)});
    }
    return true;
}

void CommandExecutor::onReady()
{
    if (done)
        return;
    if (target->firmwareVersionText() != versionText(softwareVersion()))
        answer.err += tr("vellox-wheel-setup: warning: the controller runs firmware %1, this tool is %2; "
                         "settings may not mean the same to it.\n")
                          .arg(target->firmwareVersionText(), versionText(softwareVersion()))
                          .toUtf8();
    if (restoring) {
        target->applyEffects(restoring->effects);
        target->applyHardware(restoring->hardware);
        target->applyPeriphery(restoring->adc, restoring->gpio);
        target->settle();
        return;
    }
    if (request.show) {
        if (request.format == QLatin1String("json"))
            answer.out = showJson(target->firmwareVersionText(), target->current());
        else
            answer.out = formatSettingsText(SettingsTextKind::All, target->firmwareVersionText(), target->current());
        finish(exitstatus::DONE);
        return;
    }
    answer.before = target->current();
    applyChanges();
    target->settle();
}

void CommandExecutor::applyChanges()
{
    for (const LoadedProfile &profile : std::as_const(profiles)) {
        const std::optional<SettingsTextKind> kind =
            profile.kind ? std::optional<SettingsTextKind>(static_cast<SettingsTextKind>(*profile.kind)) : std::nullopt;
        // Checked before: the same bytes read against the real state.
        const ProfileFile file = std::get<ProfileFile>(readProfileFile(profile.bytes, kind, target->current()));
        if (file.kind == SettingsTextKind::Effects)
            target->applyEffects(file.settings.effects);
        else
            target->applyPeriphery(file.settings.adc, file.settings.gpio);
    }
    for (const auto &[field, state] : std::as_const(fieldValues)) {
        ControllerSettings settings = target->current();
        applySettingsText(SettingsText{SettingsTextKind::All, QString(), {{field, state}}}, &settings);
        switch (field->record) {
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
    if (request.save)
        target->saveAndReboot();
}

void CommandExecutor::onSettled(bool controllerLeft, const QStringList &lostWrites)
{
    if (done)
        return;
    if (!controllerLeft) {
        finish(exitstatus::DONE);
        return;
    }
    finish(exitstatus::CONTROLLER_LEFT,
           lostWrites.isEmpty()
               ? tr("The controller left during the operation; some writes may not have arrived.")
               : tr("The controller left during the operation; these writes may not have arrived: %1.")
                     .arg(lostWrites.join(QStringLiteral(", "))));
}

void CommandExecutor::runExport(const QString &workingDirectory)
{
    const StoredReference stored = *storedReference(request.exportProfile);
    const ProfileStore store = storeFor(stored.kind, workingDirectory);
    const std::optional<QByteArray> bytes = store.load(stored.name);
    if (!bytes) {
        finish(exitstatus::BAD_INPUT, tr("No usable profile \"%1\" in %2.").arg(stored.name, store.directoryPath()));
        return;
    }
    const auto profile = readProfileFile(*bytes, stored.kind, ControllerSettings{});
    if (const auto *error = std::get_if<SettingsTextError>(&profile)) {
        finish(exitstatus::BAD_INPUT, describe(*error));
        return;
    }
    const QByteArray text = formatSettingsText(stored.kind, QString(), std::get<ProfileFile>(profile).settings);
    if (request.output.isEmpty()) {
        answer.out = text;
        finish(exitstatus::DONE);
        return;
    }
    QSaveFile file(QDir(workingDirectory).absoluteFilePath(request.output));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        finish(exitstatus::FAILED, tr("Cannot write %1: %2").arg(request.output, file.errorString()));
        return;
    }
    finish(exitstatus::DONE);
}

void CommandExecutor::runImport(const QString &workingDirectory)
{
    if (!ProfileStore::isAcceptableName(request.importName)) {
        finish(exitstatus::BAD_INPUT, tr("\"%1\" is no usable profile name.").arg(request.importName));
        return;
    }
    QString error;
    const std::optional<QByteArray> bytes =
        readInputFile(QDir(workingDirectory).absoluteFilePath(request.importFile), MAX_SETTINGS_TEXT_SIZE, &error);
    if (!bytes) {
        finish(exitstatus::BAD_INPUT, error);
        return;
    }
    const auto parsed = parseSettingsText(*bytes);
    if (const auto *textError = std::get_if<SettingsTextError>(&parsed)) {
        finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(request.importFile, describe(*textError)));
        return;
    }
    const SettingsText &text = std::get<SettingsText>(parsed);
    if (text.kind == SettingsTextKind::All) {
        finish(exitstatus::BAD_INPUT, tr("%1: a profile is of kind effects or periphery.").arg(request.importFile));
        return;
    }
    // A stored profile holds every field: without a controller there is
    // nothing to fill a missing one from.
    for (const SettingsField &field : settingsFields()) {
        if (!kindCovers(text.kind, field.record))
            continue;
        const bool named = std::any_of(text.values.cbegin(), text.values.cend(),
                                       [&field](const auto &value) { return value.first == &field; });
        if (!named) {
            finish(exitstatus::BAD_INPUT, tr("%1: \"%2\" is missing; a stored profile needs every field of its kind.")
                                              .arg(request.importFile, QLatin1String(field.key)));
            return;
        }
    }
    ControllerSettings settings{};
    applySettingsText(text, &settings);
    const ProfileStore store = storeFor(text.kind, workingDirectory);
    if (!store.save(request.importName, rawProfileBytes(text.kind, settings))) {
        finish(exitstatus::FAILED, tr("Cannot store the profile in %1.").arg(store.directoryPath()));
        return;
    }
    finish(exitstatus::DONE);
}

void CommandExecutor::runGameRule(const QString &workingDirectory)
{
    // A running window takes the change at once; otherwise the INI file it
    // will read is edited.
    GameProfiles *games = target ? target->gameProfiles() : nullptr;
    std::optional<GameRules> fileRules;
    if (!games)
        fileRules.emplace(appfiles::iniFile(workingDirectory));
    GameRules &rules = games ? games->rules() : *fileRules;

    if (request.gameRule == QLatin1String("list")) {
        for (const GameRule &rule : rules.rules())
            answer.out += QStringLiteral("%1\t%2\t%3\n")
                              .arg(rule.game, rule.effectsProfile, rule.peripheryProfile)
                              .toUtf8();
        finish(exitstatus::DONE);
        return;
    }
    GameRule rule{request.gameRuleArguments.value(0), QString(), QString()};
    GameRules::Result result;
    if (request.gameRule == QLatin1String("remove")) {
        result = games ? games->removeRule(rule.game) : rules.remove(rule.game);
    } else {
        for (const QString &profile : request.gameRuleArguments.mid(1)) {
            const std::optional<StoredReference> stored = storedReference(profile);
            (stored->kind == SettingsTextKind::Effects ? rule.effectsProfile : rule.peripheryProfile) = stored->name;
        }
        result = games ? games->addRule(rule) : rules.add(rule);
    }
    if (result == GameRules::Result::Done)
        finish(exitstatus::DONE);
    else
        finish(result == GameRules::Result::NotWritten ? exitstatus::FAILED : exitstatus::BAD_INPUT,
               GameRules::describe(result, rule));
}
