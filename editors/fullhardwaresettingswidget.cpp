#include "editors/fullhardwaresettingswidget.h"

#include "ui_fullhardwaresettingswidget.h"

FullHardwareSettingsWidget::FullHardwareSettingsWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::FullHardwareSettingsWidget)
{
    ui->setupUi(this);
}

FullHardwareSettingsWidget::~FullHardwareSettingsWidget()
{
    delete ui;
}

void FullHardwareSettingsWidget::setUiFromHardwareSettings(const HardwareSettingsTypeDef &)
{
}

void FullHardwareSettingsWidget::setAdvancedMode(bool)
{
}
