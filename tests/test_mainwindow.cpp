// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's looks, titles, start-up output, the order of the reads
// after a connection, and an orderly end at any moment.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "games/gameprofilesdialog.h"
#include "tests/testsupport.h"

#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTest>

using namespace testsupport;
namespace sim = vellox::sim;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void startsIdleAndWritesTheRecordSizes();
    void editorsComeAfterTheFirstFrameOrWithTheController();
    void connectedTitleShowsTheControllerVersion_data();
    void connectedTitleShowsTheControllerVersion();
    void matchingFirmwareIsReadInOrder();
    void otherFirmwareIsNotRead();
    void unplugReturnsToIdle();
    void advancedOnlyAsExactFirstArgument();
    void closingAtAnyMomentEndsCleanly();
    void toolsButtonAsksForTheOtherWindows();
};

void MainWindowTest::startsIdleAndWritesTheRecordSizes()
{
    sim::reset();
    sim::unplug();
    MessageCapture messages;
    MainWindow window;
    QCOMPARE(messages.lines().mid(0, 5), (QStringList{"Effect struct size 64", "Hardware struct size 64",
                                                       "ADC struct size 64", "GPIO struct size 64",
                                                       "Device state struct size 64"}));
    QVERIFY(looksIdle(window));
    QCOMPARE(window.size(), QSize(690, 732));
    QCOMPARE(window.minimumSize(), QSize(600, 0));
    QCOMPARE(window.font().pointSize(), 10);
}

namespace {

// Notes whether the window had editors when a widget of it was first painted.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(MainWindow &window)
        : window(window)
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaintProbe() override { qApp->removeEventFilter(this); }

    bool painted = false;
    bool editorsAtFirstPaint = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &window) {
            painted = true;
            editorsAtFirstPaint = window.findChild<SettingsEditorWidget *>() != nullptr;
        }
        return false;
    }

private:
    MainWindow &window;
};

} // namespace

void MainWindowTest::editorsComeAfterTheFirstFrameOrWithTheController()
{
    sim::reset();
    sim::unplug();
    {
        MainWindow window;
        QVERIFY(!window.findChild<SettingsEditorWidget *>());
        FirstPaintProbe probe(window);
        window.show();
        QTRY_COMPARE(window.findChildren<SettingsEditorWidget *>().size(), 3);
        QVERIFY(probe.painted);
        QVERIFY(!probe.editorsAtFirstPaint);
        // Each on its own tab, in the window's font.
        const auto *effects = window.findChild<FullEffectSettingsWidget *>("effects_settings_widget");
        const auto *periphery = window.findChild<GpioExtensionWidget *>("gpio_extension_widget");
        const auto *hardware = window.findChild<FullHardwareSettingsWidget *>("hardware_settings_widget");
        QVERIFY(effects && periphery && hardware);
        QCOMPARE(effects->parentWidget(), window.findChild<QWidget *>("effects_tab"));
        QCOMPARE(periphery->parentWidget(), window.findChild<QWidget *>("periphery_tab"));
        QCOMPARE(hardware->parentWidget(), window.findChild<QWidget *>("controller_tab"));
        QCOMPARE(effects->font().pointSize(), 10);
    }
    {
        // A window never shown builds them when a controller arrives, before
        // its settings are loaded into them.
        sim::clearLog();
        MainWindow window;
        QTRY_VERIFY(countCalls(sim::HidCall::Enumerate) >= 1);
        QVERIFY(!window.findChild<SettingsEditorWidget *>());
        sim::plug();
        QTRY_VERIFY(looksConnected(window));
        QCOMPARE(window.findChildren<SettingsEditorWidget *>().size(), 3);
        QTRY_COMPARE(featureReadIds(), (QList<int>{0x25, 0x21, 0xA2, 0xA1, 0x22}));
        QTRY_COMPARE(window.findChild<QSpinBox *>("motion_range_axis0")->value(), 900);
        QVERIFY(writtenFrames().isEmpty());
    }
}

void MainWindowTest::connectedTitleShowsTheControllerVersion_data()
{
    QTest::addColumn<int>("releaseType");
    QTest::addColumn<QString>("title");
    QTest::newRow("release") << 0 << "Vellox Wheel (R.25.0.1)";
    QTest::newRow("release candidate") << 1 << "Vellox Wheel (RC.25.0.1)";
    QTest::newRow("unknown type reads as release") << 2 << "Vellox Wheel (R.25.0.1)";
}

void MainWindowTest::connectedTitleShowsTheControllerVersion()
{
    QFETCH(int, releaseType);
    QFETCH(QString, title);
    sim::reset();
    sim::setInputFirmwareVersion({static_cast<uint8_t>(releaseType), 25, 0, 1});
    MainWindow window;
    QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), title, 5000);
    QVERIFY(looksConnected(window));
}

void MainWindowTest::matchingFirmwareIsReadInOrder()
{
    auto window = connectedWindow();
    QVERIFY(window);
    // Firmware information first, then hardware, ADC, GPIO and effects.
    QCOMPARE(featureReadIds(), (QList<int>{0x25, 0x21, 0xA2, 0xA1, 0x22}));
    // Loading sends nothing back.
    QVERIFY(writtenFrames().isEmpty());
}

void MainWindowTest::otherFirmwareIsNotRead()
{
    // The version that counts is the one in report 0x25, not the title's: the
    // warning comes although the title shows the matching version, and once
    // it is cancelled nothing more is read.
    sim::reset();
    sim::setFeatureFirmwareVersion({0, 24, 1, 4});
    MainWindow *shown = nullptr;
    QString titleWhileWarning;
    ModalBoxWatcher cancel([&](QMessageBox &) {
        titleWhileWarning = shown->windowTitle();
        clickInModalBox("Cancel");
    });
    MainWindow window;
    shown = &window;
    QTRY_COMPARE_WITH_TIMEOUT(cancel.seen(), 1, 5000);
    QCOMPARE(titleWhileWarning, QStringLiteral("Vellox Wheel (RC.24.1.4)"));
    QTRY_VERIFY(looksIdle(window));
    QCOMPARE(featureReadIds(), QList<int>{0x25});
    // Plenty of heartbeat ticks later still only the version was read.
    QTRY_VERIFY(sim::calls().size() > 200);
    QCOMPARE(featureReadIds(), QList<int>{0x25});
    QVERIFY(looksIdle(window));
    QCOMPARE(cancel.seen(), 1);
}

void MainWindowTest::unplugReturnsToIdle()
{
    auto window = connectedWindow();
    QVERIFY(window);
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QVERIFY(writtenFrames().isEmpty());
}

void MainWindowTest::advancedOnlyAsExactFirstArgument()
{
    QVERIFY(advancedModeRequested({"vellox-wheel-setup", "advanced"}));
    QVERIFY(advancedModeRequested({"vellox-wheel-setup", "advanced", "more"}));
    QVERIFY(!advancedModeRequested({"vellox-wheel-setup"}));
    QVERIFY(!advancedModeRequested({"vellox-wheel-setup", "Advanced"}));
    QVERIFY(!advancedModeRequested({"vellox-wheel-setup", "--advanced"}));
    QVERIFY(!advancedModeRequested({"vellox-wheel-setup", "other", "advanced"}));
    QVERIFY(!advancedModeRequested({"advanced"}));
}

void MainWindowTest::closingAtAnyMomentEndsCleanly()
{
    const auto lastCallIsExit = [] {
        const auto calls = sim::calls();
        return !calls.empty() && calls.back().call == sim::HidCall::Exit;
    };

    // Before the device link has had a chance to run.
    sim::reset();
    { MainWindow window; }
    QVERIFY(lastCallIsExit());

    // While connected and polling.
    {
        auto window = connectedWindow();
        QVERIFY(window);
    }
    QVERIFY(lastCallIsExit());
    QCOMPARE(sim::callsInFlight(), 0);

    // In the middle of slow answers: every call takes 150 ms.
    {
        auto window = connectedWindow();
        QVERIFY(window);
        sim::Faults slow;
        slow.answerDelayMs = 150;
        sim::setFaults(slow);
        QTRY_VERIFY(sim::callsInFlight() > 0);
    }
    QVERIFY(lastCallIsExit());
    QCOMPARE(sim::callsInFlight(), 0);
    sim::setFaults({});
}

void MainWindowTest::toolsButtonAsksForTheOtherWindows()
{
    auto window = connectedWindow();
    QVERIFY(window);
    window->show();
    window->resize(600, window->height());
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *tools = window->findChild<QToolButton *>("tools_button");
    QVERIFY(tools);

    // Sized to its text and menu arrow, in the corner, clear of the tabs.
    auto *tabs = window->findChild<QTabWidget *>("main_tab_widget");
    QTRY_COMPARE(tools->geometry().right(), tabs->width() - 1);
    QVERIFY(tools->isVisible());
    QVERIFY(tools->width() >= tools->sizeHint().width());
    const QRect lastTab = tabs->tabBar()->tabRect(tabs->count() - 1);
    const QRect lastTabInTabs(tabs->tabBar()->mapTo(tabs, lastTab.topLeft()), lastTab.size());
    QVERIFY2(!lastTabInTabs.intersects(tools->geometry()), qPrintable(QStringLiteral("%1 px short").arg(
                 lastTabInTabs.right() - tools->geometry().left() + 1)));

    // Reached with Tab, named for screen readers, opened with Space.
    QCOMPARE(tools->accessibleName(), QStringLiteral("Tools"));
    QVERIFY(tools->focusPolicy() & Qt::TabFocus);
    bool menuOpened = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (tools->menu()->isVisible()) {
            menuOpened = true;
            tools->menu()->close();
        }
    });
    closer.start(20);
    tools->setFocus();
    QTest::keyClick(tools, Qt::Key_Space);
    QTRY_VERIFY(menuOpened);

    QSignalSpy history(window.get(), &MainWindow::historyRequested);
    QSignalSpy wheelTest(window.get(), &MainWindow::wheelTestRequested);
    const QList<QAction *> entries = tools->menu()->actions();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(0)->objectName(), QStringLiteral("game_profiles_action"));
    entries.at(0)->trigger();
    auto *dialog = window->findChild<GameProfilesDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(history.size() + wheelTest.size(), 0);
    QCOMPARE(entries.at(1)->objectName(), QStringLiteral("history_action"));
    entries.at(1)->trigger();
    QCOMPARE(history.size(), 1);
    QCOMPARE(entries.at(2)->objectName(), QStringLiteral("wheel_test_action"));
    entries.at(2)->trigger();
    QCOMPARE(wheelTest.size(), 1);
    QCOMPARE(history.size(), 1);
    // Asked twice, the dialog is raised, not built again.
    entries.at(0)->trigger();
    QCOMPARE(window->findChildren<GameProfilesDialog *>().size(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
