// SPDX-License-Identifier: GPL-3.0-or-later
// What a Linux desktop needs from the tool: a hint when the controller is
// there but may not be opened, a per-user data folder for menu starts, and an
// orderly end on termination signals.

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "cli/terminationsignals.h"
#include "device/deviceaccess.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/appfiles.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <vector>

#include <unistd.h>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

std::vector<sim::CallRecord> opens()
{
    std::vector<sim::CallRecord> found;
    for (const auto &call : sim::calls()) {
        if (call.call == sim::HidCall::OpenPath)
            found.push_back(call);
    }
    return found;
}

QLabel *accessHint(MainWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("device_access_hint"));
}

bool hintShown(MainWindow &window)
{
    QLabel *hint = accessHint(window);
    return hint && hint->isVisible() && window.statusBar()->isVisible();
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void deniedControllerShowsHintUntilItConnects();
    void otherOpenFailuresShowNoHint();
    void permissionProblemIsToldApart();
    void unreadableNodeIsDeniedForOrdinaryUsers();
    void dataHomeOptionIsTakenOut();
    void userDataFolderFollowsXdg_data();
    void userDataFolderFollowsXdg();
    void dataFolderIsCreatedAndEntered();
    void terminationSignalsArriveOnTheGuiThread_data();
    void terminationSignalsArriveOnTheGuiThread();
};

void DesktopTest::deniedControllerShowsHintUntilItConnects()
{
    sim::reset();
    sim::Faults denied;
    denied.denyOpen = true;
    sim::setFaults(denied);
    MainWindow window;
    window.show();
    const QSize size = window.size();

    QTRY_VERIFY_WITH_TIMEOUT(hintShown(window), 5000);
    QVERIFY(accessHint(window)->text().contains(QString::fromStdString(sim::nodePath())));
    QVERIFY(accessHint(window)->text().contains(QLatin1String("found but not permitted")));
    // Nothing else changes: still idle, no dialog, same size, nothing read.
    QVERIFY(looksIdle(window));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(window.size(), size);
    QVERIFY(featureReadIds().isEmpty());

    // The link keeps trying once per enumeration period, as before, and the
    // hint stays while it does.
    const std::size_t attempts = opens().size();
    QTRY_VERIFY_WITH_TIMEOUT(opens().size() >= attempts + 2, 5000);
    const auto tries = opens();
    const auto gap = tries[attempts + 1].begin - tries[attempts].begin;
    QVERIFY2(gap >= std::chrono::milliseconds(900), "open attempts came faster than once a second");
    QVERIFY(hintShown(window));
    QVERIFY(looksIdle(window));

    // Once the permission is there (the rule applied), the next try connects.
    sim::setFaults({});
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
    QVERIFY(!hintShown(window));
    QVERIFY(!window.statusBar()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(featureReadIds(), (QList<int>{0x25, 0x21, 0xA2, 0xA1, 0x22}), 5000);

    // Denied again after an unplug: the hint comes back for the new attempt.
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(window), 5000);
    sim::setFaults(denied);
    sim::plug();
    QTRY_VERIFY_WITH_TIMEOUT(hintShown(window), 5000);
}

void DesktopTest::otherOpenFailuresShowNoHint()
{
    sim::reset();
    sim::Faults failing;
    failing.failOpen = true; // EIO on a node this user may read and write
    sim::setFaults(failing);
    MainWindow window;
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(opens().size() >= 2, 5000);
    QVERIFY(!accessHint(window));
    QVERIFY(!window.findChild<QStatusBar *>());
    QVERIFY(looksIdle(window));
}

void DesktopTest::permissionProblemIsToldApart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray node = QFile::encodeName(dir.filePath(QStringLiteral("hidraw7")));
    QFile file(QString::fromLocal8Bit(node));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray gone = QFile::encodeName(dir.filePath(QStringLiteral("hidraw8")));

    // The open's own answer counts even where access() cannot tell.
    QVERIFY(deviceNodeAccessDenied(node.constData(), EACCES));
    QVERIFY(deviceNodeAccessDenied(node.constData(), EPERM));
    QVERIFY(deviceNodeAccessDenied(nullptr, EACCES));
    // An accessible node, a vanished node or another failure is no permission problem.
    QVERIFY(!deviceNodeAccessDenied(node.constData(), 0));
    QVERIFY(!deviceNodeAccessDenied(node.constData(), EIO));
    QVERIFY(!deviceNodeAccessDenied(gone.constData(), 0));
    QVERIFY(!deviceNodeAccessDenied(gone.constData(), ENOENT));
    QVERIFY(!deviceNodeAccessDenied(nullptr, 0));
}

void DesktopTest::unreadableNodeIsDeniedForOrdinaryUsers()
{
    if (::geteuid() == 0)
        QSKIP("root may read and write any node; the open's errno covers it (see permissionProblemIsToldApart)");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hidraw7"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner)); // readable, not writable
    // errno lost inside hidapi: access() alone has to tell.
    QVERIFY(deviceNodeAccessDenied(QFile::encodeName(path).constData(), 0));
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!deviceNodeAccessDenied(QFile::encodeName(path).constData(), 0));
}

void DesktopTest::dataHomeOptionIsTakenOut()
{
    char program[] = "vellox-wheel-setup";
    char option[] = "--data-home";
    char advanced[] = "advanced";
    char other[] = "--data-home=x";
    {
        char *argv[] = {program, option, advanced, nullptr};
        int argc = 3;
        QVERIFY(takeDataHomeOption(argc, argv));
        QCOMPARE(argc, 2);
        QCOMPARE(QByteArray(argv[1]), QByteArray("advanced"));
        QCOMPARE(argv[2], nullptr);
    }
    {
        char *argv[] = {program, advanced, other, option, nullptr};
        int argc = 4;
        QVERIFY(takeDataHomeOption(argc, argv));
        QCOMPARE(argc, 3);
        QCOMPARE(QByteArray(argv[1]), QByteArray("advanced"));
        QCOMPARE(QByteArray(argv[2]), QByteArray("--data-home=x"));
    }
    {
        // The program name is never taken, whatever it is called.
        char *argv[] = {option, advanced, nullptr};
        int argc = 2;
        QVERIFY(!takeDataHomeOption(argc, argv));
        QCOMPARE(argc, 2);
        QCOMPARE(QByteArray(argv[0]), QByteArray("--data-home"));
    }
}

void DesktopTest::userDataFolderFollowsXdg_data()
{
    QTest::addColumn<bool>("state");
    QTest::addColumn<QString>("xdgHome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("data set") << false << "/srv/data" << "/srv/data/vellox-wheel-setup";
    QTest::newRow("data trailing slash") << false << "/srv/data/" << "/srv/data/vellox-wheel-setup";
    QTest::newRow("data unset") << false << "" << "/home/ann/.local/share/vellox-wheel-setup";
    QTest::newRow("data relative is ignored") << false << "data" << "/home/ann/.local/share/vellox-wheel-setup";
    QTest::newRow("state set") << true << "/srv/state/" << "/srv/state/vellox-wheel-setup";
    QTest::newRow("state unset") << true << "" << "/home/ann/.local/state/vellox-wheel-setup";
    QTest::newRow("state relative is ignored") << true << "state" << "/home/ann/.local/state/vellox-wheel-setup";
}

void DesktopTest::userDataFolderFollowsXdg()
{
    QFETCH(bool, state);
    QFETCH(QString, xdgHome);
    QFETCH(QString, folder);
    const QString home = QStringLiteral("/home/ann");
    QCOMPARE(state ? appfiles::stateFolder(xdgHome, home) : appfiles::userDataFolder(xdgHome, home), folder);
}

void DesktopTest::dataFolderIsCreatedAndEntered()
{
    const QString before = QDir::currentPath();
    QTemporaryDir dir;
    const QString folder = appfiles::userDataFolder(dir.path() + QStringLiteral("/share"), QStringLiteral("/nonexistent"));
    QVERIFY(enterDataFolder(folder));
    QCOMPARE(QDir::currentPath(), folder);
    // A folder that cannot be made leaves the working directory alone.
    const QString blocked = dir.filePath(QStringLiteral("file"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!enterDataFolder(blocked + QStringLiteral("/vellox-wheel-setup")));
    QCOMPARE(QDir::currentPath(), folder);
    QVERIFY(QDir::setCurrent(before));
}

void DesktopTest::terminationSignalsArriveOnTheGuiThread_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void DesktopTest::terminationSignalsArriveOnTheGuiThread()
{
    QFETCH(int, signalNumber);
    TerminationSignalWatcher watcher;
    QVERIFY(watcher.isWatching());
    QThread *receivedOn = nullptr;
    int received = 0;
    connect(&watcher, &TerminationSignalWatcher::terminationRequested, this, [&](int number) {
        receivedOn = QThread::currentThread();
        received = number;
    });
    QCOMPARE(::raise(signalNumber), 0); // the process would end here without the watcher
    QTRY_COMPARE_WITH_TIMEOUT(received, signalNumber, 5000);
    QCOMPARE(receivedOn, QCoreApplication::instance()->thread());
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
