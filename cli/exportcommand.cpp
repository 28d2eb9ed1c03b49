// SPDX-License-Identifier: GPL-3.0-or-later
// --export: a stored profile written as settings text.
#include "cli/command.h"
#include "cli/profilereference.h"
#include "settings/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

class ExportCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &context) override
    {
        const StoredReference stored = *storedReference(request.value(QStringLiteral("export")));
        const ProfileStore store = storeFor(stored.kind, context.workingDirectory);
        const std::optional<QByteArray> bytes = store.load(stored.name);
        if (!bytes) {
            finish(exitstatus::BAD_INPUT, QCoreApplication::translate("CommandExecutor", "No usable profile \"%1\" in %2.")
                                              .arg(stored.name, store.directoryPath()));
            return;
        }
        const auto profile = readProfileFile(*bytes, stored.kind, ControllerSettings{});
        if (const auto *error = std::get_if<SettingsTextError>(&profile)) {
            finish(exitstatus::BAD_INPUT, describe(*error));
            return;
        }
        const QByteArray text = formatSettingsText(stored.kind, QString(), std::get<ProfileFile>(profile).settings);
        const QString output = request.value(QStringLiteral("output"));
        if (output.isEmpty()) {
            answer.out = text;
            finish(exitstatus::DONE);
            return;
        }
        QSaveFile file(QDir(context.workingDirectory).absoluteFilePath(output));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
            finish(exitstatus::FAILED,
                   QCoreApplication::translate("CommandExecutor", "Cannot write %1: %2").arg(output, file.errorString()));
            return;
        }
        finish(exitstatus::DONE);
    }
};

std::optional<QString> checkExport(const CommandRequest &request)
{
    return checkProfileReference(request.value(QStringLiteral("export")), false);
}

} // namespace

const CommandKind commands::EXPORT{"export", true, false, [] { return static_cast<Command *>(new ExportCommand); },
                                   checkExport};
