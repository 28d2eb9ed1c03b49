// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Overlapping changes to the controller's settings, each one a layer that
// ends on its own: two wrapped games, a game rule. The settings from before
// the first layer are the base; every layer holds the field values it put on
// the controller, the latest on top. When a layer ends the controller should
// hold the base under the layers still on; when the last ends, the base. A
// field whose value differs from what the base and layers give was changed
// by hand meanwhile: the user's value stays, now and after every later end.

#include "settings/controllersettings.h"

#include <QMap>
#include <QString>
#include <QVector>

// Field values by the field's place in settingsFields(); values are raw
// record values.
using FieldValues = QMap<int, int>;

// Every field of `records` with its value in `settings`: what applying a
// profile or a whole record asks for.
FieldValues recordValues(const ControllerSettings &settings, const QVector<SettingsRecord> &records);
// Of the values asked for, those the controller holds after the apply
// (`reached`): when it left during the apply, only what arrived.
FieldValues reachedValues(const FieldValues &asked, const ControllerSettings &reached);
// The keys of the fields asked for that the controller does not hold.
QStringList unreachedKeys(const FieldValues &asked, const ControllerSettings &reached);
// The writes that take the controller from `current` to `target`, as the
// window sends them: effects, hardware, then the periphery.
QVector<SettingsWrite> writesBetween(const ControllerSettings &current, const ControllerSettings &target);

class SettingsLayers
{
public:
    bool isEmpty() const { return layers.isEmpty(); }
    QStringList names() const;

    // A layer named `name` put `applied` on the controller, which held
    // `before` just before. The first layer's `before` is the base.
    void push(const QString &name, const ControllerSettings &before, const FieldValues &applied);
    // Ends the layer and returns what the controller, now holding
    // `current`, should hold. An unknown name changes nothing.
    ControllerSettings end(const QString &name, const ControllerSettings &current);
    // What the base and the layers still on give.
    ControllerSettings expected() const;
    // What the base and the layers other than `names` give.
    ControllerSettings expectedWithout(const QStringList &names) const;
    // The layer now holds `values` instead: what its owner asks for changed.
    // An unknown name changes nothing.
    void replace(const QString &name, const FieldValues &values);
    // Takes every field changed by hand out of the layers and into the base,
    // `current` being what the controller holds. Nothing while no layer is on.
    void keepHandChanges(const ControllerSettings &current);
    // What the controller comes back to when every layer has ended, as far
    // as hand changes were seen at the last push or end.
    const ControllerSettings &base() const { return baseSettings; }

private:
    struct Layer {
        QString name;
        FieldValues values;
    };

    ControllerSettings baseSettings{};
    QVector<Layer> layers;
};
