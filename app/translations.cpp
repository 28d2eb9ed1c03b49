// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QStringList translationFolders(const QString &applicationDirPath)
{
    const QDir bin(applicationDirPath);
    return {QDir::cleanPath(bin.filePath(QStringLiteral("../share/vellox-wheel-setup/translations"))),
            bin.filePath(QStringLiteral("translations"))};
}

QString installTranslations(QCoreApplication &application, const QLocale &locale, const QStringList &folders)
{
    auto *own = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (own->load(locale, QStringLiteral("vellox-wheel-setup"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            break;
        }
    }
    if (own->isEmpty()) {
        delete own;
        return QString();
    }

    // Qt's own texts (OK, Cancel) in the same language, so the window never
    // mixes two; absent unless the distribution's Qt translations are installed.
    auto *qt = new QTranslator(&application);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return own->filePath();
}
