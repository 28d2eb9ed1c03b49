// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the editor tests: expected settings-write frames, waiting until
// the worker has served everything the window asked of it, and making the
// window load a record from the simulated controller again.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QSlider>
#include <QLabel>
#include <QComboBox>
#include <QAbstractSpinBox>
#include <QAbstractButton>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <cstring>

namespace editortest {

namespace sim = vellox::sim;

inline QByteArray int8Write(int field, int value)
{
    return testsupport::frame({0xA3, 0x14, field, 0x00, value & 0xFF});
}

inline QByteArray uint8Write(int field, int value)
{
    return testsupport::frame({0xA3, 0x14, field, 0x00, value & 0xFF});
}

inline QByteArray uint16Write(int field, int value)
{
    return testsupport::frame({0xA3, 0x14, field, 0x00, value & 0xFF, (value >> 8) & 0xFF});
}

// Whole frames as hex text, so a failed comparison shows the bytes.
inline QStringList hex(const QList<QByteArray> &frames)
{
    QStringList lines;
    for (const QByteArray &bytes : frames)
        lines.append(QString::fromLatin1(bytes.toHex(' ')));
    return lines;
}

// The settings writes that reached the controller since the log was last
// cleared, once every request the window has made so far has been served:
// a click on "Reset wheel center" queues behind them, so once its frame is
// on the wire nothing made earlier is still on its way.
inline QList<QByteArray> settledSettingWrites(MainWindow &window)
{
    const QByteArray marker = testsupport::frame({0xA3, 0x04});
    const auto countMarkers = [&marker] { return testsupport::writtenFrames().count(marker); };
    const qsizetype before = countMarkers();
    window.findChild<QPushButton *>("reset_center_button")->click();
    if (!QTest::qWaitFor([&] { return countMarkers() > before; }, 5000))
        qWarning("the controller never received the marker frame");
    return testsupport::settingWrites();
}

inline sim::Record toRecord(const void *record)
{
    sim::Record bytes{};
    std::memcpy(bytes.data(), record, bytes.size());
    return bytes;
}

// Has the worker read the record with this report id (0x21 or 0x22) from the
// controller, as after a connection, and waits until the window has handed it
// to its editor.
inline bool loadFromController(MainWindow &window, uint8_t reportId, const sim::Record &record)
{
    sim::setRecord(reportId, record);
    SettingsUiBackgroundThread *worker = window.deviceLinkWorker();
    int delivered = 0;
    QMetaObject::Connection counting;
    if (reportId == 0x22) {
        counting = QObject::connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, &window,
                                    [&delivered] { ++delivered; }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readEffectSettings, Qt::QueuedConnection);
    } else {
        counting = QObject::connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, &window,
                                    [&delivered] { ++delivered; }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readHardwareSettings, Qt::QueuedConnection);
    }
    const bool ok = QTest::qWaitFor([&delivered] { return delivered > 0; }, 5000);
    QObject::disconnect(counting);
    return ok;
}

// Unplugs the controller, gives it these records and plugs it in again; waits
// until the window has found it and loaded all its settings anew.
inline bool replugWith(MainWindow &window, const sim::Record &hardware, const sim::Record &effects)
{
    sim::unplug();
    if (!QTest::qWaitFor([&window] { return testsupport::looksIdle(window); }, 5000))
        return false;
    sim::setRecord(0x21, hardware);
    sim::setRecord(0x22, effects);
    sim::clearLog();
    int delivered = 0;
    const QMetaObject::Connection counting =
        QObject::connect(window.deviceLinkWorker(), &SettingsUiBackgroundThread::effectSettingsObtained, &window,
                         [&delivered] { ++delivered; }, Qt::QueuedConnection);
    sim::plug();
    const bool ok = QTest::qWaitFor([&delivered] { return delivered > 0; }, 5000);
    QObject::disconnect(counting);
    return ok;
}

// Records filled with each of these bytes, then 40 of random bytes (the same
// ones in every run).
inline QList<sim::Record> anyRecords(std::initializer_list<int> fills)
{
    QList<sim::Record> records;
    for (int fill : fills) {
        sim::Record record;
        record.fill(uint8_t(fill));
        records.append(record);
    }
    QRandomGenerator random(20240104);
    for (int i = 0; i < 40; ++i) {
        sim::Record record;
        for (auto &byte : record)
            byte = uint8_t(random.bounded(256));
        records.append(record);
    }
    return records;
}

// Replaces the whole text of a spin box by typing, one key at a time.
inline void typeInto(QWidget *spinBox, const QString &text)
{
    QMetaObject::invokeMethod(spinBox, "selectAll");
    QTest::keyClicks(spinBox, text);
}

// What a screen reader speaks for this control.
inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The label a screen reader announces with this control: the label whose
// buddy it is (for a combo box on Linux the name is the current item, and
// the label reaches the reader only this way), else its own name.
inline QString accessibleLabel(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return QString();
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? face->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
}

// Every label of the editor is the buddy of the control it names, and that
// control is announced with the label's text.
inline void verifyLabelsNameTheirControls(QWidget *editor)
{
    for (QLabel *label : editor->findChildren<QLabel *>()) {
        QVERIFY2(label->buddy(), qPrintable(label->objectName()));
        QCOMPARE(accessibleLabel(label->buddy()), label->text());
    }
}

// Every named control of the editor has a name a screen reader speaks, takes
// Tab focus and is enabled; *checked counts them.
inline void verifyControlsNamedAndFocusable(QWidget *editor, int *checked)
{
    *checked = 0;
    for (QWidget *w : editor->findChildren<QWidget *>()) {
        const bool isControl = qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QSlider *>(w)
            || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w);
        if (!isControl || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        ++*checked;
        QVERIFY2(!accessibleLabel(w).isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
}

} // namespace editortest
