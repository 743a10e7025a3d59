// The 100 progression rules, indexed by wins x 10 + losses, and the switch that enables them.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// What a rule does to the stake in units.
enum BetAction : int8_t {
  kNoAction = 0,
  kSetBet = 1,
  kIncreaseBet = 2,
  kDecreaseBet = 3,
  kMultiplyBet = 4,
  kDivideBet = 5,
  kEndSession = 6,
};

inline constexpr int kRuleCount = 100;
inline constexpr int kProgressionBlockSize = 4 * kRuleCount + 1;  // 401 bytes

// One rule, gathered from the four parallel arrays.
struct ProgressionRule {
  int8_t action = 0;
  int8_t wholeUnits = 0;
  uint8_t tenthUnits = 0;
  uint8_t endSeq = 0;
};

// Four parallel arrays, as the settings file stores them, then the switch.
struct ProgressionTable {
  std::array<int8_t, kRuleCount> ruleAction{};
  std::array<int8_t, kRuleCount> ruleUnits{};
  std::array<uint8_t, kRuleCount> ruleTenths{};
  std::array<uint8_t, kRuleCount> ruleEndSeq{};
  uint8_t progressionEnabled = 0;  // any nonzero value enables

  ProgressionRule Rule(int index) const {
    return {ruleAction[index], ruleUnits[index], ruleTenths[index], ruleEndSeq[index]};
  }
  // Whole units plus tenths; computed in float because the engine's stake is a float.
  float Amount(int index) const {
    return static_cast<float>(ruleUnits[index]) + static_cast<float>(ruleTenths[index]) * 0.1f;
  }
  friend bool operator==(const ProgressionTable&, const ProgressionTable&) = default;
};

// Codes 1 to 6 act; a code outside 0..6 can only come from a foreign settings
// file and is treated like 0, so it neither acts nor hides a lower rule.
inline bool IsActiveAction(int8_t action) { return action >= kSetBet && action <= kEndSession; }

// Indexes of the active rules in ascending order. Fixed size, so building it
// at every session set-up allocates nothing.
struct ActiveRuleList {
  std::array<uint8_t, kRuleCount> index{};
  int count = 0;
};

// The active rules of a table whether or not the table is enabled, as the rule
// lists show them.
inline ActiveRuleList ListActiveRules(const ProgressionTable& table) {
  ActiveRuleList list;
  for (int r = 0; r < kRuleCount; ++r) {
    if (IsActiveAction(table.ruleAction[r])) list.index[list.count++] = static_cast<uint8_t>(r);
  }
  return list;
}

}  // namespace quorvel
