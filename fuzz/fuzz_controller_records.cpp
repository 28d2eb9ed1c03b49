// SPDX-License-Identifier: GPL-3.0-or-later
// The four settings records as the controller sends them, any 64 bytes, into
// the three editors.
//
// Input: byte 0 picks the record (effects, hardware, GPIO, analog axes); the
// next 64 bytes are the record the controller holds, shown with sending off,
// which must report nothing; the 64 after them are put in with sending on, as
// a profile is, which must report only fields of that editor, each once, with
// an index and value the controller takes, and leave the controller holding
// what the editor shows. The same record again then reports nothing.

#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "fuzz/fuzzsupport.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using namespace fuzzsupport;

namespace {

FullEffectSettingsWidget *effects = nullptr;
FullHardwareSettingsWidget *hardware = nullptr;
GpioExtensionWidget *periphery = nullptr;
ReportLog *effectsLog = nullptr;
ReportLog *hardwareLog = nullptr;
ReportLog *peripheryLog = nullptr;

constexpr std::size_t SHOWN_AT = 1;
constexpr std::size_t SENT_AT = SHOWN_AT + SETTINGS_RECORD_SIZE;

void expectNothingReported(ReportLog *log, const char *what)
{
    if (!log->empty())
        fail("%s reported %zu change(s)", what, log->take().size());
}

void effectRecords(const uint8_t *data, std::size_t size)
{
    effects->setUiFromEffectSettings(recordAt<EffectSettingsTypeDef>(data, size, SHOWN_AT), false);
    expectNothingReported(effectsLog, "effects record shown with sending off");

    EffectSettingsTypeDef before{};
    effects->effectSettingsFromUi(&before);
    const auto sent = recordAt<EffectSettingsTypeDef>(data, size, SENT_AT);
    effects->setUiFromEffectSettings(sent, true);
    const std::vector<Report> reports = effectsLog->take();
    checkReports(Editor::Effects, reports, "effects record sent");
    checkEffectsFollowReports(before, reports, *effects, "effects record sent");

    effects->setUiFromEffectSettings(sent, true);
    expectNothingReported(effectsLog, "the same effects record sent again");
}

void hardwareRecords(const uint8_t *data, std::size_t size)
{
    hardware->setUiFromHardwareSettings(recordAt<HardwareSettingsTypeDef>(data, size, SHOWN_AT));
    hardware->setUiFromHardwareSettings(recordAt<HardwareSettingsTypeDef>(data, size, SENT_AT));
    expectNothingReported(hardwareLog, "hardware record shown");
}

template <typename Record, typename Apply>
void peripheryRecords(const uint8_t *data, std::size_t size, const char *name, Apply apply)
{
    (periphery->*apply)(recordAt<Record>(data, size, SHOWN_AT), false);
    if (!peripheryLog->empty())
        fail("%s record shown with sending off reported %zu change(s)", name, peripheryLog->take().size());

    AdcExtensionSettingsTypeDef adcBefore;
    GpioExtensionSettingsTypeDef gpioBefore;
    periphery->adcSettingsFromUi(&adcBefore);
    periphery->gpioSettingsFromUi(&gpioBefore);
    const auto sent = recordAt<Record>(data, size, SENT_AT);
    (periphery->*apply)(sent, true);
    const std::vector<Report> reports = peripheryLog->take();
    checkReports(Editor::Periphery, reports, name);
    checkPeripheryFollowsReports(adcBefore, gpioBefore, reports, *periphery, name);

    (periphery->*apply)(sent, true);
    if (!peripheryLog->empty())
        fail("the same %s record sent again reported %zu change(s)", name, peripheryLog->take().size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    effects = new FullEffectSettingsWidget;
    hardware = new FullHardwareSettingsWidget;
    periphery = new GpioExtensionWidget;
    effectsLog = new ReportLog(effects);
    hardwareLog = new ReportLog(hardware);
    peripheryLog = new ReportLog(periphery);
    leaveWorkFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    switch (data[0] % 4) {
    case 0:
        effectRecords(data, size);
        break;
    case 1:
        hardwareRecords(data, size);
        break;
    case 2:
        peripheryRecords<GpioExtensionSettingsTypeDef>(data, size, "GPIO",
                                                       &GpioExtensionWidget::setUiFromGpioSettings);
        break;
    default:
        peripheryRecords<AdcExtensionSettingsTypeDef>(data, size, "analog axes",
                                                      &GpioExtensionWidget::setUiFromAdcSettings);
        break;
    }
    // Whatever the controls posted (layout requests and the like) is handled
    // here, as the event loop would, so nothing piles up between inputs.
    QCoreApplication::processEvents();
    return 0;
}
