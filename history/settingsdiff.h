// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What differs between two sets of settings, field by field, in what the
// window's controls show; and the writes that put a snapshot back.

#include "settings/settingstext.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

#include <optional>

// The state each field's control shows, by position in settingsFields();
// empty where the source does not say (a snapshot line the window could not
// show).
using FieldStates = QVector<std::optional<int>>;
FieldStates statesOf(const ControllerSettings &settings);
FieldStates statesOf(const SettingsText &text);

struct FieldDifference {
    const SettingsField *field;
    int from; // control states
    int to;
};

// In the editors' order; fields either side does not know are left out.
QVector<FieldDifference> diffStates(const FieldStates &from, const FieldStates &to);
// "Name: from -> to" lines under two headings: the effects and periphery
// fields, then the Controller tab's hardware fields apart. Empty when nothing differs.
QString formatDifferences(const QVector<FieldDifference> &differences);
// {"settings": [{key, name, from, to}], "hardware": [...]}
QJsonObject differencesToJson(const QVector<FieldDifference> &differences);

struct RestorePlan {
    ControllerSettings target; // `now` with the snapshot's values put in
    bool effects = false;      // which records change; apply them in this
    bool hardware = false;     // order: effects, hardware, periphery, as
    bool periphery = false;    // for a settings file of kind "all"
    int hardwareLeftOut = 0;   // differing hardware fields not put back
    QVector<SettingsWrite> writes; // what goes on the wire, in order
};

// Only the differences; the Controller tab's fields only with includeHardware.
RestorePlan planRestore(const ControllerSettings &now, const SettingsText &snapshot, bool includeHardware);
