// The real modal windows: Qt's dialogs and message boxes.
#include "ui/modal_seam.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace quorvel::ui {

int ModalSeam::Exec(QDialog& dialog) {
  // Modal to the screen that opened it, not to the program: the help window,
  // which has no parent, stays usable.
  dialog.setWindowModality(Qt::WindowModal);
  return dialog.exec();
}

void ModalSeam::ShowError(QWidget* parent, const QString& title, const QString& message) {
  QMessageBox::critical(parent, title, message);
}

bool ModalSeam::Ask(QWidget* parent, const QString& title, const QString& question) {
  return QMessageBox::question(parent, title, question) == QMessageBox::Yes;
}

QString ModalSeam::SaveFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent, title, directory, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  if (Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString ModalSeam::OpenFileName(QWidget* parent, const QString& title, const QString& directory,
                                const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, directory, filter);
}

}  // namespace quorvel::ui
