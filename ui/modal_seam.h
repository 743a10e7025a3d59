// The one way screens open modal windows and message boxes, so a test can answer them.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace quorvel::ui {

class ModalSeam {
 public:
  virtual ~ModalSeam() = default;
  // Shows `dialog` modally and returns its result code.
  virtual int Exec(QDialog& dialog);
  // A modal error box with one message.
  virtual void ShowError(QWidget* parent, const QString& title, const QString& message);
  // A question the user answers Yes (true) or No.
  virtual bool Ask(QWidget* parent, const QString& title, const QString& question);
  // The native file dialogs; an empty name when the user cancels.
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& directory,
                               const QString& filter, const QString& defaultSuffix);
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& directory,
                               const QString& filter);
};

}  // namespace quorvel::ui
