// SPDX-License-Identifier: GPL-3.0-or-later
// Game profiles through the real window and the simulated controller, with
// games that exist only in a fake /proc tree: the frames a game's start and
// end send, two games at once, a controller that arrives while a game runs,
// a broken profile, and the dialog with hostile process names. Later starts
// reach the window's game profiles through the running instance's socket;
// their launch wrappers and the rule games are layers on one keeper, with a
// restore journal while any is on.

#include "app/mainwindow.h"
#include "app/windowsettingstarget.h"
#include "cli/commandline.h"
#include "cli/instanceserver.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "games/gameprofiles.h"
#include "games/gameprofilesdialog.h"
#include "games/settingslayerkeeper.h"
#include "history/restorejournal.h"
#include "tests/editortestsupport.h"
#include "tests/fakeproc.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <future>

using namespace testsupport;
using editortest::hex;
namespace sim = vellox::sim;

namespace {

QByteArray motionRange(int value)
{
    return frame({0xA3, 0x14, SETTINGS_FIELD_MOTION_RANGE, 0, value & 0xFF, value >> 8});
}

QByteArray totalScale(int value)
{
    return frame({0xA3, 0x14, SETTINGS_FIELD_TOTAL_EFFECT_SCALE, 0, value});
}

QByteArray smoothing(int axis, int value)
{
    return frame({0xA3, 0x14, SETTINGS_FIELD_ANALOG_SMOOTHING, axis, value});
}

QByteArray buttonMode(int button, int value)
{
    return frame({0xA3, 0x14, SETTINGS_FIELD_BUTTON_MODE, button, value});
}

template <typename Record>
QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

template <typename Record>
Record recordFrom(uint8_t reportId)
{
    Record record;
    const sim::Record bytes = sim::record(reportId);
    std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

const QString race = QStringLiteral("race.x86_64");
const QString drift = QStringLiteral("Drift Simulator 2024.exe");

// Asks from another thread, as a second process would, while this thread's
// event loop serves the window and the socket.
CommandAnswer ask(const instancemessage::Request &request)
{
    auto answer = std::async(std::launch::async, [&] { return askRunningInstance(request, 30000); });
    if (!QTest::qWaitFor([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30000))
        qFatal("no answer from the running window");
    const std::optional<CommandAnswer> result = answer.get();
    if (!result)
        qFatal("the running window did not listen");
    return *result;
}

} // namespace

class GameProfilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gameStartSendsTheProfilePickAndItsEndPutsTheSettingsBack();
    void theGameStartedLastWinsUntilItEnds();
    void controllerArrivingDuringTheGameGetsItsProfiles();
    void brokenProfileSendsNothingAndSaysWhy();
    void dialogTakesRulesAndSurvivesHostileNames();
    void gameUnderTheLaunchWrapperIsLeftToIt();
    void ruleFromALaterStartTakesEffectAtOnce();
    void wrappedGameIsAppliedOnce();
    void wrapperAndGameOverlap_data();
    void wrapperAndGameOverlap();
    void gameWaitsForAWrapperWhoseWritesAreUnderWay();
    void changedRuleOfARunningGameGoesOnAgain();
    void wrapperEndingAfterAReconnectKeepsTheGamesSettings();
    void lastEndBringsBackTheSettingsFromBeforeOrTheDefaults_data();
    void lastEndBringsBackTheSettingsFromBeforeOrTheDefaults();

private:
    // The settings writes since the last call, once all have arrived;
    // fails the test when any frame asked the controller to save.
    QList<QByteArray> takeWrites();
    void startGame(qint64 pid, const QString &game);
    // The window becomes the running instance that later starts talk to.
    void listen();

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<FakeProc> proc;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTemporaryDir> runtimeDir;
    std::unique_ptr<WindowSettingsTarget> target;
    std::unique_ptr<InstanceServer> server;
    GameProfiles *games = nullptr;
    QByteArray effectsBefore, adcBefore, gpioBefore;
};

void GameProfilesTest::init()
{
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir->path()));
    QVERIFY(QDir().mkpath("wheel_effects_profiles") && QDir().mkpath("wheel_periphery_profiles"));

    sim::reset();
    // Profiles that differ from the controller's settings in known fields.
    auto effects = recordFrom<EffectSettingsTypeDef>(0x22);
    QCOMPARE(effects.motion_range, 900);
    QCOMPARE(effects.total_effect_scale, 100);
    effects.motion_range = 540;
    effects.total_effect_scale = 70;
    writeFile("wheel_effects_profiles/Race", bytesOf(effects));
    effects.motion_range = 1080;
    writeFile("wheel_effects_profiles/Drift", bytesOf(effects));
    auto adc = recordFrom<AdcExtensionSettingsTypeDef>(0xA2);
    auto gpio = recordFrom<GpioExtensionSettingsTypeDef>(0xA1);
    QCOMPARE(adc.analog_smoothing[1], 0);
    QCOMPARE(gpio.button_mode[2], 0);
    adc.analog_smoothing[1] = 3;
    gpio.button_mode[2] = 1;
    writeFile("wheel_periphery_profiles/Rig", bytesOf(adc) + bytesOf(gpio));

    effectsBefore = QByteArray(reinterpret_cast<const char *>(sim::record(0x22).data()), 64);
    adcBefore = QByteArray(reinterpret_cast<const char *>(sim::record(0xA2).data()), 64);
    gpioBefore = QByteArray(reinterpret_cast<const char *>(sim::record(0xA1).data()), 64);

    // The window's games and the wrappers that reach it share its layers.
    server = std::make_unique<InstanceServer>();
    window = connectedWindow(server->layers());
    QVERIFY(window);
    window->show();
    games = window->gameProfiles();
    proc = std::make_unique<FakeProc>();
    games->watch().setSource(std::make_unique<ProcFsSource>(proc->root()));
    games->watch().setInterval(20);
    sim::clearLog();
}

void GameProfilesTest::cleanup()
{
    server->abandon();
    target.reset();
    window.reset();
    server.reset();
    runtimeDir.reset();
    QVERIFY(noMisuse());
    proc.reset();
    QDir::setCurrent(previousDir);
    workDir.reset();
}

QList<QByteArray> GameProfilesTest::takeWrites()
{
    const QList<QByteArray> writes = editortest::settledSettingWrites(*window);
    for (const QByteArray &written : writtenFrames())
        [&] { QVERIFY2(!written.startsWith(QByteArray("\xA3\x02", 2)), "the save command was sent"); }();
    sim::clearLog();
    return writes;
}

void GameProfilesTest::startGame(qint64 pid, const QString &game)
{
    if (game == drift)
        QVERIFY(proc->add(pid, "Drift Simulator", "/games/proton/files/bin/wine64-preloader",
                          QByteArray("Z:\\games\\Drift\\Drift Simulator 2024.exe\0-dx11\0", 46)));
    else
        QVERIFY(proc->add(pid, game.toUtf8().left(15), "/games/" + game.toUtf8()));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), game, 5000);
}

void GameProfilesTest::gameStartSendsTheProfilePickAndItsEndPutsTheSettingsBack()
{
    QCOMPARE(games->addRule({race, "Race", "Rig"}), GameRules::Result::Done);
    QVERIFY(takeWrites().isEmpty());
    // The restore journal is on disk before any write of the start or the end.
    const QString journal = server->layers()->journalPath();
    QList<bool> journalBeforeWrites;
    connect(games, &GameProfiles::applyStarting, this, [&] { journalBeforeWrites.append(QFile::exists(journal)); });

    startGame(500, race);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70), smoothing(1, 3), buttonMode(2, 1)}));
    const auto written = readJournal(journal);
    QVERIFY(std::holds_alternative<RestoreJournal>(written));
    QStringList journalFields;
    for (const JournalField &field : std::get<RestoreJournal>(written).fields)
        journalFields.append(QStringLiteral("%1=%2").arg(QLatin1String(field.field->key)).arg(field.before));
    QCOMPARE(journalFields, (QStringList{"effects.motion_range=900", "effects.total_effect_scale=100",
                                         "adc.ry.smoothing=0", "gpio.button3.mode=0"}));
    auto *effects = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    QCOMPARE(effects->findChild<QSpinBox *>("motion_range_axis0")->value(), 540);
    QCOMPARE(effects->findChild<QSpinBox *>("total_effect_scale_axis0")->value(), 70);
    auto *status = window->findChild<QLabel *>("game_profiles_status");
    QVERIFY(status && status->isVisible() && status->text().contains(race));

    QVERIFY(proc->remove(500));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100), smoothing(1, 0), buttonMode(2, 0)}));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0x22).data()), 64), effectsBefore);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0xA2).data()), 64), adcBefore);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0xA1).data()), 64), gpioBefore);
    QVERIFY(!window->statusBar()->isVisible());
    QCOMPARE(journalBeforeWrites, (QList<bool>{true, true}));
    QVERIFY(!QFile::exists(journal));

    // The same frames as picking the profile in the window.
    QLineEdit *edit = effects->findChild<QComboBox *>("profile_combo_box")->lineEdit();
    QTest::keyClicks(edit, "Race");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
}

void GameProfilesTest::theGameStartedLastWinsUntilItEnds()
{
    QCOMPARE(games->addRule({race, "Race", "Rig"}), GameRules::Result::Done);
    QCOMPARE(games->addRule({drift, "Drift", QString()}), GameRules::Result::Done);

    startGame(600, race);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70), smoothing(1, 3), buttonMode(2, 1)}));
    // The Windows game is known by its .exe name, its short name being cut.
    startGame(700, drift);
    QCOMPARE(hex(takeWrites()), hex({motionRange(1080), smoothing(1, 0), buttonMode(2, 0)}));

    QVERIFY(proc->remove(700));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), smoothing(1, 3), buttonMode(2, 1)}));

    QVERIFY(proc->remove(600));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100), smoothing(1, 0), buttonMode(2, 0)}));
}

void GameProfilesTest::controllerArrivingDuringTheGameGetsItsProfiles()
{
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    // Reachable while no controller is there.
    QVERIFY(window->findChild<QToolButton *>("tools_button")->isVisible());

    QVERIFY(proc->add(800, "race.x86_64", "/games/race.x86_64"));
    QTRY_COMPARE_WITH_TIMEOUT(games->runningGame(), race, 5000);
    QCOMPARE(games->appliedGame(), QString());
    QVERIFY(writtenFrames().isEmpty());

    sim::clearLog();
    sim::plug();
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    // After the controller's own settings were read, not before.
    QCOMPARE(featureReadIds(), (QList<int>{0x25, 0x21, 0xA2, 0xA1, 0x22}));
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));

    // The game's layer outlives the controller leaving, which loses what was
    // not saved: once back it gets the game's settings again.
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QCOMPARE(games->appliedGame(), QString());
    sim::clearLog();
    sim::plug();
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));

    QVERIFY(proc->remove(800));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100)}));
}

void GameProfilesTest::brokenProfileSendsNothingAndSaysWhy()
{
    QCOMPARE(games->addRule({race, "Drift", "Rig"}), GameRules::Result::Done);
    // Cut short after the rule was made.
    writeFile("wheel_effects_profiles/Drift", QByteArray(10, 1));
    QVERIFY(QFile::remove("wheel_periphery_profiles/Rig"));
    QSignalSpy notices(games, &GameProfiles::notice);

    startGame(900, race);
    QVERIFY(takeWrites().isEmpty());
    QStringList texts;
    for (const QList<QVariant> &arguments : std::as_const(notices))
        texts.append(arguments.at(0).toString());
    QVERIFY2(texts.filter("\"Drift\" is missing or too short").size() == 1, qPrintable(texts.join('|')));
    QVERIFY2(texts.filter("\"Rig\" is missing or too short").size() == 1, qPrintable(texts.join('|')));

    QVERIFY(proc->remove(900));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QVERIFY(takeWrites().isEmpty());
}

void GameProfilesTest::dialogTakesRulesAndSurvivesHostileNames()
{
    QVERIFY(proc->add(1000, "evil\nname", "/x/\xff\xfe"));
    QVERIFY(proc->add(1001, QByteArray(15, 'L'), "/x/" + QByteArray(400, 'L')));
    QVERIFY(proc->add(1002, "race.x86_64", "/games/race.x86_64"));
    QCOMPARE(games->addRule({"other", "Race", QString()}), GameRules::Result::Done);
    QTRY_COMPARE_WITH_TIMEOUT(games->watch().lastSeen().size(), 3, 5000);

    window->findChild<QAction *>("game_profiles_action")->trigger();
    auto *dialog = window->findChild<GameProfilesDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        const bool isControl = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
            || qobject_cast<QTableWidget *>(control);
        if (isControl && control->focusPolicy() & Qt::TabFocus)
            QVERIFY2(!editortest::accessibleLabel(control).isEmpty(),
                     qPrintable(control->objectName() + " " + control->metaObject()->className()));
    }

    // The rule dialog runs modally: answer it from inside its loop.
    QStringList offered;
    QTimer answer;
    QElapsedTimer waiting;
    waiting.start();
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *ruleDialog = qobject_cast<GameRuleDialog *>(QApplication::activeModalWidget());
        if (!ruleDialog) {
            // Never leave a modal loop running when something went wrong.
            if (waiting.elapsed() > 5000 && QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
            return;
        }
        if (!offered.isEmpty()) {
            qWarning() << "the rule dialog stayed open:" << ruleDialog->findChild<QLabel *>("message_label")->text();
            ruleDialog->reject();
            return;
        }
        auto *game = ruleDialog->findChild<QComboBox *>("game_combo");
        for (int i = 0; i < game->count(); ++i)
            offered.append(game->itemText(i));
        game->setCurrentText(race);
        auto *effects = ruleDialog->findChild<QComboBox *>("effects_combo");
        effects->setCurrentIndex(effects->findText("Drift"));
        ruleDialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    answer.start(10);
    dialog->findChild<QPushButton *>("add_rule_button")->click();
    answer.stop();
    // Names no rule can take are not offered.
    QCOMPARE(offered, (QStringList{"LLLLLLLLLLLLLLL", "race.x86_64"}));

    auto *table = dialog->findChild<QTableWidget *>("rules_table");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 0)->text(), race);
    QCOMPARE(table->item(1, 1)->text(), QString("Drift"));
    QCOMPARE(GameRules(window->gameProfiles()->rules().iniPath()).rules().size(), 2);
    // The rule applies at once to the game that already runs.
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(1080), totalScale(70)}));
}

void GameProfilesTest::gameUnderTheLaunchWrapperIsLeftToIt()
{
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    games->setHandledByWrapper(950, true);
    // wrapper 950 -> launcher script 951 -> the game 952
    QVERIFY(proc->add(950, "vellox-wheel-se", "/usr/bin/vellox-wheel-setup"));
    QVERIFY(proc->add(951, "sh", "/bin/sh", {}, 950));
    QVERIFY(proc->add(952, "race.x86_64", "/games/race.x86_64", {}, 951));
    QTRY_COMPARE_WITH_TIMEOUT(games->watch().lastSeen().size(), 3, 5000);
    games->watch().pollNow();
    QCOMPARE(games->runningGame(), QString());
    QVERIFY(takeWrites().isEmpty());

    // The wrapper is gone but its game still runs: now the watch takes it.
    games->setHandledByWrapper(950, false);
    QCOMPARE(games->appliedGame(), race);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
}

void GameProfilesTest::listen()
{
    runtimeDir = std::make_unique<QTemporaryDir>();
    QVERIFY(runtimeDir->isValid());
    qputenv("XDG_RUNTIME_DIR", runtimeDir->path().toLocal8Bit());
    target = std::make_unique<WindowSettingsTarget>(window.get());
    QVERIFY(server->listen());
    server->setTarget(target.get());
}

void GameProfilesTest::ruleFromALaterStartTakesEffectAtOnce()
{
    listen();
    QVERIFY(proc->add(600, "race.x86_64", "/games/race.x86_64"));
    const CommandAnswer added =
        ask({std::get<CommandRequest>(parseCommandLine({"--game-rule", "add", race, "effects:Race"})), QDir::currentPath(),
             std::nullopt});
    QCOMPARE(added.err, QByteArray());
    QCOMPARE(added.status, 0);
    // The game already runs: the window's watch takes the new rule.
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
}

void GameProfilesTest::wrappedGameIsAppliedOnce()
{
    listen();
    // The target learns of the controller as the window does: it has to see it arrive.
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    sim::plug();
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    // What a second start sends when it wraps the game: its own process id.
    const QStringList arguments{"--profile", "effects:Drift", "--", "/games/race.x86_64"};
    instancemessage::Request request{std::get<CommandRequest>(parseCommandLine(arguments)), QDir::currentPath(),
                                     std::nullopt};
    request.wrapperPid = 970;
    const CommandAnswer applied = ask(request);
    QCOMPARE(applied.status, 0);

    // Its command starts the game, which has a rule of its own.
    QVERIFY(proc->add(970, "vellox-wheel-se", "/usr/bin/vellox-wheel-setup"));
    QVERIFY(proc->add(971, "race.x86_64", "/games/race.x86_64", {}, 970));
    QTRY_COMPARE_WITH_TIMEOUT(games->watch().lastSeen().size(), 2, 5000);
    games->watch().pollNow();
    QCOMPARE(games->runningGame(), QString());
    QCOMPARE(hex(takeWrites()), hex({motionRange(1080), totalScale(70)}));

    // The command ends; the wrapper puts back what it found.
    QVERIFY(proc->remove(971));
    games->watch().pollNow();
    request.restore = applied.before;
    request.wrapperEnded = true;
    QCOMPARE(ask(request).status, 0);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100)}));
    QCOMPARE(games->appliedGame(), QString());

    // Released: the same process's later game is the watch's again.
    QVERIFY(proc->add(972, "race.x86_64", "/games/race.x86_64", {}, 970));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
}

// A launch wrapper (Drift and Rig) and a rule game (Race, no periphery)
// overlap in either order: the first one's end leaves the other's settings
// on, the last one's brings back the settings from before, and a total scale
// set by hand while both run stays.
void GameProfilesTest::wrapperAndGameOverlap_data()
{
    QTest::addColumn<bool>("gameFirst");
    QTest::addColumn<bool>("byHand");
    // Frames of: the first start, the second start, the first end, the last end.
    QTest::addColumn<QList<QList<QByteArray>>>("frames");

    const QList<QByteArray> rig{smoothing(1, 3), buttonMode(2, 1)};
    const QList<QByteArray> rigOff{smoothing(1, 0), buttonMode(2, 0)};
    QTest::newRow("wrapper, game, wrapper ends") << false << false
        << QList<QList<QByteArray>>{QList<QByteArray>{motionRange(1080), totalScale(70)} + rig, {motionRange(540)},
                                    rigOff, {motionRange(900), totalScale(100)}};
    QTest::newRow("game, wrapper, game ends") << true << false
        << QList<QList<QByteArray>>{{motionRange(540), totalScale(70)}, QList<QByteArray>{motionRange(1080)} + rig,
                                    {}, QList<QByteArray>{motionRange(900), totalScale(100)} + rigOff};
    QTest::newRow("by hand: wrapper, game, wrapper ends") << false << true
        << QList<QList<QByteArray>>{QList<QByteArray>{motionRange(1080), totalScale(70)} + rig, {motionRange(540)},
                                    rigOff, {motionRange(900)}};
    QTest::newRow("by hand: game, wrapper, game ends") << true << true
        << QList<QList<QByteArray>>{{motionRange(540), totalScale(70)}, QList<QByteArray>{motionRange(1080)} + rig,
                                    {}, QList<QByteArray>{motionRange(900)} + rigOff};
}

void GameProfilesTest::wrapperAndGameOverlap()
{
    QFETCH(bool, gameFirst);
    QFETCH(bool, byHand);
    QFETCH(QList<QList<QByteArray>>, frames);
    listen();
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    sim::plug();
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    (void)takeWrites();
    const QString journal = server->layers()->journalPath();

    // The wrapper is this test: a process that runs throughout.
    instancemessage::Request wrapper{
        std::get<CommandRequest>(parseCommandLine({"--profile", "effects:Drift", "--profile", "periphery:Rig", "--",
                                                   "/games/other"})),
        QDir::currentPath(), std::nullopt};
    wrapper.wrapperPid = QCoreApplication::applicationPid();
    std::optional<ControllerSettings> wrapperBefore;
    const auto wrapperStarts = [&] {
        const CommandAnswer applied = ask(wrapper);
        QCOMPARE(applied.status, 0);
        wrapperBefore = applied.before;
    };
    const auto wrapperEnds = [&] {
        instancemessage::Request restore = wrapper;
        restore.restore = wrapperBefore;
        restore.wrapperEnded = true;
        QCOMPARE(ask(restore).status, 0);
    };
    const auto gameEnds = [&] {
        QVERIFY(proc->remove(1100));
        QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    };

    if (gameFirst)
        startGame(1100, race);
    else
        wrapperStarts();
    QCOMPARE(hex(takeWrites()), hex(frames[0]));
    if (gameFirst)
        wrapperStarts();
    else
        startGame(1100, race);
    QCOMPARE(hex(takeWrites()), hex(frames[1]));
    QVERIFY(QFile::exists(journal));
    QCOMPARE(server->layers()->names().size(), 2);

    auto *scale = window->effectsSettingsEditor()->findChild<QSpinBox *>("total_effect_scale_axis0");
    if (byHand) {
        scale->setValue(55);
        QCOMPARE(hex(takeWrites()), hex({totalScale(55)}));
    }

    if (gameFirst)
        gameEnds();
    else
        wrapperEnds();
    QCOMPARE(hex(takeWrites()), hex(frames[2]));
    QVERIFY(QFile::exists(journal));
    // The one still running keeps its settings on.
    QCOMPARE(games->appliedGame(), gameFirst ? QString() : race);

    if (gameFirst)
        wrapperEnds();
    else
        gameEnds();
    QCOMPARE(hex(takeWrites()), hex(frames[3]));
    QVERIFY(server->layers()->isEmpty());
    QVERIFY(!QFile::exists(journal));
    QCOMPARE(scale->value(), byHand ? 55 : 100);
    if (!byHand)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0x22).data()), 64), effectsBefore);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0xA2).data()), 64), adcBefore);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::record(0xA1).data()), 64), gpioBefore);
}

// A wrapper's writes have gone out but its layer is not on yet (its command
// waits for them to arrive): a game starting meanwhile waits for the layer,
// or the wrapper's settings would pass for changes made by hand.
void GameProfilesTest::gameWaitsForAWrapperWhoseWritesAreUnderWay()
{
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    SettingsLayerKeeper *layers = server->layers();
    const ControllerSettings before = window->currentSettings();
    ControllerSettings wanted = before;
    wanted.effects.total_effect_scale = 55;
    layers->willApply(before, wanted, window->firmwareVersionText());
    window->applyEffectSettings(wanted.effects);
    QCOMPARE(hex(takeWrites()), hex({totalScale(55)}));

    QVERIFY(proc->add(1300, "race.x86_64", "/games/race.x86_64"));
    QTRY_COMPARE_WITH_TIMEOUT(games->runningGame(), race, 5000);
    QCOMPARE(games->appliedGame(), QString());
    QVERIFY(takeWrites().isEmpty());

    const auto *scale = findSettingsField(QStringLiteral("effects.total_effect_scale"));
    QVERIFY(scale);
    layers->push(QStringLiteral("under way"), before, {{int(scale - settingsFields().constData()), 55}});
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), race, 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));

    // The game's end gives the wrapper's scale back, and the wrapper's end the one from before.
    QVERIFY(proc->remove(1300));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(55)}));
    QCOMPARE(layers->end(QStringLiteral("under way"), window->currentSettings()).effects.total_effect_scale, 100);
}

void GameProfilesTest::changedRuleOfARunningGameGoesOnAgain()
{
    QCOMPARE(games->addRule({race, "Race", "Rig"}), GameRules::Result::Done);
    startGame(1400, race);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70), smoothing(1, 3), buttonMode(2, 1)}));
    // Without a Periphery profile now: that kind goes back to the settings from before.
    QCOMPARE(games->addRule({race, "Drift", QString()}), GameRules::Result::Done);
    QCOMPARE(hex(takeWrites()), hex({motionRange(1080), smoothing(1, 0), buttonMode(2, 0)}));
    QCOMPARE(games->appliedGame(), race);
    QVERIFY(proc->remove(1400));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100)}));
}

// The controller comes back without what it was not told to save. A
// wrapper's end carried out before the game profiles hear of it (the window
// first completes journals) must not take that for a change by hand: the
// game's settings go on again.
void GameProfilesTest::wrapperEndingAfterAReconnectKeepsTheGamesSettings()
{
    listen();
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    sim::plug();
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    instancemessage::Request wrapper{
        std::get<CommandRequest>(parseCommandLine({"--profile", "periphery:Rig", "--", "/games/other"})),
        QDir::currentPath(), std::nullopt};
    wrapper.wrapperPid = QCoreApplication::applicationPid();
    const CommandAnswer applied = ask(wrapper);
    QCOMPARE(applied.status, 0);
    startGame(1500, race);
    QCOMPARE(hex(takeWrites()), hex({smoothing(1, 3), buttonMode(2, 1), motionRange(540), totalScale(70)}));

    QVERIFY(disconnect(window.get(), &MainWindow::settingsLoaded, games, &GameProfiles::controllerLoaded));
    QSignalSpy loaded(window.get(), &MainWindow::settingsLoaded);
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    sim::plug();
    QVERIFY(loaded.wait(5000));
    sim::clearLog();
    wrapper.restore = applied.before;
    wrapper.wrapperEnded = true;
    QCOMPARE(ask(wrapper).status, 0);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
    games->controllerLoaded();
    QCOMPARE(games->appliedGame(), race);
    QVERIFY(takeWrites().isEmpty());

    QVERIFY(proc->remove(1500));
    QTRY_COMPARE_WITH_TIMEOUT(games->appliedGame(), QString(), 5000);
    QCOMPARE(hex(takeWrites()), hex({motionRange(900), totalScale(100)}));
    QVERIFY(!QFile::exists(server->layers()->journalPath()));
}

// The last game's end, seen with the controller there or while it is away
// (then done once it is back): the settings from before, or the default
// profiles when there are some, with only the fields that differ sent.
void GameProfilesTest::lastEndBringsBackTheSettingsFromBeforeOrTheDefaults_data()
{
    QTest::addColumn<bool>("away");
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QString>("notice");

    const QString before = "race.x86_64 ended: the settings from before it started are back.";
    const QString drift = "race.x86_64 ended: default profiles applied: Effects \"Drift\".";
    QTest::newRow("connected") << false << QString() << QList<QByteArray>{motionRange(900), totalScale(100)} << before;
    QTest::newRow("connected, defaults") << false << "Drift" << QList<QByteArray>{motionRange(1080)} << drift;
    // Off the bus the controller lost the game's settings: it is back at the ones from before.
    QTest::newRow("away") << true << QString() << QList<QByteArray>{} << before;
    QTest::newRow("away, defaults") << true << "Drift" << QList<QByteArray>{motionRange(1080), totalScale(70)} << drift;
}

void GameProfilesTest::lastEndBringsBackTheSettingsFromBeforeOrTheDefaults()
{
    QFETCH(bool, away);
    QFETCH(QString, defaults);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QString, notice);
    QCOMPARE(games->addRule({race, "Race", QString()}), GameRules::Result::Done);
    QCOMPARE(games->setDefaultProfiles(defaults, QString()), GameRules::Result::Done);
    startGame(1200, race);
    QCOMPARE(hex(takeWrites()), hex({motionRange(540), totalScale(70)}));
    const QString journal = server->layers()->journalPath();
    QVERIFY(QFile::exists(journal));

    QSignalSpy notices(games, &GameProfiles::notice);
    if (away) {
        sim::unplug();
        QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    }
    QVERIFY(proc->remove(1200));
    QTRY_COMPARE_WITH_TIMEOUT(games->runningGame(), QString(), 5000);
    if (away) {
        // Nothing can be sent; the journal still names what to put back.
        QVERIFY(writtenFrames().isEmpty());
        QVERIFY(QFile::exists(journal));
        sim::plug();
    }
    QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, 5000);
    QCOMPARE(notices.at(0).at(0).toString(), notice);
    QCOMPARE(hex(takeWrites()), hex(frames));
    QVERIFY(!QFile::exists(journal));
    QCOMPARE(games->appliedGame(), QString());
}

QTEST_MAIN(GameProfilesTest)
#include "test_gameprofiles.moc"
