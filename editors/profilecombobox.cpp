// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/profilecombobox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>

namespace {

QString refusedNameHint()
{
    return QCoreApplication::translate("ProfileComboBox",
                                       "A profile name is a file name: it must not be empty, start with a dot, "
                                       "or contain / or \\ or control characters.");
}

} // namespace

ProfileComboBox::ProfileComboBox(const QString &directoryName, qsizetype profileSize, QComboBox *comboBox)
    : profiles(directoryName, profileSize)
    , comboBox(comboBox)
{
    if (QLineEdit *edit = comboBox->lineEdit())
        edit->setPlaceholderText(QCoreApplication::translate("ProfileComboBox", "Profile name"));
}

void ProfileComboBox::refresh()
{
    comboBox->clear();
    comboBox->addItems(profiles.names());
    comboBox->setCurrentIndex(-1);
}

bool ProfileComboBox::acceptName(const QString &name)
{
    QLineEdit *edit = comboBox->lineEdit();
    if (ProfileStore::isAcceptableName(name)) {
        if (edit)
            edit->setToolTip(QString());
        return true;
    }
    if (edit) {
        edit->setToolTip(refusedNameHint());
        QToolTip::showText(edit->mapToGlobal(edit->rect().bottomLeft()), refusedNameHint(), edit);
    }
    return false;
}

std::optional<QByteArray> ProfileComboBox::load(const QString &name)
{
    if (!acceptName(name))
        return std::nullopt;
    return profiles.load(name);
}

void ProfileComboBox::saveUnderCurrentName(const QByteArray &content)
{
    const QString name = comboBox->currentText();
    if (!acceptName(name))
        return;
    profiles.save(name, content);
    refresh();
    comboBox->setCurrentIndex(comboBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ProfileComboBox::removeCurrent()
{
    const QString name = comboBox->currentText();
    if (!name.isEmpty() && acceptName(name))
        profiles.remove(name);
    refresh();
}
