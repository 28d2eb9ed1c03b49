// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingslayers.h"

#include "settings/settingschanges.h"

#include <algorithm>

FieldValues recordValues(const ControllerSettings &settings, const QVector<SettingsRecord> &records)
{
    FieldValues values;
    const QVector<SettingsField> &fields = settingsFields();
    for (int i = 0; i < fields.size(); ++i) {
        if (records.contains(fields[i].record))
            values.insert(i, recordValue(settings, fields[i]));
    }
    return values;
}

FieldValues reachedValues(const FieldValues &asked, const ControllerSettings &reached)
{
    FieldValues values;
    for (auto it = asked.cbegin(); it != asked.cend(); ++it) {
        if (recordValue(reached, settingsFields()[it.key()]) == it.value())
            values.insert(it.key(), it.value());
    }
    return values;
}

QStringList unreachedKeys(const FieldValues &asked, const ControllerSettings &reached)
{
    QStringList keys;
    for (auto it = asked.cbegin(); it != asked.cend(); ++it) {
        const SettingsField &field = settingsFields()[it.key()];
        if (recordValue(reached, field) != it.value())
            keys.append(QLatin1String(field.key));
    }
    return keys;
}

QVector<SettingsWrite> writesBetween(const ControllerSettings &current, const ControllerSettings &target)
{
    return effectsChanges(current.effects, target.effects) + hardwareChanges(current.hardware, target.hardware) +
           peripheryChanges(current.adc, current.gpio, target.adc, target.gpio);
}

QStringList SettingsLayers::names() const
{
    QStringList result;
    for (const Layer &layer : layers)
        result.append(layer.name);
    return result;
}

ControllerSettings SettingsLayers::expected() const
{
    return expectedWithout({});
}

ControllerSettings SettingsLayers::expectedWithout(const QStringList &names) const
{
    ControllerSettings settings = baseSettings;
    for (const Layer &layer : layers) {
        if (names.contains(layer.name))
            continue;
        for (auto it = layer.values.cbegin(); it != layer.values.cend(); ++it)
            setRecordValue(&settings, settingsFields()[it.key()], it.value());
    }
    return settings;
}

void SettingsLayers::replace(const QString &name, const FieldValues &values)
{
    for (Layer &layer : layers) {
        if (layer.name == name)
            layer.values = values;
    }
}

void SettingsLayers::keepHandChanges(const ControllerSettings &current)
{
    if (layers.isEmpty())
        return;
    const ControllerSettings now = expected();
    const QVector<SettingsField> &fields = settingsFields();
    for (int i = 0; i < fields.size(); ++i) {
        const int value = recordValue(current, fields[i]);
        if (value == recordValue(now, fields[i]))
            continue;
        setRecordValue(&baseSettings, fields[i], value);
        for (Layer &layer : layers)
            layer.values.remove(i);
    }
}

void SettingsLayers::push(const QString &name, const ControllerSettings &before, const FieldValues &applied)
{
    if (layers.isEmpty())
        baseSettings = before;
    else
        keepHandChanges(before);
    layers.append(Layer{name, applied});
}

ControllerSettings SettingsLayers::end(const QString &name, const ControllerSettings &current)
{
    const auto layer = std::find_if(layers.cbegin(), layers.cend(), [&name](const Layer &l) { return l.name == name; });
    if (layer == layers.cend())
        return current;
    const qsizetype index = layer - layers.cbegin();
    keepHandChanges(current);
    layers.remove(index);
    return expected();
}
