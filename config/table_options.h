// The table options record and the two blocks the settings file carries beside it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// A money text as the file stores it: at most 7 characters and a NUL; the bytes
// after the NUL mean nothing.
using SettingsText = std::array<char, 8>;

// The characters up to the first NUL, or all 8 when there is none.
std::string TextOf(const SettingsText& field);
// The first 7 characters of text, NUL-padded (the edits hold 7 at most).
SettingsText MakeSettingsText(std::string_view text);

// Table rules and money settings. Choice bytes hold the selected item's index,
// -1 (0xFF) for none; any nonzero value of the three rule bytes counts as set.
struct TableOptions {
  uint8_t players = 0;      // 1..7
  uint8_t decks = 0;        // 2, 4, 6, 8
  uint8_t penetration = 0;  // percent dealt before a reshuffle; 0 = continuous shuffle
  int8_t dealerHitsSoft17 = 0;
  int8_t lateSurrender = 0;
  int8_t noDoubleAfterSplit = 0;  // 1 forbids doubling after a split
  int8_t bankrollInUnits = 0;
  SettingsText bankrollText{};
  int8_t betUnitInPercent = 0;
  SettingsText betUnitText{};
  int8_t winLimitMode = 0;   // 0 none, 1 stop at limit, 2 stop at first loss after it
  SettingsText winLimitText{};
  int8_t lossLimitMode = 0;  // 0 none, 1 stop at limit
  SettingsText lossLimitText{};
  int32_t betMinimum = 0;    // whole dollars
  int32_t betMaximum = 200;  // whole dollars

  friend bool operator==(const TableOptions&, const TableOptions&) = default;
};

// How blackjacks, doubles and splits count as wins or losses. Carried only:
// nothing in the program reads it. Until a file is loaded no choice is made.
struct SpecialCounting {
  int8_t blackjack = -1;        // 0 "1 Win", 1 "2 Wins"
  int8_t blackjackRepeat = -1;  // written as a second copy of blackjack; readers skip it
  int8_t wonDouble = -1;        // 0 "1 Win", 1 "2 Wins"
  int8_t lostDouble = -1;       // 0 "1 Loss", 1 "2 Losses"
  int8_t splitWin = -1;         // 0 "Always 1 Win", 1 "2 Wins if greater than 1 Unit"
  int8_t splitLoss = -1;        // 0 "Always 1 Loss", 1 "2 Losses if greater than 1 Unit"

  friend bool operator==(const SpecialCounting&, const SpecialCounting&) = default;
};

inline constexpr int kTrackingCounts = 41;  // win/loss tracking counts -20..+20

// Bet tracking and win/loss tracking settings. Carried only, byte for byte.
struct TrackingOptions {
  // Action code for count c at [c + 20], c from -20 to +19.
  std::array<uint8_t, kTrackingCounts - 1> countAction{};
  // Units for count c at [c + 20], c from -20 to +20.
  std::array<uint8_t, kTrackingCounts> countUnits{};
  uint8_t resetPointUnits = 1;  // bet tracking reset point, 1..200
  uint8_t betTrackingEnabled = 0;
  uint8_t roundOffBets = 0;
  uint8_t winLossTrackingEnabled = 0;
  uint8_t resetAfterShoes = 0;
  uint8_t shoesBeforeReset = 1;  // 1..10
  uint8_t lastActionUnits = 1;   // 1..20

  friend bool operator==(const TrackingOptions&, const TrackingOptions&) = default;
};

}  // namespace quorvel
