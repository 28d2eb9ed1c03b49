// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "device/appversion.h"
#include "app/firstpaint.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "games/cornerbutton.h"
#include "games/gameprofiles.h"
#include "games/gametray.h"
#include "settings/appfiles.h"
#include "ui_mainwindow.h"
#include "update/addresses.h"
#include "update/updatenotice.h"

#include <hidapi.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QNetworkReply>
#include <QPushButton>
#include <QThread>
#include <QTimer>

// A manifest request that transfers nothing for this long ends with an error.
static constexpr int MANIFEST_TRANSFER_TIMEOUT_MS = 10000;

bool advancedModeRequested(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("advanced");
}

namespace {

// Probing a missing file would load every image-format plugin at start-up.
QIcon windowIconFromWorkingDirectory()
{
    const QString path = appfiles::windowIconFile();
    return QFileInfo::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , idleTitle(tr("Vellox Wheel Setup (%1)").arg(versionText(softwareVersion())))
    , appIcon(windowIconFromWorkingDirectory())
    , appSettings(appfiles::iniFile(QDir::currentPath()), QSettings::IniFormat)
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
    worker = new SettingsUiBackgroundThread();
    connectWorker();
    setUpGameProfiles();

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
    if (pendingManifestReply) {
        disconnect(pendingManifestReply, nullptr, this, nullptr);
        pendingManifestReply->abort();
    }
    delete ui;
    stopDeviceLink();
    // Only now, with the worker's thread finished and the controller closed,
    // can no hidapi call be under way or start.
    hid_exit();
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

void MainWindow::setUpGameProfiles()
{
    games = new GameProfiles(appSettings.fileName(), this);
    connect(this, &MainWindow::settingsLoaded, games,
            [this] { games->controllerLoaded(effectsEditor, peripheryEditor); });
    connect(this, &MainWindow::controllerLeft, games, &GameProfiles::controllerLost);
    connect(games, &GameProfiles::statusChanged, this, &MainWindow::showGameStatus);
    games->announce();
    tray = new GameTray(games, this);
    // In the tab bar's corner, so it is there also while the tabs are hidden.
    auto *button = new CornerButton(tr("Game profiles…"), ui->main_tab_widget);
    button->setObjectName(QStringLiteral("game_profiles_button"));
    button->setAccessibleName(tr("Game profiles"));
    connect(button, &QToolButton::clicked, games, &GameProfiles::showDialog);
}

bool MainWindow::hasTrayIcon() const
{
    return tray && tray->isShown();
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
    ++connectionSerial;
    const QString deviceTitle = tr("Vellox Wheel (%1)").arg(versionText(version));
    deferToWorker(&SettingsUiBackgroundThread::readFirmwareVersion);
    buildEditors();
    hideDeviceAccessHint();
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
    deviceAccessHint->show();
    updateStatusBar();
}

void MainWindow::hideDeviceAccessHint()
{
    if (deviceAccessHint) {
        deviceAccessHint->hide();
        updateStatusBar();
    }
}

void MainWindow::showGameStatus(const QString &text)
{
    if (!gameStatus && text.isEmpty())
        return;
    if (!gameStatus) {
        gameStatus = new QLabel(this);
        gameStatus->setObjectName(QStringLiteral("game_profiles_status"));
        gameStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
        statusBar()->addPermanentWidget(gameStatus);
    }
    gameStatus->setText(text);
    gameStatus->setVisible(!text.isEmpty());
    updateStatusBar();
}

// The status bar shows only while it has something to say.
void MainWindow::updateStatusBar()
{
    const bool hint = deviceAccessHint && !deviceAccessHint->isHidden();
    const bool game = gameStatus && !gameStatus->isHidden();
    statusBar()->setVisible(hint || game);
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
    QMessageBox warning;
    warning.setTextFormat(Qt::MarkdownText);
    warning.setWindowTitle(tr("Version mismatch!"));
    //: Markdown: the text between ** is shown in bold.
    warning.setText(tr("Changing settings with software not matching firmware version can cause "
                       "unexpected device behaviour!\n\r **Consider using matching versions of Vellox "
                       "Setup and firmware.**"));
    warning.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QPushButton *latestVersionButton = warning.addButton(tr("Latest version"), QMessageBox::ActionRole);
    warning.setIcon(QMessageBox::Warning);
    latestVersionButton->setFocus();

    const bool alive = runMessageBox(warning);
    latestVersionButton->deleteLater();
    if (!alive)
        return;

    const QAbstractButton *clicked = warning.clickedButton();
    if (clicked == latestVersionButton)
        QDesktopServices::openUrl(update::downloadsPageUrl());
    // The controller left (or left and came back) while the warning was open:
    // the window already shows that, and this answer no longer applies to it.
    if (serial != connectionSerial)
        return;
    if (clicked == warning.button(QMessageBox::Ok))
        readAllSettings();
    else
        disconnectDevice();
}

void MainWindow::readAllSettings()
{
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readAllSettings, Qt::QueuedConnection);
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

void MainWindow::uiToEffectsSettings(EffectSettingsTypeDef *settings)
{
    buildEditors();
    effectsEditor->effectSettingsFromUi(settings);
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

void MainWindow::checkUiVersion()
{
    // Runs once per start; the device link starts when it has ended.
    if (pendingManifestReply || workerThread)
        return;
    manifestRequest.setUrl(update::manifestUrl());
    manifestRequest.setTransferTimeout(MANIFEST_TRANSFER_TIMEOUT_MS);
    manifestBody.clear();
    manifestTooLarge = false;
    pendingManifestReply = networkAccessManager.get(manifestRequest);
    connect(pendingManifestReply, &QNetworkReply::readyRead, this, &MainWindow::collectManifestBody);
    // Queued: the notice runs a modal loop in which the window may be
    // destroyed, and with it the reply, which must not be deleted inside a
    // slot of its own finished signal.
    connect(pendingManifestReply, &QNetworkReply::finished, this, &MainWindow::checkUiVersionFinished,
            Qt::QueuedConnection);
    // A request refused on the spot (no usable address) may have finished already.
    if (pendingManifestReply->isFinished())
        QMetaObject::invokeMethod(this, &MainWindow::checkUiVersionFinished, Qt::QueuedConnection);
}

// Reads the body as it arrives, keeping at most one byte more than a manifest
// may have; a longer body ends the request and counts as no manifest.
void MainWindow::collectManifestBody()
{
    QNetworkReply *reply = pendingManifestReply;
    // A reply that ended in an error is closed and has nothing more to read.
    if (!reply || manifestTooLarge || !reply->isReadable())
        return;
    manifestBody += reply->read(update::MAX_MANIFEST_SIZE + 1 - manifestBody.size());
    if (manifestBody.size() > update::MAX_MANIFEST_SIZE) {
        manifestTooLarge = true;
        manifestBody.clear();
        reply->abort();
    }
}

void MainWindow::checkUiVersionFinished()
{
    QNetworkReply *reply = pendingManifestReply;
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    collectManifestBody();

    if (!manifestTooLarge && reply->error() != QNetworkReply::NoError) {
        const char *name = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply->error());
        qDebug().noquote() << "error"
                           << QStringLiteral("QNetworkReply::") + QLatin1String(name ? name : "UnknownNetworkError");
    } else {
        const update::SkippedRelease skipped{
            appSettings.value(QStringLiteral("skip_release_type")).toString(),
            appSettings.value(QStringLiteral("skip_release_major")).toUInt(),
            appSettings.value(QStringLiteral("skip_release_minor")).toUInt(),
            appSettings.value(QStringLiteral("skip_release_patch")).toUInt(),
        };
        // An oversized body (cut short by the abort) reads like invalid JSON.
        const update::ManifestVersion manifest = update::readManifest(manifestTooLarge ? QByteArray() : manifestBody);
        if (update::shouldAnnounce(manifest, skipped) && !announceUpdate(manifest))
            return;
    }

    manifestBody.clear();
    reply->deleteLater();
    pendingManifestReply = nullptr;
    startDeviceLink();
}

bool MainWindow::announceUpdate(const update::ManifestVersion &manifest)
{
    update::UpdateNotice notice(idleTitle, manifest);
    if (!runMessageBox(notice))
        return false;

    switch (notice.answer()) {
    case update::UpdateNotice::Answer::Download:
        QDesktopServices::openUrl(update::downloadsPageUrl());
        break;
    case update::UpdateNotice::Answer::Skip:
        // Only a valid manifest is announced: its type is "R" or "RC" and its
        // numbers are not negative.
        appSettings.setValue(QStringLiteral("skip_release_type"), manifest.releaseType);
        appSettings.setValue(QStringLiteral("skip_release_major"), static_cast<uint>(manifest.major));
        appSettings.setValue(QStringLiteral("skip_release_minor"), static_cast<uint>(manifest.minor));
        appSettings.setValue(QStringLiteral("skip_release_patch"), static_cast<uint>(manifest.patch));
        appSettings.sync();
        break;
    case update::UpdateNotice::Answer::None:
        break;
    }
    return true;
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
