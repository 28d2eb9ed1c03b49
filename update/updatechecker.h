// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/manifest.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

class QMessageBox;
class QNetworkReply;
class QSettings;

namespace update {

// Asks the manifest address whether a newer release exists, once: reads the
// reply up to the size limit, leaves out a release the user skipped, and
// announces a newer one with the update notice, whose answer it carries out
// (open the downloads page, or remember the skip in `settings`). Emits
// finished() when the check has ended: with an error, with nothing to
// announce, or once the notice was answered. Destroying the checker aborts
// the request and closes an open notice.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    // `settings` keeps the skipped release and must outlive the checker;
    // `noticeTitle` is the notice's window title.
    UpdateChecker(QSettings *settings, const QString &noticeTitle, QObject *parent = nullptr);
    ~UpdateChecker() override;

    // Sends the request unless one is under way.
    void start();
    bool isRunning() const { return reply != nullptr; }

signals:
    void finished();

private:
    void collectBody();
    void replyFinished();
    SkippedRelease skippedRelease() const;
    // Shows the notice and acts on its answer. False when the checker was
    // destroyed while the notice was open.
    bool announce(const ManifestVersion &manifest);
    void rememberSkip(const ManifestVersion &manifest);

    QSettings *settings;
    QString noticeTitle;
    QNetworkAccessManager network;
    QNetworkReply *reply = nullptr;
    // The body read so far; a body over the size limit is dropped.
    QByteArray body;
    bool tooLarge = false;
    QPointer<QMessageBox> openNotice;
};

} // namespace update
