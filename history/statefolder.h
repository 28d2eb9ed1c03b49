// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user's state folder for this tool: $XDG_STATE_HOME/vellox-wheel-setup,
// or ~/.local/state/vellox-wheel-setup when XDG_STATE_HOME is unset, empty or
// relative. Never the working directory. Not created here.
QString historyStateFolder();
// The folder the snapshots live in, below the state folder.
QString snapshotFolder(const QString &stateFolder);
