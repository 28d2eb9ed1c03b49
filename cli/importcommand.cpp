// SPDX-License-Identifier: GPL-3.0-or-later
// --import --name: a settings text stored as a profile, every field of its kind named.
#include "cli/command.h"
#include "cli/profilereference.h"
#include "settings/profilefile.h"
#include "settings/settingsfields.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

class ImportCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &context) override
    {
        const QString importFile = request.value(QStringLiteral("import"));
        const QString name = request.value(QStringLiteral("name"));
        if (!ProfileStore::isAcceptableName(name)) {
            finish(exitstatus::BAD_INPUT,
                   QCoreApplication::translate("CommandExecutor", "\"%1\" is no usable profile name.").arg(name));
            return;
        }
        QString error;
        const std::optional<QByteArray> bytes = readInputFile(
            QDir(context.workingDirectory).absoluteFilePath(importFile), MAX_SETTINGS_TEXT_SIZE, &error);
        if (!bytes) {
            finish(exitstatus::BAD_INPUT, error);
            return;
        }
        const auto parsed = parseSettingsText(*bytes);
        if (const auto *textError = std::get_if<SettingsTextError>(&parsed)) {
            finish(exitstatus::BAD_INPUT, QStringLiteral("%1: %2").arg(importFile, describe(*textError)));
            return;
        }
        const SettingsText &text = std::get<SettingsText>(parsed);
        if (text.kind == SettingsTextKind::All) {
            finish(exitstatus::BAD_INPUT,
                   QCoreApplication::translate("CommandExecutor", "%1: a profile is of kind effects or periphery.")
                       .arg(importFile));
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
                finish(exitstatus::BAD_INPUT,
                       QCoreApplication::translate(
                           "CommandExecutor", "%1: \"%2\" is missing; a stored profile needs every field of its kind.")
                           .arg(importFile, QLatin1String(field.key)));
                return;
            }
        }
        ControllerSettings settings{};
        applySettingsText(text, &settings);
        const ProfileStore store = storeFor(text.kind, context.workingDirectory);
        if (!store.save(name, rawProfileBytes(text.kind, settings))) {
            finish(exitstatus::FAILED, QCoreApplication::translate("CommandExecutor", "Cannot store the profile in %1.")
                                           .arg(store.directoryPath()));
            return;
        }
        finish(exitstatus::DONE);
    }
};

std::optional<QString> checkImport(const CommandRequest &request)
{
    if (request.value(QStringLiteral("import")).isEmpty() || request.value(QStringLiteral("name")).isEmpty())
        return QCoreApplication::translate("CommandLine", "--import and --name need a file and a name.");
    return std::nullopt;
}

} // namespace

const CommandKind commands::IMPORT{"import", true, false, [] { return static_cast<Command *>(new ImportCommand); },
                                   checkImport};
