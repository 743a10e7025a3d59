// The progress of a running test over the table: rounds done of planned, sessions, speed, time left.
#pragma once

#include <QElapsedTimer>
#include <QFrame>

class QLabel;
class QProgressBar;

namespace quorvel {
class TestProgress;
}

namespace quorvel::ui {

class TestProgressPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TestProgressPanel(QWidget* parent = nullptr);

  // A new test of `sessions` sessions of `handsPerSession` rounds (0: no limit).
  void Start(int sessions, double handsPerSession);
  void SetCaption(const QString& caption);
  // Reads the workers' counters; cheap enough to call a few times a second.
  void Update(const TestProgress& progress);

  QLabel* Caption;
  QProgressBar* Bar;
  QLabel* Details;

 private:
  int sessions_ = 0;
  double plannedRounds_ = 0;
  QElapsedTimer clock_;
};

// "1,234,567": a count the eye can read at a glance.
QString GroupedCount(double count);
// "2 min 05 s", "45 s": the time left.
QString Duration(double seconds);

}  // namespace quorvel::ui
