// SPDX-License-Identifier: GPL-3.0-or-later
// An effects profile file of any length and content, picked on the Effects
// tab. A file shorter than a record must change nothing and report nothing;
// any other is read for its first 64 bytes, which must report only effects
// fields, each once, with values the controller takes, leave the controller
// holding what the editor shows, and leave the editor showing exactly that
// record (putting it in again reports nothing).

#include "editors/fulleffectsettingswidget.h"
#include "fuzz/fuzzsupport.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace fuzzsupport;

namespace {

const QString folder = appfiles::effectsProfilesFolder();
const QString profileName = QStringLiteral("fuzz");
FullEffectSettingsWidget *editor = nullptr;
ReportLog *reportLog = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    editor = new FullEffectSettingsWidget;
    reportLog = new ReportLog(editor);
    leaveWorkFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    // The same start for every input: a record of zeros from the controller.
    editor->setUiFromEffectSettings(EffectSettingsTypeDef{}, false);
    if (!reportLog->empty())
        fail("a record shown with sending off reported %zu change(s)", reportLog->take().size());
    EffectSettingsTypeDef before{};
    editor->effectSettingsFromUi(&before);

    writeProfileAndPick(editor, workPath(folder), profileName, data, size);
    const std::vector<Report> reports = reportLog->take();

    if (size < sizeof(EffectSettingsTypeDef)) {
        EffectSettingsTypeDef after{};
        editor->effectSettingsFromUi(&after);
        if (!reports.empty() || std::memcmp(&before, &after, sizeof after) != 0)
            fail("a %zu-byte profile, shorter than a record, was applied", size);
    } else {
        checkReports(Editor::Effects, reports, "effects profile");
        checkEffectsFollowReports(before, reports, *editor, "effects profile");
        editor->setUiFromEffectSettings(recordAt<EffectSettingsTypeDef>(data, size, 0), true);
        if (!reportLog->empty())
            fail("the editor does not show the profile's first 64 bytes: %zu more change(s)", reportLog->take().size());
    }
    QCoreApplication::processEvents();
    return 0;
}
