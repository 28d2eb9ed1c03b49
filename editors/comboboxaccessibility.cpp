// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/comboboxaccessibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace {

// Asked for each class of an object, most derived first: a subclass with an
// interface of its own keeps it, the others reach QComboBox here.
QAccessibleInterface *comboBoxInterface(const QString &className, QObject *object)
{
    auto *combo = qobject_cast<QComboBox *>(object);
    if (!combo || className != QLatin1String("QComboBox"))
        return nullptr;
    return new AccessibleComboBox(combo);
}

// Qt's own text, translated by Qt's catalogue when one is loaded.
const char POPUP_DESCRIPTION[] = "Open the combo box selection popup";

} // namespace

AccessibleComboBox::AccessibleComboBox(QComboBox *combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{
}

QComboBox *AccessibleComboBox::comboBox() const
{
    return static_cast<QComboBox *>(object());
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    const auto currentText = [this] {
        return comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
    };
    switch (t) {
    case QAccessible::Name: {
        // The accessible name, else the buddy label's text; a combo box
        // with neither is named by its item, as before.
        const QString name = QAccessibleWidget::text(t);
        return name.isEmpty() ? currentText() : name;
    }
    case QAccessible::Value:
        return currentText();
    case QAccessible::Accelerator:
        return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

// The list of the popup, then the line edit of an editable combo box.
int AccessibleComboBox::childCount() const
{
    return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface *AccessibleComboBox::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    if (index == 1 && comboBox()->isEditable())
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() == comboBox()->view())
        return 0;
    if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
        return 1;
    return -1;
}

QAccessibleInterface *AccessibleComboBox::childAt(int x, int y) const
{
    const QLineEdit *edit = comboBox()->lineEdit();
    if (comboBox()->isEditable() && edit->rect().contains(edit->mapFromGlobal(QPoint(x, y))))
        return child(1);
    return nullptr;
}

QStringList AccessibleComboBox::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()};
}

QString AccessibleComboBox::localizedActionDescription(const QString &actionName) const
{
    if (actionName == showMenuAction() || actionName == pressAction())
        return QComboBox::tr(POPUP_DESCRIPTION);
    return QString();
}

void AccessibleComboBox::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}

QStringList AccessibleComboBox::keyBindingsForAction(const QString &) const
{
    return QStringList();
}

void installComboBoxAccessibility()
{
    QAccessible::installFactory(comboBoxInterface);
}
