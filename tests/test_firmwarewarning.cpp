// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware version warning: when it comes, what it says, and what each
// answer does to the window and on the wire.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "tests/testsupport.h"
#include "update/addresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

const QList<int> versionAndFourRecords{0x25, 0x21, 0xA2, 0xA1, 0x22};

// Receives what the window hands to the system's browser, and notes whether
// the window had already turned idle at that moment.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    MainWindow *window = nullptr;
    QList<QUrl> opened;
    bool idleWhenOpened = false;

public slots:
    void openUrl(const QUrl &url)
    {
        opened.append(url);
        idleWhenOpened = window && looksIdle(*window);
    }
};

QAbstractButton *buttonWithText(QMessageBox &box, const QString &text)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Waits until the worker has polled on for a while (50 more hidapi calls),
// long after any request deferred before would have reached the controller.
bool pollsWentOn(size_t since)
{
    return QTest::qWaitFor([since] { return sim::calls().size() > since + 50; }, 5000);
}

} // namespace

class FirmwareWarningTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QVERIFY(noMisuse()); }

    void matchingFirmwareLoadsWithoutWarning();
    void otherFirmwareWarnsAndOkLoads_data();
    void otherFirmwareWarnsAndOkLoads();
    void refusingLeavesTheWindowIdle_data();
    void refusingLeavesTheWindowIdle();
    void unplugWhileWarningIsOpen();
    void answerForAnEarlierConnectionIsIgnored();
    void destroyedWhileWarningIsOpen();

private:
    QTemporaryDir workingDirectory;
};

void FirmwareWarningTest::initTestCase()
{
    QVERIFY(workingDirectory.isValid());
    QVERIFY(QDir::setCurrent(workingDirectory.path()));
}

void FirmwareWarningTest::matchingFirmwareLoadsWithoutWarning()
{
    ModalBoxWatcher watcher([](QMessageBox &) { clickInModalBox(QStringLiteral("Cancel")); });
    auto window = connectedWindow();
    QVERIFY(window);
    QCOMPARE(featureReadIds(), versionAndFourRecords);
    QCOMPARE(watcher.seen(), 0);
    QVERIFY(looksConnected(*window));
}

void FirmwareWarningTest::otherFirmwareWarnsAndOkLoads_data()
{
    QTest::addColumn<int>("releaseType");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");
    QTest::newRow("release 24.1.4") << 0 << 24 << 1 << 4;
    QTest::newRow("RC 24.1.5, newer") << 1 << 24 << 1 << 5;
    QTest::newRow("RC 24.2.0, newer") << 1 << 24 << 2 << 0;
    QTest::newRow("RC 23.5.0, older") << 1 << 23 << 5 << 0;
}

void FirmwareWarningTest::otherFirmwareWarnsAndOkLoads()
{
    QFETCH(int, releaseType);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);

    sim::reset();
    sim::setFeatureFirmwareVersion(
        {uint8_t(releaseType), uint8_t(major), uint8_t(minor), uint8_t(patch)});
    QString title, text, focused, latestRole;
    Qt::TextFormat format = Qt::PlainText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons standard;
    int buttonCount = 0;
    bool parentless = false;
    QList<int> readsWhileOpen;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        title = box.windowTitle();
        text = box.text();
        format = box.textFormat();
        icon = box.icon();
        standard = box.standardButtons();
        buttonCount = static_cast<int>(box.buttons().size());
        parentless = box.parent() == nullptr;
        if (QAbstractButton *latest = buttonWithText(box, QStringLiteral("Latest version")))
            latestRole = box.buttonRole(latest) == QMessageBox::ActionRole ? "action" : "other";
        if (auto *button = qobject_cast<QAbstractButton *>(box.focusWidget()))
            focused = button->text();
        readsWhileOpen = featureReadIds();
        clickInModalBox(QStringLiteral("OK"));
    });

    MainWindow window;
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
    QCOMPARE(title, QStringLiteral("Version mismatch!"));
    QCOMPARE(text, QStringLiteral("Changing settings with software not matching firmware version can cause unexpected "
                                  "device behaviour!\n\r **Consider using matching versions of Vellox Setup and "
                                  "firmware.**"));
    QCOMPARE(format, Qt::MarkdownText);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(standard, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(buttonCount, 3);
    QCOMPARE(latestRole, QStringLiteral("action"));
    QCOMPARE(focused, QStringLiteral("Latest version"));
    QVERIFY(parentless);
    // Nothing but the version was read before the answer.
    QCOMPARE(readsWhileOpen, QList<int>{0x25});

    // OK loads the four records in order, sends nothing back, and a change
    // the user makes afterwards goes out as usual.
    QTRY_COMPARE(featureReadIds(), versionAndFourRecords);
    QVERIFY(looksConnected(window));
    QVERIFY(writtenFrames().isEmpty());
    auto *effects = window.findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    emit effects->settingUInt8Changed(SETTINGS_FIELD_TOTAL_EFFECT_SCALE, 0, 55);
    QTRY_COMPARE(settingWrites(), QList<QByteArray>{frame({0xA3, 0x14, 0x04, 0x00, 55})});
    QCOMPARE(watcher.seen(), 1);
}

void FirmwareWarningTest::refusingLeavesTheWindowIdle_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Latest version") << "Latest version";
}

void FirmwareWarningTest::refusingLeavesTheWindowIdle()
{
    QFETCH(QString, answer);
    sim::reset();
    sim::setFeatureFirmwareVersion({1, 24, 1, 5});
    BrowserStandIn browser;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        if (answer == QLatin1String("Esc"))
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            clickInModalBox(answer);
    });
    MainWindow window;
    browser.window = &window;
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
    QTRY_VERIFY(looksIdle(window));
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    if (answer == QLatin1String("Latest version")) {
        QCOMPARE(browser.opened, QList<QUrl>{update::downloadsPageUrl()});
        // The page is opened first, then the window turns idle.
        QVERIFY(!browser.idleWhenOpened);
    } else {
        QVERIFY(browser.opened.isEmpty());
    }
    // The controller stays open and polled, but nothing else is read or sent.
    QVERIFY(pollsWentOn(sim::calls().size()));
    QCOMPARE(featureReadIds(), QList<int>{0x25});
    QVERIFY(writtenFrames().isEmpty());
    QVERIFY(looksIdle(window));
    QCOMPARE(watcher.seen(), 1);
}

void FirmwareWarningTest::unplugWhileWarningIsOpen()
{
    sim::reset();
    sim::setFeatureFirmwareVersion({0, 24, 1, 4});
    MainWindow *window = nullptr;
    bool idleWhileOpen = false;
    int warnings = 0;
    ModalBoxWatcher watcher([&](QMessageBox &) {
        if (++warnings == 1) {
            // The window turns idle at once, although the warning is still open.
            sim::unplug();
            idleWhileOpen = QTest::qWaitFor([&] { return looksIdle(*window); }, 5000);
            clickInModalBox(QStringLiteral("OK"));
        } else {
            clickInModalBox(QStringLiteral("Cancel"));
        }
    });
    MainWindow shown;
    window = &shown;
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(idleWhileOpen);
    // The late OK reads nothing and leaves the window idle. Without a
    // controller the worker only enumerates, once a second: wait for one.
    const auto enumerations = [] {
        const auto calls = sim::calls();
        return std::count_if(calls.begin(), calls.end(),
                             [](const auto &c) { return c.call == sim::HidCall::Enumerate; });
    };
    const auto before = enumerations();
    QTRY_VERIFY_WITH_TIMEOUT(enumerations() > before, 5000);
    QCOMPARE(featureReadIds(), QList<int>{0x25});
    QVERIFY(looksIdle(shown));

    // Back on the bus, the controller is checked again and warned about again.
    sim::clearLog();
    sim::plug();
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 2, 5000);
    QTRY_VERIFY(looksIdle(shown));
    QCOMPARE(featureReadIds(), QList<int>{0x25});
}

void FirmwareWarningTest::answerForAnEarlierConnectionIsIgnored()
{
    // The controller leaves and comes back while the first warning is open;
    // the second warning is accepted and loads the settings. Cancelling the
    // first one afterwards must not turn the loaded window idle.
    sim::reset();
    sim::setFeatureFirmwareVersion({0, 24, 1, 4});
    MainWindow *window = nullptr;
    QMessageBox *first = nullptr;
    std::unique_ptr<ModalBoxWatcher> second;
    bool secondAnswered = false;
    bool idleWhileOpen = false;
    bool loadedBeforeCancel = false;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        if (first)
            return;
        first = &box;
        // The first watcher is busy until this returns; a second one answers
        // the warning that opens on top of this one.
        second = std::make_unique<ModalBoxWatcher>([&](QMessageBox &next) {
            if (&next == first)
                return;
            secondAnswered = clickInModalBox(QStringLiteral("OK"));
        });
        sim::unplug();
        idleWhileOpen = QTest::qWaitFor([&] { return looksIdle(*window); }, 5000);
        sim::clearLog();
        sim::plug();
        loadedBeforeCancel = QTest::qWaitFor(
            [&] { return secondAnswered && featureReadIds() == versionAndFourRecords; }, 5000);
        clickInModalBox(QStringLiteral("Cancel"));
    });
    MainWindow shown;
    window = &shown;
    QTRY_VERIFY_WITH_TIMEOUT(first != nullptr, 5000);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(idleWhileOpen);
    QVERIFY(secondAnswered);
    QVERIFY(loadedBeforeCancel);
    QVERIFY(looksConnected(shown));
    QCOMPARE(featureReadIds(), versionAndFourRecords);
}

void FirmwareWarningTest::destroyedWhileWarningIsOpen()
{
    sim::reset();
    sim::setFeatureFirmwareVersion({1, 24, 2, 0});
    auto window = std::make_unique<MainWindow>();
    QPointer<QMessageBox> warning;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        warning = &box;
        window.reset();
    });
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
    QVERIFY(!window);
    QTRY_VERIFY(warning.isNull());
    const auto calls = sim::calls();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.back().call, sim::HidCall::Exit);
    QCOMPARE(sim::callsInFlight(), 0);
    QCOMPARE(featureReadIds(), QList<int>{0x25});
}

QTEST_MAIN(FirmwareWarningTest)
#include "test_firmwarewarning.moc"
