// TAboutBox: the program's title and version on a coloured panel.
#pragma once

#include <QDialog>

class QPushButton;

namespace quorvel::ui {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QPushButton* OkayButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Okay1Click();
};

}  // namespace quorvel::ui
