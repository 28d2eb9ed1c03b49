// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/testsupport.h"

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/settingseditorwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace testsupport {

QByteArray frame(std::initializer_list<int> leadingBytes)
{
    QByteArray bytes(65, '\0');
    int i = 0;
    for (int byte : leadingBytes)
        bytes[i++] = static_cast<char>(byte);
    return bytes;
}

QByteArray toBytes(const vellox::sim::Frame &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.data()), static_cast<qsizetype>(frame.size()));
}

QList<QByteArray> writtenFrames()
{
    QList<QByteArray> frames;
    for (const auto &written : vellox::sim::writtenFrames())
        frames.append(toBytes(written));
    return frames;
}

QList<QByteArray> settingWrites()
{
    QList<QByteArray> writes;
    for (const QByteArray &written : writtenFrames()) {
        if (static_cast<uint8_t>(written[0]) == 0xA3 && written[1] == 0x14)
            writes.append(written);
    }
    return writes;
}

QList<int> featureReadIds()
{
    QList<int> ids;
    for (const auto &call : vellox::sim::calls()) {
        if (call.call == vellox::sim::HidCall::GetFeatureReport)
            ids.append(call.argument);
    }
    return ids;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fileTree(const QString &root)
{
    const QDir base(root);
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.append(base.relativeFilePath(path) + "=" + readFile(path).toHex());
    }
    entries.sort();
    return entries;
}

int countCalls(vellox::sim::HidCall kind)
{
    const auto calls = vellox::sim::calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [kind](const auto &c) { return c.call == kind; }));
}

bool noMisuse()
{
    const auto misuse = vellox::sim::misuse();
    for (const auto &line : misuse)
        qWarning("hidapi misuse: %s", line.c_str());
    return misuse.empty();
}

namespace {

QMutex capturedMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&capturedMutex);
        captured.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

MessageCapture::MessageCapture()
{
    QMutexLocker lock(&capturedMutex);
    captured.clear();
    previousHandler = qInstallMessageHandler(captureMessage);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(previousHandler);
}

QStringList MessageCapture::lines() const
{
    QMutexLocker lock(&capturedMutex);
    return captured;
}

QStringList MessageCapture::linesStartingWith(const QString &prefix) const
{
    QStringList matching;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            matching.append(line);
    }
    return matching;
}

namespace {

QList<QPushButton *> commandButtons(MainWindow &window)
{
    QList<QPushButton *> buttons;
    for (const char *name : {"reset_center_button", "save_effects_settings_button", "dfu_mode_button", "reboot_button"})
        buttons.append(window.findChild<QPushButton *>(name));
    return buttons;
}

bool tabsVisible(MainWindow &window, bool visible)
{
    auto *tabs = window.findChild<QTabWidget *>("main_tab_widget");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i) != visible)
            return false;
    }
    return true;
}

bool buttonsEnabled(MainWindow &window, bool enabled)
{
    for (QPushButton *button : commandButtons(window)) {
        if (button->isEnabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

bool looksConnected(MainWindow &window)
{
    return window.windowTitle().startsWith(QLatin1String("Vellox Wheel (")) && tabsVisible(window, true)
        && buttonsEnabled(window, true);
}

bool looksIdle(MainWindow &window)
{
    return window.windowTitle() == QLatin1String("Vellox Wheel Setup (RC.24.1.4)") && tabsVisible(window, false)
        && buttonsEnabled(window, false);
}

bool showWithEditors(MainWindow &window)
{
    window.show();
    return QTest::qWaitFor([&window] { return window.findChild<SettingsEditorWidget *>() != nullptr; }, 5000);
}

std::unique_ptr<MainWindow> connectedWindow(SettingsLayerKeeper *layers)
{
    vellox::sim::reset();
    auto window = std::make_unique<MainWindow>(layers);
    // The effects record is the last of the four reads. Counting it through a
    // queued connection made after the window's own means the window has
    // handed it to its editor by the time it is counted. (A QSignalSpy on the
    // worker would be touched from two threads at once.)
    int effectRecords = 0;
    const QMetaObject::Connection counting =
        QObject::connect(window->deviceLinkWorker(), &SettingsUiBackgroundThread::effectSettingsObtained,
                         window.get(), [&effectRecords] { ++effectRecords; }, Qt::QueuedConnection);
    const bool loaded = QTest::qWaitFor([&] { return effectRecords > 0; }, 5000);
    QObject::disconnect(counting);
    if (!loaded)
        return nullptr;
    return window;
}

bool clickInModalBox(const QString &buttonText, int timeoutMs)
{
    QAbstractButton *target = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return false;
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == buttonText)
                    target = button;
            }
            return target != nullptr;
        },
        timeoutMs);
    if (!target)
        return false;
    target->click();
    return true;
}

ModalBoxWatcher::ModalBoxWatcher(std::function<void(QMessageBox &)> onShown)
    : onShown(std::move(onShown))
    , timer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &ModalBoxWatcher::look);
    timer->start(5);
}

ModalBoxWatcher::~ModalBoxWatcher() = default;

void ModalBoxWatcher::look()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == lastBox.data() || !box->isVisible())
        return;
    lastBox = box;
    ++count;
    onShown(*box);
}

} // namespace testsupport
