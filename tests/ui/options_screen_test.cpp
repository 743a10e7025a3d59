// The options screen: its choices, the penetration box, the three ways a visit ends, saving and opening.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "config/default_settings.h"
#include "ui/alert_dialog.h"
#include "ui/main_screen.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/radio_group.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;
using testing::FileBytes;

namespace {

// The options screen with its progression screen in a start-up directory of its own, answered
// by the test.
struct Options {
  Options()
      : progression(modals, alert, QSize(1024, 768)),
        strategy(modals, progression, {1024, 768}, startup.Path()) {}
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TAlert alert;
  TProgression progression;
  TStrategy strategy;
};

// The main screen over the options screen; Visit plays the user's part in one visit.
struct Table : Options {
  Table() : form(modals, {1024, 768}, startup.Folders()) {
    form.SetScreens({nullptr, nullptr, nullptr, nullptr, &strategy, nullptr});
  }
  void Visit(const std::function<void()>& edits) {
    modals.actions["Strategy"] = [this, edits](QDialog& dialog) {
      dialog.show();
      edits();
      return 0;
    };
    form.OptButtonClick();
  }
  TForm1 form;
};

// The choices of a saved file that the command line can write too.
void ChooseTableAndMoney(TStrategy& strategy) {
  strategy.NPUpDown->setValue(2);
  strategy.NDUpDown->setValue(6);
  strategy.PenText->setText("75");
  strategy.PenTextExit();
  strategy.DlrOptions->Item(1)->click();
  strategy.SurrOptions->Item(1)->click();
  strategy.DAS->Item(1)->click();
  strategy.BankRoll->Item(0)->click();
  strategy.BRDollar->setText("500");
  strategy.BetUnit->Item(0)->click();
  strategy.BUDollar->setText("5");
  strategy.ULGroup->Item(1)->click();
  strategy.ULDollars->setText("200");
  strategy.LLGroup->Item(1)->click();
  strategy.LLDollars->setText("150");
  strategy.BetLLim->setText("5");
  strategy.BetULim->setText("500");
}

QByteArray CommandLineSettings(const QString& file) {
  QProcess cli;
  cli.start(QCoreApplication::applicationDirPath() + "/quorvel-cli",
            {"settings", "new", file, "--players", "2", "--decks", "6", "--penetration", "75",
             "--h17", "--late-surrender", "--no-das", "--bankroll", "500", "--unit", "5",
             "--win-limit", "stop", "--win-amount", "200", "--loss-limit", "stop",
             "--loss-amount", "150", "--min", "5", "--max", "500"});
  cli.waitForFinished();
  return FileBytes(file);
}

}  // namespace

class OptionsScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void UnitGroupsExcludeEachOther() {
    Options options;
    TStrategy& s = options.strategy;
    s.BankRoll->Item(1)->click();
    s.BetUnit->Item(1)->click();
    QCOMPARE(s.BankRoll->ItemIndex(), 0);
    s.BankRoll->Item(1)->click();
    QCOMPARE(s.BetUnit->ItemIndex(), 0);
    s.BetUnit->Item(0)->click();
    QCOMPARE(s.BankRoll->ItemIndex(), 1);  // units with a dollar unit may stand
  }

  void ContinuousShuffleDisablesThePenetration() {
    Options options;
    TStrategy& s = options.strategy;
    s.Penetration->setValue(80);
    s.CShuffle->click();
    for (QWidget* control : std::initializer_list<QWidget*>{s.Penetration, s.PenText, s.Label5, s.PenLabel}) {
      QVERIFY(!control->isEnabled());
    }
    const std::filesystem::path file = options.startup.Path() / "cs.sav";
    QVERIFY(s.SaveData(file));
    QCOMPARE(int(FileBytes(file)[2]), 0);
    s.CShuffle->click();
    QVERIFY(s.Penetration->isEnabled());
    QCOMPARE(s.Penetration->value(), 80);
    QVERIFY(s.SaveData(file));
    QCOMPARE(int(FileBytes(file)[2]), 80);
  }

  void PenetrationBoxTakesOnlyItsRange() {
    Options options;
    TStrategy& s = options.strategy;
    s.Penetration->setValue(60);
    s.PenText->setText("95");
    s.PenTextExit();
    QCOMPARE(s.PenText->text(), QString("60"));
    QCOMPARE(s.Penetration->value(), 60);
    s.PenText->setText("0000075");  // no length limit: leading zeros read as they stand
    s.PenTextExit();
    QCOMPARE(s.Penetration->value(), 75);
    QCOMPARE(s.PenText->text(), QString("75"));
    s.PenText->setText("abc");
    s.PenTextExit();
    QCOMPARE(options.modals.errors, QStringList{"'abc' is not a valid integer value"});
    QCOMPARE(s.Penetration->value(), 75);
  }

  void SpinnersOfferTheirSteps() {
    Options options;
    TStrategy& s = options.strategy;
    QStringList decks;
    s.NDUpDown->setValue(2);
    for (int i = 0; i < 5; ++i) {
      decks << s.NumDecks->text();
      s.NDUpDown->stepBy(1);
    }
    QCOMPARE(decks, (QStringList{"2", "4", "6", "8", "8"}));
    s.NPUpDown->setValue(1);
    s.NPUpDown->stepBy(-1);
    QCOMPARE(s.NumPlayers->text(), QString("1"));
    s.NPUpDown->stepBy(10);
    QCOMPARE(s.NumPlayers->text(), QString("7"));
    QVERIFY(s.NumPlayers->isReadOnly());
  }

  void RunTestHandsTheScreenOver() {
    Table table;
    table.Visit([&] {
      ChooseTableAndMoney(table.strategy);
      table.strategy.BitBtn1->click();
    });
    const QByteArray expected = CommandLineSettings(QString::fromStdString((table.startup.Path() / "cli.sav").string()));
    QCOMPARE(expected.size(), 543);
    QCOMPARE(FileBytes(table.startup.LastUsedFile()), expected);
    // Applied: the table deals by the new rules and money.
    QCOMPARE(table.form.Table().engine.Rules().decks, 6);
    QVERIFY(table.form.Table().engine.Rules().dealerHitsSoft17);
    QCOMPARE(table.form.Table().money.bankroll, 500.0);
    QCOMPARE(table.form.Table().money.bet, 5.0f);
    QCOMPARE(table.form.newwinnings->text(), QString("500"));
  }

  void ExitWithoutResettingKeepsTheTableUntilClose() {
    for (const bool escape : {false, true}) {  // Escape is read as cancel
      Table table;
      table.Visit([&] {
        ChooseTableAndMoney(table.strategy);
        if (escape) {
          QTest::keyClick(&table.strategy, Qt::Key_Escape);
        } else {
          table.strategy.BitBtn2->click();
        }
      });
      QVERIFY(!std::filesystem::exists(table.startup.LastUsedFile()));
      QCOMPARE(table.form.Table().money.bankroll, 1000.0);
      QCOMPARE(table.strategy.BRDollar->text(), QString("500"));  // the edits stay
      table.form.show();
      table.form.Exit1Click();  // closing keeps the edits for the next start
      QCOMPARE(FileBytes(table.startup.LastUsedFile()),
               CommandLineSettings(QString::fromStdString((table.startup.Path() / "cli.sav").string())));
    }
  }

  void ChartsMenuSavesOnlyAShownScreen() {
    Table table;
    table.form.Chart1Click();
    QVERIFY(!std::filesystem::exists(table.startup.LastUsedFile()));

    table.Visit([&] { table.strategy.BitBtn2->click(); });
    table.strategy.BRDollar->setText("777");
    table.form.Chart1Click();
    QVERIFY(std::filesystem::exists(table.startup.LastUsedFile()));
    QCOMPARE(table.form.Table().money.bankroll, 1000.0);  // saved, not applied
    table.form.Reset1Click();
    QCOMPARE(table.form.Table().money.bankroll, 777.0);
  }

  void FailedSavesAreReportedAndNothingIsApplied() {
    Table table;

    table.modals.saveAnswer = QString::fromStdString((table.startup.Path() / "missing" / "my.sav").string());
    table.strategy.show();
    table.strategy.SaveAsClick();
    QCOMPARE(table.modals.errors.size(), 1);
    QVERIFY(table.modals.errors[0].contains("my.sav"));

    std::filesystem::remove_all(table.startup.Path() / "chartdata");
    table.Visit([&] {
      table.strategy.BRDollar->setText("333");
      table.strategy.BitBtn1->click();
    });
    QCOMPARE(table.modals.errors.size(), 2);
    QVERIFY(table.modals.errors[1].contains("a7d70sd7f897.sav"));
    QCOMPARE(table.form.Table().money.bankroll, 1000.0);  // the active settings stay
    QVERIFY(table.strategy.KeepOldSettings());
  }

  void OpenShowsTheFileAndNamesIt() {
    Options options;
    const QString file = QString::fromStdString((options.startup.Path() / "cli.sav").string());
    CommandLineSettings(file);
    options.modals.openAnswer = file;
    options.strategy.Open2Click();
    TStrategy& s = options.strategy;
    QCOMPARE(s.NumPlayers->text(), QString("2"));
    QCOMPARE(s.NumDecks->text(), QString("6"));
    QCOMPARE(s.PenText->text(), QString("75"));
    QCOMPARE(s.DlrOptions->ItemIndex(), 1);
    QCOMPARE(s.BRDollar->text(), QString("500"));
    QCOMPARE(s.BetULim->text(), QString("500"));
    QVERIFY(options.modals.errors.isEmpty());
    // A missing or damaged file is refused with its reason; the screen keeps what it held.
    const QString cut = QString::fromStdString((options.startup.Path() / "cut.sav").string());
    QFile out(cut);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(FileBytes(file).left(200));
    out.close();
    s.BRDollar->setText("640");
    for (const QString& refused : {QString::fromStdString((options.startup.Path() / "nothing.sav").string()), cut}) {
      options.modals.openAnswer = refused;
      options.strategy.Open2Click();
      QVERIFY2(options.modals.errors.back().startsWith(refused + " was not opened: "), qPrintable(options.modals.errors.back()));
    }
    QCOMPARE(options.modals.errors.size(), 2);
    QVERIFY(options.modals.errors.back().contains("ends after 200 of its 537"));
    QCOMPARE(s.BRDollar->text(), QString("640"));
    QCOMPARE(s.NumPlayers->text(), QString("2"));
  }

  void TypedValuesNoTableCanPlayAreRefused() {
    struct Case {
      const char* box;
      QString text;
      QString message;
    };
    const Case cases[] = {
        {"BRDollar", "abc", "starting bankroll 'abc' is not a"},
        {"BRDollar", "-5000", "starting bankroll must be more than 0"},
        {"BUDollar", "0", "bet unit must be more than $0"},
        {"BetLLim", "600", "bet minimum ($600) must not be above the bet maximum"},
    };
    for (const Case& c : cases) {
      Table table;
      auto* box = table.strategy.findChild<QLineEdit*>(c.box);
      bool stayedOpen = false;
      table.modals.saveAnswer = QString::fromStdString((table.startup.Path() / "saved.sav").string());
      table.Visit([&] {
        table.strategy.BetULim->setText("500");
        box->setText(c.text);
        table.strategy.BitBtn1->click();          // RUN TEST WITH NEW SETTINGS
        stayedOpen = table.strategy.isVisible();  // on the refused box
        table.strategy.SaveAsClick();             // SAVE SETUP
      });
      QVERIFY(stayedOpen);
      QCOMPARE(table.modals.errors.size(), 2);
      QVERIFY2(table.modals.errors[0].contains(c.message, Qt::CaseInsensitive), qPrintable(table.modals.errors[0]));
      QCOMPARE(table.strategy.focusWidget(), box);
      QVERIFY(!std::filesystem::exists(table.startup.LastUsedFile()));
      QVERIFY(!std::filesystem::exists(table.startup.Path() / "saved.sav"));
      QCOMPARE(table.form.Table().money.bankroll, 1000.0);
    }
  }

  void OutsideChangesAreNotOverwrittenUnasked() {
    Table table;
    table.Visit([&] { table.strategy.BitBtn2->click(); });
    // quorvel-cli writes the file meanwhile: RESET asks before it plays it.
    const QByteArray outside =
        CommandLineSettings(QString::fromStdString(table.startup.LastUsedFile().string()));
    QVERIFY(!outside.isEmpty());
    for (const bool answer : {false, true}) {
      table.modals.answer = answer;
      table.form.Reset1Click();
      QVERIFY(table.modals.questions.back().contains("has changed since this window read it"));
      QCOMPARE(table.form.Table().money.bankroll, answer ? 500.0 : 1000.0);
    }
    QCOMPARE(table.strategy.BRDollar->text(), QString("500"));  // the screen shows what plays
    // With nothing edited, closing leaves the file.
    table.form.show();
    table.form.Exit1Click();
    QCOMPARE(FileBytes(table.startup.LastUsedFile()), outside);
    QCOMPARE(table.modals.questions.size(), 2);
    // Changed outside again and edited here: No keeps the file, Yes writes the edits.
    QVERIFY(SaveData(table.startup.LastUsedFile(), DefaultSettings()));
    const QByteArray again = FileBytes(table.startup.LastUsedFile());
    table.strategy.BRDollar->setText("900");
    for (const bool answer : {false, true}) {
      table.modals.answer = answer;
      table.strategy.SaveUnsavedEdits();
      QVERIFY(table.modals.questions.back().contains("has changed since this window read it"));
      QCOMPARE(FileBytes(table.startup.LastUsedFile()) == again, !answer);
    }
    QCOMPARE(table.modals.questions.size(), 4);
  }
};

QTEST_MAIN(OptionsScreenTest)
#include "options_screen_test.moc"
