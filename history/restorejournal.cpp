// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/restorejournal.h"

#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <limits>

#include <unistd.h>

namespace {

const QString FORMAT = QStringLiteral("format");
const QString CONTROLLER = QStringLiteral("controller");
const QString FIRMWARE = QStringLiteral("firmware");
const QString BOOT = QStringLiteral("boot");
const QString OWNERS = QStringLiteral("owners");
const QString PID = QStringLiteral("pid");
const QString START = QStringLiteral("start");
const QString FIELDS = QStringLiteral("fields");
const QString KEY = QStringLiteral("key");
const QString BEFORE = QStringLiteral("before");
const QString APPLIED = QStringLiteral("applied");

std::optional<int> offeredState(const SettingsField &field, const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    // toInteger() refuses fractions and doubles beyond 64 bits; casting would not.
    const qint64 number = value.toInteger(std::numeric_limits<qint64>::min());
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max() ||
        !isOfferedState(field, int(number)))
        return std::nullopt;
    return int(number);
}

} // namespace

RestoreJournal makeJournal(const ControllerSettings &before, const ControllerSettings &applied,
                           const QString &controller, const QString &firmwareVersionText,
                           const QVector<JournalOwner> &owners)
{
    RestoreJournal journal{controller, firmwareVersionText, currentBootId(), owners, {}};
    for (const FieldDifference &d : diffStates(statesOf(applied), statesOf(before))) {
        // A state the window cannot show cannot be put back through it.
        if (isOfferedState(*d.field, d.to) && isOfferedState(*d.field, d.from))
            journal.fields.append({d.field, d.to, d.from});
    }
    return journal;
}

QByteArray formatJournal(const RestoreJournal &journal)
{
    QJsonArray owners, fields;
    for (const JournalOwner &owner : journal.owners)
        owners.append(QJsonObject{{PID, owner.pid}, {START, QString::number(owner.startTime)}});
    for (const JournalField &field : journal.fields)
        fields.append(QJsonObject{{KEY, QLatin1String(field.field->key)}, {BEFORE, field.before}, {APPLIED, field.applied}});
    return QJsonDocument(QJsonObject{{FORMAT, JOURNAL_FORMAT_VERSION},
                                     {CONTROLLER, journal.controller},
                                     {FIRMWARE, journal.firmwareVersionText},
                                     {BOOT, journal.bootId},
                                     {OWNERS, owners},
                                     {FIELDS, fields}})
        .toJson(QJsonDocument::Indented);
}

std::variant<RestoreJournal, QString> parseJournal(const QByteArray &bytes)
{
    if (bytes.size() > MAX_JOURNAL_FILE_SIZE)
        return QCoreApplication::translate("RestoreJournal", "The restore journal is too large.");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");
    const QJsonObject object = document.object();
    const int format = object.value(FORMAT).toInt(0);
    if (format > JOURNAL_FORMAT_VERSION)
        return QCoreApplication::translate("RestoreJournal",
                                           "The restore journal was written by a newer version of the tool.");
    if (format != JOURNAL_FORMAT_VERSION || !object.value(CONTROLLER).isString() || !object.value(BOOT).isString()
        || !object.value(FIRMWARE).isString() || !object.value(OWNERS).isArray() || !object.value(FIELDS).isArray())
        return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");

    RestoreJournal journal;
    journal.controller = object.value(CONTROLLER).toString();
    journal.firmwareVersionText = object.value(FIRMWARE).toString();
    journal.bootId = object.value(BOOT).toString();
    for (const QJsonValue &value : object.value(OWNERS).toArray()) {
        const QJsonObject owner = value.toObject();
        bool ok = false;
        const quint64 start = owner.value(START).toString().toULongLong(&ok);
        const qint64 pid = owner.value(PID).toInteger(0);
        if (!ok || pid <= 0)
            return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");
        journal.owners.append({pid, start});
    }
    for (const QJsonValue &value : object.value(FIELDS).toArray()) {
        const QJsonObject entry = value.toObject();
        const SettingsField *field = findSettingsField(entry.value(KEY).toString());
        if (!field)
            return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");
        const std::optional<int> before = offeredState(*field, entry.value(BEFORE));
        const std::optional<int> applied = offeredState(*field, entry.value(APPLIED));
        if (!before || !applied)
            return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");
        for (const JournalField &earlier : journal.fields) {
            if (earlier.field == field)
                return QCoreApplication::translate("RestoreJournal", "The restore journal is damaged.");
        }
        journal.fields.append({field, *before, *applied});
    }
    return journal;
}

bool writeJournal(const QString &path, const RestoreJournal &journal, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = formatJournal(journal);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString journalPath(const QString &stateFolder, qint64 ownerPid)
{
    return QDir(stateFolder).filePath(appfiles::journalFileName(ownerPid));
}

QStringList listJournals(const QString &stateFolder)
{
    QStringList paths;
    const QDir folder(stateFolder);
    for (const QString &name : folder.entryList({appfiles::journalFilePattern()}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

std::variant<RestoreJournal, QString> readJournal(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("RestoreJournal", "The restore journal cannot be read: %1")
            .arg(file.errorString());
    return parseJournal(file.read(MAX_JOURNAL_FILE_SIZE + 1));
}

bool claimJournal(const QString &path, QString *claimedPath)
{
    *claimedPath = path + QStringLiteral(".claimed-%1").arg(::getpid());
    // rename() is atomic: of two processes only one finds the file.
    return ::rename(QFile::encodeName(path).constData(), QFile::encodeName(*claimedPath).constData()) == 0;
}

QString currentBootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(64)).trimmed();
}

std::optional<quint64> processStartTime(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stat = file.read(4096);
    // The command name may hold blanks and parentheses; the fields after it
    // start behind the last ')'. The start time is field 22, the 20th after it.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return std::nullopt;
    bool ok = false;
    const quint64 start = fields.at(19).toULongLong(&ok);
    return ok ? std::optional<quint64>(start) : std::nullopt;
}

bool isOwnerRunning(const JournalOwner &owner)
{
    const std::optional<quint64> start = processStartTime(owner.pid);
    if (!start || *start != owner.startTime)
        return false;
    // A zombie has ended; only its parent has not looked yet.
    QFile file(QStringLiteral("/proc/%1/stat").arg(owner.pid));
    const QByteArray stat = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
    const qsizetype close = stat.lastIndexOf(')');
    return close >= 0 && stat.mid(close + 2, 1) != "Z" && stat.mid(close + 2, 1) != "X";
}

JournalVerdict decideJournal(const std::variant<RestoreJournal, QString> &parsed, const JournalContext &context)
{
    const RestoreJournal *journal = std::get_if<RestoreJournal>(&parsed);
    if (!journal)
        return JournalVerdict::Damaged;
    if (journal->bootId.isEmpty() || journal->bootId != context.bootId)
        return JournalVerdict::OtherBoot;
    for (const JournalOwner &owner : journal->owners) {
        if (context.ownerRunning(owner))
            return JournalVerdict::OwnerRunning;
    }
    if (journal->controller != context.controller)
        return JournalVerdict::OtherController;
    if (journal->firmwareVersionText != context.firmwareVersionText)
        return JournalVerdict::OtherFirmware;
    const FieldStates now = statesOf(context.now);
    const SettingsField *first = settingsFields().constData();
    bool allBack = true;
    for (const JournalField &field : journal->fields) {
        const int state = now.at(field.field - first).value_or(-1);
        if (state != field.applied && state != field.before)
            return JournalVerdict::FieldsChanged;
        allBack = allBack && state == field.before;
    }
    // Some back and some not: someone changed fields since.
    for (const JournalField &field : journal->fields) {
        if (!allBack && now.at(field.field - first).value_or(-1) != field.applied)
            return JournalVerdict::FieldsChanged;
    }
    return allBack ? JournalVerdict::NothingToDo : JournalVerdict::CompleteNow;
}

ControllerSettings journalRestoreTarget(const RestoreJournal &journal, const ControllerSettings &now)
{
    ControllerSettings target = now;
    for (const JournalField &field : journal.fields)
        setRecordValue(&target, *field.field, recordValueForState(*field.field, field.before));
    return target;
}
