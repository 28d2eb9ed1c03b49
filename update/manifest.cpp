// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/manifest.h"

#include "device/appversion.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>
#include <tuple>

namespace update {

namespace {

auto orderKey(const ReleaseVersion &v)
{
    return std::make_tuple(v.major, v.minor, v.patch, static_cast<int>(v.type));
}

int32_t readNumber(const QJsonObject &wheel, const char *key)
{
    const QJsonValue value = wheel.value(QLatin1String(key));
    return value.isDouble() ? toInt32Clamped(value.toDouble()) : 0;
}

} // namespace

bool operator<(const ReleaseVersion &a, const ReleaseVersion &b)
{
    return orderKey(a) < orderKey(b);
}

bool operator==(const ReleaseVersion &a, const ReleaseVersion &b)
{
    return orderKey(a) == orderKey(b);
}

int32_t toInt32Clamped(double value)
{
    if (!std::isfinite(value))
        return 0;
    // Compare before casting: a double outside the int32 range must never reach the cast.
    constexpr double lowest = static_cast<double>(std::numeric_limits<int32_t>::min());
    constexpr double highest = static_cast<double>(std::numeric_limits<int32_t>::max());
    if (value <= lowest)
        return std::numeric_limits<int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value); // truncates toward zero
}

std::optional<ReleaseType> releaseTypeFromText(const QString &text)
{
    if (text == QLatin1String("RC"))
        return ReleaseType::ReleaseCandidate;
    if (text == QLatin1String("R"))
        return ReleaseType::Release;
    return std::nullopt;
}

ManifestVersion readManifest(const QByteArray &body)
{
    ManifestVersion manifest;
    if (body.size() > MAX_MANIFEST_SIZE)
        return manifest;
    const QJsonObject wheel = QJsonDocument::fromJson(body).object().value(QLatin1String("wheel")).toObject();
    manifest.releaseType = wheel.value(QLatin1String("release_type")).toString();
    manifest.major = readNumber(wheel, "release_major");
    manifest.minor = readNumber(wheel, "release_minor");
    manifest.patch = readNumber(wheel, "release_patch");
    manifest.valid = releaseTypeFromText(manifest.releaseType).has_value() && manifest.major >= 0
        && manifest.minor >= 0 && manifest.patch >= 0;
    return manifest;
}

ReleaseVersion builtInRelease()
{
    return ReleaseVersion{SOFTWARE_RELEASE_TYPE == RELEASE_TYPE_RELEASE_CANDIDATE ? ReleaseType::ReleaseCandidate
                                                                                  : ReleaseType::Release,
                          SOFTWARE_VERSION_MAJOR, SOFTWARE_VERSION_MINOR, SOFTWARE_VERSION_PATCH};
}

bool shouldAnnounce(const ManifestVersion &manifest, const SkippedRelease &skipped, const ReleaseVersion &builtIn)
{
    const std::optional<ReleaseType> type = releaseTypeFromText(manifest.releaseType);
    if (!manifest.valid || !type)
        return false;
    const ReleaseVersion offered{*type, manifest.major, manifest.minor, manifest.patch};
    if (!(builtIn < offered))
        return false;
    // A skip entry of an unknown type cannot have come from the notice; it skips nothing.
    const std::optional<ReleaseType> skippedType = releaseTypeFromText(skipped.releaseType);
    if (!skippedType)
        return true;
    return ReleaseVersion{*skippedType, skipped.major, skipped.minor, skipped.patch} < offered;
}

QString versionText(const ManifestVersion &manifest)
{
    const std::optional<ReleaseType> type = releaseTypeFromText(manifest.releaseType);
    if (!manifest.valid || !type)
        return QString();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(*type == ReleaseType::Release ? QStringLiteral("R") : QStringLiteral("RC"))
        .arg(manifest.major)
        .arg(manifest.minor)
        .arg(manifest.patch);
}

} // namespace update
