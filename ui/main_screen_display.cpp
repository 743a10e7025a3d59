// TForm1 as the table's display: card pictures on the table, hand labels, the limit dialog.
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "ui/limit_dialog.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/pictures/card_pictures.h"
#include "ui/table_image.h"
#include "ui/test_progress_panel.h"
#include "ui/version.h"

namespace quorvel::ui {

QString TForm1::BackgroundPath() const {
  return QString::fromStdString((folders_.data / geometry_.backgroundFile).string());
}

void TForm1::LoadBackground() {
  // The picture is read once; every later reload restores the copy in memory,
  // so a missing file is reported once, not at every deal.
  if (backgroundTried_) {
    Image1->Reload();
    return;
  }
  backgroundTried_ = true;
  const QSize designed(Scaled(640, geometry_.scale), Scaled(414, geometry_.scale));
  QImageReader reader(BackgroundPath());
  const QImage picture = reader.read();
  Image1->SetBackground(picture, designed);
  if (picture.isNull()) {
    modals_.ShowError(this, kProgramTitle,
                      QString("Cannot open file %1").arg(QString::fromStdString(geometry_.backgroundFile)));
  }
}

void TForm1::ReloadBackground() { LoadBackground(); }

void TForm1::GetImage(int position) { cardPlace_ = GetImagePosition(position, geometry_.scale); }

void TForm1::UpDateJpgs(CardName card) {
  QString name = QString(QChar(card.rank)) + QChar(card.suit);
  if (UsesSmallPicture(cardPlace_.cardX)) name += 'X';
  Image1->DrawPicture(cardPlace_.cardX, cardPlace_.cardY, CardPicture(name, devicePixelRatioF()));
  ProcessEvents();
}

void TForm1::Vanish() {
  for (QLabel* label : {dealer, dealer2, dealer3, dealer4, Label4, text1, text_1, text_s1, text_s2,
                        text_s3, Split1, Split2, Split3}) {
    label->hide();
  }
  for (QLabel* label : {text1, text_s1, text_s2, text_s3}) label->clear();
}

void TForm1::SpecialAction(int hand, std::string_view text) {
  QLabel* const actions[] = {text1, text_s1, text_s2, text_s3};
  if (hand < 0 || hand > 3) return;
  actions[hand]->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  actions[hand]->adjustSize();
}

QLabel* TForm1::LabelWidget(Label label) const {
  const auto index = static_cast<size_t>(label);
  return index < labels_.size() ? labels_[index] : nullptr;
}

void TForm1::SetLabel(Label label, std::string_view text) {
  const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (label == Label::Auto) {
    Auto->setText(caption);
    return;
  }
  if (label == Label::Suspend && table_.run.testRunning == 1) {
    Progress->SetCaption(caption);
    Progress->show();
    Suspend->hide();
    return;
  }
  if (label == Label::Suspend) {
    ShowSuspend(caption);
    return;
  }
  QLabel* widget = LabelWidget(label);
  if (widget == nullptr) return;
  widget->setText(caption);
  // Labels on the table size themselves to their text; the others fill a panel.
  if (widget->parentWidget() == centralWidget() && widget != Suspend) widget->adjustSize();
  widget->show();
}

void TForm1::ShowSuspend(const QString& caption) {
  // A reason under the message (a chart file and why) is smaller, breaks
  // inside a long path, and the box grows to hold it.
  const qsizetype lineEnd = caption.indexOf('\n');
  if (lineEnd < 0) {
    Suspend->setText(caption);
  } else {
    const QString reason = caption.mid(lineEnd + 1).toHtmlEscaped().replace("/", "/&#8203;");
    Suspend->setText(QString("%1<br><span style=\"font-size: 13px\">%2</span>")
                         .arg(caption.left(lineEnd).toHtmlEscaped(), reason));
  }
  Suspend->resize(Suspend->width(),
                  std::max(Scaled(60, geometry_.scale), Suspend->heightForWidth(Suspend->width())));
  Suspend->show();
}

void TForm1::HideLabel(Label label) {
  if (label == Label::Suspend) Progress->hide();
  if (QLabel* widget = LabelWidget(label)) widget->hide();
}

void TForm1::ShowLabel(Label label) {
  if (QLabel* widget = LabelWidget(label)) widget->show();
}

void TForm1::ShowLimitDialog(std::string_view message) {
  if (screens_.limit == nullptr) return;
  screens_.limit->Lim->setText(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
  modals_.Exec(*screens_.limit);
}

void TForm1::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace quorvel::ui
