#pragma once

#include "editors/settingseditorwidget.h"
#include "editors/settingsrecords.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class FullEffectSettingsWidget;
}
QT_END_NAMESPACE

// Placeholder editor: the change signals and load operations the main window
// uses. Its controls arrive with the editor's own form.
class FullEffectSettingsWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit FullEffectSettingsWidget(QWidget *parent = nullptr);
    ~FullEffectSettingsWidget() override;

    void setUiFromEffectSettings(const EffectSettingsTypeDef &settings, bool sendChanges);
    void effectSettingsFromUi(EffectSettingsTypeDef *settings) const;

private:
    Ui::FullEffectSettingsWidget *ui;
};
