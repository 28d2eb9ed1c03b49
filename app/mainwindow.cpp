#include "app/mainwindow.h"

#include "app/appversion.h"
#include "device/settingsuibackgroundthread.h"
#include "ui_mainwindow.h"

#include <hidapi.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

bool advancedModeRequested(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("advanced");
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , idleTitle(QStringLiteral("Vellox Wheel Setup (%1)").arg(versionText(softwareVersion())))
    , appIcon(QStringLiteral("vellox_hardware_icon.png"))
    , appSettings(QDir::currentPath() + QStringLiteral("/vellox-wheel-setup.ini"), QSettings::IniFormat)
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
    if (!appIcon.availableSizes().isEmpty())
        setWindowIcon(appIcon);
    setWindowTitle(idleTitle);
    hideAllTabs();

    connectEditors();
    worker = new SettingsUiBackgroundThread();
    connectWorker();

    startDeviceLink();
}

MainWindow::~MainWindow()
{
    delete ui;
    stopDeviceLink();
    // Only now, with the worker's thread finished and the controller closed,
    // can no hidapi call be under way or start.
    hid_exit();
}

void MainWindow::connectEditors()
{
    connect(ui->save_effects_settings_button, &QPushButton::clicked, this, &MainWindow::saveEffectsSettings);
    connect(ui->reboot_button, &QPushButton::clicked, this, &MainWindow::rebootController);
    connect(ui->dfu_mode_button, &QPushButton::clicked, this, &MainWindow::switchToDfu);

    const auto connectChanges = [this](auto *editor) {
        using Editor = std::remove_pointer_t<decltype(editor)>;
        connect(editor, &Editor::settingInt8Changed, this, &MainWindow::sendInt8Setting);
        connect(editor, &Editor::settingUInt8Changed, this, &MainWindow::sendUInt8Setting);
        connect(editor, &Editor::settingInt16Changed, this, &MainWindow::sendInt16Setting);
        connect(editor, &Editor::settingUInt16Changed, this, &MainWindow::sendUInt16Setting);
        connect(editor, &Editor::settingFloatChanged, this, &MainWindow::sendFloatSetting);
    };
    connectChanges(ui->hardware_settings_widget);
    connectChanges(ui->effects_settings_widget);
    connectChanges(ui->gpio_extension_widget);
}

void MainWindow::connectWorker()
{
    connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, this, &MainWindow::effectsSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, this, &MainWindow::hardwareSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::adcExtenderSettingsObtained, this, &MainWindow::adcSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::gpioExtenderSettingsObtained, this, &MainWindow::gpioSettingsToUi);
    connect(worker, &SettingsUiBackgroundThread::firmwareVersionObtained, this, &MainWindow::checkFirmwareVersion);
    connect(worker, &SettingsUiBackgroundThread::deviceConnected, this, &MainWindow::connectDevice);
    connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, this, &MainWindow::disconnectDevice);
    connect(worker, &SettingsUiBackgroundThread::deviceAccessDenied, this, &MainWindow::showDeviceAccessHint);
}

// Requests reach the worker as queued calls: they run on the worker's thread,
// after the slot that made them has returned, in the order they were made, and
// never at the same time as the poll tick.
template <typename... Params, typename... Args>
void MainWindow::deferToWorker(void (SettingsUiBackgroundThread::*request)(Params...), Args... args)
{
    SettingsUiBackgroundThread *target = worker;
    QMetaObject::invokeMethod(
        target, [target, request, args...] { (target->*request)(args...); }, Qt::QueuedConnection);
}

void MainWindow::startDeviceLink()
{
    workerStartTimer = new QTimer();
    connect(workerStartTimer, &QTimer::timeout, worker, &SettingsUiBackgroundThread::start);
    workerStartTimer->setSingleShot(true);
    workerStartTimer->start();
    workerThread = new QThread();
    workerThread->start(QThread::InheritPriority);
    worker->moveToThread(workerThread);
}

void MainWindow::stopDeviceLink()
{
    delete workerStartTimer;
    workerStartTimer = nullptr;
    if (workerThread) {
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::stop, Qt::BlockingQueuedConnection);
        workerThread->quit();
        workerThread->wait();
    } else {
        worker->stop();
    }
    delete worker;
    worker = nullptr;
    delete workerThread;
    workerThread = nullptr;
}

void MainWindow::connectDevice(FirmwareVersionTypeDef version)
{
    const QString deviceTitle = QStringLiteral("Vellox Wheel (%1)").arg(versionText(version));
    deferToWorker(&SettingsUiBackgroundThread::readFirmwareVersion);
    hideDeviceAccessHint();
    showAllTabs();
    setCommandButtonsEnabled(true);
    setWindowTitle(deviceTitle);
}

void MainWindow::disconnectDevice()
{
    hideAllTabs();
    setCommandButtonsEnabled(false);
    setWindowTitle(idleTitle);
}

void MainWindow::showDeviceAccessHint(const QString &path)
{
    if (!deviceAccessHint) {
        deviceAccessHint = new QLabel(this);
        deviceAccessHint->setObjectName(QStringLiteral("device_access_hint"));
        deviceAccessHint->setWordWrap(true);
        deviceAccessHint->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A status-bar message could be replaced by status tips; a widget stays.
        statusBar()->addWidget(deviceAccessHint, 1);
    }
    deviceAccessHint->setText(tr("Controller found at %1, but this user may not open it. "
                                 "See \"Controller found but not permitted\" in the README.")
                                  .arg(path));
    statusBar()->show();
}

void MainWindow::hideDeviceAccessHint()
{
    if (deviceAccessHint)
        statusBar()->hide();
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
    ui->hardware_settings_widget->setAdvancedMode(advanced);
    // A controller with other firmware keeps its connected look and is not read.
    if (version == softwareVersion())
        readAllSettings();
}

void MainWindow::readAllSettings()
{
    SettingsUiBackgroundThread *target = worker;
    QMetaObject::invokeMethod(
        target,
        [target] {
            target->readHardwareSettings();
            target->readAdcExtensionSettings();
            target->readGpioExtensionSettings();
            target->readEffectSettings();
        },
        Qt::QueuedConnection);
}

void MainWindow::hardwareSettingsToUi(HardwareSettingsTypeDef settings)
{
    ui->hardware_settings_widget->setUiFromHardwareSettings(settings);
}

void MainWindow::adcSettingsToUi(AdcExtensionSettingsTypeDef settings)
{
    ui->gpio_extension_widget->setUiFromAdcSettings(settings, false);
}

void MainWindow::gpioSettingsToUi(GpioExtensionSettingsTypeDef settings)
{
    ui->gpio_extension_widget->setUiFromGpioSettings(settings, false);
}

void MainWindow::effectsSettingsToUi(EffectSettingsTypeDef settings)
{
    ui->effects_settings_widget->setUiFromEffectSettings(settings, false);
}

void MainWindow::uiToEffectsSettings(EffectSettingsTypeDef *settings)
{
    ui->effects_settings_widget->effectSettingsFromUi(settings);
}

void MainWindow::saveEffectsSettings()
{
    deferToWorker(&SettingsUiBackgroundThread::saveSettingsRequest);
}

void MainWindow::switchToDfu()
{
    deferToWorker(&SettingsUiBackgroundThread::switchtoDfuRequest);
}

void MainWindow::rebootController()
{
    deferToWorker(&SettingsUiBackgroundThread::rebootControllerRequest);
}

void MainWindow::on_reset_center_button_clicked()
{
    deferToWorker(&SettingsUiBackgroundThread::resetCenterRequest);
}

void MainWindow::sendInt8Setting(SettingsFieldEnum field, int8_t index, int8_t data)
{
    deferToWorker(&SettingsUiBackgroundThread::sendInt8SettingReport, field, index, data);
}

void MainWindow::sendUInt8Setting(SettingsFieldEnum field, int8_t index, uint8_t data)
{
    deferToWorker(&SettingsUiBackgroundThread::sendUInt8SettingReport, field, index, data);
}

void MainWindow::sendInt16Setting(SettingsFieldEnum field, int8_t index, int16_t data)
{
    deferToWorker(&SettingsUiBackgroundThread::sendInt16SettingReport, field, index, data);
}

void MainWindow::sendUInt16Setting(SettingsFieldEnum field, int8_t index, uint16_t data)
{
    deferToWorker(&SettingsUiBackgroundThread::sendUInt16SettingReport, field, index, data);
}

void MainWindow::sendFloatSetting(SettingsFieldEnum field, int8_t index, float data)
{
    deferToWorker(&SettingsUiBackgroundThread::sendFloatSettingReport, field, index, data);
}
