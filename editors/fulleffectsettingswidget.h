// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/profilecombobox.h"
#include "editors/settingseditorwidget.h"
#include "settings/settingsrecords.h"

#include <memory>

QT_BEGIN_NAMESPACE
namespace Ui {
class FullEffectSettingsWidget;
}
QT_END_NAMESPACE

// Editor of the controller's force-feedback effect settings (the "Effects"
// tab). Each numeric field is a spin box paired with a slider; the spin box
// carries the value and is the one that reports changes.
class FullEffectSettingsWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit FullEffectSettingsWidget(QWidget *parent = nullptr);
    ~FullEffectSettingsWidget() override;

    // Puts a record into the controls, touching only those that differ. With
    // sendChanges false nothing is reported; with it true every control that
    // changes reports itself once, in a fixed order.
    void setUiFromEffectSettings(const EffectSettingsTypeDef &settings, bool sendChanges);
    // Writes the eleven fields from the controls; the reserved bytes stay as they are.
    void effectSettingsFromUi(EffectSettingsTypeDef *settings) const;
    // Applies a stored profile exactly as picking it does. False, with
    // nothing changed or sent, when it cannot be read in full.
    bool applyStoredProfile(const QString &name);

private slots:
    // Effects profiles: raw 64-byte records in appfiles::effectsProfilesFolder().
    void readProfiles();
    void applyProfile(QString name);
    void on_profile_combo_box_activated(int index);
    void on_profile_save_button_clicked();
    void on_profile_delete_button_clicked();

    // Motion range and the two dampenings reach further than their sliders
    // start; these keep slider and spin box together and grow the slider.
    void on_motion_range_axis0_valueChanged(int arg1);
    void on_motion_range_slider_axis0_valueChanged(int value);
    void on_static_dampening_axis0_valueChanged(int arg1);
    void on_static_dampening_slider_axis0_valueChanged(int value);
    void on_soft_stop_dampening_axis0_valueChanged(int arg1);
    void on_soft_stop_dampening_slider_axis0_valueChanged(int value);

private:
    void connectChangeHandlers();
    // content holds at least one record (the store never returns less).
    void applyProfileContent(const QByteArray &content);

    Ui::FullEffectSettingsWidget *ui;
    std::unique_ptr<ProfileComboBox> profiles;
};
