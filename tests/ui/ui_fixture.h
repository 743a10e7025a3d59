// What the screen tests share: a start-up directory of their own and modal windows they answer.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "config/program_folders.h"
#include "config/settings_file.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"

namespace quorvel::testing {

// The whole of a file, or nothing when it cannot be read.
inline QByteArray FileBytes(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
inline QByteArray FileBytes(const std::filesystem::path& file) { return FileBytes(QString::fromStdString(file.string())); }

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
  bool Ask(QWidget*, const QString&, const QString& question) override {
    questions << question;
    return answer;
  }
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
  QStringList questions;
  bool answer = true;
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

// The main screen started in a start-up directory of its own, from `settings` saved as the
// last-used file when given; its modal windows answered by the test.
struct MainWindow {
  explicit MainWindow(QSize display = {1024, 768}, const std::optional<SettingsFile>& settings = {},
                      bool withPictures = true)
      : startup(withPictures),
        saved(!settings || SaveData(startup.LastUsedFile(), *settings).ok),
        form(modals, display, startup.Folders()) {}
  StartupDirectory startup;
  bool saved;
  AnsweringModals modals;
  ui::TForm1 form;
};

// What does not fit in a window: a shown control outside it or over a sibling (other than
// `backdrop`, drawn under the rest), a text wider or taller than its control, two labels of
// one panel (a caption and its value) that together need more than the panel's width.
inline QStringList FitProblems(const QWidget& window, const QWidget* backdrop = nullptr) {
  QStringList problems;
  const auto name = [](const QWidget* w) { return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName(); };
  const auto inner = [&window](const QWidget* w) {
    for (const QWidget* up = w->parentWidget(); up != &window; up = up->parentWidget()) {
      if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up)) return true;
    }
    return false;
  };
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->isWindow() || inner(w)) continue;
    if (!window.rect().contains(QRect(w->mapTo(&window, QPoint(0, 0)), w->size()))) problems << name(w) + " outside";
    QString text;
    int room = w->width();
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
      text = label->text();
      room = label->contentsRect().width();
    } else if (button != nullptr) {
      text = button->text().remove('&');
    }
    if (!text.isEmpty() && !text.startsWith('<')) {
      const QSize needed = w->fontMetrics().size(0, text);
      // A push button's frame takes a few pixels; a check box's or radio button's mark the rest
      // of its size hint.
      if (button != nullptr) {
        room = w->width() - (qobject_cast<const QPushButton*>(w) ? 8 : w->sizeHint().width() - needed.width());
      }
      if (needed.width() > room) problems << name(w) + " text cut: " + text;
      if (needed.height() > w->height()) problems << name(w) + " text too low";
    }
    QList<const QLabel*> labels;
    for (const QWidget* other : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!other->isVisibleTo(&window)) continue;
      if (const auto* l = qobject_cast<const QLabel*>(other)) labels << l;
      for (const QWidget* sibling : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling <= other || !sibling->isVisibleTo(&window) || other == backdrop || sibling == backdrop) continue;
        const bool panelPair = qobject_cast<const QFrame*>(w) && qobject_cast<const QLabel*>(other) &&
                               qobject_cast<const QLabel*>(sibling);
        if (!panelPair && other->geometry().intersects(sibling->geometry())) problems << name(other) + " over " + name(sibling);
      }
    }
    if (labels.size() == 2 && labels[0]->geometry().intersects(labels[1]->geometry()) &&
        labels[0]->fontMetrics().horizontalAdvance(labels[0]->text()) +
                labels[1]->fontMetrics().horizontalAdvance(labels[1]->text()) + 8 > w->width()) {
      problems << name(w) + " caption and value run together";
    }
  }
  return problems;
}

// The controls of a window a screen reader cannot name: every interactive element, walked
// through the accessibility tree as a screen reader sees it, must have a name.
inline QStringList UnnamedControls(QWidget& window) {
  QStringList unnamed;
  const QList<QAccessible::Role> interactive = {
      QAccessible::PushButton, QAccessible::CheckBox,  QAccessible::RadioButton,
      QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
      QAccessible::Slider,     QAccessible::ButtonMenu, QAccessible::PageTab, QAccessible::Table};
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node == nullptr || node->state().invisible) return;
    if (interactive.contains(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
      const QObject* object = node->object();
      unnamed << (object != nullptr ? object->objectName() + " (" + object->metaObject()->className() + ")"
                                    : QString("a role %1 element").arg(node->role()));
    }
    // A table's cells and a list's items are named by their contents.
    if (node->role() == QAccessible::Table || node->role() == QAccessible::ComboBox) return;
    for (int child = 0; child < node->childCount(); ++child) walk(node->child(child));
  };
  walk(QAccessible::queryAccessibleInterface(&window));
  return unnamed;
}

}  // namespace quorvel::testing
