// SPDX-License-Identifier: GPL-3.0-or-later
// The periphery editor inside a connected window: what it shows for the GPIO
// and ADC records the controller holds, which pages and groups it opens, what
// each pin offers, and the exact settings writes its controls send.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/gpioextensionwidget.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBox>
#include <QWheelEvent>

#include <atomic>
#include <cstring>
#include <memory>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

constexpr int GPIO_REPORT = 0xA1;
constexpr int ADC_REPORT = 0xA2;

GpioExtensionWidget *editorOf(MainWindow &window)
{
    return window.findChild<GpioExtensionWidget *>("gpio_extension_widget");
}

template <typename T>
T *control(MainWindow &window, const char *name)
{
    T *found = editorOf(window)->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QComboBox *pinCombo(MainWindow &window, int element)
{
    return control<QComboBox>(window, QByteArray("gpioModeCombo_" + QByteArray::number(element + 1)).constData());
}

template <typename Record>
sim::Record toSim(const Record &record)
{
    sim::Record bytes{};
    std::memcpy(bytes.data(), &record, bytes.size());
    return bytes;
}

template <typename Record>
Record fromSim(const sim::Record &bytes)
{
    Record record;
    std::memcpy(static_cast<void *>(&record), bytes.data(), bytes.size());
    return record;
}

template <typename Record>
Record filledWith(uint8_t byte)
{
    sim::Record bytes{};
    bytes.fill(byte);
    return fromSim<Record>(bytes);
}

GpioExtensionSettingsTypeDef plainGpio()
{
    GpioExtensionSettingsTypeDef gpio;
    gpio.spi_latch_delay = 1;
    gpio.spi_pulse_length = 1;
    return gpio;
}

// Returns once every request the window has handed to the worker so far has
// run: a marker queued behind them runs last.
bool workerDrained(MainWindow &window)
{
    auto done = std::make_shared<std::atomic<bool>>(false);
    QMetaObject::invokeMethod(
        window.deviceLinkWorker(), [done] { done->store(true); }, Qt::QueuedConnection);
    return QTest::qWaitFor([done] { return done->load(); }, 5000);
}

QStringList hex(const QList<QByteArray> &frames)
{
    QStringList lines;
    for (const QByteArray &f : frames)
        lines.append(QString::fromLatin1(f.toHex(' ')));
    return lines;
}

// The settings writes that reached the controller since the log was cleared.
QStringList writesSoFar(MainWindow &window)
{
    if (!workerDrained(window))
        return {QStringLiteral("worker did not drain")};
    return hex(settingWrites());
}

QStringList expected(std::initializer_list<QByteArray> frames)
{
    return hex(QList<QByteArray>(frames));
}

// Has the controller hold these records and reconnects, so the window reads
// and shows them. Clears the call log first.
bool reloadWith(MainWindow &window, const GpioExtensionSettingsTypeDef &gpio, const AdcExtensionSettingsTypeDef &adc)
{
    sim::setRecord(GPIO_REPORT, toSim(gpio));
    sim::setRecord(ADC_REPORT, toSim(adc));
    sim::clearLog();
    sim::unplug();
    if (!QTest::qWaitFor([&] { return looksIdle(window); }, 5000))
        return false;
    int gpioRecords = 0;
    int adcRecords = 0;
    // Queued and made after the window's own connections: by the time a
    // record is counted here, the editor has been handed it.
    auto *worker = window.deviceLinkWorker();
    const auto countGpio = QObject::connect(worker, &SettingsUiBackgroundThread::gpioExtenderSettingsObtained, &window,
                                            [&gpioRecords] { ++gpioRecords; }, Qt::QueuedConnection);
    const auto countAdc = QObject::connect(worker, &SettingsUiBackgroundThread::adcExtenderSettingsObtained, &window,
                                           [&adcRecords] { ++adcRecords; }, Qt::QueuedConnection);
    sim::plug();
    const bool loaded = QTest::qWaitFor([&] { return gpioRecords > 0 && adcRecords > 0; }, 5000);
    QObject::disconnect(countGpio);
    QObject::disconnect(countAdc);
    return loaded;
}

// A window showing its Periphery tab at the given tool-box page.
std::unique_ptr<MainWindow> shownWindow()
{
    auto window = connectedWindow();
    if (!window)
        return nullptr;
    auto *tabs = window->findChild<QTabWidget *>("main_tab_widget");
    tabs->setCurrentWidget(window->findChild<QWidget *>("periphery_tab"));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

struct PageState {
    bool buttonPage;
    bool analogPage;
    bool gpioButtons;
    bool shiftRegisters;
};

PageState pageState(MainWindow &window)
{
    auto *pages = control<QToolBox>(window, "gpio_tool_box");
    const bool shift1 = control<QGroupBox>(window, "shiftRegistersGroup_1")->isEnabled();
    const bool shift2 = control<QGroupBox>(window, "shiftRegistersGroup_2")->isEnabled();
    const bool shift3 = control<QGroupBox>(window, "shiftRegistersGroup_3")->isEnabled();
    if (shift1 != shift2 || shift2 != shift3)
        qWarning("shift-register groups disagree: %d %d %d", shift1, shift2, shift3);
    return {pages->isItemEnabled(2), pages->isItemEnabled(3),
            control<QGroupBox>(window, "button_modes_group_box")->isEnabled(), shift1 && shift2 && shift3};
}

bool operator==(const PageState &a, const PageState &b)
{
    return a.buttonPage == b.buttonPage && a.analogPage == b.analogPage && a.gpioButtons == b.gpioButtons
        && a.shiftRegisters == b.shiftRegisters;
}

char *toString(const PageState &s)
{
    return QTest::toString(QStringLiteral("button page %1, analog page %2, gpio buttons %3, shift registers %4")
                               .arg(s.buttonPage)
                               .arg(s.analogPage)
                               .arg(s.gpioButtons)
                               .arg(s.shiftRegisters));
}

// What a screen reader speaks for a control. On Linux a closed combo box's
// own accessible name is its current text; its label comes through the
// label relation (a buddy label, else the titled group box around it).
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible)
        return {};
    auto *combo = qobject_cast<QComboBox *>(widget);
    if (combo && !combo->isEditable()) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name);
}

void scrollWheel(QWidget *widget, int steps)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, steps * 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class PeripheryEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void newEditorOpensOnlyThePinAndSpiPages();
    void pagesFollowLoadedPinsAndTheExtensionMode();
    void eachPinOffersOnlyItsModes_data();
    void eachPinOffersOnlyItsModes();
    void storedModeThatAPinHidesStillShows();
    void analogAxesSendTheirOwnFieldsAndWidths();
    void resetSwitchFollowsEncoderZ0();
    void recordsRoundTripThroughTheControls();
    void anyBytesLoadWithoutCrashOrWrite();
    void everyControlHasANameAndTakesFocus();
};

void PeripheryEditorTest::newEditorOpensOnlyThePinAndSpiPages()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(showWithEditors(window));
    auto *pages = control<QToolBox>(window, "gpio_tool_box");
    QCOMPARE(pages->count(), 4);
    QCOMPARE((QStringList{pages->itemText(0), pages->itemText(1), pages->itemText(2), pages->itemText(3)}),
             (QStringList{"GPIO (Require reboot)", "SPI extension", "Button modes", "Analog axes"}));
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(pages->isItemEnabled(0));
    QVERIFY(pages->isItemEnabled(1));
    QCOMPARE(pageState(window), (PageState{false, false, false, false}));
    QVERIFY(control<QCheckBox>(window, "enable_reset_button")->isHidden());
}

void PeripheryEditorTest::pagesFollowLoadedPinsAndTheExtensionMode()
{
    auto window = shownWindow();
    QVERIFY(window);
    // The controller's default record has a generic button on pin 1.
    QCOMPARE(pageState(*window), (PageState{true, false, true, false}));

    GpioExtensionSettingsTypeDef gpio = plainGpio();
    gpio.gpio_mode[1] = GPIO_MODE_ANALOG;
    QVERIFY(reloadWith(*window, gpio, AdcExtensionSettingsTypeDef{}));
    QCOMPARE(pageState(*window), (PageState{false, true, false, false}));
    QCOMPARE(writesSoFar(*window), QStringList());

    // "Custom" opens the button page and the shift registers at once.
    auto *pages = control<QToolBox>(*window, "gpio_tool_box");
    pages->setCurrentIndex(1);
    auto *extension = control<QComboBox>(*window, "spiModeCombo_1");
    extension->setFocus();
    QTest::keyClick(extension, Qt::Key_Down);
    QCOMPARE(extension->currentText(), QStringLiteral("Custom"));
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 27, 0, 1})}));
    QCOMPARE(pageState(*window), (PageState{true, true, false, true}));

    // A pin turned into a generic button is sent, but the pages wait for the
    // next record.
    sim::clearLog();
    pages->setCurrentIndex(0);
    QComboBox *pin3 = pinCombo(*window, 2);
    pin3->setFocus();
    QTest::keyClick(pin3, Qt::Key_Down);
    QCOMPARE(pin3->currentText(), QStringLiteral("Generic button"));
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 28, 2, 1})}));
    QCOMPARE(pageState(*window), (PageState{true, true, false, true}));

    // Button and SPI set-up controls send their own fields.
    sim::clearLog();
    pages->setCurrentIndex(2);
    auto *button25 = control<QComboBox>(*window, "buttonMode_25");
    button25->setFocus();
    QTest::keyClick(button25, Qt::Key_End);
    pages->setCurrentIndex(1);
    auto *latchMode = control<QComboBox>(*window, "latch_mode_dropdown");
    latchMode->setFocus();
    QTest::keyClick(latchMode, Qt::Key_Down);
    auto *pulse = control<QSpinBox>(*window, "spi_pulse_length");
    pulse->setFocus();
    QTest::keyClick(pulse, Qt::Key_Up);
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 29, 24, 2}), frame({0xA3, 0x14, 31, 0, 1}),
                                             frame({0xA3, 0x14, 33, 0, 2})}));
}

void PeripheryEditorTest::eachPinOffersOnlyItsModes_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QList<int>>("offered");
    const QList<int> low = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10};
    const QList<int> middle = {0, 1, 3, 4, 5, 6, 7, 9, 10};
    const QList<int> braking = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10};
    const QList<int> encoder = {0, 3, 4, 5, 6, 7, 9, 10};
    const char *names[] = {"Pin 1", "Pin 2", "Pin 3", "Pin 4", "Pin 5", "Pin 6", "Pin 7", "Pin 8", "Encoder Z0", "Encoder Z1"};
    for (int element = 0; element < 10; ++element) {
        const QList<int> &offered = element < 3 ? low : element < 7 ? middle : element == 7 ? braking : encoder;
        QTest::newRow(names[element]) << element << offered;
    }
}

void PeripheryEditorTest::eachPinOffersOnlyItsModes()
{
    QFETCH(int, element);
    QFETCH(QList<int>, offered);
    auto window = shownWindow();
    QVERIFY(window);
    QComboBox *pin = pinCombo(*window, element);
    QCOMPARE(pin->count(), 11);
    pin->setFocus();

    // Arrow keys step through the offered modes only.
    QTest::keyClick(pin, Qt::Key_Home);
    QList<int> visited = {pin->currentIndex()};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(pin, Qt::Key_Down);
        if (pin->currentIndex() != visited.last())
            visited.append(pin->currentIndex());
    }
    QCOMPARE(visited, offered);
    QTest::keyClick(pin, Qt::Key_Home);
    QTest::keyClick(pin, Qt::Key_End);
    QCOMPARE(pin->currentIndex(), 10);

    // So does the wheel, in both directions.
    QList<int> wheeled = {pin->currentIndex()};
    for (int i = 0; i < 12; ++i) {
        scrollWheel(pin, 1);
        if (pin->currentIndex() != wheeled.first())
            wheeled.prepend(pin->currentIndex());
    }
    QCOMPARE(wheeled, offered);

    // Typing the start of a hidden mode does not pick it.
    const QList<QPair<QString, int>> typed = {{"An", GPIO_MODE_ANALOG}, {"Br", GPIO_MODE_BRAKING_PWM},
                                              {"Ge", GPIO_MODE_GENERIC_BUTTON}};
    for (const auto &[text, mode] : typed) {
        QTest::keyClick(pin, Qt::Key_End);
        pin->view()->keyboardSearch(QString()); // starts a new type-ahead word
        QTest::keyClicks(pin, text);
        QCOMPARE(pin->currentIndex() == mode, offered.contains(mode));
    }

    // The mouse cannot reach a hidden row of the drop-down list either.
    auto *list = qobject_cast<QListView *>(pin->view());
    QVERIFY(list);
    for (int mode = 0; mode < 11; ++mode)
        QCOMPARE(list->isRowHidden(mode), !offered.contains(mode));

    // Whatever was picked, only offered modes went out for this pin.
    QVERIFY(workerDrained(*window));
    const QList<QByteArray> writes = settingWrites();
    QVERIFY(!writes.isEmpty());
    for (const QByteArray &write : writes) {
        QCOMPARE(int(write[2]), 28);
        QCOMPARE(int(write[3]), element);
        QVERIFY2(offered.contains(int(write[4])), write.toHex(' ').constData());
    }
}

void PeripheryEditorTest::storedModeThatAPinHidesStillShows()
{
    auto window = shownWindow();
    QVERIFY(window);
    GpioExtensionSettingsTypeDef gpio = plainGpio();
    gpio.gpio_mode[0] = GPIO_MODE_BRAKING_PWM;
    gpio.gpio_mode[3] = GPIO_MODE_ANALOG;
    gpio.gpio_mode[9] = GPIO_MODE_GENERIC_BUTTON;
    QVERIFY(reloadWith(*window, gpio, AdcExtensionSettingsTypeDef{}));
    QCOMPARE(pinCombo(*window, 0)->currentText(), QStringLiteral("Braking PWM"));
    QCOMPARE(pinCombo(*window, 3)->currentText(), QStringLiteral("Analog"));
    QCOMPARE(pinCombo(*window, 9)->currentText(), QStringLiteral("Generic button"));
    // The pages count what the pins hold, offered or not.
    QCOMPARE(pageState(*window), (PageState{true, true, true, false}));
    QCOMPARE(writesSoFar(*window), QStringList());

    // Leaving a hidden mode with the keyboard lands on an offered one.
    QComboBox *pin4 = pinCombo(*window, 3);
    pin4->setFocus();
    QTest::keyClick(pin4, Qt::Key_Up);
    QCOMPARE(pin4->currentIndex(), int(GPIO_MODE_GENERIC_BUTTON));
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 28, 3, 1})}));
}

void PeripheryEditorTest::analogAxesSendTheirOwnFieldsAndWidths()
{
    auto window = shownWindow();
    QVERIFY(window);
    GpioExtensionSettingsTypeDef gpio = plainGpio();
    gpio.gpio_mode[0] = GPIO_MODE_ANALOG;
    AdcExtensionSettingsTypeDef adc;
    adc.analog_invert[0] = 0;
    adc.analog_invert[1] = 1;
    adc.analog_invert[2] = 0xFF;
    adc.lower_dead_zone[1] = 300;
    QVERIFY(reloadWith(*window, gpio, adc));
    QCOMPARE(writesSoFar(*window), QStringList());
    control<QToolBox>(*window, "gpio_tool_box")->setCurrentIndex(3);

    QVERIFY(!control<QCheckBox>(*window, "analog1_invert")->isChecked());
    QVERIFY(control<QCheckBox>(*window, "analog2_invert")->isChecked());
    QVERIFY(control<QCheckBox>(*window, "analog3_invert")->isChecked());
    QCOMPARE(control<QSpinBox>(*window, "lowerDeadZoneSpinBox_2")->value(), 300);

    // Dead zones go out as two bytes, little-endian.
    control<QSpinBox>(*window, "lowerDeadZoneSpinBox_1")->setValue(500);
    control<QSpinBox>(*window, "upperDeadZoneSpinBox_2")->setValue(500);
    // The percentages' identifiers do not follow their order in the record.
    control<QSpinBox>(*window, "analogSmoothingSpinBox_1")->setValue(55);
    control<QSpinBox>(*window, "analogButtonLowSpinBox_2")->setValue(10);
    control<QSpinBox>(*window, "analogButtonHighSpinBox_3")->setValue(90);
    auto *rzInvert = control<QCheckBox>(*window, "analog3_invert");
    rzInvert->setFocus();
    QTest::keyClick(rzInvert, Qt::Key_Space);
    QVERIFY(!rzInvert->isChecked());
    control<QCheckBox>(*window, "analog1_invert")->click();
    QCOMPARE(writesSoFar(*window),
             expected({frame({0xA3, 0x14, 34, 0, 0xF4, 0x01}), frame({0xA3, 0x14, 35, 1, 0xF4, 0x01}),
                       frame({0xA3, 0x14, 38, 0, 55}), frame({0xA3, 0x14, 36, 1, 10}),
                       frame({0xA3, 0x14, 37, 2, 90}), frame({0xA3, 0x14, 39, 2, 0}),
                       frame({0xA3, 0x14, 39, 0, 1})}));

    // A dead zone refuses a sixth digit beyond 32767, and clamps a larger value.
    sim::clearLog();
    auto *upperRz = control<QSpinBox>(*window, "upperDeadZoneSpinBox_3");
    QCOMPARE(upperRz->maximum(), 32767);
    upperRz->setFocus();
    QTest::keyClick(upperRz, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(upperRz, "32768");
    QCOMPARE(upperRz->value(), 3276);
    upperRz->setValue(32768);
    QCOMPARE(upperRz->value(), 32767);
    const QStringList writes = writesSoFar(*window);
    QVERIFY(writes.size() >= 2);
    QCOMPARE(writes.mid(writes.size() - 2),
             expected({frame({0xA3, 0x14, 35, 2, 0xCC, 0x0C}), frame({0xA3, 0x14, 35, 2, 0xFF, 0x7F})}));
}

void PeripheryEditorTest::resetSwitchFollowsEncoderZ0()
{
    auto window = shownWindow();
    QVERIFY(window);
    GpioExtensionSettingsTypeDef gpio = plainGpio();
    gpio.gpio_mode[8] = GPIO_MODE_RESET_CENTER_BUTTON;
    QVERIFY(reloadWith(*window, gpio, AdcExtensionSettingsTypeDef{}));
    auto *resetSwitch = control<QCheckBox>(*window, "enable_reset_button");
    QVERIFY(resetSwitch->isChecked());
    QVERIFY(resetSwitch->isHidden());
    QCOMPARE(writesSoFar(*window), QStringList());

    // Applied with sending on, the switch's write follows the pin's.
    GpioExtensionWidget *editor = editorOf(*window);
    gpio.gpio_mode[8] = GPIO_MODE_DISABLED;
    editor->setUiFromGpioSettings(gpio, true);
    QVERIFY(!resetSwitch->isChecked());
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 28, 8, 0}), frame({0xA3, 0x14, 41, 1, 0})}));

    sim::clearLog();
    gpio.gpio_mode[8] = GPIO_MODE_RESET_CENTER_BUTTON;
    editor->setUiFromGpioSettings(gpio, true);
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 28, 8, 7}), frame({0xA3, 0x14, 41, 1, 1})}));

    // Another non-zero mode leaves the switch on: only the pin is written.
    sim::clearLog();
    gpio.gpio_mode[8] = GPIO_MODE_SPI_CS;
    editor->setUiFromGpioSettings(gpio, true);
    QVERIFY(resetSwitch->isChecked());
    QCOMPARE(writesSoFar(*window), expected({frame({0xA3, 0x14, 28, 8, 3})}));
}

void PeripheryEditorTest::recordsRoundTripThroughTheControls()
{
    auto window = shownWindow();
    QVERIFY(window);
    GpioExtensionSettingsTypeDef gpio;
    gpio.spi_extension_mode = SPI_EXTENSION_CUSTOM;
    for (int i = 0; i < GPIO_PIN_COUNT; ++i)
        gpio.gpio_mode[i] = static_cast<uint8_t>(i + 1);
    for (int i = 0; i < BUTTON_COUNT; ++i)
        gpio.button_mode[i] = static_cast<uint8_t>((i * 7 + 1) % 3);
    gpio.spi_mode = 3;
    gpio.latch_mode = LATCH_MODE_DOWN;
    gpio.spi_latch_delay = 7;
    gpio.spi_pulse_length = 10;
    std::memset(gpio.reserved, 0xA5, sizeof gpio.reserved);

    AdcExtensionSettingsTypeDef adc;
    const uint16_t lower[] = {0, 300, 32767};
    const uint16_t upper[] = {1, 4096, 12345};
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        adc.lower_dead_zone[axis] = lower[axis];
        adc.upper_dead_zone[axis] = upper[axis];
        adc.analog_smoothing[axis] = static_cast<uint8_t>(10 + axis);
        adc.analog_button_low[axis] = static_cast<uint8_t>(20 + axis);
        adc.analog_button_high[axis] = static_cast<uint8_t>(98 + axis);
        adc.analog_invert[axis] = static_cast<uint8_t>(axis == 1 ? 1 : 0);
    }
    std::memset(adc.reserved, 0x5A, sizeof adc.reserved);

    QVERIFY(reloadWith(*window, gpio, adc));
    QCOMPARE(writesSoFar(*window), QStringList());

    auto gpioBack = filledWith<GpioExtensionSettingsTypeDef>(0xEE);
    editorOf(*window)->gpioSettingsFromUi(&gpioBack);
    GpioExtensionSettingsTypeDef gpioExpected = gpio;
    std::memset(gpioExpected.reserved, 0, sizeof gpioExpected.reserved);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&gpioBack), 64).toHex(' '),
             QByteArray(reinterpret_cast<const char *>(&gpioExpected), 64).toHex(' '));

    auto adcBack = filledWith<AdcExtensionSettingsTypeDef>(0xEE);
    editorOf(*window)->adcSettingsFromUi(&adcBack);
    const QByteArray adcBytes(reinterpret_cast<const char *>(&adcBack), 64);
    // Ry's lower dead zone of 300 lies at offsets 2 and 3, low byte first.
    QCOMPARE(uint8_t(adcBytes[2]), uint8_t(0x2C));
    QCOMPARE(uint8_t(adcBytes[3]), uint8_t(0x01));
    AdcExtensionSettingsTypeDef adcExpected = adc;
    std::memset(adcExpected.reserved, 0, sizeof adcExpected.reserved);
    QCOMPARE(adcBytes.toHex(' '), QByteArray(reinterpret_cast<const char *>(&adcExpected), 64).toHex(' '));
}

void PeripheryEditorTest::anyBytesLoadWithoutCrashOrWrite()
{
    auto window = shownWindow();
    QVERIFY(window);
    auto gpio = filledWith<GpioExtensionSettingsTypeDef>(0xFF);
    auto adc = filledWith<AdcExtensionSettingsTypeDef>(0xFF);
    QVERIFY(reloadWith(*window, gpio, adc));
    QCOMPARE(writesSoFar(*window), QStringList());
    for (int element = 0; element < GPIO_PIN_COUNT; ++element)
        QCOMPARE(pinCombo(*window, element)->currentIndex(), -1);
    QCOMPARE(control<QComboBox>(*window, "buttonMode_32")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>(*window, "spiModeCombo_1")->currentIndex(), -1);
    QCOMPARE(control<QSpinBox>(*window, "spi_latch_delay")->value(), 10);
    QCOMPARE(control<QSpinBox>(*window, "lowerDeadZoneSpinBox_3")->value(), 32767);
    QCOMPARE(control<QSpinBox>(*window, "analogSmoothingSpinBox_2")->value(), 100);
    QVERIFY(control<QCheckBox>(*window, "analog1_invert")->isChecked());
    QCOMPARE(pageState(*window), (PageState{false, false, false, false}));

    // Zeros below a spin box's range show as its minimum.
    QVERIFY(reloadWith(*window, GpioExtensionSettingsTypeDef{}, AdcExtensionSettingsTypeDef{}));
    QCOMPARE(control<QSpinBox>(*window, "spi_latch_delay")->value(), 1);
    QCOMPARE(writesSoFar(*window), QStringList());

    // Arbitrary bytes, many times over.
    GpioExtensionWidget *editor = editorOf(*window);
    QRandomGenerator random(20240104);
    for (int round = 0; round < 300; ++round) {
        sim::Record bytes{};
        for (uint8_t &byte : bytes)
            byte = static_cast<uint8_t>(random.bounded(256));
        gpio = fromSim<GpioExtensionSettingsTypeDef>(bytes);
        for (uint8_t &byte : bytes)
            byte = static_cast<uint8_t>(random.bounded(256));
        adc = fromSim<AdcExtensionSettingsTypeDef>(bytes);
        editor->setUiFromAdcSettings(adc, false);
        editor->setUiFromGpioSettings(gpio, false);
    }
    QCOMPARE(writesSoFar(*window), QStringList());

    // Applied with sending on, a mode beyond the last item has no value to
    // send: it must not go out as 0xFF.
    sim::clearLog();
    gpio = plainGpio();
    editor->setUiFromGpioSettings(gpio, false);
    gpio.gpio_mode[4] = 200;
    gpio.button_mode[0] = 3;
    editor->setUiFromGpioSettings(gpio, true);
    QCOMPARE(pinCombo(*window, 4)->currentIndex(), -1);
    QCOMPARE(writesSoFar(*window), QStringList());
}

void PeripheryEditorTest::everyControlHasANameAndTakesFocus()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(showWithEditors(window));
    GpioExtensionWidget *editor = editorOf(window);

    QStringList names;
    QList<QWidget *> controls;
    for (QComboBox *w : editor->findChildren<QComboBox *>())
        controls.append(w);
    for (QSpinBox *w : editor->findChildren<QSpinBox *>())
        controls.append(w);
    for (QAbstractButton *w : editor->findChildren<QAbstractButton *>())
        controls.append(w);
    // Combos: pins, extension mode, buttons, SPI and latch mode, profile.
    // Spin boxes: analog grid, latch delay, pulse length. Buttons: invert
    // boxes, reset switch, profile buttons, tool-box page buttons.
    QCOMPARE(controls.size(), (10 + 1 + 32 + 2 + 1) + (15 + 2) + (3 + 1 + 2 + 4));
    for (QWidget *w : std::as_const(controls)) {
        const QString name = spokenName(w);
        QVERIFY2(!name.isEmpty(), w->objectName().toLatin1().constData());
        names.append(name);
        if (w->objectName() != QLatin1String("enable_reset_button"))
            QVERIFY2(w->focusPolicy() & Qt::TabFocus, w->objectName().toLatin1().constData());
    }
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());

    const auto nameOf = [&](const char *object) { return spokenName(editor->findChild<QWidget *>(object)); };
    QCOMPARE(nameOf("lowerDeadZoneSpinBox_1"), QStringLiteral("Rx lower dead zone"));
    QCOMPARE(nameOf("upperDeadZoneSpinBox_3"), QStringLiteral("Rz upper dead zone"));
    QCOMPARE(nameOf("analogButtonLowSpinBox_2"), QStringLiteral("Ry button low (%)"));
    QCOMPARE(nameOf("analog3_invert"), QStringLiteral("Rz invert"));
    QCOMPARE(nameOf("gpioModeCombo_9"), QStringLiteral("Encoder Z0"));
    QCOMPARE(nameOf("buttonMode_32"), QStringLiteral("Button 32"));
    QCOMPARE(nameOf("spi_latch_delay"), QStringLiteral("Latch delay (microseconds)"));
    QCOMPARE(nameOf("spi_mode_dropdown"), QStringLiteral("SPI mode"));
    QCOMPARE(nameOf("spiModeCombo_1"), QStringLiteral("SPI extension mode"));

    auto *saveButton = editor->findChild<QPushButton *>("profile_save_button");
    auto *deleteButton = editor->findChild<QPushButton *>("profile_delete_button");
    QCOMPARE(saveButton->text(), QStringLiteral("Save"));
    QCOMPARE(deleteButton->text(), QStringLiteral("Delete"));
    QVERIFY(saveButton->maximumWidth() <= 100);
    QVERIFY(deleteButton->maximumWidth() <= 100);
    QVERIFY(editor->findChild<QComboBox *>("profile_combo_box")->isEditable());
}

QTEST_MAIN(PeripheryEditorTest)
#include "test_peripheryeditor.moc"
