// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the tool's INI file may be read and written through QSettings.
// QSettings opens whatever lies at the path: a FIFO blocks it forever, and a
// file it cannot parse is still rewritten on the next change. Such a file is
// refused: it is neither read nor written, and the tool goes on with defaults.

#include <QString>
#include <QtGlobal>

struct IniFileCheck {
    enum class State { Usable, Missing, Refused };
    State state = State::Missing;
    // Why the file is refused, for the user; empty otherwise.
    QString reason;
    // The file's size in bytes: no count read from it can be larger.
    qint64 size = 0;
};

// Usable: a regular file (a link to one is fine) that parses as INI.
// Missing: nothing there yet; the first write creates it.
IniFileCheck checkIniFile(const QString &path);

// The name to give QSettings: the path itself unless the file there is
// refused; then an empty name, which reads as no settings and takes no write.
QString usableIniPath(const QString &path);
