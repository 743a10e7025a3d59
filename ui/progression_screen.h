// TProgression: the editor of the progression rules, with the list of the rules saved.
#pragma once

#include <QDialog>
#include <QSize>

#include "money/progression_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quorvel::ui {

class ModalSeam;
class TAlert;
class UpDown;

class TProgression : public QDialog {
  Q_OBJECT
 public:
  // Sizes and places the window for a display of `display` pixels (FormCreate).
  TProgression(ModalSeam& modals, TAlert& alert, QSize display, QWidget* parent = nullptr);

  // The editor's copy as the settings file stores it; the switch byte is the
  // state of "Enable Progression Testing", 1 or 0.
  ProgressionTable TableForSave() const;
  // A settings file's table: the box is checked when its switch byte is not 0,
  // and the editor and the list follow.
  void LoadTable(const ProgressionTable& table);
  // "Current Setup": empty for the last-used settings file, else the file's path.
  void SetPName(const QString& name);

  // Run on every showing (StartUp), and once after it when the window is activated.
  void FormShow();
  void FormActivate();

  // Handlers.
  void WinUpDownClick();
  void LossUpDownClick();
  void Edit1Click();
  void Action1Change();
  void UpDown1Click();
  void Option1Exit();
  void Save1Click();
  void Button1Click();
  void Clear1Click();
  void Exit1Click();
  void PresetBoxChange();

  // Helpers of the handlers.
  void ZeroWL(bool hide);
  void SetSequence();
  void RestoreWLSettings();
  void SetUnits(const QComboBox& list);
  void SaveWL();
  void ShowSettings();
  void ShowMessage();

  QLabel* Label7;
  QLabel* Label6;
  QLineEdit* Num1;
  UpDown* WinUpDown;
  QLabel* Label11;
  QLineEdit* NumLoss;
  UpDown* LossUpDown;
  QLabel* Image1;
  QLabel* Explain;
  QComboBox* Action1;
  QLineEdit* Option1;
  UpDown* UpDown1;
  QLabel* Dot;
  QLineEdit* Tenth1;
  UpDown* UpDown2;
  QLabel* unit1;
  QLabel* tenths;
  QPushButton* Edit1;
  QPushButton* Save1;
  QPushButton* Button1;
  QCheckBox* ProgEnable;
  QPushButton* Clear1;
  QPushButton* Exit1;
  QLabel* Label3;
  QLabel* PName;
  QPlainTextEdit* Side;
  QLabel* PresetLabel;
  QComboBox* PresetBox;
  QLabel* PresetText;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateControls();
  void LayOut();
  // The index of the selected rule, wins x 10 + losses.
  int Selected() const;
  void SetEditorEnabled(bool enabled);
  // The table in the editor, the box and the list; no preset stays chosen.
  void ShowTable(const ProgressionTable& table);
  void ForgetPreset();

  ModalSeam& modals_;
  TAlert& alert_;
  ProgressionTable table_;
  bool activatePending_ = false;
};

}  // namespace quorvel::ui
