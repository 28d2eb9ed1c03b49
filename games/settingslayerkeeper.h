// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/restorejournal.h"
#include "settings/settingslayers.h"

#include <QHash>
#include <QObject>
#include <QString>

// The running instance's one owner of the layers over the controller's
// settings: launch wrappers and rule games push a layer when their settings
// went on and end it when their game ends. It keeps the restore journal in
// step: written before a layer's writes go out, rewritten at each change,
// removed once the settings from before the first layer are back, so that a
// later process can finish the restore if this one dies first.
class SettingsLayerKeeper : public QObject
{
    Q_OBJECT

public:
    // The controller every journal names: the tool knows one model.
    static QString controllerName();

    // The journal lies in `stateFolder`, named after this process.
    explicit SettingsLayerKeeper(const QString &stateFolder, QObject *parent = nullptr);

    bool isEmpty() const { return layers.isEmpty(); }
    bool has(const QString &name) const { return layers.names().contains(name); }
    QStringList names() const { return layers.names(); }
    QString journalPath() const { return path; }
    // Between a layer's willApply() and its push(): its writes are under
    // way, so what the controller holds is not yet what the layers give.
    bool isApplying() const { return applying; }
    // What the base and the layers give, all of them or all but `names`.
    ControllerSettings expected() const { return layers.expected(); }
    ControllerSettings expectedWithout(const QStringList &names) const { return layers.expectedWithout(names); }
    // Fields of `current` that differ from what the layers give were changed
    // by hand: they stay as they are from now on.
    void keepHandChanges(const ControllerSettings &current);
    // The controller left, losing what was not saved: until an end or a
    // reconnect's writes have settled, what it shows is no change by hand.
    void controllerLeft() { reloaded = !layers.isEmpty(); }

    // A layer is about to take the controller from `before` to `wanted`.
    void willApply(const ControllerSettings &before, const ControllerSettings &wanted, const QString &firmware);
    // Its writes are done; `reached` holds what arrived of them.
    void push(const QString &name, const ControllerSettings &before, const FieldValues &reached);
    // What the controller, holding `current`, is to hold now the layer ended.
    ControllerSettings end(const QString &name, const ControllerSettings &current);
    // The writes of an end have been sent and the controller holds `now`.
    void settled(const ControllerSettings &now);
    // The layer asks for `values` instead, from now on; called before the
    // writes that follow, so the journal names them first.
    void replace(const QString &name, const FieldValues &values);

    // The processes a layer is on for (a wrapper and what it runs): the
    // journal names them, so that no later start puts the settings back
    // while one of them still runs.
    void setOwners(const QString &name, const QVector<JournalOwner> &owners);
    QVector<JournalOwner> owners(const QString &name) const { return layerOwners.value(name); }

signals:
    // A layer went on, came off or changed, or an end settled.
    void changed();
    // The journal cannot be written: the settings are applied all the same,
    // but a crash would leave them on.
    void journalFailed(const QString &message);

private:
    void record(const ControllerSettings &base, const ControllerSettings &applied);
    void forgetOwnersOfEndedLayers();

    SettingsLayers layers;
    QHash<QString, QVector<JournalOwner>> layerOwners;
    QString path;
    QString firmware;
    bool applying = false;
    bool reloaded = false;
};
