// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/settingsundo.h"

#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Not a record field: the switch is reported with this id and index.
constexpr int8_t RESET_SWITCH_INDEX = 1;
constexpr int ENCODER_Z0_ELEMENT = 8;

const QKeySequence UNDO_KEYS(Qt::CTRL | Qt::Key_Z);
const QKeySequence REDO_KEYS(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

bool isResetSwitch(SettingsFieldEnum field)
{
    return field == SETTINGS_FIELD_ENABLE_RESET_BUTTON;
}

} // namespace

class SettingsUndoStep : public QUndoCommand
{
public:
    SettingsUndoStep(SettingsUndo *owner, const QVector<SettingsUndo::Change> &changes)
        : owner(owner), changes(changes)
    {
        setText(QCoreApplication::translate("SettingsUndo", "Settings change"));
    }

    int id() const override
    {
        if (changes.size() != 1)
            return -1;
        return 1 + int(changes.first().field) * 256 + changes.first().index;
    }

    bool mergeWith(const QUndoCommand *other) override
    {
        // Only a step still being made: after an undo or redo, the next
        // change of the same field is a step of its own.
        if (owner->openStep != this || other->id() != id())
            return false;
        changes.first().to = static_cast<const SettingsUndoStep *>(other)->changes.first().to;
        setObsolete(changes.first().from == changes.first().to);
        return true;
    }

    void undo() override { owner->replay(changes, true); }

    void redo() override
    {
        // Pushing runs redo() once: the change is already on its way.
        if (first) {
            first = false;
            return;
        }
        owner->replay(changes, false);
    }

    SettingsUndo *owner;
    QVector<SettingsUndo::Change> changes;
    bool first = true;
};

SettingsUndo::SettingsUndo(FullEffectSettingsWidget *effects, FullHardwareSettingsWidget *hardware,
                           GpioExtensionWidget *periphery, QWidget *shortcutScope, QObject *parent)
    : QObject(parent), effects(effects), hardware(hardware), periphery(periphery), scope(shortcutScope),
      undoStack(new QUndoStack(this))
{
    for (SettingsEditorWidget *editor : {static_cast<SettingsEditorWidget *>(effects),
                                         static_cast<SettingsEditorWidget *>(hardware),
                                         static_cast<SettingsEditorWidget *>(periphery)})
        connectEditor(editor);
    qApp->installEventFilter(this);
    refreshKnown();
}

SettingsUndo::~SettingsUndo()
{
    qApp->removeEventFilter(this);
}

void SettingsUndo::connectEditor(SettingsEditorWidget *editor)
{
    connect(editor, &SettingsEditorWidget::settingInt8Changed, this,
            [this](SettingsFieldEnum f, int8_t i, int8_t v) { changed(f, i, v); });
    connect(editor, &SettingsEditorWidget::settingUInt8Changed, this,
            [this](SettingsFieldEnum f, int8_t i, uint8_t v) { changed(f, i, v); });
    connect(editor, &SettingsEditorWidget::settingInt16Changed, this,
            [this](SettingsFieldEnum f, int8_t i, int16_t v) { changed(f, i, v); });
    connect(editor, &SettingsEditorWidget::settingUInt16Changed, this,
            [this](SettingsFieldEnum f, int8_t i, uint16_t v) { changed(f, i, v); });
}

bool SettingsUndo::inScope(QObject *object) const
{
    // Popups (a combo box's list) are windows of their own but children of
    // their control, so the parent chain is followed across windows.
    for (QObject *o = object; o; o = o->parent()) {
        if (o == scope)
            return true;
    }
    return false;
}

bool SettingsUndo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Taken before any control sees the key: a spin box's line edit
        // would otherwise undo its own text. A key no control claims as a
        // shortcut arrives here as a key press too.
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        if ((pressed == UNDO_KEYS || pressed == REDO_KEYS) && watched->isWidgetType() && inScope(watched)) {
            if (pressed == UNDO_KEYS)
                undo();
            else
                redo();
            return true;
        }
        [[fallthrough]];
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        // What the controls show just before the user acts on them is the
        // value a change from this event takes back to. Loads from the
        // controller send nothing, so this is where they are seen.
        if (pending.isEmpty() && !replaying && inScope(watched))
            refreshKnown();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SettingsUndo::refreshKnown()
{
    if (effects)
        effects->effectSettingsFromUi(&known.effects);
    if (hardware)
        hardware->hardwareSettingsFromUi(&known.hardware);
    if (periphery) {
        periphery->gpioSettingsFromUi(&known.gpio);
        periphery->adcSettingsFromUi(&known.adc);
        if (auto *box = periphery->findChild<QCheckBox *>(QStringLiteral("enable_reset_button")))
            resetSwitchKnown = box->isChecked();
    }
}

void SettingsUndo::changed(SettingsFieldEnum field, int8_t index, int value)
{
    int from = 0;
    if (isResetSwitch(field)) {
        from = resetSwitchKnown ? 1 : 0;
        resetSwitchKnown = value != 0;
    } else if (const SettingsField *f = findSettingsField(field, index)) {
        from = recordValue(known, *f);
        setRecordValue(&known, *f, value);
    } else {
        return;
    }
    if (replaying || outside > 0)
        return;
    // Everything one user action changes (a profile pick changes many
    // fields at once) becomes one step once the action is done.
    if (pending.isEmpty())
        QMetaObject::invokeMethod(this, &SettingsUndo::flush, Qt::QueuedConnection);
    for (Change &earlier : pending) {
        // One field changed twice before the step is made: one change.
        if (earlier.field == field && earlier.index == index) {
            earlier.to = value;
            return;
        }
    }
    pending.append({field, index, from, value});
}

void SettingsUndo::flush()
{
    if (pending.isEmpty())
        return;
    auto *step = new SettingsUndoStep(this, pending);
    pending.clear();
    // The stack deletes a step merged into the one before, and that one too
    // when the merge made it a change to nothing; the top is the open step.
    undoStack->push(step);
    const int count = undoStack->count();
    openStep = count > 0 ? undoStack->command(count - 1) : nullptr;
}

void SettingsUndo::undo()
{
    flush();
    openStep = nullptr;
    undoStack->undo();
}

void SettingsUndo::redo()
{
    flush();
    openStep = nullptr;
    undoStack->redo();
}

void SettingsUndo::clear()
{
    pending.clear();
    openStep = nullptr;
    undoStack->clear();
}

void SettingsUndo::beginOutsideChange()
{
    flush();
    openStep = nullptr;
    ++outside;
}

void SettingsUndo::endOutsideChange()
{
    outside = qMax(0, outside - 1);
    refreshKnown();
}

void SettingsUndo::replay(const QVector<Change> &changes, bool back)
{
    if (!effects || !hardware || !periphery)
        return;
    replaying = true;
    refreshKnown();
    ControllerSettings target = known;
    bool effectsChange = false, hardwareChange = false, peripheryChange = false;
    std::optional<bool> resetSwitch;
    std::optional<int> encoderZ0;
    for (const Change &change : changes) {
        const int value = back ? change.from : change.to;
        if (isResetSwitch(change.field)) {
            resetSwitch = value != 0;
            continue;
        }
        const SettingsField *field = findSettingsField(change.field, change.index);
        if (!field)
            continue;
        if (changes.size() == 1 && field->id == SETTINGS_FIELD_GPIO_MODE && field->index == ENCODER_Z0_ELEMENT) {
            // Putting a record moves the reset switch along with this pin;
            // the user moved the pin alone, so the pin alone goes back.
            encoderZ0 = value;
            continue;
        }
        setRecordValue(&target, *field, value);
        effectsChange |= field->record == SettingsRecord::Effects;
        hardwareChange |= field->record == SettingsRecord::Hardware;
        peripheryChange |= field->record == SettingsRecord::Adc || field->record == SettingsRecord::Gpio;
    }
    // The editors' own apply paths, which report each control that changes once.
    if (effectsChange)
        effects->setUiFromEffectSettings(target.effects, true);
    if (hardwareChange)
        hardware->applyHardwareSettings(target.hardware);
    if (peripheryChange) {
        periphery->setUiFromAdcSettings(target.adc, true);
        periphery->setUiFromGpioSettings(target.gpio, true);
    }
    if (encoderZ0) {
        if (auto *combo = periphery->findChild<QComboBox *>(QStringLiteral("gpioModeCombo_9")))
            combo->setCurrentIndex(*encoderZ0);
    }
    if (resetSwitch) {
        if (auto *box = periphery->findChild<QCheckBox *>(QStringLiteral("enable_reset_button")))
            box->setChecked(*resetSwitch);
    }
    replaying = false;
    refreshKnown();
}
