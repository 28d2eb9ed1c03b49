// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/fullhardwaresettingswidget.h"

#include "editors/sliderpairing.h"
#include "ui_fullhardwaresettingswidget.h"

FullHardwareSettingsWidget::FullHardwareSettingsWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::FullHardwareSettingsWidget)
{
    // The form joins each slider to its spin box; calibration speed is joined
    // through the slots below instead, because its slider starts shorter than
    // the spin box and a plain join would clamp a typed 200 back to 100.
    ui->setupUi(this);
    nameComboBoxesAfterTheirLabels();
    connectChangeHandlers();
}

FullHardwareSettingsWidget::~FullHardwareSettingsWidget()
{
    delete ui;
}

void FullHardwareSettingsWidget::connectChangeHandlers()
{
    // Switches go out as 1 / 0, directions as 1 (inverted) / -1 (normal).
    reportSwitch(ui->force_enable, SETTINGS_FIELD_FORCE_ENABLE);
    reportSwitch(ui->debug_forces, SETTINGS_FIELD_DEBUG_FORCES);
    reportItemIndex(ui->amplifier_gain, SETTINGS_FIELD_AMPLIFIER_GAIN);
    reportUInt8(ui->power_limit, SETTINGS_FIELD_POWER_LIMIT);
    reportUInt8(ui->calibration_magnitude, SETTINGS_FIELD_CALIBRATION_MAGNITUDE);
    reportUInt8(ui->calibration_speed, SETTINGS_FIELD_CALIBRATION_SPEED);
    reportUInt8(ui->braking_limit, SETTINGS_FIELD_BRAKING_LIMIT);
    reportUInt8(ui->speed_sample_buffer_size, SETTINGS_FIELD_SPEED_SAMPLE_BUFFER_SIZE);
    reportUInt8(ui->position_smoothing, SETTINGS_FIELD_POSITION_SMOOTHING);
    reportDirection(ui->axis0_encoder_direction, SETTINGS_FIELD_ENCODER_DIRECTION);
    reportDirection(ui->axis0_force_direction, SETTINGS_FIELD_FORCE_DIRECTION);
    reportUInt16(ui->axis0_encoder_CPR, SETTINGS_FIELD_ENCODER_CPR);
    reportUInt8(ui->axis0_pole_pair, SETTINGS_FIELD_POLE_PAIRS);
    reportUInt8(ui->axis0_p_gain, SETTINGS_FIELD_P_GAIN);
    reportUInt16(ui->axis0_i_gain, SETTINGS_FIELD_I_GAIN);
}

void FullHardwareSettingsWidget::setUiFromHardwareSettings(const HardwareSettingsTypeDef &settings)
{
    // The controls' own signals still run (sliders follow their spin boxes),
    // but no change handler reports while in_init is set. Values outside a
    // control's range are clamped by the control; an unknown amplifier gain
    // leaves the combo box without a current item.
    in_init = true;
    putIntoControls(settings);
    in_init = false;
}

void FullHardwareSettingsWidget::applyHardwareSettings(const HardwareSettingsTypeDef &settings)
{
    putIntoControls(settings);
}

void FullHardwareSettingsWidget::hardwareSettingsFromUi(HardwareSettingsTypeDef *settings) const
{
    settings->force_enable = ui->force_enable->isChecked() ? 1 : 0;
    settings->debug_forces = ui->debug_forces->isChecked() ? 1 : 0;
    if (ui->amplifier_gain->currentIndex() >= 0)
        settings->amplifier_gain = static_cast<uint8_t>(ui->amplifier_gain->currentIndex());
    settings->power_limit = static_cast<uint8_t>(ui->power_limit->value());
    settings->calibration_magnitude = static_cast<uint8_t>(ui->calibration_magnitude->value());
    settings->calibration_speed = static_cast<uint8_t>(ui->calibration_speed->value());
    settings->braking_limit = static_cast<uint8_t>(ui->braking_limit->value());
    settings->speed_sample_buffer_size = static_cast<uint8_t>(ui->speed_sample_buffer_size->value());
    settings->position_smoothing = static_cast<uint8_t>(ui->position_smoothing->value());
    settings->encoder_direction = ui->axis0_encoder_direction->isChecked() ? 1 : -1;
    settings->force_direction = ui->axis0_force_direction->isChecked() ? 1 : -1;
    settings->encoder_cpr = static_cast<uint16_t>(ui->axis0_encoder_CPR->value());
    settings->pole_pairs = static_cast<uint8_t>(ui->axis0_pole_pair->value());
    settings->p_gain = static_cast<uint8_t>(ui->axis0_p_gain->value());
    settings->i_gain = static_cast<uint16_t>(ui->axis0_i_gain->value());
}

void FullHardwareSettingsWidget::putIntoControls(const HardwareSettingsTypeDef &settings)
{
    ui->force_enable->setChecked(settings.force_enable != 0);
    ui->debug_forces->setChecked(settings.debug_forces != 0);
    ui->amplifier_gain->setCurrentIndex(settings.amplifier_gain);
    ui->power_limit->setValue(settings.power_limit);
    ui->calibration_magnitude->setValue(settings.calibration_magnitude);
    ui->calibration_speed->setValue(settings.calibration_speed);
    ui->braking_limit->setValue(settings.braking_limit);
    ui->speed_sample_buffer_size->setValue(settings.speed_sample_buffer_size);
    ui->position_smoothing->setValue(settings.position_smoothing);
    ui->axis0_encoder_direction->setChecked(settings.encoder_direction == 1);
    ui->axis0_force_direction->setChecked(settings.force_direction == 1);
    ui->axis0_encoder_CPR->setValue(settings.encoder_cpr);
    ui->axis0_pole_pair->setValue(settings.pole_pairs);
    ui->axis0_p_gain->setValue(settings.p_gain);
    ui->axis0_i_gain->setValue(settings.i_gain);
}

void FullHardwareSettingsWidget::setAdvancedMode(bool advanced)
{
    ui->amplifier_gain_label->setVisible(advanced);
    ui->amplifier_gain->setVisible(advanced);
}

void FullHardwareSettingsWidget::on_calibration_speed_valueChanged(int arg1)
{
    sliderFollowsSpinBox(ui->calibration_speed_slider, arg1);
}

void FullHardwareSettingsWidget::on_calibration_speed_slider_valueChanged(int value)
{
    spinBoxFollowsSlider(ui->calibration_speed, value);
}
