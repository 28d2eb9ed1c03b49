// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QObject;

class SettingsTarget;

// Finishes the restore that an instance which died (killed, crashed) left in
// its journal, once per process, right after the controller's settings were
// read and before anything else is sent. Only when that instance is gone, the
// boot and the controller are the same and every field still holds what it
// applied; any other journal stays for the History window.
namespace journalcompletion {

// Sends what the journal puts back through `target` and returns the journal,
// now claimed by this process; empty when nothing was sent.
QString start(SettingsTarget *target);
// The writes sent by start() have been settled: the claimed journal goes,
// or back in place for the next process when not all arrived. What to tell
// the user.
QString finish(const QString &claimedPath, bool allArrived);

// start(), then, once its writes have settled, finish(): `then` hears what
// to tell the user, or an empty text at once when nothing was put back.
// `target` is ready; `context` ends the wait when it goes.
void complete(SettingsTarget *target, QObject *context, const std::function<void(const QString &)> &then);

} // namespace journalcompletion
