// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Profiles and the INI file live in the working directory. A start from a
// terminal keeps that; the desktop entry passes DATA_HOME_OPTION so a start
// from the menu works in appfiles::userDataFolder() instead of the home folder.
inline constexpr char DATA_HOME_OPTION[] = "--data-home";

// Removes every DATA_HOME_OPTION from argv (before QApplication sees it, so
// the remaining arguments keep their positions) and says whether there was one.
bool takeDataHomeOption(int &argc, char **argv);

// Creates the folder if needed and makes it the working directory. On failure
// says why on stderr and leaves the working directory as it was.
bool enterDataFolder(const QString &path);
