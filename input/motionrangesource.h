// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsfieldenum.h"
#include "settings/settingsrecords.h"

#include <QObject>

#include <cstdint>

// The motion range the controller has now: from the effects record as it is
// read, and from every change of the motion range the editors send.
class MotionRangeSource : public QObject
{
    Q_OBJECT

public:
    explicit MotionRangeSource(QObject *parent = nullptr);
    int degrees() const; // 0 until known

public slots:
    void setEffectSettings(const EffectSettingsTypeDef &settings);
    void setUInt16Setting(SettingsFieldEnum field, int8_t index, uint16_t value);
    void setDegrees(int degrees);

signals:
    void motionRangeChanged(int degrees);

private:
    int current = 0;
};
