// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/gpioextensionwidget.h"

#include "settings/appfiles.h"
#include "settings/settingsfields.h"
#include "ui_gpioextensionwidget.h"

#include <cstring>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QSpinBox>
#include <QStandardItemModel>

#include <utility>

namespace {

// The form's controls in record order, so that the record conversions and the
// change handlers can share one list each.
QList<QComboBox *> gpioModeCombos(const Ui::GpioExtensionWidget *ui)
{
    return {ui->gpioModeCombo_1, ui->gpioModeCombo_2, ui->gpioModeCombo_3, ui->gpioModeCombo_4,
            ui->gpioModeCombo_5, ui->gpioModeCombo_6, ui->gpioModeCombo_7, ui->gpioModeCombo_8,
            ui->gpioModeCombo_9, ui->gpioModeCombo_10};
}

QList<QComboBox *> buttonModeCombos(const Ui::GpioExtensionWidget *ui)
{
    return {ui->buttonMode_pin_1, ui->buttonMode_pin_2, ui->buttonMode_pin_3, ui->buttonMode_pin_4,
            ui->buttonMode_pin_5, ui->buttonMode_pin_6, ui->buttonMode_pin_7, ui->buttonMode_pin_8,
            ui->buttonMode_9,     ui->buttonMode_10,    ui->buttonMode_11,    ui->buttonMode_12,
            ui->buttonMode_13,    ui->buttonMode_14,    ui->buttonMode_15,    ui->buttonMode_16,
            ui->buttonMode_17,    ui->buttonMode_18,    ui->buttonMode_19,    ui->buttonMode_20,
            ui->buttonMode_21,    ui->buttonMode_22,    ui->buttonMode_23,    ui->buttonMode_24,
            ui->buttonMode_25,    ui->buttonMode_26,    ui->buttonMode_27,    ui->buttonMode_28,
            ui->buttonMode_29,    ui->buttonMode_30,    ui->buttonMode_31,    ui->buttonMode_32};
}

struct AnalogControls {
    QList<QSpinBox *> lowerDeadZone;
    QList<QSpinBox *> upperDeadZone;
    QList<QSpinBox *> smoothing;
    QList<QSpinBox *> buttonLow;
    QList<QSpinBox *> buttonHigh;
    QList<QCheckBox *> invert;
};

AnalogControls analogControls(const Ui::GpioExtensionWidget *ui)
{
    return {{ui->lowerDeadZoneSpinBox_1, ui->lowerDeadZoneSpinBox_2, ui->lowerDeadZoneSpinBox_3},
            {ui->upperDeadZoneSpinBox_1, ui->upperDeadZoneSpinBox_2, ui->upperDeadZoneSpinBox_3},
            {ui->analogSmoothingSpinBox_1, ui->analogSmoothingSpinBox_2, ui->analogSmoothingSpinBox_3},
            {ui->analogButtonLowSpinBox_1, ui->analogButtonLowSpinBox_2, ui->analogButtonLowSpinBox_3},
            {ui->analogButtonHighSpinBox_1, ui->analogButtonHighSpinBox_2, ui->analogButtonHighSpinBox_3},
            {ui->analog1_invert, ui->analog2_invert, ui->analog3_invert}};
}

// A hidden list row alone can still be reached with the arrow keys, by typing
// and with the wheel; a disabled item cannot. The item keeps its index, so the
// index stays equal to the stored value, and setCurrentIndex can still show it.
void hideItem(QComboBox *combo, int row)
{
    if (auto *list = qobject_cast<QListView *>(combo->view()))
        list->setRowHidden(row, true);
    if (auto *model = qobject_cast<QStandardItemModel *>(combo->model())) {
        if (QStandardItem *item = model->item(row))
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
}

void setIndexIfDifferent(QComboBox *combo, int value)
{
    if (combo->currentIndex() != value)
        combo->setCurrentIndex(value); // beyond the last item: no current item
}

void setValueIfDifferent(QSpinBox *spinBox, int value)
{
    if (spinBox->value() != value)
        spinBox->setValue(value); // clamps to the box's range
}

void setCheckedIfDifferent(QCheckBox *checkBox, bool checked)
{
    if (checkBox->isChecked() != checked)
        checkBox->setChecked(checked);
}

constexpr int ENCODER_Z0_ELEMENT = 8;
// The reset-centre switch is not a record field; it is always sent with this index.
constexpr int8_t ENABLE_RESET_BUTTON_INDEX = 1;

} // namespace

namespace {

// A periphery profile is the ADC record followed by the GPIO record.
constexpr std::size_t PERIPHERY_PROFILE_SIZE =
    sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef);

} // namespace

GpioExtensionWidget::GpioExtensionWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::GpioExtensionWidget)
{
    in_init = false;
    ui->setupUi(this);
    nameComboBoxesAfterTheirLabels();

    // The tool box's page buttons take no keyboard focus of their own; without
    // it the pages could only be opened with the mouse.
    for (QAbstractButton *pageButton : ui->gpio_tool_box->findChildren<QAbstractButton *>(
             QString(), Qt::FindDirectChildrenOnly))
        pageButton->setFocusPolicy(Qt::StrongFocus);

    // Connected before the combos are filled: adding the first item of the
    // extension-mode combo runs the page update with every pin still empty,
    // so a new editor starts with the button and analog pages disabled.
    connectControls();

    prepareGpioComboBoxes();
    prepareButtonComboBoxes();
    prepareAnalogSpinBoxes();
    ui->gpio_tool_box->setCurrentIndex(0);

    profiles = std::make_unique<ProfileComboBox>(appfiles::peripheryProfilesFolder(),
                                                 qsizetype(PERIPHERY_PROFILE_SIZE), ui->profile_combo_box);
    readProfiles();
}

GpioExtensionWidget::~GpioExtensionWidget()
{
    delete ui;
}

void GpioExtensionWidget::connectControls()
{
    connect(ui->spiModeCombo_1, &QComboBox::currentIndexChanged, this, [this](int value) {
        if (value >= 0)
            emitUInt8IfNotInInit(SETTINGS_FIELD_SPI_EXTENSION_MODE, 0, static_cast<uint8_t>(value));
        updateToolBoxPages();
    });

    const QList<QComboBox *> gpioCombos = gpioModeCombos(ui);
    for (int i = 0; i < gpioCombos.size(); ++i)
        reportItemIndex(gpioCombos.at(i), SETTINGS_FIELD_GPIO_MODE, i);
    const QList<QComboBox *> buttonCombos = buttonModeCombos(ui);
    for (int i = 0; i < buttonCombos.size(); ++i)
        reportItemIndex(buttonCombos.at(i), SETTINGS_FIELD_BUTTON_MODE, i);

    reportItemIndex(ui->spi_mode_dropdown, SETTINGS_FIELD_SPI_MODE, 0);
    reportItemIndex(ui->latch_mode_dropdown, SETTINGS_FIELD_LATCH_MODE, 0);
    reportUInt8(ui->spi_latch_delay, SETTINGS_FIELD_SPI_LATCH_DELAY, 0);
    reportUInt8(ui->spi_pulse_length, SETTINGS_FIELD_SPI_PULSE_LENGTH, 0);

    const AnalogControls analog = analogControls(ui);
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        reportUInt16(analog.lowerDeadZone.at(axis), SETTINGS_FIELD_LOWER_DEAD_ZONE, axis);
        reportUInt16(analog.upperDeadZone.at(axis), SETTINGS_FIELD_UPPER_DEAD_ZONE, axis);
        reportUInt8(analog.buttonLow.at(axis), SETTINGS_FIELD_ANALOG_BUTTON_LOW, axis);
        reportUInt8(analog.buttonHigh.at(axis), SETTINGS_FIELD_ANALOG_BUTTON_HIGH, axis);
        reportUInt8(analog.smoothing.at(axis), SETTINGS_FIELD_ANALOG_SMOOTHING, axis);
        reportSwitch(analog.invert.at(axis), SETTINGS_FIELD_ANALOG_INVERT, axis);
    }

    reportSwitch(ui->enable_reset_button, SETTINGS_FIELD_ENABLE_RESET_BUTTON, ENABLE_RESET_BUTTON_INDEX);
}

void GpioExtensionWidget::prepareGpioComboBoxes()
{
    gpio_mode_combo_boxes = gpioModeCombos(ui);
    // Item index = GpioPinModeEnum value.
    const QStringList modes = {tr("Disabled"),      tr("Generic button"),        tr("Analog"),
                               tr("SPI CS"),        tr("SPI SCK"),               tr("SPI MISO"),
                               tr("Enable effects switch"), tr("Reset center button"), tr("Braking PWM"),
                               tr("Effect LED"),    tr("Reboot")};
    for (int element = 0; element < gpio_mode_combo_boxes.size(); ++element) {
        QComboBox *combo = gpio_mode_combo_boxes.at(element);
        combo->addItems(modes);
        // The field table says which modes a pin does not offer (the braking
        // output exists on pin 8 only, analog inputs on pins 1 to 3 only, and
        // the encoder pins cannot read a button); settings text refuses them too.
        const SettingsField *field = findSettingsField(SETTINGS_FIELD_GPIO_MODE, element);
        for (int mode = 0; field && mode < modes.size(); ++mode) {
            if (field->hiddenChoices & (uint32_t(1) << mode))
                hideItem(combo, mode);
        }
    }
    ui->spiModeCombo_1->addItems({tr("Disabled"), tr("Custom")});
}

void GpioExtensionWidget::prepareButtonComboBoxes()
{
    button_mode_combo_boxes = buttonModeCombos(ui);
    for (QComboBox *combo : std::as_const(button_mode_combo_boxes))
        combo->addItems({tr("Disabled"), tr("Normal"), tr("Inverted")});
}

void GpioExtensionWidget::prepareAnalogSpinBoxes()
{
    const AnalogControls analog = analogControls(ui);
    analog_smoothing_spin_boxes = analog.smoothing;
    lower_dead_zone_spin_boxes = analog.lowerDeadZone;
    upper_dead_zone_spin_boxes = analog.upperDeadZone;
    analog_button_low_spin_boxes = analog.buttonLow;
    analog_button_high_spin_boxes = analog.buttonHigh;
    analog_invert_check_boxes = analog.invert;
}

void GpioExtensionWidget::updateToolBoxPages()
{
    bool anyButton = false;
    bool anyAnalog = false;
    for (const QComboBox *combo : std::as_const(gpio_mode_combo_boxes)) {
        anyButton = anyButton || combo->currentIndex() == GPIO_MODE_GENERIC_BUTTON;
        anyAnalog = anyAnalog || combo->currentIndex() == GPIO_MODE_ANALOG;
    }
    const bool spiCustom = ui->spiModeCombo_1->currentIndex() == SPI_EXTENSION_CUSTOM;

    QToolBox *pages = ui->gpio_tool_box;
    pages->setItemEnabled(pages->indexOf(ui->button_modes_page), spiCustom || anyButton);
    pages->setItemEnabled(pages->indexOf(ui->analog_axes_page), anyAnalog);
    ui->button_modes_group_box->setEnabled(anyButton);
    ui->shiftRegistersGroup_1->setEnabled(spiCustom);
    ui->shiftRegistersGroup_2->setEnabled(spiCustom);
    ui->shiftRegistersGroup_3->setEnabled(spiCustom);
}

void GpioExtensionWidget::setUiFromGpioSettings(const GpioExtensionSettingsTypeDef &settings, bool sendChanges)
{
    in_init = !sendChanges;

    setIndexIfDifferent(ui->spiModeCombo_1, settings.spi_extension_mode);
    setIndexIfDifferent(ui->spi_mode_dropdown, settings.spi_mode);
    setIndexIfDifferent(ui->latch_mode_dropdown, settings.latch_mode);
    setValueIfDifferent(ui->spi_latch_delay, settings.spi_latch_delay);
    setValueIfDifferent(ui->spi_pulse_length, settings.spi_pulse_length);

    for (int element = 0; element < GPIO_PIN_COUNT; ++element) {
        setIndexIfDifferent(gpio_mode_combo_boxes.at(element), settings.gpio_mode[element]);
        // The reset-centre switch follows the Encoder Z0 pin; with sending on
        // its write goes out right after the pin's own.
        if (element == ENCODER_Z0_ELEMENT)
            setCheckedIfDifferent(ui->enable_reset_button, settings.gpio_mode[element] != 0);
    }

    for (int element = 0; element < BUTTON_COUNT; ++element)
        setIndexIfDifferent(button_mode_combo_boxes.at(element), settings.button_mode[element]);

    in_init = false;
    updateToolBoxPages();
}

void GpioExtensionWidget::setUiFromAdcSettings(const AdcExtensionSettingsTypeDef &settings, bool sendChanges)
{
    in_init = !sendChanges;

    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        setCheckedIfDifferent(analog_invert_check_boxes.at(axis), settings.analog_invert[axis] != 0);
        setValueIfDifferent(analog_button_low_spin_boxes.at(axis), settings.analog_button_low[axis]);
        setValueIfDifferent(analog_button_high_spin_boxes.at(axis), settings.analog_button_high[axis]);
        setValueIfDifferent(lower_dead_zone_spin_boxes.at(axis), settings.lower_dead_zone[axis]);
        setValueIfDifferent(upper_dead_zone_spin_boxes.at(axis), settings.upper_dead_zone[axis]);
        setValueIfDifferent(analog_smoothing_spin_boxes.at(axis), settings.analog_smoothing[axis]);
    }

    in_init = false;
}

void GpioExtensionWidget::gpioSettingsFromUi(GpioExtensionSettingsTypeDef *settings) const
{
    *settings = GpioExtensionSettingsTypeDef{};
    settings->spi_extension_mode = static_cast<uint8_t>(ui->spiModeCombo_1->currentIndex());
    for (int element = 0; element < GPIO_PIN_COUNT; ++element)
        settings->gpio_mode[element] = static_cast<uint8_t>(gpio_mode_combo_boxes.at(element)->currentIndex());
    for (int element = 0; element < BUTTON_COUNT; ++element)
        settings->button_mode[element] = static_cast<uint8_t>(button_mode_combo_boxes.at(element)->currentIndex());
    settings->spi_mode = static_cast<uint8_t>(ui->spi_mode_dropdown->currentIndex());
    settings->latch_mode = static_cast<uint8_t>(ui->latch_mode_dropdown->currentIndex());
    settings->spi_latch_delay = static_cast<uint8_t>(ui->spi_latch_delay->value());
    settings->spi_pulse_length = static_cast<uint8_t>(ui->spi_pulse_length->value());
}

void GpioExtensionWidget::adcSettingsFromUi(AdcExtensionSettingsTypeDef *settings) const
{
    *settings = AdcExtensionSettingsTypeDef{};
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        settings->lower_dead_zone[axis] = static_cast<uint16_t>(lower_dead_zone_spin_boxes.at(axis)->value());
        settings->upper_dead_zone[axis] = static_cast<uint16_t>(upper_dead_zone_spin_boxes.at(axis)->value());
        settings->analog_smoothing[axis] = static_cast<uint8_t>(analog_smoothing_spin_boxes.at(axis)->value());
        settings->analog_button_low[axis] = static_cast<uint8_t>(analog_button_low_spin_boxes.at(axis)->value());
        settings->analog_button_high[axis] = static_cast<uint8_t>(analog_button_high_spin_boxes.at(axis)->value());
        settings->analog_invert[axis] = analog_invert_check_boxes.at(axis)->isChecked() ? 1 : 0;
    }
}

void GpioExtensionWidget::readProfiles()
{
    profiles->refresh();
}

void GpioExtensionWidget::applyProfile(QString name)
{
    const std::optional<QByteArray> content = profiles->load(name);
    if (!content)
        return;
    emit profilePicked(name);
    applyProfileContent(*content);
}

bool GpioExtensionWidget::applyStoredProfile(const QString &name)
{
    const std::optional<QByteArray> content = profiles->store().load(name);
    if (!content)
        return false;
    applyProfileContent(*content);
    return true;
}

void GpioExtensionWidget::applyProfileContent(const QByteArray &content)
{
    AdcExtensionSettingsTypeDef adc;
    GpioExtensionSettingsTypeDef gpio;
    std::memcpy(&adc, content.constData(), sizeof adc);
    std::memcpy(&gpio, content.constData() + sizeof adc, sizeof gpio);
    setUiFromAdcSettings(adc, true);
    setUiFromGpioSettings(gpio, true);
}

void GpioExtensionWidget::on_profile_combo_box_activated(int index)
{
    applyProfile(ui->profile_combo_box->itemText(index));
}

void GpioExtensionWidget::on_profile_save_button_clicked()
{
    AdcExtensionSettingsTypeDef adc;
    GpioExtensionSettingsTypeDef gpio;
    adcSettingsFromUi(&adc);
    gpioSettingsFromUi(&gpio);
    QByteArray content(reinterpret_cast<const char *>(&adc), sizeof adc);
    content.append(reinterpret_cast<const char *>(&gpio), sizeof gpio);
    profiles->saveUnderCurrentName(content);
}

void GpioExtensionWidget::on_profile_delete_button_clicked()
{
    profiles->removeCurrent();
}
