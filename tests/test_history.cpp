// SPDX-License-Identifier: GPL-3.0-or-later
// The settings history: its bounds, damaged files, the History window putting
// a snapshot back (the frames on the wire), the snapshot writer, and whether
// a restore journal left behind may be completed.

#include "app/windowsettingstarget.h"
#include "games/settingslayerkeeper.h"
#include "history/restorejournal.h"
#include "history/snapshotrecorder.h"
#include "history/ui/historywindow.h"
#include "tests/editortestsupport.h"

#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace testsupport;
using namespace editortest;

namespace {

const QDateTime kNoon = QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

QString writeSnapshot(const QString &folder, const QDateTime &time, const ControllerSettings &settings,
                      const QString &controller, const QString &firmware = QStringLiteral("1.2.3"))
{
    const QString id = makeSnapshotId(time);
    QDir().mkpath(folder);
    writeFile(folder + '/' + id + SNAPSHOT_SUFFIX,
              formatSnapshot({id, time, controller, QStringLiteral("test")},
                             formatSettingsText(SettingsTextKind::All, firmware, settings)));
    return id;
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void pruningKeepsTheBounds_data();
    void pruningKeepsTheBounds();
    void damagedFilesAreUnreadable_data();
    void damagedFilesAreUnreadable();
    void windowPutsBackOnlyTheDifferences();
    void windowOffersJournalsLeftBehind();
    void recorderSkipsRepeatsAndReportsFailureOnce();
    void journalDecision_data();
    void journalDecision();
};

void HistoryTest::pruningKeepsTheBounds_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minutesApart");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<int>("kept");
    QTest::newRow("the newest 200 of one day") << 250 << 1 << qint64(3000) << qint64(4 << 20) << 200;
    // Hourly: the newest 200 reach back to day -8; older ones keep one a day
    // for days -9 to -12.
    QTest::newRow("one a day beyond the newest") << 300 << 60 << qint64(3000) << qint64(4 << 20) << 204;
    QTest::newRow("older than 60 days go") << 400 << 60 * 24 << qint64(100) << qint64(4 << 20) << 200;
    QTest::newRow("the size cap") << 250 << 1 << qint64(30000) << qint64(4 << 20) << 139;
    QTest::newRow("the newest stays however large") << 3 << 1 << qint64(10 << 20) << qint64(4 << 20) << 1;
}

void HistoryTest::pruningKeepsTheBounds()
{
    QFETCH(int, count);
    QFETCH(int, minutesApart);
    QFETCH(qint64, size);
    QFETCH(qint64, cap);
    QFETCH(int, kept);
    QVector<SnapshotFileInfo> files;
    for (int i = 0; i < count; ++i)
        files.append({makeSnapshotId(kNoon.addSecs(-60LL * minutesApart * i)), size});
    SnapshotBounds bounds;
    bounds.maxTotalBytes = cap;
    const QStringList pruned = snapshotsToPrune(files, kNoon, bounds);
    QCOMPARE(count - pruned.size(), kept);
    QVERIFY(!pruned.contains(files.first().id));
    for (const QString &id : pruned)
        QVERIFY(id < files.first().id);
}

// Made a named pipe instead of written.
const QByteArray NAMED_PIPE = "named pipe";

void HistoryTest::damagedFilesAreUnreadable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem"); // empty: readable
    const QString id = makeSnapshotId(kNoon);
    const QByteArray good = formatSnapshot({id, kNoon, "ctl", "test"},
                                           formatSettingsText(SettingsTextKind::All, "1.2.3", ControllerSettings{}));
    QTest::newRow("good") << good << QString();
    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("huge") << good + QByteArray(MAX_SNAPSHOT_FILE_SIZE, '#') << "The file is too large to be a snapshot.";
    QTest::newRow("binary") << QByteArray("\x00\xff\x10\x80garbage", 11) << "The file is not a snapshot.";
    QByteArray future = good;
    future.replace("snapshot: 1", "snapshot: 7");
    QTest::newRow("future version") << future << "The snapshot was made by a newer version of the tool.";
    QByteArray otherId = good;
    otherId.replace(id.toLatin1(), makeSnapshotId(kNoon.addDays(-1)).toLatin1());
    QTest::newRow("id of another file") << otherId << "The snapshot's header is damaged.";
    QByteArray badValue = good;
    badValue.replace("effects.motion_range = 0", "effects.motion_range = lots");
    QTest::newRow("damaged value") << badValue
                                   << "The snapshot's settings are damaged: effects.motion_range takes a number, "
                                      "not \"lots\".";
    QTest::newRow("cut short") << good.left(good.indexOf("\n\n")) << "The file is not a snapshot.";
    QTest::newRow("named pipe") << NAMED_PIPE << "The file is not a snapshot.";
}

void HistoryTest::damagedFilesAreUnreadable()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString id = makeSnapshotId(kNoon);
    if (content == NAMED_PIPE)
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(id + SNAPSHOT_SUFFIX)).constData(), 0600), 0);
    else
        writeFile(dir.filePath(id + SNAPSHOT_SUFFIX), content);
    writeFile(dir.filePath("notes.txt"), "not ours");
    QCOMPARE(listSnapshotIds(dir.path()), content == NAMED_PIPE ? QStringList() : QStringList{id});
    const auto loaded = loadSnapshot(dir.path(), id);
    QCOMPARE(std::holds_alternative<QString>(loaded) ? std::get<QString>(loaded) : QString(), problem);
}

void HistoryTest::windowPutsBackOnlyTheDifferences()
{
    auto window = connectedWindow();
    QVERIFY(window);
    QVERIFY(showWithEditors(*window));
    WindowSettingsTarget target(window.get());
    QTemporaryDir dir;
    SnapshotRecorder recorder(dir.path());

    const ControllerSettings now = target.current();
    ControllerSettings old = now;
    old.effects.motion_range = 540;
    old.hardware.p_gain = uint8_t(now.hardware.p_gain + 7);
    const QString firmware = target.firmwareVersionText();
    const QString goodId = writeSnapshot(dir.path(), kNoon, old, "ctl", firmware);
    const QString otherId = writeSnapshot(dir.path(), kNoon.addSecs(60), old, "another", firmware);
    writeFile(dir.filePath(makeSnapshotId(kNoon.addSecs(120)) + SNAPSHOT_SUFFIX), "\x01\x02 damaged");

    HistoryWindow history(dir.path(), &target, &recorder);
    history.setController("ctl");
    history.show();
    auto *list = history.findChild<QListView *>("snapshot_list");
    auto *restore = history.findChild<QPushButton *>("restore_button");
    auto *hardware = history.findChild<QCheckBox *>("include_hardware_check_box");
    QCOMPARE(list->model()->rowCount(), 3);
    // Newest first: the damaged file, another controller's, then ours.
    QVERIFY(list->model()->index(0, 0).data().toString().contains("unreadable"));
    for (int row : {0, 1}) {
        list->setCurrentIndex(list->model()->index(row, 0));
        QVERIFY2(!restore->isEnabled(), qPrintable(QString::number(row)));
    }

    list->setCurrentIndex(list->model()->index(2, 0));
    QVERIFY(restore->isEnabled());
    QSignalSpy written(&recorder, &SnapshotRecorder::written);
    sim::clearLog();
    restore->click();
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 540)}));
    // The present was recorded first; the writer may have said so while
    // the writes were settling.
    QTRY_VERIFY_WITH_TIMEOUT(!written.isEmpty(), 5000);
    QCOMPARE(listSnapshotIds(dir.path()).size(), 4);

    hardware->setChecked(true);
    QTRY_VERIFY(history.findChild<QListView *>("snapshot_list")->currentIndex().isValid());
    list->setCurrentIndex(list->model()->index(int(listSnapshotIds(dir.path()).indexOf(goodId)), 0));
    QVERIFY(restore->isEnabled());
    sim::clearLog();
    restore->click();
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(25, old.hardware.p_gain)}));
    QVERIFY(!restore->isEnabled()); // nothing differs any more
    Q_UNUSED(otherId);
}

void HistoryTest::windowOffersJournalsLeftBehind()
{
    auto window = connectedWindow();
    QVERIFY(window);
    QVERIFY(showWithEditors(*window));
    WindowSettingsTarget target(window.get());
    QTemporaryDir snapshots, journals;
    SnapshotRecorder recorder(snapshots.path());

    // One of an earlier boot whose wrapper is gone: never completed on its
    // own, so offered; a damaged one, listed as unreadable; and one whose
    // owner (this process) still runs, which is not the window's to offer.
    const ControllerSettings now = target.current();
    ControllerSettings before = now;
    before.effects.motion_range = 540;
    const QString firmware = target.firmwareVersionText();
    RestoreJournal left = makeJournal(before, now, SettingsLayerKeeper::controllerName(), firmware, {{999999999, 1}});
    left.bootId = "an earlier boot";
    QString error;
    QVERIFY(writeJournal(journalPath(journals.path(), 999999999), left, &error));
    writeFile(journalPath(journals.path(), 777777777), "{\"format\": 1, \"fields\": [");
    const qint64 self = QCoreApplication::applicationPid();
    QVERIFY(writeJournal(journalPath(journals.path(), self),
                         makeJournal(before, now, SettingsLayerKeeper::controllerName(), firmware,
                                     {{self, processStartTime(self).value_or(0)}}),
                         &error));

    HistoryWindow history(snapshots.path(), &target, &recorder);
    history.setController(WindowSettingsTarget::controllerName());
    history.setJournalFolder(journals.path());
    history.show();
    auto *list = history.findChild<QListView *>("snapshot_list");
    auto *restore = history.findChild<QPushButton *>("restore_button");
    QCOMPARE(list->model()->rowCount(), 2);
    QVERIFY(list->model()->index(0, 0).data().toString().contains("unreadable"));
    list->setCurrentIndex(list->model()->index(0, 0));
    QVERIFY(!restore->isEnabled());

    list->setCurrentIndex(list->model()->index(1, 0));
    QVERIFY(restore->isEnabled());
    sim::clearLog();
    restore->click();
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 540)}));
    // Put back once: it is gone from the folder and the list (where the
    // snapshot of the present may have come meanwhile).
    QVERIFY(!QFile::exists(journalPath(journals.path(), 999999999)));
    QCOMPARE(QDir(journals.path()).entryList(QDir::Files).size(), 2);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString text = list->model()->index(row, 0).data().toString();
        QVERIFY2(text.contains("unreadable") || text.contains("(firmware "), qPrintable(text));
    }
}

void HistoryTest::recorderSkipsRepeatsAndReportsFailureOnce()
{
    QTemporaryDir dir;
    ControllerSettings settings;
    {
        SnapshotRecorder recorder(dir.filePath("history"));
        QSignalSpy written(&recorder, &SnapshotRecorder::written);
        QSignalSpy unchanged(&recorder, &SnapshotRecorder::unchanged);
        recorder.record(settings, "1.0", "ctl", "when the controller connected");
        recorder.record(settings, "1.0", "ctl", "before --profile effects:Rally");
        QTRY_COMPARE(unchanged.size(), 1);
        QCOMPARE(written.size(), 1);
    }
    // A new start knows the newest on disk and does not repeat it.
    {
        SnapshotRecorder recorder(dir.filePath("history"));
        QSignalSpy unchanged(&recorder, &SnapshotRecorder::unchanged);
        recorder.record(settings, "1.0", "ctl", "when the controller connected");
        QVERIFY(unchanged.wait(5000));
    }
    QCOMPARE(QFileInfo(dir.filePath("history")).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFileDevice::Permissions());

    // A folder that cannot be made (a file lies where it should be).
    writeFile(dir.filePath("blocked"), "");
    SnapshotRecorder recorder(dir.filePath("blocked/history"));
    QSignalSpy failed(&recorder, &SnapshotRecorder::failed);
    QSignalSpy written(&recorder, &SnapshotRecorder::written);
    for (int i = 0; i < 3; ++i) {
        settings.effects.motion_range = uint16_t(100 + i);
        recorder.record(settings, "1.0", "ctl", "before an apply");
    }
    QVERIFY(failed.wait(5000));
    QTest::qWait(50);
    QCOMPARE(failed.size(), 1);
    QFile::remove(dir.filePath("blocked"));
    settings.effects.motion_range = 900;
    recorder.record(settings, "1.0", "ctl", "before an apply");
    QVERIFY(written.wait(5000));
}

void HistoryTest::journalDecision_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<bool>("ownerRunning");
    QTest::addColumn<int>("motionRangeNow");
    QTest::addColumn<int>("verdict");

    ControllerSettings before, applied;
    before.effects.motion_range = 900;
    applied.effects.motion_range = 540;
    RestoreJournal journal = makeJournal(before, applied, "ctl", "1.2.3", {{4242, 17}});
    journal.bootId = "boot-a";
    const QByteArray good = formatJournal(journal);
    QByteArray otherBoot = good;
    otherBoot.replace("boot-a", "boot-b");
    QByteArray otherController = good;
    otherController.replace("\"ctl\"", "\"another\"");
    QByteArray future = good;
    future.replace("\"format\": 1", "\"format\": 2");
    QByteArray hugeNumber = good;
    hugeNumber.replace("900", "444444444444444444444444444444444444444444444444900");

    const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
    row("owners gone, fields as applied") << good << false << 540 << int(JournalVerdict::CompleteNow);
    row("owner still runs") << good << true << 540 << int(JournalVerdict::OwnerRunning);
    row("other boot") << otherBoot << false << 540 << int(JournalVerdict::OtherBoot);
    row("other controller") << otherController << false << 540 << int(JournalVerdict::OtherController);
    row("field changed since") << good << false << 700 << int(JournalVerdict::FieldsChanged);
    row("already put back") << good << false << 900 << int(JournalVerdict::NothingToDo);
    row("damaged") << good.left(good.size() / 2) << false << 540 << int(JournalVerdict::Damaged);
    row("number beyond int") << hugeNumber << false << 540 << int(JournalVerdict::Damaged);
    row("future format") << future << false << 540 << int(JournalVerdict::Damaged);
    row("binary") << QByteArray("\x7f\x00\x01", 3) << false << 540 << int(JournalVerdict::Damaged);
}

void HistoryTest::journalDecision()
{
    QFETCH(QByteArray, journal);
    QFETCH(bool, ownerRunning);
    QFETCH(int, motionRangeNow);
    QFETCH(int, verdict);

    // Through the file, as the next process finds it.
    QTemporaryDir dir;
    const auto parsed = parseJournal(journal);
    if (const RestoreJournal *j = std::get_if<RestoreJournal>(&parsed)) {
        QString error;
        QVERIFY(writeJournal(journalPath(dir.path(), 4242), *j, &error));
    } else {
        writeFile(journalPath(dir.path(), 4242), journal);
    }
    QCOMPARE(listJournals(dir.path()), QStringList{journalPath(dir.path(), 4242)});
    JournalContext context;
    context.bootId = "boot-a";
    context.controller = "ctl";
    context.firmwareVersionText = "1.2.3";
    context.now.effects.motion_range = uint16_t(motionRangeNow);
    context.ownerRunning = [ownerRunning](const JournalOwner &owner) { return ownerRunning && owner.pid == 4242; };
    const auto read = readJournal(journalPath(dir.path(), 4242));
    QCOMPARE(int(decideJournal(read, context)), verdict);

    if (verdict == int(JournalVerdict::CompleteNow)) {
        const ControllerSettings target = journalRestoreTarget(std::get<RestoreJournal>(read), context.now);
        QCOMPARE(int(target.effects.motion_range), 900);
        // Only one process gets to complete it.
        QString claimed, again;
        QVERIFY(claimJournal(journalPath(dir.path(), 4242), &claimed));
        QVERIFY(!claimJournal(journalPath(dir.path(), 4242), &again));
    }
    // The owner check itself: this process runs, a made-up start time does not.
    const JournalOwner self{QCoreApplication::applicationPid(), processStartTime(QCoreApplication::applicationPid()).value_or(0)};
    QVERIFY(isOwnerRunning(self));
    QVERIFY(!isOwnerRunning({self.pid, self.startTime + 1}));
}

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
