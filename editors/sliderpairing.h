// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>
#include <QSpinBox>

// A spin box whose slider starts with a shorter range than the spin box.
// The slider's maximum grows before the slider takes a value beyond it, so
// the slider never clamps the value and feeds the clamped value back into the
// spin box: the field always keeps what the spin box holds. The maximum never
// shrinks again.
inline void sliderFollowsSpinBox(QSlider *slider, int value)
{
    if (slider->maximum() < value)
        slider->setMaximum(value);
    if (slider->value() != value)
        slider->setValue(value);
}

inline void spinBoxFollowsSlider(QSpinBox *spinBox, int value)
{
    if (spinBox->value() != value)
        spinBox->setValue(value);
}
