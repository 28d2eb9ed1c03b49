// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

// Named settings profiles kept as raw files in one directory below the
// working directory. A profile name is a file name and nothing else: the
// store never reads, writes or removes anything outside its directory.
class ProfileStore
{
public:
    // Creates the directory below the current working directory if needed.
    ProfileStore(const QString &directoryName, qsizetype profileSize);

    // False when the directory could neither be created nor entered; then
    // every operation does nothing.
    bool isUsable() const { return usable; }
    QString directoryPath() const { return directory.absolutePath(); }
    qsizetype profileSize() const { return size; }

    // Plain files (or links to plain files inside the directory), no hidden
    // ones, sorted by name ignoring case.
    QStringList names() const;

    // The first profileSize() bytes of the named profile; nothing when the
    // name is refused or the file is missing, unreadable or too short.
    std::optional<QByteArray> load(const QString &name) const;

    // Writes exactly profileSize() bytes, atomically: a failed or interrupted
    // save leaves an existing profile of that name intact.
    bool save(const QString &name, const QByteArray &content) const;

    bool remove(const QString &name) const;

    // Empty names, "." and "..", names starting with a dot, names with a path
    // separator or a control character, and names longer than a file name may
    // be are refused.
    static bool isAcceptableName(const QString &name);

private:
    // The file's path when the name is acceptable and the entry, if it
    // exists, resolves to a plain file inside the directory.
    std::optional<QString> pathOf(const QString &name) const;

    QDir directory;
    qsizetype size;
    bool usable = false;
};
