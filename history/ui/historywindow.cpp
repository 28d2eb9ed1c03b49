// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/historywindow.h"

#include "ui_historywindow.h"

#include "cli/settingstarget.h"
#include "games/settingslayerkeeper.h"
#include "history/restorejournal.h"
#include "history/settingsdiff.h"
#include "history/snapshotrecorder.h"
#include "history/snapshotstore.h"

#include <QAbstractListModel>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

// The journals come first, then the snapshot ids from the file names alone;
// a row's file is read only when the view first shows that row.
class SnapshotListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setFolders(const QString &folder, const QString &journalFolder)
    {
        beginResetModel();
        this->folder = folder;
        journals = leftJournals(journalFolder);
        ids = listSnapshotIds(folder);
        loaded.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(journals.size() + ids.size());
    }

    bool isJournal(int row) const { return row >= 0 && row < journals.size(); }
    // A journal's path or a snapshot's id.
    QString id(int row) const
    {
        if (isJournal(row))
            return journals.at(row).path;
        row -= int(journals.size());
        return row >= 0 && row < ids.size() ? ids.at(row) : QString();
    }
    int row(const QString &id) const
    {
        for (int r = 0; r < rowCount({}); ++r)
            if (this->id(r) == id)
                return r;
        return -1;
    }

    const std::variant<RestoreJournal, QString> &journal(int row) const { return journals.at(row).content; }

    const std::variant<Snapshot, QString> &snapshot(int row) const
    {
        const QString &key = ids.at(row - journals.size());
        auto found = loaded.constFind(key);
        if (found == loaded.constEnd())
            found = loaded.insert(key, loadSnapshot(folder, key));
        return *found;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount({}) || role != Qt::DisplayRole)
            return {};
        if (isJournal(index.row())) {
            const Journal &journal = journals.at(index.row());
            const QString time = journal.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (const QString *error = std::get_if<QString>(&journal.content))
                return HistoryWindow::tr("%1  unreadable: %2").arg(time, *error);
            return HistoryWindow::tr("%1  the settings from before an interrupted game or launch wrapper").arg(time);
        }
        const QString time =
            snapshotIdTime(id(index.row())).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const auto &entry = snapshot(index.row());
        if (const QString *error = std::get_if<QString>(&entry))
            return HistoryWindow::tr("%1  unreadable: %2").arg(time, *error);
        const Snapshot &s = std::get<Snapshot>(entry);
        return HistoryWindow::tr("%1  %2 (firmware %3)").arg(time, s.header.reason, s.settings.firmwareVersionText);
    }

private:
    struct Journal {
        QString path;
        QDateTime time;
        std::variant<RestoreJournal, QString> content;
    };

    // What a dead process left and nobody completed: its own owner, still
    // running, restores it itself.
    static QVector<Journal> leftJournals(const QString &journalFolder)
    {
        QVector<Journal> left;
        if (journalFolder.isEmpty())
            return left;
        for (const QString &path : listJournals(journalFolder)) {
            Journal journal{path, QFileInfo(path).lastModified(), readJournal(path)};
            if (const RestoreJournal *j = std::get_if<RestoreJournal>(&journal.content);
                j && std::any_of(j->owners.cbegin(), j->owners.cend(), isOwnerRunning))
                continue;
            left.append(journal);
        }
        return left;
    }

    QString folder;
    QVector<Journal> journals;
    QStringList ids;
    mutable QHash<QString, std::variant<Snapshot, QString>> loaded;
};

namespace {

// A journal's settings to put back, as a snapshot of the fields it names.
SettingsText journalSettings(const RestoreJournal &journal)
{
    SettingsText text{SettingsTextKind::All, journal.firmwareVersionText, {}};
    for (const JournalField &field : journal.fields)
        text.values.append({field.field, field.before});
    return text;
}

} // namespace

HistoryWindow::HistoryWindow(const QString &snapshotFolder, SettingsTarget *target, SnapshotRecorder *recorder,
                             QWidget *parent)
    : QWidget(parent, Qt::Window), ui(new Ui::HistoryWindow), model(new SnapshotListModel(this)), target(target),
      recorder(recorder), folder(snapshotFolder)
{
    ui->setupUi(this);
    ui->snapshot_list->setModel(model);
    model->setFolders(folder, journalFolder);
    connect(ui->snapshot_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &HistoryWindow::showChosen);
    connect(ui->include_hardware_check_box, &QCheckBox::toggled, this, &HistoryWindow::showChosen);
    connect(ui->restore_button, &QPushButton::clicked, this, &HistoryWindow::restoreChosen);
    if (recorder)
        connect(recorder, &SnapshotRecorder::written, this, &HistoryWindow::reload);
    showChosen();
}

HistoryWindow::~HistoryWindow()
{
    delete ui;
}

void HistoryWindow::setController(const QString &id)
{
    controller = id;
    showChosen();
}

void HistoryWindow::setJournalFolder(const QString &folder)
{
    journalFolder = folder;
    reload();
}

void HistoryWindow::reload()
{
    const QString chosen = chosenId();
    model->setFolders(folder, journalFolder);
    const int row = model->row(chosen);
    if (row >= 0)
        ui->snapshot_list->setCurrentIndex(model->index(row));
    showChosen();
}

QString HistoryWindow::chosenId() const
{
    return model->id(ui->snapshot_list->currentIndex().row());
}

void HistoryWindow::showChosen()
{
    ui->restore_button->setEnabled(false);
    const int row = ui->snapshot_list->currentIndex().row();
    if (row < 0) {
        ui->difference_view->clear();
        ui->status_label->setText(tr("Choose a snapshot to see what differs from the controller now."));
        return;
    }
    if (model->isJournal(row)) {
        const auto &entry = model->journal(row);
        if (const QString *error = std::get_if<QString>(&entry)) {
            // Never applied: what could not be read cannot be trusted.
            ui->difference_view->clear();
            ui->status_label->setText(*error);
            return;
        }
        const RestoreJournal &journal = std::get<RestoreJournal>(entry);
        ui->restore_button->setEnabled(showDifferences(
            journalSettings(journal),
            journal.controller == SettingsLayerKeeper::controllerName() ? controller : journal.controller));
        return;
    }
    const auto &entry = model->snapshot(row);
    if (const QString *error = std::get_if<QString>(&entry)) {
        // Never applied: what could not be read cannot be trusted.
        ui->difference_view->clear();
        ui->status_label->setText(tr("This snapshot cannot be read: %1").arg(*error));
        return;
    }
    const Snapshot &snapshot = std::get<Snapshot>(entry);
    ui->restore_button->setEnabled(showDifferences(snapshot.settings, snapshot.header.controller));
}

// Shows what differs from the controller now; whether putting `settings`
// back would send anything.
bool HistoryWindow::showDifferences(const SettingsText &settings, const QString &of)
{
    if (controller.isEmpty()) {
        ui->difference_view->clear();
        ui->status_label->setText(tr("No controller is connected."));
        return false;
    }
    const ControllerSettings now = target->current();
    const QString differences = formatDifferences(diffStates(statesOf(now), statesOf(settings)));
    ui->difference_view->setPlainText(differences.isEmpty() ? tr("The controller holds these settings.") : differences);
    if (of != controller) {
        ui->status_label->setText(tr("This snapshot is of another controller."));
        return false;
    }
    QString status;
    if (settings.firmwareVersionText != target->firmwareVersionText())
        status = tr("Taken with firmware %1; the controller has %2.")
                     .arg(settings.firmwareVersionText, target->firmwareVersionText());
    const RestorePlan plan = planRestore(now, settings, ui->include_hardware_check_box->isChecked());
    if (plan.hardwareLeftOut > 0)
        status += (status.isEmpty() ? QString() : QStringLiteral(" "))
            + tr("%n hardware field(s) differ and stay as they are.", nullptr, plan.hardwareLeftOut);
    ui->status_label->setText(status);
    return !plan.writes.isEmpty();
}

void HistoryWindow::restoreChosen()
{
    const int row = ui->snapshot_list->currentIndex().row();
    if (row < 0 || controller.isEmpty() || !ui->restore_button->isEnabled())
        return;
    const ControllerSettings now = target->current();
    SettingsText wanted;
    QString reason;
    QString id;
    QString claimed;
    if (model->isJournal(row)) {
        const auto *journal = std::get_if<RestoreJournal>(&model->journal(row));
        // Taken for this window alone, so that it is never put back twice.
        if (!journal || !claimJournal(model->id(row), &claimed)) {
            reload();
            return;
        }
        wanted = journalSettings(*journal);
        reason = tr("before putting back the settings from before an interrupted game or launch wrapper");
        id = model->id(row);
    } else {
        const auto *snapshot = std::get_if<Snapshot>(&model->snapshot(row));
        if (!snapshot || snapshot->header.controller != controller)
            return;
        wanted = snapshot->settings;
        reason = tr("before putting back the settings of %1")
                     .arg(snapshot->header.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        id = snapshot->header.id;
    }
    const RestorePlan plan = planRestore(now, wanted, ui->include_hardware_check_box->isChecked());
    if (recorder)
        recorder->record(now, target->firmwareVersionText(), controller, reason);
    emit restoreStarting();
    applyRestorePlan(*target, plan);
    emit restoreFinished(id);
    if (!claimed.isEmpty()) {
        QFile::remove(claimed);
        reload();
    }
    showChosen();
}
