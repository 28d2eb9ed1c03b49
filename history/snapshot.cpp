// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/snapshot.h"

#include <QCoreApplication>

const QLatin1String SNAPSHOT_SUFFIX(".snapshot");

namespace {

constexpr QLatin1String MAGIC("# Vellox Wheel Setup snapshot: ");
constexpr QLatin1String ID_KEY("# id: ");
constexpr QLatin1String TIME_KEY("# time: ");
constexpr QLatin1String CONTROLLER_KEY("# controller: ");
constexpr QLatin1String REASON_KEY("# reason: ");

// Header values are single lines; a line end inside one would end it early.
QString oneLine(QString text)
{
    text.replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

} // namespace

QString makeSnapshotId(const QDateTime &utc, const QString &after)
{
    QDateTime time = utc.toUTC();
    QString id = time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    // Two snapshots within one millisecond, or a clock set back: step past
    // the newest so ids stay unique and in order.
    while (!after.isEmpty() && id <= after) {
        time = time.addMSecs(1);
        const QDateTime afterTime = snapshotIdTime(after);
        if (afterTime.isValid() && time <= afterTime)
            time = afterTime.addMSecs(1);
        id = time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    }
    return id;
}

namespace {

// "yyyyMMdd-HHmmss-zzz": digits with dashes at 8 and 15.
bool hasIdShape(QStringView id)
{
    if (id.size() != 19)
        return false;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const bool dash = i == 8 || i == 15;
        if (dash ? id.at(i) != u'-' : (id.at(i) < u'0' || id.at(i) > u'9'))
            return false;
    }
    return true;
}

} // namespace

QDateTime snapshotIdTime(QStringView id)
{
    if (!hasIdShape(id))
        return {};
    QDateTime time = QDateTime::fromString(id.toString(), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (!time.isValid())
        return {};
    time.setTimeSpec(Qt::UTC);
    return time;
}

bool isSnapshotId(QStringView id)
{
    // Checked for every file name when a long history is listed: the shape
    // alone, without building a date.
    return hasIdShape(id);
}

QByteArray formatSnapshot(const SnapshotHeader &header, const QByteArray &settingsText)
{
    QString text = MAGIC + QString::number(SNAPSHOT_FORMAT_VERSION) + u'\n';
    text += ID_KEY + header.id + u'\n';
    text += TIME_KEY + header.time.toUTC().toString(Qt::ISODateWithMs) + u'\n';
    text += CONTROLLER_KEY + oneLine(header.controller) + u'\n';
    text += REASON_KEY + oneLine(header.reason) + QStringLiteral("\n\n");
    return text.toUtf8() + settingsText;
}

std::variant<Snapshot, QString> parseSnapshot(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QCoreApplication::translate("Snapshot", "The file is empty.");
    if (bytes.size() > MAX_SNAPSHOT_FILE_SIZE)
        return QCoreApplication::translate("Snapshot", "The file is too large to be a snapshot.");
    const qsizetype blank = bytes.indexOf("\n\n");
    if (!bytes.startsWith(QByteArray(MAGIC.data(), MAGIC.size())) || blank < 0)
        return QCoreApplication::translate("Snapshot", "The file is not a snapshot.");

    const QStringList lines = QString::fromUtf8(bytes.left(blank)).split(u'\n');
    bool versionOk = false;
    const int version = QStringView(lines.first()).mid(MAGIC.size()).toInt(&versionOk);
    if (!versionOk || version < 1)
        return QCoreApplication::translate("Snapshot", "The file is not a snapshot.");
    if (version > SNAPSHOT_FORMAT_VERSION)
        return QCoreApplication::translate("Snapshot", "The snapshot was made by a newer version of the tool.");

    Snapshot snapshot;
    for (const QString &line : lines.mid(1)) {
        if (line.startsWith(ID_KEY))
            snapshot.header.id = line.mid(ID_KEY.size());
        else if (line.startsWith(TIME_KEY))
            snapshot.header.time = QDateTime::fromString(line.mid(TIME_KEY.size()), Qt::ISODateWithMs);
        else if (line.startsWith(CONTROLLER_KEY))
            snapshot.header.controller = line.mid(CONTROLLER_KEY.size());
        else if (line.startsWith(REASON_KEY))
            snapshot.header.reason = line.mid(REASON_KEY.size());
    }
    if (!isSnapshotId(snapshot.header.id) || !snapshot.header.time.isValid())
        return QCoreApplication::translate("Snapshot", "The snapshot's header is damaged.");

    auto parsed = parseSettingsText(bytes.mid(blank + 2), SettingsTextKind::All);
    if (const SettingsTextError *error = std::get_if<SettingsTextError>(&parsed))
        return QCoreApplication::translate("Snapshot", "The snapshot's settings are damaged: %1").arg(error->message);
    snapshot.settings = std::get<SettingsText>(std::move(parsed));
    return snapshot;
}
