// What the progression screen tests share: the screen with its answered dialog, and a table.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "ui/alert_dialog.h"
#include "ui/progression_screen.h"
#include "ui/up_down.h"
#include "ui_fixture.h"

namespace quorvel::testing {

inline const QString kPrompt = "Select Wins and Losses for your progression.";
inline const QString kNoActionItem = "no special action" + QString(13, ' ');

// A screen with its dialog, answered by the test; shown like the options screen shows it.
struct Screen {
  explicit Screen(QSize display = {1024, 768}) : progression(modals, alert, display) {}
  AnsweringModals modals;
  ui::TAlert alert;
  ui::TProgression progression;

  // The spinners as a click moves them.
  void Select(int wins, int losses) {
    progression.WinUpDown->Step(wins - progression.WinUpDown->Position());
    progression.LossUpDown->Step(losses - progression.LossUpDown->Position());
  }
  void Choose(int code) {
    progression.Action1->setCurrentIndex(code);
    emit progression.Action1->activated(code);
  }
  void TypeUnits(const QString& text) {
    progression.Option1->setText(text);
    progression.Option1Exit();
  }
  // Line `n` of the saved rules, counting from 1.
  QString Line(int n) const { return progression.Side->document()->findBlockByNumber(n - 1).text(); }
  // The editor's fields as they are shown (amount fields and the units label).
  QList<bool> Shown() const {
    QList<bool> shown;
    for (QWidget* field : std::initializer_list<QWidget*>{
             progression.Action1, progression.Option1, progression.UpDown1, progression.Dot,
             progression.Tenth1, progression.UpDown2, progression.tenths, progression.unit1}) {
      shown << !field->isHidden();
    }
    return shown;
  }
};

// Three rules, one with 10 tenths and one carrying its endSeq flag; testing enabled.
inline ProgressionTable ThreeRules() {
  ProgressionTable table;
  table.ruleAction[3] = kEndSession;
  table.ruleAction[10] = kIncreaseBet;
  table.ruleUnits[10] = 1;
  table.ruleTenths[10] = 5;
  table.ruleAction[22] = kSetBet;
  table.ruleUnits[22] = 2;
  table.ruleTenths[22] = 10;
  table.ruleEndSeq[22] = 1;
  table.progressionEnabled = 1;
  return table;
}

}  // namespace quorvel::testing
