// What the screen tests share: a start-up directory of their own and modal windows they answer.
#pragma once

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "config/program_folders.h"
#include "config/settings_file.h"
#include "ui/modal_seam.h"

namespace quorvel::testing {

// Answers every modal window at once and remembers what was shown.
class AnsweringModals : public ui::ModalSeam {
 public:
  int Exec(QDialog& dialog) override {
    shown << dialog.objectName();
    const QLabel* message = dialog.findChild<QLabel*>("Lim");
    texts << (message != nullptr ? message->text() : QString());
    // A test plays the user's part in a dialog by its name.
    const auto action = actions.find(dialog.objectName());
    if (action != actions.end()) return action->second(dialog);
    return QDialog::Accepted;
  }
  void ShowError(QWidget*, const QString&, const QString& message) override { errors << message; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QString&) override {
    return saveAnswer;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return openAnswer;
  }

  std::map<QString, std::function<int(QDialog&)>> actions;
  QStringList shown;
  QStringList texts;
  QStringList errors;
  QString saveAnswer;
  QString openAnswer;
};

// A start-up directory laid out like the program's (chart files, table
// pictures), made current for the test's life; the last-used file is the test's.
class StartupDirectory {
 public:
  explicit StartupDirectory(bool withPictures = true) : previous_(QDir::currentPath()) {
    const QDir bin(previous_);
    QDir here(directory_.path());
    here.mkdir("chartdata");
    for (const QString& chart : QDir(bin.filePath("chartdata")).entryList({"*.dat"})) {
      QFile::copy(bin.filePath("chartdata/" + chart), here.filePath("chartdata/" + chart));
    }
    if (withPictures) {
      for (const char* picture : {"bg1.bmp", "vg1.bmp", "xg1.bmp"}) {
        QFile::copy(bin.filePath(picture), here.filePath(picture));
      }
    }
    QDir::setCurrent(directory_.path());
  }
  ~StartupDirectory() { QDir::setCurrent(previous_); }

  std::filesystem::path Path() const { return directory_.path().toStdString(); }
  std::filesystem::path LastUsedFile() const { return Path() / kLastUsedSettingsFile; }
  ProgramFolders Folders() const { return {Path(), Path()}; }

 private:
  QString previous_;
  QTemporaryDir directory_;
};

}  // namespace quorvel::testing
