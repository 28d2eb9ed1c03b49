// SPDX-License-Identifier: GPL-3.0-or-later
// Reading processes from a /proc tree that holds hostile entries, the watch's
// start and end reports, and the rules' section of the INI file.

#include "games/gamerules.h"
#include "games/processwatch.h"
#include "tests/fakeproc.h"
#include "tests/testsupport.h"

#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QHash<qint64, RunningProcess> byPid(const QList<RunningProcess> &processes)
{
    QHash<qint64, RunningProcess> map;
    for (const RunningProcess &process : processes)
        map.insert(process.pid, process);
    return map;
}

} // namespace

class ProcessWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void namesFromHostileEntries();
    void watchReportsStartsEndsAndExecs();
    void rulesSectionRoundTripKeepsOtherKeys();
    void onlyTheUsersOwnProcesses_data();
    void onlyTheUsersOwnProcesses();
    // Last: it starts processes, after which the thread sanitizer lets this
    // process start no threads.
    void anotherUsersProgramIsNoGame();
};

void ProcessWatchTest::namesFromHostileEntries()
{
    FakeProc proc;
    QVERIFY(proc.add(100, "bash", "/usr/bin/bash"));
    // Wine rewrote the command line with blanks instead of NULs.
    QVERIFY(proc.add(101, "Race Pro.exe", "/opt/wine/bin/wine64-preloader", "C:\\Games\\Race Pro.exe -windowed"));
    // A huge command line without an .exe in what is read of it.
    QVERIFY(proc.add(102, "wine64-preloade", "/opt/wine/bin/wine64-preloader",
                     QByteArray(1 << 20, 'A') + "\0Late.exe", 7));
    // A Proton game: the short name is cut, the .exe name is whole.
    QVERIFY(proc.add(103, "Drift Simulator", "/x/wine64-preloader",
                     QByteArray("Z:\\games\\Drift Simulator 2024.exe\0-dx11\0", 41), 7));
    // Newline, not UTF-8, and a name longer than a short name may be.
    QVERIFY(proc.add(104, "evil\nname", "/x/\xff\xfe" + QByteArray(300, 'n')));
    // The short name holds ") (": the parent is found after the last ')'.
    QVERIFY(proc.add(105, "a) (b", "/x/odd", {}, 42));
    // The exe link leads nowhere readable and comm is missing: only stat.
    QVERIFY(QDir().mkpath(proc.root() + "/106"));
    QVERIFY(FakeProc::write(proc.root() + "/106/stat", "106 (x) S 1"));
    // Not process folders at all.
    QVERIFY(QDir().mkpath(proc.root() + "/107abc"));
    QVERIFY(QDir().mkpath(proc.root() + "/0"));
    QVERIFY(FakeProc::write(proc.root() + "/108", "a file, not a folder"));

    ProcFsSource source(proc.root());
    const auto seen = byPid(source.processes());
    QCOMPARE(seen.keys().size(), 6);
    QCOMPARE(seen.value(100).names, (QStringList{"bash"}));
    QCOMPARE(seen.value(100).parentPid, 1);
    QCOMPARE(seen.value(101).names, (QStringList{"wine64-preloader", "Race Pro.exe"}));
    QCOMPARE(seen.value(102).names, (QStringList{"wine64-preloader", "wine64-preloade"}));
    QCOMPARE(seen.value(103).names, (QStringList{"wine64-preloader", "Drift Simulator", "Drift Simulator 2024.exe"}));
    QCOMPARE(seen.value(105).parentPid, 42);
    // Hostile names are read as they are, but no rule can be made of them.
    const QStringList hostile = seen.value(104).names;
    QCOMPARE(hostile.size(), 2);
    QVERIFY(hostile.contains("evil\nname"));
    for (const QString &name : hostile)
        QVERIFY2(!GameRules::isAcceptableGameName(name), qPrintable(name));
    QVERIFY(!seen.contains(106) || seen.value(106).names.isEmpty());

    // Plain functions on their own edge cases.
    QCOMPARE(windowsExecutableName(QByteArray("wine\0C:/a/B.EXE\0", 16)), QString("B.EXE"));
    QCOMPARE(windowsExecutableName(QByteArray(".exe")), QString());
    QCOMPARE(windowsExecutableName(QByteArray("C:\\setup.exe.bak")), QString());
    QCOMPARE(parentPidFromStat("12 (x)"), 0);
    QCOMPARE(parentPidFromStat("12 (x) S -5 1"), 0);

    // A process that vanishes is gone at the next read; a young process that
    // exec'd into another program is read again.
    QVERIFY(proc.remove(101));
    QVERIFY(FakeProc::write(proc.root() + "/100/comm", "race.x86_64\n"));
    QFile::remove(proc.root() + "/100/exe");
    const auto later = byPid(source.processes());
    QVERIFY(!later.contains(101));
    QCOMPARE(later.value(100).names, (QStringList{"race.x86_64"}));
}

void ProcessWatchTest::watchReportsStartsEndsAndExecs()
{
    FakeProc proc;
    QVERIFY(proc.add(300, "steam", "/usr/bin/steam"));
    ProcessWatch watch(std::make_unique<ProcFsSource>(proc.root()));
    QList<qint64> started;
    QList<qint64> ended;
    connect(&watch, &ProcessWatch::processStarted, this,
            [&started](const RunningProcess &process) { started.append(process.pid); });
    connect(&watch, &ProcessWatch::processEnded, this, [&ended](qint64 pid) { ended.append(pid); });

    watch.pollNow();
    QCOMPARE(started, (QList<qint64>{300}));
    QVERIFY(proc.add(320, "b", "/g/b"));
    QVERIFY(proc.add(310, "a", "/g/a"));
    watch.pollNow();
    QCOMPARE(started, (QList<qint64>{300, 310, 320}));
    watch.pollNow();
    QCOMPARE(started.size(), 3);
    QVERIFY(ended.isEmpty());

    // exec: the same process id, another program.
    QFile::remove(proc.root() + "/310/exe");
    QVERIFY(::symlink("/g/game", QFile::encodeName(proc.root() + "/310/exe").constData()) == 0);
    QVERIFY(proc.remove(320));
    watch.pollNow();
    QCOMPARE(ended, (QList<qint64>{310, 320}));
    QCOMPARE(started, (QList<qint64>{300, 310, 320, 310}));

    // Switched off, everything counts as ended.
    watch.setActive(true);
    watch.setActive(false);
    std::sort(ended.begin(), ended.end());
    QCOMPARE(ended, (QList<qint64>{300, 310, 310, 320}));
}

void ProcessWatchTest::rulesSectionRoundTripKeepsOtherKeys()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    const QString ini = work.filePath("vellox-wheel-setup.ini");
    {
        QSettings other(ini, QSettings::IniFormat);
        other.setValue("skip_release_type", "R");
        other.setValue("skip_release_major", 25);
        other.setValue("Elsewhere/key", "value; with = odd [chars]");
    }
    QVERIFY(QDir().mkpath("wheel_effects_profiles"));
    QVERIFY(QDir().mkpath("wheel_periphery_profiles"));
    QVERIFY(FakeProc::write("wheel_effects_profiles/Race = #1", QByteArray(64, 0)));
    QVERIFY(FakeProc::write("wheel_periphery_profiles/Rig", QByteArray(128, 0)));
    QVERIFY(FakeProc::write("wheel_periphery_profiles/Short", QByteArray(100, 0)));

    GameRules rules(ini);
    const GameRule odd{"Ünïcode [game] = ; #x.exe", "Race = #1", "Rig"};
    QCOMPARE(rules.add(odd), GameRules::Result::Done);
    QCOMPARE(rules.add({"race.x86_64", QString(), "Rig"}), GameRules::Result::Done);
    QCOMPARE(rules.setDefaults(QString(), "Rig"), GameRules::Result::Done);
    QCOMPARE(rules.setWatchEnabled(false), GameRules::Result::Done);
    // The same Windows game in other letters replaces the rule.
    const GameRule replaced{"ÜNÏCODE [GAME] = ; #X.EXE", "Race = #1", QString()};
    QCOMPARE(rules.add(replaced), GameRules::Result::Done);

    const QByteArray before = testsupport::readFile(ini);
    QCOMPARE(rules.add({"bad\nname", "Race = #1", QString()}), GameRules::Result::RefusedGameName);
    QCOMPARE(rules.add({"a/b", "Race = #1", QString()}), GameRules::Result::RefusedGameName);
    QCOMPARE(rules.add({"no profile", QString(), QString()}), GameRules::Result::RefusedGameName);
    QCOMPARE(rules.add({"game", "Missing", QString()}), GameRules::Result::NoSuchEffectsProfile);
    QCOMPARE(rules.add({"game", QString(), "Short"}), GameRules::Result::NoSuchPeripheryProfile);
    QCOMPARE(rules.add({"game", QString(), "../wheel_effects_profiles/Race = #1"}),
             GameRules::Result::NoSuchPeripheryProfile);
    QCOMPARE(rules.remove("not there"), GameRules::Result::NoSuchRule);
    QCOMPARE(testsupport::readFile(ini), before);

    GameRules reread(ini);
    QCOMPARE(reread.rules(), (QList<GameRule>{replaced, {"race.x86_64", QString(), "Rig"}}));
    QCOMPARE(reread.defaults().peripheryProfile, QString("Rig"));
    QVERIFY(!reread.watchEnabled());
    QVERIFY(reread.ruleFor({"bash", "ünïcode [game] = ; #x.exe"}));
    QVERIFY(!reread.ruleFor({"RACE.X86_64"}));

    QCOMPARE(reread.remove("race.x86_64"), GameRules::Result::Done);
    QCOMPARE(GameRules(ini).rules(), (QList<GameRule>{replaced}));

    QSettings other(ini, QSettings::IniFormat);
    QCOMPARE(other.value("skip_release_type").toString(), QString("R"));
    QCOMPARE(other.value("skip_release_major").toInt(), 25);
    QCOMPARE(other.value("Elsewhere/key").toString(), QString("value; with = odd [chars]"));
    QVERIFY(QDir::setCurrent(previous));
}

void ProcessWatchTest::onlyTheUsersOwnProcesses_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<bool>("seen");
    const QByteArray me = QByteArray::number(::getuid());
    const QByteArray other = QByteArray::number(::getuid() + 1);
    QTest::newRow("mine") << "Name:\trace\nUid:\t" + me + "\t" + me + "\t" + me + "\t" + me + "\n" << true;
    QTest::newRow("another user's") << "Name:\trace\nUid:\t" + other + "\t" + other + "\t" + other + "\t" + other + "\n"
                                    << false;
    // Another user ran a set-user-id program of mine.
    QTest::newRow("started by another user") << "Uid:\t" + other + "\t" + me + "\t" + me + "\t" + me + "\n" << false;
    QTest::newRow("a name that looks like the owner")
        << "Name:\tUid:\t" + me + "\nUid:\t" + other + "\t" + other + "\n" << false;
    QTest::newRow("no owner") << QByteArray("Name:\trace\nState:\tS\n") << false;
    QTest::newRow("owner not a number") << "Uid:\t" + me + "x\t" + me + "\n" << false;
    QTest::newRow("owner too large") << QByteArray("Uid:\t99999999999999999999999\n") << false;
    QTest::newRow("no status") << QByteArray() << false;
}

void ProcessWatchTest::onlyTheUsersOwnProcesses()
{
    QFETCH(QByteArray, status);
    QFETCH(bool, seen);
    FakeProc proc;
    QVERIFY(proc.add(100, "race.x86_64", "/games/race.x86_64"));
    const QString statusPath = proc.root() + "/100/status";
    QVERIFY(status.isEmpty() ? QFile::remove(statusPath) : FakeProc::write(statusPath, status));
    QCOMPARE(byPid(ProcFsSource(proc.root()).processes()).contains(100), seen);
}

void ProcessWatchTest::anotherUsersProgramIsNoGame()
{
    if (::getuid() != 0)
        QSKIP("Starting a program as another user needs root.");
    QTemporaryDir folder;
    const QString game = folder.filePath("race.x86_64");
    QVERIFY(QFile::copy("/bin/sleep", game));
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(game).constData(), 0755) == 0);
    const auto start = [&game](uid_t uid) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::setgid(uid) == 0 && ::setuid(uid) == 0)
                ::execl(QFile::encodeName(game).constData(), "race.x86_64", "60", nullptr);
            ::_exit(127);
        }
        return pid;
    };
    const pid_t nobodys = start(65534);
    const pid_t mine = start(0);
    const auto cleanUp = qScopeGuard([&] {
        for (const pid_t pid : {nobodys, mine}) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    });
    QVERIFY(nobodys > 0 && mine > 0);
    const auto running = [](pid_t pid) {
        return testsupport::readFile(QStringLiteral("/proc/%1/comm").arg(pid)) == "race.x86_64\n";
    };
    QTRY_VERIFY_WITH_TIMEOUT(running(nobodys) && running(mine), 10000);

    const auto seen = byPid(ProcFsSource().processes());
    QVERIFY(seen.value(mine).names.contains("race.x86_64"));
    QVERIFY(!seen.contains(nobodys));
}

QTEST_GUILESS_MAIN(ProcessWatchTest)
#include "test_processwatch.moc"
