// The progress of a running test over the table.
#include "ui/test_progress_panel.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>
#include <cmath>

#include "runs/test_progress.h"

namespace quorvel::ui {

QString GroupedCount(double count) {
  return QLocale(QLocale::English).toString(static_cast<qlonglong>(std::llround(count)));
}

QString Duration(double seconds) {
  const long long whole = std::llround(std::max(0.0, seconds));
  if (whole < 60) return QString("%1 s").arg(whole);
  if (whole < 3600) return QString("%1 min %2 s").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
  return QString("%1 h %2 min").arg(whole / 3600).arg((whole % 3600) / 60, 2, 10, QChar('0'));
}

TestProgressPanel::TestProgressPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("TestProgress");
  setStyleSheet("#TestProgress { background: rgba(0, 64, 64, 225); border: 1px solid #9fd4d4;"
                " border-radius: 6px; } QLabel { color: white; background: transparent; }");
  Caption = new QLabel(this);
  Caption->setObjectName("ProgressCaption");
  Caption->setAlignment(Qt::AlignCenter);
  Caption->setWordWrap(true);
  QFont bold = Caption->font();
  bold.setBold(true);
  Caption->setFont(bold);
  Bar = new QProgressBar(this);
  Bar->setObjectName("ProgressBar");
  Bar->setRange(0, 1000);
  Bar->setTextVisible(true);
  Details = new QLabel(this);
  Details->setObjectName("ProgressDetails");
  Details->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 8);
  layout->addWidget(Caption);
  layout->addWidget(Bar);
  layout->addWidget(Details);
  hide();
}

void TestProgressPanel::Start(int sessions, double handsPerSession) {
  sessions_ = sessions;
  plannedRounds_ = sessions * handsPerSession;
  clock_.start();
  Bar->setValue(0);
  // Without a round limit there is no end to measure against.
  if (plannedRounds_ > 0) {
    Bar->setRange(0, 1000);
  } else {
    Bar->setRange(0, 0);
  }
  Details->clear();
}

void TestProgressPanel::SetCaption(const QString& caption) { Caption->setText(caption); }

void TestProgressPanel::Update(const TestProgress& progress) {
  const double rounds = static_cast<double>(progress.Rounds());
  const double seconds = std::max(clock_.elapsed(), qint64{1}) / 1000.0;
  const double rate = rounds / seconds;
  QString text = QString("%1 sessions finished of %2 · %3 rounds/s")
                     .arg(progress.SessionsFinished())
                     .arg(sessions_)
                     .arg(GroupedCount(rate));
  if (plannedRounds_ > 0) {
    const double done = std::min(rounds / plannedRounds_, 1.0);
    Bar->setValue(static_cast<int>(done * 1000));
    Bar->setFormat(QString("%1 of %2 rounds").arg(GroupedCount(rounds), GroupedCount(plannedRounds_)));
    if (rate > 0) text += QString(" · %1 left").arg(Duration((plannedRounds_ - rounds) / rate));
  } else {
    Bar->setFormat(QString("%1 rounds").arg(GroupedCount(rounds)));
  }
  Details->setText(text);
}

}  // namespace quorvel::ui
