// The options screen's working copy, filled from a settings file and turned back into one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "config/settings_file.h"
#include "config/table_options.h"
#include "money/progression_table.h"

namespace quorvel {

// What the options screen shows: its store of one-byte choices and the state
// of its controls. Defaults are the screen's before anything is loaded.
struct OptionsWorkingCopy {
  // The store, shown by the up-downs and radio groups; -1 means no selection.
  uint8_t players = 1;
  uint8_t decks = 2;
  int8_t dealerHitsSoft17 = -1;
  int8_t lateSurrender = -1;
  int8_t noDoubleAfterSplit = -1;
  int8_t winLimitMode = -1;
  int8_t lossLimitMode = -1;

  int32_t penetrationPosition = 50;  // the track bar, 50..90
  bool continuousShuffle = false;

  // "Starting Bankroll" and "Betting Unit" with the edits beside their items.
  int8_t bankrollInUnits = -1;
  std::string bankrollDollars = "1";  // BRDollar
  std::string bankrollUnits = "1";    // BRUnit
  int8_t betUnitInPercent = -1;
  std::string betUnitDollars = "1";   // BUDollar
  std::string betUnitPercent = ".1";  // BUPercent

  std::string winLimitText = "0";     // ULDollars
  std::string lossLimitText = "0";    // LLDollars
  std::string minimumText = "0";      // BetLLim
  std::string maximumText = "200";    // BetULim

  SpecialCounting special;
  TrackingOptions tracking;
  ProgressionTable progression;  // the progression screen's copy

  friend bool operator==(const OptionsWorkingCopy&, const OptionsWorkingCopy&) = default;
};

struct LoadOptionsResult {
  OptionsWorkingCopy data;
  SettingsStatus status;  // not ok when the file is missing or its fixed part is cut short
};

// Loads a file into the working copy. Starts from `previous`: whatever the file
// cannot supply keeps its previous value, as the screen's controls would.
// Normalises as the screen does: rule choices other than 1 become 0, limit
// modes are brought into their groups, special counting choices into 0, 1 or
// none, the minimum into 1..9999 (else 0) and the maximum into 1..9999 (else
// 200). Players are brought into 1..7, decks outside 2..8 become 2 and the
// track bar position into its 50..90.
LoadOptionsResult LoadOptionsData(const std::filesystem::path& file,
                                  const OptionsWorkingCopy& previous);

// The same from bytes already in memory; a missing file reads as no bytes.
LoadOptionsResult LoadOptionsBytes(std::span<const uint8_t> bytes,
                                   const OptionsWorkingCopy& previous);

// What saving the screen writes: the text of the selected edit of each group,
// penetration 0 when "Continuous Shuffle" is checked. The table limits are
// also read as numbers into options.betMinimum and options.betMaximum.
SettingsFile ToSettingsFile(const OptionsWorkingCopy& screen);

// Saves the screen to `file` (see SaveData of a SettingsFile).
SaveResult SaveData(const std::filesystem::path& file, const OptionsWorkingCopy& screen);

}  // namespace quorvel
