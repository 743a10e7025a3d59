// TForm1's values and captions given the room their widest text needs.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "ui/main_screen.h"

namespace quorvel::ui {
namespace {

// Room a text leaves around it inside its control: the value panels' margins and the gap
// between caption and value, or a button's frame.
constexpr int kPanelMargins = 14;
constexpr int kButtonMargins = 12;
constexpr int kSmallestPixels = 7;

// The largest pixel size, not above the font's own, at which `text` takes at most `room`.
int PixelsToFit(const QFont& font, const QString& text, int room) {
  QFont smaller = font;
  int pixels = QFontInfo(font).pixelSize();
  smaller.setPixelSize(pixels);
  while (pixels > kSmallestPixels && QFontMetrics(smaller).horizontalAdvance(text) > room) {
    smaller.setPixelSize(--pixels);
  }
  return pixels;
}

// Draws a panel's caption and value at `pixels`, where that is smaller than they are.
void ShrinkText(QWidget* panel, int pixels) {
  for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (pixels < QFontInfo(label->font()).pixelSize()) label->setStyleSheet(QString("font-size: %1px;").arg(pixels));
  }
}

}  // namespace

void TForm1::GiveValuesRoom() {
  // The widest text each value shows: counts run to ten digits (99 sessions of 100 million
  // rounds), the bankroll to nine, the total bet to cents of thirteen.
  const std::pair<QLabel*, const char*> widest[] = {
      {PHLabel, "$-88888.88"},     {Label1, "88888888"},            {oldwinnings, "-888888888"},
      {newwinnings, "-888888888"}, {counter1, "8888888888"},        {test1, "8888888888"},
      {test2, "8888888888"},       {test3, "888888"},               {test4, "888888"},
      {test8, "-8888888888"},      {bettotal, "$8888888888888.88"}, {ELabel, "-8.88888"}};
  for (const auto& [value, text] : widest) {
    QWidget* panel = value->parentWidget();
    QWidget* holder = panel->parentWidget();
    // A panel grows up to the next panel on its line, or to its holder's edge.
    int limit = holder->width() - 2;
    for (QFrame* other : holder->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
      if (other->x() > panel->x() && other->y() < panel->geometry().bottom() &&
          other->geometry().bottom() > panel->y()) {
        limit = std::min(limit, other->x() - 1);
      }
    }
    QString caption;
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      label->ensurePolished();
      if (label != value) caption += label->text();
    }
    const int needed = value->fontMetrics().horizontalAdvance(caption + text) + kPanelMargins;
    panel->resize(std::clamp(needed, panel->width(), std::max(panel->width(), limit - panel->x())),
                  panel->height());
    // Where the panel cannot grow enough, its caption and value are drawn smaller.
    if (needed > panel->width()) {
      ShrinkText(panel, PixelsToFit(value->font(), caption + text, panel->width() - kPanelMargins));
    }
  }
  // The side panel's counters line up in one column of the widest one's width, in one size.
  int column = 0;
  int pixels = QFontInfo(test1->font()).pixelSize();
  for (QFrame* panel : {Panel10, Panel9, Panel8, Panel6, Panel5}) {
    column = std::max(column, panel->width());
    pixels = std::min(pixels, QFontInfo(panel->findChild<QLabel*>()->font()).pixelSize());
  }
  for (QFrame* panel : {Panel10, Panel9, Panel8, Panel6, Panel5}) {
    panel->resize(column, panel->height());
    ShrinkText(panel, pixels);
  }
  for (QPushButton* button : {Reset1, OptButton, Auto, Deal}) {
    QFont font = button->font();
    font.setPixelSize(PixelsToFit(font, button->text(), button->width() - kButtonMargins));
    button->setFont(font);
  }
  LayOutSidePanel();
}

}  // namespace quorvel::ui
