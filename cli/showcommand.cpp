// SPDX-License-Identifier: GPL-3.0-or-later
// --show: the controller's four records as settings text or JSON.
#include "cli/controllercommand.h"
#include "cli/settingstarget.h"
#include "settings/settingsfields.h"
#include "settings/settingstext.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray showJson(const QString &firmware, const ControllerSettings &settings)
{
    QJsonObject values;
    for (const SettingsField &field : settingsFields()) {
        const int state = shownState(field, recordValue(settings, field));
        if (field.control == SettingsControl::Number)
            values.insert(QLatin1String(field.key), state);
        else
            values.insert(QLatin1String(field.key), formatFieldValue(field, state));
    }
    QJsonObject root;
    root.insert(QStringLiteral("firmware_version"), firmware);
    root.insert(QStringLiteral("settings"), values);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

class ShowCommand : public ControllerCommand
{
protected:
    bool load(const CommandRequest &request, const QString &) override
    {
        json = request.value(QStringLiteral("format")) == QLatin1String("json");
        return true;
    }

    void ready() override
    {
        answer.out = json ? showJson(target->firmwareVersionText(), target->current())
                          : formatSettingsText(SettingsTextKind::All, target->firmwareVersionText(), target->current());
        finish(exitstatus::DONE);
    }

private:
    bool json = false;
};

} // namespace

const CommandKind commands::SHOW{"show", false, true, [] { return static_cast<Command *>(new ShowCommand); },
                                 nullptr};
