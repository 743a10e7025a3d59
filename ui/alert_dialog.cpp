// TAlert: the "Information" dialog in which the progression screen explains a rule.
#include "ui/alert_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel::ui {

TAlert::TAlert(QWidget* parent) : QDialog(parent) {
  setObjectName("Alert");
  setWindowTitle("Information");
  setModal(true);
  Message = new QLabel(this);
  Message->setObjectName("Message");
  Message->setWordWrap(true);
  Message->setFixedWidth(380);
  QFont font = Message->font();
  font.setPixelSize(14);
  Message->setFont(font);
  Save = new QLabel("Be sure to press the SAVE button if you wish to enable this progression "
                    "setting.", this);
  Save->setObjectName("Save");
  Save->setWordWrap(true);
  Save->setFixedWidth(380);
  Save->setStyleSheet("color: #8b1a1a;");
  font.setBold(true);
  font.setPixelSize(13);
  Save->setFont(font);
  Okay1 = new QPushButton("Okay", this);
  Okay1->setObjectName("Okay1");
  Okay1->setDefault(true);
  Okay1->setMinimumWidth(90);
  connect(Okay1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(22, 20, 22, 16);
  layout->setSpacing(14);
  layout->addWidget(Message);
  layout->addWidget(Save);
  layout->addWidget(Okay1, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAlert::done(int result) {
  Save->hide();
  QDialog::done(result);
}

}  // namespace quorvel::ui
