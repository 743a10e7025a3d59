// Loading a settings file into the options screen's working copy, and saving it.
#include "config/options_working_copy.h"

#include <algorithm>
#include <vector>

#include "config/settings_cursor.h"
#include "money/lenient_number.h"

namespace quorvel {

namespace {

constexpr int8_t kNoSelection = -1;
constexpr int32_t kLargestLimit = 9999;
constexpr int32_t kDefaultMaximum = 200;

// An 8-byte text into an edit; bytes that cannot be read leave the edit's own.
void ReadEditText(SettingsCursor& in, std::string& edit) {
  SettingsText field = MakeSettingsText(edit);
  bool readAny = false;
  for (char& c : field) {
    if (!in.ReadByte(c)) break;
    readAny = true;
  }
  if (readAny) edit = TextOf(field);
}

// A choice byte and the text of the edit beside the chosen item. A choice that
// cannot be read selects item 0.
void ReadGroupData(SettingsCursor& in, int8_t& index, std::string& first, std::string& second) {
  int8_t choice = 0;
  in.ReadByte(choice);
  index = choice != 0 ? 1 : 0;
  ReadEditText(in, choice != 0 ? second : first);
}

// A limit mode selects nothing below -1 and the last item beyond it.
int8_t ModeInGroup(int8_t mode, int8_t lastItem) {
  return std::clamp<int8_t>(mode, kNoSelection, lastItem);
}

// 0 and 1 are choices, 2 means none, anything else the second item.
void ReadSpecialChoice(SettingsCursor& in, int8_t& field) {
  uint8_t raw = 0;
  if (!in.ReadByte(raw)) return;
  field = raw <= 1 ? static_cast<int8_t>(raw) : raw == 2 ? kNoSelection : int8_t{1};
}

void GetSpecialData(SettingsCursor& in, SpecialCounting& special) {
  ReadSpecialChoice(in, special.blackjack);
  uint8_t repeat = 0;
  in.ReadByte(repeat);  // the second copy of the blackjack byte is skipped
  ReadSpecialChoice(in, special.wonDouble);
  ReadSpecialChoice(in, special.lostDouble);
  ReadSpecialChoice(in, special.splitWin);
  ReadSpecialChoice(in, special.splitLoss);
  special.blackjackRepeat = special.blackjack;
}

}  // namespace

LoadOptionsResult LoadOptionsBytes(std::span<const uint8_t> bytes,
                                   const OptionsWorkingCopy& previous) {
  std::span<const uint8_t> contents = SettingsContents(bytes);
  SettingsCursor in(contents);
  OptionsWorkingCopy w = previous;

  in.ReadByte(w.players);
  in.ReadByte(w.decks);

  // Unreadable counts as 0: continuous shuffle, with the track bar left alone.
  uint8_t penetration = 0;
  in.ReadByte(penetration);
  w.continuousShuffle = penetration == 0;
  if (penetration != 0) w.penetrationPosition = penetration;

  for (int8_t* rule : {&w.dealerHitsSoft17, &w.lateSurrender, &w.noDoubleAfterSplit}) {
    in.ReadByte(*rule);
    if (*rule != 1) *rule = 0;
  }

  ReadGroupData(in, w.bankrollInUnits, w.bankrollDollars, w.bankrollUnits);
  ReadGroupData(in, w.betUnitInPercent, w.betUnitDollars, w.betUnitPercent);

  in.ReadByte(w.winLimitMode);
  w.winLimitMode = ModeInGroup(w.winLimitMode, 2);
  ReadEditText(in, w.winLimitText);
  in.ReadByte(w.lossLimitMode);
  w.lossLimitMode = ModeInGroup(w.lossLimitMode, 1);
  ReadEditText(in, w.lossLimitText);

  GetSpecialData(in, w.special);
  GetTrackingData(in, w.tracking);
  GetProgressionData(in, w.progression);

  // Both limits go through one variable, so an unreadable maximum shows the minimum.
  int32_t number = 0;
  in.ReadNumber(number);
  if (number < 1 || number > kLargestLimit) number = 0;
  w.minimumText = std::to_string(number);
  in.ReadNumber(number);
  if (number < 1 || number > kLargestLimit) number = kDefaultMaximum;
  w.maximumText = std::to_string(number);

  // The track bar only goes from 50 to 90.
  KeepInEngineRange(w.players, w.decks);
  w.penetrationPosition = std::clamp(w.penetrationPosition, 50, 90);

  return {w, ContentsStatus({}, contents.size())};
}

LoadOptionsResult LoadOptionsData(const std::filesystem::path& file,
                                  const OptionsWorkingCopy& previous) {
  std::vector<uint8_t> bytes;
  SettingsStatus read = ReadSettingsBytes(file, bytes);
  LoadOptionsResult result = LoadOptionsBytes(bytes, previous);
  result.status = read;
  return result;
}

SettingsFile ToSettingsFile(const OptionsWorkingCopy& screen) {
  SettingsFile file;
  TableOptions& o = file.options;
  o.players = screen.players;
  o.decks = screen.decks;
  o.penetration =
      screen.continuousShuffle ? 0 : static_cast<uint8_t>(std::clamp(screen.penetrationPosition, 0, 255));
  o.dealerHitsSoft17 = screen.dealerHitsSoft17;
  o.lateSurrender = screen.lateSurrender;
  o.noDoubleAfterSplit = screen.noDoubleAfterSplit;
  o.bankrollInUnits = screen.bankrollInUnits;
  o.bankrollText =
      MakeSettingsText(screen.bankrollInUnits != 0 ? screen.bankrollUnits : screen.bankrollDollars);
  o.betUnitInPercent = screen.betUnitInPercent;
  o.betUnitText =
      MakeSettingsText(screen.betUnitInPercent != 0 ? screen.betUnitPercent : screen.betUnitDollars);
  o.winLimitMode = screen.winLimitMode;
  o.winLimitText = MakeSettingsText(screen.winLimitText);
  o.lossLimitMode = screen.lossLimitMode;
  o.lossLimitText = MakeSettingsText(screen.lossLimitText);
  o.betMinimum = LeadingInteger(screen.minimumText);
  o.betMaximum = LeadingInteger(screen.maximumText);
  file.special = screen.special;
  file.tracking = screen.tracking;
  file.progression = screen.progression;
  file.minimumText = screen.minimumText;
  file.maximumText = screen.maximumText;
  return file;
}

SaveResult SaveData(const std::filesystem::path& file, const OptionsWorkingCopy& screen) {
  return SaveData(file, ToSettingsFile(screen));
}

}  // namespace quorvel
