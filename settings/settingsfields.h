// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One table of every settings field of the four records: where it lies in its
// record, how it travels in a settings write, the stable text key it has in
// settings files and on the command line, and how the window's control shows
// it. The text form, the change planner and the command line all read it;
// there is no second list of fields to keep in step.

#include "settings/settingsfieldenum.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <cstdint>

enum class SettingsRecord { Effects, Hardware, Adc, Gpio };
enum class SettingsValueType { Int8, UInt8, Int16, UInt16 };

// How the window's control shows a record value and what it sends back. The
// control's state is what the text form writes and reads:
//   Number    spin box; the state is the value clamped to minimum..maximum; sends the state.
//   Choice    combo box; the state is the item index, or -1 (no current item) for a
//             value beyond the last item; sends the index, and nothing for -1.
//   Switch    check box; non-zero shows checked; sends 1 / 0.
//   Direction check box; exactly 1 shows checked (inverted); sends 1 / -1.
//   Invert    check box; any positive value shows checked; sends 1 / -1.
// Check boxes have the state 1 (checked) or 0.
enum class SettingsControl { Number, Choice, Switch, Direction, Invert };

struct SettingsField {
    const char *key;     // stable text key, e.g. "effects.motion_range"
    SettingsRecord record;
    int offset;          // byte offset in the 64-byte record
    SettingsValueType type;
    SettingsFieldEnum id;
    int8_t index;
    SettingsControl control;
    int minimum, maximum; // the states the window's control takes
    QStringList choices;  // Choice: the item texts the window shows, index = value
    // Choice: items the window keeps in the list but does not offer (bit i = item i).
    uint32_t hiddenChoices = 0;
};

// Every field, records in the order Effects, Hardware, ADC, GPIO, and within
// a record in the order the window's editor sets its controls.
const QVector<SettingsField> &settingsFields();
const SettingsField *findSettingsField(QStringView key);
// The field a settings write with this id and index sets; null for none.
const SettingsField *findSettingsField(SettingsFieldEnum id, int index);

// The state the window's control shows for this record value (see above).
int shownState(const SettingsField &field, int recordValue);
// The record value (and the value a settings write carries) for a state.
int recordValueForState(const SettingsField &field, int state);
// Whether the window offers this state for the field: within the range and,
// for a choice, not one of its hidden items.
bool isOfferedState(const SettingsField &field, int state);
