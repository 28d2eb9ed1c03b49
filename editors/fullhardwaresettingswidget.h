#pragma once

#include "editors/settingseditorwidget.h"
#include "editors/settingsrecords.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class FullHardwareSettingsWidget;
}
QT_END_NAMESPACE

// Placeholder editor: the change signals and load operations the main window
// uses. Its controls arrive with the editor's own form.
class FullHardwareSettingsWidget : public SettingsEditorWidget
{
    Q_OBJECT

public:
    explicit FullHardwareSettingsWidget(QWidget *parent = nullptr);
    ~FullHardwareSettingsWidget() override;

    void setUiFromHardwareSettings(const HardwareSettingsTypeDef &settings);
    void setAdvancedMode(bool advanced);

private:
    Ui::FullHardwareSettingsWidget *ui;
};
