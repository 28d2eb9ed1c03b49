// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the history's commands print, without the command line around them:
// each takes the snapshot folder (and what the controller holds now) and
// returns the text, or an error sentence for exit status 2.

#include "history/settingsdiff.h"
#include "history/snapshotstore.h"

#include <QByteArray>
#include <QString>

#include <variant>

// One line per snapshot, newest first: id, local time, firmware, reason;
// damaged files as "unreadable" with the reason.
QString historyListText(const QString &folder);

enum class HistoryFormat { Text, Json };
// The snapshot as settings text (its own file's header and settings) or as JSON.
std::variant<QByteArray, QString> historyShow(const QString &folder, const QString &id, HistoryFormat format);

// The settings a --diff / --restore operand that names a snapshot stands for;
// the error when it names none or the file is unreadable.
std::variant<SettingsText, QString> snapshotSettings(const QString &folder, const QString &id);

// Set when the newest snapshot of this controller was taken with another
// firmware version: the sentence to show, with the History window one click
// away. Call before the snapshot on connect is taken.
QString firmwareChangeNotice(const QString &folder, const QString &controller, const QString &firmwareVersionText);
