// The help window: our own HTML help, kept beside the program.
#include "ui/help_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/modal_seam.h"

namespace quorvel::ui {

THelpWindow::THelpWindow(ModalSeam& modals, std::filesystem::path helpFile)
    : QWidget(nullptr, Qt::Window), modals_(modals), helpFile_(std::move(helpFile)) {
  setObjectName("HelpWindow");
  // The program ends with its main screen, whether help is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle("Quorvel Help");
  resize(760, 620);
  Browser = new QTextBrowser(this);
  Browser->setObjectName("Browser");
  Browser->setOpenExternalLinks(false);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseHelp");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Browser);
  layout->addWidget(close, 0, Qt::AlignRight);
}

void THelpWindow::ShowContents() {
  const QString file = QString::fromStdString(helpFile_.string());
  std::error_code error;
  if (!std::filesystem::is_regular_file(helpFile_, error)) {
    modals_.ShowError(QApplication::activeWindow(), "Quorvel Help", QString("Cannot open help file %1").arg(file));
    return;
  }
  Browser->setSource(QUrl::fromLocalFile(file));
  show();
  raise();
  activateWindow();
}

}  // namespace quorvel::ui
