// SPDX-License-Identifier: GPL-3.0-or-later
// The change planner against the real window: for random records on the
// simulated controller and random profiles, the frames built from the planned
// writes equal, byte for byte and in order, the frames the window sends when
// the profile is picked (hardware: when the controls are set one by one), and
// when one control is set by hand. Also: the field table agrees with the
// editors' controls.

#include "app/mainwindow.h"
#include "device/devicereports.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "settings/settingschanges.h"
#include "tests/editortestsupport.h"
#include "tests/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using editortest::hex;
using editortest::settledSettingWrites;
namespace sim = vellox::sim;

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
    const QString key = QLatin1String(field.key);
    static const QHash<QString, QString> named = {
        {"effects.invert_constant_force", "invert_constant_force"},
        {"effects.direct_x_constant_strength", "direct_x_constant_strength"},
        {"effects.direct_x_spring_strength", "direct_x_spring_strength"},
        {"effects.direct_x_periodic_strength", "direct_x_periodic_strength"},
        {"effects.motion_range", "motion_range_axis0"},
        {"effects.total_effect_scale", "total_effect_scale_axis0"},
        {"effects.integrated_spring", "integrated_spring_axis0"},
        {"effects.soft_stop_strength", "soft_stop_strength_axis0"},
        {"effects.soft_stop_range", "soft_stop_range_axis0"},
        {"effects.soft_stop_dampening", "soft_stop_dampening_axis0"},
        {"effects.static_dampening", "static_dampening_axis0"},
        {"hardware.force_enable", "force_enable"},
        {"hardware.debug_forces", "debug_forces"},
        {"hardware.amplifier_gain", "amplifier_gain"},
        {"hardware.power_limit", "power_limit"},
        {"hardware.calibration_magnitude", "calibration_magnitude"},
        {"hardware.calibration_speed", "calibration_speed"},
        {"hardware.braking_limit", "braking_limit"},
        {"hardware.speed_sample_buffer_size", "speed_sample_buffer_size"},
        {"hardware.position_smoothing", "position_smoothing"},
        {"hardware.encoder_direction", "axis0_encoder_direction"},
        {"hardware.force_direction", "axis0_force_direction"},
        {"hardware.encoder_cpr", "axis0_encoder_CPR"},
        {"hardware.pole_pairs", "axis0_pole_pair"},
        {"hardware.p_gain", "axis0_p_gain"},
        {"hardware.i_gain", "axis0_i_gain"},
        {"gpio.spi_extension_mode", "spiModeCombo_1"},
        {"gpio.spi_mode", "spi_mode_dropdown"},
        {"gpio.latch_mode", "latch_mode_dropdown"},
        {"gpio.spi_latch_delay", "spi_latch_delay"},
        {"gpio.spi_pulse_length", "spi_pulse_length"},
        {"gpio.encoder_z0.mode", "gpioModeCombo_9"},
        {"gpio.encoder_z1.mode", "gpioModeCombo_10"},
    };
    if (named.contains(key))
        return named.value(key);
    const int n = field.index + 1;
    if (field.id == SETTINGS_FIELD_GPIO_MODE)
        return QStringLiteral("gpioModeCombo_%1").arg(n);
    if (field.id == SETTINGS_FIELD_BUTTON_MODE)
        return n <= 8 ? QStringLiteral("buttonMode_pin_%1").arg(n) : QStringLiteral("buttonMode_%1").arg(n);
    const QHash<int, QString> analog = {{SETTINGS_FIELD_ANALOG_INVERT, "analog%1_invert"},
                                        {SETTINGS_FIELD_ANALOG_BUTTON_LOW, "analogButtonLowSpinBox_%1"},
                                        {SETTINGS_FIELD_ANALOG_BUTTON_HIGH, "analogButtonHighSpinBox_%1"},
                                        {SETTINGS_FIELD_LOWER_DEAD_ZONE, "lowerDeadZoneSpinBox_%1"},
                                        {SETTINGS_FIELD_UPPER_DEAD_ZONE, "upperDeadZoneSpinBox_%1"},
                                        {SETTINGS_FIELD_ANALOG_SMOOTHING, "analogSmoothingSpinBox_%1"}};
    return analog.value(field.id).arg(n);
}

QList<QByteArray> framesOf(const QVector<SettingsWrite> &writes)
{
    QList<QByteArray> frames;
    for (const SettingsWrite &write : writes) {
        HidInOutReportTypeDef report;
        CreateSettingsReport(&report, write);
        frames.append(QByteArray(reinterpret_cast<const char *>(&report), sizeof report));
    }
    return frames;
}

// Compares what reached the controller with the plan; on a difference says
// which case it was before the comparison fails.
void sameFrames(const QList<QByteArray> &sent, const QVector<SettingsWrite> &planned, const QString &what)
{
    if (hex(sent) != hex(framesOf(planned)))
        qWarning("%s", qPrintable(what));
    QCOMPARE(hex(sent), hex(framesOf(planned)));
}

QByteArray bytesOf(const void *record, std::size_t size = 64)
{
    return QByteArray(static_cast<const char *>(record), qsizetype(size));
}

// Random values for every field of a record, many of them beyond what the
// controls take; `like` makes about a third of them equal, so that the
// "nothing changes" path is taken often. Reserved bytes are random too.
void randomise(QRandomGenerator &random, ControllerSettings *settings, SettingsRecord record,
               const ControllerSettings *like)
{
    auto *bytes = reinterpret_cast<uint8_t *>(record == SettingsRecord::Effects    ? (void *)&settings->effects
                                              : record == SettingsRecord::Hardware ? (void *)&settings->hardware
                                              : record == SettingsRecord::Adc      ? (void *)&settings->adc
                                                                                   : (void *)&settings->gpio);
    for (int i = 0; i < 64; ++i)
        bytes[i] = uint8_t(random.bounded(256));
    for (const SettingsField &field : settingsFields()) {
        if (field.record != record)
            continue;
        const int roll = random.bounded(100);
        if (like && roll < 35)
            setRecordValue(settings, field, recordValue(*like, field));
        else if (roll < 70)
            setRecordValue(settings, field,
                           recordValueForState(field, random.bounded(field.minimum, field.maximum + 1)));
        else if (roll < 85)
            setRecordValue(settings, field,
                           std::array{field.minimum - 1, field.minimum, field.maximum, field.maximum + 1, -1, 2,
                                      255}[random.bounded(7)]);
        // else: the random bytes stay.
    }
}

} // namespace

class SettingsChangesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tableAgreesWithTheEditorsControls();
    void effectsProfilePickSendsThePlannedFrames();
    void peripheryProfilePickSendsThePlannedFrames();
    void settingHardwareControlsSendsThePlannedFrames();

private:
    // Has the worker read this record from the controller, as after a
    // connection, and waits until the window has handed it to its editor.
    bool load(uint8_t reportId, const void *record);
    void pick(QWidget *editor, const QString &name);
    // Sets one control to a state as a user would, through the widget.
    void setControl(const SettingsField &field, int state);
    // One random field of the record set by hand, compared with fieldChange().
    void checkOneFieldChange(QRandomGenerator &random, SettingsRecord record, const ControllerSettings &shown,
                             int caseNumber);
    QWidget *editorOf(SettingsRecord record) const;

    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    QWidget *effects = nullptr;
    QWidget *hardware = nullptr;
    QWidget *periphery = nullptr;
};

void SettingsChangesTest::initTestCase()
{
    defaultHandler = qInstallMessageHandler(dropDebugMessages);
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    window = testsupport::connectedWindow();
    QVERIFY(window);
    effects = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    hardware = window->findChild<FullHardwareSettingsWidget *>("hardware_settings_widget");
    periphery = window->findChild<GpioExtensionWidget *>("gpio_extension_widget");
    QVERIFY(effects && hardware && periphery);
}

void SettingsChangesTest::cleanupTestCase()
{
    window.reset();
    QVERIFY(testsupport::noMisuse());
    QDir::setCurrent(previousDir);
}

QWidget *SettingsChangesTest::editorOf(SettingsRecord record) const
{
    return record == SettingsRecord::Effects ? effects : record == SettingsRecord::Hardware ? hardware : periphery;
}

bool SettingsChangesTest::load(uint8_t reportId, const void *record)
{
    sim::setRecord(reportId, editortest::toRecord(record));
    SettingsUiBackgroundThread *worker = window->deviceLinkWorker();
    int delivered = 0;
    const auto count = [&delivered] { ++delivered; };
    QMetaObject::Connection counting;
    switch (reportId) {
    case 0x21:
        counting = connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, window.get(), count,
                           Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readHardwareSettings, Qt::QueuedConnection);
        break;
    case 0x22:
        counting = connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, window.get(), count,
                           Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readEffectSettings, Qt::QueuedConnection);
        break;
    case 0xA1:
        counting = connect(worker, &SettingsUiBackgroundThread::gpioExtenderSettingsObtained, window.get(), count,
                           Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readGpioExtensionSettings,
                                  Qt::QueuedConnection);
        break;
    default:
        counting = connect(worker, &SettingsUiBackgroundThread::adcExtenderSettingsObtained, window.get(), count,
                           Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readAdcExtensionSettings,
                                  Qt::QueuedConnection);
        break;
    }
    const bool ok = QTest::qWaitFor([&delivered] { return delivered > 0; }, 5000);
    disconnect(counting);
    return ok;
}

void SettingsChangesTest::pick(QWidget *editor, const QString &name)
{
    QLineEdit *edit = editor->findChild<QComboBox *>("profile_combo_box")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

void SettingsChangesTest::setControl(const SettingsField &field, int state)
{
    QWidget *control = editorOf(field.record)->findChild<QWidget *>(controlName(field));
    QVERIFY2(control, field.key);
    if (auto *spinBox = qobject_cast<QSpinBox *>(control))
        spinBox->setValue(state);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentIndex(state);
    else
        qobject_cast<QCheckBox *>(control)->setChecked(state != 0);
}

void SettingsChangesTest::checkOneFieldChange(QRandomGenerator &random, SettingsRecord record,
                                              const ControllerSettings &shown, int caseNumber)
{
    QVector<const SettingsField *> fields;
    for (const SettingsField &field : settingsFields()) {
        if (field.record == record)
            fields.append(&field);
    }
    const SettingsField &field = *fields.at(random.bounded(int(fields.size())));
    const int state = random.bounded(field.minimum, field.maximum + 1);
    sim::clearLog();
    setControl(field, state);
    sameFrames(settledSettingWrites(*window), fieldChange(shown, field, state),
               QStringLiteral("case %1: %2 set to %3").arg(caseNumber).arg(field.key).arg(state));
}

void SettingsChangesTest::tableAgreesWithTheEditorsControls()
{
    int checked = 0;
    for (const SettingsField &field : settingsFields()) {
        QWidget *control = editorOf(field.record)->findChild<QWidget *>(controlName(field));
        QVERIFY2(control, field.key);
        if (auto *spinBox = qobject_cast<QSpinBox *>(control)) {
            QCOMPARE(field.control, SettingsControl::Number);
            QCOMPARE(field.minimum, spinBox->minimum());
            QCOMPARE(field.maximum, spinBox->maximum());
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            QCOMPARE(field.control, SettingsControl::Choice);
            QStringList items;
            uint32_t disabled = 0;
            auto *model = qobject_cast<QStandardItemModel *>(combo->model());
            for (int i = 0; i < combo->count(); ++i) {
                items.append(combo->itemText(i));
                if (model && !(model->item(i)->flags() & Qt::ItemIsEnabled))
                    disabled |= uint32_t(1) << i;
            }
            QCOMPARE(field.choices, items);
            QCOMPARE(field.hiddenChoices, disabled);
            QCOMPARE(field.minimum, 0);
            QCOMPARE(field.maximum, combo->count() - 1);
        } else {
            QVERIFY2(qobject_cast<QCheckBox *>(control), field.key);
            QVERIFY(field.control != SettingsControl::Number && field.control != SettingsControl::Choice);
            QCOMPARE(field.minimum, 0);
            QCOMPARE(field.maximum, 1);
        }
        ++checked;
    }
    QCOMPARE(checked, 11 + 15 + 18 + 47);
}

void SettingsChangesTest::effectsProfilePickSendsThePlannedFrames()
{
    QVERIFY(QDir().mkpath("wheel_effects_profiles"));
    QRandomGenerator random(0x5e77'0001);
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < CASES_PER_RECORD; ++n) {
        ControllerSettings current{};
        ControllerSettings target{};
        randomise(random, &current, SettingsRecord::Effects, nullptr);
        randomise(random, &target, SettingsRecord::Effects, &current);
        QVERIFY(load(0x22, &current.effects));
        testsupport::writeFile("wheel_effects_profiles/target", bytesOf(&target.effects));
        sim::clearLog();
        pick(effects, "target");
        sameFrames(settledSettingWrites(*window), effectsChanges(current.effects, target.effects),
                   QStringLiteral("case %1: current %2, target %3")
                       .arg(n)
                       .arg(bytesOf(&current.effects).toHex(), bytesOf(&target.effects).toHex()));
        if (QTest::currentTestFailed())
            return;
        checkOneFieldChange(random, SettingsRecord::Effects, target, n);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d effects cases in %lld ms", CASES_PER_RECORD, clock.elapsed());
}

void SettingsChangesTest::peripheryProfilePickSendsThePlannedFrames()
{
    QVERIFY(QDir().mkpath("wheel_periphery_profiles"));
    QRandomGenerator random(0x5e77'0002);
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < CASES_PER_RECORD; ++n) {
        ControllerSettings current{};
        ControllerSettings target{};
        randomise(random, &current, SettingsRecord::Adc, nullptr);
        randomise(random, &current, SettingsRecord::Gpio, nullptr);
        randomise(random, &target, SettingsRecord::Adc, &current);
        randomise(random, &target, SettingsRecord::Gpio, &current);
        QVERIFY(load(0xA2, &current.adc));
        QVERIFY(load(0xA1, &current.gpio));
        testsupport::writeFile("wheel_periphery_profiles/target", bytesOf(&target.adc) + bytesOf(&target.gpio));
        sim::clearLog();
        pick(periphery, "target");
        sameFrames(settledSettingWrites(*window),
                   peripheryChanges(current.adc, current.gpio, target.adc, target.gpio),
                   QStringLiteral("case %1: current %2 %3, target %4 %5")
                       .arg(n)
                       .arg(bytesOf(&current.adc).toHex(), bytesOf(&current.gpio).toHex(),
                            bytesOf(&target.adc).toHex(), bytesOf(&target.gpio).toHex()));
        if (QTest::currentTestFailed())
            return;
        checkOneFieldChange(random, random.bounded(2) ? SettingsRecord::Adc : SettingsRecord::Gpio, target, n);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d periphery cases in %lld ms", CASES_PER_RECORD, clock.elapsed());
}

void SettingsChangesTest::settingHardwareControlsSendsThePlannedFrames()
{
    QRandomGenerator random(0x5e77'0003);
    const auto control = [this](const char *name) { return hardware->findChild<QWidget *>(name); };
    const auto check = [&](const char *name, bool on) { qobject_cast<QCheckBox *>(control(name))->setChecked(on); };
    const auto value = [&](const char *name, int v) { qobject_cast<QSpinBox *>(control(name))->setValue(v); };
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < CASES_PER_RECORD; ++n) {
        ControllerSettings current{};
        ControllerSettings target{};
        randomise(random, &current, SettingsRecord::Hardware, nullptr);
        randomise(random, &target, SettingsRecord::Hardware, &current);
        QVERIFY(load(0x21, &current.hardware));
        sim::clearLog();
        // The controls set to the target, as the editor reads a record, in
        // the order the editor sets them.
        const HardwareSettingsTypeDef &t = target.hardware;
        check("force_enable", t.force_enable != 0);
        check("debug_forces", t.debug_forces != 0);
        qobject_cast<QComboBox *>(control("amplifier_gain"))->setCurrentIndex(t.amplifier_gain);
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
        sameFrames(settledSettingWrites(*window), hardwareChanges(current.hardware, target.hardware),
                   QStringLiteral("case %1: current %2, target %3")
                       .arg(n)
                       .arg(bytesOf(&current.hardware).toHex(), bytesOf(&target.hardware).toHex()));
        if (QTest::currentTestFailed())
            return;
        checkOneFieldChange(random, SettingsRecord::Hardware, target, n);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d hardware cases in %lld ms", CASES_PER_RECORD, clock.elapsed());
}

QTEST_MAIN(SettingsChangesTest)
#include "test_settingschanges.moc"
