// SPDX-License-Identifier: GPL-3.0-or-later
// The change planner against the real window: for random records on the
// simulated controller and random profiles, the frames built from the planned
// writes equal, byte for byte and in order, the frames the window sends when
// the profile is picked (hardware: when the controls are set one by one), and
// when one control is set by hand. Also: the field table agrees with the
// editors' controls.

#include "app/mainwindow.h"
#include "device/devicereports.h"
#include "settings/settingschanges.h"
#include "tests/editortestsupport.h"
#include "tests/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using editortest::hex;
namespace sim = vellox::sim;
using Worker = SettingsUiBackgroundThread;

namespace {

constexpr int CASES_PER_RECORD = 100;

// The worker logs every write at debug level; hundreds of cases would bury
// the test's own output.
QtMessageHandler defaultHandler = nullptr;
void dropDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        defaultHandler(type, context, message);
}

// The editor's control of each field, by object name, written out from the forms.
QString controlName(const SettingsField &field)
{
    static const QHash<QString, QString> named = {
        {"effects.invert_constant_force", "invert_constant_force"},
        {"effects.direct_x_constant_strength", "direct_x_constant_strength"},
        {"effects.direct_x_spring_strength", "direct_x_spring_strength"},
        {"effects.direct_x_periodic_strength", "direct_x_periodic_strength"},
        {"effects.motion_range", "motion_range_axis0"}, {"effects.total_effect_scale", "total_effect_scale_axis0"},
        {"effects.integrated_spring", "integrated_spring_axis0"},
        {"effects.soft_stop_strength", "soft_stop_strength_axis0"},
        {"effects.soft_stop_range", "soft_stop_range_axis0"},
        {"effects.soft_stop_dampening", "soft_stop_dampening_axis0"},
        {"effects.static_dampening", "static_dampening_axis0"},
        {"hardware.encoder_direction", "axis0_encoder_direction"},
        {"hardware.force_direction", "axis0_force_direction"}, {"hardware.encoder_cpr", "axis0_encoder_CPR"},
        {"hardware.pole_pairs", "axis0_pole_pair"}, {"hardware.p_gain", "axis0_p_gain"},
        {"hardware.i_gain", "axis0_i_gain"}, {"gpio.spi_extension_mode", "spiModeCombo_1"},
        {"gpio.spi_mode", "spi_mode_dropdown"}, {"gpio.latch_mode", "latch_mode_dropdown"},
        {"gpio.spi_latch_delay", "spi_latch_delay"}, {"gpio.spi_pulse_length", "spi_pulse_length"}};
    const QString key = QLatin1String(field.key);
    if (named.contains(key))
        return named.value(key);
    if (key.startsWith("hardware."))
        return key.mid(9); // the others are named after their field
    const int n = field.index + 1;
    if (field.id == SETTINGS_FIELD_GPIO_MODE)
        return QStringLiteral("gpioModeCombo_%1").arg(n);
    if (field.id == SETTINGS_FIELD_BUTTON_MODE)
        return QString(n <= 8 ? "buttonMode_pin_%1" : "buttonMode_%1").arg(n);
    const QHash<int, QString> analog = {{SETTINGS_FIELD_ANALOG_INVERT, "analog%1_invert"},
                                        {SETTINGS_FIELD_ANALOG_BUTTON_LOW, "analogButtonLowSpinBox_%1"},
                                        {SETTINGS_FIELD_ANALOG_BUTTON_HIGH, "analogButtonHighSpinBox_%1"},
                                        {SETTINGS_FIELD_LOWER_DEAD_ZONE, "lowerDeadZoneSpinBox_%1"},
                                        {SETTINGS_FIELD_UPPER_DEAD_ZONE, "upperDeadZoneSpinBox_%1"},
                                        {SETTINGS_FIELD_ANALOG_SMOOTHING, "analogSmoothingSpinBox_%1"}};
    return analog.value(field.id).arg(n);
}

// Compares what reached the controller with the frames of the planned
// writes; on a difference says which case it was before the comparison fails.
void sameFrames(const QList<QByteArray> &sent, const QVector<SettingsWrite> &planned, const QString &what)
{
    QList<QByteArray> frames;
    for (const SettingsWrite &write : planned) {
        HidInOutReportTypeDef report;
        CreateSettingsReport(&report, write);
        frames.append(QByteArray(reinterpret_cast<const char *>(&report), sizeof report));
    }
    if (sent != frames)
        qWarning("%s", qPrintable(what));
    QCOMPARE(hex(sent), hex(frames));
}

QByteArray hexOf(const void *record)
{
    return QByteArray(static_cast<const char *>(record), 64).toHex();
}

// Random values for every field of a record, many of them beyond what the
// controls take; `like` makes about a third of them equal, so that the
// "nothing changes" path is taken often. The other bytes, reserved ones
// included, stay as they are: randomBytes() fills them first.
void randomise(QRandomGenerator &random, ControllerSettings *settings, SettingsRecord record,
               const ControllerSettings *like)
{
    for (const SettingsField &field : settingsFields()) {
        const int roll = random.bounded(100);
        if (field.record != record || roll >= 85)
            continue; // the random bytes stay
        if (like && roll < 35)
            setRecordValue(settings, field, recordValue(*like, field));
        else if (roll < 70)
            setRecordValue(settings, field,
                           recordValueForState(field, random.bounded(field.minimum, field.maximum + 1)));
        else
            setRecordValue(settings, field,
                           std::array{field.minimum - 1, field.minimum, field.maximum, field.maximum + 1, -1, 2,
                                      255}[random.bounded(7)]);
    }
}

ControllerSettings randomBytes(QRandomGenerator &random)
{
    ControllerSettings settings;
    random.fillRange(reinterpret_cast<quint32 *>(&settings), sizeof settings / sizeof(quint32));
    return settings;
}

QByteArray bytesOf(const void *record)
{
    return QByteArray(static_cast<const char *>(record), 64);
}

} // namespace

class SettingsChangesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tableAgreesWithTheEditorsControls();
    void profilePickSendsThePlannedFrames_data();
    void profilePickSendsThePlannedFrames();
    void settingHardwareControlsSendsThePlannedFrames();

private:
    // Has the worker read a record from the controller, as after a
    // connection, and waits until the window has handed it to its editor.
    template <typename Obtained>
    bool load(uint8_t reportId, const void *record, Obtained obtained, void (Worker::*read)());
    QWidget *control(const SettingsField &field) const;
    // One random field of the record set by hand through its widget,
    // compared with fieldChange().
    void checkOneFieldChange(QRandomGenerator &random, SettingsRecord record, const ControllerSettings &shown);

    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
};

void SettingsChangesTest::initTestCase()
{
    defaultHandler = qInstallMessageHandler(dropDebugMessages);
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    window = testsupport::connectedWindow();
    QVERIFY(window);
}

void SettingsChangesTest::cleanupTestCase()
{
    window.reset();
    QVERIFY(testsupport::noMisuse());
    QDir::setCurrent(previousDir);
}

template <typename Obtained>
bool SettingsChangesTest::load(uint8_t reportId, const void *record, Obtained obtained, void (Worker::*read)())
{
    sim::setRecord(reportId, editortest::toRecord(record));
    int delivered = 0;
    const QMetaObject::Connection counting = connect(
        window->deviceLinkWorker(), obtained, window.get(), [&delivered] { ++delivered; }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(window->deviceLinkWorker(), read, Qt::QueuedConnection);
    const bool ok = QTest::qWaitFor([&delivered] { return delivered > 0; }, 5000);
    disconnect(counting);
    return ok;
}

QWidget *SettingsChangesTest::control(const SettingsField &field) const
{
    const char *editor = field.record == SettingsRecord::Effects    ? "effects_settings_widget"
                         : field.record == SettingsRecord::Hardware ? "hardware_settings_widget"
                                                                    : "gpio_extension_widget";
    return window->findChild<QWidget *>(editor)->findChild<QWidget *>(controlName(field));
}

void SettingsChangesTest::checkOneFieldChange(QRandomGenerator &random, SettingsRecord record,
                                              const ControllerSettings &shown)
{
    QVector<const SettingsField *> fields;
    for (const SettingsField &field : settingsFields()) {
        if (field.record == record)
            fields.append(&field);
    }
    const SettingsField &field = *fields.at(random.bounded(int(fields.size())));
    const int state = random.bounded(field.minimum, field.maximum + 1);
    sim::clearLog();
    if (auto *spinBox = qobject_cast<QSpinBox *>(control(field)))
        spinBox->setValue(state);
    else if (auto *combo = qobject_cast<QComboBox *>(control(field)))
        combo->setCurrentIndex(state);
    else
        qobject_cast<QCheckBox *>(control(field))->setChecked(state != 0);
    sameFrames(editortest::settledSettingWrites(*window), fieldChange(shown, field, state),
               QStringLiteral("%1 set to %2").arg(field.key).arg(state));
}

void SettingsChangesTest::tableAgreesWithTheEditorsControls()
{
    for (const SettingsField &field : settingsFields()) {
        QWidget *widget = control(field);
        QVERIFY2(widget, field.key);
        if (auto *spinBox = qobject_cast<QSpinBox *>(widget)) {
            QCOMPARE(field.control, SettingsControl::Number);
            QCOMPARE(field.minimum, spinBox->minimum());
            QCOMPARE(field.maximum, spinBox->maximum());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QCOMPARE(field.control, SettingsControl::Choice);
            QStringList items;
            uint32_t disabled = 0;
            auto *model = qobject_cast<QStandardItemModel *>(combo->model());
            for (int i = 0; i < combo->count(); ++i) {
                items.append(combo->itemText(i));
                disabled |= model->item(i)->isEnabled() ? 0 : uint32_t(1) << i;
            }
            QCOMPARE(field.choices, items);
            QCOMPARE(field.hiddenChoices, disabled);
            QCOMPARE(field.maximum, combo->count() - 1);
        } else {
            QVERIFY2(qobject_cast<QCheckBox *>(widget), field.key);
            QVERIFY(field.control != SettingsControl::Number && field.control != SettingsControl::Choice);
            QCOMPARE(field.maximum, 1);
        }
        if (field.control != SettingsControl::Number)
            QCOMPARE(field.minimum, 0);
    }
    QCOMPARE(settingsFields().size(), 11 + 15 + 18 + 47);
}

void SettingsChangesTest::profilePickSendsThePlannedFrames_data()
{
    QTest::addColumn<bool>("isEffects");
    QTest::newRow("effects") << true;
    QTest::newRow("periphery") << false;
}

void SettingsChangesTest::profilePickSendsThePlannedFrames()
{
    QFETCH(bool, isEffects);
    const QString folder = isEffects ? "wheel_effects_profiles" : "wheel_periphery_profiles";
    QVERIFY(QDir().mkpath(folder));
    QWidget *editor = window->findChild<QWidget *>(isEffects ? "effects_settings_widget" : "gpio_extension_widget");
    QRandomGenerator random(isEffects ? 0x5e770001 : 0x5e770002);
    for (int n = 0; n < CASES_PER_RECORD && !QTest::currentTestFailed(); ++n) {
        ControllerSettings current = randomBytes(random);
        ControllerSettings target = randomBytes(random);
        QVector<SettingsWrite> planned;
        QString what;
        if (isEffects) {
            randomise(random, &current, SettingsRecord::Effects, nullptr);
            randomise(random, &target, SettingsRecord::Effects, &current);
            QVERIFY(load(0x22, &current.effects, &Worker::effectSettingsObtained, &Worker::readEffectSettings));
            testsupport::writeFile(folder + "/target", bytesOf(&target.effects));
            planned = effectsChanges(current.effects, target.effects);
            what = QStringLiteral("current %1, target %2").arg(hexOf(&current.effects), hexOf(&target.effects));
        } else {
            for (SettingsRecord record : {SettingsRecord::Adc, SettingsRecord::Gpio}) {
                randomise(random, &current, record, nullptr);
                randomise(random, &target, record, &current);
            }
            QVERIFY(load(0xA2, &current.adc, &Worker::adcExtenderSettingsObtained, &Worker::readAdcExtensionSettings));
            QVERIFY(load(0xA1, &current.gpio, &Worker::gpioExtenderSettingsObtained,
                         &Worker::readGpioExtensionSettings));
            testsupport::writeFile(folder + "/target", bytesOf(&target.adc) + bytesOf(&target.gpio));
            planned = peripheryChanges(current.adc, current.gpio, target.adc, target.gpio);
            what = QStringLiteral("current %1 %2, target %3 %4")
                       .arg(hexOf(&current.adc), hexOf(&current.gpio), hexOf(&target.adc), hexOf(&target.gpio));
        }
        sim::clearLog();
        // Picked as a user does: the name typed into the profile field, then Enter.
        QLineEdit *edit = editor->findChild<QComboBox *>("profile_combo_box")->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, "target");
        QTest::keyClick(edit, Qt::Key_Return);
        sameFrames(editortest::settledSettingWrites(*window), planned, QStringLiteral("case %1: ").arg(n) + what);
        if (!QTest::currentTestFailed())
            checkOneFieldChange(random, isEffects ? SettingsRecord::Effects
                                        : random.bounded(2) ? SettingsRecord::Adc : SettingsRecord::Gpio, target);
    }
}

void SettingsChangesTest::settingHardwareControlsSendsThePlannedFrames()
{
    QRandomGenerator random(0x5e770003);
    QWidget *editor = window->findChild<QWidget *>("hardware_settings_widget");
    const auto check = [editor](const char *name, bool on) { editor->findChild<QCheckBox *>(name)->setChecked(on); };
    const auto value = [editor](const char *name, int v) { editor->findChild<QSpinBox *>(name)->setValue(v); };
    for (int n = 0; n < CASES_PER_RECORD && !QTest::currentTestFailed(); ++n) {
        ControllerSettings current = randomBytes(random);
        ControllerSettings target = randomBytes(random);
        randomise(random, &current, SettingsRecord::Hardware, nullptr);
        randomise(random, &target, SettingsRecord::Hardware, &current);
        QVERIFY(load(0x21, &current.hardware, &Worker::hardwareSettingsObtained, &Worker::readHardwareSettings));
        sim::clearLog();
        // The controls set to the target, as the editor reads a record, in
        // the order the editor sets them.
        const HardwareSettingsTypeDef &t = target.hardware;
        check("force_enable", t.force_enable != 0);
        check("debug_forces", t.debug_forces != 0);
        editor->findChild<QComboBox *>("amplifier_gain")->setCurrentIndex(t.amplifier_gain);
        value("power_limit", t.power_limit);
        value("calibration_magnitude", t.calibration_magnitude);
        value("calibration_speed", t.calibration_speed);
        value("braking_limit", t.braking_limit);
        value("speed_sample_buffer_size", t.speed_sample_buffer_size);
        value("position_smoothing", t.position_smoothing);
        check("axis0_encoder_direction", t.encoder_direction == 1);
        check("axis0_force_direction", t.force_direction == 1);
        value("axis0_encoder_CPR", t.encoder_cpr);
        value("axis0_pole_pair", t.pole_pairs);
        value("axis0_p_gain", t.p_gain);
        value("axis0_i_gain", t.i_gain);
        sameFrames(editortest::settledSettingWrites(*window), hardwareChanges(current.hardware, t),
                   QStringLiteral("case %1: current %2, target %3").arg(n).arg(hexOf(&current.hardware), hexOf(&t)));
        if (!QTest::currentTestFailed())
            checkOneFieldChange(random, SettingsRecord::Hardware, target);
    }
}

QTEST_MAIN(SettingsChangesTest)
#include "test_settingschanges.moc"
