// SPDX-License-Identifier: GPL-3.0-or-later
// The update check as the window runs it, against a real HTTP server on
// 127.0.0.1: the notice, the remembered skip, errors and time-outs, and the
// device link that starts only once the check has ended.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "tests/testsupport.h"
#include "update/addresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

const QByteArray refusingAddress = "http://127.0.0.1:9/assets/firmware/version.json";

// A minimal HTTP/1.1 server: answers every request with one fixed response,
// or accepts the connection and never answers.
class ManifestServer : public QObject
{
public:
    explicit ManifestServer(QByteArray body, int status = 200, bool silent = false)
        : body(std::move(body))
        , status(status)
        , silent(silent)
    {
        connect(&server, &QTcpServer::newConnection, this, &ManifestServer::accept);
    }

    bool start()
    {
        if (!server.listen(QHostAddress::LocalHost))
            return false;
        qputenv("VELLOX_MANIFEST_URL",
                QStringLiteral("http://127.0.0.1:%1/assets/firmware/version.json").arg(server.serverPort()).toUtf8());
        return true;
    }

    QStringList requestLines() const { return requests; }

private:
    void accept()
    {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    }

    void serve(QTcpSocket *socket)
    {
        QByteArray &request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        requests.append(QString::fromLatin1(request.left(request.indexOf("\r\n"))));
        request.clear();
        if (silent)
            return;
        const QByteArray reason = status == 200 ? "OK" : "Not Found";
        socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                      + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size())
                      + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    QByteArray body;
    int status;
    bool silent;
    QHash<QTcpSocket *, QByteArray> pending;
    QStringList requests;
};

QByteArray manifest(const char *type, int major, int minor, int patch)
{
    return QStringLiteral("{\"wheel\": {\"release_type\": \"%1\", \"release_major\": %2, \"release_minor\": %3, "
                          "\"release_patch\": %4}}")
        .arg(QLatin1String(type))
        .arg(major)
        .arg(minor)
        .arg(patch)
        .toUtf8();
}

// Receives what the window hands to the system's browser.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened.append(url); }
};

// The device link has not started: the worker is still on the GUI thread and
// has never looked for the controller.
bool deviceLinkNotStarted(MainWindow &window)
{
    return window.deviceLinkWorker()->thread() == QThread::currentThread() && countCalls(sim::HidCall::Enumerate) == 0;
}

QString iniText()
{
    QFile file(QDir::current().filePath(QStringLiteral("vellox-wheel-setup.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// What a test sees of the notice while it is open.
struct NoticeSeen {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::PlainText;
    QStringList buttons;
    bool allActionRole = false;
    QMessageBox::StandardButtons standardButtons;
    bool sizeGrip = false;
    QString focused;
    bool linkStartedMeanwhile = true;
    bool stillOpenAfterEscape = false;
};

NoticeSeen inspect(QMessageBox &box, MainWindow *window)
{
    NoticeSeen seen;
    seen.title = box.windowTitle();
    seen.text = box.text();
    seen.format = box.textFormat();
    seen.allActionRole = true;
    for (QAbstractButton *button : box.buttons()) {
        seen.buttons.append(button->text());
        seen.allActionRole = seen.allActionRole && box.buttonRole(button) == QMessageBox::ActionRole;
    }
    seen.standardButtons = box.standardButtons();
    seen.sizeGrip = box.isSizeGripEnabled();
    if (box.focusWidget())
        seen.focused = qobject_cast<QAbstractButton *>(box.focusWidget())
            ? qobject_cast<QAbstractButton *>(box.focusWidget())->text()
            : QStringLiteral("(not a button)");
    seen.linkStartedMeanwhile = !window || !deviceLinkNotStarted(*window);
    QTest::keyClick(&box, Qt::Key_Escape);
    seen.stillOpenAfterEscape = box.isVisible();
    return seen;
}

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newerReleaseIsAnnouncedAndSkipIsRemembered();
    void downloadOpensTheDownloadsPage();
    void skipWrittenByHandIsHonoured();
    void nothingNewOrNoManifest_data();
    void nothingNewOrNoManifest();
    void networkErrorsAreLoggedAndTheLinkStarts_data();
    void networkErrorsAreLoggedAndTheLinkStarts();
    void silentServerHoldsTheLinkUntilTheTimeout();
    void destroyedWhileTheRequestIsPending();
    void destroyedWhileTheNoticeIsOpen();

private:
    QTemporaryDir workingDirectory;
    QString originalDirectory;
};

void UpdateCheckTest::initTestCase()
{
    // The window writes its INI file into the working directory.
    QVERIFY(workingDirectory.isValid());
    originalDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDirectory.path()));
}

void UpdateCheckTest::init()
{
    QFile::remove(QStringLiteral("vellox-wheel-setup.ini"));
    qputenv("VELLOX_MANIFEST_URL", refusingAddress);
    sim::reset();
}

void UpdateCheckTest::cleanup()
{
    QVERIFY(noMisuse());
    qputenv("VELLOX_MANIFEST_URL", refusingAddress);
}

void UpdateCheckTest::newerReleaseIsAnnouncedAndSkipIsRemembered()
{
    ManifestServer server(manifest("RC", 24, 1, 5));
    QVERIFY(server.start());
    MainWindow *window = nullptr;
    NoticeSeen seen;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        seen = inspect(box, window);
        // The skip button, whose text the test checks below.
        clickInModalBox(seen.buttons.value(1));
    });
    {
        MainWindow shown;
        window = &shown;
        QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
        QCOMPARE(seen.title, QStringLiteral("Vellox Wheel Setup (RC.24.1.4)"));
        QCOMPARE(seen.text, QStringLiteral("**New version of Vellox Wheel Setup (RC.24.1.5) is available!**"));
        QCOMPARE(seen.format, Qt::MarkdownText);
        QCOMPARE(seen.buttons, (QStringList{"Download and update", "Skip version RC.24.1.5"}));
        QVERIFY(seen.allActionRole);
        QCOMPARE(seen.standardButtons, QMessageBox::StandardButtons(QMessageBox::NoButton));
        QVERIFY(seen.sizeGrip);
        QCOMPARE(seen.focused, QStringLiteral("Download and update"));
        // The controller is not looked for while the notice is open, Esc does
        // not close it, and the controller is found once it is answered.
        QVERIFY(!seen.linkStartedMeanwhile);
        QVERIFY(seen.stillOpenAfterEscape);
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(shown), 5000);
        QCOMPARE(server.requestLines(), QStringList{"GET /assets/firmware/version.json HTTP/1.1"});
        // Written at once, not only when the window goes.
        QCOMPARE(iniText(), QStringLiteral("[General]\nskip_release_major=24\nskip_release_minor=1\n"
                                           "skip_release_patch=5\nskip_release_type=RC\n"));
    }

    // The next start does not offer the skipped release again ...
    sim::reset();
    {
        MainWindow shown;
        window = &shown;
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(shown), 5000);
        QCOMPARE(server.requestLines().size(), 2);
        QCOMPARE(watcher.seen(), 1);
    }

    // ... but it offers a release newer than the skipped one.
    ManifestServer newer(manifest("R", 24, 1, 5));
    QVERIFY(newer.start());
    sim::reset();
    {
        MainWindow shown;
        window = &shown;
        QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 2, 5000);
        QCOMPARE(seen.buttons, (QStringList{"Download and update", "Skip version R.24.1.5"}));
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(shown), 5000);
        QVERIFY(iniText().contains(QLatin1String("skip_release_type=R\n")));
    }
}

void UpdateCheckTest::downloadOpensTheDownloadsPage()
{
    ManifestServer server(manifest("R", 25, 0, 0));
    QVERIFY(server.start());
    BrowserStandIn browser;
    bool linkStartedWhenAnswered = true;
    MainWindow *window = nullptr;
    ModalBoxWatcher watcher([&](QMessageBox &) {
        linkStartedWhenAnswered = !deviceLinkNotStarted(*window);
        clickInModalBox(QStringLiteral("Download and update"));
    });
    MainWindow shown;
    window = &shown;
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(shown), 5000);
    QCOMPARE(watcher.seen(), 1);
    QVERIFY(!linkStartedWhenAnswered);
    QCOMPARE(browser.opened, QList<QUrl>{update::downloadsPageUrl()});
    QVERIFY(update::downloadsPageUrl().scheme() == QLatin1String("https"));
    // Nothing is skipped.
    QVERIFY(!QFile::exists(QStringLiteral("vellox-wheel-setup.ini")));
}

void UpdateCheckTest::skipWrittenByHandIsHonoured()
{
    // Keys of an existing file, in the INI file's general section.
    {
        QFile file(QStringLiteral("vellox-wheel-setup.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nskip_release_type=R\nskip_release_major=25\nskip_release_minor=0\n"
                   "skip_release_patch=0\n");
    }
    int offered = 0;
    QString offeredSkip;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        ++offered;
        offeredSkip = box.buttons().value(1)->text();
        clickInModalBox(QStringLiteral("Download and update"));
    });
    BrowserStandIn browser;

    {
        ManifestServer server(manifest("R", 25, 0, 0));
        QVERIFY(server.start());
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
        QCOMPARE(server.requestLines().size(), 1);
        QCOMPARE(offered, 0);
    }
    sim::reset();
    {
        ManifestServer server(manifest("R", 25, 0, 1));
        QVERIFY(server.start());
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
        QCOMPARE(offered, 1);
        QCOMPARE(offeredSkip, QStringLiteral("Skip version R.25.0.1"));
    }
}

void UpdateCheckTest::nothingNewOrNoManifest_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("this build's version") << manifest("RC", 24, 1, 4);
    QTest::newRow("older, minor above ours") << manifest("RC", 23, 5, 0);
    QTest::newRow("unknown release type") << manifest("beta", 99, 0, 0);
    QTest::newRow("Markdown in the release type") << manifest("R](https://x.example/) ![x](https://x.example/i.png", 99, 0, 0);
    QTest::newRow("invalid JSON") << QByteArray("{\"wheel\": ");
    QTest::newRow("empty body") << QByteArray();
    QByteArray huge = manifest("R", 99, 0, 0);
    huge.append(QByteArray(1024 * 1024, ' '));
    QTest::newRow("1 MiB manifest") << huge;
}

void UpdateCheckTest::nothingNewOrNoManifest()
{
    QFETCH(QByteArray, body);
    ManifestServer server(body);
    QVERIFY(server.start());
    MessageCapture messages;
    ModalBoxWatcher watcher([](QMessageBox &) { clickInModalBox(QStringLiteral("Download and update")); });
    BrowserStandIn browser;
    MainWindow window;
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
    QCOMPARE(server.requestLines().size(), 1);
    QCOMPARE(watcher.seen(), 0);
    // A manifest that says nothing new is no error.
    QCOMPARE(messages.linesStartingWith(QStringLiteral("error")), QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("vellox-wheel-setup.ini")));
}

void UpdateCheckTest::networkErrorsAreLoggedAndTheLinkStarts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line");
    QTest::newRow("connection refused") << 0 << "error QNetworkReply::ConnectionRefusedError";
    QTest::newRow("not found") << 404 << "error QNetworkReply::ContentNotFoundError";
}

void UpdateCheckTest::networkErrorsAreLoggedAndTheLinkStarts()
{
    QFETCH(int, status);
    QFETCH(QString, line);
    // A newer release in an error page is not a manifest.
    ManifestServer server(manifest("R", 99, 0, 0), status);
    if (status != 0)
        QVERIFY(server.start());
    MessageCapture messages;
    ModalBoxWatcher watcher([](QMessageBox &) { clickInModalBox(QStringLiteral("Download and update")); });
    BrowserStandIn browser;
    MainWindow window;
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
    QCOMPARE(messages.linesStartingWith(QStringLiteral("error")), QStringList{line});
    QCOMPARE(watcher.seen(), 0);
}

void UpdateCheckTest::silentServerHoldsTheLinkUntilTheTimeout()
{
    ManifestServer server(QByteArray(), 200, true);
    QVERIFY(server.start());
    MessageCapture messages;
    // The GUI thread keeps running its event loop the whole time.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(100);

    QElapsedTimer clock;
    clock.start();
    MainWindow window;
    QTRY_COMPARE(server.requestLines().size(), 1);
    QVERIFY(deviceLinkNotStarted(window));
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 20000);
    const qint64 connectedAfter = clock.elapsed();
    QCOMPARE(messages.linesStartingWith(QStringLiteral("error")),
             QStringList{"error QNetworkReply::OperationCanceledError"});
    // The request ran into its 10-second transfer time-out before the
    // controller was first looked for.
    QVERIFY2(connectedAfter >= 9500, qPrintable(QString::number(connectedAfter)));
    QVERIFY2(ticks >= 50, qPrintable(QString::number(ticks)));
}

void UpdateCheckTest::destroyedWhileTheRequestIsPending()
{
    ManifestServer server(QByteArray(), 200, true);
    QVERIFY(server.start());
    {
        MainWindow window;
        QTRY_COMPARE(server.requestLines().size(), 1);
    }
    const auto calls = sim::calls();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.back().call, sim::HidCall::Exit);
    QCOMPARE(countCalls(sim::HidCall::Enumerate), 0);
}

void UpdateCheckTest::destroyedWhileTheNoticeIsOpen()
{
    ManifestServer server(manifest("RC", 25, 0, 0));
    QVERIFY(server.start());
    auto window = std::make_unique<MainWindow>();
    QPointer<QMessageBox> notice;
    ModalBoxWatcher watcher([&](QMessageBox &box) {
        notice = &box;
        window.reset();
    });
    QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, 5000);
    QVERIFY(!window);
    // The notice went with the window, the device link never started, and
    // hidapi was shut down last.
    QTRY_VERIFY(notice.isNull());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    const auto calls = sim::calls();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.back().call, sim::HidCall::Exit);
    QCOMPARE(countCalls(sim::HidCall::Enumerate), 0);
    QVERIFY(!QFile::exists(QStringLiteral("vellox-wheel-setup.ini")));
}

QTEST_MAIN(UpdateCheckTest)
#include "test_updatecheck.moc"
