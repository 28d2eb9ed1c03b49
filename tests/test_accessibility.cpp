// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the connected window: every control on the
// three tabs has a name, and no two controls of one tab sound the same.

#include "app/mainwindow.h"
#include "editors/comboboxaccessibility.h"
#include "tests/testsupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTest>

using namespace testsupport;

namespace {

// A control the user reaches with Tab; the line edit inside a spin box or a
// combo box is part of that control, not one of its own.
bool isControl(const QWidget *widget)
{
    const bool kind = qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QAbstractSlider *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QLineEdit *>(widget);
    const QWidget *parent = widget->parentWidget();
    const bool inner = parent && (qobject_cast<const QAbstractSpinBox *>(parent) || qobject_cast<const QComboBox *>(parent));
    return kind && !inner && (widget->focusPolicy() & Qt::TabFocus);
}

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString roleOf(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? QString::number(face->role(), 16) : QString();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // As the program does at start-up.
    void initTestCase() { installComboBoxAccessibility(); }
    void cleanup() { QVERIFY(noMisuse()); }

    void everyControlOfEachTabHasItsOwnName();
    void comboBoxesAreNamedLikeTheirLabels();
};

// A slider and the spin box beside it carry the same setting's name; a
// screen reader tells them apart by their role, so a duplicate is the same
// name for the same role.
void AccessibilityTest::everyControlOfEachTabHasItsOwnName()
{
    auto window = connectedWindow();
    QVERIFY(window);
    window->show();
    auto *tabs = window->findChild<QTabWidget *>("main_tab_widget");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 3);
    int controls = 0;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        QMap<QString, QString> seen; // name and role -> object name
        for (QWidget *widget : tabs->widget(tab)->findChildren<QWidget *>()) {
            if (!isControl(widget))
                continue;
            ++controls;
            const QString where = tabs->tabText(tab) + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ')
                + QString::fromLatin1(widget->metaObject()->className());
            const QString name = nameOf(widget);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + " has no accessible name"));
            const QString key = name + QLatin1Char('\n') + roleOf(widget);
            QVERIFY2(!seen.contains(key),
                     qPrintable(QStringLiteral("%1 and %2 are both called \"%3\"").arg(seen.value(key), where, name)));
            seen.insert(key, where);
        }
    }
    // Effects, periphery (pins, buttons, axes) and controller together.
    QVERIFY2(controls > 100, qPrintable(QString::number(controls)));

    // The profile rows of both tabs speak alike, and the visible texts stay.
    for (const char *editor : {"effects_settings_widget", "gpio_extension_widget"}) {
        QWidget *row = window->findChild<QWidget *>(editor);
        QVERIFY(row);
        auto *save = row->findChild<QAbstractButton *>("profile_save_button");
        auto *remove = row->findChild<QAbstractButton *>("profile_delete_button");
        QCOMPARE(nameOf(save), QStringLiteral("Save profile"));
        QCOMPARE(nameOf(remove), QStringLiteral("Delete profile"));
        QCOMPARE(save->text(), QStringLiteral("Save"));
        QCOMPARE(remove->text(), QStringLiteral("Delete"));
    }
}

void AccessibilityTest::comboBoxesAreNamedLikeTheirLabels()
{
    auto window = connectedWindow();
    QVERIFY(window);
    window->show();
    int labelled = 0;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (auto *combo = qobject_cast<QComboBox *>(label->buddy())) {
            ++labelled;
            QCOMPARE(combo->accessibleName(), label->text());
        }
    }
    // Ten pins, 32 buttons, SPI and latch mode, current-sense gain.
    QCOMPARE(labelled, 45);
    // What a screen reader asks: the name is the label, the value the item,
    // and the rest is a combo box as Qt makes it.
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(combo);
        QVERIFY(face);
        QVERIFY2(!combo->accessibleName().isEmpty(), qPrintable(combo->objectName()));
        QCOMPARE(face->text(QAccessible::Name), combo->accessibleName());
        QCOMPARE(face->text(QAccessible::Value), combo->currentText());
        QCOMPARE(face->role(), QAccessible::ComboBox);
        QCOMPARE(face->childCount(), combo->isEditable() ? 2 : 1);
        QCOMPARE(face->child(0)->object(), combo->view());
        QCOMPARE(face->indexOfChild(face->child(0)), 0);
        QVERIFY(face->actionInterface());
        QCOMPARE(face->actionInterface()->actionNames(),
                 (QStringList{QAccessibleActionInterface::showMenuAction(), QAccessibleActionInterface::pressAction()}));
    }

    // A combo box with only a buddy label keeps its name while the item
    // changes; one with neither is named by its item, as Qt does.
    QWidget form;
    auto *buddy = new QLabel(QStringLiteral("&Latch mode"), &form);
    auto *labelledOnly = new QComboBox(&form);
    labelledOnly->addItems({QStringLiteral("Off"), QStringLiteral("On")});
    buddy->setBuddy(labelledOnly);
    auto *unnamed = new QComboBox(&form);
    unnamed->addItem(QStringLiteral("Only item"));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(labelledOnly);
    labelledOnly->setCurrentIndex(1);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Latch mode"));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("On"));
    QCOMPARE(QAccessible::queryAccessibleInterface(unnamed)->text(QAccessible::Name), QStringLiteral("Only item"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
