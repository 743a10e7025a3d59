// TStrategy's handlers: the choices, the penetration box, a visit's end, saving and opening files.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include "config/default_settings.h"
#include "config/settings_damage.h"
#include "config/settings_values.h"
#include "money/lenient_number.h"
#include "money/progression_presets.h"
#include "ui/modal_seam.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/radio_group.h"

namespace quorvel::ui {
namespace {

const QString kSettingsFilter = "Saved Files (*.sav)";

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }
QString Text(const std::string& text) { return QString::fromStdString(text); }

std::vector<uint8_t> Encoded(const OptionsWorkingCopy& copy) { return EncodeSettings(ToSettingsFile(copy)); }

}  // namespace

OptionsWorkingCopy TStrategy::Held() const {
  OptionsWorkingCopy copy = store_;
  copy.penetrationPosition = Penetration->value();
  copy.continuousShuffle = CShuffle->isChecked();
  copy.bankrollInUnits = static_cast<int8_t>(BankRoll->ItemIndex());
  copy.bankrollDollars = Text(BRDollar);
  copy.bankrollUnits = Text(BRUnit);
  copy.betUnitInPercent = static_cast<int8_t>(BetUnit->ItemIndex());
  copy.betUnitDollars = Text(BUDollar);
  copy.betUnitPercent = Text(BUPercent);
  copy.winLimitText = Text(ULDollars);
  copy.lossLimitText = Text(LLDollars);
  copy.minimumText = Text(BetLLim);
  copy.maximumText = Text(BetULim);
  copy.progression = progression_.TableForSave();
  return copy;
}

void TStrategy::ShowWorkingCopy(const OptionsWorkingCopy& copy) {
  NPUpDown->setValue(copy.players);
  NDUpDown->setValue(copy.decks);
  DlrOptions->SetItemIndex(copy.dealerHitsSoft17);
  SurrOptions->SetItemIndex(copy.lateSurrender);
  DAS->SetItemIndex(copy.noDoubleAfterSplit);
  ULGroup->SetItemIndex(copy.winLimitMode);
  LLGroup->SetItemIndex(copy.lossLimitMode);
  Penetration->setValue(copy.penetrationPosition);
  PenText->setText(QString::number(Penetration->value()));
  CShuffle->setChecked(copy.continuousShuffle);
  ShowPen(!copy.continuousShuffle);
  BankRoll->SetItemIndex(copy.bankrollInUnits);
  BRDollar->setText(Text(copy.bankrollDollars));
  BRUnit->setText(Text(copy.bankrollUnits));
  BetUnit->SetItemIndex(copy.betUnitInPercent);
  BUDollar->setText(Text(copy.betUnitDollars));
  BUPercent->setText(Text(copy.betUnitPercent));
  ULDollars->setText(Text(copy.winLimitText));
  LLDollars->setText(Text(copy.lossLimitText));
  BetLLim->setText(Text(copy.minimumText));
  BetULim->setText(Text(copy.maximumText));
  progression_.LoadTable(copy.progression);
}

OptionsWorkingCopy TStrategy::Shown() const {
  OptionsWorkingCopy copy = Held();
  copy.players = static_cast<uint8_t>(NPUpDown->value());
  copy.decks = static_cast<uint8_t>(NDUpDown->value());
  copy.dealerHitsSoft17 = static_cast<int8_t>(DlrOptions->ItemIndex());
  copy.lateSurrender = static_cast<int8_t>(SurrOptions->ItemIndex());
  copy.noDoubleAfterSplit = static_cast<int8_t>(DAS->ItemIndex());
  copy.winLimitMode = static_cast<int8_t>(ULGroup->ItemIndex());
  copy.lossLimitMode = static_cast<int8_t>(LLGroup->ItemIndex());
  return copy;
}

bool TStrategy::SaveData(const std::filesystem::path& file) {
  const OptionsWorkingCopy copy = Shown();
  for (auto field : {&OptionsWorkingCopy::dealerHitsSoft17, &OptionsWorkingCopy::lateSurrender,
                     &OptionsWorkingCopy::noDoubleAfterSplit}) {
    store_.*field = copy.*field;
  }
  store_.players = copy.players;
  store_.decks = copy.decks;
  const SaveResult status = quorvel::SaveData(file, copy);
  if (!status) modals_.ShowError(this, windowTitle(), Text(status.message));
  return status.ok;
}

void TStrategy::LoadOptionsData(const std::filesystem::path& file) {
  progression_.SetPName(file == lastUsedFile_ ? QString() : Text(file.string()));
  const LoadOptionsResult loaded = quorvel::LoadOptionsData(file, Held());
  store_ = loaded.data;
  ShowWorkingCopy(loaded.data);
}

bool TStrategy::TypedValuesPass() {
  const std::optional<SettingsValueProblem> problem = CheckTypedSettings(ToSettingsFile(Shown()).options);
  if (!problem) return true;
  QLineEdit* box = nullptr;
  switch (problem->field) {
    case SettingsField::kBankroll: box = BankRoll->ItemIndex() == 1 ? BRUnit : BRDollar; break;
    case SettingsField::kBetUnit: box = BetUnit->ItemIndex() == 1 ? BUPercent : BUDollar; break;
    case SettingsField::kWinLimit: box = ULDollars; break;
    case SettingsField::kLossLimit: box = LLDollars; break;
    case SettingsField::kBetMinimum: box = BetLLim; break;
    case SettingsField::kBetMaximum: box = BetULim; break;
  }
  modals_.ShowError(this, windowTitle(), Text(problem->message));
  box->setFocus();
  box->selectAll();
  return false;
}

bool TStrategy::HandOver() {
  if (!TypedValuesPass()) return false;
  const QString name = Text(lastUsedFile_.string());
  // quorvel-cli writes the same file: its change is not overwritten unasked.
  if (SettingsBytesNow(lastUsedFile_) != lastUsedSeen_ &&
      !modals_.Ask(this, windowTitle(),
                   QString("The last-used settings file %1 has changed since this window read it. "
                           "Write this screen's settings over it?").arg(name))) {
    return false;
  }
  if (SettingsFileDamage(lastUsedFile_)) {
    std::filesystem::path aside = lastUsedFile_;
    aside += ".damaged";
    std::error_code error;
    std::filesystem::rename(lastUsedFile_, aside, error);
    if (error) {
      modals_.ShowError(this, windowTitle(),
                        QString("The damaged settings file %1 could not be kept as %2 (%3); nothing was saved.")
                            .arg(name, Text(aside.string()), Text(error.message())));
      return false;
    }
  }
  if (!SaveData(lastUsedFile_)) return false;
  NoteLastUsedFile();
  return true;
}

void TStrategy::NoteLastUsedFile() {
  lastUsedSeen_ = SettingsBytesNow(lastUsedFile_);
  lastUsedHeld_ = Encoded(Shown());
}

void TStrategy::ReloadLastUsed() {
  // Before the first showing the screen loads the file then anyway.
  if (!optionsShown_ || SettingsFileDamage(lastUsedFile_)) return;
  LoadOptionsData(lastUsedFile_);
  NoteLastUsedFile();
}

void TStrategy::SaveUnsavedEdits() {
  if (optionsShown_ && Encoded(Shown()) != lastUsedHeld_) HandOver();
}

void TStrategy::NDUpDownClick() { store_.decks = static_cast<uint8_t>(NDUpDown->value()); }
void TStrategy::DlrOptionsClick() { store_.dealerHitsSoft17 = static_cast<int8_t>(DlrOptions->ItemIndex()); }
void TStrategy::SurrOptionsClick() { store_.lateSurrender = static_cast<int8_t>(SurrOptions->ItemIndex()); }
void TStrategy::DASClick() { store_.noDoubleAfterSplit = static_cast<int8_t>(DAS->ItemIndex()); }

// A bankroll in units is counted in a dollar unit: the two never meet a percent unit.
void TStrategy::BetUnitClick() {
  if (BetUnit->ItemIndex() == 1) BankRoll->SetItemIndex(0);
}

void TStrategy::BankRollClick() {
  if (BankRoll->ItemIndex() == 1) BetUnit->SetItemIndex(0);
}

void TStrategy::PenetrationChange() { PenText->setText(QString::number(Penetration->value())); }

void TStrategy::PenTextExit() {
  bool isInteger = false;
  const int value = PenText->text().trimmed().toInt(&isInteger);
  if (!isInteger) {
    modals_.ShowError(this, windowTitle(),
                      QString("'%1' is not a valid integer value").arg(PenText->text()));
    return;
  }
  if (value >= 50 && value <= 90) Penetration->setValue(value);
  // Rewritten from the track bar either way: "075" reads "75", 95 goes back.
  PenetrationChange();
}

void TStrategy::CShuffleClick() { ShowPen(!CShuffle->isChecked()); }

void TStrategy::ShowPen(bool flag) {
  for (QWidget* control : std::initializer_list<QWidget*>{Penetration, PenText, Label5, PenLabel}) {
    control->setEnabled(flag);
  }
}

void TStrategy::Button1Click() { modals_.Exec(progression_); }

void TStrategy::ConnectProgression() {
  connect(progression_.PresetBox, &QComboBox::activated, this, &TStrategy::PresetChosen);
}

void TStrategy::PresetChosen(int index) {
  // A percent unit has no dollar figure here to raise the minimum to.
  if (index < 0 || BetUnit->ItemIndex() != 0) return;
  const ProgressionPreset& preset = ProgressionPresets()[static_cast<std::size_t>(index)];
  const int64_t minimum = LeadingInteger(Text(BetLLim));
  const int64_t needed = PresetMinimum(preset, minimum, LeadingInteger(Text(BUDollar)));
  if (needed != minimum) BetLLim->setText(QString::number(needed));
}

QString TStrategy::DialogDirectory() const { return Text(startupDirectory_.string()); }

void TStrategy::SaveAsClick() {
  if (!TypedValuesPass()) return;
  const QString name = modals_.SaveFileName(this, "Save Settings", DialogDirectory(), kSettingsFilter, "sav");
  if (!name.isEmpty()) SaveData(name.toStdString());
}

void TStrategy::Open2Click() {
  const QString name = modals_.OpenFileName(this, "Open Settings", DialogDirectory(), kSettingsFilter);
  if (name.isEmpty()) return;
  // A damaged file would fill the screen with what it cannot say: the screen keeps what it holds.
  const std::filesystem::path file = name.toStdString();
  if (std::optional<std::string> damage = SettingsDamage(ReadActiveSettings(file, DefaultActiveSettings()))) {
    modals_.ShowError(this, windowTitle(), QString("%1 was not opened: %2").arg(name, Text(*damage)));
    return;
  }
  LoadOptionsData(file);
}

void TStrategy::BitBtn1Click() { close(); }

void TStrategy::BitBtn2Click() {
  saveOnClose_ = false;
  close();
}

void TStrategy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TStrategy::FormShow() {
  optionsShown_ = true;
  keepOldSettings_ = false;
  // The first showing in a run is the one with no dealer choice yet.
  if (DlrOptions->ItemIndex() >= 0) return;
  std::error_code error;
  if (std::filesystem::exists(lastUsedFile_, error) && !SettingsFileDamage(lastUsedFile_)) {
    LoadOptionsData(lastUsedFile_);
    NoteLastUsedFile();
    return;
  }
  // A first start, or a damaged file: the screen shows the defaults the table
  // already deals by, not its blank form, which closing would otherwise hand over.
  progression_.SetPName(QString());
  const SettingsFile defaults = DefaultSettings();
  store_ = LoadOptionsBytes(EncodeSettings(defaults), Held()).data;
  // The carried block as the defaults hold it, not as reading a file would bring it into range.
  store_.special = defaults.special;
  ShowWorkingCopy(store_);
  NoteLastUsedFile();
}

void TStrategy::done(int result) {
  // A refused value keeps the screen open on its box: nothing is saved or applied.
  if (saveOnClose_ && !TypedValuesPass()) return;
  FormClose();
  QDialog::done(result);
}

void TStrategy::RequestClose() {
  if (isVisible()) {
    close();
  } else {
    FormClose();
  }
}

void TStrategy::FormClose() {
  // Paths are absolute, so a file dialog's change of directory cannot misplace the save.
  if (saveOnClose_) {
    if (optionsShown_ && !HandOver()) keepOldSettings_ = true;
  } else {
    keepOldSettings_ = true;
  }
  saveOnClose_ = true;
}

void TStrategy::keyPressEvent(QKeyEvent* event) {
  // People read Escape as cancel: it leaves like "EXIT WITHOUT RESETTING TEST".
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    BitBtn2Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TStrategy::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized() && parentWidget() != nullptr) {
    parentWidget()->window()->showMinimized();
  }
}

}  // namespace quorvel::ui
