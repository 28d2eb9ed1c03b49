// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandline.h"
#include "settings/controllersettings.h"

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <optional>

class SettingsTarget;

struct CommandAnswer {
    QByteArray out;
    QByteArray err;
    int status = 0;
    // For the launch wrapper: the four records found before applying.
    std::optional<ControllerSettings> before;
};

// Carries out one command request on a settings target and answers once.
// Everything the request names (keys, values, files, profiles) is checked
// before the first write; bad input sends nothing.
class CommandExecutor : public QObject
{
    Q_OBJECT

public:
    CommandExecutor(SettingsTarget *target, QObject *parent = nullptr);

    // The request's files and profile folders are taken from workingDirectory.
    void run(const CommandRequest &request, const QString &workingDirectory);
    // Puts these records back by the same diff writes a profile pick sends.
    void restore(const ControllerSettings &settings, int waitSeconds);

signals:
    void finished(const CommandAnswer &answer);

private:
    struct LoadedProfile {
        QString reference;
        QByteArray bytes;
        std::optional<int> kind; // SettingsTextKind when named effects:/periphery:
    };

    void finish(int status, const QString &errorText = {});
    bool loadInputs(const QString &workingDirectory);
    void runExport(const QString &workingDirectory);
    void runImport(const QString &workingDirectory);
    void runGameRule(const QString &workingDirectory);
    void onReady();
    void onSettled(bool controllerLeft, const QStringList &lostWrites);
    void applyChanges();
    QByteArray showText() const;

    SettingsTarget *target;
    CommandRequest request;
    std::optional<ControllerSettings> restoring;
    QVector<LoadedProfile> profiles;
    QVector<QPair<const struct SettingsField *, int>> fieldValues;
    CommandAnswer answer;
    bool done = false;
};

// Reads a file given on the command line: a plain file of at most maxSize
// bytes, or an error text.
std::optional<QByteArray> readInputFile(const QString &path, qsizetype maxSize, QString *error);
