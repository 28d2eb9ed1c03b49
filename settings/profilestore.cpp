// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profilestore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The longest file name common Linux file systems take, in bytes.
constexpr qsizetype MAX_NAME_BYTES = 255;

bool isInside(const QString &canonicalDirectory, const QString &canonicalPath)
{
    return canonicalPath.startsWith(canonicalDirectory + QLatin1Char('/'));
}

} // namespace

ProfileStore::ProfileStore(const QString &directoryName, qsizetype profileSize)
    : directory(QDir::current().absoluteFilePath(directoryName))
    , size(profileSize)
{
    QDir::current().mkdir(directoryName);
    const QFileInfo info(directory.absolutePath());
    usable = info.isDir() && info.isExecutable() && info.isReadable();
}

bool ProfileStore::isAcceptableName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    if (name.toUtf8().size() > MAX_NAME_BYTES)
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

std::optional<QString> ProfileStore::pathOf(const QString &name) const
{
    if (!usable || !isAcceptableName(name))
        return std::nullopt;
    const QString path = directory.absoluteFilePath(name);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    if (!info.isFile())
        return std::nullopt;
    if (info.isSymLink() && !isInside(QFileInfo(directory.absolutePath()).canonicalFilePath(), info.canonicalFilePath()))
        return std::nullopt;
    return path;
}

QStringList ProfileStore::names() const
{
    if (!usable)
        return {};
    QStringList names;
    const QFileInfoList entries =
        directory.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (pathOf(entry.fileName()))
            names.append(entry.fileName());
    }
    return names;
}

std::optional<QByteArray> ProfileStore::load(const QString &name) const
{
    const std::optional<QString> path = pathOf(name);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(size);
    if (content.size() != size)
        return std::nullopt;
    return content;
}

bool ProfileStore::save(const QString &name, const QByteArray &content) const
{
    const std::optional<QString> path = pathOf(name);
    if (!path || content.size() != size)
        return false;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ProfileStore::remove(const QString &name) const
{
    const std::optional<QString> path = pathOf(name);
    if (!path)
        return false;
    return QFile::remove(*path);
}
