// SPDX-License-Identifier: GPL-3.0-or-later
// The Effects editor inside a connected window: what it shows of the
// controller's effect record, and the frames each user change puts on the wire.

#include "editors/fulleffectsettingswidget.h"
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

// Record bytes with every field set; multi-byte fields little-endian.
sim::Record effectRecord(int motionRange, int staticDampening, int softStopDampening, int totalScale, int spring,
                         int softStopRange, int softStopStrength, int invert, int dxSpring, int dxConstant,
                         int dxPeriodic)
{
    sim::Record r{};
    r[0] = uint8_t(motionRange & 0xFF);
    r[1] = uint8_t(motionRange >> 8);
    r[2] = uint8_t(staticDampening & 0xFF);
    r[3] = uint8_t(staticDampening >> 8);
    r[4] = uint8_t(softStopDampening & 0xFF);
    r[5] = uint8_t(softStopDampening >> 8);
    r[6] = uint8_t(totalScale);
    r[7] = uint8_t(spring);
    r[8] = uint8_t(softStopRange);
    r[9] = uint8_t(softStopStrength);
    r[10] = uint8_t(invert & 0xFF);
    r[11] = uint8_t(dxSpring);
    r[12] = uint8_t(dxConstant);
    r[13] = uint8_t(dxPeriodic);
    return r;
}

EffectSettingsTypeDef toEffects(const sim::Record &bytes)
{
    EffectSettingsTypeDef settings;
    std::memcpy(&settings, bytes.data(), sizeof settings);
    return settings;
}

// Differs from the simulator's factory record in every field.
const sim::Record kOtherRecord = effectRecord(1500, 300, 700, 55, 33, 12, 44, 5, 11, 22, 66);

struct Controls {
    FullEffectSettingsWidget *editor = nullptr;
    QSpinBox *spin(const char *name) const { return editor->findChild<QSpinBox *>(name); }
    QSlider *slider(const char *name) const { return editor->findChild<QSlider *>(name); }
    QCheckBox *invert() const { return editor->findChild<QCheckBox *>("invert_constant_force"); }
};

Controls controlsOf(MainWindow &window)
{
    return {window.findChild<FullEffectSettingsWidget *>("effects_settings_widget")};
}

} // namespace

class EffectEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void loadingMovesEveryControlAndSendsNothing();
    void invertConstantForceIsPlusOneOrMinusOne();
    void typedValuesGrowTheSliderWithoutClamping_data();
    void typedValuesGrowTheSliderWithoutClamping();
    void slidersSendOneWritePerValue_data();
    void slidersSendOneWritePerValue();
    void applyingWithSendingWritesChangedFieldsInOrder();
    void outOfRangeValuesShowClamped();
    void recordFromControlsKeepsReservedBytes();
    void anyControllerBytesLoadWithoutAWrite();
    void everyControlIsNamedAndReachableByKeyboard();
};

void EffectEditorTest::loadingMovesEveryControlAndSendsNothing()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    QCOMPARE(c.spin("motion_range_axis0")->value(), 900);

    QVERIFY(replugWith(*window, sim::record(0x21), kOtherRecord));
    QCOMPARE(c.spin("motion_range_axis0")->value(), 1500);
    QCOMPARE(c.spin("static_dampening_axis0")->value(), 300);
    QCOMPARE(c.spin("soft_stop_dampening_axis0")->value(), 700);
    QCOMPARE(c.spin("total_effect_scale_axis0")->value(), 55);
    QCOMPARE(c.spin("integrated_spring_axis0")->value(), 33);
    QCOMPARE(c.spin("soft_stop_range_axis0")->value(), 12);
    QCOMPARE(c.spin("soft_stop_strength_axis0")->value(), 44);
    QVERIFY(c.invert()->isChecked());
    QCOMPARE(c.spin("direct_x_spring_strength")->value(), 11);
    QCOMPARE(c.spin("direct_x_constant_strength")->value(), 22);
    QCOMPARE(c.spin("direct_x_periodic_strength")->value(), 66);
    // The sliders follow, and those that started shorter have grown.
    QCOMPARE(c.slider("motion_range_slider_axis0")->value(), 1500);
    QCOMPARE(c.slider("motion_range_slider_axis0")->maximum(), 1500);
    QCOMPARE(c.slider("static_dampening_slider_axis0")->maximum(), 300);
    QCOMPARE(c.slider("static_dampening_slider_axis0")->value(), 300);
    QCOMPARE(c.slider("soft_stop_dampening_slider_axis0")->maximum(), 700);
    QCOMPARE(c.slider("horizontalSlider_2")->value(), 55);
    QCOMPARE(c.slider("direct_x_periodic_strength_slider")->value(), 66);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // One user change afterwards is one write, with id, type width and value.
    sim::clearLog();
    QTest::keyClick(c.spin("total_effect_scale_axis0"), Qt::Key_Up);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(4, 56)}));
    sim::clearLog();
    QTest::keyClick(c.spin("motion_range_axis0"), Qt::Key_Down);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 1499)}));
}

void EffectEditorTest::invertConstantForceIsPlusOneOrMinusOne()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    QVERIFY(!c.invert()->isChecked()); // the factory record holds -1

    sim::clearLog();
    QTest::keyClick(c.invert(), Qt::Key_Space);
    QVERIFY(c.invert()->isChecked());
    QTest::keyClick(c.invert(), Qt::Key_Space);
    QVERIFY(!c.invert()->isChecked());
    QCOMPARE(hex(settledSettingWrites(*window)), hex({int8Write(0, 1), int8Write(0, -1)}));

    // Any positive byte reads as on; 0 and negative bytes as off. Loading
    // never writes, and 1 while the box is already checked changes nothing.
    sim::Record record = sim::record(0x22);
    const struct {
        int stored;
        bool checked;
    } cases[] = {{5, true}, {1, true}, {0, false}, {1, true}, {-1, false}, {127, true}, {-128, false}};
    sim::clearLog();
    for (const auto &step : cases) {
        record[10] = uint8_t(step.stored & 0xFF);
        QVERIFY(loadFromController(*window, 0x22, record));
        QVERIFY2(c.invert()->isChecked() == step.checked, qPrintable(QString::number(step.stored)));
    }
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

void EffectEditorTest::typedValuesGrowTheSliderWithoutClamping_data()
{
    QTest::addColumn<QString>("spinName");
    QTest::addColumn<QString>("sliderName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("field");
    QTest::addColumn<QList<int>>("reported");
    QTest::addColumn<int>("sliderMove");

    QTest::newRow("static dampening 500") << "static_dampening_axis0" << "static_dampening_slider_axis0" << "500"
                                          << 8 << QList<int>{5, 50, 500} << 250;
    QTest::newRow("soft stop dampening 1000") << "soft_stop_dampening_axis0" << "soft_stop_dampening_slider_axis0"
                                              << "1000" << 9 << QList<int>{1, 10, 100, 1000} << 999;
    QTest::newRow("motion range 2000") << "motion_range_axis0" << "motion_range_slider_axis0" << "2000" << 5
                                       << QList<int>{2, 20, 200, 2000} << 1500;
}

void EffectEditorTest::typedValuesGrowTheSliderWithoutClamping()
{
    QFETCH(QString, spinName);
    QFETCH(QString, sliderName);
    QFETCH(QString, typed);
    QFETCH(int, field);
    QFETCH(QList<int>, reported);
    QFETCH(int, sliderMove);

    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    auto *spin = c.editor->findChild<QSpinBox *>(spinName);
    auto *slider = c.editor->findChild<QSlider *>(sliderName);
    QVERIFY(spin && slider);

    sim::clearLog();
    typeInto(spin, typed);
    QCOMPARE(spin->value(), typed.toInt());
    QCOMPARE(slider->maximum(), typed.toInt());
    QCOMPARE(slider->value(), typed.toInt());
    // Every keystroke is one write with the spin box's value and no other:
    // never the slider's old end.
    QList<QByteArray> expected;
    for (int value : reported)
        expected.append(uint16Write(field, value));
    QCOMPARE(hex(settledSettingWrites(*window)), hex(expected));

    // The widened slider now moves the spin box, which reports the value.
    sim::clearLog();
    slider->setValue(sliderMove);
    QCOMPARE(spin->value(), sliderMove);
    QCOMPARE(slider->maximum(), typed.toInt());
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(field, sliderMove)}));
}

void EffectEditorTest::slidersSendOneWritePerValue_data()
{
    QTest::addColumn<QString>("sliderName");
    QTest::addColumn<QString>("spinName");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");

    QTest::newRow("total effect strength") << "horizontalSlider_2" << "total_effect_scale_axis0" << 4 << 70;
    QTest::newRow("integrated spring") << "integrated_spring_slider_axis0" << "integrated_spring_axis0" << 43 << 25;
    QTest::newRow("soft stop strength") << "soft_stop_strength_slider_axis0" << "soft_stop_strength_axis0" << 6 << 60;
    QTest::newRow("soft stop range") << "soft_stop_range_slider_axis0" << "soft_stop_range_axis0" << 7 << 30;
    QTest::newRow("direct x spring") << "direct_x_spring_slider" << "direct_x_spring_strength" << 1 << 40;
    QTest::newRow("direct x constant") << "direct_x_constant_strength_slider" << "direct_x_constant_strength" << 2
                                       << 41;
    QTest::newRow("direct x periodic") << "direct_x_periodic_strength_slider" << "direct_x_periodic_strength" << 3
                                       << 42;
}

void EffectEditorTest::slidersSendOneWritePerValue()
{
    QFETCH(QString, sliderName);
    QFETCH(QString, spinName);
    QFETCH(int, field);
    QFETCH(int, value);

    auto window = connectedWindow();
    QVERIFY(window);
    // Object names repeat across editors ("horizontalSlider_2"): look inside this one.
    const Controls c = controlsOf(*window);
    auto *slider = c.editor->findChild<QSlider *>(sliderName);
    auto *spin = c.editor->findChild<QSpinBox *>(spinName);
    QVERIFY(slider && spin);

    sim::clearLog();
    slider->setValue(value);
    QCOMPARE(spin->value(), value);
    // One step further with the keyboard, and the spin box moves the slider back.
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(spin->value(), value + 1);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(slider->value(), value);
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({uint8Write(field, value), uint8Write(field, value + 1), uint8Write(field, value)}));
}

void EffectEditorTest::applyingWithSendingWritesChangedFieldsInOrder()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    sim::clearLog();
    c.editor->setUiFromEffectSettings(toEffects(kOtherRecord), true);
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({int8Write(0, 1), uint8Write(2, 22), uint8Write(1, 11), uint8Write(3, 66), uint16Write(5, 1500),
                  uint8Write(4, 55), uint8Write(43, 33), uint8Write(6, 44), uint8Write(7, 12),
                  uint16Write(9, 700), uint16Write(8, 300)}));
    // The controller now holds exactly what was applied.
    for (int i = 0; i < 14; ++i) {
        const int expected = i == 10 ? 1 : kOtherRecord[std::size_t(i)];
        QCOMPARE(int(sim::record(0x22)[std::size_t(i)]), expected);
    }

    // Applied a second time, nothing differs and nothing is sent.
    sim::clearLog();
    c.editor->setUiFromEffectSettings(toEffects(kOtherRecord), true);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // Only the fields that differ are sent.
    sim::Record two = kOtherRecord;
    two[10] = 0;  // off
    two[13] = 67; // periodic
    sim::clearLog();
    c.editor->setUiFromEffectSettings(toEffects(two), true);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({int8Write(0, -1), uint8Write(3, 67)}));
}

void EffectEditorTest::outOfRangeValuesShowClamped()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    sim::clearLog();
    QVERIFY(loadFromController(*window, 0x22, effectRecord(20000, 5000, 65535, 200, 255, 0, 101, 0, 255, 150, 250)));
    QCOMPARE(c.spin("motion_range_axis0")->value(), 9999);
    QCOMPARE(c.slider("motion_range_slider_axis0")->maximum(), 9999);
    QCOMPARE(c.slider("motion_range_slider_axis0")->value(), 9999);
    QCOMPARE(c.spin("static_dampening_axis0")->value(), 1000);
    QCOMPARE(c.slider("static_dampening_slider_axis0")->value(), 1000);
    QCOMPARE(c.spin("soft_stop_dampening_axis0")->value(), 1000);
    QCOMPARE(c.spin("total_effect_scale_axis0")->value(), 100);
    QCOMPARE(c.spin("integrated_spring_axis0")->value(), 100);
    QCOMPARE(c.spin("soft_stop_range_axis0")->value(), 1);
    QCOMPARE(c.slider("soft_stop_range_slider_axis0")->value(), 1);
    QCOMPARE(c.spin("soft_stop_strength_axis0")->value(), 100);
    QCOMPARE(c.spin("direct_x_spring_strength")->value(), 100);
    QCOMPARE(c.spin("direct_x_constant_strength")->value(), 100);
    QCOMPARE(c.spin("direct_x_periodic_strength")->value(), 100);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    // Applied with sending on: a clamp that moves a control sends the clamped
    // value; one that lands on what is already shown sends nothing.
    sim::Record record = effectRecord(20001, 5000, 65535, 200, 255, 0, 101, 0, 255, 150, 250);
    record[8] = 46; // soft stop range above 45: clamps to 45, which differs from 1
    sim::clearLog();
    c.editor->setUiFromEffectSettings(toEffects(record), true);
    QCOMPARE(c.spin("soft_stop_range_axis0")->value(), 45);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(7, 45)}));
}

void EffectEditorTest::recordFromControlsKeepsReservedBytes()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);
    QVERIFY(loadFromController(*window, 0x22, effectRecord(1080, 999, 1000, 1, 2, 45, 3, -1, 4, 5, 6)));

    sim::Record pattern;
    pattern.fill(0xAA);
    EffectSettingsTypeDef out = toEffects(pattern);
    c.editor->effectSettingsFromUi(&out);
    const sim::Record bytes = toRecord(&out);
    const QByteArray head(reinterpret_cast<const char *>(bytes.data()), 14);
    QCOMPARE(head.toHex(' '), QByteArray("38 04 e7 03 e8 03 01 02 2d 03 ff 04 05 06"));
    for (std::size_t i = 14; i < bytes.size(); ++i)
        QCOMPARE(int(bytes[i]), 0xAA);

    // A zero-filled record keeps its zero tail; a checked box gives +1.
    c.invert()->setChecked(true);
    EffectSettingsTypeDef zeroed;
    c.editor->effectSettingsFromUi(&zeroed);
    QCOMPARE(int(zeroed.invert_constant_force), 1);
    const sim::Record zeroBytes = toRecord(&zeroed);
    for (std::size_t i = 14; i < zeroBytes.size(); ++i)
        QCOMPARE(int(zeroBytes[i]), 0);
}

void EffectEditorTest::anyControllerBytesLoadWithoutAWrite()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const Controls c = controlsOf(*window);

    const QList<sim::Record> records = editortest::anyRecords({0x00, 0xFF, 0x80, 0x7F});

    sim::clearLog();
    for (const sim::Record &r : records) {
        QVERIFY(loadFromController(*window, 0x22, r));
        const EffectSettingsTypeDef shown = toEffects(r);
        QCOMPARE(c.spin("motion_range_axis0")->value(), qMin<int>(shown.motion_range, 9999));
        QCOMPARE(c.spin("static_dampening_axis0")->value(), qMin<int>(shown.static_dampening, 1000));
        QCOMPARE(c.spin("soft_stop_range_axis0")->value(), qBound<int>(1, shown.soft_stop_range, 45));
        QCOMPARE(c.spin("direct_x_spring_strength")->value(), qMin<int>(shown.direct_x_spring_strength, 100));
        QCOMPARE(c.invert()->isChecked(), shown.invert_constant_force > 0);
        QVERIFY(c.slider("static_dampening_slider_axis0")->value() == c.spin("static_dampening_axis0")->value());
    }
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

void EffectEditorTest::everyControlIsNamedAndReachableByKeyboard()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(showWithEditors(window));
    const Controls c = controlsOf(window);

    // Each spin box is announced with the text of the label beside it.
    editortest::verifyLabelsNameTheirControls(c.editor);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(accessibleName(c.spin("motion_range_axis0")), QStringLiteral("Motion range (degrees)"));
    QCOMPARE(accessibleName(c.spin("static_dampening_axis0")), QStringLiteral("Static dampening (%)"));

    int checked = 0;
    editortest::verifyControlsNamedAndFocusable(c.editor, &checked);
    if (QTest::currentTestFailed())
        return;
    // 10 sliders, 10 spin boxes, the check box, the profile combo box and two buttons.
    QCOMPARE(checked, 24);
    auto *profileCombo = c.editor->findChild<QComboBox *>("profile_combo_box");
    QVERIFY(profileCombo && profileCombo->isEditable());
    QCOMPARE(c.editor->findChild<QPushButton *>("profile_save_button")->text(), QStringLiteral("Save"));
    QCOMPARE(c.editor->findChild<QPushButton *>("profile_delete_button")->text(), QStringLiteral("Delete"));
}

QTEST_MAIN(EffectEditorTest)
#include "test_effecteditor.moc"
