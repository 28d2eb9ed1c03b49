// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what the program expects, where it reads and writes:
// raw profiles of any size given on the command line, --output paths that
// are no files, and the INI file as a FIFO, a folder, a link, binary junk or
// with a count no file of its size can hold. The real program runs with the
// simulated controller preloaded; what is refused sends nothing and leaves
// the file as it was, and nothing hangs.

#include "app/mainwindow.h"
#include "settings/profilefile.h"
#include "settings/settingsrecords.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace sim = vellox::sim;

namespace {

struct Result {
    int status = -1; // -1: did not end in time, or crashed
    QByteArray out;
    QByteArray err;
};

// What lies at a path, links not followed: 'f' file, 'p' FIFO, 'd' folder,
// 'c' character device, 'l' link, '-' nothing.
char nodeType(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return '-';
    if (S_ISREG(status.st_mode))
        return 'f';
    if (S_ISFIFO(status.st_mode))
        return 'p';
    if (S_ISDIR(status.st_mode))
        return 'd';
    if (S_ISCHR(status.st_mode))
        return 'c';
    return S_ISLNK(status.st_mode) ? 'l' : '?';
}

// Puts a node of this shape at path; false when this user cannot make it.
bool makeNode(const QString &shape, const QString &path, const QByteArray &content = {})
{
    const QByteArray name = QFile::encodeName(path);
    if (shape == QLatin1String("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (shape == QLatin1String("folder"))
        return QDir().mkdir(path);
    // The same device as /dev/null, in the test's own folder: replacing it
    // by mistake harms nothing.
    if (shape == QLatin1String("device"))
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (shape == QLatin1String("link to fifo"))
        return ::mkfifo((name + ".target").constData(), 0600) == 0
            && ::symlink((name + ".target").constData(), name.constData()) == 0;
    if (shape == QLatin1String("link to file")) {
        testsupport::writeFile(path + QStringLiteral(".target"), content);
        return ::symlink((name + ".target").constData(), name.constData()) == 0;
    }
    // Planted in a shared folder by another user: only root can make one.
    if (shape == QLatin1String("another user's link to file")) {
        testsupport::writeFile(path + QStringLiteral(".target"), content);
        return ::symlink((name + ".target").constData(), name.constData()) == 0
            && ::lchown(name.constData(), 65534, 65534) == 0;
    }
    if (shape == QLatin1String("file")) {
        testsupport::writeFile(path, content);
        return true;
    }
    return shape == QLatin1String("missing");
}

// A stored effects profile that differs from the controller's settings.
QByteArray rallyProfile()
{
    EffectSettingsTypeDef effects;
    const sim::Record record = sim::record(0x22);
    std::memcpy(&effects, record.data(), sizeof effects);
    effects.motion_range = 540;
    return QByteArray(reinterpret_cast<const char *>(&effects), sizeof effects);
}

class HostileFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    // First: once this process has started a program, the thread sanitizer
    // refuses to let it start threads of its own.
    void windowGoesOnWithoutAnUnreadableIni();
    void rawProfileFileIsExactlyOneRecord_data();
    void rawProfileFileIsExactlyOneRecord();
    void exportWritesOnlyFilesOrStandardOutput_data();
    void exportWritesOnlyFilesOrStandardOutput();
    void gameRulesWithIniOfAnyShape_data();
    void gameRulesWithIniOfAnyShape();

private:
    Result run(const QStringList &arguments) const;
    QList<QByteArray> writes() const;
    QString path(const char *name) const { return work->filePath(QString::fromUtf8(name)); }

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> runtime;
};

Result HostileFilesTest::run(const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELLOX_SIM_PATH));
    env.insert(QStringLiteral("VELLOX_SIM_LOG"), path("sim.log"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(work->path());
    process.start(QStringLiteral(VELLOX_APP_PATH), arguments);
    Result result;
    // Each of these commands ends at once; a hang is the fault looked for.
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

// The simulator's log lines of writes to the controller.
QList<QByteArray> HostileFilesTest::writes() const
{
    QList<QByteArray> lines = testsupport::readFile(path("sim.log")).split('\n');
    lines.removeIf([](const QByteArray &line) { return !line.contains(" hid_write "); });
    return lines;
}

void HostileFilesTest::init()
{
    work = std::make_unique<QTemporaryDir>();
    runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid() && runtime->isValid());
    sim::reset();
    QVERIFY(QDir(work->path()).mkdir(QStringLiteral("wheel_effects_profiles")));
    testsupport::writeFile(path("wheel_effects_profiles/Rally"), rallyProfile());
}

void HostileFilesTest::windowGoesOnWithoutAnUnreadableIni()
{
    // The window reads the INI from its working folder.
    const QString ini = QDir::current().filePath(QStringLiteral("vellox-wheel-setup.ini"));
    QFile::remove(ini);
    QVERIFY(makeNode(QStringLiteral("fifo"), ini));
    {
        MainWindow window;
        auto *status = window.findChild<QLabel *>(QStringLiteral("game_profiles_status"));
        QVERIFY(status);
        QVERIFY2(status->text().contains(QLatin1String("not a regular file")), qPrintable(status->text()));
    }
    QCOMPARE(nodeType(ini), 'p');
    QVERIFY(QFile::remove(ini));
}

void HostileFilesTest::rawProfileFileIsExactlyOneRecord_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("status");
    QByteArray noise(5000, Qt::Uninitialized);
    QRandomGenerator random(22);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("5000 bytes of noise") << "input" << noise << 2;
    QTest::newRow("129 bytes") << "input" << noise.left(129) << 2;
    QTest::newRow("an environment") << "/proc/self/environ" << QByteArray() << 2;
    // The value is quoted in the message; the terminal must not act on it.
    QTest::newRow("terminal controls in a value")
        << "input" << QByteArray("# Vellox Wheel Setup settings: effects\neffects.motion_range = \x1b]0;x\x07\xc2\x9b" "31m\n")
        << 2;
    // The two sizes a stored profile has are taken.
    QTest::newRow("64 bytes of effects") << "input" << rallyProfile() << 0;
    QTest::newRow("128 bytes of periphery")
        << "input" << rawProfileBytes(SettingsTextKind::Periphery, ControllerSettings{}) << 0;
}

void HostileFilesTest::rawProfileFileIsExactlyOneRecord()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    if (!content.isEmpty())
        testsupport::writeFile(work->filePath(file), content);
    const Result result = run({"--profile", file});
    QVERIFY2(result.status == status, result.err.constData());
    if (status == 2) {
        QVERIFY2(result.err.startsWith("vellox-wheel-setup: "), result.err.constData());
        QCOMPARE(writes(), QList<QByteArray>());
        for (const char *control : {"\x1b", "\x07", "\xc2\x9b"})
            QVERIFY2(!result.err.contains(control), result.err.constData());
    } else if (content == rallyProfile()) {
        QVERIFY(!writes().isEmpty());
    }
}

void HostileFilesTest::exportWritesOnlyFilesOrStandardOutput_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::newRow("fifo") << "fifo" << "out" << 2;
    QTest::newRow("folder") << "folder" << "out" << 2;
    QTest::newRow("device") << "device" << "out" << 2;
    QTest::newRow("link to a fifo") << "link to fifo" << "out" << 2;
    QTest::newRow("another user's link") << "another user's link to file" << "out" << 2;
    QTest::newRow("dash is standard output") << "missing" << "-" << 0;
    QTest::newRow("regular file is replaced") << "file" << "out" << 0;
    QTest::newRow("new path") << "missing" << "out" << 0;
}

void HostileFilesTest::exportWritesOnlyFilesOrStandardOutput()
{
    QFETCH(QString, shape);
    QFETCH(QString, output);
    QFETCH(int, status);
    const QString target = work->filePath(output);
    if (!makeNode(shape, target, "old\n"))
        QSKIP("This user cannot make that kind of node.");
    const char before = nodeType(target);
    const Result result = run({"--export", "effects:Rally", "--output", output});
    QVERIFY2(result.status == status, result.err.constData());
    if (status == 2) {
        QVERIFY2(result.err.startsWith("vellox-wheel-setup: "), result.err.constData());
        QCOMPARE(nodeType(target), before);
        QVERIFY(result.out.isEmpty());
        if (nodeType(target + QStringLiteral(".target")) == 'f')
            QCOMPARE(testsupport::readFile(target + QStringLiteral(".target")), QByteArray("old\n"));
    } else if (output == QLatin1String("-")) {
        QVERIFY(result.out.startsWith("# Vellox Wheel Setup settings: effects\n"));
        QCOMPARE(nodeType(target), '-');
    } else {
        QVERIFY(result.out.isEmpty());
        QVERIFY(testsupport::readFile(target).contains("\neffects.motion_range = 540\n"));
    }
    QDir(target).removeRecursively();
}

void HostileFilesTest::gameRulesWithIniOfAnyShape_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("listed");
    QTest::addColumn<int>("addStatus");
    const QByteArray rule("[GameProfiles]\nrules\\1\\game=race\nrules\\1\\effects=Rally\nrules\\size=1\n");
    // A section header that never closes: QSettings cannot parse it.
    const QByteArray junk = QByteArray("\x89PNG\r\n\x1a\n[\xff\xfe", 12) + QByteArray(300, '\x01');
    QTest::newRow("fifo") << "fifo" << QByteArray() << QByteArray() << 1;
    QTest::newRow("folder") << "folder" << QByteArray() << QByteArray() << 1;
    QTest::newRow("link to fifo") << "link to fifo" << QByteArray() << QByteArray() << 1;
    QTest::newRow("binary junk") << "file" << junk << QByteArray() << 1;
    // Section headers that close: only the lines within the sections are wrong.
    QTest::newRow("a line that is no key")
        << "file" << QByteArray("[GameProfiles]\nwatch=true\nno key here\n") << QByteArray() << 1;
    QByteArray noise(4000, Qt::Uninitialized);
    QRandomGenerator random(8);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("4000 bytes of noise") << "file" << noise << QByteArray() << 1;
    QTest::newRow("two billion rules in 40 bytes")
        << "file" << QByteArray("[GameProfiles]\nrules\\size=2000000000\n") << QByteArray() << 0;
    QTest::newRow("a million rules, one there")
        << "file" << QByteArray(rule).replace("size=1", "size=1000000") << QByteArray("race\tRally\t\n") << 0;
    QTest::newRow("link to a file") << "link to file" << rule << QByteArray("race\tRally\t\n") << 0;
    QTest::newRow("missing") << "missing" << QByteArray() << QByteArray() << 0;
}

void HostileFilesTest::gameRulesWithIniOfAnyShape()
{
    QFETCH(QString, shape);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, listed);
    QFETCH(int, addStatus);
    const QString ini = path("vellox-wheel-setup.ini");
    QVERIFY(makeNode(shape, ini, content));
    const char type = nodeType(ini);
    // Opening a FIFO to read it would wait for a writer.
    const bool plain = shape == QLatin1String("file") || shape == QLatin1String("link to file");
    const QByteArray bytes = plain ? testsupport::readFile(ini) : QByteArray();
    const bool refused = addStatus != 0;

    const Result list = run({"--game-rule", "list"});
    QCOMPARE(list.status, 0);
    QCOMPARE(list.out, listed);
    // A file that is not used is named on stderr.
    QCOMPARE(list.err.contains("vellox-wheel-setup: The settings file "), refused);

    const Result add = run({"--game-rule", "add", "new.exe", "effects:Rally"});
    QVERIFY2(add.status == addStatus, add.err.constData());
    QCOMPARE(nodeType(ini), type == '-' ? 'f' : type);
    if (refused) {
        // Not a byte written.
        if (plain)
            QCOMPARE(testsupport::readFile(ini), bytes);
        QVERIFY2(add.err.contains("The settings file could not be written."), add.err.constData());
    } else {
        QCOMPARE(run({"--game-rule", "list"}).out, listed + "new.exe\tRally\t\n");
    }
    QCOMPARE(writes(), QList<QByteArray>());
}

} // namespace

QTEST_MAIN(HostileFilesTest)
#include "test_hostilefiles.moc"
