// TStrategy's controls: the table column, the money column, the buttons and the menus.
#include "ui/options_screen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/settings_file.h"
#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/modal_seam.h"
#include "ui/radio_group.h"
#include "ui/window_fit.h"

namespace quorvel::ui {
namespace {

// An up-down whose number is shown in a read-only edit: the edit is the box's own.
class UpDown : public QSpinBox {
 public:
  UpDown(int minimum, int maximum, int step, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    lineEdit()->setReadOnly(true);
  }
  using QSpinBox::lineEdit;
};

// The penetration box takes any text: what it reads is checked when it is left.
constexpr int kNoLengthLimit = 32767;

QLineEdit* Edit(const char* name, const QString& text, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setFixedWidth(90);
  return edit;
}

RadioGroup* Group(const char* name, const QString& title, const QStringList& items, QWidget* parent) {
  auto* group = new RadioGroup(title, items, parent);
  group->setObjectName(name);
  return group;
}

QPushButton* Button(const char* name, const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  button->setMinimumHeight(34);
  return button;
}

}  // namespace

TStrategy::TStrategy(ModalSeam& modals, TProgression& progression, QSize display,
                     std::filesystem::path startupDirectory, QWidget* parent)
    : QDialog(parent),
      modals_(modals),
      progression_(progression),
      startupDirectory_(std::move(startupDirectory)),
      lastUsedFile_(startupDirectory_ / kLastUsedSettingsFile) {
  setObjectName("Strategy");
  setWindowTitle("Quorvel Options Screen");
  CreateControls();
  ConnectProgression();
  FitLaidOutWindow(*this, display);
}

void TStrategy::SetShellScreens(TAboutBox* about, THelpWindow* help) {
  about_ = about;
  help_ = help;
}

void TStrategy::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 6, 12, 12);
  layout->setSpacing(10);
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName("MainMenu1");
  QMenu* file = MainMenu1->addMenu("&File");
  Save1 = file->addAction("&Save As", this, &TStrategy::SaveAsClick);
  Save1->setObjectName("Save1");
  Open1 = file->addAction("&Open File", this, &TStrategy::Open2Click);
  Open1->setObjectName("Open1");
  QMenu* help = MainMenu1->addMenu("&Help");
  Contents1 = help->addAction("&Contents", this, [this] {
    if (help_ != nullptr) help_->ShowContents();
  });
  Contents1->setObjectName("Contents1");
  About1 = help->addAction("&About", this, [this] {
    if (about_ != nullptr) modals_.Exec(*about_);
  });
  About1->setObjectName("About1");
  layout->setMenuBar(MainMenu1);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(14);
  columns->addWidget(CreateTableColumn());
  columns->addWidget(CreateMoneyColumn());
  layout->addLayout(columns);
  layout->addWidget(CreateButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border
}

QWidget* TStrategy::CreateTableColumn() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* table = new QGroupBox("Table", column);
  auto* grid = new QGridLayout(table);
  auto* players = new UpDown(1, 7, 1, table);
  NPUpDown = players;
  NPUpDown->setObjectName("NPUpDown");
  NumPlayers = players->lineEdit();
  NumPlayers->setObjectName("NumPlayers");
  auto* decks = new UpDown(2, 8, 2, table);
  NDUpDown = decks;
  NDUpDown->setObjectName("NDUpDown");
  NumDecks = decks->lineEdit();
  NumDecks->setObjectName("NumDecks");
  connect(NDUpDown, &QSpinBox::valueChanged, this, &TStrategy::NDUpDownClick);
  grid->addWidget(new QLabel("Players", table), 0, 0);
  grid->addWidget(NPUpDown, 0, 1);
  grid->addWidget(new QLabel("Decks", table), 1, 0);
  grid->addWidget(NDUpDown, 1, 1);

  Label5 = new QLabel("Deck Penetration", table);
  Label5->setObjectName("Label5");
  Penetration = new QSlider(Qt::Horizontal, table);
  Penetration->setObjectName("Penetration");
  Penetration->setRange(50, 90);
  Penetration->setSingleStep(10);
  Penetration->setPageStep(10);
  Penetration->setTickInterval(5);
  Penetration->setTickPosition(QSlider::TicksBelow);
  Penetration->setValue(50);
  connect(Penetration, &QSlider::valueChanged, this, &TStrategy::PenetrationChange);
  PenText = Edit("PenText", "", kNoLengthLimit, table);
  PenText->setFixedWidth(44);
  connect(PenText, &QLineEdit::editingFinished, this, &TStrategy::PenTextExit);
  PenLabel = new QLabel("percent", table);
  PenLabel->setObjectName("PenLabel");
  CShuffle = new QCheckBox("Continuous Shuffle", table);
  CShuffle->setObjectName("CShuffle");
  connect(CShuffle, &QCheckBox::clicked, this, &TStrategy::CShuffleClick);
  grid->addWidget(Label5, 2, 0, 1, 3);
  grid->addWidget(Penetration, 3, 0, 1, 2);
  auto* percent = new QHBoxLayout;
  percent->addWidget(PenText);
  percent->addWidget(PenLabel);
  grid->addLayout(percent, 3, 2);
  grid->addWidget(CShuffle, 4, 0, 1, 3);
  layout->addWidget(table);

  DlrOptions = Group("DlrOptions", "Dealer Options",
                     {"Dealer Stands on all 17s", "Dealer Hits on soft 17"}, column);
  SurrOptions = Group("SurrOptions", "Surrender Options", {"No Surrender", "Late Surrender"}, column);
  DAS = Group("DAS", "Double After Split", {"DAS Allowed", "DAS Not Allowed"}, column);
  connect(DlrOptions, &RadioGroup::Clicked, this, &TStrategy::DlrOptionsClick);
  connect(SurrOptions, &RadioGroup::Clicked, this, &TStrategy::SurrOptionsClick);
  connect(DAS, &RadioGroup::Clicked, this, &TStrategy::DASClick);
  for (RadioGroup* group : {DlrOptions, SurrOptions, DAS}) layout->addWidget(group);
  layout->addStretch();
  return column;
}

QWidget* TStrategy::CreateMoneyColumn() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  BankRoll = Group("BankRoll", "Starting Bankroll", {"In Dollars:", "In Units:"}, column);
  BRDollar = Edit("BRDollar", "1", 7, BankRoll);
  BRUnit = Edit("BRUnit", "1", 7, BankRoll);
  BankRoll->Grid()->addWidget(BRDollar, 0, 1);
  BankRoll->Grid()->addWidget(BRUnit, 1, 1);
  BetUnit = Group("BetUnit", "Betting Unit", {"In Dollars:", "As Percent of Bankroll:"}, column);
  BUDollar = Edit("BUDollar", "1", 7, BetUnit);
  BUPercent = Edit("BUPercent", ".1", 7, BetUnit);
  BetUnit->Grid()->addWidget(BUDollar, 0, 1);
  BetUnit->Grid()->addWidget(BUPercent, 1, 1);
  connect(BankRoll, &RadioGroup::Clicked, this, &TStrategy::BankRollClick);
  connect(BetUnit, &RadioGroup::Clicked, this, &TStrategy::BetUnitClick);

  auto* limits = new QGroupBox("Table Limits", column);
  auto* grid = new QGridLayout(limits);
  BetLLim = Edit("BetLLim", "0", 4, limits);
  BetULim = Edit("BetULim", "200", 4, limits);
  grid->addWidget(new QLabel("Bet Minimum", limits), 0, 0);
  grid->addWidget(BetLLim, 0, 1);
  grid->addWidget(new QLabel("dollars", limits), 0, 2);
  grid->addWidget(new QLabel("Bet Maximum", limits), 1, 0);
  grid->addWidget(BetULim, 1, 1);
  grid->addWidget(new QLabel("dollars", limits), 1, 2);

  ULGroup = Group("ULGroup", "Win Limit",
                  {"No Win Limit", "Stop Session at Win Limit", "Stop at First Loss After Limit"},
                  column);
  ULDollars = Edit("ULDollars", "0", 7, ULGroup);
  ULGroup->Grid()->addWidget(new QLabel("Win Limit $:", ULGroup), 3, 0, Qt::AlignRight);
  ULGroup->Grid()->addWidget(ULDollars, 3, 1);
  LLGroup = Group("LLGroup", "Loss Limit", {"No Loss Limit", "Stop Session at Loss Limit"}, column);
  LLDollars = Edit("LLDollars", "0", 7, LLGroup);
  LLGroup->Grid()->addWidget(new QLabel("Loss Limit $:", LLGroup), 2, 0, Qt::AlignRight);
  LLGroup->Grid()->addWidget(LLDollars, 2, 1);

  for (QWidget* part : std::initializer_list<QWidget*>{BankRoll, BetUnit, limits, ULGroup, LLGroup}) {
    layout->addWidget(part);
  }
  layout->addStretch();
  return column;
}

QWidget* TStrategy::CreateButtonRow() {
  auto* row = new QWidget(this);
  auto* grid = new QGridLayout(row);
  grid->setContentsMargins(0, 4, 0, 0);
  Button1 = Button("Button1", "&Progression Setup", "Program Win-Loss Sequences", row);
  SaveAs = Button("SaveAs", "SAVE SETUP", "Save Settings in a File", row);
  Open2 = Button("Open2", "OPEN SETUP", "Open a Saved File", row);
  BitBtn1 = Button("BitBtn1", "RUN TEST WITH NEW SETTINGS",
                   "Return to Main Screen and Run Test With New Settings", row);
  BitBtn2 = Button("BitBtn2", "EXIT WITHOUT RESETTING TEST",
                   "Return to Main Screen and Continue Test With Old Settings", row);
  BitBtn1->setStyleSheet("QPushButton { font-weight: bold; color: #0b5d1e; }");
  BitBtn2->setStyleSheet("QPushButton { font-weight: bold; color: #8b1a1a; }");
  connect(Button1, &QPushButton::clicked, this, &TStrategy::Button1Click);
  connect(SaveAs, &QPushButton::clicked, this, &TStrategy::SaveAsClick);
  connect(Open2, &QPushButton::clicked, this, &TStrategy::Open2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TStrategy::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TStrategy::BitBtn2Click);
  grid->addWidget(Button1, 0, 0);
  grid->addWidget(SaveAs, 0, 1);
  grid->addWidget(Open2, 0, 2);
  grid->addWidget(BitBtn1, 1, 0, 1, 2);
  grid->addWidget(BitBtn2, 1, 2);
  return row;
}

}  // namespace quorvel::ui
