// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/profilecombobox.h"
#include "editors/settingseditorwidget.h"
#include "settings/settingsrecords.h"

#include <memory>

#include <QList>

QT_BEGIN_NAMESPACE
namespace Ui {
class GpioExtensionWidget;
}
class QCheckBox;
class QComboBox;
class QSpinBox;
QT_END_NAMESPACE

// Editor of the periphery: the GPIO pin modes, the SPI input extension, the
// 32 button modes and the three analog axes. The controls are the state; every
// user change goes out as one change signal, loading a record sends nothing.
class GpioExtensionWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit GpioExtensionWidget(QWidget *parent = nullptr);
    ~GpioExtensionWidget() override;

    // Put a record into the controls. With sendChanges false nothing is sent;
    // with it true every control that actually changes sends its field.
    void setUiFromGpioSettings(const GpioExtensionSettingsTypeDef &settings, bool sendChanges);
    void setUiFromAdcSettings(const AdcExtensionSettingsTypeDef &settings, bool sendChanges);
    // Fill a record from the controls. The record is cleared first, so the
    // reserved bytes come out zero.
    void gpioSettingsFromUi(GpioExtensionSettingsTypeDef *settings) const;
    void adcSettingsFromUi(AdcExtensionSettingsTypeDef *settings) const;
    // Applies a stored profile exactly as picking it does. False, with
    // nothing changed or sent, when it cannot be read in full.
    bool applyStoredProfile(const QString &name);

private slots:
    // Periphery profiles: the raw ADC record followed by the raw GPIO record,
    // 128 bytes, in appfiles::peripheryProfilesFolder().
    void readProfiles();
    void applyProfile(QString name);
    void on_profile_combo_box_activated(int index);
    void on_profile_save_button_clicked();
    void on_profile_delete_button_clicked();

    void prepareGpioComboBoxes();
    void prepareButtonComboBoxes();
    void prepareAnalogSpinBoxes();

private:
    void connectControls();
    // content holds at least both records (the store never returns less).
    void applyProfileContent(const QByteArray &content);
    void updateToolBoxPages();

    Ui::GpioExtensionWidget *ui;
    std::unique_ptr<ProfileComboBox> profiles;
    // Plain pointers to controls owned by the form; list position = record
    // array element.
    QList<QComboBox *> gpio_mode_combo_boxes;
    QList<QComboBox *> button_mode_combo_boxes;
    QList<QSpinBox *> upper_dead_zone_spin_boxes;
    QList<QSpinBox *> lower_dead_zone_spin_boxes;
    QList<QSpinBox *> analog_smoothing_spin_boxes;
    QList<QSpinBox *> analog_button_low_spin_boxes;
    QList<QSpinBox *> analog_button_high_spin_boxes;
    QList<QCheckBox *> analog_invert_check_boxes;
};
