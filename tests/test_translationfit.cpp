// SPDX-License-Identifier: GPL-3.0-or-later
// Every language's texts fit their controls in the window at its minimum
// width: each tab and each tool box page is shown in turn and no label, check
// box, button, group box title or combo box item may be cut or elided.

#include "app/mainwindow.h"
#include "app/translations.h"
#include "tests/testsupport.h"
#include "update/updatenotice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBox>
#include <QTranslator>

using namespace testsupport;

namespace {

constexpr int MINIMUM_WIDTH = 600;

QString describe(const QWidget *widget, const QString &text, int needed, int available)
{
    return QStringLiteral("%1 %2: \"%3\" needs %4 px, has %5")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text)
        .arg(needed)
        .arg(available);
}

// The texts of this widget that do not fit the room it has, described.
QStringList cutTexts(QWidget *widget)
{
    QStringList cuts;
    const QFontMetrics metrics(widget->font());
    const auto check = [&](const QString &text, int needed, int available) {
        if (needed > available)
            cuts.append(describe(widget, text, needed, available));
    };
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
        if (label->text().isEmpty())
            return cuts;
        if (label->wordWrap())
            check(label->text(), label->heightForWidth(label->width()), label->height());
        else
            check(label->text(), metrics.horizontalAdvance(label->text()), room.width());
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        check(box->text(), metrics.horizontalAdvance(box->text()), room.width());
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        check(button->text(), metrics.horizontalAdvance(button->text()), room.width());
    } else if (auto *pageButton = qobject_cast<QAbstractButton *>(widget);
               pageButton && qobject_cast<QToolBox *>(widget->parentWidget())) {
        // A tool box's page button elides its text when it is narrower than it asks for.
        check(pageButton->text(), pageButton->sizeHint().width(), pageButton->width());
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        if (!group->title().isEmpty())
            check(group->title(), group->minimumSizeHint().width(), group->width());
    } else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable()) {
        // Every item, also those a pin hides: a stored value shows them.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        for (int item = 0; item < combo->count(); ++item)
            check(combo->itemText(item), metrics.horizontalAdvance(combo->itemText(item)), room.width());
    }
    return cuts;
}

// Shows every tab and every tool box page of the window at its minimum width
// and collects what does not fit.
QStringList cutTextsOfWindow(MainWindow &window)
{
    window.show();
    window.resize(MINIMUM_WIDTH, window.sizeHint().height());
    QStringList cuts;
    if (window.minimumSizeHint().width() > MINIMUM_WIDTH)
        cuts.append(QStringLiteral("the window needs %1 px").arg(window.minimumSizeHint().width()));
    auto *tabs = window.findChild<QTabWidget *>("main_tab_widget");
    const auto collect = [&] {
        // Rendered as for the screen: a tool box page lays out its widgets
        // only when it is painted.
        (void)window.grab();
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (widget->isVisible())
                cuts += cutTexts(widget);
        }
    };
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        collect();
        for (QToolBox *pages : tabs->widget(tab)->findChildren<QToolBox *>()) {
            for (int page = 0; page < pages->count(); ++page) {
                if (!pages->isItemEnabled(page))
                    pages->setItemEnabled(page, true); // to see its texts too
                pages->setCurrentIndex(page);
                collect();
            }
        }
    }
    cuts.removeDuplicates();
    return cuts;
}

// Makes one text far longer than any control has room for.
class LongTextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "FullEffectSettingsWidget") == 0 && qstrcmp(sourceText, "Static dampening (%)") == 0)
            return QString(120, QLatin1Char('W'));
        return QString();
    }
};

} // namespace

class TranslationFitTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY(noMisuse());
        for (QTranslator *translator : std::as_const(installed))
            QCoreApplication::removeTranslator(translator);
        qDeleteAll(installed);
        installed.clear();
    }

    void translatedTextsFitAtTheMinimumWidth_data();
    void translatedTextsFitAtTheMinimumWidth();
    void aTextThatDoesNotFitIsFound();

private:
    QList<QTranslator *> installed;
};

void TranslationFitTest::translatedTextsFitAtTheMinimumWidth_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "fr", "es", "it", "pl", "pt_BR"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TranslationFitTest::translatedTextsFitAtTheMinimumWidth()
{
    QFETCH(QString, language);
    const QStringList folders{QStringLiteral(VELLOX_TEST_QM_DIR)};
    const QString loaded = installTranslations(*qApp, QLocale(language), folders);
    if (language == QLatin1String("en")) {
        QVERIFY(loaded.isEmpty());
    } else {
        QVERIFY2(loaded.endsWith(QStringLiteral("vellox-wheel-setup_%1.qm").arg(language)), qPrintable(loaded));
        installed = qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly);
    }

    auto window = connectedWindow();
    QVERIFY(window);
    // The window shows the language: a text from the form, one from code.
    const QString saveAndReboot = window->findChild<QPushButton *>("save_effects_settings_button")->text();
    QCOMPARE(saveAndReboot != QLatin1String("Save and reboot"), language != QLatin1String("en"));
    const QString disabled = window->findChild<QComboBox *>("gpioModeCombo_1")->itemText(0);
    QCOMPARE(disabled != QLatin1String("Disabled"), language != QLatin1String("en"));

    // The update notice's texts, built in code with the version, too.
    const update::UpdateNotice notice(QStringLiteral("title"), update::ManifestVersion{"RC", 24, 1, 5, true});
    QStringList noticeButtons;
    for (const QAbstractButton *button : notice.buttons())
        noticeButtons.append(button->text());
    QCOMPARE(noticeButtons.filter(QStringLiteral("RC.24.1.5")).size(), 1);
    QCOMPARE(noticeButtons.contains(QStringLiteral("Skip version RC.24.1.5")), language == QLatin1String("en"));
    QCOMPARE(notice.text().contains(QStringLiteral("New version")), language == QLatin1String("en"));

    const QStringList cuts = cutTextsOfWindow(*window);
    QVERIFY2(cuts.isEmpty(), qPrintable(QStringLiteral("%1 texts cut in %2 (shorten the translation):\n")
                                            .arg(cuts.size())
                                            .arg(language)
                                        + cuts.join(QLatin1Char('\n'))));
}

void TranslationFitTest::aTextThatDoesNotFitIsFound()
{
    auto *translator = new LongTextTranslator;
    installed.append(translator);
    QCoreApplication::installTranslator(translator);
    auto window = connectedWindow();
    QVERIFY(window);
    const QStringList cuts = cutTextsOfWindow(*window);
    const QStringList label = cuts.filter(QStringLiteral("QLabel label_9: \"WWW"));
    QVERIFY2(label.size() == 1, qPrintable(cuts.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TranslationFitTest)
#include "test_translationfit.moc"
