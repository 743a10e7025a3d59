// TProgression's handlers: choosing a rule, editing and saving it, explaining it, clearing all.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "money/progression_presets.h"
#include "money/progression_text.h"
#include "money/rule_editing.h"
#include "ui/alert_dialog.h"
#include "ui/modal_seam.h"
#include "ui/progression_screen.h"
#include "ui/up_down.h"
#include "ui/version.h"

namespace quorvel::ui {
namespace {

const QString kPrompt = "Select Wins and Losses for your progression.";

int Code(const QComboBox& list) { return list.currentIndex(); }

}  // namespace

int TProgression::Selected() const { return WinUpDown->Position() * 10 + LossUpDown->Position(); }

void TProgression::SetEditorEnabled(bool enabled) {
  for (QWidget* field : std::initializer_list<QWidget*>{Action1, Option1, UpDown1, Tenth1, UpDown2}) {
    field->setEnabled(enabled);
  }
}

void TProgression::FormShow() {
  SetSequence();
  ShowSettings();
}

void TProgression::FormActivate() { Explain->setText(kPrompt); }

void TProgression::WinUpDownClick() {
  if (Selected() != 0) {
    ZeroWL(false);
    SetSequence();
  } else {
    ZeroWL(true);
  }
}

void TProgression::LossUpDownClick() { WinUpDownClick(); }

void TProgression::Edit1Click() { SetEditorEnabled(true); }

void TProgression::Action1Change() {
  // A divide rule never divides by 0 whole units unless they are typed.
  if (Code(*Action1) == kDivideBet && UpDown1->Position() == 0) UpDown1->SetPosition(1);
  SetUnits(*Action1);
}

void TProgression::UpDown1Click() {
  if (UpDown1->Position() == 0 && Code(*Action1) == kDivideBet) UpDown1->SetPosition(1);
}

void TProgression::Option1Exit() {
  const RuleUnitsReading reading = ReadRuleUnits(Option1->text().toStdString());
  if (reading.units) {
    UpDown1->SetPosition(*reading.units);
    return;
  }
  modals_.ShowError(this, kProgramTitle, QString::fromStdString(reading.message));
  // The edit shows again what the spinner holds, which is what Save stores.
  UpDown1->SetPosition(UpDown1->Position());
}

void TProgression::Save1Click() {
  if (!Action1->isEnabled() || Selected() == 0) return;
  const std::optional<std::string> problem =
      RuleAmountProblem(Code(*Action1), UpDown1->Position(), UpDown2->Position());
  if (problem) {
    modals_.ShowError(this, kProgramTitle, QString::fromStdString(*problem));
    return;
  }
  SaveWL();
  ShowSettings();
}

void TProgression::Button1Click() {
  if (Action1->isHidden()) {
    alert_.Message->setText(QString::fromStdString(NoRuleSelectedText()));
    // Nothing is selected, so there is nothing to save.
    alert_.Save->hide();
    modals_.Exec(alert_);
  } else {
    ShowMessage();
  }
}

void TProgression::Clear1Click() {
  ForgetPreset();
  WinUpDown->SetPosition(0);
  LossUpDown->SetPosition(0);
  ZeroWL(true);
  ShowTable(ProgressionTable{});
}

void TProgression::Exit1Click() { accept(); }

void TProgression::PresetBoxChange() {
  const int index = PresetBox->currentIndex();
  if (index < 0) return;
  const ProgressionPreset& preset = ProgressionPresets()[static_cast<std::size_t>(index)];
  // Rules the user wrote are replaced only when the user says so.
  if (!RulesOfAPreset(TableForSave())) {
    QMessageBox ask(QMessageBox::Question, kProgramTitle,
                    QString("Replace the rules you made with those of %1?").arg(PresetBox->currentText()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName("ReplaceRules");
    ask.setDefaultButton(QMessageBox::No);
    if (modals_.Exec(ask) != QMessageBox::Yes) {
      ForgetPreset();
      return;
    }
  }
  ShowTable(PresetTable(preset));
  PresetText->setText(QString::fromUtf8(preset.description));
}

void TProgression::ForgetPreset() {
  PresetBox->setCurrentIndex(-1);
  PresetText->clear();
}

void TProgression::ZeroWL(bool hide) {
  if (!hide) {
    Action1->show();
    return;
  }
  // The dot goes with the amount fields: alone it would stand for nothing.
  for (QWidget* field : std::initializer_list<QWidget*>{Action1, Option1, Tenth1, UpDown1, UpDown2,
                                                        Dot, unit1, tenths}) {
    field->hide();
  }
  Explain->setText(kPrompt);
}

void TProgression::SetSequence() {
  RestoreWLSettings();
  SetUnits(*Action1);
  const int rule = Selected();
  Explain->setText(rule == 0 ? kPrompt
                             : QString::fromStdString(ExplainSettings(rule / 10, rule % 10)));
}

void TProgression::RestoreWLSettings() {
  const ProgressionRule rule = table_.Rule(Selected());
  // A code no action has (from a foreign file) does nothing, so it shows as no action.
  Action1->setCurrentIndex(IsActiveAction(rule.action) ? int{rule.action} : int{kNoAction});
  UpDown1->SetPosition(rule.wholeUnits);
  UpDown2->SetPosition(rule.tenthUnits);
  SetEditorEnabled(false);
}

void TProgression::SetUnits(const QComboBox& list) {
  const int code = Code(list);
  const bool amount = code >= kSetBet && code <= kDivideBet;
  for (QWidget* field : std::initializer_list<QWidget*>{Option1, UpDown1, Dot, Tenth1, UpDown2, tenths}) {
    field->setVisible(amount);
  }
  // Multiply and divide take a factor, not units.
  unit1->setVisible(code >= kSetBet && code <= kDecreaseBet);
}

void TProgression::SaveWL() {
  const int rule = Selected();
  const int code = Code(*Action1);
  table_.ruleAction[rule] = static_cast<int8_t>(code);
  table_.ruleUnits[rule] = static_cast<int8_t>(UpDown1->Position());
  table_.ruleTenths[rule] = static_cast<uint8_t>(UpDown2->Position());
  // A new rule switches testing on; removing one leaves the switch as the user set it.
  if (IsActiveAction(static_cast<int8_t>(code))) ProgEnable->setChecked(true);
  SetEditorEnabled(false);
}

void TProgression::ShowSettings() {
  QStringList lines;
  const ActiveRuleList active = ListActiveRules(table_);
  for (int i = 0; i < active.count; ++i) {
    lines << QString::fromStdString(RuleLine(table_, active.index[i]));
  }
  // The whole list is written, so no line of an earlier table stays behind.
  while (lines.size() < kRuleCount) lines << QString();
  Side->setPlainText(lines.join('\n'));
}

void TProgression::ShowMessage() {
  const int rule = Selected();
  alert_.Message->setText(QString::fromStdString(
      RuleAlertText(rule / 10, rule % 10, Code(*Action1), Option1->text().toStdString())));
  alert_.Save->show();
  modals_.Exec(alert_);
}

}  // namespace quorvel::ui
