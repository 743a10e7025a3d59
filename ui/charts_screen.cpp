// TCharts: the basic-strategy chart the table plays by.
#include "ui/charts_screen.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/chart_text.h"
#include "ui/display_geometry.h"
#include "ui/modal_seam.h"
#include "ui/pictures/chart_grid_picture.h"

namespace quorvel::ui {
namespace {

constexpr int kPairRows = 10;
constexpr int kSoftRows = 8;
constexpr std::array<int, kPairRows> kPairTops = {82, 106, 134, 158, 182, 208, 234, 258, 282, 308};
constexpr std::array<int, kSoftRows> kSoftTops = {82, 106, 130, 154, 181, 207, 232, 255};
constexpr std::array<int, 10> kHardTops = {357, 382, 405, 426, 450, 474, 498, 522, 547, 567};

// Every character exactly half a column wide, so the label's text is as wide as its ten cells.
QFont ChartLetterFont(float scale) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(Scaled(15, scale));
  const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('H'));
  font.setLetterSpacing(QFont::AbsoluteSpacing, kChartColumnWidth * scale / 2.0 - advance);
  return font;
}

// A chart row: each cell's letters drawn in the middle of its column, the second letter of a
// pair ("Ds", "Rs", "Ry") smaller, so that one cell does not run into the next.
class RowLetters : public QLabel {
 public:
  RowLetters(float scale, QWidget* parent) : QLabel(parent), scale_(scale) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(Qt::black);
    QFont first = font();
    first.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    first.setPixelSize(Scaled(14, scale_));
    QFont second = first;
    second.setPixelSize(Scaled(10, scale_));
    const qreal baseline = QFontMetricsF(font()).ascent();
    const QString letters = text();
    for (int cell = 0; 2 * cell + 1 < letters.size(); ++cell) {
      const QString lead = letters.mid(2 * cell, 1);
      const QString tail = letters.mid(2 * cell + 1, 1).trimmed();
      const qreal leadWidth = QFontMetricsF(first).horizontalAdvance(lead);
      const qreal width = leadWidth + QFontMetricsF(second).horizontalAdvance(tail);
      const qreal column = kChartColumnWidth * scale_;
      const qreal x = cell * column + (column - width) / 2;
      painter.setFont(first);
      painter.drawText(QPointF(x, baseline), lead);
      painter.setFont(second);
      painter.drawText(QPointF(x + leadWidth, baseline), tail);
    }
  }

 private:
  float scale_;
};

QRect ScaledRect(QRect place, float scale) {
  return {Scaled(place.x(), scale), Scaled(place.y(), scale), Scaled(place.width(), scale),
          Scaled(place.height(), scale)};
}

QPlainTextEdit* Legend(QWidget* parent, float scale, const char* name, QRect place, const QString& text) {
  auto* memo = new QPlainTextEdit(text, parent);
  memo->setObjectName(name);
  memo->setGeometry(ScaledRect(place, scale));
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font = memo->font();
  font.setPixelSize(Scaled(11, scale));
  memo->setFont(font);
  memo->document()->setDocumentMargin(2);
  return memo;
}

}  // namespace

TCharts::TCharts(ModalSeam& modals, QSize display, std::filesystem::path chartDirectory, QWidget* parent)
    : QDialog(parent), modals_(modals), chartDirectory_(std::move(chartDirectory)) {
  setObjectName("Charts");
  setWindowTitle("Basic Strategy Charts");
  // Tall enough for the grid's last row of hard totals; smaller where the display is shorter.
  constexpr Room kDesigned = {688, kChartGridHeight + 6};
  const float scale = FitScale(kDesigned, {display.width(), display.height()});
  setFixedSize(Scaled(kDesigned.width, scale), Scaled(kDesigned.height, scale));
  // A style sheet names a class in a namespace with "--" for "::".
  setStyleSheet("quorvel--ui--TCharts { background: white; }");

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(ScaledRect({30, 0, kChartGridWidth, kChartGridHeight}, scale));
  Image1->setPixmap(DrawChartGrid(devicePixelRatioF(), scale));

  const QFont letters = ChartLetterFont(scale);
  auto place = [&](int row, const QString& name, int left, int top) {
    auto* label = new RowLetters(scale, this);
    label->setObjectName(name);
    label->setFont(letters);
    label->setStyleSheet("color: black; background: transparent;");
    label->move(Scaled(left, scale), Scaled(top, scale));
    rowLabels[row] = label;
  };
  for (int i = 0; i < kPairRows; ++i) place(i, QString("c1r%1").arg(i + 1), 99, kPairTops[i]);
  for (int i = 0; i < kSoftRows; ++i) {
    place(kPairRows + i, QString("c2r%1").arg(i + 1), 392, kSoftTops[i]);
  }
  for (int i = 0; i < static_cast<int>(kHardTops.size()); ++i) {
    place(kPairRows + kSoftRows + i, QString("c3r%1").arg(i + 1), 390, kHardTops[i]);
  }

  Button1 = new QPushButton("&Close Charts", this);
  Button1->setObjectName("Button1");
  // The legend stands under the pairs grid, not over its last row, each memo tall enough for
  // its lines.
  Button1->setGeometry(ScaledRect({32, 346, 129, 35}, scale));
  Button1->setToolTip("close charts");
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TCharts::Button1Click);

  Memo1 = Legend(this, scale, "Memo1", {32, 384, 129, 76},
                 "\nY = Yes, split the pair\nN = No, don't split the \npair\n");
  Memo2 = Legend(this, scale, "Memo2", {160, 346, 137, 114},
                 "H = Hit\nS = Stand\nD = Double; if unable, \nHit\nDs = Double; if unable, \nStand");
  Memo3 = Legend(this, scale, "Memo3", {32, 462, 265, 50},
                 "R = Surrender; if unable, Hit \nRs = Surrender; if unable, Stand \n"
                 "Ry = Surrender; if unable, Split ");
  Memo3->setStyleSheet("QPlainTextEdit { background: olive; color: white; }");
  Memo1->setAccessibleName("Legend of the pairs");
  Memo2->setAccessibleName("Legend of hit, stand and double");
  Memo3->setAccessibleName("Legend of surrender");
}

void TCharts::ChartData(uint8_t decks, bool dealerHitsSoft17, bool lateSurrender,
                        bool noDoubleAfterSplit) {
  const ChartRules rules{decks, dealerHitsSoft17, noDoubleAfterSplit, lateSurrender};
  setWindowTitle(QString::fromStdString(ChartCaption(rules)));
  // The surrender letters appear only in the charts of late surrender.
  Memo3->setVisible(lateSurrender);

  StrategyChart chart;
  const int bytesRead = ReadChartFile(chartDirectory_ / ChartFileName(rules), chart);
  for (int row = 0; row < kChartRows; ++row) {
    // A missing or short file leaves the rows it did not reach empty.
    const bool read = row * kChartColumns < bytesRead;
    rowLabels[row]->setText(read ? QString::fromStdString(ChartRowLetters(chart, row)) : QString());
    rowLabels[row]->adjustSize();
  }
  QCoreApplication::processEvents();
  modals_.Exec(*this);
}

void TCharts::Button1Click() { reject(); }

}  // namespace quorvel::ui
