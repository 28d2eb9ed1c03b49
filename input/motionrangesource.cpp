// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/motionrangesource.h"

MotionRangeSource::MotionRangeSource(QObject *parent) : QObject(parent) {}

int MotionRangeSource::degrees() const
{
    return current;
}

void MotionRangeSource::setEffectSettings(const EffectSettingsTypeDef &settings)
{
    setDegrees(settings.motion_range);
}

void MotionRangeSource::setUInt16Setting(SettingsFieldEnum field, int8_t, uint16_t value)
{
    if (field == SETTINGS_FIELD_MOTION_RANGE)
        setDegrees(value);
}

void MotionRangeSource::setDegrees(int degrees)
{
    if (degrees <= 0 || degrees == current)
        return;
    current = degrees;
    emit motionRangeChanged(current);
}
