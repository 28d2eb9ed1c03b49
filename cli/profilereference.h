// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/profilestore.h"
#include "settings/settingstext.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A stored profile named on the command line: effects:NAME or periphery:NAME.
struct StoredReference {
    SettingsTextKind kind;
    QString name;
};

std::optional<StoredReference> storedReference(const QString &reference);
// What is wrong with a profile reference; a file name is allowed only where fileAllowed.
std::optional<QString> checkProfileReference(const QString &reference, bool fileAllowed);
// The profile folder of a kind, beside the request's working directory.
ProfileStore storeFor(SettingsTextKind kind, const QString &workingDirectory);
QString describe(const SettingsTextError &error);

// Reads a file given on the command line: a plain file of at most maxSize
// bytes, or an error text.
std::optional<QByteArray> readInputFile(const QString &path, qsizetype maxSize, QString *error);
