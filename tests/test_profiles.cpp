// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles as the user works with them on the Effects and Periphery tabs:
// listing, saving, picking (one write per differing field, ADC before GPIO),
// deleting, and names or files that must not do harm.

#include "app/mainwindow.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "tests/editortestsupport.h"
#include "tests/testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;
using editortest::hex;
using editortest::settledSettingWrites;
using editortest::typeInto;
using editortest::uint8Write;
namespace sim = vellox::sim;

namespace {

const QString effectsDir = QStringLiteral("wheel_effects_profiles");
const QString peripheryDir = QStringLiteral("wheel_periphery_profiles");

QStringList items(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

QComboBox *profileCombo(QWidget *editor)
{
    return editor->findChild<QComboBox *>("profile_combo_box");
}

// Types a name into the profile field and presses Enter: picks a listed
// profile, or asks for one that is not there.
void pick(QWidget *editor, const QString &name)
{
    QLineEdit *edit = profileCombo(editor)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

void clickButton(QWidget *editor, const char *name, const QString &profileName)
{
    QLineEdit *edit = profileCombo(editor)->lineEdit();
    edit->selectAll();
    if (profileName.isEmpty())
        edit->clear();
    else
        QTest::keyClicks(edit, profileName);
    editor->findChild<QPushButton *>(name)->click();
}

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsFilesSortedWithNothingSelected();
    void savingWritesTheRecordAndSendsNothing();
    void pickingSendsOnlyTheFieldsThatDiffer();
    void peripheryProfileSendsAdcFieldsBeforeGpioFields();
    void deletingRemovesTheFileAndClearsTheField();
    void hostileNamesAndBrokenFilesDoNoHarm();
    void unusableProfileDirectoryIsNeverReplacedByTheWorkingDirectory();

private:
    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    FullEffectSettingsWidget *effects = nullptr;
    GpioExtensionWidget *periphery = nullptr;

    bool openWindow();
};

void ProfilesTest::init()
{
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir->path()));
}

void ProfilesTest::cleanup()
{
    window.reset();
    QVERIFY(noMisuse());
    QDir::setCurrent(previousDir);
    workDir.reset();
}

bool ProfilesTest::openWindow()
{
    window = connectedWindow();
    if (!window)
        return false;
    effects = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    periphery = window->findChild<GpioExtensionWidget *>("gpio_extension_widget");
    sim::clearLog();
    return effects && periphery;
}

void ProfilesTest::listsFilesSortedWithNothingSelected()
{
    for (const QString &dir : {effectsDir, peripheryDir}) {
        QVERIFY(QDir::current().mkdir(dir));
        for (const char *name : {"gamma", "Alpha", "beta", ".hidden"})
            writeFile(dir + "/" + name, QByteArray(128, 0));
        QVERIFY(QDir(dir).mkdir("subdirectory"));
    }
    QVERIFY(openWindow());
    for (QWidget *editor : {static_cast<QWidget *>(effects), static_cast<QWidget *>(periphery)}) {
        QComboBox *combo = profileCombo(editor);
        QCOMPARE(items(combo), (QStringList{"Alpha", "beta", "gamma"}));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
    }
}

void ProfilesTest::savingWritesTheRecordAndSendsNothing()
{
    QVERIFY(openWindow());
    QVERIFY(QFileInfo(effectsDir).isDir());
    QVERIFY(QFileInfo(peripheryDir).isDir());
    typeInto(effects->findChild<QSpinBox *>("motion_range_axis0"), "900");
    settledSettingWrites(*window);
    sim::clearLog();

    clickButton(effects, "profile_save_button", "Race");
    const QByteArray saved = readFile(effectsDir + "/Race");
    QCOMPARE(saved.size(), 64);
    QCOMPARE(saved.left(2).toHex(' '), QByteArray("84 03"));
    QCOMPARE(saved.mid(14), QByteArray(50, 0));
    QCOMPARE(items(profileCombo(effects)), QStringList{"Race"});
    QCOMPARE(profileCombo(effects)->currentIndex(), 0);
    QCOMPARE(settledSettingWrites(*window), QList<QByteArray>{});

    // Saving again replaces the file; the list still holds one Race.
    effects->findChild<QSpinBox *>("total_effect_scale_axis0")->setValue(70);
    clickButton(effects, "profile_save_button", "Race");
    QCOMPARE(static_cast<uint8_t>(readFile(effectsDir + "/Race").at(6)), uint8_t(70));
    QCOMPARE(items(profileCombo(effects)), QStringList{"Race"});

    clickButton(periphery, "profile_save_button", "Rig");
    QCOMPARE(readFile(peripheryDir + "/Rig").size(), 128);
}

void ProfilesTest::pickingSendsOnlyTheFieldsThatDiffer()
{
    QVERIFY(openWindow());
    effects->findChild<QSpinBox *>("total_effect_scale_axis0")->setValue(70);
    clickButton(effects, "profile_save_button", "Race");
    settledSettingWrites(*window);
    sim::clearLog();

    // The controls already equal the profile: nothing is sent.
    pick(effects, "Race");
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});

    effects->findChild<QSlider *>("horizontalSlider_2")->setValue(30);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(4, 30)}));
    sim::clearLog();
    pick(effects, "Race");
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(4, 70)}));
    QCOMPARE(effects->findChild<QSpinBox *>("total_effect_scale_axis0")->value(), 70);
    QCOMPARE(profileCombo(effects)->currentText(), QStringLiteral("Race"));
}

void ProfilesTest::peripheryProfileSendsAdcFieldsBeforeGpioFields()
{
    QVERIFY(openWindow());
    clickButton(periphery, "profile_save_button", "Rig");
    QByteArray content = readFile(peripheryDir + "/Rig");
    QCOMPARE(content.size(), 128);
    // GPIO: pin 3 (element 2) becomes "SPI CS"; ADC: the Ry lower dead zone 300.
    content[64 + 1 + 2] = 3;
    content[2] = 0x2C;
    content[3] = 0x01;
    writeFile(peripheryDir + "/Rig", content);
    settledSettingWrites(*window);
    sim::clearLog();

    pick(periphery, "Rig");
    QCOMPARE(hex(settledSettingWrites(*window)),
             hex({frame({0xA3, 0x14, 34, 0x01, 0x2C, 0x01}), frame({0xA3, 0x14, 28, 0x02, 0x03})}));
}

void ProfilesTest::deletingRemovesTheFileAndClearsTheField()
{
    QVERIFY(QDir::current().mkdir(effectsDir));
    writeFile(effectsDir + "/Race", QByteArray(64, 0));
    writeFile(effectsDir + "/Street", QByteArray(64, 0));
    QVERIFY(openWindow());
    clickButton(effects, "profile_delete_button", "Race");
    QVERIFY(!QFile::exists(effectsDir + "/Race"));
    QCOMPARE(items(profileCombo(effects)), QStringList{"Street"});
    QCOMPARE(profileCombo(effects)->currentIndex(), -1);
    QCOMPARE(profileCombo(effects)->currentText(), QString());
    // An empty field or an unknown name removes nothing.
    clickButton(effects, "profile_delete_button", QString());
    clickButton(effects, "profile_delete_button", "Nothing");
    QCOMPARE(items(profileCombo(effects)), QStringList{"Street"});
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

void ProfilesTest::hostileNamesAndBrokenFilesDoNoHarm()
{
    QVERIFY(QDir::current().mkdir(effectsDir));
    writeFile(effectsDir + "/Short", QByteArray(10, 0x7F));
    writeFile("victim", QByteArray(64, 0x33));
    QVERIFY(openWindow());
    const QStringList before = fileTree(QDir::currentPath());
    EffectSettingsTypeDef shown;
    effects->effectSettingsFromUi(&shown);

    for (const QString &name : {QStringLiteral("../victim"), QStringLiteral(".."), QStringLiteral(".hidden"),
                                QStringLiteral("a/b"), QStringLiteral("..\\victim"), QString(300, 'x')}) {
        clickButton(effects, "profile_save_button", name);
        pick(effects, name);
        clickButton(effects, "profile_delete_button", name);
        // The user is told where they type.
        QVERIFY(!profileCombo(effects)->lineEdit()->toolTip().isEmpty());
    }
    // A file too short to be a profile moves nothing.
    pick(effects, "Short");
    pick(effects, "Missing");

    QCOMPARE(fileTree(QDir::currentPath()), before);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
    EffectSettingsTypeDef after;
    effects->effectSettingsFromUi(&after);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&after), 64).toHex(),
             QByteArray(reinterpret_cast<const char *>(&shown), 64).toHex());

    // An acceptable name clears the hint again.
    clickButton(effects, "profile_save_button", "Fine");
    QVERIFY(profileCombo(effects)->lineEdit()->toolTip().isEmpty());
    QVERIFY(QFile::exists(effectsDir + "/Fine"));
}

void ProfilesTest::unusableProfileDirectoryIsNeverReplacedByTheWorkingDirectory()
{
    writeFile(effectsDir, "a file where the directory should be");
    writeFile("Race", QByteArray(64, 0x11));
    QVERIFY(openWindow());
    const QStringList before = fileTree(QDir::currentPath());
    QCOMPARE(profileCombo(effects)->count(), 0);
    clickButton(effects, "profile_save_button", "New");
    pick(effects, "Race");
    clickButton(effects, "profile_delete_button", "Race");
    QCOMPARE(fileTree(QDir::currentPath()), before);
    QCOMPARE(hex(settledSettingWrites(*window)), QStringList{});
}

QTEST_MAIN(ProfilesTest)
#include "test_profiles.moc"
