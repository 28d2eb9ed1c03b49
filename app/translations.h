// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The folders the tool's own translations (.qm) are looked for in, in order:
// the installed share folder beside the program's bin folder, then a
// "translations" folder beside the program (the build tree).
QStringList translationFolders(const QString &applicationDirPath);

// Installs the tool's translation for the first of `locale`'s UI languages
// that has one (on Linux: LANGUAGE, else LC_ALL, LC_MESSAGES, LANG), and then
// Qt's own in that language for the standard buttons. English needs neither.
// Returns the loaded .qm file of the tool, or an empty string when none matched.
QString installTranslations(QCoreApplication &application, const QLocale &locale, const QStringList &folders);
