#include "editors/gpioextensionwidget.h"

#include "ui_gpioextensionwidget.h"

GpioExtensionWidget::GpioExtensionWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::GpioExtensionWidget)
{
    ui->setupUi(this);
}

GpioExtensionWidget::~GpioExtensionWidget()
{
    delete ui;
}

void GpioExtensionWidget::setUiFromGpioSettings(const GpioExtensionSettingsTypeDef &, bool)
{
}

void GpioExtensionWidget::setUiFromAdcSettings(const AdcExtensionSettingsTypeDef &, bool)
{
}
