#include "editors/fulleffectsettingswidget.h"

#include "ui_fulleffectsettingswidget.h"

FullEffectSettingsWidget::FullEffectSettingsWidget(QWidget *parent)
    : SettingsEditorWidget(parent)
    , ui(new Ui::FullEffectSettingsWidget)
{
    ui->setupUi(this);
}

FullEffectSettingsWidget::~FullEffectSettingsWidget()
{
    delete ui;
}

void FullEffectSettingsWidget::setUiFromEffectSettings(const EffectSettingsTypeDef &, bool)
{
}

void FullEffectSettingsWidget::effectSettingsFromUi(EffectSettingsTypeDef *) const
{
}
