#pragma once

#include "editors/settingseditorwidget.h"
#include "editors/settingsrecords.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class GpioExtensionWidget;
}
QT_END_NAMESPACE

// Placeholder editor: the change signals and load operations the main window
// uses. Its controls arrive with the editor's own form.
class GpioExtensionWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit GpioExtensionWidget(QWidget *parent = nullptr);
    ~GpioExtensionWidget() override;

    void setUiFromGpioSettings(const GpioExtensionSettingsTypeDef &settings, bool sendChanges);
    void setUiFromAdcSettings(const AdcExtensionSettingsTypeDef &settings, bool sendChanges);

private:
    Ui::GpioExtensionWidget *ui;
};
