// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/firmwarewarning.h"
#include "app/firstpaint.h"
#include "app/windowgameprofiles.h"
#include "app/windowstatusbar.h"
#include "device/appversion.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "games/settingslayerkeeper.h"
#include "settings/appfiles.h"
#include "settings/inifile.h"
#include "ui_mainwindow.h"
#include "update/addresses.h"
#include "update/updatechecker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Probing a missing file would load every image-format plugin at start-up.
QIcon windowIconFromWorkingDirectory()
{
    const QString path = appfiles::windowIconFile();
    return QFileInfo::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

MainWindow::MainWindow(SettingsLayerKeeper *layers, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , idleTitle(tr("Vellox Wheel Setup (%1)").arg(versionText(softwareVersion())))
    , appIcon(windowIconFromWorkingDirectory())
    , appSettings(usableIniPath(appfiles::iniFile(QDir::currentPath())), QSettings::IniFormat)
{
    registerSettingsMetaTypes();
    qDebug() << "Effect struct size" << sizeof(EffectSettingsTypeDef);
    qDebug() << "Hardware struct size" << sizeof(HardwareSettingsTypeDef);
    qDebug() << "ADC struct size" << sizeof(AdcExtensionSettingsTypeDef);
    qDebug() << "GPIO struct size" << sizeof(GpioExtensionSettingsTypeDef);
    qDebug() << "Device state struct size" << sizeof(DeviceStateTypeDef);

    advanced = advancedModeRequested(QCoreApplication::arguments());

    ui->setupUi(this);
    // Without an icon file in the working directory the window keeps the
    // application's icon from the desktop theme.
    if (!appIcon.isNull())
        setWindowIcon(appIcon);
    setWindowTitle(idleTitle);
    hideAllTabs();

    connectCommandButtons();
    link = std::make_unique<DeviceLink>();
    connectWorker();
    status = new WindowStatusBar(this);
    // The rules check the INI themselves and say what is wrong with it.
    if (!layers)
        layers = new SettingsLayerKeeper(appfiles::stateFolder(), this);
    games = new WindowGameProfiles(this, ui->main_tab_widget, appfiles::iniFile(QDir::currentPath()), status, layers);
    updateChecker = new update::UpdateChecker(&appSettings, idleTitle, this);
    connect(updateChecker, &update::UpdateChecker::finished, this, &MainWindow::checkUiVersionFinished);

    // The device link starts once the update check has ended.
    checkUiVersion();
}

MainWindow::~MainWindow()
{
    // A message box still open returns from its modal loop once the window is
    // gone; the code after it sees that and touches nothing of the window.
    for (const QPointer<QMessageBox> &box : std::as_const(openMessageBoxes)) {
        if (box)
            box->done(0);
    }
    // Closes the update notice if it is open and aborts the request.
    delete updateChecker;
    delete ui;
    // Stops the worker on its thread, then shuts hidapi down.
    link.reset();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The tabs stay hidden until a controller connects, so the first frame
    // needs none of the editors; building them costs more than the rest of
    // the window.
    if (!effectsEditor)
        afterFirstPaint(this, this, [this] { buildEditors(); });
}

void MainWindow::buildEditors()
{
    if (effectsEditor)
        return;
    effectsEditor = new FullEffectSettingsWidget(ui->effects_tab);
    effectsEditor->setObjectName(QStringLiteral("effects_settings_widget"));
    ui->verticalLayout_9->addWidget(effectsEditor);
    peripheryEditor = new GpioExtensionWidget(ui->periphery_tab);
    peripheryEditor->setObjectName(QStringLiteral("gpio_extension_widget"));
    ui->verticalLayout->addWidget(peripheryEditor);
    hardwareEditor = new FullHardwareSettingsWidget(ui->controller_tab);
    hardwareEditor->setObjectName(QStringLiteral("hardware_settings_widget"));
    ui->verticalLayout_8->addWidget(hardwareEditor);
    connectEditors();
}

GameProfiles *MainWindow::gameProfiles() const
{
    return games->profiles();
}

bool MainWindow::hasTrayIcon() const
{
    return games->hasTrayIcon();
}

FullEffectSettingsWidget *MainWindow::effectsSettingsEditor()
{
    buildEditors();
    return effectsEditor;
}

GpioExtensionWidget *MainWindow::peripherySettingsEditor()
{
    buildEditors();
    return peripheryEditor;
}

FullHardwareSettingsWidget *MainWindow::hardwareSettingsEditor()
{
    buildEditors();
    return hardwareEditor;
}

void MainWindow::connectCommandButtons()
{
    connect(ui->save_effects_settings_button, &QPushButton::clicked, this, &MainWindow::saveEffectsSettings);
    connect(ui->reboot_button, &QPushButton::clicked, this, &MainWindow::rebootController);
    connect(ui->dfu_mode_button, &QPushButton::clicked, this, &MainWindow::switchToDfu);
}

void MainWindow::connectEditors()
{
    const auto connectChanges = [this](auto *editor) {
        using Editor = std::remove_pointer_t<decltype(editor)>;
        connect(editor, &Editor::settingInt8Changed, this, &MainWindow::sendInt8Setting);
        connect(editor, &Editor::settingUInt8Changed, this, &MainWindow::sendUInt8Setting);
        connect(editor, &Editor::settingInt16Changed, this, &MainWindow::sendInt16Setting);
        connect(editor, &Editor::settingUInt16Changed, this, &MainWindow::sendUInt16Setting);
        connect(editor, &Editor::settingFloatChanged, this, &MainWindow::sendFloatSetting);
    };
    connectChanges(hardwareEditor);
    connectChanges(effectsEditor);
    connectChanges(peripheryEditor);
}

void MainWindow::connectWorker()
{
    SettingsUiBackgroundThread *worker = link->worker();
    connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, this, &MainWindow::effectsSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, this, &MainWindow::hardwareSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::adcExtenderSettingsObtained, this, &MainWindow::adcSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::gpioExtenderSettingsObtained, this, &MainWindow::gpioSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::firmwareVersionObtained, this, &MainWindow::checkFirmwareVersion);
    connect(worker, &SettingsUiBackgroundThread::deviceConnected, this, &MainWindow::connectDevice);
    connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, this, &MainWindow::disconnectDevice);
    connect(worker, &SettingsUiBackgroundThread::deviceAccessDenied, this, &MainWindow::showDeviceAccessHint);
}

void MainWindow::connectDevice(FirmwareVersionTypeDef version)
{
    ++connectionSerial;
    firmwareText = versionText(version);
    const QString deviceTitle = tr("Vellox Wheel (%1)").arg(versionText(version));
    link->post(&SettingsUiBackgroundThread::readFirmwareVersion);
    buildEditors();
    status->hideDeviceAccessHint();
    showAllTabs();
    setCommandButtonsEnabled(true);
    setWindowTitle(deviceTitle);
}

void MainWindow::disconnectDevice()
{
    ++connectionSerial;
    hideAllTabs();
    setCommandButtonsEnabled(false);
    setWindowTitle(idleTitle);
    emit controllerLeft();
}

void MainWindow::showDeviceAccessHint(const QString &path)
{
    status->showDeviceAccessHint(path);
}

void MainWindow::setCommandButtonsEnabled(bool enabled)
{
    ui->save_effects_settings_button->setEnabled(enabled);
    ui->dfu_mode_button->setEnabled(enabled);
    ui->reboot_button->setEnabled(enabled);
    ui->reset_center_button->setEnabled(enabled);
}

void MainWindow::hideAllTabs()
{
    for (int i = 0; i < ui->main_tab_widget->count(); ++i)
        ui->main_tab_widget->setTabVisible(i, false);
}

void MainWindow::showAllTabs()
{
    for (int i = 0; i < ui->main_tab_widget->count(); ++i)
        ui->main_tab_widget->setTabVisible(i, true);
}

void MainWindow::checkFirmwareVersion(FirmwareVersionTypeDef version)
{
    showAllTabs();
    buildEditors();
    hardwareEditor->setAdvancedMode(advanced);
    if (version == softwareVersion()) {
        readAllSettings();
        return;
    }

    const quint64 serial = connectionSerial;
    FirmwareWarning warning;
    if (!runMessageBox(warning))
        return;
    if (warning.latestVersionChosen())
        QDesktopServices::openUrl(update::downloadsPageUrl());
    // The controller left (or left and came back) while the warning was open:
    // the window already shows that, and this answer no longer applies to it.
    if (serial != connectionSerial)
        return;
    if (warning.readAnywayChosen())
        readAllSettings();
    else
        disconnectDevice();
}

void MainWindow::readAllSettings()
{
    link->post(&SettingsUiBackgroundThread::readAllSettings);
}

void MainWindow::hardwareSettingsToUi(HardwareSettingsTypeDef settings)
{
    buildEditors();
    hardwareEditor->setUiFromHardwareSettings(settings);
}

void MainWindow::adcSettingsToUi(AdcExtensionSettingsTypeDef settings)
{
    buildEditors();
    peripheryEditor->setUiFromAdcSettings(settings, false);
}

void MainWindow::gpioSettingsToUi(GpioExtensionSettingsTypeDef settings)
{
    buildEditors();
    peripheryEditor->setUiFromGpioSettings(settings, false);
}

void MainWindow::effectsSettingsToUi(EffectSettingsTypeDef settings)
{
    buildEditors();
    effectsEditor->setUiFromEffectSettings(settings, false);
    // The effects record is the last of the reads after a connection.
    emit settingsLoaded();
}

EffectSettingsTypeDef MainWindow::effectSettings()
{
    EffectSettingsTypeDef settings{};
    effectsSettingsEditor()->effectSettingsFromUi(&settings);
    return settings;
}

ControllerSettings MainWindow::currentSettings()
{
    ControllerSettings settings{effectSettings(), {}, {}, {}};
    hardwareSettingsEditor()->hardwareSettingsFromUi(&settings.hardware);
    peripherySettingsEditor()->adcSettingsFromUi(&settings.adc);
    peripherySettingsEditor()->gpioSettingsFromUi(&settings.gpio);
    return settings;
}

// Sent as the editors send a change made by hand, and shown there.
void MainWindow::applyEffectSettings(const EffectSettingsTypeDef &settings)
{
    effectsSettingsEditor()->setUiFromEffectSettings(settings, true);
}

void MainWindow::applyPeripherySettings(const AdcExtensionSettingsTypeDef &adc, const GpioExtensionSettingsTypeDef &gpio)
{
    peripherySettingsEditor()->setUiFromAdcSettings(adc, true);
    peripherySettingsEditor()->setUiFromGpioSettings(gpio, true);
}

bool MainWindow::applyEffectsProfile(const QString &name)
{
    return effectsSettingsEditor()->applyStoredProfile(name);
}

bool MainWindow::applyPeripheryProfile(const QString &name)
{
    return peripherySettingsEditor()->applyStoredProfile(name);
}

void MainWindow::uiToEffectsSettings(EffectSettingsTypeDef *settings)
{
    buildEditors();
    effectsEditor->effectSettingsFromUi(settings);
}

void MainWindow::saveEffectsSettings()
{
    link->post(&SettingsUiBackgroundThread::saveSettingsRequest);
}

void MainWindow::switchToDfu()
{
    link->post(&SettingsUiBackgroundThread::switchtoDfuRequest);
}

void MainWindow::rebootController()
{
    link->post(&SettingsUiBackgroundThread::rebootControllerRequest);
}

void MainWindow::checkUiVersion()
{
    // Runs once per start; the device link starts when it has ended.
    if (!link->isStarted())
        updateChecker->start();
}

void MainWindow::checkUiVersionFinished()
{
    link->start();
}

bool MainWindow::runMessageBox(QMessageBox &box)
{
    const QPointer<MainWindow> alive(this);
    openMessageBoxes.append(&box);
    box.exec();
    if (!alive)
        return false;
    openMessageBoxes.removeAll(&box);
    return true;
}

void MainWindow::on_reset_center_button_clicked()
{
    link->post(&SettingsUiBackgroundThread::resetCenterRequest);
}

void MainWindow::sendInt8Setting(SettingsFieldEnum field, int8_t index, int8_t data)
{
    link->post(&SettingsUiBackgroundThread::sendInt8SettingReport, field, index, data);
}

void MainWindow::sendUInt8Setting(SettingsFieldEnum field, int8_t index, uint8_t data)
{
    link->post(&SettingsUiBackgroundThread::sendUInt8SettingReport, field, index, data);
}

void MainWindow::sendInt16Setting(SettingsFieldEnum field, int8_t index, int16_t data)
{
    link->post(&SettingsUiBackgroundThread::sendInt16SettingReport, field, index, data);
}

void MainWindow::sendUInt16Setting(SettingsFieldEnum field, int8_t index, uint16_t data)
{
    link->post(&SettingsUiBackgroundThread::sendUInt16SettingReport, field, index, data);
}

void MainWindow::sendFloatSetting(SettingsFieldEnum field, int8_t index, float data)
{
    link->post(&SettingsUiBackgroundThread::sendFloatSettingReport, field, index, data);
}
