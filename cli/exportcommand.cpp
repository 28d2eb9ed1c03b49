// SPDX-License-Identifier: GPL-3.0-or-later
// --export: a stored profile written as settings text.
#include "cli/command.h"
#include "cli/outputfile.h"
#include "cli/profilereference.h"
#include "settings/profilefile.h"

#include <QCoreApplication>
#include <QDir>

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
        if (isStandardOutput(output)) {
            answer.out = text;
            finish(exitstatus::DONE);
            return;
        }
        const OutputWritten written = writeOutputFile(QDir(context.workingDirectory).absoluteFilePath(output), text);
        finish(written.status, written.error);
    }
};

std::optional<QString> checkExport(const CommandRequest &request)
{
    return checkProfileReference(request.value(QStringLiteral("export")), false);
}

} // namespace

const CommandKind commands::EXPORT{"export", true, false, [] { return static_cast<Command *>(new ExportCommand); },
                                   checkExport};
