// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the test programs: expected frames written out by hand,
// the frames the simulated controller received, captured debug output, and a
// main window connected to the simulated controller.

#include "sim/simulated_controller.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <initializer_list>
#include <memory>

class MainWindow;
class QAbstractButton;
class QMessageBox;
class QTimer;
class SettingsLayerKeeper;

namespace testsupport {

// A 65-byte frame that starts with the given bytes and is zero after them.
QByteArray frame(std::initializer_list<int> leadingBytes);
QByteArray toBytes(const vellox::sim::Frame &frame);
// Every frame the controller has received so far, as byte arrays.
QList<QByteArray> writtenFrames();
// Only the settings-write frames (A3 14 ...).
QList<QByteArray> settingWrites();
// The report ids of the feature reads made so far, in order.
QList<int> featureReadIds();
// How many calls of this kind the controller has seen so far.
int countCalls(vellox::sim::HidCall kind);

// Writes a whole file; fails the current test when it cannot.
void writeFile(const QString &path, const QByteArray &content);
// A file's content; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Every entry below `root`, recursively (links are listed, not followed), as
// "path relative to root=content in hex", sorted: equal lists mean nothing
// below root was created, changed or removed.
QStringList fileTree(const QString &root);

// Fails the current test when the simulator saw hidapi being misused.
bool noMisuse();

// Collects Qt's debug output while it lives.
class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();
    QStringList lines() const;
    QStringList linesStartingWith(const QString &prefix) const;
};

// Resets the simulator and returns a window that has found the controller and
// loaded its settings (the four records were read). Returns null on time-out.
// Its game profiles are layers on `layers` when given.
std::unique_ptr<MainWindow> connectedWindow(SettingsLayerKeeper *layers = nullptr);
// Shows the window and waits for the editors it builds after its first frame.
// False on time-out.
bool showWithEditors(MainWindow &window);
// True once the window shows the connected or loaded look.
bool looksConnected(MainWindow &window);
bool looksIdle(MainWindow &window);

// Clicks the button with this text in the active modal message box. Returns
// false when no such box or button shows up in time.
bool clickInModalBox(const QString &buttonText, int timeoutMs = 5000);

// A box run with exec() blocks whoever opened it until it is answered, so a
// test cannot wait for it from the outside. While this object lives it looks
// for message boxes every few milliseconds and hands each new one, once, to
// `onShown`, which runs inside the box's own modal loop and usually answers
// it with clickInModalBox().
class ModalBoxWatcher : public QObject
{
public:
    explicit ModalBoxWatcher(std::function<void(QMessageBox &)> onShown);
    ~ModalBoxWatcher() override;
    // How many boxes have been handed to `onShown` so far.
    int seen() const { return count; }

private:
    void look();

    std::function<void(QMessageBox &)> onShown;
    QTimer *timer;
    QPointer<QMessageBox> lastBox;
    int count = 0;
};

} // namespace testsupport
