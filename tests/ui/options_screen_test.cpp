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

#include "ui/alert_dialog.h"
#include "ui/main_screen.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/radio_group.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

namespace {

QByteArray Bytes(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The options screen with its progression screen, answered by the test.
struct Options {
  Options(testing::AnsweringModals& modals, const std::filesystem::path& startup)
      : progression(modals, alert, QSize(1024, 768)), strategy(modals, progression, startup) {}
  TAlert alert;
  TProgression progression;
  TStrategy strategy;
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
  return Bytes(file.toStdString());
}

}  // namespace

class OptionsScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void UnitGroupsExcludeEachOther();
  void ContinuousShuffleDisablesThePenetration();
  void PenetrationBoxTakesOnlyItsRange();
  void SpinnersOfferTheirSteps();
  void RunTestHandsTheScreenOver();
  void ExitWithoutResettingKeepsTheTableUntilClose();
  void ChartsMenuSavesOnlyAShownScreen();
  void FailedSavesAreReportedAndNothingIsApplied();
  void OpenShowsTheFileAndNamesIt();
};

void OptionsScreenTest::UnitGroupsExcludeEachOther() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TStrategy& s = options.strategy;
  s.BankRoll->Item(1)->click();
  s.BetUnit->Item(1)->click();
  QCOMPARE(s.BankRoll->ItemIndex(), 0);
  s.BankRoll->Item(1)->click();
  QCOMPARE(s.BetUnit->ItemIndex(), 0);
  s.BetUnit->Item(0)->click();
  QCOMPARE(s.BankRoll->ItemIndex(), 1);  // units with a dollar unit may stand
}

void OptionsScreenTest::ContinuousShuffleDisablesThePenetration() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TStrategy& s = options.strategy;
  s.Penetration->setValue(80);
  s.CShuffle->click();
  for (QWidget* control : std::initializer_list<QWidget*>{s.Penetration, s.PenText, s.Label5, s.PenLabel}) {
    QVERIFY(!control->isEnabled());
  }
  const std::filesystem::path file = startup.Path() / "cs.sav";
  QVERIFY(s.SaveData(file));
  QCOMPARE(int(Bytes(file)[2]), 0);
  s.CShuffle->click();
  QVERIFY(s.Penetration->isEnabled());
  QCOMPARE(s.Penetration->value(), 80);
  QVERIFY(s.SaveData(file));
  QCOMPARE(int(Bytes(file)[2]), 80);
}

void OptionsScreenTest::PenetrationBoxTakesOnlyItsRange() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TStrategy& s = options.strategy;
  s.Penetration->setValue(60);
  s.PenText->setText("95");
  s.PenTextExit();
  QCOMPARE(s.PenText->text(), QString("60"));
  QCOMPARE(s.Penetration->value(), 60);
  s.PenText->setText("075");
  s.PenTextExit();
  QCOMPARE(s.Penetration->value(), 75);
  QCOMPARE(s.PenText->text(), QString("75"));
  s.PenText->setText("abc");
  s.PenTextExit();
  QCOMPARE(modals.errors, QStringList{"'abc' is not a valid integer value"});
  QCOMPARE(s.Penetration->value(), 75);
}

void OptionsScreenTest::SpinnersOfferTheirSteps() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
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

void OptionsScreenTest::RunTestHandsTheScreenOver() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TForm1 form(modals, {1024, 768}, startup.Folders());
  form.SetScreens({nullptr, nullptr, nullptr, nullptr, &options.strategy, nullptr});
  modals.actions["Strategy"] = [&](QDialog& dialog) {
    dialog.show();
    ChooseTableAndMoney(options.strategy);
    options.strategy.BitBtn1->click();
    return 0;
  };
  form.OptButtonClick();
  const QByteArray expected = CommandLineSettings(QString::fromStdString((startup.Path() / "cli.sav").string()));
  QCOMPARE(expected.size(), 543);
  QCOMPARE(Bytes(startup.LastUsedFile()), expected);
  // Applied: the table deals by the new rules and money.
  QCOMPARE(form.Table().engine.Rules().decks, 6);
  QVERIFY(form.Table().engine.Rules().dealerHitsSoft17);
  QCOMPARE(form.Table().money.bankroll, 500.0);
  QCOMPARE(form.Table().money.bet, 5.0f);
  QCOMPARE(form.newwinnings->text(), QString("500"));
}

void OptionsScreenTest::ExitWithoutResettingKeepsTheTableUntilClose() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  auto form = std::make_unique<TForm1>(modals, QSize(1024, 768), startup.Folders());
  form->SetScreens({nullptr, nullptr, nullptr, nullptr, &options.strategy, nullptr});
  modals.actions["Strategy"] = [&](QDialog& dialog) {
    dialog.show();
    ChooseTableAndMoney(options.strategy);
    options.strategy.BitBtn2->click();
    return 0;
  };
  form->OptButtonClick();
  QVERIFY(!std::filesystem::exists(startup.LastUsedFile()));
  QCOMPARE(form->Table().money.bankroll, 1000.0);
  QCOMPARE(options.strategy.BRDollar->text(), QString("500"));  // the edits stay
  form->show();
  form->Exit1Click();  // closing keeps the edits for the next start
  QCOMPARE(Bytes(startup.LastUsedFile()),
           CommandLineSettings(QString::fromStdString((startup.Path() / "cli.sav").string())));
}

void OptionsScreenTest::ChartsMenuSavesOnlyAShownScreen() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TForm1 form(modals, {1024, 768}, startup.Folders());
  form.SetScreens({nullptr, nullptr, nullptr, nullptr, &options.strategy, nullptr});
  form.Chart1Click();
  QVERIFY(!std::filesystem::exists(startup.LastUsedFile()));

  modals.actions["Strategy"] = [&](QDialog& dialog) {
    dialog.show();
    options.strategy.BitBtn2->click();
    return 0;
  };
  form.OptButtonClick();
  options.strategy.BRDollar->setText("777");
  form.Chart1Click();
  QVERIFY(std::filesystem::exists(startup.LastUsedFile()));
  QCOMPARE(form.Table().money.bankroll, 1000.0);  // saved, not applied
  form.Reset1Click();
  QCOMPARE(form.Table().money.bankroll, 777.0);
}

void OptionsScreenTest::FailedSavesAreReportedAndNothingIsApplied() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  TForm1 form(modals, {1024, 768}, startup.Folders());
  form.SetScreens({nullptr, nullptr, nullptr, nullptr, &options.strategy, nullptr});

  modals.saveAnswer = QString::fromStdString((startup.Path() / "missing" / "my.sav").string());
  options.strategy.SaveAsClick();
  QCOMPARE(modals.errors.size(), 1);
  QVERIFY(modals.errors[0].contains("my.sav"));

  std::filesystem::remove_all(startup.Path() / "chartdata");
  modals.actions["Strategy"] = [&](QDialog& dialog) {
    dialog.show();
    options.strategy.BRDollar->setText("333");
    options.strategy.BitBtn1->click();
    return 0;
  };
  form.OptButtonClick();
  QCOMPARE(modals.errors.size(), 2);
  QVERIFY(modals.errors[1].contains("a7d70sd7f897.sav"));
  QCOMPARE(form.Table().money.bankroll, 1000.0);  // the active settings stay
  QVERIFY(options.strategy.KeepOldSettings());
}

void OptionsScreenTest::OpenShowsTheFileAndNamesIt() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  Options options{modals, startup.Path()};
  const QString file = QString::fromStdString((startup.Path() / "cli.sav").string());
  CommandLineSettings(file);
  modals.openAnswer = file;
  options.strategy.Open2Click();
  TStrategy& s = options.strategy;
  QCOMPARE(s.NumPlayers->text(), QString("2"));
  QCOMPARE(s.NumDecks->text(), QString("6"));
  QCOMPARE(s.PenText->text(), QString("75"));
  QCOMPARE(s.DlrOptions->ItemIndex(), 1);
  QCOMPARE(s.BRDollar->text(), QString("500"));
  QCOMPARE(s.BetULim->text(), QString("500"));
  QVERIFY(modals.errors.isEmpty());
  modals.openAnswer = QString::fromStdString((startup.Path() / "nothing.sav").string());
  options.strategy.Open2Click();
  QCOMPARE(modals.errors.size(), 1);
}

QTEST_MAIN(OptionsScreenTest)
#include "options_screen_test.moc"
