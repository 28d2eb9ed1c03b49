// SPDX-License-Identifier: GPL-3.0-or-later
// The Controller editor inside a connected window: what it shows of the
// controller's hardware record, and the frames each user change puts on the wire.

#include "editors/fullhardwaresettingswidget.h"
#include "tests/editortestsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>

using namespace testsupport;
using namespace editortest;

namespace {

struct HardwareBytes {
    int cpr, iGain, pGain, forceEnable, debug, gain, calMagnitude, calSpeed, power, braking, smoothing, buffer,
        encoderDirection, forceDirection, polePairs;
};

sim::Record hardwareRecord(const HardwareBytes &h)
{
    sim::Record r{};
    r[0] = uint8_t(h.cpr & 0xFF);
    r[1] = uint8_t(h.cpr >> 8);
    r[2] = uint8_t(h.iGain & 0xFF);
    r[3] = uint8_t(h.iGain >> 8);
    r[4] = uint8_t(h.pGain);
    r[5] = uint8_t(h.forceEnable);
    r[6] = uint8_t(h.debug);
    r[7] = uint8_t(h.gain);
    r[8] = uint8_t(h.calMagnitude);
    r[9] = uint8_t(h.calSpeed);
    r[10] = uint8_t(h.power);
    r[11] = uint8_t(h.braking);
    r[12] = uint8_t(h.smoothing);
    r[13] = uint8_t(h.buffer);
    r[14] = uint8_t(h.encoderDirection & 0xFF);
    r[15] = uint8_t(h.forceDirection & 0xFF);
    r[16] = uint8_t(h.polePairs);
    return r;
}

struct Controls {
    FullHardwareSettingsWidget *editor = nullptr;
    QSpinBox *spin(const char *name) const { return editor->findChild<QSpinBox *>(name); }
    QSlider *slider(const char *name) const { return editor->findChild<QSlider *>(name); }
    QCheckBox *box(const char *name) const { return editor->findChild<QCheckBox *>(name); }
    QComboBox *gain() const { return editor->findChild<QComboBox *>("amplifier_gain"); }
};

Controls controlsOf(MainWindow &window)
{
    return {window.findChild<FullHardwareSettingsWidget *>("hardware_settings_widget")};
}

// Names of the widgets of the editor's form that are hidden on their own
// account (the combo box's popup is a window of its own and does not count).
QStringList hiddenWidgets(QWidget *editor)
{
    QStringList names;
    for (QWidget *w : editor->findChildren<QWidget *>()) {
        if (w->window() == editor->window() && w->isHidden())
            names.append(w->objectName());
    }
    names.sort();
    return names;
}

} // namespace

class HardwareEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void loadingMovesEveryControlAndSendsNothing();
    void switchesAndDirectionsSendTheirValues();
    void directionBoxesCheckOnlyForOne();
    void gainComboSendsTheItemIndex();
    void slidersAndSpinBoxesSendTheirField_data();
    void slidersAndSpinBoxesSendTheirField();
    void typingEncoderCprSendsEachKeystroke();
    void calibrationSpeedGrowsItsSliderWithoutClamping();
    void advancedModeShowsOnlyTheGainRowExtra();
    void anyControllerBytesLoadWithoutAWrite();
    void everyControlIsNamedAndReachableByKeyboard();
};

void HardwareEditorTest::loadingMovesEveryControlAndSendsNothing()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    QCOMPARE(c.spin("axis0_encoder_CPR")->value(), 4096);

    // Differs from the simulator's factory record in every field.
    const sim::Record other = hardwareRecord({2048, 250, 55, 0, 7, 3, 70, 180, 95, 40, 30, 16, 1, 1, 11});
    QVERIFY(replugWith(*window, other, sim::record(0x22)));
    QCOMPARE(c.spin("axis0_encoder_CPR")->value(), 2048);
    QCOMPARE(c.spin("axis0_i_gain")->value(), 250);
    QCOMPARE(c.slider("horizontalSlider_2")->value(), 250);
    QCOMPARE(c.spin("axis0_p_gain")->value(), 55);
    QCOMPARE(c.slider("horizontalSlider")->value(), 55);
    QVERIFY(!c.box("force_enable")->isChecked());
    QVERIFY(c.box("debug_forces")->isChecked());
    QCOMPARE(c.gain()->currentIndex(), 3);
    QCOMPARE(c.spin("calibration_magnitude")->value(), 70);
    QCOMPARE(c.spin("calibration_speed")->value(), 180);
    QCOMPARE(c.slider("calibration_speed_slider")->value(), 180);
    QCOMPARE(c.slider("calibration_speed_slider")->maximum(), 180);
    QCOMPARE(c.spin("power_limit")->value(), 95);
    QCOMPARE(c.spin("braking_limit")->value(), 40);
    QCOMPARE(c.slider("braking_slider")->value(), 40);
    QCOMPARE(c.spin("position_smoothing")->value(), 30);
    QCOMPARE(c.spin("speed_sample_buffer_size")->value(), 16);
    QVERIFY(c.box("axis0_encoder_direction")->isChecked());
    QVERIFY(c.box("axis0_force_direction")->isChecked());
    QCOMPARE(c.spin("axis0_pole_pair")->value(), 11);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // One user change afterwards is one write.
    sim::clearLog();
    QTest::keyClick(c.spin("power_limit"), Qt::Key_Up);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(17, 96)}));
}

void HardwareEditorTest::switchesAndDirectionsSendTheirValues()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    // Factory record: forces on, debug off, both directions normal.
    QVERIFY(c.box("force_enable")->isChecked());

    sim::clearLog();
    for (const char *name : {"force_enable", "debug_forces", "axis0_encoder_direction", "axis0_force_direction"}) {
        QTest::keyClick(c.box(name), Qt::Key_Space);
        QTest::keyClick(c.box(name), Qt::Key_Space);
    }
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({uint8Write(11, 0), uint8Write(11, 1), uint8Write(12, 1), uint8Write(12, 0), int8Write(21, 1),
                  int8Write(21, -1), int8Write(22, 1), int8Write(22, -1)}));
}

void HardwareEditorTest::directionBoxesCheckOnlyForOne()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    sim::Record record = sim::record(0x21);
    sim::clearLog();
    for (int stored : {1, 0, 1, -1, 5, 2, 1, 127, -128}) {
        record[14] = uint8_t(stored & 0xFF);
        record[15] = uint8_t(stored & 0xFF);
        QVERIFY(loadFromController(*window, 0x21, record));
        QVERIFY2(c.box("axis0_encoder_direction")->isChecked() == (stored == 1), qPrintable(QString::number(stored)));
        QVERIFY2(c.box("axis0_force_direction")->isChecked() == (stored == 1), qPrintable(QString::number(stored)));
    }
    // Force enable and debug take any non-zero byte as on.
    record[5] = 0x80;
    record[6] = 2;
    QVERIFY(loadFromController(*window, 0x21, record));
    QVERIFY(c.box("force_enable")->isChecked());
    QVERIFY(c.box("debug_forces")->isChecked());
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

void HardwareEditorTest::gainComboSendsTheItemIndex()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    c.editor->setAdvancedMode(true);
    QCOMPARE(c.gain()->currentText(), QStringLiteral("20V/V"));

    sim::clearLog();
    QTest::keyClick(c.gain(), Qt::Key_Down);
    QCOMPARE(c.gain()->currentText(), QStringLiteral("10V/V"));
    QTest::keyClick(c.gain(), Qt::Key_Home);
    QCOMPARE(c.gain()->currentText(), QStringLiteral("80V/V"));
    QTest::keyClick(c.gain(), Qt::Key_Down);
    QTest::keyClick(c.gain(), Qt::Key_Down);
    QCOMPARE(c.gain()->currentText(), QStringLiteral("20V/V"));
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({uint8Write(13, 3), uint8Write(13, 0), uint8Write(13, 1), uint8Write(13, 2)}));
}

void HardwareEditorTest::slidersAndSpinBoxesSendTheirField_data()
{
    QTest::addColumn<QString>("sliderName");
    QTest::addColumn<QString>("spinName");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("value");

    QTest::newRow("p gain") << "horizontalSlider" << "axis0_p_gain" << 25 << false << 33;
    QTest::newRow("i gain") << "horizontalSlider_2" << "axis0_i_gain" << 26 << true << 300;
    QTest::newRow("power limit") << "horizontalSlider_11" << "power_limit" << 17 << false << 90;
    QTest::newRow("calibration magnitude") << "horizontalSlider_15" << "calibration_magnitude" << 15 << false << 45;
    QTest::newRow("calibration speed") << "calibration_speed_slider" << "calibration_speed" << 16 << false << 70;
    QTest::newRow("braking limit") << "braking_slider" << "braking_limit" << 18 << false << 40;
    QTest::newRow("speed sample buffer") << "speed_sample_buffer_size_slider" << "speed_sample_buffer_size" << 20
                                         << false << 20;
    QTest::newRow("position smoothing") << "position_smoothing_slider" << "position_smoothing" << 19 << false << 10;
}

void HardwareEditorTest::slidersAndSpinBoxesSendTheirField()
{
    QFETCH(QString, sliderName);
    QFETCH(QString, spinName);
    QFETCH(int, field);
    QFETCH(bool, wide);
    QFETCH(int, value);

    auto window = connectedWindow();
    QVERIFY(window);
    // Object names repeat across editors ("horizontalSlider_2"): look inside this one.
    const Controls c = controlsOf(*window);
    auto *slider = c.editor->findChild<QSlider *>(sliderName);
    auto *spin = c.editor->findChild<QSpinBox *>(spinName);
    QVERIFY(slider && spin);
    const auto write = [field, wide](int v) { return wide ? uint16Write(field, v) : uint8Write(field, v); };

    sim::clearLog();
    // Dragging across three values: one write per value, from the spin box.
    slider->setValue(value);
    slider->setValue(value + 1);
    slider->setValue(value + 2);
    QCOMPARE(spin->value(), value + 2);
    // The keyboard on the spin box moves the slider.
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(slider->value(), value + 1);
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({write(value), write(value + 1), write(value + 2), write(value + 1)}));
}

void HardwareEditorTest::typingEncoderCprSendsEachKeystroke()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    sim::clearLog();
    typeInto(c.spin("axis0_encoder_CPR"), "40960");
    QCOMPARE(c.spin("axis0_encoder_CPR")->value(), 40960);
    typeInto(c.spin("axis0_pole_pair"), "21");
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({uint16Write(24, 4), uint16Write(24, 40), uint16Write(24, 409), uint16Write(24, 4096),
                  uint16Write(24, 40960), uint8Write(23, 2), uint8Write(23, 21)}));

    // Neither box takes a value beyond its range.
    sim::clearLog();
    typeInto(c.spin("axis0_encoder_CPR"), "65536");
    QVERIFY(c.spin("axis0_encoder_CPR")->value() <= 65535);
    typeInto(c.spin("axis0_pole_pair"), "100");
    QVERIFY(c.spin("axis0_pole_pair")->value() <= 99);
    for (const QByteArray &written : settledSettingWrites(*window)) {
        const int field = written[2];
        const int value = uint8_t(written[4]) | (uint8_t(written[5]) << 8);
        QVERIFY(field == 24 || field == 23);
        QVERIFY(field == 24 || value <= 99);
    }
}

void HardwareEditorTest::calibrationSpeedGrowsItsSliderWithoutClamping()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    QSpinBox *speed = c.spin("calibration_speed");
    QSlider *slider = c.slider("calibration_speed_slider");
    QCOMPARE(slider->maximum(), 100);

    // Loaded 180: the slider grows to it; nothing is sent.
    sim::Record record = sim::record(0x21);
    record[9] = 180;
    sim::clearLog();
    QVERIFY(loadFromController(*window, 0x21, record));
    QCOMPARE(speed->value(), 180);
    QCOMPARE(slider->maximum(), 180);
    QCOMPARE(slider->value(), 180);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // Typed 200: every keystroke's value and nothing else, never a clamped 100.
    sim::clearLog();
    typeInto(speed, "200");
    QCOMPARE(speed->value(), 200);
    QCOMPARE(slider->maximum(), 200);
    QCOMPARE(slider->value(), 200);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(16, 2), uint8Write(16, 20), uint8Write(16, 200)}));

    // The maximum never shrinks, and the slider reaches the grown end.
    record[9] = 50;
    QVERIFY(loadFromController(*window, 0x21, record));
    QCOMPARE(slider->maximum(), 200);
    QCOMPARE(slider->value(), 50);
    sim::clearLog();
    slider->setValue(190);
    QCOMPARE(speed->value(), 190);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(16, 190)}));
}

void HardwareEditorTest::advancedModeShowsOnlyTheGainRowExtra()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    // The window has set its own mode (not advanced) after the connection.
    QCOMPARE(hiddenWidgets(c.editor), (QStringList{"amplifier_gain", "amplifier_gain_label"}));
    c.editor->setAdvancedMode(true);
    QCOMPARE(hiddenWidgets(c.editor), QStringList{});
    c.editor->setAdvancedMode(false);
    QCOMPARE(hiddenWidgets(c.editor), (QStringList{"amplifier_gain", "amplifier_gain_label"}));
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

void HardwareEditorTest::anyControllerBytesLoadWithoutAWrite()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    const QList<sim::Record> records = editortest::anyRecords({0x00, 0xFF, 0x80, 0x04});

    sim::clearLog();
    for (const sim::Record &r : records) {
        QVERIFY(loadFromController(*window, 0x21, r));
        QCOMPARE(c.spin("axis0_encoder_CPR")->value(), r[0] | (r[1] << 8));
        QCOMPARE(c.spin("axis0_i_gain")->value(), qMin(r[2] | (r[3] << 8), 500));
        QCOMPARE(c.spin("power_limit")->value(), qMin<int>(r[10], 100));
        QCOMPARE(c.spin("calibration_speed")->value(), qMin<int>(r[9], 250));
        QCOMPARE(c.spin("speed_sample_buffer_size")->value(), qBound<int>(2, r[13], 32));
        QCOMPARE(c.spin("axis0_pole_pair")->value(), qMin<int>(r[16], 99));
        // An unknown gain leaves the combo box without a current item.
        QCOMPARE(c.gain()->currentIndex(), r[7] < 4 ? int(r[7]) : -1);
        QCOMPARE(c.slider("calibration_speed_slider")->value(), c.spin("calibration_speed")->value());
    }
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // From an empty combo box the user's choice is sent as usual.
    sim::Record unknownGain = sim::record(0x21);
    unknownGain[7] = 9;
    QVERIFY(loadFromController(*window, 0x21, unknownGain));
    QCOMPARE(c.gain()->currentIndex(), -1);
    sim::clearLog();
    c.gain()->setCurrentIndex(1);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(13, 1)}));
}

void HardwareEditorTest::everyControlIsNamedAndReachableByKeyboard()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(showWithEditors(window));
    const Controls c = controlsOf(window);

    // Each spin box and the combo box are announced with the text of the label beside them.
    editortest::verifyLabelsNameTheirControls(c.editor);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(accessibleName(c.spin("axis0_encoder_CPR")), QStringLiteral("Encoder CPR"));
    QCOMPARE(accessibleLabel(c.gain()), QStringLiteral("Current sense gain (Require reboot)"));

    int checked = 0;
    editortest::verifyControlsNamedAndFocusable(c.editor, &checked);
    if (QTest::currentTestFailed())
        return;
    // Four check boxes, the combo box, ten spin boxes and eight sliders.
    QCOMPARE(checked, 23);
    QStringList items;
    for (int i = 0; i < c.gain()->count(); ++i)
        items.append(c.gain()->itemText(i));
    QCOMPARE(items, (QStringList{"80V/V", "40V/V", "20V/V", "10V/V"}));
}

QTEST_MAIN(HardwareEditorTest)
#include "test_hardwareeditor.moc"
