// SPDX-License-Identifier: GPL-3.0-or-later
// The settings history's figures, each beside its floor from the same run:
// a snapshot on connect (time on the GUI thread beside turning the four
// records into text alone, and time until the file is on disk), the History
// window's first paint with 1,000 snapshots beside a bare list of 1,000 rows,
// and the disk use after 10,000 snapshots with the default bounds.

#include "history/snapshotrecorder.h"
#include "history/ui/historywindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds from creating the widget to its list's first paint.
template <typename Make>
double firstPaintMs(Make make)
{
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted |= event->type() == QEvent::Paint;
            return false;
        }
    };
    QElapsedTimer timer;
    timer.start();
    QWidget *widget = make();
    auto *view = qobject_cast<QAbstractItemView *>(widget);
    if (!view)
        view = widget->findChild<QAbstractItemView *>();
    PaintWatch watch;
    view->viewport()->installEventFilter(&watch);
    widget->show();
    while (!watch.painted)
        QCoreApplication::processEvents();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    delete widget;
    return ms;
}

ControllerSettings settingsNumber(int i)
{
    ControllerSettings settings;
    settings.effects.motion_range = uint16_t(100 + i % 5000);
    settings.hardware.p_gain = uint8_t(i % 100);
    return settings;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;

    // A snapshot on connect.
    {
        SnapshotRecorder recorder(dir.filePath("connect"));
        QSignalSpy written(&recorder, &SnapshotRecorder::written);
        QVector<double> gui, floor, disk;
        for (int i = 0; i < 50; ++i) {
            const ControllerSettings settings = settingsNumber(i);
            QElapsedTimer timer;
            timer.start();
            const QByteArray text = formatSettingsText(SettingsTextKind::All, "1.2.3", settings);
            floor.append(double(timer.nsecsElapsed()) / 1e6);
            Q_UNUSED(text);
            timer.restart();
            recorder.record(settings, "1.2.3", "/dev/hidraw3", "when the controller connected");
            gui.append(double(timer.nsecsElapsed()) / 1e6);
            if (!written.wait(5000))
                return 1;
            disk.append(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("snapshot on connect, GUI thread:  %.3f ms (floor, records to text: %.3f ms)\n", median(gui),
                    median(floor));
        std::printf("snapshot on connect, on disk:     %.3f ms\n", median(disk));
    }

    // The History window with 1,000 snapshots.
    {
        const QString folder = dir.filePath("thousand");
        QDir().mkpath(folder);
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
        for (int i = 0; i < 1000; ++i) {
            const QDateTime time = start.addSecs(i);
            QFile file(folder + '/' + makeSnapshotId(time) + SNAPSHOT_SUFFIX);
            if (!file.open(QIODevice::WriteOnly))
                return 1;
            file.write(formatSnapshot({makeSnapshotId(time), time, "/dev/hidraw3", "before an apply"},
                                      formatSettingsText(SettingsTextKind::All, "1.2.3", settingsNumber(i))));
        }
        QVector<double> window, floor;
        for (int run = 0; run < 5; ++run) {
            floor.append(firstPaintMs([] {
                auto *list = new QListWidget;
                for (int i = 0; i < 1000; ++i)
                    list->addItem(QStringLiteral("2024-05-20 12:00:00  before an apply (firmware 1.2.3) %1").arg(i));
                return list;
            }));
            window.append(firstPaintMs([&folder] { return new HistoryWindow(folder, nullptr, nullptr); }));
        }
        std::printf("History window, 1,000 snapshots:  %.1f ms to first paint (floor, bare list of 1,000 rows: "
                    "%.1f ms)\n",
                    median(window), median(floor));
    }

    // Disk use after 10,000 snapshots, one an hour, pruned as the writer does.
    {
        const QString folder = dir.filePath("tenthousand");
        QDir().mkpath(folder);
        QDateTime time = QDateTime::currentDateTimeUtc().addSecs(-3600LL * 10000);
        for (int i = 0; i < 10000; ++i) {
            time = time.addSecs(3600);
            const QString id = makeSnapshotId(time);
            QFile file(folder + '/' + id + SNAPSHOT_SUFFIX);
            if (!file.open(QIODevice::WriteOnly))
                return 1;
            file.write(formatSnapshot({id, time, "/dev/hidraw3", "before an apply"},
                                      formatSettingsText(SettingsTextKind::All, "1.2.3", settingsNumber(i))));
            file.close();
            pruneSnapshots(folder, time);
        }
        qint64 bytes = 0;
        int files = 0;
        for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
            it.next();
            bytes += it.fileInfo().size();
            ++files;
        }
        std::printf("disk use after 10,000 snapshots:  %d files, %.0f KiB\n", files, double(bytes) / 1024.0);
    }
    return 0;
}
