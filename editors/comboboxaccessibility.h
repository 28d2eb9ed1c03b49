// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A combo box as a screen reader should hear it: by its accessible name (or
// its buddy label's text), with the current item as its value. Qt's own
// interface on Unix gives the current item as the name, so that every pin
// and button combo would sound like its neighbours. Role, children and
// actions are those of Qt's combo box.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *combo);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString &actionName) const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QComboBox *comboBox() const;
};

// Makes every combo box of the application use AccessibleComboBox. Call once
// the application object exists, before the first window is shown.
void installComboBoxAccessibility();
