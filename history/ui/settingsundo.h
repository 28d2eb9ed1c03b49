// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Undo and redo of the user's own changes in the main window's three editors.
// Each step is one change the editors reported (a profile pick in the window:
// all its changes); taking it back puts the old value into the editor's
// control, which shows it and sends its one settings write, as if the user
// had moved the control back. Steps of one field that follow each other (a
// slider drag, a run of spin-box steps) merge into one.

#include "settings/controllersettings.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class FullEffectSettingsWidget;
class FullHardwareSettingsWidget;
class GpioExtensionWidget;
class QUndoCommand;
class QUndoStack;
class QWidget;
class SettingsEditorWidget;
class SettingsUndoStep;

class SettingsUndo : public QObject
{
    Q_OBJECT

public:
    // Ctrl+Z and Ctrl+Shift+Z work wherever the focus is inside `shortcutScope`
    // (the main window), also in a spin box, whose own text undo would take
    // them: an application event filter sees the key first.
    SettingsUndo(FullEffectSettingsWidget *effects, FullHardwareSettingsWidget *hardware,
                 GpioExtensionWidget *periphery, QWidget *shortcutScope, QObject *parent = nullptr);
    ~SettingsUndo() override;

    QUndoStack *stack() const { return undoStack; }

    // Changes the editors report between begin and end are not the user's
    // (a game profile, a command, a restore): they are not steps.
    void beginOutsideChange();
    void endOutsideChange();

    struct Change {
        SettingsFieldEnum field;
        int8_t index;
        int from; // record values, as the settings write carries them
        int to;
    };

public slots:
    void undo();
    void redo();
    // The controller left: its steps mean nothing for the next one.
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class SettingsUndoStep;
    void connectEditor(SettingsEditorWidget *editor);
    void changed(SettingsFieldEnum field, int8_t index, int value);
    void flush();
    void refreshKnown();
    bool inScope(QObject *object) const;
    // Puts each change's `from` (back) or `to` into the editors' controls.
    void replay(const QVector<Change> &changes, bool back);

    QPointer<FullEffectSettingsWidget> effects;
    QPointer<FullHardwareSettingsWidget> hardware;
    QPointer<GpioExtensionWidget> periphery;
    QPointer<QWidget> scope;
    QUndoStack *undoStack;
    ControllerSettings known; // what the controls showed before the change now reported
    bool resetSwitchKnown = false;
    QVector<Change> pending;
    int outside = 0;
    bool replaying = false;
    // The step a next change of the same field may merge into: the newest,
    // until an undo, redo or outside change closes it. Compared, never used.
    const QUndoCommand *openStep = nullptr;
};
