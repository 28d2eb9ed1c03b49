// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsfieldenum.h"

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QSpinBox;

// What the three settings editors share: one change signal per value type,
// emitted once per single user change, and the in_init flag that holds them
// back while a record from the controller is being shown, so that values read
// from the controller are never sent back to it.
class SettingsEditorWidget : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void settingInt8Changed(SettingsFieldEnum field, int8_t index, int8_t data);
    void settingUInt8Changed(SettingsFieldEnum field, int8_t index, uint8_t data);
    void settingInt16Changed(SettingsFieldEnum field, int8_t index, int16_t data);
    void settingUInt16Changed(SettingsFieldEnum field, int8_t index, uint16_t data);
    void settingFloatChanged(SettingsFieldEnum field, int8_t index, float data);
    // The user picked a stored profile; its changes follow at once.
    void profilePicked(const QString &name);

protected slots:
    void emitInt8IfNotInInit(SettingsFieldEnum field, int8_t index, int8_t data);
    void emitUInt8IfNotInInit(SettingsFieldEnum field, int8_t index, uint8_t data);
    void emitInt16IfNotInInit(SettingsFieldEnum field, int8_t index, int16_t data);
    void emitUInt16IfNotInInit(SettingsFieldEnum field, int8_t index, uint16_t data);
    void emitFloatIfNotInInit(SettingsFieldEnum field, int8_t index, float data);

protected:
    // Connects a control so that each change of its value is reported once,
    // unless in_init is set, with this field and index.
    void reportUInt8(QSpinBox *spinBox, SettingsFieldEnum field, int index = 0);
    void reportUInt16(QSpinBox *spinBox, SettingsFieldEnum field, int index = 0);
    // The item index as uint8. A combo box without a current item (a stored
    // value beyond its last item) reports nothing: narrowing -1 would send 255.
    void reportItemIndex(QComboBox *comboBox, SettingsFieldEnum field, int index = 0);
    // A switch as uint8: 1 checked, 0 unchecked.
    void reportSwitch(QCheckBox *checkBox, SettingsFieldEnum field, int index = 0);
    // A direction as int8: 1 checked (inverted), -1 unchecked (normal).
    void reportDirection(QCheckBox *checkBox, SettingsFieldEnum field);
    // Gives every combo box that a label names that label's text as its
    // accessible name; call after setupUi, once the labels are translated.
    void nameComboBoxesAfterTheirLabels();

    bool in_init = false;
};
