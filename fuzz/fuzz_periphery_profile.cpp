// SPDX-License-Identifier: GPL-3.0-or-later
// A periphery profile file of any length and content, picked on the Periphery
// tab. A file shorter than the two records must change nothing and report
// nothing; any other is read for its first 128 bytes (analog axes, then GPIO),
// which must report only periphery fields, each once, all analog-axis fields
// before any GPIO field, with indices and values the controller takes, leave
// the controller holding what the editor shows, and leave the editor showing
// exactly those records (putting them in again reports nothing).

#include "editors/gpioextensionwidget.h"
#include "fuzz/fuzzsupport.h"
#include "settings/appfiles.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace fuzzsupport;

namespace {

const QString folder = appfiles::peripheryProfilesFolder();
const QString profileName = QStringLiteral("fuzz");
constexpr std::size_t PROFILE_SIZE = sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef);
GpioExtensionWidget *editor = nullptr;
ReportLog *reportLog = nullptr;

bool isAnalogAxisField(int field)
{
    return field >= SETTINGS_FIELD_LOWER_DEAD_ZONE && field <= SETTINGS_FIELD_ANALOG_INVERT;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    editor = new GpioExtensionWidget;
    reportLog = new ReportLog(editor);
    leaveWorkFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    // The same start for every input: records of zeros from the controller.
    editor->setUiFromAdcSettings(AdcExtensionSettingsTypeDef{}, false);
    editor->setUiFromGpioSettings(GpioExtensionSettingsTypeDef{}, false);
    if (!reportLog->empty())
        fail("records shown with sending off reported %zu change(s)", reportLog->take().size());
    AdcExtensionSettingsTypeDef adcBefore;
    GpioExtensionSettingsTypeDef gpioBefore;
    editor->adcSettingsFromUi(&adcBefore);
    editor->gpioSettingsFromUi(&gpioBefore);

    writeProfileAndPick(editor, workPath(folder), profileName, data, size);
    const std::vector<Report> reports = reportLog->take();

    if (size < PROFILE_SIZE) {
        AdcExtensionSettingsTypeDef adcAfter;
        GpioExtensionSettingsTypeDef gpioAfter;
        editor->adcSettingsFromUi(&adcAfter);
        editor->gpioSettingsFromUi(&gpioAfter);
        if (!reports.empty() || std::memcmp(&adcBefore, &adcAfter, sizeof adcAfter) != 0
            || std::memcmp(&gpioBefore, &gpioAfter, sizeof gpioAfter) != 0)
            fail("a %zu-byte profile, shorter than the two records, was applied", size);
    } else {
        checkReports(Editor::Periphery, reports, "periphery profile");
        bool gpioSeen = false;
        for (const Report &r : reports) {
            if (!isAnalogAxisField(r.field))
                gpioSeen = true;
            else if (gpioSeen)
                fail("periphery profile: analog-axis field %d reported after a GPIO field", r.field);
        }
        checkPeripheryFollowsReports(adcBefore, gpioBefore, reports, *editor, "periphery profile");
        editor->setUiFromAdcSettings(recordAt<AdcExtensionSettingsTypeDef>(data, size, 0), true);
        editor->setUiFromGpioSettings(recordAt<GpioExtensionSettingsTypeDef>(data, size, SETTINGS_RECORD_SIZE), true);
        if (!reportLog->empty())
            fail("the editor does not show the profile's first 128 bytes: %zu more change(s)", reportLog->take().size());
    }
    QCoreApplication::processEvents();
    return 0;
}
