// The progression screen's presets: choosing one fills the rules to edit from, and what resets it.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include "ui/options_screen.h"
#include "ui/radio_group.h"
#include "progression_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;
using testing::Screen;

namespace {

// Picks the item named `name` as a click in the list does.
void ChoosePreset(TProgression& p, const QString& name) {
  const int index = p.PresetBox->findText(name);
  QVERIFY(index >= 0);
  p.PresetBox->setCurrentIndex(index);
  emit p.PresetBox->activated(index);
}

}  // namespace

class ProgressionPresetsTest : public QObject {
  Q_OBJECT
 private slots:
  void ChoosingAPresetFillsTheRules() {
    const struct {
      QString name;
      QStringList lines;
      bool enabled;
      QString description;
    } cases[] = {
        {"Martingale",
         {"After 1 loss multiply bet by 2.0 units", "After 1 win set bet to  1.0 units"}, true,
         "Double the stake after each loss; back to one unit after a win."},
        {"d'Alembert",
         {"After 1 loss increase bet by  1.0 units", "After 1 win decrease bet by  1.0 units"}, true,
         "One unit more after a loss, one less after a win; the table minimum is raised to one "
         "unit."},
        {"Flat bet", {}, false, "One unit every round: no rules."},
    };
    Screen screen;
    TProgression& p = screen.progression;
    QCOMPARE(p.PresetBox->currentIndex(), -1);
    screen.modals.actions["ReplaceRules"] = [](QDialog&) { return int{QMessageBox::Yes}; };
    for (const auto& c : cases) {
      // Over the rules of another file, none of which may stay, once the user agrees.
      p.LoadTable(testing::ThreeRules());
      ChoosePreset(p, c.name);
      QStringList lines;
      for (int n = 1; n <= c.lines.size() + 1; ++n) lines << screen.Line(n);
      QCOMPARE(lines, c.lines + QStringList{QString()});
      QCOMPARE(p.ProgEnable->isChecked(), c.enabled);
      QCOMPARE(p.PresetText->text(), c.description);
      QCOMPARE(p.PresetBox->currentText(), c.name);
      QCOMPARE(p.TableForSave().ruleEndSeq[22], 0);
    }
    QCOMPARE(screen.modals.shown, QStringList(3, "ReplaceRules"));
  }

  void APresetIsAStartingPointForEditing() {
    Screen screen;
    TProgression& p = screen.progression;
    screen.Select(1, 0);
    ChoosePreset(p, "Martingale");
    // The selected rule shows the preset's at once.
    QCOMPARE(p.Action1->currentIndex(), int{kSetBet});
    QCOMPARE(p.Option1->text(), QString("1"));
    screen.Select(0, 1);
    p.Edit1Click();
    screen.Choose(kMultiplyBet);
    screen.TypeUnits("3");
    p.Save1Click();
    QCOMPARE(screen.Line(1), QString("After 1 loss multiply bet by 3.0 units"));
    QCOMPARE(screen.Line(2), QString("After 1 win set bet to  1.0 units"));
    const ProgressionTable saved = p.TableForSave();
    QCOMPARE(int{saved.ruleAction[1]}, int{kMultiplyBet});
    QCOMPARE(int{saved.ruleUnits[1]}, 3);
    QCOMPARE(int{saved.ruleAction[10]}, int{kSetBet});
    QCOMPARE(int{saved.progressionEnabled}, 1);
  }

  void ClearDataAndLoadingForgetThePresetUsersRulesAreAskedFor() {
    Screen screen;
    TProgression& p = screen.progression;
    ChoosePreset(p, "Paroli");
    p.Clear1Click();
    QCOMPARE(p.PresetBox->currentIndex(), -1);
    QVERIFY(p.PresetText->text().isEmpty());
    QCOMPARE(p.TableForSave(), ProgressionTable{});
    ChoosePreset(p, "1-3-2-6");
    p.LoadTable(testing::ThreeRules());
    QCOMPARE(p.PresetBox->currentIndex(), -1);
    QVERIFY(p.PresetText->text().isEmpty());
    QCOMPARE(p.TableForSave(), testing::ThreeRules());
    // Rules of the user's own: a preset replaces them only when the user says yes.
    for (const int answer : {int{QMessageBox::No}, int{QMessageBox::Yes}}) {
      screen.modals.actions["ReplaceRules"] = [answer](QDialog&) { return answer; };
      ChoosePreset(p, "Paroli");
      QCOMPARE(p.TableForSave() == testing::ThreeRules(), answer == QMessageBox::No);
    }
    ChoosePreset(p, "Martingale");  // a preset's rules go without a question
    QCOMPARE(screen.modals.shown, (QStringList{"ReplaceRules", "ReplaceRules"}));
    QCOMPARE(p.PresetBox->currentText(), QString("Martingale"));
  }

  void DAlembertRaisesTheOptionsMinimumToTheUnit() {
    const struct {
      QString preset;
      int unitChoice;  // 0 dollars, 1 percent
      QString unit, minimum, expected;
    } cases[] = {
        {"d'Alembert", 0, "10", "5", "10"},
        {"Contra d'Alembert", 0, "25", "5", "25"},
        {"d'Alembert", 0, "10", "40", "40"},  // never lowered
        {"Martingale", 0, "10", "5", "5"},
        {"d'Alembert", 1, "2", "5", "5"},  // a percent has no dollar figure to raise to
    };
    testing::StartupDirectory startup;
    for (const auto& c : cases) {
      testing::AnsweringModals modals;
      TAlert alert;
      TProgression progression(modals, alert, QSize(1024, 768));
      TStrategy strategy(modals, progression, {1024, 768}, startup.Path());
      strategy.BetUnit->Item(c.unitChoice)->click();
      (c.unitChoice == 0 ? strategy.BUDollar : strategy.BUPercent)->setText(c.unit);
      strategy.BetLLim->setText(c.minimum);
      ChoosePreset(progression, c.preset);
      QCOMPARE(strategy.BetLLim->text(), c.expected);
    }
  }
};

QTEST_MAIN(ProgressionPresetsTest)
#include "progression_presets_test.moc"
