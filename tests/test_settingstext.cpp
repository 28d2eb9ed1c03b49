// SPDX-License-Identifier: GPL-3.0-or-later
// Settings as text: the exact form written, the round trip, every way a text
// is refused (all or nothing, naming the line), and telling raw profile files
// from text ones.

#include "settings/profilefile.h"
#include "settings/settingstext.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cstring>

namespace {

const QByteArray effectsHeader = "# Vellox Wheel Setup settings: effects\n";
const QByteArray peripheryHeader = "# Vellox Wheel Setup settings: periphery\n";

QByteArray bytesOf(const ControllerSettings &settings)
{
    return QByteArray(reinterpret_cast<const char *>(&settings), sizeof settings);
}

// Random records, every field within what the window offers.
ControllerSettings randomSettings(QRandomGenerator &random)
{
    ControllerSettings settings{};
    for (const SettingsField &field : settingsFields()) {
        int state;
        do
            state = random.bounded(field.minimum, field.maximum + 1);
        while (!isOfferedState(field, state));
        setRecordValue(&settings, field, recordValueForState(field, state));
    }
    return settings;
}

SettingsText parsed(const QByteArray &bytes, std::optional<SettingsTextKind> kind = {})
{
    auto result = parseSettingsText(bytes, kind);
    if (auto *error = std::get_if<SettingsTextError>(&result))
        qWarning("line %d: %s", error->line, qPrintable(error->message));
    return std::get<SettingsText>(result);
}

} // namespace

class SettingsTextTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheHeaderFirmwareAndOneLinePerField();
    void valuesTheWindowCannotShowAreWrittenAsComments();
    void formattedTextReadsBackToTheSameRecords();
    void readsNamesNumbersCommentsAndLineEnds();
    void refusesBadTextNamingTheLine_data();
    void refusesBadTextNamingTheLine();
    void tellsRawProfilesFromText();
};

void SettingsTextTest::writesTheHeaderFirmwareAndOneLinePerField()
{
    ControllerSettings settings{};
    settings.effects = {900, 20, 30, 80, 10, 5, 60, -1, 100, 50, 25, {}};
    QCOMPARE(formatSettingsText(SettingsTextKind::Effects, "RC.24.1.4", settings),
             effectsHeader
                 + "# firmware: RC.24.1.4\n"
                   "effects.invert_constant_force = off\n"
                   "effects.direct_x_constant_strength = 50\n"
                   "effects.direct_x_spring_strength = 100\n"
                   "effects.direct_x_periodic_strength = 25\n"
                   "effects.motion_range = 900\n"
                   "effects.total_effect_scale = 80\n"
                   "effects.integrated_spring = 10\n"
                   "effects.soft_stop_strength = 60\n"
                   "effects.soft_stop_range = 5\n"
                   "effects.soft_stop_dampening = 30\n"
                   "effects.static_dampening = 20\n");

    settings.gpio.gpio_mode[7] = GPIO_MODE_BRAKING_PWM;
    settings.gpio.gpio_mode[8] = GPIO_MODE_RESET_CENTER_BUTTON;
    settings.gpio.button_mode[8] = BUTTON_MODE_INVERTED;
    settings.gpio.latch_mode = LATCH_MODE_DOWN;
    settings.gpio.spi_latch_delay = 4;
    settings.adc.lower_dead_zone[1] = 300;
    settings.adc.analog_invert[2] = 7;
    const QStringList lines
        = QString::fromUtf8(formatSettingsText(SettingsTextKind::Periphery, "R.25.0.1", settings)).split('\n');
    QCOMPARE(
        lines.mid(0, 3),
        (QStringList{QString::fromUtf8(peripheryHeader.chopped(1)), "# firmware: R.25.0.1", "adc.rx.invert = off"}));
    for (const char *line :
         {"adc.ry.lower_dead_zone = 300", "adc.rz.invert = on", "gpio.latch_mode = Latch DOWN",
          "gpio.spi_latch_delay = 4", "gpio.pin8.mode = Braking PWM", "gpio.encoder_z0.mode = Reset center button",
          "gpio.button9.mode = Inverted", "gpio.spi_extension_mode = Disabled", "gpio.button32.mode = Disabled"})
        QVERIFY2(lines.contains(line), line);
    // ADC before GPIO, 18 + 47 fields, no effects or hardware. The pulse
    // length the controller holds (0) is below what the window shows (1),
    // which a comment above its line says.
    QVERIFY(lines.indexOf("adc.rz.smoothing = 0") < lines.indexOf("gpio.spi_extension_mode = Disabled"));
    const int pulse = int(lines.indexOf("gpio.spi_pulse_length = 1"));
    QVERIFY(pulse > 0);
    QCOMPARE(lines.at(pulse - 1), QStringLiteral("# the controller holds 0; the window shows 1"));
    QCOMPARE(lines.size() - lines.filter(QRegularExpression("^#")).size(), 18 + 47 + 1);
    QCOMPARE(lines.filter("effects.").size() + lines.filter("hardware.").size(), 0);

    const QByteArray all = formatSettingsText(SettingsTextKind::All, QString(), settings);
    QVERIFY(all.startsWith("# Vellox Wheel Setup settings: all\neffects.invert_constant_force = off\n"));
    QCOMPARE(all.count("\n#"), 2); // the pulse length and the hardware's speed sample buffer of 0
    QCOMPARE(all.count('\n'), 1 + 91 + 2);
}

void SettingsTextTest::valuesTheWindowCannotShowAreWrittenAsComments()
{
    ControllerSettings settings{};
    settings.gpio.gpio_mode[0] = GPIO_MODE_BRAKING_PWM; // kept in pin 1's list, not offered there
    settings.gpio.gpio_mode[1] = 200; // beyond the items: no current item
    settings.effects.motion_range = 12000; // the spin box shows 9999
    settings.effects.soft_stop_range = 0; // the spin box shows 1
    settings.hardware.encoder_direction = 5; // shows normal
    const QByteArray text = formatSettingsText(SettingsTextKind::All, "RC.24.1.4", settings);
    const QStringList lines = QString::fromUtf8(text).split('\n');
    QVERIFY(lines.contains("effects.motion_range = 9999"));
    QVERIFY(lines.contains("effects.soft_stop_range = 1"));
    QVERIFY(lines.contains("hardware.encoder_direction = off"));
    QVERIFY(lines.filter("# gpio.pin1.mode = Braking PWM").size() == 1);
    QVERIFY(lines.filter("# gpio.pin2.mode = 200").size() == 1);

    // What is read back sends what the window shows; the commented pins stay.
    ControllerSettings back = settings;
    applySettingsText(parsed(text), &back);
    QCOMPARE(back.gpio.gpio_mode[0], uint8_t(GPIO_MODE_BRAKING_PWM));
    QCOMPARE(back.gpio.gpio_mode[1], uint8_t(200));
    QCOMPARE(int(back.effects.motion_range), 9999);
    QCOMPARE(back.hardware.encoder_direction, int8_t(-1));
    QCOMPARE(parsed(text).values.size(), 91 - 2);
}

void SettingsTextTest::formattedTextReadsBackToTheSameRecords()
{
    QRandomGenerator random(0x7e47);
    for (int n = 0; n < 200; ++n) {
        const ControllerSettings settings = randomSettings(random);
        for (SettingsTextKind kind : {SettingsTextKind::Effects, SettingsTextKind::Periphery, SettingsTextKind::All}) {
            const QByteArray text = formatSettingsText(kind, "RC.24.1.4", settings);
            const SettingsText read = parsed(text, kind);
            QCOMPARE(read.kind, kind);
            QCOMPARE(read.firmwareVersionText, QStringLiteral("RC.24.1.4"));
            // Put into other records: every field the kind covers comes back,
            // every other one is left alone.
            const ControllerSettings other = randomSettings(random);
            ControllerSettings back = other;
            applySettingsText(read, &back);
            ControllerSettings expected = other;
            if (kind != SettingsTextKind::Periphery) {
                expected.effects = settings.effects;
                std::memcpy(expected.effects.reserved, other.effects.reserved, sizeof other.effects.reserved);
            }
            if (kind == SettingsTextKind::All)
                expected.hardware = settings.hardware;
            if (kind != SettingsTextKind::Effects) {
                expected.adc = settings.adc;
                expected.gpio = settings.gpio;
            }
            QCOMPARE(bytesOf(back).toHex(), bytesOf(expected).toHex());
            QCOMPARE(formatSettingsText(kind, "RC.24.1.4", back), text);
        }
    }
}

void SettingsTextTest::readsNamesNumbersCommentsAndLineEnds()
{
    const QByteArray text = "\xEF\xBB\xBF# Vellox Wheel Setup settings: periphery  \r\n"
                            "# firmware: RC.24.1.4\r\n"
                            "\r\n"
                            "   # a comment = with an equals sign\n"
                            "gpio.pin1.mode=Generic button\n"
                            "  gpio.pin2.mode   =   3  \n"
                            "\tadc.rx.invert = on\n"
                            "adc.ry.invert = 1\n"
                            "gpio.spi_latch_delay = 10";
    const SettingsText read = parsed(text, SettingsTextKind::Periphery);
    QCOMPARE(read.firmwareVersionText, QStringLiteral("RC.24.1.4"));
    ControllerSettings settings{};
    settings.gpio.gpio_mode[2] = 5;
    settings.adc.analog_invert[2] = 9;
    applySettingsText(read, &settings);
    QCOMPARE(settings.gpio.gpio_mode[0], uint8_t(GPIO_MODE_GENERIC_BUTTON));
    QCOMPARE(settings.gpio.gpio_mode[1], uint8_t(GPIO_MODE_SPI_CS));
    QCOMPARE(settings.gpio.gpio_mode[2], uint8_t(5)); // not named: left as it was
    QCOMPARE(settings.adc.analog_invert[0], uint8_t(1));
    QCOMPARE(settings.adc.analog_invert[1], uint8_t(1));
    QCOMPARE(settings.adc.analog_invert[2], uint8_t(9));
    QCOMPARE(settings.gpio.spi_latch_delay, uint8_t(10));

    // A direction is written back as the controller takes it: 1 or -1.
    ControllerSettings hardware{};
    applySettingsText(parsed("# Vellox Wheel Setup settings: all\nhardware.force_direction = off\n"
                             "hardware.encoder_direction = on\neffects.invert_constant_force = 0\n"),
                      &hardware);
    QCOMPARE(hardware.hardware.force_direction, int8_t(-1));
    QCOMPARE(hardware.hardware.encoder_direction, int8_t(1));
    QCOMPARE(hardware.effects.invert_constant_force, int8_t(-1));
}

void SettingsTextTest::refusesBadTextNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expectedKind"); // -1: any
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("says");

    const int any = -1;
    const int effects = int(SettingsTextKind::Effects);
    const int periphery = int(SettingsTextKind::Periphery);
    const QByteArray p = peripheryHeader;
    QTest::newRow("unknown key") << p + "gpio.pin1.mode = Disabled\ngpio.pin9.mode = Disabled\n"
                                 << any << 3 << "Unknown key \"gpio.pin9.mode\"";
    QTest::newRow("number above range") << p + "\nadc.rx.smoothing = 101\n"
                                        << any << 3 << "\"101\" is out of range for adc.rx.smoothing (0 to 100)";
    QTest::newRow("number below range") << p + "gpio.spi_pulse_length = 0\n" << any << 2 << "(1 to 10)";
    QTest::newRow("negative number") << effectsHeader + "effects.motion_range = -1\n" << any << 2 << "out of range";
    QTest::newRow("huge number") << effectsHeader + "effects.motion_range = 99999999999999\n"
                                 << any << 2 << "takes a number";
    QTest::newRow("number with junk") << effectsHeader + "effects.motion_range = 90 0\n"
                                      << any << 2 << "takes a number";
    QTest::newRow("choice not offered on the pin") << p + "gpio.pin1.mode = Braking PWM\n"
                                                   << any << 2 << "\"Braking PWM\" is not offered for gpio.pin1.mode";
    QTest::newRow("choice not offered, by number") << p + "gpio.encoder_z1.mode = 1\n" << any << 2 << "not offered";
    QTest::newRow("choice beyond the items") << p + "gpio.button1.mode = 3\n" << any << 2 << "not offered";
    QTest::newRow("choice in other case") << p + "gpio.latch_mode = latch up\n" << any << 2 << "not offered";
    QTest::newRow("switch word") << effectsHeader + "effects.invert_constant_force = yes\n"
                                 << any << 2 << "takes \"on\" or \"off\"";
    QTest::newRow("switch number") << p + "adc.rx.invert = 2\n" << any << 2 << "out of range";
    QTest::newRow("empty value") << p + "adc.rx.invert =  \n" << any << 2 << "has no value";
    QTest::newRow("duplicate key") << p + "adc.rx.invert = on\n#\nadc.rx.invert = on\n"
                                   << any << 4 << "already set on line 2";
    QTest::newRow("effects where periphery is expected") << effectsHeader + "effects.motion_range = 900\n"
                                                         << periphery << 1 << "These are effects settings";
    QTest::newRow("all where effects is expected")
        << QByteArray("# Vellox Wheel Setup settings: all\n") << effects << 1 << "effects settings are expected";
    QTest::newRow("key of another record") << effectsHeader + "effects.motion_range = 900\nhardware.p_gain = 5\n"
                                           << effects << 3 << "hardware.p_gain does not belong in effects settings";
    QTest::newRow("no header") << QByteArray("effects.motion_range = 900\n") << any << 1 << "The first line";
    QTest::newRow("header of no kind") << QByteArray("# Vellox Wheel Setup settings: hardware\n") << any << 1
                                       << "The first line";
    QTest::newRow("blank before the header") << " " + p << any << 1 << "The first line";
    QTest::newRow("empty file") << QByteArray() << any << 1 << "The first line";
    QTest::newRow("line without equals") << p + "adc.rx.invert on\n" << any << 2 << "Expected \"key = value\"";
    QTest::newRow("line without key") << p + " = on\n" << any << 2 << "Expected \"key = value\"";
    QTest::newRow("key with blanks") << p + "adc rx invert = on\n" << any << 2 << "Unknown key";
    QTest::newRow("not UTF-8") << p + "# fine\nadc.rx.invert = o\xFF\n" << any << 3 << "not valid UTF-8";
    QTest::newRow("overlong UTF-8") << p + "# \xC0\xAF\n" << any << 2 << "not valid UTF-8";
    QTest::newRow("byte order mark inside") << p
            + "\xEF\xBB\xBF"
              "adc.rx.invert = on\n" << any << 2
                                            << "Unknown key";
    QByteArray oversized = p + "adc.rx.invert = on\n";
    oversized += QByteArray(MAX_SETTINGS_TEXT_SIZE - oversized.size() + 1, '\n');
    QTest::newRow("over 64 KiB") << oversized << any << 0 << "larger than 64 KiB";
}

void SettingsTextTest::refusesBadTextNamingTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expectedKind);
    QFETCH(int, line);
    QFETCH(QString, says);
    const auto kind = expectedKind < 0 ? std::nullopt : std::optional(SettingsTextKind(expectedKind));
    const auto result = parseSettingsText(text, kind);
    QVERIFY2(std::holds_alternative<SettingsTextError>(result), "the text was accepted");
    const SettingsTextError &error = std::get<SettingsTextError>(result);
    QCOMPARE(error.line, line);
    QVERIFY2(error.message.contains(says), qPrintable(error.message));

    // A profile file of that text applies nothing either.
    const auto file = readProfileFile(text, kind, ControllerSettings{});
    if (text.startsWith("# Vellox"))
        QCOMPARE(std::get<SettingsTextError>(file).line, line);
}

void SettingsTextTest::tellsRawProfilesFromText()
{
    ControllerSettings current{};
    current.effects.motion_range = 540;
    current.gpio.spi_mode = 2;
    QByteArray effects(64, 0);
    effects[0] = char(0x84);
    effects[1] = 0x03;

    // Raw, as the window's profile store loads it: the first bytes of a file
    // at least that long; without a kind, 64 bytes are effects, 128 or more periphery.
    for (const QByteArray &bytes : {effects, effects + QByteArray(100, 1)}) {
        const auto file = std::get<ProfileFile>(readProfileFile(bytes, SettingsTextKind::Effects, current));
        QCOMPARE(file.kind, SettingsTextKind::Effects);
        QVERIFY(!file.isText);
        QCOMPARE(int(file.settings.effects.motion_range), 900);
        QCOMPARE(file.settings.gpio.spi_mode, uint8_t(2));
    }
    QCOMPARE(std::get<ProfileFile>(readProfileFile(effects, {}, current)).kind, SettingsTextKind::Effects);
    QByteArray periphery(128, 0);
    periphery[64 + 43] = 3;
    const auto raw = std::get<ProfileFile>(readProfileFile(periphery, {}, current));
    QCOMPARE(raw.kind, SettingsTextKind::Periphery);
    QCOMPARE(raw.settings.gpio.spi_mode, uint8_t(3));
    QCOMPARE(int(raw.settings.effects.motion_range), 540);
    QCOMPARE(rawProfileBytes(SettingsTextKind::Periphery, raw.settings), periphery);

    QVERIFY(std::holds_alternative<SettingsTextError>(
        readProfileFile(effects.left(63), SettingsTextKind::Effects, current)));
    QVERIFY(std::holds_alternative<SettingsTextError>(readProfileFile(effects, SettingsTextKind::Periphery, current)));
    QVERIFY(std::holds_alternative<SettingsTextError>(readProfileFile(effects + "x", {}, current)));
    // A file on its own is one record exactly; any larger file would pass.
    QVERIFY(std::holds_alternative<SettingsTextError>(readProfileFile(periphery + "x", {}, current)));
    QVERIFY(std::holds_alternative<SettingsTextError>(readProfileFile(periphery, SettingsTextKind::All, current)));

    // Text: fields it does not name keep the controller's values.
    const auto text = std::get<ProfileFile>(
        readProfileFile(effectsHeader + "effects.total_effect_scale = 70\n", SettingsTextKind::Effects, current));
    QVERIFY(text.isText);
    QCOMPARE(text.settings.effects.total_effect_scale, uint8_t(70));
    QCOMPARE(int(text.settings.effects.motion_range), 540);
    // A text of 128 bytes or more is still text, and of its own kind.
    const QByteArray long_ = effectsHeader + QByteArray(200, '\n');
    QCOMPARE(std::get<ProfileFile>(readProfileFile(long_, {}, current)).kind, SettingsTextKind::Effects);
    QCOMPARE(std::get<SettingsTextError>(readProfileFile(long_, SettingsTextKind::Periphery, current)).line, 1);
}

QTEST_GUILESS_MAIN(SettingsTextTest)
#include "test_settingstext.moc"
