// TForm1: the main screen. It owns the table and is its display.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/active_settings.h"
#include "config/program_folders.h"
#include "engine/display.h"
#include "runs/settings_memo.h"
#include "runs/simulator.h"
#include "runs/test_controller.h"
#include "ui/display_geometry.h"
#include "ui/test_lifetime.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace quorvel::ui {

class ModalSeam;
class TableImage;
class TAboutBox;
class TAutoTest;
class TCharts;
class TCompare;
class TestProgressPanel;
class TStrategy;
class THelpWindow;
class THitLimit;

// The screens the main screen opens; start-up creates them after it.
struct Screens {
  TCharts* charts = nullptr;
  TAboutBox* about = nullptr;
  THitLimit* limit = nullptr;
  THelpWindow* help = nullptr;
  TStrategy* options = nullptr;
  TAutoTest* autoTest = nullptr;
  TCompare* compare = nullptr;
};

class TForm1 : public QMainWindow, public Display {
  Q_OBJECT
 public:
  // Creates the screen for a display whose free area is `display` device-independent
  // pixels, inside a window frame of `frame`; records the working directory as the
  // start-up directory and applies the last-used settings; it reads its data and
  // writes from `folders`.
  TForm1(ModalSeam& modals, QSize display, ProgramFolders folders,
         QSize frame = {kFrameAllowance.width, kFrameAllowance.height}, QWidget* parent = nullptr);
  ~TForm1() override;

  void SetScreens(const Screens& screens);

  // The display seam.
  void GetImage(int position) override;
  void UpDateJpgs(CardName card) override;
  void Vanish() override;
  void ReloadBackground() override;
  void SpecialAction(int hand, std::string_view text) override;
  void SetLabel(Label label, std::string_view text) override;
  void HideLabel(Label label) override;
  void ShowLabel(Label label) override;
  void ShowLimitDialog(std::string_view message) override;
  void ProcessEvents() override;

  // Buttons and menu items.
  void DealClick();
  void Reset1Click();
  void Shuffle1Click();
  void Stats1Click();
  void TWindowClick();
  void Chart1Click();
  void About1Click();
  void ContentsClick();
  void Exit1Click();
  void OptButtonClick();
  void Strategy1Click();
  void AutoClick();
  void Compare1Click();

  // Services other screens call.
  void ShowSettingsMemo();
  void GetDirectory();

  Simulator& Table() { return table_; }
  TestController& Controller() { return lifetime_.Controller(); }
  TestLifetime& Lifetime() { return lifetime_; }
  const ActiveSettings& Active() const { return active_; }
  const DisplayGeometry& Geometry() const { return geometry_; }
  const ProgramFolders& Folders() const { return folders_; }
  CardPlace LastCardPlace() const { return cardPlace_; }

  // Controls, by their names.
  QMenuBar* MainMenu1;
  QMenu* Options1;
  QAction* Strategy1;
  QAction* Shuffle1;
  QAction* Compare1;
  QAction* Exit1;
  QAction* Chart1;
  QMenu* Tracking1;
  QAction* TWindow;
  QAction* Stats1;
  QMenu* Help1;
  QAction* Contents;
  QAction* About1;

  TableImage* Image1;
  QFrame* Panel2;
  QFrame *Panel17, *Panel18, *Panel19, *Panel20, *Panel21;
  QLabel *PHLabel, *Label1, *oldwinnings, *newwinnings, *counter1;
  QPushButton *Reset1, *OptButton, *Auto, *Deal;
  QLabel* Label4;
  QLabel *dealer, *text_1, *text1;
  QLabel *dealer2, *Split1, *text_s1;
  QLabel *dealer3, *Split2, *text_s2;
  QLabel *dealer4, *Split3, *text_s3;
  QLabel* Suspend;
  QFrame *QPanel, *Panel11, *Panel12, *StatsPanel, *Panel14, *Panel15;
  QLabel *Q2, *Q3, *bettotal, *ELabel;
  QFrame *Panel1, *Panel10, *Panel9, *Panel8, *Panel6, *Panel5;
  QLabel *test8, *test1, *test3, *test2, *test4;
  QLabel* Label11;
  QPlainTextEdit* Memo1;
  TestProgressPanel* Progress;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void SetUpHiResScreen(QSize display);
  void MoveLabel(QLabel* label);
  void SetPanel(QFrame* panel, int width, int top, int height);
  void LayOutSidePanel();
  // Widens each value's panel, within its place, to hold the widest value beside its
  // caption, and fits the buttons' captions to their widths.
  void GiveValuesRoom();
  // In the middle of the screen's free area, its frame allowed for.
  void CentreOnScreen();
  void FormShow();
  void LoadBackground();
  // The table restarted from the last-used settings file.
  void AfterReturnData();
  // The same at start, saying so when the file is damaged.
  void ApplyLastUsedAtStart();
  void RefreshStatistics();
  void OpenOptions();
  // Before the last-used file is applied again: a change made outside the
  // window is said, and played only if the user agrees.
  bool AcceptOutsideChange();
  void ChooseTest();
  // The table's AUTO, after clearing the message lines of a shown statistics panel.
  AutoOutcome RunTests();
  std::optional<std::string> StartTests(int sessions, double handsPerSession, uint64_t seed);
  // The one reaction to a test's end; only a finished test opens its screens.
  void TestEnded(bool finished);
  // DEAL, OPTIONS and "Shuffle Now" do nothing during a test, and look it.
  void EnableTableControls(bool enabled);
  void ShowPanelsAfterTest();
  void ShowLiveFigures();
  void ShowResultPerHand();
  void ShowBetFigures();
  QLabel* LabelWidget(Label label) const;
  void ShowSuspend(const QString& caption);
  QString BackgroundPath() const;

  ModalSeam& modals_;
  Screens screens_;
  DisplayGeometry geometry_;
  QSize frame_;
  ProgramFolders folders_;
  std::filesystem::path startupDirectory_;
  std::filesystem::path lastUsedFile_;
  ActiveSettings active_;
  Simulator table_;
  TestLifetime lifetime_;
  CardPlace cardPlace_;
  SettingsMemo memo_;
  bool backgroundTried_ = false;
  bool dealing_ = false;
  std::array<QLabel*, static_cast<int>(Label::Auto)> labels_{};
};

}  // namespace quorvel::ui
