// TAutoTest: the automatic test screen, where a test is sized, started, and its log reviewed and saved.
#pragma once

#include <QDialog>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quorvel {
class TestController;
}

namespace quorvel::ui {

class ModalSeam;
class TCompare;
class TResults;

// What Start asks of the main screen: a message when the test cannot start.
using StartTestsCall =
    std::function<std::optional<std::string>(int sessions, double handsPerSession, uint64_t seed)>;

class TAutoTest : public QDialog {
  Q_OBJECT
 public:
  TAutoTest(ModalSeam& modals, TestController& controller, QSize display,
            std::filesystem::path startupDirectory, QWidget* parent = nullptr);
  void SetStartTests(StartTestsCall start) { startTests_ = std::move(start); }
  void SetResultsScreen(TResults* results) { results_ = results; }
  void SetCompareScreen(TCompare* compare) { compare_ = compare; }
  // The seed of the test that just ran, shown so a test can be repeated.
  void ShowSeed(uint64_t seed);

  void numtestsChange();
  void UpdateBox();
  void start1Click();
  void ReviewClick();
  void ResultsClick();
  void CompareClick();
  // A test has ended: its results can be seen once it has any sessions.
  void TestEnded();
  void SaveLogClick();
  void Close1Click();
  bool LogShown() const;
  void reject() override;

  QLabel *Label3, *Label1, *Label4, *Label2, *SeedLabel, *LastSeed, *RoundsLabel;
  QComboBox* numtests;
  QLineEdit *Target, *Edit1, *SeedEdit, *RoundsPerHour;
  QCheckBox* EndAtBust;
  QFrame* Panel1;
  QPushButton *start1, *Review, *ResultsButton, *CompareButton, *Close1, *SaveLog;
  QLabel* LogLabel;
  QPlainTextEdit* Log1;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void CompactLayout();
  std::optional<uint64_t> ReadSeed();
  std::optional<double> ReadRoundsPerHour();
  void ShowLog(bool shown);

  ModalSeam& modals_;
  TestController& controller_;
  std::filesystem::path startupDirectory_;
  StartTestsCall startTests_;
  TResults* results_ = nullptr;
  TCompare* compare_ = nullptr;
};

}  // namespace quorvel::ui
