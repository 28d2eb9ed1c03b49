// SPDX-License-Identifier: GPL-3.0-or-later
// The profile files on disk: listing, names that must never leave the
// profile directory, short and broken files, and atomic saves.

#include "settings/profilestore.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testsupport::fileTree;
using testsupport::readFile;
using testsupport::writeFile;

class ProfileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsPlainFilesSortedIgnoringCase();
    void refusesNamesThatAreNotPlainFileNames();
    void loadsOnlyCompleteProfiles();
    void savesExactlyAndReplacesAtomically();
    void unusableDirectoryIsNeverReplacedByTheWorkingDirectory();

private:
    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
};

void ProfileStoreTest::init()
{
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir->path()));
}

void ProfileStoreTest::cleanup()
{
    QDir::setCurrent(previousDir);
    workDir.reset();
}

void ProfileStoreTest::listsPlainFilesSortedIgnoringCase()
{
    ProfileStore store("wheel_effects_profiles", 64);
    QVERIFY(store.isUsable());
    QVERIFY(QFileInfo(workDir->filePath("wheel_effects_profiles")).isDir());
    const QDir dir(store.directoryPath());
    for (const char *name : {"gamma", "Alpha", "beta", ".hidden"})
        writeFile(dir.filePath(name), QByteArray(64, 'x'));
    QVERIFY(dir.mkdir("subdirectory"));
    writeFile(workDir->filePath("outside"), QByteArray(64, 'o'));
    QVERIFY(QFile::link(workDir->filePath("outside"), dir.filePath("link-out")));
    QVERIFY(QFile::link(dir.filePath("gamma"), dir.filePath("link-in")));
    QVERIFY(QFile::link(workDir->path(), dir.filePath("link-dir")));

    QCOMPARE(store.names(), (QStringList{"Alpha", "beta", "gamma", "link-in"}));
    // A link that leads outside is not read either.
    QVERIFY(!store.load("link-out"));
    QVERIFY(!store.load("link-dir"));
    QVERIFY(!store.load("subdirectory"));
    QCOMPARE(store.load("link-in").value_or(QByteArray()), QByteArray(64, 'x'));
}

void ProfileStoreTest::refusesNamesThatAreNotPlainFileNames()
{
    ProfileStore store("wheel_periphery_profiles", 128);
    writeFile(workDir->filePath("victim"), QByteArray(128, 'v'));
    QVERIFY(QDir(workDir->path()).mkdir("sub"));
    writeFile(workDir->filePath("sub/victim"), QByteArray(128, 'v'));
    const QStringList before = fileTree(workDir->path());

    const QStringList hostile = {"", ".", "..", ".hidden", "../victim", "sub/victim", "..\\victim", "a\\b",
                                 workDir->filePath("victim"), "tab\there", "new\nline", QString(256, 'n'),
                                 QString(128, QChar(0x00E9))}; // 256 bytes as UTF-8
    for (const QString &name : hostile) {
        QVERIFY2(!ProfileStore::isAcceptableName(name), qPrintable(name));
        QVERIFY(!store.save(name, QByteArray(128, 'h')));
        QVERIFY(!store.load(name));
        QVERIFY(!store.remove(name));
    }
    QCOMPARE(fileTree(workDir->path()), before);

    for (const QString &name : {QString("Race"), QString("with space"), QString("ünïcödé"), QString(255, 'n'),
                                QString("a..b"), QString("trailing.")}) {
        QVERIFY2(ProfileStore::isAcceptableName(name), qPrintable(name));
        QVERIFY(store.save(name, QByteArray(128, 's')));
    }
}

void ProfileStoreTest::loadsOnlyCompleteProfiles()
{
    ProfileStore store("wheel_effects_profiles", 64);
    const QDir dir(store.directoryPath());
    writeFile(dir.filePath("short"), QByteArray(63, 's'));
    writeFile(dir.filePath("empty"), QByteArray());
    QByteArray longer(64, 'a');
    longer.append(QByteArray(10, 'z'));
    writeFile(dir.filePath("longer"), longer);

    QVERIFY(!store.load("missing"));
    QVERIFY(!store.load("short"));
    QVERIFY(!store.load("empty"));
    QCOMPARE(store.load("longer").value_or(QByteArray()), QByteArray(64, 'a'));
}

void ProfileStoreTest::savesExactlyAndReplacesAtomically()
{
    ProfileStore store("wheel_effects_profiles", 64);
    const QString path = QDir(store.directoryPath()).filePath("Race");
    QVERIFY(store.save("Race", QByteArray(64, '1')));
    QCOMPARE(readFile(path), QByteArray(64, '1'));
    QVERIFY(store.save("Race", QByteArray(64, '2')));
    QCOMPARE(readFile(path), QByteArray(64, '2'));
    // A save that cannot be carried out leaves the profile as it was.
    QVERIFY(!store.save("Race", QByteArray(10, '3')));
    QCOMPARE(readFile(path), QByteArray(64, '2'));
    QCOMPARE(store.names(), QStringList{"Race"});
    // No temporary files are left behind.
    QCOMPARE(QDir(store.directoryPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Race"});

    QVERIFY(store.remove("Race"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!store.remove("Race"));
}

void ProfileStoreTest::unusableDirectoryIsNeverReplacedByTheWorkingDirectory()
{
    // A plain file where the directory should be: nothing can be created.
    writeFile(workDir->filePath("wheel_effects_profiles"), "not a directory");
    writeFile(workDir->filePath("Race"), QByteArray(64, 'r'));
    const QStringList before = fileTree(workDir->path());

    ProfileStore store("wheel_effects_profiles", 64);
    QVERIFY(!store.isUsable());
    QVERIFY(store.names().isEmpty());
    QVERIFY(!store.load("Race"));
    QVERIFY(!store.save("New", QByteArray(64, 'n')));
    QVERIFY(!store.remove("Race"));
    QCOMPARE(fileTree(workDir->path()), before);
}

QTEST_GUILESS_MAIN(ProfileStoreTest)
#include "test_profilestore.moc"
