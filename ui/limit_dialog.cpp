// THitLimit: the "Limit Reached" dialog.
#include "ui/limit_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel::ui {

THitLimit::THitLimit(QWidget* parent) : QDialog(parent) {
  setObjectName("HitLimit");
  setWindowTitle("Limit Reached");
  setModal(true);
  Lim = new QLabel("You have reached a limit.", this);
  Lim->setObjectName("Lim");
  Lim->setAlignment(Qt::AlignCenter);
  Lim->setWordWrap(true);
  Lim->setMinimumWidth(260);
  OKButton = new QPushButton("&Okay", this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &THitLimit::OKButtonClick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 18, 20, 14);
  layout->setSpacing(14);
  layout->addWidget(Lim);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
}

void THitLimit::OKButtonClick() { done(QDialog::Accepted); }

}  // namespace quorvel::ui
