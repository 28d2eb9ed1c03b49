// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/updatechecker.h"

#include "update/addresses.h"
#include "update/updatenotice.h"

#include <QDebug>
#include <QDesktopServices>
#include <QMetaEnum>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace update {

// A manifest request that transfers nothing for this long ends with an error.
static constexpr int MANIFEST_TRANSFER_TIMEOUT_MS = 10000;

UpdateChecker::UpdateChecker(QSettings *skipSettings, const QString &title, QObject *parent)
    : QObject(parent)
    , settings(skipSettings)
    , noticeTitle(title)
{
}

UpdateChecker::~UpdateChecker()
{
    // The notice's modal loop returns once the checker is gone; the code
    // after it sees that and touches nothing of the checker.
    if (openNotice)
        openNotice->done(0);
    if (reply) {
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
    }
}

void UpdateChecker::start()
{
    if (reply)
        return;
    QNetworkRequest request(manifestUrl());
    request.setTransferTimeout(MANIFEST_TRANSFER_TIMEOUT_MS);
    body.clear();
    tooLarge = false;
    reply = network.get(request);
    connect(reply, &QNetworkReply::readyRead, this, &UpdateChecker::collectBody);
    // Queued: the notice runs a modal loop in which the checker may be
    // destroyed, and with it the reply, which must not be deleted inside a
    // slot of its own finished signal.
    connect(reply, &QNetworkReply::finished, this, &UpdateChecker::replyFinished, Qt::QueuedConnection);
    // A request refused on the spot (no usable address) may have finished already.
    if (reply->isFinished())
        QMetaObject::invokeMethod(this, &UpdateChecker::replyFinished, Qt::QueuedConnection);
}

// Reads the body as it arrives, keeping at most one byte more than a manifest
// may have; a longer body ends the request and counts as no manifest.
void UpdateChecker::collectBody()
{
    // A reply that ended in an error is closed and has nothing more to read.
    if (!reply || tooLarge || !reply->isReadable())
        return;
    body += reply->read(MAX_MANIFEST_SIZE + 1 - body.size());
    if (body.size() > MAX_MANIFEST_SIZE) {
        tooLarge = true;
        body.clear();
        reply->abort();
    }
}

void UpdateChecker::replyFinished()
{
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    collectBody();

    if (!tooLarge && reply->error() != QNetworkReply::NoError) {
        const char *name = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply->error());
        qDebug().noquote() << "error"
                           << QStringLiteral("QNetworkReply::") + QLatin1String(name ? name : "UnknownNetworkError");
    } else {
        // An oversized body (cut short by the abort) reads like invalid JSON.
        const ManifestVersion manifest = readManifest(tooLarge ? QByteArray() : body);
        if (shouldAnnounce(manifest, skippedRelease()) && !announce(manifest))
            return;
    }

    body.clear();
    reply->deleteLater();
    reply = nullptr;
    emit finished();
}

SkippedRelease UpdateChecker::skippedRelease() const
{
    return SkippedRelease{
        settings->value(QStringLiteral("skip_release_type")).toString(),
        settings->value(QStringLiteral("skip_release_major")).toUInt(),
        settings->value(QStringLiteral("skip_release_minor")).toUInt(),
        settings->value(QStringLiteral("skip_release_patch")).toUInt(),
    };
}

bool UpdateChecker::announce(const ManifestVersion &manifest)
{
    UpdateNotice notice(noticeTitle, manifest);
    const QPointer<UpdateChecker> alive(this);
    openNotice = &notice;
    notice.exec();
    if (!alive)
        return false;

    switch (notice.answer()) {
    case UpdateNotice::Answer::Download:
        QDesktopServices::openUrl(downloadsPageUrl());
        break;
    case UpdateNotice::Answer::Skip:
        rememberSkip(manifest);
        break;
    case UpdateNotice::Answer::None:
        break;
    }
    return true;
}

void UpdateChecker::rememberSkip(const ManifestVersion &manifest)
{
    // Only a valid manifest is announced: its type is "R" or "RC" and its
    // numbers are not negative. Written at once, not only when the tool ends.
    settings->setValue(QStringLiteral("skip_release_type"), manifest.releaseType);
    settings->setValue(QStringLiteral("skip_release_major"), static_cast<uint>(manifest.major));
    settings->setValue(QStringLiteral("skip_release_minor"), static_cast<uint>(manifest.minor));
    settings->setValue(QStringLiteral("skip_release_patch"), static_cast<uint>(manifest.patch));
    settings->sync();
}

} // namespace update
