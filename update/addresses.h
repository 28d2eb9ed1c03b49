// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the update check and the "latest version" buttons point.

#include <QString>
#include <QUrl>

namespace update {

// The manifest address chosen when the tool was configured.
QUrl configuredManifestUrl();
// The downloads page opened by "Download and update" and "Latest version".
QUrl downloadsPageUrl();

// The address the update check asks. A non-empty environment value
// (VELLOX_MANIFEST_URL) replaces the configured one when it is an HTTPS
// address, or plain HTTP to a loopback host (a local test server). Any other
// value is ignored. An empty URL means there is no usable address.
QUrl manifestUrl(const QString &environmentValue);
// The same, taking the value from the process environment.
QUrl manifestUrl();

// True for an absolute HTTPS address with a host.
bool isSecureWebAddress(const QUrl &url);
// True for an HTTP(S) address whose host is localhost, 127.0.0.0/8 or ::1.
bool isLoopbackWebAddress(const QUrl &url);

} // namespace update
