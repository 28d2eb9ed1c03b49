// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/settingsdiff.h"

#include "history/fieldnames.h"
#include "settings/settingschanges.h"

#include <QCoreApplication>
#include <QJsonArray>

FieldStates statesOf(const ControllerSettings &settings)
{
    FieldStates states;
    for (const SettingsField &field : settingsFields())
        states.append(shownState(field, recordValue(settings, field)));
    return states;
}

FieldStates statesOf(const SettingsText &text)
{
    FieldStates states(settingsFields().size());
    const SettingsField *first = settingsFields().constData();
    for (const auto &[field, state] : text.values)
        states[field - first] = state;
    return states;
}

QVector<FieldDifference> diffStates(const FieldStates &from, const FieldStates &to)
{
    QVector<FieldDifference> differences;
    const QVector<SettingsField> &fields = settingsFields();
    for (qsizetype i = 0; i < fields.size() && i < from.size() && i < to.size(); ++i) {
        if (from.at(i) && to.at(i) && *from.at(i) != *to.at(i))
            differences.append({&fields.at(i), *from.at(i), *to.at(i)});
    }
    return differences;
}

namespace {

QString shown(const SettingsField &field, int state)
{
    return state < 0 ? QCoreApplication::translate("SettingsDiff", "(none)") : formatFieldValue(field, state);
}

} // namespace

QString formatDifferences(const QVector<FieldDifference> &differences)
{
    QString settings, hardware;
    for (const FieldDifference &d : differences) {
        const QString line = QCoreApplication::translate("SettingsDiff", "  %1: %2 -> %3\n")
                                 .arg(fieldDisplayName(*d.field), shown(*d.field, d.from), shown(*d.field, d.to));
        (isHardwareField(*d.field) ? hardware : settings) += line;
    }
    QString text;
    if (!settings.isEmpty())
        text += QCoreApplication::translate("SettingsDiff", "Settings:\n") + settings;
    if (!hardware.isEmpty())
        text += QCoreApplication::translate("SettingsDiff", "Controller hardware:\n") + hardware;
    return text;
}

QJsonObject differencesToJson(const QVector<FieldDifference> &differences)
{
    QJsonArray settings, hardware;
    for (const FieldDifference &d : differences) {
        const QJsonObject entry{{QStringLiteral("key"), QLatin1String(d.field->key)},
                                {QStringLiteral("name"), fieldDisplayName(*d.field)},
                                {QStringLiteral("from"), formatFieldValue(*d.field, d.from)},
                                {QStringLiteral("to"), formatFieldValue(*d.field, d.to)}};
        (isHardwareField(*d.field) ? hardware : settings).append(entry);
    }
    return {{QStringLiteral("settings"), settings}, {QStringLiteral("hardware"), hardware}};
}

RestorePlan planRestore(const ControllerSettings &now, const SettingsText &snapshot, bool includeHardware)
{
    RestorePlan plan;
    plan.target = now;
    SettingsText kept = snapshot;
    kept.values.clear();
    for (const auto &value : snapshot.values) {
        if (isHardwareField(*value.first) && !includeHardware) {
            if (shownState(*value.first, recordValue(now, *value.first)) != value.second)
                ++plan.hardwareLeftOut;
            continue;
        }
        kept.values.append(value);
    }
    applySettingsText(kept, &plan.target);

    // The same planner the window and the command line use, record by record.
    const QVector<SettingsWrite> effects = effectsChanges(now.effects, plan.target.effects);
    const QVector<SettingsWrite> hardware = hardwareChanges(now.hardware, plan.target.hardware);
    const QVector<SettingsWrite> periphery = peripheryChanges(now.adc, now.gpio, plan.target.adc, plan.target.gpio);
    plan.effects = !effects.isEmpty();
    plan.hardware = !hardware.isEmpty();
    plan.periphery = !periphery.isEmpty();
    plan.writes = effects + hardware + periphery;
    return plan;
}
