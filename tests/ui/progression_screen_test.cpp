// The progression screen: choosing, editing, saving and clearing rules, the "?" texts, the
// list of saved rules, reopening, and what the settings file receives.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "progression_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;
using testing::Screen;

class ProgressionScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void NoWinsAndNoLossesHideTheEditor() {
    Screen screen;
    TProgression& p = screen.progression;
    p.FormShow();
    QCOMPARE(p.Explain->text(), testing::kPrompt);
    QCOMPARE(screen.Shown(), QList<bool>(8, false));
    // Back to 0 and 0 from a rule with an amount: nothing of the editor stays, the dot included.
    p.LoadTable(testing::ThreeRules());
    screen.Select(1, 0);
    QCOMPARE(screen.Shown(), (QList<bool>(8, true)));
    screen.Select(0, 0);
    QCOMPARE(screen.Shown(), QList<bool>(8, false));
    QCOMPARE(p.Explain->text(), testing::kPrompt);

    p.Edit1Click();
    p.Save1Click();
    QCOMPARE(p.TableForSave(), testing::ThreeRules());
    p.Button1Click();
    QCOMPARE(screen.modals.shown, QStringList{"Alert"});
    QCOMPARE(screen.alert.Message->text(),
             QString("The computer is keeping a count of the Winning Hands and Losing Hands.  You "
                     "currently have selected 0 WINS and 0 LOSSES.  You must first select the "
                     "number of WINS and LOSSES to program a progression."));
    QVERIFY(screen.alert.Save->isHidden());
  }

  void ANewRuleShowsNoActionDisabled() {
    Screen screen;
    TProgression& p = screen.progression;
    screen.Select(2, 0);
    QCOMPARE(p.Action1->currentText(), testing::kNoActionItem);
    QVERIFY(!p.Action1->isHidden());
    QVERIFY(!p.Action1->isEnabled());
    QCOMPARE(screen.Shown(), (QList<bool>{true, false, false, false, false, false, false, false}));
    QCOMPARE(p.Explain->text(), QString("After 2 wins "));
  }

  // The whole cycle from the keyboard: a count typed and one stepped with an arrow key, the
  // buttons pressed with the space bar, the action and the amounts chosen by keys.
  void EditingCycleStoresTheRuleAndListsIt() {
    Screen screen;
    TProgression& p = screen.progression;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.activateWindow();
    const auto keys = [](QWidget* field, const QString& typed, Qt::Key key) {
      field->setFocus();
      if (!typed.isEmpty()) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(field, typed);
      QTest::keyClick(field, key);
    };
    keys(p.Num1, "1", Qt::Key_Tab);
    keys(p.NumLoss, "", Qt::Key_Up);
    QCOMPARE(p.WinUpDown->Position() * 10 + p.LossUpDown->Position(), 11);
    QVERIFY(p.Action1->isVisible());
    keys(p.Save1, "", Qt::Key_Space);  // without Edit: nothing
    QCOMPARE(p.TableForSave(), ProgressionTable{});
    keys(p.Edit1, "", Qt::Key_Space);
    for (QWidget* field : std::initializer_list<QWidget*>{p.Action1, p.Option1, p.Tenth1}) {
      QVERIFY(field->isEnabled());
    }
    QVERIFY(p.UpDown1->isEnabled() && p.UpDown2->isEnabled());
    keys(p.Action1, "", Qt::Key_Down);
    keys(p.Action1, "", Qt::Key_Down);
    QCOMPARE(p.Action1->currentIndex(), int{kIncreaseBet});
    QVERIFY(p.Option1->isVisible());
    keys(p.Option1, "2", Qt::Key_Tab);
    for (int tenth = 0; tenth < 5; ++tenth) keys(p.Tenth1, "", Qt::Key_Up);
    QCOMPARE(p.UpDown2->Position(), 5);
    p.Button1->click();
    QCOMPARE(screen.alert.Message->text(),
             QString("The computer is keeping a count of the Winning and Losing Hands.  After 1 win "
                     "and 1 loss  you have currently have selected to increase bet by  2."));
    QVERIFY(!screen.alert.Save->isHidden());
    keys(p.Save1, "", Qt::Key_Space);

    const ProgressionTable saved = p.TableForSave();
    QCOMPARE(saved.ruleAction[11], int8_t{kIncreaseBet});
    QCOMPARE(saved.ruleUnits[11] * 10 + saved.ruleTenths[11], 25);
    QCOMPARE(saved.progressionEnabled, uint8_t{1});  // saving a rule switches testing on
    QVERIFY(!p.Action1->isEnabled() && !p.Option1->isEnabled());
    QCOMPARE(screen.Line(1), QString("After 1 win and 1 loss increase bet by  2.5 units"));

    // A second rule lists in index order; saving "no special action" removes the first.
    screen.Select(0, 2);
    p.Edit1Click();
    screen.Choose(kMultiplyBet);
    screen.TypeUnits("3");
    p.Save1Click();
    QCOMPARE(screen.Line(1), QString("After 2 losses multiply bet by 3.0 units"));
    QCOMPARE(screen.Line(2), QString("After 1 win and 1 loss increase bet by  2.5 units"));
    p.ProgEnable->setChecked(false);
    screen.Select(1, 1);
    QCOMPARE(p.Action1->currentIndex(), int{kIncreaseBet});
    QCOMPARE(p.Option1->text(), QString("2"));
    QCOMPARE(p.Tenth1->text(), QString("5"));
    p.Edit1Click();
    screen.Choose(kNoAction);
    p.Save1Click();
    QCOMPARE(screen.Line(1), QString("After 2 losses multiply bet by 3.0 units"));
    QCOMPARE(screen.Line(2), QString());
    QVERIFY(!p.ProgEnable->isChecked());  // removing a rule does not switch testing on
    QCOMPARE(p.Side->document()->blockCount(), 100);
  }

  void ActionsShowTheirAmountFieldsEndSessionNone() {
    const QList<bool> none{true, false, false, false, false, false, false, false};
    const QList<bool> factor{true, true, true, true, true, true, true, false};
    const QList<bool> units(8, true);
    const QList<QList<bool>> expected{none, units, units, units, factor, factor, none};
    Screen screen;
    screen.Select(0, 3);
    screen.progression.Edit1Click();
    for (int code = 0; code <= kEndSession; ++code) {
      screen.Choose(code);
      QCOMPARE(screen.Shown(), expected[code]);
    }
    QCOMPARE(screen.progression.Action1->currentText(), "END SESSION" + QString(30, ' '));
    screen.progression.Save1Click();
    QCOMPARE(screen.Line(1), QString("After 3 losses end session "));
    QCOMPARE(screen.progression.TableForSave().ruleAction[3], int8_t{kEndSession});
  }

  void DivideNeverDividesBy0() {
    Screen screen;
    TProgression& p = screen.progression;
    screen.Select(1, 0);
    p.Edit1Click();
    screen.TypeUnits("0");
    screen.Choose(kDivideBet);
    QCOMPARE(p.UpDown1->Position(), 1);
    screen.TypeUnits("0");  // typed, it is taken as it stands
    QCOMPARE(p.UpDown1->Position(), 0);
    p.UpDown2->Step(-1);  // either amount spinner raises it again
    QCOMPARE(p.UpDown1->Position(), 1);
    QCOMPARE(p.Option1->text(), QString("1"));

    p.UpDown2->Step(-1);
    screen.TypeUnits("0");
    QCOMPARE(p.Tenth1->text(), QString("0"));
    p.Save1Click();  // 0.0 is refused, and the rule stays open for a new amount
    QCOMPARE(screen.modals.errors,
             QStringList{"A bet cannot be divided by 0.0: set at least 1 whole unit or 1 tenth."});
    QCOMPARE(p.TableForSave().ruleAction[10], int8_t{0});
    QVERIFY(p.Action1->isEnabled());
    p.UpDown2->SetPosition(5);
    p.Save1Click();
    QCOMPARE(screen.Line(1), QString("After 1 win divide bet by  0.5 units"));
  }

  void TypedUnitsAreCheckedWhenTheEditIsLeft() {
    const struct { const char* text; const char* error; } refused[] = {
        {"abc", "'abc' is not a valid integer value"},
        {"1.5", "'1.5' is not a valid integer value"},
        {"150", "'150' is out of range: whole units go from 0 to 99."},
        {"-3", "'-3' is out of range: whole units go from 0 to 99."},
    };
    for (const auto& c : refused) {
      Screen screen;
      screen.Select(2, 0);
      screen.progression.Edit1Click();
      screen.Choose(kSetBet);
      screen.TypeUnits("7");
      screen.TypeUnits(c.text);
      QCOMPARE(screen.modals.errors, QStringList{c.error});
      QCOMPARE(screen.progression.UpDown1->Position(), 7);
      QCOMPARE(screen.progression.Option1->text(), QString("7"));  // what Save stores
      screen.progression.Save1Click();
      QCOMPARE(screen.progression.TableForSave().ruleUnits[20], int8_t{7});
    }
    Screen screen;
    QCOMPARE(screen.progression.Option1->maxLength(), 5);
    screen.TypeUnits("99");
    QCOMPARE(screen.progression.UpDown1->Position(), 99);
    QVERIFY(screen.modals.errors.isEmpty());
  }

  void ClearDataRemovesEveryRule() {
    Screen screen;
    TProgression& p = screen.progression;
    p.LoadTable(testing::ThreeRules());
    screen.Select(2, 2);
    QCOMPARE(screen.Line(3), QString("After 2 wins and 2 losses set bet to  2.10 units"));
    p.Clear1->click();
    for (int line = 1; line <= 100; ++line) QCOMPARE(screen.Line(line), QString());
    QVERIFY(!p.ProgEnable->isChecked());
    QCOMPARE(p.TableForSave(), ProgressionTable{});  // endSeq and the switch too
    QCOMPARE(p.WinUpDown->Position(), 0);
    QCOMPARE(p.LossUpDown->Position(), 0);
    QCOMPARE(screen.Shown(), QList<bool>(8, false));
    QCOMPARE(p.Explain->text(), testing::kPrompt);
  }

  void ReopeningShowsTheRuleButAsksForASelection() {
    Screen screen;
    TProgression& p = screen.progression;
    ProgressionTable table;
    table.ruleAction[20] = kSetBet;
    table.ruleUnits[20] = 3;
    p.LoadTable(table);
    p.show();
    screen.Select(2, 0);
    p.Exit1->click();
    QVERIFY(!p.isVisible());

    p.show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&p, &activate);
    QCOMPARE(p.Action1->currentIndex(), int{kSetBet});
    QCOMPARE(p.Option1->text(), QString("3"));
    QVERIFY(!p.Option1->isHidden());
    QCOMPARE(p.Explain->text(), testing::kPrompt);
    QCOMPARE(screen.Line(1), QString("After 2 wins set bet to  3.0 units"));
    screen.Select(2, 0);
    QCOMPARE(p.Explain->text(), QString("After 2 wins "));
    // Coming back from the information dialog is another activation: it keeps the explanation.
    p.Button1Click();
    QCoreApplication::sendEvent(&p, &activate);
    QCOMPARE(p.Explain->text(), QString("After 2 wins "));
  }

  void LoadedTableFillsTheEditorAndTheList() {
    Screen screen;
    TProgression& p = screen.progression;
    p.LoadTable(testing::ThreeRules());
    QCOMPARE(screen.Line(1), QString("After 3 losses end session "));
    QCOMPARE(screen.Line(2), QString("After 1 win increase bet by  1.5 units"));
    QCOMPARE(screen.Line(3), QString("After 2 wins and 2 losses set bet to  2.10 units"));
    screen.Select(2, 2);
    QCOMPARE(p.Tenth1->text(), QString("10"));
    ProgressionTable other;
    other.ruleAction[50] = kDecreaseBet;
    other.ruleAction[20] = 9;  // a code no action has: neither listed nor shown as an action
    p.LoadTable(other);
    p.FormShow();
    QCOMPARE(screen.Line(1), QString("After 5 wins decrease bet by  0.0 units"));
    QCOMPARE(screen.Line(2), QString());
    QCOMPARE(screen.Line(3), QString());
    screen.Select(2, 0);
    QCOMPARE(p.Action1->currentText(), testing::kNoActionItem);
  }

  void SettingsFileGetsTheBoxNotTheStoredByte() {
    Screen screen;
    TProgression& p = screen.progression;
    ProgressionTable stored = testing::ThreeRules();
    stored.progressionEnabled = 7;
    p.LoadTable(stored);
    QVERIFY(p.ProgEnable->isChecked());
    ProgressionTable expected = testing::ThreeRules();
    expected.progressionEnabled = 1;
    QCOMPARE(p.TableForSave(), expected);
    p.ProgEnable->setChecked(false);
    QCOMPARE(p.TableForSave().progressionEnabled, uint8_t{0});

    stored.progressionEnabled = 0;
    p.LoadTable(stored);
    QVERIFY(!p.ProgEnable->isChecked());
    QCOMPARE(screen.Line(3), QString("After 2 wins and 2 losses set bet to  2.10 units"));

    QCOMPARE(p.PName->text(), QString());
    p.SetPName("/home/player/systems/martingale.sav");
    QCOMPARE(p.PName->text(), QString("/home/player/systems/martingale.sav"));
    QCOMPARE(p.Label3->text(), QString("Current Setup"));
  }
};

QTEST_MAIN(ProgressionScreenTest)
#include "progression_screen_test.moc"
