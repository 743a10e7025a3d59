// TStrategy: the options screen, where the table rules and money settings are edited.
#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "config/options_working_copy.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QAction;
class QPushButton;
class QSlider;
class QSpinBox;

namespace quorvel::ui {

class ModalSeam;
class RadioGroup;
class TAboutBox;
class THelpWindow;
class TProgression;

class TStrategy : public QDialog {
  Q_OBJECT
 public:
  // Shrunk where `display`, the desktop's free area, is too small for it.
  TStrategy(ModalSeam& modals, TProgression& progression, QSize display,
            std::filesystem::path startupDirectory, QWidget* parent = nullptr);
  void SetShellScreens(TAboutBox* about, THelpWindow* help);

  // Writes the screen, its carried blocks and the progression screen to `file`;
  // a failure is reported to the user. Returns whether the file was written.
  bool SaveData(const std::filesystem::path& file);
  // Reads `file` into the screen; what the file cannot supply keeps its value.
  void LoadOptionsData(const std::filesystem::path& file);
  // At the program's end: edits not yet in the last-used file are written to it.
  void SaveUnsavedEdits();
  // The last-used file was changed outside and is played now: the screen shows it.
  void ReloadLastUsed();
  // A close asked for by another screen: it saves like a close (when the
  // screen has been shown in this run) but applies nothing.
  void RequestClose();

  // True when the last visit did not hand new settings over: "EXIT WITHOUT
  // RESETTING TEST", or the hand-over could not be written.
  bool KeepOldSettings() const { return keepOldSettings_; }
  bool OptionsShown() const { return optionsShown_; }

  // Handlers, by their controls.
  void NDUpDownClick();
  void DlrOptionsClick();
  void SurrOptionsClick();
  void DASClick();
  void BetUnitClick();
  void BankRollClick();
  void PenetrationChange();
  void PenTextExit();
  void CShuffleClick();
  void ShowPen(bool flag);
  void Button1Click();
  void PresetChosen(int index);
  void SaveAsClick();
  void Open2Click();
  void BitBtn1Click();
  void BitBtn2Click();

  QMenuBar* MainMenu1;
  QAction *Save1, *Open1, *Contents1, *About1;
  QLineEdit* NumPlayers;
  QSpinBox* NPUpDown;
  QLineEdit* NumDecks;
  QSpinBox* NDUpDown;
  QLabel* Label5;
  QSlider* Penetration;
  QLineEdit* PenText;
  QLabel* PenLabel;
  QCheckBox* CShuffle;
  RadioGroup *DlrOptions, *SurrOptions, *DAS, *BankRoll, *BetUnit, *ULGroup, *LLGroup;
  QLineEdit *BRDollar, *BRUnit, *BUDollar, *BUPercent, *BetLLim, *BetULim, *ULDollars, *LLDollars;
  QPushButton *Button1, *SaveAs, *Open2, *BitBtn1, *BitBtn2;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  // The progression screen's presets that need a table minimum reach this screen's field.
  void ConnectProgression();
  QWidget* CreateTableColumn();
  QWidget* CreateMoneyColumn();
  QWidget* CreateButtonRow();
  void FormShow();
  void FormClose();
  // What the screen holds: the store and carried blocks, the texts and the track bar.
  OptionsWorkingCopy Held() const;
  // What saving writes: Held with the choices the controls show.
  OptionsWorkingCopy Shown() const;
  // Refuses typed values no table can play: names the value, focuses its box.
  bool TypedValuesPass();
  // Writes the screen to the last-used file, unless the typed values are
  // refused or the user keeps a file changed by someone else; a damaged file
  // is kept beside the new one.
  bool HandOver();
  // Remembers the last-used file as the screen now agrees with it.
  void NoteLastUsedFile();
  void ShowWorkingCopy(const OptionsWorkingCopy& copy);
  QString DialogDirectory() const;

  ModalSeam& modals_;
  TProgression& progression_;
  TAboutBox* about_ = nullptr;
  THelpWindow* help_ = nullptr;
  std::filesystem::path startupDirectory_;
  std::filesystem::path lastUsedFile_;
  OptionsWorkingCopy store_;
  bool saveOnClose_ = true;
  bool optionsShown_ = false;
  bool keepOldSettings_ = false;
  // The last-used file's bytes as the screen last read or wrote them, and
  // what the screen held then: edits and outside changes are told from them.
  std::vector<uint8_t> lastUsedSeen_;
  std::vector<uint8_t> lastUsedHeld_;
};

}  // namespace quorvel::ui
