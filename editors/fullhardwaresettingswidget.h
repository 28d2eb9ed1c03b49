// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/settingseditorwidget.h"
#include "settings/settingsrecords.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class FullHardwareSettingsWidget;
}
QT_END_NAMESPACE

// Editor of the controller's hardware settings (the "Controller" tab):
// encoder, control-loop gains, limits, calibration, filtering, force enable
// and directions. It keeps no copy of the record; the controls are the state.
class FullHardwareSettingsWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit FullHardwareSettingsWidget(QWidget *parent = nullptr);
    ~FullHardwareSettingsWidget() override;

    // Shows a record from the controller without reporting anything back.
    void setUiFromHardwareSettings(const HardwareSettingsTypeDef &settings);
    // Puts a record into the controls as a user would: every control that
    // changes reports itself once, in the same order loading sets them.
    void applyHardwareSettings(const HardwareSettingsTypeDef &settings);
    // Writes the fields from the controls; the reserved bytes, and a gain the
    // combo box does not show, stay as they are.
    void hardwareSettingsFromUi(HardwareSettingsTypeDef *settings) const;
    // Outside advanced mode the current-sense gain row is hidden.
    void setAdvancedMode(bool advanced);

private slots:
    // The calibration speed spin box reaches further than its slider starts;
    // these keep the two together and grow the slider.
    void on_calibration_speed_valueChanged(int arg1);
    void on_calibration_speed_slider_valueChanged(int value);

private:
    void connectChangeHandlers();
    void putIntoControls(const HardwareSettingsTypeDef &settings);

    Ui::FullHardwareSettingsWidget *ui;
};
