// TAboutBox: the program's title and version on a coloured panel.
#include "ui/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/version.h"

namespace quorvel::ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setModal(true);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setStyleSheet("#Panel1 { background: #0b4d2c; border: 1px solid #d8c27a; }"
                       "QLabel { color: #f4f1e4; }");
  auto* title = new QLabel(kProgramTitle, panel);
  title->setObjectName("ProductName");
  QFont titleFont = title->font();
  titleFont.setPixelSize(20);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(QString("Version %1").arg(kProgramVersion), panel);
  version->setObjectName("Version");
  auto* comment = new QLabel("A blackjack simulator for testing betting systems:\n"
                             "manual play, automatic tests of many sessions,\n"
                             "progressions, win and loss limits.",
                             panel);
  comment->setObjectName("Comments");
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(18, 16, 18, 16);
  panelLayout->setSpacing(8);
  panelLayout->addWidget(title);
  panelLayout->addWidget(version);
  panelLayout->addSpacing(6);
  panelLayout->addWidget(comment);

  OkayButton = new QPushButton("&Okay", this);
  OkayButton->setObjectName("OKButton");
  OkayButton->setDefault(true);
  connect(OkayButton, &QPushButton::clicked, this, &TAboutBox::Okay1Click);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(panel);
  layout->addWidget(OkayButton, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OkayButton->setFocus();
}

void TAboutBox::Okay1Click() { done(QDialog::Accepted); }

}  // namespace quorvel::ui
