// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gameprofilesdialog.h"

#include "games/autostart.h"
#include "games/gameprofiles.h"
#include "settings/appfiles.h"
#include "settings/profilestore.h"
#include "settings/settingsrecords.h"
#include "ui_gameprofilesdialog.h"
#include "ui_gameruledialog.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr qsizetype EFFECTS_SIZE = qsizetype(sizeof(EffectSettingsTypeDef));
constexpr qsizetype PERIPHERY_SIZE =
    qsizetype(sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef));

} // namespace

void fillProfileChoice(QComboBox *combo, const QString &directory, qsizetype profileSize, const QString &noneText,
                       const QString &current)
{
    combo->clear();
    combo->addItem(noneText, QString());
    for (const QString &name : ProfileStore(directory, profileSize).names())
        combo->addItem(name, name);
    // A stored name whose file is gone still shows, so nothing changes unseen.
    if (!current.isEmpty() && combo->findData(current) < 0)
        combo->addItem(current, current);
    combo->setCurrentIndex(std::max(0, combo->findData(current)));
}

QString pickedProfile(const QComboBox *combo)
{
    return combo->currentData().toString();
}

GameRuleDialog::GameRuleDialog(const GameRule &rule, const QStringList &runningPrograms,
                               std::function<QString(const GameRule &)> store, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::GameRuleDialog)
    , store(std::move(store))
{
    ui->setupUi(this);
    connect(ui->button_box, &QDialogButtonBox::accepted, this, &GameRuleDialog::accept);
    connect(ui->button_box, &QDialogButtonBox::rejected, this, &GameRuleDialog::reject);
    ui->game_combo->addItems(runningPrograms);
    ui->game_combo->setCurrentText(rule.game);
    ui->game_combo->lineEdit()->setPlaceholderText(tr("Program name, for example Race.exe"));
    fillProfileChoice(ui->effects_combo, appfiles::effectsProfilesFolder(), EFFECTS_SIZE, tr("(the settings from before the game)"), rule.effectsProfile);
    fillProfileChoice(ui->periphery_combo, appfiles::peripheryProfilesFolder(), PERIPHERY_SIZE, tr("(the settings from before the game)"),
                      rule.peripheryProfile);
    ui->message_label->hide();
}

GameRuleDialog::~GameRuleDialog()
{
    delete ui;
}

GameRule GameRuleDialog::rule() const
{
    return {ui->game_combo->currentText().trimmed(), pickedProfile(ui->effects_combo),
            pickedProfile(ui->periphery_combo)};
}

void GameRuleDialog::accept()
{
    const QString problem = store ? store(rule()) : QString();
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    ui->message_label->setText(problem);
    ui->message_label->show();
}

GameProfilesDialog::GameProfilesDialog(GameProfiles *profiles, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::GameProfilesDialog)
    , profiles(profiles)
{
    ui->setupUi(this);
    connect(ui->button_box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->rules_table, &QTableWidget::itemSelectionChanged, this, &GameProfilesDialog::updateButtons);
    connect(ui->rules_table, &QTableWidget::cellDoubleClicked, this, &GameProfilesDialog::on_edit_rule_button_clicked);
    connect(ui->default_effects_combo, &QComboBox::activated, this, &GameProfilesDialog::storeDefaults);
    connect(ui->default_periphery_combo, &QComboBox::activated, this, &GameProfilesDialog::storeDefaults);
    connect(profiles, &GameProfiles::watchEnabledChanged, this, &GameProfilesDialog::refresh);
    ui->message_label->hide();
    refresh();
}

GameProfilesDialog::~GameProfilesDialog()
{
    delete ui;
}

void GameProfilesDialog::refresh()
{
    filling = true;
    const GameRules &rules = profiles->rules();
    const QList<GameRule> list = rules.rules();
    ui->rules_table->setRowCount(int(list.size()));
    for (int row = 0; row < list.size(); ++row) {
        const GameRule &rule = list.at(row);
        int column = 0;
        for (const QString &text : {rule.game, rule.effectsProfile, rule.peripheryProfile})
            ui->rules_table->setItem(row, column++, new QTableWidgetItem(text));
    }
    ui->rules_table->resizeColumnsToContents();
    const GameRule defaults = rules.defaults();
    fillProfileChoice(ui->default_effects_combo, appfiles::effectsProfilesFolder(), EFFECTS_SIZE, tr("(the settings from before)"),
                      defaults.effectsProfile);
    fillProfileChoice(ui->default_periphery_combo, appfiles::peripheryProfilesFolder(), PERIPHERY_SIZE,
                      tr("(the settings from before)"), defaults.peripheryProfile);
    ui->watch_check_box->setChecked(rules.watchEnabled());
    ui->autostart_check_box->setChecked(autostartEnabled());
    filling = false;
    updateButtons();
}

void GameProfilesDialog::updateButtons()
{
    const bool selected = !ui->rules_table->selectedItems().isEmpty();
    ui->edit_rule_button->setEnabled(selected);
    ui->remove_rule_button->setEnabled(selected);
}

QStringList GameProfilesDialog::runningPrograms() const
{
    QList<RunningProcess> processes = profiles->watch().lastSeen();
    if (!profiles->watch().isActive())
        processes = ProcFsSource().processes();
    QStringList names;
    for (const RunningProcess &process : std::as_const(processes)) {
        for (const QString &name : process.names) {
            if (GameRules::isAcceptableGameName(name))
                names.append(name);
        }
    }
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

void GameProfilesDialog::showResult(GameRules::Result result, const GameRule &rule)
{
    ui->message_label->setText(GameRules::describe(result, rule));
    ui->message_label->setVisible(result != GameRules::Result::Done);
}

void GameProfilesDialog::editRule(const GameRule &rule)
{
    const QString previousGame = rule.game;
    GameRuleDialog editor(rule, runningPrograms(), [this, previousGame](const GameRule &changed) {
        const GameRules::Result result = profiles->addRule(changed);
        if (result != GameRules::Result::Done)
            return GameRules::describe(result, changed);
        if (!previousGame.isEmpty() && !GameRules::sameGame(previousGame, changed.game))
            profiles->removeRule(previousGame);
        return QString();
    }, this);
    editor.exec();
    refresh();
}

void GameProfilesDialog::on_add_rule_button_clicked()
{
    editRule(GameRule{});
}

void GameProfilesDialog::on_edit_rule_button_clicked()
{
    const int row = ui->rules_table->currentRow();
    const QList<GameRule> list = profiles->rules().rules();
    if (row >= 0 && row < list.size())
        editRule(list.at(row));
}

void GameProfilesDialog::on_remove_rule_button_clicked()
{
    const int row = ui->rules_table->currentRow();
    const QList<GameRule> list = profiles->rules().rules();
    if (row < 0 || row >= list.size())
        return;
    showResult(profiles->removeRule(list.at(row).game), list.at(row));
    refresh();
}

void GameProfilesDialog::storeDefaults()
{
    const GameRule defaults{QString(), pickedProfile(ui->default_effects_combo),
                            pickedProfile(ui->default_periphery_combo)};
    const GameRules::Result result =
        profiles->setDefaultProfiles(defaults.effectsProfile, defaults.peripheryProfile);
    showResult(result, defaults);
    if (result != GameRules::Result::Done)
        refresh();
}

void GameProfilesDialog::on_watch_check_box_toggled(bool checked)
{
    if (filling)
        return;
    showResult(profiles->setWatchEnabled(checked), GameRule{});
}

void GameProfilesDialog::on_autostart_check_box_toggled(bool checked)
{
    if (filling)
        return;
    if (setAutostartEnabled(checked)) {
        showResult(GameRules::Result::Done, GameRule{});
        return;
    }
    ui->message_label->setText(tr("The autostart entry %1 could not be changed.").arg(autostartEntryPath()));
    ui->message_label->show();
    filling = true;
    ui->autostart_check_box->setChecked(autostartEnabled());
    filling = false;
}
