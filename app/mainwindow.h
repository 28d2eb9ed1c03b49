// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/devicelink.h"
#include "device/devicereports.h"
#include "games/gameprofiletarget.h"
#include "settings/settingsfieldenum.h"
#include "settings/settingsrecords.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
class QMessageBox;
QT_END_NAMESPACE

class FullEffectSettingsWidget;
class FullHardwareSettingsWidget;
class GameProfiles;
class GpioExtensionWidget;
class SettingsLayerKeeper;
class SettingsUiBackgroundThread;
class WindowGameProfiles;
class WindowStatusBar;
namespace update {
class UpdateChecker;
}

// True when the command line asks for advanced mode: exactly "advanced" as the
// first argument after the program name.
inline bool advancedModeRequested(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("advanced");
}

// Game profiles apply through the window, so the editors show what they send.
class MainWindow : public QMainWindow, public GameProfileTarget
{
    Q_OBJECT

public:
    // Game profiles are layers on `layers`, the process's one keeper, which
    // must outlive the window; without one the window keeps its own.
    explicit MainWindow(SettingsLayerKeeper *layers = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    DeviceLink *deviceLink() const { return link.get(); }
    // The device-link worker; it lives on its own thread once the link has started.
    SettingsUiBackgroundThread *deviceLinkWorker() const { return link->worker(); }
    // Applies game profiles while games run; the command line reaches it too.
    GameProfiles *gameProfiles() const;
    // False where the desktop has no tray, so the window must stay the way in.
    bool hasTrayIcon() const;
    // The tool's own settings (the INI file beside the profiles).
    QSettings *settings() { return &appSettings; }
    WindowStatusBar *statusLine() const { return status; }
    // The editors, built on first need. Requests from later starts apply
    // through them, so the window shows what they change.
    FullEffectSettingsWidget *effectsSettingsEditor();
    GpioExtensionWidget *peripherySettingsEditor();
    FullHardwareSettingsWidget *hardwareSettingsEditor();

    EffectSettingsTypeDef effectSettings() override;
    ControllerSettings currentSettings() override;
    QString firmwareVersionText() override { return firmwareText; }
    void applyEffectSettings(const EffectSettingsTypeDef &settings) override;
    void applyPeripherySettings(const AdcExtensionSettingsTypeDef &adc,
                                const GpioExtensionSettingsTypeDef &gpio) override;
    bool applyEffectsProfile(const QString &name) override;
    bool applyPeripheryProfile(const QString &name) override;

signals:
    // The four records read after a connection are in the editors.
    void settingsLoaded();
    // The controller left, or its settings are not to be shown.
    void controllerLeft();
    // The user asked for the history or the wheel test, from the window's
    // tools button or the tray.
    void historyRequested();
    void wheelTestRequested();

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
    // Creates the three editors on their tabs, once: after the window's first
    // frame, or earlier when a controller or a caller needs them.
    void buildEditors();
    void connectCommandButtons();
    void connectEditors();
    void connectWorker();
    void setCommandButtonsEnabled(bool enabled);
    void readAllSettings();
    // Runs the box modally. False when the window was destroyed meanwhile;
    // the caller must then not touch the window.
    bool runMessageBox(QMessageBox &box);

    Ui::MainWindow *ui;
    FullEffectSettingsWidget *effectsEditor = nullptr;
    GpioExtensionWidget *peripheryEditor = nullptr;
    FullHardwareSettingsWidget *hardwareEditor = nullptr;
    QString idleTitle;
    QString firmwareText;
    QIcon appIcon;
    bool advanced = false;
    QSettings appSettings;
    // Ended explicitly, last: its end is hidapi's.
    std::unique_ptr<DeviceLink> link;
    update::UpdateChecker *updateChecker = nullptr;
    WindowStatusBar *status = nullptr;
    WindowGameProfiles *games = nullptr;
    // The firmware warnings while they are open, so that a window destroyed
    // meanwhile can close them.
    QList<QPointer<QMessageBox>> openMessageBoxes;
    // Counts connection changes, so that an answer to the firmware warning
    // given after the controller has left (or come back) is not acted on.
    quint64 connectionSerial = 0;
};
