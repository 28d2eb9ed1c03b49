// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/devicereports.h"
#include "settings/settingsfieldenum.h"
#include "settings/settingsrecords.h"
#include "update/manifest.h"

#include <QIcon>
#include <QMainWindow>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QSettings>
#include <QString>

#include <cstdint>

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
class QLabel;
class QMessageBox;
class QNetworkReply;
class QThread;
class QTimer;
QT_END_NAMESPACE

class FullEffectSettingsWidget;
class FullHardwareSettingsWidget;
class GameProfiles;
class GameTray;
class GpioExtensionWidget;
class SettingsUiBackgroundThread;

// True when the command line asks for advanced mode: exactly "advanced" as the
// first argument after the program name.
bool advancedModeRequested(const QStringList &arguments);

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The device-link worker; it lives on its own thread once the link has started.
    SettingsUiBackgroundThread *deviceLinkWorker() const { return worker; }
    // Applies game profiles while games run; the command line reaches it too.
    GameProfiles *gameProfiles() const { return games; }
    // False where the desktop has no tray, so the window must stay the way in.
    bool hasTrayIcon() const;
    // The editors, built on first need. Requests from later starts apply
    // through them, so the window shows what they change.
    FullEffectSettingsWidget *effectsSettingsEditor();
    GpioExtensionWidget *peripherySettingsEditor();
    FullHardwareSettingsWidget *hardwareSettingsEditor();

signals:
    // The four records read after a connection are in the editors.
    void settingsLoaded();
    // The controller left, or its settings are not to be shown.
    void controllerLeft();

public slots:
    void connectDevice(FirmwareVersionTypeDef version);
    void disconnectDevice();
    // A calm, persistent line in the status bar: the controller is there but
    // this user may not open it. It goes away when the controller connects.
    void showDeviceAccessHint(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void hideAllTabs();
    void showAllTabs();
    void checkFirmwareVersion(FirmwareVersionTypeDef version);
    void hardwareSettingsToUi(HardwareSettingsTypeDef settings);
    void adcSettingsToUi(AdcExtensionSettingsTypeDef settings);
    void gpioSettingsToUi(GpioExtensionSettingsTypeDef settings);
    void effectsSettingsToUi(EffectSettingsTypeDef settings);
    void uiToEffectsSettings(EffectSettingsTypeDef *settings);
    void saveEffectsSettings();
    void switchToDfu();
    void rebootController();
    void sendInt8Setting(SettingsFieldEnum field, int8_t index, int8_t data);
    void sendUInt8Setting(SettingsFieldEnum field, int8_t index, uint8_t data);
    void sendInt16Setting(SettingsFieldEnum field, int8_t index, int16_t data);
    void sendUInt16Setting(SettingsFieldEnum field, int8_t index, uint16_t data);
    void sendFloatSetting(SettingsFieldEnum field, int8_t index, float data);
    void checkUiVersion();
    void checkUiVersionFinished();
    void on_reset_center_button_clicked();

private:
    template <typename... Params, typename... Args>
    void deferToWorker(void (SettingsUiBackgroundThread::*request)(Params...), Args... args);
    // Creates the three editors on their tabs, once: after the window's first
    // frame, or earlier when a controller or a caller needs them.
    void buildEditors();
    void connectCommandButtons();
    void connectEditors();
    void connectWorker();
    void setCommandButtonsEnabled(bool enabled);
    void readAllSettings();
    void collectManifestBody();
    // Shows the update notice and acts on its answer. False when the window
    // was destroyed while the notice was open.
    bool announceUpdate(const update::ManifestVersion &manifest);
    // Runs the box modally. False when the window was destroyed meanwhile;
    // the caller must then not touch the window.
    bool runMessageBox(QMessageBox &box);
    void setUpGameProfiles();
    void startDeviceLink();
    void stopDeviceLink();
    void hideDeviceAccessHint();
    void showGameStatus(const QString &text);
    void updateStatusBar();

    Ui::MainWindow *ui;
    FullEffectSettingsWidget *effectsEditor = nullptr;
    GpioExtensionWidget *peripheryEditor = nullptr;
    FullHardwareSettingsWidget *hardwareEditor = nullptr;
    QString idleTitle;
    QNetworkReply *pendingManifestReply = nullptr;
    QNetworkAccessManager networkAccessManager;
    QNetworkRequest manifestRequest;
    SettingsUiBackgroundThread *worker = nullptr;
    QIcon appIcon;
    bool advanced = false;
    QSettings appSettings;
    // The device link: the worker's thread and the timer that starts its poll.
    QThread *workerThread = nullptr;
    QTimer *workerStartTimer = nullptr;
    // Created with the status bar on first need, so a window that never needs
    // the hint has no status bar at all.
    QLabel *deviceAccessHint = nullptr;
    QLabel *gameStatus = nullptr;
    GameProfiles *games = nullptr;
    GameTray *tray = nullptr;
    // The manifest body read so far; a body over the size limit is dropped.
    QByteArray manifestBody;
    bool manifestTooLarge = false;
    // The firmware warnings and the update notice while they are open, so
    // that a window destroyed meanwhile can close them.
    QList<QPointer<QMessageBox>> openMessageBoxes;
    // Counts connection changes, so that an answer to the firmware warning
    // given after the controller has left (or come back) is not acted on.
    quint64 connectionSerial = 0;
};
