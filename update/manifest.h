// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the version manifest and deciding whether it announces a newer
// release of this tool. Plain functions, no widgets and no network: the main
// window fetches the bytes and shows the notice.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace update {

// A reply body larger than this is not a manifest; it reads like invalid JSON.
constexpr qsizetype MAX_MANIFEST_SIZE = 64 * 1024;

// The two release types this tool knows, in their order: a release is newer
// than a release candidate of the same numbers.
enum class ReleaseType { ReleaseCandidate, Release };

// What a manifest says about the wheel tool, as read from its JSON.
struct ManifestVersion {
    QString releaseType; // the manifest's text as it came; empty when missing
    int32_t major = 0;
    int32_t minor = 0;
    int32_t patch = 0;
    // True only for release type "R" or "RC" and no negative number. Only a
    // valid version is ever announced or shown to the user.
    bool valid = false;
};

// The release the user chose to skip, as kept in the settings file.
struct SkippedRelease {
    QString releaseType; // empty: nothing skipped
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t patch = 0;
};

// A version that can be ordered: by major, minor, patch, then release type.
struct ReleaseVersion {
    ReleaseType type = ReleaseType::ReleaseCandidate;
    int64_t major = 0;
    int64_t minor = 0;
    int64_t patch = 0;
};

bool operator<(const ReleaseVersion &a, const ReleaseVersion &b);
bool operator==(const ReleaseVersion &a, const ReleaseVersion &b);

// A JSON number as a 32-bit integer: truncated toward zero and clamped to the
// 32-bit range; anything that is not a finite number reads as 0.
int32_t toInt32Clamped(double value);

// "R" or "RC" exactly (case-sensitive); anything else is unknown.
std::optional<ReleaseType> releaseTypeFromText(const QString &text);

// Reads the "wheel" object of a manifest body. Missing members and members of
// another type take their defaults (empty type, zeros); a body that is not a
// JSON object, or is larger than MAX_MANIFEST_SIZE, reads as all defaults.
ManifestVersion readManifest(const QByteArray &body);

// This build's own version (RC.24.1.4).
ReleaseVersion builtInRelease();

// True exactly when the manifest names a valid release that is newer than the
// built-in version and, if the user skipped a release, newer than that one.
bool shouldAnnounce(const ManifestVersion &manifest, const SkippedRelease &skipped,
                    const ReleaseVersion &builtIn = builtInRelease());

// "R.25.0.1": built from the validated type and numbers only, never from the
// manifest's text. Empty for an invalid version.
QString versionText(const ManifestVersion &manifest);

} // namespace update
