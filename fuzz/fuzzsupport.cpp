// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzzsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

namespace fuzzsupport {

namespace {

QTemporaryDir *workFolder = nullptr;
QString startFolder;

void removeWorkFolder()
{
    if (workFolder) {
        delete workFolder;
        workFolder = nullptr;
    }
}

struct FieldRule {
    Editor editor;
    int field;
    Report::Type type;
    int firstIndex;
    int lastIndex;
    long minimum;
    long maximum;
    bool zeroAllowed = true;
};

// Value ranges are what the controller accepts for the field: the whole
// range of its type for numbers, the defined values for modes and switches.
const FieldRule rules[] = {
    {Editor::Effects, SETTINGS_FIELD_INVERT_CONSTANT_FORCE, Report::Int8, 0, 0, -1, 1, false},
    {Editor::Effects, SETTINGS_FIELD_DIRECT_X_SPRING_STRENGTH, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_DIRECT_X_CONSTANT_STRENGTH, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_DIRECT_X_PERIODIC_STRENGTH, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_TOTAL_EFFECT_SCALE, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_MOTION_RANGE, Report::UInt16, 0, 0, 0, 65535},
    {Editor::Effects, SETTINGS_FIELD_SOFT_STOP_STRENGTH, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_SOFT_STOP_RANGE, Report::UInt8, 0, 0, 0, 255},
    {Editor::Effects, SETTINGS_FIELD_STATIC_DAMPENING, Report::UInt16, 0, 0, 0, 65535},
    {Editor::Effects, SETTINGS_FIELD_SOFT_STOP_DAMPENING, Report::UInt16, 0, 0, 0, 65535},
    {Editor::Effects, SETTINGS_FIELD_INTEGRATED_SPRING, Report::UInt8, 0, 0, 0, 255},

    {Editor::Periphery, SETTINGS_FIELD_SPI_EXTENSION_MODE, Report::UInt8, 0, 0, 0, SPI_EXTENSION_CUSTOM},
    {Editor::Periphery, SETTINGS_FIELD_GPIO_MODE, Report::UInt8, 0, GPIO_PIN_COUNT - 1, 0, GPIO_MODE_REBOOT},
    {Editor::Periphery, SETTINGS_FIELD_BUTTON_MODE, Report::UInt8, 0, BUTTON_COUNT - 1, 0, BUTTON_MODE_INVERTED},
    {Editor::Periphery, SETTINGS_FIELD_SPI_MODE, Report::UInt8, 0, 0, 0, 3},
    {Editor::Periphery, SETTINGS_FIELD_LATCH_MODE, Report::UInt8, 0, 0, 0, LATCH_MODE_DOWN},
    {Editor::Periphery, SETTINGS_FIELD_SPI_LATCH_DELAY, Report::UInt8, 0, 0, 0, 255},
    {Editor::Periphery, SETTINGS_FIELD_SPI_PULSE_LENGTH, Report::UInt8, 0, 0, 0, 255},
    {Editor::Periphery, SETTINGS_FIELD_LOWER_DEAD_ZONE, Report::UInt16, 0, ANALOG_AXIS_COUNT - 1, 0, 65535},
    {Editor::Periphery, SETTINGS_FIELD_UPPER_DEAD_ZONE, Report::UInt16, 0, ANALOG_AXIS_COUNT - 1, 0, 65535},
    {Editor::Periphery, SETTINGS_FIELD_ANALOG_BUTTON_LOW, Report::UInt8, 0, ANALOG_AXIS_COUNT - 1, 0, 255},
    {Editor::Periphery, SETTINGS_FIELD_ANALOG_BUTTON_HIGH, Report::UInt8, 0, ANALOG_AXIS_COUNT - 1, 0, 255},
    {Editor::Periphery, SETTINGS_FIELD_ANALOG_SMOOTHING, Report::UInt8, 0, ANALOG_AXIS_COUNT - 1, 0, 255},
    {Editor::Periphery, SETTINGS_FIELD_ANALOG_INVERT, Report::UInt8, 0, ANALOG_AXIS_COUNT - 1, 0, 1},
    // The reset-centre switch always goes out with index 1.
    {Editor::Periphery, SETTINGS_FIELD_ENABLE_RESET_BUTTON, Report::UInt8, 1, 1, 0, 1},
};

const char *typeName(Report::Type type)
{
    switch (type) {
    case Report::Int8: return "int8";
    case Report::UInt8: return "uint8";
    case Report::Int16: return "int16";
    case Report::UInt16: return "uint16";
    case Report::Float: return "float";
    }
    return "?";
}

// Where a reported value lands in the records the controller holds.
void applyToEffects(EffectSettingsTypeDef &s, const Report &r)
{
    const auto u8 = static_cast<uint8_t>(r.value);
    const auto u16 = static_cast<uint16_t>(r.value);
    switch (r.field) {
    case SETTINGS_FIELD_INVERT_CONSTANT_FORCE: s.invert_constant_force = static_cast<int8_t>(r.value); break;
    case SETTINGS_FIELD_DIRECT_X_SPRING_STRENGTH: s.direct_x_spring_strength = u8; break;
    case SETTINGS_FIELD_DIRECT_X_CONSTANT_STRENGTH: s.direct_x_constant_strength = u8; break;
    case SETTINGS_FIELD_DIRECT_X_PERIODIC_STRENGTH: s.direct_x_periodic_strength = u8; break;
    case SETTINGS_FIELD_TOTAL_EFFECT_SCALE: s.total_effect_scale = u8; break;
    case SETTINGS_FIELD_MOTION_RANGE: s.motion_range = u16; break;
    case SETTINGS_FIELD_SOFT_STOP_STRENGTH: s.soft_stop_strength = u8; break;
    case SETTINGS_FIELD_SOFT_STOP_RANGE: s.soft_stop_range = u8; break;
    case SETTINGS_FIELD_STATIC_DAMPENING: s.static_dampening = u16; break;
    case SETTINGS_FIELD_SOFT_STOP_DAMPENING: s.soft_stop_dampening = u16; break;
    case SETTINGS_FIELD_INTEGRATED_SPRING: s.integrated_spring = u8; break;
    default: fail("effects: no record field for field %d", r.field);
    }
}

void applyToPeriphery(AdcExtensionSettingsTypeDef &adc, GpioExtensionSettingsTypeDef &gpio, const Report &r)
{
    const auto u8 = static_cast<uint8_t>(r.value);
    const auto u16 = static_cast<uint16_t>(r.value);
    const int i = r.index; // already checked against the field's index range
    switch (r.field) {
    case SETTINGS_FIELD_SPI_EXTENSION_MODE: gpio.spi_extension_mode = u8; break;
    case SETTINGS_FIELD_GPIO_MODE: gpio.gpio_mode[i] = u8; break;
    case SETTINGS_FIELD_BUTTON_MODE: gpio.button_mode[i] = u8; break;
    case SETTINGS_FIELD_SPI_MODE: gpio.spi_mode = u8; break;
    case SETTINGS_FIELD_LATCH_MODE: gpio.latch_mode = u8; break;
    case SETTINGS_FIELD_SPI_LATCH_DELAY: gpio.spi_latch_delay = u8; break;
    case SETTINGS_FIELD_SPI_PULSE_LENGTH: gpio.spi_pulse_length = u8; break;
    case SETTINGS_FIELD_LOWER_DEAD_ZONE: adc.lower_dead_zone[i] = u16; break;
    case SETTINGS_FIELD_UPPER_DEAD_ZONE: adc.upper_dead_zone[i] = u16; break;
    case SETTINGS_FIELD_ANALOG_BUTTON_LOW: adc.analog_button_low[i] = u8; break;
    case SETTINGS_FIELD_ANALOG_BUTTON_HIGH: adc.analog_button_high[i] = u8; break;
    case SETTINGS_FIELD_ANALOG_SMOOTHING: adc.analog_smoothing[i] = u8; break;
    case SETTINGS_FIELD_ANALOG_INVERT: adc.analog_invert[i] = u8; break;
    case SETTINGS_FIELD_ENABLE_RESET_BUTTON: break; // a switch of the controller, not a record field
    default: fail("periphery: no record field for field %d", r.field);
    }
}

QString hex(const void *bytes, std::size_t size)
{
    return QString::fromLatin1(QByteArray(static_cast<const char *>(bytes), qsizetype(size)).toHex(' '));
}

} // namespace

void initialise()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt gets arguments of its own: libFuzzer's options are not for it.
    static int argc = 1;
    static char name[] = "vellox-fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
    registerSettingsMetaTypes();

    startFolder = QDir::currentPath();
    workFolder = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/vellox-fuzz-XXXXXX"));
    if (!workFolder->isValid() || !QDir::setCurrent(workFolder->path()))
        fail("cannot enter a temporary working folder");
    std::atexit(removeWorkFolder);
}

void leaveWorkFolder()
{
    if (!QDir::setCurrent(startFolder))
        fail("cannot return to %s", qPrintable(startFolder));
}

QString workPath(const QString &relative)
{
    return QDir(workFolder->path()).absoluteFilePath(relative);
}

void fail(const char *format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::abort();
}

ReportLog::ReportLog(SettingsEditorWidget *editor)
{
    QObject::connect(editor, &SettingsEditorWidget::settingInt8Changed, editor,
                     [this](SettingsFieldEnum f, int8_t i, int8_t v) { reports.push_back({Report::Int8, f, i, v}); });
    QObject::connect(editor, &SettingsEditorWidget::settingUInt8Changed, editor,
                     [this](SettingsFieldEnum f, int8_t i, uint8_t v) { reports.push_back({Report::UInt8, f, i, v}); });
    QObject::connect(editor, &SettingsEditorWidget::settingInt16Changed, editor,
                     [this](SettingsFieldEnum f, int8_t i, int16_t v) { reports.push_back({Report::Int16, f, i, v}); });
    QObject::connect(editor, &SettingsEditorWidget::settingUInt16Changed, editor,
                     [this](SettingsFieldEnum f, int8_t i, uint16_t v) { reports.push_back({Report::UInt16, f, i, v}); });
    QObject::connect(editor, &SettingsEditorWidget::settingFloatChanged, editor,
                     [this](SettingsFieldEnum f, int8_t i, float) { reports.push_back({Report::Float, f, i, 0}); });
}

std::vector<Report> ReportLog::take()
{
    return std::exchange(reports, {});
}

void checkReports(Editor editor, const std::vector<Report> &reports, const char *what)
{
    std::set<std::pair<int, int>> seen;
    for (const Report &r : reports) {
        const FieldRule *rule = nullptr;
        for (const FieldRule &candidate : rules) {
            if (candidate.editor == editor && candidate.field == r.field)
                rule = &candidate;
        }
        if (!rule)
            fail("%s: reported field %d, which this editor does not own", what, r.field);
        if (r.type != rule->type)
            fail("%s: field %d reported as %s, expected %s", what, r.field, typeName(r.type), typeName(rule->type));
        if (r.index < rule->firstIndex || r.index > rule->lastIndex)
            fail("%s: field %d reported with index %d, expected %d..%d", what, r.field, r.index, rule->firstIndex,
                 rule->lastIndex);
        if (r.value < rule->minimum || r.value > rule->maximum || (r.value == 0 && !rule->zeroAllowed))
            fail("%s: field %d[%d] reported value %ld, outside what the controller takes", what, r.field, r.index,
                 r.value);
        if (!seen.insert({r.field, r.index}).second)
            fail("%s: field %d[%d] reported twice for one record", what, r.field, r.index);
    }
}

void checkEffectsFollowReports(const EffectSettingsTypeDef &before, const std::vector<Report> &reports,
                               const FullEffectSettingsWidget &editor, const char *what)
{
    EffectSettingsTypeDef expected = before;
    for (const Report &r : reports)
        applyToEffects(expected, r);
    EffectSettingsTypeDef shown{};
    editor.effectSettingsFromUi(&shown);
    if (std::memcmp(&expected, &shown, sizeof shown) != 0)
        fail("%s: the editor shows\n  %s\nbut its reports leave the controller with\n  %s", what,
             qPrintable(hex(&shown, sizeof shown)), qPrintable(hex(&expected, sizeof expected)));
}

void checkPeripheryFollowsReports(const AdcExtensionSettingsTypeDef &adcBefore,
                                  const GpioExtensionSettingsTypeDef &gpioBefore, const std::vector<Report> &reports,
                                  const GpioExtensionWidget &editor, const char *what)
{
    AdcExtensionSettingsTypeDef adc = adcBefore;
    GpioExtensionSettingsTypeDef gpio = gpioBefore;
    for (const Report &r : reports)
        applyToPeriphery(adc, gpio, r);
    AdcExtensionSettingsTypeDef adcShown;
    GpioExtensionSettingsTypeDef gpioShown;
    editor.adcSettingsFromUi(&adcShown);
    editor.gpioSettingsFromUi(&gpioShown);

    // A combo box that was handed a value beyond its items shows no item
    // (read back as 255) and reports nothing; the controller keeps its value.
    const auto blankAllowed = [](uint8_t shown, uint8_t &expected) {
        if (shown == 0xFF)
            expected = 0xFF;
    };
    blankAllowed(gpioShown.spi_extension_mode, gpio.spi_extension_mode);
    blankAllowed(gpioShown.spi_mode, gpio.spi_mode);
    blankAllowed(gpioShown.latch_mode, gpio.latch_mode);
    for (int i = 0; i < GPIO_PIN_COUNT; ++i)
        blankAllowed(gpioShown.gpio_mode[i], gpio.gpio_mode[i]);
    for (int i = 0; i < BUTTON_COUNT; ++i)
        blankAllowed(gpioShown.button_mode[i], gpio.button_mode[i]);

    if (std::memcmp(&adc, &adcShown, sizeof adc) != 0)
        fail("%s: the analog axes show\n  %s\nbut the reports leave the controller with\n  %s", what,
             qPrintable(hex(&adcShown, sizeof adcShown)), qPrintable(hex(&adc, sizeof adc)));
    if (std::memcmp(&gpio, &gpioShown, sizeof gpio) != 0)
        fail("%s: the GPIO settings show\n  %s\nbut the reports leave the controller with\n  %s", what,
             qPrintable(hex(&gpioShown, sizeof gpioShown)), qPrintable(hex(&gpio, sizeof gpio)));
}

void writeProfileAndPick(QWidget *editor, const QString &folder, const QString &name, const uint8_t *data,
                         std::size_t size)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write the profile file %s", qPrintable(file.fileName()));
    if (size > 0 && file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail("cannot write the profile file %s", qPrintable(file.fileName()));
    file.close();

    auto *combo = editor->findChild<QComboBox *>(QStringLiteral("profile_combo_box"));
    if (!combo || !combo->lineEdit())
        fail("the editor has no editable profile field");
    QLineEdit *edit = combo->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace fuzzsupport
