#include "editors/settingseditorwidget.h"

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
