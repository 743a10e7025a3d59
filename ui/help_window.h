// The help window: our own HTML help, kept beside the program.
#pragma once

#include <QWidget>
#include <filesystem>

class QTextBrowser;

namespace quorvel::ui {

class ModalSeam;

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own, with no parent that a modal screen could block:
  // help stays usable from every screen.
  THelpWindow(ModalSeam& modals, std::filesystem::path helpFile);

  // Shows the contents page; a missing help file is reported and nothing opens.
  void ShowContents();

  QTextBrowser* Browser;

 private:
  ModalSeam& modals_;
  std::filesystem::path helpFile_;
};

}  // namespace quorvel::ui
