// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/settingseditorwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

void SettingsEditorWidget::emitInt8IfNotInInit(SettingsFieldEnum field, int8_t index, int8_t data)
{
    if (!in_init)
        emit settingInt8Changed(field, index, data);
}

void SettingsEditorWidget::emitUInt8IfNotInInit(SettingsFieldEnum field, int8_t index, uint8_t data)
{
    if (!in_init)
        emit settingUInt8Changed(field, index, data);
}

void SettingsEditorWidget::emitInt16IfNotInInit(SettingsFieldEnum field, int8_t index, int16_t data)
{
    if (!in_init)
        emit settingInt16Changed(field, index, data);
}

void SettingsEditorWidget::emitUInt16IfNotInInit(SettingsFieldEnum field, int8_t index, uint16_t data)
{
    if (!in_init)
        emit settingUInt16Changed(field, index, data);
}

void SettingsEditorWidget::emitFloatIfNotInInit(SettingsFieldEnum field, int8_t index, float data)
{
    if (!in_init)
        emit settingFloatChanged(field, index, data);
}

void SettingsEditorWidget::reportUInt8(QSpinBox *spinBox, SettingsFieldEnum field, int index)
{
    connect(spinBox, &QSpinBox::valueChanged, this, [this, field, index](int value) {
        emitUInt8IfNotInInit(field, static_cast<int8_t>(index), static_cast<uint8_t>(value));
    });
}

void SettingsEditorWidget::reportUInt16(QSpinBox *spinBox, SettingsFieldEnum field, int index)
{
    connect(spinBox, &QSpinBox::valueChanged, this, [this, field, index](int value) {
        emitUInt16IfNotInInit(field, static_cast<int8_t>(index), static_cast<uint16_t>(value));
    });
}

void SettingsEditorWidget::reportItemIndex(QComboBox *comboBox, SettingsFieldEnum field, int index)
{
    connect(comboBox, &QComboBox::currentIndexChanged, this, [this, field, index](int item) {
        if (item >= 0)
            emitUInt8IfNotInInit(field, static_cast<int8_t>(index), static_cast<uint8_t>(item));
    });
}

void SettingsEditorWidget::reportSwitch(QCheckBox *checkBox, SettingsFieldEnum field, int index)
{
    connect(checkBox, &QCheckBox::stateChanged, this, [this, field, index](int state) {
        emitUInt8IfNotInInit(field, static_cast<int8_t>(index), state > 0 ? uint8_t(1) : uint8_t(0));
    });
}

void SettingsEditorWidget::reportDirection(QCheckBox *checkBox, SettingsFieldEnum field)
{
    connect(checkBox, &QCheckBox::stateChanged, this,
            [this, field](int state) { emitInt8IfNotInInit(field, 0, state > 0 ? int8_t(1) : int8_t(-1)); });
}

// Qt's own name for a combo box is its current item, so that all the pin
// and button combos would sound alike; their label says which one it is.
void SettingsEditorWidget::nameComboBoxesAfterTheirLabels()
{
    for (const QLabel *label : findChildren<QLabel *>()) {
        auto *combo = qobject_cast<QComboBox *>(label->buddy());
        if (combo && combo->accessibleName().isEmpty())
            combo->setAccessibleName(label->text());
    }
}
