// The shell: the about box, help, closing, and the settings file left alone.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/main_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void MenusHoldTheirItemsAndSpacers();
  void AboutBoxOpensModally();
  void HelpShowsOurPagesOrSaysItIsMissing();
  void ClosingWithoutOptionsLeavesTheLastUsedFile();
  void FirstStartDealsByTheDefaults();
};

void ShellTest::MenusHoldTheirItemsAndSpacers() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, {640, 480});
  QStringList top;
  for (QAction* item : form.MainMenu1->actions()) top << item->text();
  QCOMPARE(top, (QStringList{"&Options", "", "&Charts", "", "&Tracking", "", "&Stats", "", "&Help"}));
  QStringList options;
  for (QAction* item : form.Options1->actions()) options << (item->isSeparator() ? "-" : item->text());
  QCOMPARE(options, (QStringList{"&Configure", "&Shuffle Now", "C&ompare Systems...", "-", "&Exit"}));
  QCOMPARE(form.TWindow->text(), QString("&Window Open"));
  QCOMPARE(form.Contents->text(), QString("&Contents"));
  QCOMPARE(form.About1->text(), QString("&About"));
  QCOMPARE(form.windowTitle(), QString("Quorvel Main Screen"));
}

void ShellTest::AboutBoxOpensModally() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, {640, 480});
  TAboutBox about(&form);
  form.SetScreens({nullptr, &about, nullptr, nullptr});
  form.About1Click();
  QCOMPARE(modals.shown, QStringList{"AboutBox"});
  QCOMPARE(about.OkayButton->text(), QString("&Okay"));
}

void ShellTest::HelpShowsOurPagesOrSaysItIsMissing() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, {640, 480});
  THelpWindow missing(modals, startup.Path() / "help" / "index.html", &form);
  form.SetScreens({nullptr, nullptr, nullptr, &missing});
  form.ContentsClick();
  QCOMPARE(modals.errors.size(), 1);
  QVERIFY(modals.errors[0].startsWith("Cannot open help file"));
  QVERIFY(!missing.isVisible());

  const QString source = qEnvironmentVariable("QUORVEL_SOURCE_DIR");
  THelpWindow help(modals, std::filesystem::path(qPrintable(source)) / "data" / "help" / "index.html", &form);
  form.SetScreens({nullptr, nullptr, nullptr, &help});
  form.ContentsClick();
  QVERIFY(help.isVisible());
  QVERIFY(help.Browser->toPlainText().contains("DEAL"));
  QCOMPARE(modals.errors.size(), 1);
}

void ShellTest::ClosingWithoutOptionsLeavesTheLastUsedFile() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  {
    TForm1 form(modals, {1024, 768});
    form.show();
    form.DealClick();
    form.Exit1Click();
    QVERIFY(!form.isVisible());
  }
  QVERIFY(!std::filesystem::exists(startup.LastUsedFile()));
}

void ShellTest::FirstStartDealsByTheDefaults() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, {1024, 768});
  const Simulator& table = form.Table();
  QCOMPARE(table.money.bankroll, 1000.0);
  QCOMPARE(table.money.bet, 10.0f);
  QCOMPARE(table.engine.Rules().decks, 6);
  QVERIFY(table.engine.chart.Loaded());
  QCOMPARE(form.newwinnings->text(), QString("1000"));
  QCOMPARE(form.Label1->text(), QString("10"));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
