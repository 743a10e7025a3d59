// TForm1's creation: the controls in their designed places, and the wide layout.
#include "ui/main_screen.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <tuple>
#include <utility>

#include "config/settings_damage.h"
#include "config/settings_file.h"
#include "ui/modal_seam.h"
#include "ui/table_image.h"
#include "ui/test_progress_panel.h"
#include "ui/version.h"

namespace quorvel::ui {
namespace {

constexpr QSize kDesignedClient(737, 459);

// The panels' colours, and their labels' font: a style sheet's font wins over
// one inherited, so the panels' text size is set here.
QString ClientStyle(const QString& topBarFont, const QString& panelFont) {
  return QString("#Client { background: black; }"
                 "QFrame#Panel2, QFrame#Panel2 QFrame,"
                 " QFrame#QPanel, QFrame#QPanel QFrame,"
                 " QFrame#Panel1, QFrame#Panel1 QFrame { background: #d4d0c8; }"
                 "QFrame#QPanel QLabel, QFrame#Panel1 QLabel { background: transparent; font-size: %2; }"
                 "QFrame#Panel2 QLabel { background: transparent; font-size: %1; }"
                 // The table's buttons show the focus as a gold ring, plain to see on the felt.
                 "#Client > QPushButton { background: #f7f7f7; color: black; border: 1px solid #222;"
                 " border-radius: 3px; }"
                 "#Client > QPushButton:pressed { background: #d8d8d8; }"
                 "#Client > QPushButton:focus { border: 3px solid #ffc400; }")
      .arg(topBarFont, panelFont);
}

// Every start deals other cards: the clock in microseconds, so that two starts
// within one second differ too.
uint32_t ClockSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect place, QFrame::Shadow shadow) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | shadow);
  panel->setGeometry(place);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

// A panel with its caption on the left and its value right-aligned; the value
// label fills the panel so it follows the panel's size.
QLabel* ValuePanel(QWidget* parent, const char* panelName, const char* valueName,
                   const QString& caption, QRect place, QFrame** panel) {
  *panel = MakePanel(parent, panelName, place, QFrame::Raised);
  auto* title = MakeLabel(*panel, "", caption);
  title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  title->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* value = MakeLabel(*panel, valueName, "0");
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return value;
}

}  // namespace

TForm1::TForm1(ModalSeam& modals, QSize display, ProgramFolders folders, QSize frame, QWidget* parent)
    : QMainWindow(parent),
      modals_(modals),
      frame_(frame),
      folders_(std::move(folders)),
      startupDirectory_(std::filesystem::current_path()),
      lastUsedFile_(folders_.LastUsedFile()),
      // Until a last-used file exists (a first start), the table deals by the
      // new user's defaults rather than by a zero bankroll and a zero unit.
      active_(DefaultActiveSettings()),
      table_(this),
      lifetime_(table_, active_, lastUsedFile_) {
  setObjectName("Form1");
  setWindowTitle("Quorvel Main Screen");
  table_.SetChartDirectory(folders_.ChartDirectory());
  table_.Seed(ClockSeed());
  connect(&lifetime_, &TestLifetime::Progressed, this, [this] { Progress->Update(Controller().Progress()); });
  // Queued: the screens react after the path that ended the test has returned.
  connect(&lifetime_, &TestLifetime::Ended, this, &TForm1::TestEnded, Qt::QueuedConnection);
  CreateMenu();
  CreateControls();
  memo_.fill("");
  // The window and its frame stay inside the display's free area.
  display -= frame_;
  geometry_ = ChooseGeometry({display.width(), display.height() - MainMenu1->sizeHint().height()});

  if (!geometry_.wideLayout) {
    // The top bar's captions and values share 120 pixels.
    centralWidget()->setStyleSheet(ClientStyle("11px", "13px"));
    setFixedSize(kDesignedClient.width(), kDesignedClient.height() + MainMenu1->sizeHint().height());
    GiveValuesRoom();
    CentreOnScreen();
    LoadBackground();
    ApplyLastUsedAtStart();
    return;
  }
  SetUpHiResScreen(display);
  QFont font = centralWidget()->font();
  font.setPointSize(geometry_.fontSize);
  centralWidget()->setFont(font);
  // The top bar keeps its designed 25 pixels of height: its text is a little smaller.
  centralWidget()->setStyleSheet(ClientStyle(QString("%1pt").arg(geometry_.fontSize - 2),
                                             QString("%1pt").arg(geometry_.fontSize)));
  SetPanel(Panel5, 150, 252, 28);
  SetPanel(Panel6, 150, 212, 28);
  SetPanel(Panel8, 150, 108, 28);
  SetPanel(Panel9, 150, 68, 28);
  SetPanel(Panel10, 150, 20, 28);
  SetPanel(Panel11, 300, 4, 45);
  SetPanel(Panel12, 300, 52, 45);
  SetPanel(StatsPanel, 320, 4, 89);
  SetPanel(Panel14, 300, 8, 23);
  SetPanel(Panel15, 300, 48, 23);
  Memo1->setFixedHeight(Scaled(235, geometry_.scale));
  // Panels sized by the scale end inside the panel that holds them.
  StatsPanel->resize(std::min(StatsPanel->width(), QPanel->width() - StatsPanel->x() - 4), StatsPanel->height());
  GiveValuesRoom();
  CentreOnScreen();
  ApplyLastUsedAtStart();
  ShowSettingsMemo();
}

void TForm1::ApplyLastUsedAtStart() {
  const SettingsStatus applied = Controller().ApplyLastUsed();
  AfterReturnData();
  // A missing file is a first start; anything else the table cannot play from is said.
  if (!applied && std::filesystem::exists(lastUsedFile_)) {
    modals_.ShowError(this, kProgramTitle,
                      QString::fromStdString(DamagedLastUsedMessage(lastUsedFile_, applied.message)));
  }
}

void TForm1::CentreOnScreen() {
  const QRect area = screen()->availableGeometry();
  const QSize outer = size() + frame_;
  move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
       area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

TForm1::~TForm1() = default;

void TForm1::CreateMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName("MainMenu1");
  // Items without a caption stand between the menus as spacers.
  auto spacer = [this](const char* name) {
    QAction* item = MainMenu1->addAction(QString());
    item->setObjectName(name);
    item->setEnabled(false);
  };
  Options1 = MainMenu1->addMenu("&Options");
  Options1->setObjectName("Options1");
  Strategy1 = Options1->addAction("&Configure", this, &TForm1::Strategy1Click);
  Strategy1->setObjectName("Strategy1");
  Shuffle1 = Options1->addAction("&Shuffle Now", this, &TForm1::Shuffle1Click);
  Shuffle1->setObjectName("Shuffle1");
  Compare1 = Options1->addAction("C&ompare Systems...", this, &TForm1::Compare1Click);
  Compare1->setObjectName("Compare1");
  Options1->addSeparator()->setObjectName("N1");
  Exit1 = Options1->addAction("&Exit", this, &TForm1::Exit1Click);
  Exit1->setObjectName("Exit1");
  spacer("N2");
  Chart1 = MainMenu1->addAction("&Charts", this, &TForm1::Chart1Click);
  Chart1->setObjectName("Chart1");
  spacer("N3");
  Tracking1 = MainMenu1->addMenu("&Tracking");
  Tracking1->setObjectName("Tracking1");
  TWindow = Tracking1->addAction("&Window Open", this, &TForm1::TWindowClick);
  TWindow->setObjectName("TWindow");
  TWindow->setCheckable(true);
  spacer("N4");
  Stats1 = MainMenu1->addAction("&Stats", this, &TForm1::Stats1Click);
  Stats1->setObjectName("Stats1");
  spacer("N5");
  Help1 = MainMenu1->addMenu("&Help");
  Help1->setObjectName("Help1");
  Contents = Help1->addAction("&Contents", this, &TForm1::ContentsClick);
  Contents->setObjectName("Contents");
  About1 = Help1->addAction("&About", this, &TForm1::About1Click);
  About1->setObjectName("About1");
}

void TForm1::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("Client");
  client->setAutoFillBackground(true);
  QFont font = client->font();
  font.setPixelSize(13);
  client->setFont(font);
  setCentralWidget(client);

  Image1 = new TableImage(client);
  Image1->setObjectName("Image1");
  Image1->move(0, 20);
  Image1->SetBackground(QImage(), QSize(640, 414));

  Panel2 = MakePanel(client, "Panel2", {0, 0, 705, 25}, QFrame::Sunken);
  PHLabel = ValuePanel(Panel2, "Panel17", "PHLabel", "W/L Per Hand:", {1, 1, 120, 23}, &Panel17);
  Label1 = ValuePanel(Panel2, "Panel18", "Label1", " Next Bet: $", {121, 1, 115, 23}, &Panel18);
  oldwinnings = ValuePanel(Panel2, "Panel19", "oldwinnings", "  Previous: $", {267, 1, 120, 23}, &Panel19);
  newwinnings = ValuePanel(Panel2, "Panel20", "newwinnings", " Bankroll: $", {387, 1, 120, 23}, &Panel20);
  counter1 = ValuePanel(Panel2, "Panel21", "counter1", " Counter:", {552, 1, 120, 23}, &Panel21);

  auto button = [&](const char* name, const char* caption, QRect place) {
    auto* b = new QPushButton(caption, client);
    b->setObjectName(name);
    b->setGeometry(place);
    QFont bold = b->font();
    bold.setPixelSize(16);
    bold.setBold(true);
    b->setFont(bold);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
  };
  Reset1 = button("Reset1", "RESET", {176, 129, 65, 24});
  OptButton = button("OptButton", "OPTIONS", {248, 129, 81, 24});
  Auto = button("Auto", "AUTO", {336, 129, 65, 24});
  Deal = button("Deal", "DEAL", {408, 129, 65, 24});
  // Each button has a key of its own, said in its tip and in the help.
  for (auto [b, key, tip] : {std::tuple{Deal, "Ctrl+D", "Deal one round"},
                             std::tuple{Reset1, "Ctrl+R", "Start the table afresh from the settings"},
                             std::tuple{Auto, "Ctrl+T", "Run an automatic test, or stop the one running"},
                             std::tuple{OptButton, "Ctrl+O", "Change the table and money settings"}}) {
    const QKeySequence sequence(key);
    b->setToolTip(QString("%1 (%2)").arg(tip, sequence.toString(QKeySequence::NativeText)));
    b->setAccessibleDescription(b->toolTip());
    QPushButton* pressed = b;
    connect(new QShortcut(sequence, this), &QShortcut::activated, pressed, [pressed] { pressed->click(); });
  }
  connect(Deal, &QPushButton::clicked, this, &TForm1::DealClick);
  connect(Reset1, &QPushButton::clicked, this, &TForm1::Reset1Click);
  connect(OptButton, &QPushButton::clicked, this, &TForm1::OptButtonClick);
  connect(Auto, &QPushButton::clicked, this, &TForm1::AutoClick);

  auto handLabel = [&](const char* name, const char* caption, QPoint place, bool shown) {
    QLabel* label = MakeLabel(client, name, caption);
    label->setStyleSheet("color: silver; background: transparent;");
    QFont small = label->font();
    small.setPixelSize(9);
    label->setFont(small);
    label->move(place);
    label->adjustSize();
    label->setVisible(shown);
    return label;
  };
  Label4 = handLabel("Label4", "0", {377, 82}, true);
  dealer = handLabel("dealer", "dealer", {350, 218}, true);
  text_1 = handLabel("text_1", "0", {365, 189}, true);
  text1 = handLabel("text1", "start", {385, 189}, true);
  dealer2 = handLabel("dealer2", "dealer", {350, 282}, false);
  Split1 = handLabel("Split1", "0", {365, 258}, false);
  text_s1 = handLabel("text_s1", "start", {385, 258}, false);
  dealer3 = handLabel("dealer3", "dealer", {350, 342}, false);
  Split2 = handLabel("Split2", "0", {365, 318}, false);
  text_s2 = handLabel("text_s2", "start", {385, 318}, false);
  dealer4 = handLabel("dealer4", "dealer", {350, 400}, false);
  Split3 = handLabel("Split3", "0", {365, 376}, false);
  text_s3 = handLabel("text_s3", "start", {385, 376}, false);

  Suspend = MakeLabel(client, "Suspend", "Graphics suspended to increase speed of calculations.");
  Suspend->setGeometry(200, 250, 300, 60);
  Suspend->setAlignment(Qt::AlignCenter);
  Suspend->setWordWrap(true);
  Suspend->setStyleSheet("background: teal; color: white; border: 1px solid #e0e0e0;");
  QFont serif("serif");
  serif.setStyleHint(QFont::Serif);
  serif.setPixelSize(24);
  Suspend->setFont(serif);
  Suspend->hide();
  // In place of the static text, a running test shows its progress.
  Progress = new TestProgressPanel(client);
  Progress->setGeometry(150, 230, 400, 100);

  QPanel = MakePanel(client, "QPanel", {-15, 208, 689, 241}, QFrame::Raised);
  Panel11 = MakePanel(QPanel, "Panel11", {6, 4, 299, 45}, QFrame::Raised);
  Q2 = MakeLabel(Panel11, "Q2", "");
  Q2->setWordWrap(true);
  Panel12 = MakePanel(QPanel, "Panel12", {6, 52, 300, 45}, QFrame::Raised);
  Q3 = MakeLabel(Panel12, "Q3", "");
  Q3->setWordWrap(true);
  StatsPanel = MakePanel(QPanel, "StatsPanel", {312, 8, 320, 89}, QFrame::Raised);
  bettotal = ValuePanel(StatsPanel, "Panel14", "bettotal", "Total Bet", {8, 8, 300, 28}, &Panel14);
  ELabel = ValuePanel(StatsPanel, "Panel15", "ELabel", "Winnings/Total Bet", {8, 48, 300, 28}, &Panel15);
  QPanel->hide();

  Panel1 = MakePanel(client, "Panel1", {648, 40, 255, 489}, QFrame::Raised);
  test8 = ValuePanel(Panel1, "Panel10", "test8", "Win/Loss", {4, 20, 150, 28}, &Panel10);
  Panel10->hide();
  test1 = ValuePanel(Panel1, "Panel9", "test1", "HANDS WON", {4, 68, 150, 28}, &Panel9);
  test3 = ValuePanel(Panel1, "Panel8", "test3", "In Row", {4, 108, 150, 28}, &Panel8);
  test2 = ValuePanel(Panel1, "Panel6", "test2", "HANDS LOST", {4, 212, 150, 28}, &Panel6);
  test4 = ValuePanel(Panel1, "Panel5", "test4", "In Row", {4, 252, 150, 28}, &Panel5);
  Label11 = MakeLabel(Panel1, "Label11", "Progression Settings");
  Label11->setAlignment(Qt::AlignCenter);
  Label11->setStyleSheet("color: white; background: navy; font-weight: bold;");
  Memo1 = new QPlainTextEdit(Panel1);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setFixedHeight(159);
  Panel1->hide();
  LayOutSidePanel();

  labels_ = {dealer, dealer2, dealer3, dealer4, text_1, Split1, Split2, Split3,
             text1, text_s1, text_s2, text_s3, Label4, Label1, counter1, newwinnings,
             oldwinnings, Q2, Q3, PHLabel, bettotal, ELabel, test1, test2, test3, test4,
             test8, Suspend};
}

void TForm1::LayOutSidePanel() {
  // Value labels fill their panels, so they follow every SetPanel; the memo
  // and its caption bar sit at the bottom of the side panel.
  for (QFrame* panel : {Panel17, Panel18, Panel19, Panel20, Panel21, Panel14, Panel15, Panel10,
                        Panel9, Panel8, Panel6, Panel5}) {
    const QRect inside = panel->rect().adjusted(4, 1, -4, -1);
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      label->setGeometry(inside);
    }
  }
  for (QFrame* panel : {Panel11, Panel12}) {
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      label->setGeometry(panel->rect().adjusted(4, 2, -4, -2));
    }
  }
  // The memo keeps its height where the panel has room under the counters, and scrolls
  // where it has less.
  const int barHeight = Label11->sizeHint().height() + 4;
  const int bottom = Panel1->height() - 4;
  const int room = bottom - (Panel5->geometry().bottom() + 8) - barHeight;
  const int memoHeight = std::min(Memo1->height(), room);
  Memo1->setGeometry(2, bottom - memoHeight, Panel1->width() - 4, memoHeight);
  Label11->setGeometry(2, Memo1->y() - barHeight, Panel1->width() - 4, barHeight);
}

void TForm1::MoveLabel(QLabel* label) {
  label->move(Scaled(label->x(), geometry_.scale), Scaled(label->y(), geometry_.scale));
  QFont font = label->font();
  font.setPointSize(geometry_.fontSize);
  label->setFont(font);
  label->adjustSize();
}

void TForm1::SetPanel(QFrame* panel, int width, int top, int height) {
  const float scale = geometry_.scale;
  panel->setGeometry(panel->x(), Scaled(top, scale), Scaled(width, scale), Scaled(height, scale));
}

void TForm1::SetUpHiResScreen(QSize display) {
  const float scale = geometry_.scale;
  const int t20 = Scaled(20, scale);
  const int w640 = Scaled(640, scale);
  const int h456 = Scaled(456, scale);
  const int split = w640 < 1000 ? w640 - 10 : w640;

  QPanel->move(0, QPanel->y());
  QPanel->show();
  Panel1->show();
  Tracking1->menuAction()->setVisible(false);

  // The client area takes the whole display below the menu.
  const int formWidth = display.width();
  const int formHeight = display.height() - MainMenu1->sizeHint().height();
  setFixedSize(display.width(), display.height());

  for (QLabel* label : {Label4, text1, text_1, dealer, dealer2, dealer3, dealer4, text_s1, text_s2,
                        text_s3, Split1, Split2, Split3}) {
    MoveLabel(label);
  }
  Suspend->move(Scaled(Suspend->x(), scale), Scaled(Suspend->y(), scale));
  Progress->setGeometry(Scaled(Progress->x(), scale), Scaled(Progress->y(), scale),
                        Scaled(Progress->width(), scale), Scaled(Progress->height(), scale));
  Image1->move(0, t20);

  // The statistics panel reaches the form's foot, where a strip of the black form showed.
  QPanel->setGeometry(0, h456 - 20, split, formHeight - (h456 - 20));
  // Under the top bar, which keeps its 25 pixels at every scale.
  const int sideTop = std::max(t20, Panel2->height());
  Panel1->setGeometry(split, sideTop, formWidth - split, formHeight - sideTop);

  // The buttons' widths grow with the gaps between them, so a caption has room at any scale.
  for (QPushButton* b : {Auto, Deal, Reset1, OptButton}) {
    b->setGeometry(Scaled(b->x(), scale), Scaled(b->y(), scale), Scaled(b->width(), scale), b->height());
  }

  Panel2->resize(formWidth, Panel2->height());
  for (QFrame* panel : {Panel17, Panel18, Panel19, Panel20, Panel21}) {
    panel->resize(Scaled(panel->width(), scale), panel->height());
  }
  // The top bar's values share the form's whole width, which the side panel widened.
  const int fifth = formWidth / 5;
  Panel18->move(fifth, Panel18->y());
  Panel19->move(2 * fifth, Panel19->y());
  Panel20->move(3 * fifth, Panel20->y());
  Panel21->move(4 * fifth, Panel21->y());

  StatsPanel->move(Scaled(312, scale), StatsPanel->y());
}

void TForm1::AfterReturnData() {
  Memo1->setVisible(active_.progression.progressionEnabled != 0);
}

}  // namespace quorvel::ui
