// TAlert: the "Information" dialog in which the progression screen explains a rule.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvel::ui {

class TAlert : public QDialog {
  Q_OBJECT
 public:
  explicit TAlert(QWidget* parent = nullptr);

  // Every way of closing passes here, so the reminder is hidden whichever way it closes.
  void done(int result) override;

  QLabel* Message;
  QLabel* Save;  // the reminder to save, shown with a rule's explanation
  QPushButton* Okay1;
};

}  // namespace quorvel::ui
