// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/addresses.h"

#include <QHostAddress>
#include <QtGlobal>

// Both addresses are fixed when the tool is configured (CMake cache variables
// VELLOX_MANIFEST_URL and VELLOX_DOWNLOADS_URL).
#ifndef VELLOX_CONFIGURED_MANIFEST_URL
#error "VELLOX_CONFIGURED_MANIFEST_URL must be defined by the build"
#endif
#ifndef VELLOX_CONFIGURED_DOWNLOADS_URL
#error "VELLOX_CONFIGURED_DOWNLOADS_URL must be defined by the build"
#endif

namespace update {

QUrl configuredManifestUrl()
{
    const QUrl url(QStringLiteral(VELLOX_CONFIGURED_MANIFEST_URL), QUrl::StrictMode);
    return isSecureWebAddress(url) ? url : QUrl();
}

QUrl downloadsPageUrl()
{
    const QUrl url(QStringLiteral(VELLOX_CONFIGURED_DOWNLOADS_URL), QUrl::StrictMode);
    return isSecureWebAddress(url) ? url : QUrl();
}

bool isSecureWebAddress(const QUrl &url)
{
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

bool isLoopbackWebAddress(const QUrl &url)
{
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    const QString host = url.host();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QUrl manifestUrl(const QString &environmentValue)
{
    if (!environmentValue.isEmpty()) {
        const QUrl overridden(environmentValue, QUrl::StrictMode);
        if (isSecureWebAddress(overridden) || isLoopbackWebAddress(overridden))
            return overridden;
    }
    return configuredManifestUrl();
}

QUrl manifestUrl()
{
    return manifestUrl(qEnvironmentVariable("VELLOX_MANIFEST_URL"));
}

} // namespace update
