// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historycommands.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

QString historyListText(const QString &folder)
{
    QString text;
    for (const QString &id : listSnapshotIds(folder)) {
        const auto loaded = loadSnapshot(folder, id);
        const QString time = snapshotIdTime(id).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (const Snapshot *snapshot = std::get_if<Snapshot>(&loaded))
            text += QStringLiteral("%1  %2  %3  %4\n")
                        .arg(id, time, snapshot->settings.firmwareVersionText, snapshot->header.reason);
        else
            text += QStringLiteral("%1  %2  %3\n")
                        .arg(id, time,
                             QCoreApplication::translate("HistoryCommands", "unreadable: %1")
                                 .arg(std::get<QString>(loaded)));
    }
    return text;
}

std::variant<QByteArray, QString> historyShow(const QString &folder, const QString &id, HistoryFormat format)
{
    const auto loaded = loadSnapshot(folder, id);
    if (const QString *error = std::get_if<QString>(&loaded))
        return *error;
    const Snapshot &snapshot = std::get<Snapshot>(loaded);
    if (format == HistoryFormat::Text) {
        ControllerSettings settings;
        applySettingsText(snapshot.settings, &settings);
        // Written anew from the parsed values: what the file says, never
        // bytes of it that were not understood.
        QByteArray text = formatSettingsText(SettingsTextKind::All, snapshot.settings.firmwareVersionText, {});
        text = text.left(text.indexOf('\n', text.indexOf('\n') + 1) + 1);
        if (snapshot.settings.firmwareVersionText.isEmpty())
            text = text.left(text.indexOf('\n') + 1);
        for (const auto &[field, state] : snapshot.settings.values)
            text += QByteArray(field->key) + " = " + formatFieldValue(*field, state).toUtf8() + '\n';
        return formatSnapshot(snapshot.header, text);
    }
    QJsonObject values;
    for (const auto &[field, state] : snapshot.settings.values)
        values.insert(QLatin1String(field->key), formatFieldValue(*field, state));
    const QJsonObject object{{QStringLiteral("id"), snapshot.header.id},
                             {QStringLiteral("time"), snapshot.header.time.toString(Qt::ISODateWithMs)},
                             {QStringLiteral("controller"), snapshot.header.controller},
                             {QStringLiteral("reason"), snapshot.header.reason},
                             {QStringLiteral("firmware"), snapshot.settings.firmwareVersionText},
                             {QStringLiteral("settings"), values}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::variant<SettingsText, QString> snapshotSettings(const QString &folder, const QString &id)
{
    auto loaded = loadSnapshot(folder, id);
    if (const QString *error = std::get_if<QString>(&loaded))
        return *error;
    return std::get<Snapshot>(std::move(loaded)).settings;
}

QString firmwareChangeNotice(const QString &folder, const QString &controller, const QString &firmwareVersionText)
{
    for (const QString &id : listSnapshotIds(folder)) {
        const auto loaded = loadSnapshot(folder, id);
        const Snapshot *snapshot = std::get_if<Snapshot>(&loaded);
        if (!snapshot || snapshot->header.controller != controller)
            continue;
        if (snapshot->settings.firmwareVersionText == firmwareVersionText)
            return {};
        return QCoreApplication::translate("HistoryCommands",
                                           "The controller now has firmware %1; its newest snapshot was taken with "
                                           "%2. The History window shows what differs.")
            .arg(firmwareVersionText, snapshot->settings.firmwareVersionText);
    }
    return {};
}
