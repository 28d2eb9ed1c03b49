// SPDX-License-Identifier: GPL-3.0-or-later
// The window completes the restore a dead launch wrapper or instance left in
// its journal when the controller connects: after the snapshot of what the
// controller holds, once per process, before the game profiles apply; a
// journal whose fields were changed since stays for the History window.
// Its own program: the completion is looked at once per process.

#include "app/mainwindow.h"
#include "app/windowhistory.h"
#include "app/windowsettingstarget.h"
#include "device/appversion.h"
#include "games/gameprofiles.h"
#include "history/restorejournal.h"
#include "history/snapshotrecorder.h"
#include "history/snapshotstore.h"
#include "settings/settingsfields.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using testsupport::frame;
namespace sim = vellox::sim;

namespace {

class WindowJournalTest : public QObject
{
    Q_OBJECT

private slots:
    void completedOnConnectOnce();
};

int snapshotValue(const Snapshot &snapshot, const char *key)
{
    for (const auto &value : snapshot.settings.values) {
        if (qstrcmp(value.first->key, key) == 0)
            return value.second;
    }
    return -1;
}

void WindowJournalTest::completedOnConnectOnce()
{
    QTemporaryDir runtime;
    QTemporaryDir state;
    QVERIFY(runtime.isValid() && state.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    const QString folder = state.filePath(QStringLiteral("vellox-wheel-setup"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    sim::reset();
    ControllerSettings before;
    std::memcpy(&before.effects, sim::record(0x22).data(), sizeof before.effects);
    QCOMPARE(int(before.effects.motion_range), 900);
    QCOMPARE(int(before.effects.total_effect_scale), 100);
    // A wrapper applied 540 and was killed: the controller still holds it.
    ControllerSettings applied = before;
    applied.effects.motion_range = 540;
    sim::Record held = sim::record(0x22);
    std::memcpy(held.data(), &applied.effects, sizeof applied.effects);
    sim::setRecord(0x22, held);
    const QString controller = QStringLiteral("045B:59D7");
    const QString firmware = versionText(softwareVersion());
    QString error;
    const QString killed = journalPath(folder, 0x7ffffff0);
    QVERIFY2(writeJournal(killed, makeJournal(before, applied, controller, firmware, {{0x7ffffff0, 1}}), &error),
             qPrintable(error));
    // Another one applied a scale of 80 that someone has changed back since.
    ControllerSettings scaled = before;
    scaled.effects.total_effect_scale = 80;
    const QString changed = journalPath(folder, 0x7ffffff1);
    QVERIFY(writeJournal(changed, makeJournal(before, scaled, controller, firmware, {{0x7ffffff1, 1}}), &error));
    const QByteArray changedBytes = testsupport::readFile(changed);

    MainWindow window;
    WindowSettingsTarget target(&window);
    WindowHistory history(&window, &target);
    // The game profiles hear of the settings only once the journal's writes
    // have settled, not with the others when the reads are done.
    bool gamesTooEarly = false;
    connect(&window, &MainWindow::settingsLoaded, this,
            [&] { gamesTooEarly = gamesTooEarly || window.gameProfiles()->isControllerLoaded(); });
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.gameProfiles()->isControllerLoaded(), 15000);
    QCOMPARE(listJournals(folder), QStringList{changed});
    QCOMPARE(testsupport::readFile(changed), changedBytes);
    QTRY_COMPARE(testsupport::settingWrites(), QList<QByteArray>{frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03})});
    QCOMPARE(int(window.effectSettings().motion_range), 900);
    QVERIFY(!gamesTooEarly);
    auto *notice = window.findChild<QLabel *>(QStringLiteral("restore_notice"));
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("The settings from before an interrupted game or launch wrapper were put "
                                            "back."));

    // The snapshot on connect shows what the controller held before the
    // journal put anything back.
    QTRY_VERIFY(!listSnapshotIds(history.recorder()->folder()).isEmpty());
    const auto snapshot = loadSnapshot(history.recorder()->folder(), listSnapshotIds(history.recorder()->folder()).first());
    QVERIFY(std::holds_alternative<Snapshot>(snapshot));
    QCOMPARE(std::get<Snapshot>(snapshot).header.reason, QStringLiteral("when the controller connected"));
    QCOMPARE(snapshotValue(std::get<Snapshot>(snapshot), "effects.motion_range"), 540);

    // Back with the journal's values again: nothing is put back a second time.
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!window.gameProfiles()->isControllerLoaded(), 10000);
    QVERIFY(notice->isHidden());
    sim::setRecord(0x22, held);
    sim::plug();
    QTRY_VERIFY_WITH_TIMEOUT(window.gameProfiles()->isControllerLoaded(), 15000);
    QTRY_COMPARE(int(window.effectSettings().motion_range), 540);
    QCOMPARE(testsupport::settingWrites().size(), 1);
    QVERIFY(notice->isHidden());
    QVERIFY(testsupport::noMisuse());
}

} // namespace

QTEST_MAIN(WindowJournalTest)
#include "test_windowjournal.moc"
