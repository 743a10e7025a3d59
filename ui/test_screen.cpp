// TAutoTest: the automatic test screen.
#include "ui/test_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <ctime>

#include "runs/general_text.h"
#include "runs/log_file.h"
#include "runs/test_controller.h"
#include "ui/modal_seam.h"
#include "ui/compare_screen.h"
#include "ui/results_screen.h"

namespace quorvel::ui {
namespace {

const QStringList kHandsItems = {"500 thousand", "1 million",   "10 million", "20 million",
                                 "30 million",   "40 million",  "50 million", "60 million",
                                 "70 million",   "80 million",  "90 million", "100 million",
                                 "no limit"};

// Hands per session of each item of the list; "no limit" is 0.
double HandsOfItem(int index) {
  if (index == 1) return 1000000;
  if (index >= 2 && index <= 11) return 10000000.0 * (index - 1);
  if (index == 12) return 0;
  return 500000;
}

QFont PixelFont(const QFont& base, int pixels) {
  QFont font = base;
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

TAutoTest::TAutoTest(ModalSeam& modals, TestController& controller, QSize display,
                     std::filesystem::path startupDirectory, QWidget* parent)
    : QDialog(parent), modals_(modals), controller_(controller),
      startupDirectory_(std::move(startupDirectory)) {
  setObjectName("AutoTest");
  setWindowTitle("Quorvel Test Screen");
  CreateControls();
  if (static_cast<float>(display.width()) * 0.00125f < 1.0f) CompactLayout();
}

void TAutoTest::CreateControls() {
  setFont(PixelFont(font(), 16));
  setFixedSize(792, 567);
  auto label = [this](const char* name, const QString& text, QRect place) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setGeometry(place);
    return l;
  };
  Label3 = label("Label3", "Hands Per Session", {152, 50, 345, 39});
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setFont(PixelFont(font(), 24));
  Label1 = label("Label1", "Select the number of hands to run from the drop down list, or type a number in the box.  ",
                 {120, 95, 411, 66});
  Label1->setWordWrap(true);
  numtests = new QComboBox(this);
  numtests->setObjectName("numtests");
  numtests->addItems(kHandsItems);
  numtests->setGeometry(220, 178, 201, 28);
  numtests->setFont(PixelFont(font(), 17));
  connect(numtests, &QComboBox::activated, this, &TAutoTest::numtestsChange);
  // The box lies over the list's text, so the user types here and keeps the list's button.
  Target = new QLineEdit("1000", this);
  Target->setObjectName("Target");
  Target->setGeometry(223, 180, 175, 21);
  Target->setFrame(false);
  Target->setFont(PixelFont(font(), 17));
  Label4 = label("Label4", "Number of Sessions", {216, 240, 200, 24});
  // Our sans face is wider than the one the screen was drawn for: the text gets a third line.
  Label2 = label("Label2", "Enter the number of sessions to run in this box, then press the Start Button -->",
                 {130, 280, 302, 62});
  Label2->setWordWrap(true);
  Edit1 = new QLineEdit("01", this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(2);
  Edit1->setGeometry(445, 283, 40, 28);

  SeedLabel = label("SeedLabel", "Seed:", {130, 360, 60, 28});
  SeedEdit = new QLineEdit(this);
  SeedEdit->setObjectName("SeedEdit");
  SeedEdit->setGeometry(190, 360, 190, 28);
  SeedEdit->setPlaceholderText("new, from the clock");
  SeedEdit->setToolTip("Give the seed of an earlier test to repeat it exactly");
  LastSeed = label("LastSeed", "", {130, 394, 380, 24});
  RoundsLabel = label("RoundsLabel", "Rounds per hour:", {395, 360, 150, 28});
  RoundsPerHour = new QLineEdit("100", this);
  RoundsPerHour->setObjectName("RoundsPerHour");
  RoundsPerHour->setGeometry(548, 360, 70, 28);
  RoundsPerHour->setToolTip("How fast the table deals, for the hourly figures");
  // Not kept in settings files: the screen keeps it from one test to the next.
  EndAtBust = new QCheckBox("End a session when the bankroll cannot cover the next bet", this);
  EndAtBust->setObjectName("EndAtBust");
  EndAtBust->setGeometry(130, 528, 560, 24);
  // What a screen reader says for each field: the label above it, or the one beside it.
  Label3->setBuddy(Target);
  Label4->setBuddy(Edit1);
  SeedLabel->setBuddy(SeedEdit);
  numtests->setAccessibleName("Hands per session, from the list");
  RoundsLabel->setBuddy(RoundsPerHour);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(528, 266, 130, 75);
  Panel1->setStyleSheet("#Panel1 { background: navy; }");
  start1 = new QPushButton("Start", Panel1);
  start1->setObjectName("start1");
  start1->setGeometry(15, 11, 101, 54);
  connect(start1, &QPushButton::clicked, this, &TAutoTest::start1Click);

  auto button = [this](const char* name, const QString& caption, QRect place) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
  };
  Review = button("Review", "Review Log", {520, 438, 161, 37});
  ResultsButton = button("ResultsButton", "Results", {350, 438, 161, 37});
  ResultsButton->setEnabled(false);
  CompareButton = button("CompareButton", "Compare Systems", {350, 484, 161, 37});
  Close1 = button("Close1", "Close", {520, 484, 161, 37});
  SaveLog = button("SaveLog", "Save Log File As", {130, 484, 171, 37});
  SaveLog->hide();
  connect(Review, &QPushButton::clicked, this, &TAutoTest::ReviewClick);
  connect(ResultsButton, &QPushButton::clicked, this, &TAutoTest::ResultsClick);
  connect(CompareButton, &QPushButton::clicked, this, &TAutoTest::CompareClick);
  connect(Close1, &QPushButton::clicked, this, &TAutoTest::Close1Click);
  connect(SaveLog, &QPushButton::clicked, this, &TAutoTest::SaveLogClick);

  LogLabel = new QLabel(QString::fromUtf8(kLogHeader.data(), static_cast<qsizetype>(kLogHeader.size())), this);
  LogLabel->setObjectName("LogLabel");
  // A fixed-width header over a fixed-width page, small enough to fit the width.
  LogLabel->setGeometry(0, 0, 792, 22);
  LogLabel->setStyleSheet("color: white; background: black; padding-left: 4px;");
  QFont mono("monospace");
  mono.setStyleHint(QFont::Monospace);
  mono.setPixelSize(15);
  LogLabel->setFont(mono);
  mono.setPixelSize(17);
  Log1 = new QPlainTextEdit(this);
  Log1->setObjectName("Log1");
  Log1->setGeometry(0, 22, 792, 468);
  Log1->setReadOnly(true);
  Log1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Log1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Log1->setFont(mono);
  Log1->document()->setDocumentMargin(4);
  ShowLog(false);
}

void TAutoTest::CompactLayout() {
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  setFixedSize(640, 480);
  SaveLog->move(104, 400);
  Close1->move(448, 400);
  Review->move(448, 344);
  ResultsButton->move(280, 400);
  CompareButton->move(280, 344);
  Panel1->move(456, 208);
  Edit1->move(400, 240);
  Target->move(176, 144);
  Label1->move(176, 76);
  Label2->move(104, 224);
  Label3->move(176, 40);
  Label4->move(172, 192);
  numtests->move(176, 142);
  SeedLabel->move(104, 300);
  SeedEdit->move(164, 300);
  LastSeed->move(104, 332);
  RoundsLabel->move(104, 364);
  RoundsPerHour->move(234, 364);
  EndAtBust->move(104, 444);
  Log1->setFixedHeight(377);
}

void TAutoTest::numtestsChange() { UpdateBox(); }

void TAutoTest::UpdateBox() {
  Target->setText(QString::fromStdString(GeneralText(HandsOfItem(numtests->currentIndex()))));
}

std::optional<double> TAutoTest::ReadRoundsPerHour() {
  bool ok = false;
  const int rounds = RoundsPerHour->text().trimmed().toInt(&ok);
  if (ok && rounds >= 1 && rounds <= 10000) return rounds;
  modals_.ShowError(this, windowTitle(),
                    QString("'%1' is not a valid number of rounds per hour: give a whole number from 1 to 10000")
                        .arg(RoundsPerHour->text()));
  return std::nullopt;
}

std::optional<uint64_t> TAutoTest::ReadSeed() {
  const QString text = SeedEdit->text().trimmed();
  if (text.isEmpty()) return static_cast<uint64_t>(std::time(nullptr)) & 0xFFFFFFFFu;
  bool ok = false;
  const qulonglong seed = text.toULongLong(&ok);
  if (!ok || seed > 0xFFFFFFFFu) {
    modals_.ShowError(this, windowTitle(),
                      QString("'%1' is not a valid seed: give a whole number from 0 to 4294967295").arg(text));
    return std::nullopt;
  }
  return seed;
}

void TAutoTest::start1Click() {
  bool ok = false;
  const double hands = Target->text().trimmed().toDouble(&ok);
  if (!ok) {
    modals_.ShowError(this, windowTitle(), QString("'%1' is not a valid floating point value").arg(Target->text()));
    return;
  }
  const int sessions = Edit1->text().trimmed().toInt(&ok);
  if (!ok) {
    modals_.ShowError(this, windowTitle(), QString("'%1' is not a valid integer value").arg(Edit1->text()));
    return;
  }
  const std::optional<uint64_t> seed = ReadSeed();
  if (!seed || !startTests_) return;
  const std::optional<double> roundsPerHour = ReadRoundsPerHour();
  if (!roundsPerHour) return;
  controller_.SetPlayChoices(EndAtBust->isChecked(), *roundsPerHour);
  if (std::optional<std::string> problem = startTests_(sessions, hands, *seed)) {
    modals_.ShowError(this, windowTitle(), QString::fromStdString(*problem));
    return;
  }
  ShowSeed(*seed);
  ShowLog(false);
  accept();
}

void TAutoTest::ShowSeed(uint64_t seed) { LastSeed->setText(QString("Seed of the last test: %1").arg(seed)); }

void TAutoTest::ReviewClick() {
  TestLog& log = controller_.Log();
  if (!log.Review(controller_.Stats())) return;  // no test yet
  QStringList lines;
  for (const std::string& line : log.Lines()) lines << QString::fromStdString(line);
  Log1->setPlainText(lines.join('\n'));
  ShowLog(true);
}

void TAutoTest::ResultsClick() {
  if (results_ != nullptr && ResultsButton->isEnabled()) results_->Open(controller_.Result());
}

void TAutoTest::CompareClick() {
  if (compare_ != nullptr) compare_->Open();
}

void TAutoTest::TestEnded() { ResultsButton->setEnabled(!controller_.Result().sessions.empty()); }

void TAutoTest::SaveLogClick() {
  const std::filesystem::path logFiles = startupDirectory_ / "LogFiles";
  std::error_code ignored;  // without the folder the dialog simply opens elsewhere
  std::filesystem::create_directories(logFiles, ignored);
  const QString folder = QString::fromStdString(logFiles.string());
  const QString name = modals_.SaveFileName(this, "Save Log File As", folder, "Text Files (*.txt)", "txt");
  if (name.isEmpty()) return;
  const SaveResult saved = SaveLogPage(controller_.Log(), name.toStdString());
  if (!saved) modals_.ShowError(this, windowTitle(), QString::fromStdString(saved.message));
}

void TAutoTest::Close1Click() { close(); }

bool TAutoTest::LogShown() const { return !Log1->isHidden(); }

void TAutoTest::ShowLog(bool shown) {
  Log1->setVisible(shown);
  LogLabel->setVisible(shown);
  SaveLog->setVisible(shown);
  // Below the log, where the page does not cover them.
  EndAtBust->setVisible(!shown);
  CompareButton->setVisible(!shown);
  if (shown) {
    Log1->raise();
    LogLabel->raise();
    SaveLog->raise();
    Close1->raise();
  }
}

void TAutoTest::reject() {
  // With the log shown, Close (or the close box, or Escape) returns to the setup view first.
  if (LogShown()) {
    ShowLog(false);
    return;
  }
  QDialog::reject();
}

void TAutoTest::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Log1->setFixedHeight(height() - 100);
  SaveLog->move(SaveLog->x(), height() - 80);
  Close1->move(Close1->x(), height() - 80);
}

}  // namespace quorvel::ui
