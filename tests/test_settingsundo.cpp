// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the main window: the frames each puts on the wire, merging
// a run of steps on one field, Ctrl+Z reaching past a spin box's own text
// undo, loads and outside changes, and the stack emptying when the
// controller leaves.

#include "app/windowsettingstarget.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "history/ui/settingsundo.h"
#include "tests/editortestsupport.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QUndoStack>

using namespace testsupport;
using namespace editortest;

class SettingsUndoTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }
    void undoAndRedoSendOneWriteEach();
};

void SettingsUndoTest::undoAndRedoSendOneWriteEach()
{
    auto window = connectedWindow();
    QVERIFY(window);
    QVERIFY(showWithEditors(*window));
    window->activateWindow();
    SettingsUndo undo(window->effectsSettingsEditor(), window->hardwareSettingsEditor(),
                      window->peripherySettingsEditor(), window.get());
    QObject::connect(window->deviceLinkWorker(), &SettingsUiBackgroundThread::deviceDisconnected, &undo,
                     &SettingsUndo::clear, Qt::QueuedConnection);
    auto *range = window->effectsSettingsEditor()->findChild<QSpinBox *>("motion_range_axis0");
    auto *scale = window->effectsSettingsEditor()->findChild<QSpinBox *>("total_effect_scale_axis0");
    QCOMPARE(range->value(), 900);

    // Three steps of one spin box: three writes, one undo step.
    sim::clearLog();
    range->setFocus();
    // Each key is one event, with the event loop run in between as for a
    // user: three steps pushed, merged into one.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(range, Qt::Key_Up);
        QCoreApplication::processEvents();
    }
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 901), uint16Write(5, 902), uint16Write(5, 903)}));
    QTRY_COMPARE(undo.stack()->count(), 1);

    // Ctrl+Z in the spin box itself is the window's undo, not the text's.
    sim::clearLog();
    QTest::keyClick(range, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(range->value(), 900);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 900)}));
    sim::clearLog();
    QTest::keyClick(range, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(range->value(), 903);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 903)}));
    QCOMPARE(undo.stack()->count(), 1); // neither pushed a step

    // After an undo, a step on the same field is a step of its own; another
    // field's step never merges.
    QTest::keyClick(range, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(range, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTest::keyClick(scale, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTRY_COMPARE(undo.stack()->count(), 2);

    // A load sends nothing and is no step, but the next undo goes back to
    // what the load showed, not to the value before it.
    // The record is taken once the steps' writes have reached the
    // controller: a write still queued on the worker would land on it after
    // the load is set up and be read back in its place.
    settledSettingWrites(*window);
    sim::Record effects = sim::record(0x22);
    effects[0] = uint8_t(1200 & 0xFF);
    effects[1] = uint8_t(1200 >> 8);
    QVERIFY(loadFromController(*window, 0x22, effects));
    QCOMPARE(range->value(), 1200);
    sim::clearLog();
    QTest::keyClick(range, Qt::Key_Up);
    QCoreApplication::processEvents();
    QTest::keyClick(range, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint16Write(5, 1201), uint16Write(5, 1200)}));

    // A command's apply is not the user's: no step.
    const int steps = undo.stack()->count();
    WindowSettingsTarget target(window.get());
    ControllerSettings other = target.current();
    other.effects.motion_range = 600;
    undo.beginOutsideChange();
    target.applyEffects(other.effects);
    undo.endOutsideChange();
    // A step would be made from the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(undo.stack()->count(), steps);

    // Focus elsewhere in the window (the tab bar): Ctrl+Z still reaches undo.
    // The command's write must be on the wire before the log is cleared.
    settledSettingWrites(*window);
    sim::clearLog();
    QTest::keyClick(scale, Qt::Key_Down);
    QCoreApplication::processEvents();
    window->effectsSettingsEditor()->findChild<QSpinBox *>("static_dampening_axis0")->setFocus();
    const int scaleBefore = scale->value() + 1;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(scale->value(), scaleBefore);
    QCOMPARE(hex(settledSettingWrites(*window)), hex({uint8Write(4, scaleBefore - 1), uint8Write(4, scaleBefore)}));

    // The controller leaves: nothing left to undo.
    sim::unplug();
    QTRY_COMPARE(undo.stack()->count(), 0);
}

QTEST_MAIN(SettingsUndoTest)
#include "test_settingsundo.moc"
