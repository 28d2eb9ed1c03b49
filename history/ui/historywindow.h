// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "History" window: the snapshots, newest first, below the restore
// journals that a dead process left and that were not completed on their own;
// for the chosen one what differs from the controller now; and putting it
// back, after a snapshot of the present. It works through a SettingsTarget (the main window's), so it
// never reaches into the main window itself.

#include <QWidget>

class SettingsTarget;
struct SettingsText;
class SnapshotListModel;
class SnapshotRecorder;

QT_BEGIN_NAMESPACE
namespace Ui {
class HistoryWindow;
}
QT_END_NAMESPACE

class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    HistoryWindow(const QString &snapshotFolder, SettingsTarget *target, SnapshotRecorder *recorder,
                  QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // How the device link names the connected controller; empty while none
    // is connected (nothing can be compared or put back then).
    void setController(const QString &controller);
    // Where the restore journals lie; none are listed until it is set.
    void setJournalFolder(const QString &journalFolder);
    // Lists the folders anew (new snapshots, pruned ones, journals).
    void reload();

signals:
    // Around the apply calls: changes in between are a restore, not the
    // user's own (connect to SettingsUndo::beginOutsideChange / endOutsideChange).
    void restoreStarting();
    void restoreFinished(const QString &id);

private:
    void showChosen();
    void restoreChosen();
    bool showDifferences(const SettingsText &settings, const QString &of);
    QString chosenId() const;

    Ui::HistoryWindow *ui;
    SnapshotListModel *model;
    SettingsTarget *target;
    SnapshotRecorder *recorder;
    QString folder;
    QString journalFolder;
    QString controller;
};
