// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowhistory.h"

#include "app/mainwindow.h"
#include "app/windowsettingstarget.h"
#include "app/windowstatusbar.h"
#include "cli/journalcompletion.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "games/gameprofiles.h"
#include "history/historycommands.h"
#include "history/snapshotrecorder.h"
#include "history/ui/historywindow.h"
#include "history/ui/settingsundo.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

// How long the target may take to hold the records the window has just read.
constexpr int JOURNAL_WAIT_MS = 10000;

} // namespace

WindowHistory::WindowHistory(MainWindow *mainWindow, WindowSettingsTarget *settingsTarget, QObject *parent)
    : QObject(parent)
    , window(mainWindow)
    , target(settingsTarget)
    , history(new SnapshotRecorder(appfiles::historyFolder(), this))
{
    target->setHistory(history);
    // Told once, until a snapshot is written again.
    connect(history, &SnapshotRecorder::failed, window->statusLine(), &WindowStatusBar::showHistoryNotice);
    connect(window->statusLine(), &WindowStatusBar::historyRequested, this, &WindowHistory::showHistory);
    connect(window, &MainWindow::historyRequested, this, &WindowHistory::showHistory);
    connect(window, &MainWindow::settingsLoaded, this, &WindowHistory::controllerLoaded);
    connect(window, &MainWindow::controllerLeft, this, &WindowHistory::controllerLeft);
    connect(target, &WindowSettingsTarget::outsideChangeStarting, this, &WindowHistory::beginOutsideChange);
    connect(target, &WindowSettingsTarget::outsideChangeFinished, this, &WindowHistory::endOutsideChange);
    GameProfiles *games = window->gameProfiles();
    // The game profiles hear of the loaded settings from here, once the
    // snapshot on connect is taken and a restore that an interrupted game or
    // wrapper left behind has been completed: theirs go on top of it.
    disconnect(window, &MainWindow::settingsLoaded, games, &GameProfiles::controllerLoaded);
    connect(games, &GameProfiles::applyStarting, this, [this](const QString &reason) {
        snapshotBefore(reason);
        beginOutsideChange();
    });
    connect(games, &GameProfiles::applyFinished, this, &WindowHistory::endOutsideChange);
    // The buttons send at once; what the controls show then is what the
    // controller holds before it saves or leaves for its boot loader.
    const auto snapshotOnClick = [this](const char *button, const QString &reason) {
        if (auto *found = window->findChild<QPushButton *>(QLatin1String(button)))
            connect(found, &QPushButton::clicked, this, [this, reason] { snapshotBefore(reason); });
    };
    snapshotOnClick("save_effects_settings_button", tr("before Save and reboot"));
    snapshotOnClick("dfu_mode_button", tr("before Switch to DFU mode"));
}

WindowHistory::~WindowHistory() = default;

HistoryWindow *WindowHistory::historyWindow() const
{
    return historyView;
}

void WindowHistory::installUndo()
{
    if (settingsUndo)
        return;
    settingsUndo = new SettingsUndo(window->effectsSettingsEditor(), window->hardwareSettingsEditor(),
                                    window->peripherySettingsEditor(), window, this);
    connect(window->effectsSettingsEditor(), &SettingsEditorWidget::profilePicked, this,
            [this](const QString &name) { snapshotBefore(tr("before the Effects profile %1").arg(name)); });
    connect(window->peripherySettingsEditor(), &SettingsEditorWidget::profilePicked, this,
            [this](const QString &name) { snapshotBefore(tr("before the Periphery profile %1").arg(name)); });
}

void WindowHistory::controllerLoaded()
{
    if (connected)
        return;
    installUndo();
    connected = true;
    ++connection;
    // Compared before the snapshot on connect becomes the newest.
    window->statusLine()->showHistoryNotice(firmwareChangeNotice(
        history->folder(), WindowSettingsTarget::controllerName(), target->firmwareVersionText()));
    // Of what the controller holds as it connects, before a journal puts
    // anything back: that is what an interrupted game left on it.
    snapshotBefore(QCoreApplication::translate("DeviceLinkTarget", "when the controller connected"));
    if (historyView)
        historyView->setController(WindowSettingsTarget::controllerName());
    completeJournal();
}

void WindowHistory::completeJournal()
{
    // As a command does it: ready() once the target knows the records it
    // shares with the editors, then the journal's writes, settled before
    // anything else uses the settings.
    const quint64 serial = connection;
    auto *waiting = new QObject(this);
    const auto done = [this, serial, waiting] {
        disconnect(target, nullptr, waiting, nullptr);
        waiting->deleteLater();
        if (connected && serial == connection)
            window->gameProfiles()->controllerLoaded();
    };
    connect(target, &SettingsTarget::failed, waiting, done);
    connect(target, &SettingsTarget::ready, waiting, [this, serial, waiting, done] {
        disconnect(target, nullptr, waiting, nullptr);
        if (!connected || serial != connection) {
            done();
            return;
        }
        journalcompletion::complete(target, waiting, [this, done](const QString &said) {
            if (!said.isEmpty())
                window->statusLine()->showRestoreNotice(said);
            done();
        });
    });
    target->prepare(JOURNAL_WAIT_MS);
}

void WindowHistory::controllerLeft()
{
    connected = false;
    window->statusLine()->showRestoreNotice(QString());
    if (settingsUndo)
        settingsUndo->clear();
    window->statusLine()->showHistoryNotice(QString());
    if (historyView)
        historyView->setController(QString());
}

void WindowHistory::snapshotBefore(const QString &reason)
{
    if (connected)
        target->recordSnapshot(reason);
}

void WindowHistory::beginOutsideChange()
{
    if (settingsUndo)
        settingsUndo->beginOutsideChange();
}

void WindowHistory::endOutsideChange()
{
    if (settingsUndo)
        settingsUndo->endOutsideChange();
}

void WindowHistory::showHistory()
{
    if (!historyView) {
        historyView = new HistoryWindow(history->folder(), target, history, window);
        historyView->setAttribute(Qt::WA_DeleteOnClose);
        historyView->setController(connected ? WindowSettingsTarget::controllerName() : QString());
        historyView->setJournalFolder(appfiles::stateFolder());
        // A restore is history, not a step to undo.
        connect(historyView, &HistoryWindow::restoreStarting, this, &WindowHistory::beginOutsideChange);
        connect(historyView, &HistoryWindow::restoreFinished, this, &WindowHistory::endOutsideChange);
    }
    if (historyView->isMinimized())
        historyView->showNormal();
    else
        historyView->show();
    historyView->raise();
    historyView->activateWindow();
}
