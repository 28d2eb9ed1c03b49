// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every folder and file the tool keeps, named in this one place.
//
// The data folder holds the profiles, the INI file and the window icon. It is
// the working directory (a start from a terminal), or userDataFolder() with
// --data-home (a start from the menu), entered at start-up. The functions that
// take a data folder return a path relative to the working directory when it
// is empty, and a path in that folder otherwise.
//
// The state folder (history, restore journal) and the private runtime folder
// (the running instance's socket and lock) are found by every start, whatever
// its working directory.
namespace appfiles {

QString effectsProfilesFolder(const QString &dataFolder = QString());
QString peripheryProfilesFolder(const QString &dataFolder = QString());
QString iniFile(const QString &dataFolder = QString());
QString windowIconFile(const QString &dataFolder = QString());

// $XDG_DATA_HOME/vellox-wheel-setup, or <home>/.local/share/vellox-wheel-setup
// when XDG_DATA_HOME is unset, empty or relative (relative values are invalid
// and to be ignored).
QString userDataFolder(const QString &xdgDataHome, const QString &home);
QString userDataFolder();

// $XDG_STATE_HOME/vellox-wheel-setup, or <home>/.local/state/vellox-wheel-setup
// when XDG_STATE_HOME is unset, empty or relative.
QString stateFolder(const QString &xdgStateHome, const QString &home);
QString stateFolder();
QString historyFolder();
// The restore journal of the instance with this process id, and the pattern
// that finds every journal in the state folder.
QString journalFileName(qint64 ownerPid);
QString journalFilePattern();

// A folder only this user can write, for the running instance's socket and
// lock: $XDG_RUNTIME_DIR when it is a directory (not a link) of this user's
// that nobody else may write, else <temporary folder>/vellox-wheel-setup-UID,
// created with mode 0700. `problem` says why the folder cannot be used; the
// path is then never to be used.
struct RuntimeFolder {
    QString path;
    QString problem;
    bool usable() const { return problem.isEmpty(); }
};
RuntimeFolder runtimeFolder(const QString &xdgRuntimeDir, const QString &temporaryFolder);
RuntimeFolder runtimeFolder();
// The socket's and the lock's names in the runtime folder.
QString instanceSocketName();
QString instanceLockName();

} // namespace appfiles
