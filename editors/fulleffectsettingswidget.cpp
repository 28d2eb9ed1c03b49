// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/fulleffectsettingswidget.h"

#include "editors/sliderpairing.h"
#include "settings/appfiles.h"
#include "ui_fulleffectsettingswidget.h"

#include <cstring>

FullEffectSettingsWidget::FullEffectSettingsWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::FullEffectSettingsWidget)
{
    // The form joins the mirrored slider pairs and the growing pairs' slots
    // first, so each slider already shows the value when it is reported.
    ui->setupUi(this);
    nameComboBoxesAfterTheirLabels();
    profiles = std::make_unique<ProfileComboBox>(appfiles::effectsProfilesFolder(),
                                                 qsizetype(sizeof(EffectSettingsTypeDef)), ui->profile_combo_box);
    connectChangeHandlers();
    readProfiles();
}

FullEffectSettingsWidget::~FullEffectSettingsWidget()
{
    delete ui;
}

void FullEffectSettingsWidget::connectChangeHandlers()
{
    reportUInt16(ui->motion_range_axis0, SETTINGS_FIELD_MOTION_RANGE);
    reportUInt8(ui->total_effect_scale_axis0, SETTINGS_FIELD_TOTAL_EFFECT_SCALE);
    reportUInt8(ui->integrated_spring_axis0, SETTINGS_FIELD_INTEGRATED_SPRING);
    reportUInt8(ui->soft_stop_strength_axis0, SETTINGS_FIELD_SOFT_STOP_STRENGTH);
    reportUInt8(ui->soft_stop_range_axis0, SETTINGS_FIELD_SOFT_STOP_RANGE);
    reportUInt16(ui->soft_stop_dampening_axis0, SETTINGS_FIELD_SOFT_STOP_DAMPENING);
    reportUInt16(ui->static_dampening_axis0, SETTINGS_FIELD_STATIC_DAMPENING);
    // The controller takes +1 for inverted and -1 for normal.
    reportDirection(ui->invert_constant_force, SETTINGS_FIELD_INVERT_CONSTANT_FORCE);
    reportUInt8(ui->direct_x_constant_strength, SETTINGS_FIELD_DIRECT_X_CONSTANT_STRENGTH);
    reportUInt8(ui->direct_x_spring_strength, SETTINGS_FIELD_DIRECT_X_SPRING_STRENGTH);
    reportUInt8(ui->direct_x_periodic_strength, SETTINGS_FIELD_DIRECT_X_PERIODIC_STRENGTH);
}

void FullEffectSettingsWidget::setUiFromEffectSettings(const EffectSettingsTypeDef &settings, bool sendChanges)
{
    in_init = !sendChanges;

    // Compare against the controls as they were before any of them moved.
    const bool invertShown = ui->invert_constant_force->isChecked();
    const int directXConstantShown = ui->direct_x_constant_strength->value();
    const int directXSpringShown = ui->direct_x_spring_strength->value();
    const int directXPeriodicShown = ui->direct_x_periodic_strength->value();
    const int motionRangeShown = ui->motion_range_axis0->value();
    const int totalScaleShown = ui->total_effect_scale_axis0->value();
    const int springShown = ui->integrated_spring_axis0->value();
    const int softStopStrengthShown = ui->soft_stop_strength_axis0->value();
    const int softStopRangeShown = ui->soft_stop_range_axis0->value();
    const int softStopDampeningShown = ui->soft_stop_dampening_axis0->value();
    const int staticDampeningShown = ui->static_dampening_axis0->value();

    // Only controls whose value differs are set. A stored value outside a
    // spin box's range is clamped by the spin box; when the clamped value is
    // what the box already shows, nothing changes and nothing is reported.
    const auto show = [](QSpinBox *spinBox, int shown, int stored) {
        if (stored != shown)
            spinBox->setValue(stored);
    };

    const bool invertStored = settings.invert_constant_force > 0;
    if (invertStored != invertShown)
        ui->invert_constant_force->setChecked(invertStored);
    show(ui->direct_x_constant_strength, directXConstantShown, settings.direct_x_constant_strength);
    show(ui->direct_x_spring_strength, directXSpringShown, settings.direct_x_spring_strength);
    show(ui->direct_x_periodic_strength, directXPeriodicShown, settings.direct_x_periodic_strength);
    show(ui->motion_range_axis0, motionRangeShown, settings.motion_range);
    show(ui->total_effect_scale_axis0, totalScaleShown, settings.total_effect_scale);
    show(ui->integrated_spring_axis0, springShown, settings.integrated_spring);
    show(ui->soft_stop_strength_axis0, softStopStrengthShown, settings.soft_stop_strength);
    show(ui->soft_stop_range_axis0, softStopRangeShown, settings.soft_stop_range);
    show(ui->soft_stop_dampening_axis0, softStopDampeningShown, settings.soft_stop_dampening);
    show(ui->static_dampening_axis0, staticDampeningShown, settings.static_dampening);

    in_init = false;
}

void FullEffectSettingsWidget::effectSettingsFromUi(EffectSettingsTypeDef *settings) const
{
    settings->invert_constant_force = ui->invert_constant_force->isChecked() ? int8_t(1) : int8_t(-1);
    settings->direct_x_constant_strength = static_cast<uint8_t>(ui->direct_x_constant_strength->value());
    settings->direct_x_spring_strength = static_cast<uint8_t>(ui->direct_x_spring_strength->value());
    settings->direct_x_periodic_strength = static_cast<uint8_t>(ui->direct_x_periodic_strength->value());
    settings->motion_range = static_cast<uint16_t>(ui->motion_range_axis0->value());
    settings->total_effect_scale = static_cast<uint8_t>(ui->total_effect_scale_axis0->value());
    settings->integrated_spring = static_cast<uint8_t>(ui->integrated_spring_axis0->value());
    settings->soft_stop_strength = static_cast<uint8_t>(ui->soft_stop_strength_axis0->value());
    settings->soft_stop_range = static_cast<uint8_t>(ui->soft_stop_range_axis0->value());
    settings->soft_stop_dampening = static_cast<uint16_t>(ui->soft_stop_dampening_axis0->value());
    settings->static_dampening = static_cast<uint16_t>(ui->static_dampening_axis0->value());
}

void FullEffectSettingsWidget::on_motion_range_axis0_valueChanged(int arg1)
{
    sliderFollowsSpinBox(ui->motion_range_slider_axis0, arg1);
}

void FullEffectSettingsWidget::on_motion_range_slider_axis0_valueChanged(int value)
{
    spinBoxFollowsSlider(ui->motion_range_axis0, value);
}

void FullEffectSettingsWidget::on_static_dampening_axis0_valueChanged(int arg1)
{
    sliderFollowsSpinBox(ui->static_dampening_slider_axis0, arg1);
}

void FullEffectSettingsWidget::on_static_dampening_slider_axis0_valueChanged(int value)
{
    spinBoxFollowsSlider(ui->static_dampening_axis0, value);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_axis0_valueChanged(int arg1)
{
    sliderFollowsSpinBox(ui->soft_stop_dampening_slider_axis0, arg1);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_slider_axis0_valueChanged(int value)
{
    spinBoxFollowsSlider(ui->soft_stop_dampening_axis0, value);
}

void FullEffectSettingsWidget::readProfiles()
{
    profiles->refresh();
}

void FullEffectSettingsWidget::applyProfile(QString name)
{
    const std::optional<QByteArray> content = profiles->load(name);
    if (!content)
        return;
    emit profilePicked(name);
    applyProfileContent(*content);
}

bool FullEffectSettingsWidget::applyStoredProfile(const QString &name)
{
    const std::optional<QByteArray> content = profiles->store().load(name);
    if (!content)
        return false;
    applyProfileContent(*content);
    return true;
}

void FullEffectSettingsWidget::applyProfileContent(const QByteArray &content)
{
    EffectSettingsTypeDef settings;
    std::memcpy(&settings, content.constData(), sizeof settings);
    setUiFromEffectSettings(settings, true);
}

void FullEffectSettingsWidget::on_profile_combo_box_activated(int index)
{
    applyProfile(ui->profile_combo_box->itemText(index));
}

void FullEffectSettingsWidget::on_profile_save_button_clicked()
{
    EffectSettingsTypeDef settings;
    effectSettingsFromUi(&settings);
    profiles->saveUnderCurrentName(QByteArray(reinterpret_cast<const char *>(&settings), sizeof settings));
}

void FullEffectSettingsWidget::on_profile_delete_button_clicked()
{
    profiles->removeCurrent();
}
