// TProgression's creation: the controls, their layout, the window's size, and the table it edits.
#include "ui/progression_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "money/progression_presets.h"
#include "money/rule_editing.h"
#include "ui/display_geometry.h"
#include "ui/pictures/stairs_picture.h"
#include "ui/up_down.h"

namespace quorvel::ui {
namespace {

constexpr int kNarrowWidth = 640;
constexpr int kWideWidth = 840;
constexpr int kHeight = 480;

// A path can be wider than the window: the label keeps it whole and shows it
// elided in the middle, with the whole path as its tip.
class PathLabel : public QLabel {
 public:
  using QLabel::QLabel;
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
  QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
  }
};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A number shown beside its spinner; typed into only where it says so.
QLineEdit* NumberEdit(QWidget* parent, const char* name, int width, bool readOnly) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignRight);
  edit->setReadOnly(readOnly);
  return edit;
}

QFrame* Panel(QWidget* parent, const char* name) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  return panel;
}

// Hidden fields keep their place, so the rule's sentence does not jump as they come and go.
void KeepPlace(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

TProgression::TProgression(ModalSeam& modals, TAlert& alert, QSize display, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      modals_(modals),
      alert_(alert) {
  setObjectName("Progression");
  setWindowTitle("Quorvel Progression Screen");
  CreateControls();
  LayOut();
  ZeroWL(true);
  // FormCreate: narrow displays get the editor alone at the corner. The wide window with the
  // list needs its 840 pixels and a frame: on a display of 800 it would stand off the screen.
  const bool wide = display.width() >= kWideWidth + kFrameAllowance.width;
  setFixedSize(wide ? kWideWidth : kNarrowWidth, kHeight);
  Side->parentWidget()->setVisible(wide);
  if (wide) {
    move((display.width() - kWideWidth) / 2, (display.height() - kHeight) / 2);
  } else {
    move(0, 0);
  }
}

void TProgression::CreateControls() {
  QFont font = this->font();
  font.setPixelSize(13);
  setFont(font);

  Label7 = Named(new QLabel("After", this), "Label7");
  Label6 = Named(new QLabel("Wins:", this), "Label6");
  Num1 = NumberEdit(this, "Num1", 30, false);
  WinUpDown = Named(new UpDown(0, 9, Num1, this), "WinUpDown");
  Label11 = Named(new QLabel("Losses:", this), "Label11");
  NumLoss = NumberEdit(this, "NumLoss", 30, false);
  LossUpDown = Named(new UpDown(0, 9, NumLoss, this), "LossUpDown");
  Image1 = Named(new QLabel(this), "Image1");
  Image1->setPixmap(DrawStairsPicture(QSize(64, 64), devicePixelRatioF()));

  Explain = Named(new QLabel("Select Wins and Losses for your progression.", this), "Explain");
  Explain->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Action1 = Named(new QComboBox(this), "Action1");
  // Items 0 and 6 carry their blanks: the list is sized by its longest item.
  Action1->addItems({"no special action" + QString(13, ' '), "set bet to", "increase bet by",
                     "decrease bet by", "multiply bet by", "divide bet by",
                     "END SESSION" + QString(30, ' ')});
  Action1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  Action1->setMinimumContentsLength(15);
  Option1 = NumberEdit(this, "Option1", 34, false);
  Option1->setMaxLength(5);
  UpDown1 = Named(new UpDown(0, kLargestRuleUnits, Option1, this), "UpDown1");
  Dot = Named(new QLabel(".", this), "Dot");
  Tenth1 = NumberEdit(this, "Tenth1", 30, true);
  UpDown2 = Named(new UpDown(0, kLargestRuleTenths, Tenth1, this), "UpDown2");
  UpDown1->SetPosition(1);
  UpDown2->SetPosition(1);
  unit1 = Named(new QLabel("units", this), "unit1");
  tenths = Named(new QLabel("tenths", this), "tenths");
  for (QWidget* field : std::initializer_list<QWidget*>{Option1, UpDown1, Dot, Tenth1, UpDown2,
                                                        unit1, tenths}) {
    KeepPlace(field);
  }

  Edit1 = Named(new QPushButton("Edit", this), "Edit1");
  Save1 = Named(new QPushButton("Save", this), "Save1");
  Button1 = Named(new QPushButton("?", this), "Button1");
  ProgEnable = Named(new QCheckBox("Enable Progression Testing", this), "ProgEnable");
  Clear1 = Named(new QPushButton("&Clear Data", this), "Clear1");
  Exit1 = Named(new QPushButton("&Exit", this), "Exit1");
  Label3 = Named(new QLabel("Current Setup", this), "Label3");
  PName = Named(new PathLabel(this), "PName");
  Side = Named(new QPlainTextEdit(this), "Side");
  Side->setReadOnly(true);
  Side->setLineWrapMode(QPlainTextEdit::NoWrap);
  Side->setPlainText(QString(kRuleCount - 1, '\n'));

  PresetLabel = Named(new QLabel("Start from", this), "PresetLabel");
  PresetBox = Named(new QComboBox(this), "PresetBox");
  for (const ProgressionPreset& preset : ProgressionPresets()) {
    PresetBox->addItem(QString::fromUtf8(preset.name));
  }
  PresetBox->setPlaceholderText("a betting system");
  PresetBox->setCurrentIndex(-1);
  PresetBox->setToolTip("Fill the rules from a well-known system, to edit from there");
  PresetText = Named(new QLabel(this), "PresetText");
  PresetText->setWordWrap(true);

  // Enter finishes a typed amount; it presses no button.
  for (QPushButton* button : {Edit1, Save1, Button1, Clear1, Exit1}) button->setAutoDefault(false);
  for (auto [edit, spinner] : {std::pair{Num1, WinUpDown}, std::pair{NumLoss, LossUpDown}}) {
    edit->setMaxLength(1);
    connect(edit, &QLineEdit::editingFinished, spinner, &UpDown::TakeTyped);
  }
  // Names a screen reader says: from the label beside a field, or given where none stands.
  Label6->setBuddy(Num1);
  Label11->setBuddy(NumLoss);
  PresetLabel->setBuddy(PresetBox);
  for (auto [spinner, what] : {std::pair{WinUpDown, "Wins"}, std::pair{LossUpDown, "Losses"},
                               std::pair{UpDown1, "Whole units"}, std::pair{UpDown2, "Tenths"}}) {
    spinner->NameFor(what);
  }
  Action1->setAccessibleName("Action");
  Option1->setAccessibleName("Whole units");
  Tenth1->setAccessibleName("Tenths");
  Side->setAccessibleName("Saved rules");
  connect(WinUpDown, &UpDown::Click, this, &TProgression::WinUpDownClick);
  connect(LossUpDown, &UpDown::Click, this, &TProgression::LossUpDownClick);
  connect(Edit1, &QPushButton::clicked, this, &TProgression::Edit1Click);
  connect(Action1, &QComboBox::activated, this, &TProgression::Action1Change);
  connect(UpDown1, &UpDown::Click, this, &TProgression::UpDown1Click);
  connect(UpDown2, &UpDown::Click, this, &TProgression::UpDown1Click);
  connect(Option1, &QLineEdit::editingFinished, this, &TProgression::Option1Exit);
  connect(Save1, &QPushButton::clicked, this, &TProgression::Save1Click);
  connect(Button1, &QPushButton::clicked, this, &TProgression::Button1Click);
  connect(Clear1, &QPushButton::clicked, this, &TProgression::Clear1Click);
  connect(Exit1, &QPushButton::clicked, this, &TProgression::Exit1Click);
  connect(PresetBox, &QComboBox::activated, this, &TProgression::PresetBoxChange);
}

void TProgression::LayOut() {
  QFont heading = font();
  heading.setPixelSize(15);
  heading.setBold(true);
  Label7->setFont(heading);
  Explain->setFont(heading);
  Explain->setStyleSheet("color: #123c69;");
  QFont small = font();
  small.setPixelSize(11);
  tenths->setFont(small);
  Dot->setFont(heading);

  // "After  Wins: [2]  Losses: [0]" beside the picture.
  auto* counts = Panel(this, "CountsPanel");
  auto* countRow = new QHBoxLayout(counts);
  countRow->setContentsMargins(14, 10, 14, 10);
  countRow->setSpacing(6);
  countRow->addWidget(Label7);
  countRow->addSpacing(14);
  for (auto [label, edit, spinner] : {std::tuple{Label6, Num1, WinUpDown},
                                      std::tuple{Label11, NumLoss, LossUpDown}}) {
    countRow->addWidget(label);
    countRow->addWidget(edit);
    countRow->addWidget(spinner);
    countRow->addSpacing(18);
  }
  countRow->addStretch();
  auto* top = new QHBoxLayout;
  top->setSpacing(14);
  top->addWidget(Image1);
  top->addWidget(counts, 1);

  // The rule reads as a sentence: "After 2 wins" over "[set bet to] [1].[0] units".
  auto* rule = Panel(this, "RulePanel");
  auto* sentence = new QGridLayout(rule);
  sentence->setContentsMargins(14, 12, 14, 10);
  sentence->setHorizontalSpacing(4);
  sentence->setVerticalSpacing(2);
  sentence->addWidget(Explain, 0, 0, 1, 10);
  sentence->setRowMinimumHeight(1, 4);
  sentence->addWidget(Action1, 2, 0);
  sentence->setColumnMinimumWidth(1, 8);
  sentence->addWidget(Option1, 2, 2);
  sentence->addWidget(UpDown1, 2, 3);
  sentence->addWidget(Dot, 2, 4);
  sentence->addWidget(Tenth1, 2, 5);
  sentence->addWidget(UpDown2, 2, 6);
  sentence->setColumnMinimumWidth(7, 2);
  sentence->addWidget(unit1, 2, 8);
  sentence->setColumnStretch(9, 1);
  sentence->addWidget(tenths, 3, 5, 1, 2, Qt::AlignLeft | Qt::AlignTop);
  auto* editing = new QHBoxLayout;
  editing->setSpacing(6);
  editing->addStretch();
  for (QPushButton* button : {Edit1, Save1}) {
    button->setMinimumWidth(84);
    editing->addWidget(button);
  }
  Button1->setFixedWidth(34);
  Button1->setToolTip("Explain the rule");
  editing->addWidget(Button1);
  sentence->addLayout(editing, 4, 0, 1, 10);

  // How the editor is used, in the room the controls leave.
  auto* hint = new QLabel(
      "Choose the wins and losses, press Edit, choose the action and its amount, then Save. "
      "Saving \"no special action\" removes a rule.", this);
  hint->setWordWrap(true);
  hint->setStyleSheet("color: #555;");

  // "Start from [Martingale]" with the system's line beside it, over the switch.
  auto* presets = new QHBoxLayout;
  presets->setSpacing(8);
  presets->addWidget(PresetLabel);
  presets->addWidget(PresetBox);
  presets->addWidget(PresetText, 1);
  PresetText->setStyleSheet("color: #123c69;");

  auto* setup = new QVBoxLayout;
  setup->setSpacing(2);
  QFont bold = font();
  bold.setBold(true);
  Label3->setFont(bold);
  setup->addWidget(Label3);
  setup->addWidget(PName);

  auto* closing = new QHBoxLayout;
  for (QPushButton* button : {Clear1, Exit1}) button->setMinimumWidth(100);
  closing->addWidget(Clear1);
  closing->addStretch();
  closing->addWidget(Exit1);

  auto* editor = new QVBoxLayout;
  editor->setSpacing(12);
  editor->addLayout(top);
  editor->addWidget(rule);
  editor->addWidget(hint);
  editor->addSpacing(6);
  editor->addLayout(presets);
  editor->addWidget(ProgEnable);
  editor->addLayout(setup);
  editor->addStretch();
  editor->addLayout(closing);

  // The saved rules on the right, where the window is wide enough for them.
  auto* list = new QWidget(this);
  auto* listColumn = new QVBoxLayout(list);
  listColumn->setContentsMargins(0, 0, 0, 0);
  listColumn->setSpacing(4);
  auto* listHeading = new QLabel("Saved rules", list);
  listHeading->setFont(bold);
  listColumn->addWidget(listHeading);
  QFont listFont = Side->font();
  listFont.setPixelSize(12);
  Side->setFont(listFont);
  Side->setParent(list);
  listColumn->addWidget(Side);
  list->setFixedWidth(356);

  setStyleSheet("QFrame#CountsPanel, QFrame#RulePanel { background: #fbfaf6;"
                " border: 1px solid #c9c6bb; border-radius: 5px; }");
  auto* window = new QHBoxLayout(this);
  window->setContentsMargins(14, 14, 14, 14);
  window->setSpacing(14);
  window->addLayout(editor, 1);
  window->addWidget(list);
}

ProgressionTable TProgression::TableForSave() const {
  ProgressionTable table = table_;
  table.progressionEnabled = ProgEnable->isChecked() ? 1 : 0;
  return table;
}

void TProgression::LoadTable(const ProgressionTable& table) {
  ForgetPreset();
  ShowTable(table);
}

void TProgression::ShowTable(const ProgressionTable& table) {
  table_ = table;
  ProgEnable->setChecked(table.progressionEnabled != 0);
  SetSequence();
  ShowSettings();
}

void TProgression::SetPName(const QString& name) {
  PName->setText(name);
  PName->setToolTip(name);
}

void TProgression::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  activatePending_ = true;
}

bool TProgression::event(QEvent* event) {
  // Only the activation that follows a showing resets the explanation; coming
  // back from the information dialog or another program keeps it.
  if (event->type() == QEvent::WindowActivate && activatePending_) {
    activatePending_ = false;
    FormActivate();
  }
  return QDialog::event(event);
}

}  // namespace quorvel::ui
