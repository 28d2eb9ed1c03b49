// SPDX-License-Identifier: GPL-3.0-or-later
// A version manifest body of any content, read and decided on as the update
// check does at start, against several releases the user may have skipped.
//
// A manifest that reads as valid names "R" or "RC" and numbers that are not
// negative; only a valid one is announced, and its version text is made of
// the type and the numbers alone. Skipping never makes a notice appear, and
// skipping the offered release (what the notice's skip button stores in the
// settings file) silences it. A notice that is shown carries nothing from the
// manifest but that version text into its Markdown.

#include "fuzz/fuzzsupport.h"
#include "update/manifest.h"
#include "update/updatenotice.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <limits>

using namespace fuzzsupport;

namespace {

const QRegularExpression versionPattern(QStringLiteral("^(R|RC)\\.[0-9]+\\.[0-9]+\\.[0-9]+$"));
const QRegularExpression noticePattern(
    QStringLiteral("^\\*\\*New version of Vellox Wheel Setup \\((R|RC)\\.[0-9]+\\.[0-9]+\\.[0-9]+\\) is available!\\*\\*$"));

constexpr uint32_t uintMax = std::numeric_limits<uint32_t>::max();

// Skip entries as they may stand in the settings file: nothing, one left by
// the notice, the built-in version, the largest numbers the file can give,
// and a type the notice never writes.
const update::SkippedRelease skips[] = {
    {},
    {QStringLiteral("R"), 25, 0, 0},
    {QStringLiteral("RC"), 24, 1, 4},
    {QStringLiteral("R"), uintMax, uintMax, uintMax},
    {QStringLiteral("RC"), 0, uintMax, 0},
    {QStringLiteral("rc"), 99, 0, 0},
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    leaveWorkFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    const update::ManifestVersion manifest = update::readManifest(body);
    const QString text = update::versionText(manifest);

    if (manifest.valid) {
        if (manifest.releaseType != QLatin1String("R") && manifest.releaseType != QLatin1String("RC"))
            fail("valid manifest with release type '%s'", qPrintable(manifest.releaseType));
        if (manifest.major < 0 || manifest.minor < 0 || manifest.patch < 0)
            fail("valid manifest with a negative number: %d.%d.%d", manifest.major, manifest.minor, manifest.patch);
        if (!versionPattern.match(text).hasMatch())
            fail("version text '%s' is not a type and three numbers", qPrintable(text));
    } else if (!text.isEmpty()) {
        fail("an invalid manifest has the version text '%s'", qPrintable(text));
    }

    const bool announced = update::shouldAnnounce(manifest, update::SkippedRelease{});
    if (announced && !manifest.valid)
        fail("an invalid manifest is announced");
    for (const update::SkippedRelease &skip : skips) {
        if (update::shouldAnnounce(manifest, skip) && !announced)
            fail("a skipped release (%s %u.%u.%u) makes a notice appear", qPrintable(skip.releaseType), skip.major,
                 skip.minor, skip.patch);
    }

    if (announced) {
        if (text == QLatin1String("RC.24.1.4"))
            fail("this build's own version is announced");
        // What the skip button stores, read back as at the next start.
        const update::SkippedRelease ownSkip{manifest.releaseType, static_cast<uint32_t>(manifest.major),
                                             static_cast<uint32_t>(manifest.minor),
                                             static_cast<uint32_t>(manifest.patch)};
        if (update::shouldAnnounce(manifest, ownSkip))
            fail("release %s is still announced after it was skipped", qPrintable(text));

        const update::UpdateNotice notice(QStringLiteral("Vellox Wheel Setup"), manifest);
        if (!noticePattern.match(notice.text()).hasMatch())
            fail("the notice's Markdown carries more than the version: %s", qPrintable(notice.text()));
    }
    return 0;
}
