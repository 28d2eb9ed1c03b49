// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"

#include <QDialog>

#include <functional>

QT_BEGIN_NAMESPACE
namespace Ui {
class GameProfilesDialog;
class GameRuleDialog;
}
class QComboBox;
QT_END_NAMESPACE

class GameProfiles;

// One rule: the game (typed, or picked from the running programs) and its
// profiles. OK stores it through `store`, which returns why it could not;
// the dialog then stays open and shows the reason.
class GameRuleDialog : public QDialog
{
    Q_OBJECT

public:
    GameRuleDialog(const GameRule &rule, const QStringList &runningPrograms,
                   std::function<QString(const GameRule &)> store, QWidget *parent = nullptr);
    ~GameRuleDialog() override;

    GameRule rule() const;
    void accept() override;

private:
    Ui::GameRuleDialog *ui;
    std::function<QString(const GameRule &)> store;
};

// The rules, the default profiles, the watch switch and the autostart entry.
// Every change is stored at once; there is nothing to confirm.
class GameProfilesDialog : public QDialog
{
    Q_OBJECT

public:
    GameProfilesDialog(GameProfiles *profiles, QWidget *parent = nullptr);
    ~GameProfilesDialog() override;

    // Fills the table and the fields from the stored rules.
    void refresh();

private slots:
    void on_add_rule_button_clicked();
    void on_edit_rule_button_clicked();
    void on_remove_rule_button_clicked();
    void on_watch_check_box_toggled(bool checked);
    void on_autostart_check_box_toggled(bool checked);

private:
    void storeDefaults();
    void editRule(const GameRule &rule);
    QStringList runningPrograms() const;
    void showResult(GameRules::Result result, const GameRule &rule);
    void updateButtons();

    Ui::GameProfilesDialog *ui;
    GameProfiles *profiles;
    bool filling = false;
};

// Fills a combo box with the names in a profile folder after an item that
// stands for "no profile"; selects `current` (or that item).
void fillProfileChoice(QComboBox *combo, const QString &directory, qsizetype profileSize, const QString &noneText,
                       const QString &current);
// The profile picked in such a combo box; empty for "no profile".
QString pickedProfile(const QComboBox *combo);
