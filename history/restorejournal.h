// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The restore journal: written before a launch wrapper or a game rule applies
// anything, it names the settings to put back, the controller, the processes
// that will put them back themselves, and the boot. If those processes die
// without restoring, the next process that opens the controller decides with
// decideJournal() whether it may complete the restore on its own.

#include "history/settingsdiff.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>
#include <variant>

constexpr int JOURNAL_FORMAT_VERSION = 1;
constexpr qsizetype MAX_JOURNAL_FILE_SIZE = 64 * 1024;

struct JournalOwner {
    qint64 pid = 0;
    quint64 startTime = 0; // clock ticks after boot, from /proc/PID/stat

    bool operator==(const JournalOwner &other) const { return pid == other.pid && startTime == other.startTime; }
};

struct JournalField {
    const SettingsField *field;
    int before;  // control state to put back
    int applied; // control state the layer set
};

struct RestoreJournal {
    QString controller;
    QString firmwareVersionText;
    QString bootId;
    QVector<JournalOwner> owners; // the wrapper and its command, or the instance
    QVector<JournalField> fields; // only the fields the layer changed
};

// The journal for a change from `before` to `applied`: every field whose
// control state differs.
RestoreJournal makeJournal(const ControllerSettings &before, const ControllerSettings &applied,
                           const QString &controller, const QString &firmwareVersionText,
                           const QVector<JournalOwner> &owners);

QByteArray formatJournal(const RestoreJournal &journal);
// Strict: unknown keys of fields, states the window does not offer, missing
// parts and newer formats are refused with a sentence for the user.
std::variant<RestoreJournal, QString> parseJournal(const QByteArray &bytes);

// Atomically, readable by the user alone. False with `error` set on failure.
bool writeJournal(const QString &path, const RestoreJournal &journal, QString *error);
// The journal files in the state folder, e.g. "journal-1234.json".
QString journalPath(const QString &stateFolder, qint64 ownerPid);
QStringList listJournals(const QString &stateFolder);
std::variant<RestoreJournal, QString> readJournal(const QString &path);
// Takes the journal for this process alone (an atomic rename), so that it is
// never completed twice; the caller deletes `*claimedPath` when done.
bool claimJournal(const QString &path, QString *claimedPath);

QString currentBootId();
std::optional<quint64> processStartTime(qint64 pid);
// The process still runs and is the one the journal names (not a later
// process that got the same id).
bool isOwnerRunning(const JournalOwner &owner);

enum class JournalVerdict {
    CompleteNow,     // put `before` back now, once, and say so
    NothingToDo,     // the fields already hold `before`: remove the journal
    OwnerRunning,    // leave it; its owner restores
    Damaged,         // offer in the History window only, never applied
    OtherBoot,
    OtherController, // leave it for that controller
    OtherFirmware,
    FieldsChanged,   // someone changed a field since: offer only
};

struct JournalContext {
    QString bootId;
    QString controller;
    QString firmwareVersionText;
    ControllerSettings now; // just read from the controller
    std::function<bool(const JournalOwner &)> ownerRunning = isOwnerRunning;
};

JournalVerdict decideJournal(const std::variant<RestoreJournal, QString> &journal, const JournalContext &context);
// `now` with the journal's `before` states put back (for SettingsTarget's
// apply calls, effects, hardware, periphery).
ControllerSettings journalRestoreTarget(const RestoreJournal &journal, const ControllerSettings &now);
