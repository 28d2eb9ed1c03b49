// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/historywindow.h"

#include "ui_historywindow.h"

#include "cli/settingstarget.h"
#include "history/settingsdiff.h"
#include "history/snapshotrecorder.h"
#include "history/snapshotstore.h"

#include <QAbstractListModel>
#include <QHash>

// The snapshot ids come from the file names alone; a row's file is read only
// when the view first shows that row.
class SnapshotListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setFolder(const QString &folder)
    {
        beginResetModel();
        this->folder = folder;
        ids = listSnapshotIds(folder);
        loaded.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(ids.size()); }

    QString id(int row) const { return row >= 0 && row < ids.size() ? ids.at(row) : QString(); }

    const std::variant<Snapshot, QString> &snapshot(int row) const
    {
        const QString &key = ids.at(row);
        auto found = loaded.constFind(key);
        if (found == loaded.constEnd())
            found = loaded.insert(key, loadSnapshot(folder, key));
        return *found;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= ids.size() || role != Qt::DisplayRole)
            return {};
        const QString time =
            snapshotIdTime(ids.at(index.row())).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const auto &entry = snapshot(index.row());
        if (const QString *error = std::get_if<QString>(&entry))
            return HistoryWindow::tr("%1  unreadable: %2").arg(time, *error);
        const Snapshot &s = std::get<Snapshot>(entry);
        return HistoryWindow::tr("%1  %2 (firmware %3)").arg(time, s.header.reason, s.settings.firmwareVersionText);
    }

private:
    QString folder;
    QStringList ids;
    mutable QHash<QString, std::variant<Snapshot, QString>> loaded;
};

HistoryWindow::HistoryWindow(const QString &snapshotFolder, SettingsTarget *target, SnapshotRecorder *recorder,
                             QWidget *parent)
    : QWidget(parent, Qt::Window), ui(new Ui::HistoryWindow), model(new SnapshotListModel(this)), target(target),
      recorder(recorder), folder(snapshotFolder)
{
    ui->setupUi(this);
    ui->snapshot_list->setModel(model);
    model->setFolder(folder);
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

void HistoryWindow::reload()
{
    const QString chosen = chosenId();
    model->setFolder(folder);
    const int row = int(listSnapshotIds(folder).indexOf(chosen));
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
    const auto &entry = model->snapshot(row);
    if (const QString *error = std::get_if<QString>(&entry)) {
        // Never applied: what could not be read cannot be trusted.
        ui->difference_view->clear();
        ui->status_label->setText(tr("This snapshot cannot be read: %1").arg(*error));
        return;
    }
    const Snapshot &snapshot = std::get<Snapshot>(entry);
    if (controller.isEmpty()) {
        ui->difference_view->clear();
        ui->status_label->setText(tr("No controller is connected."));
        return;
    }
    const ControllerSettings now = target->current();
    const QString differences = formatDifferences(diffStates(statesOf(now), statesOf(snapshot.settings)));
    ui->difference_view->setPlainText(differences.isEmpty() ? tr("The controller holds these settings.") : differences);
    if (snapshot.header.controller != controller) {
        ui->status_label->setText(tr("This snapshot is of another controller."));
        return;
    }
    QString status;
    if (snapshot.settings.firmwareVersionText != target->firmwareVersionText())
        status = tr("Taken with firmware %1; the controller has %2.")
                     .arg(snapshot.settings.firmwareVersionText, target->firmwareVersionText());
    const RestorePlan plan = planRestore(now, snapshot.settings, ui->include_hardware_check_box->isChecked());
    if (plan.hardwareLeftOut > 0)
        status += (status.isEmpty() ? QString() : QStringLiteral(" "))
            + tr("%n hardware field(s) differ and stay as they are.", nullptr, plan.hardwareLeftOut);
    ui->status_label->setText(status);
    ui->restore_button->setEnabled(!plan.writes.isEmpty());
}

void HistoryWindow::restoreChosen()
{
    const int row = ui->snapshot_list->currentIndex().row();
    if (row < 0 || controller.isEmpty())
        return;
    const auto entry = model->snapshot(row);
    const Snapshot *snapshot = std::get_if<Snapshot>(&entry);
    if (!snapshot || snapshot->header.controller != controller)
        return;
    const ControllerSettings now = target->current();
    const RestorePlan plan = planRestore(now, snapshot->settings, ui->include_hardware_check_box->isChecked());
    if (plan.writes.isEmpty())
        return;
    if (recorder)
        recorder->record(now, target->firmwareVersionText(), controller,
                         tr("before putting back the settings of %1")
                             .arg(snapshot->header.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    emit restoreStarting();
    applyRestorePlan(*target, plan);
    emit restoreFinished(snapshot->header.id);
    showChosen();
}
