// The preset betting systems: their rules, the stakes they lead to, and the minimum they need.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "money/progression_engine.h"
#include "money/progression_presets.h"
#include "progression_fakes.h"

namespace quorvel {
namespace {

const char* const kActionWords[] = {"none",     "set",    "increase", "decrease",
                                    "multiply", "divide", "end"};

// "W,L action amount" for each active rule, in index order.
std::vector<std::string> Rules(const ProgressionTable& table) {
  std::vector<std::string> lines;
  const ActiveRuleList active = ListActiveRules(table);
  for (int i = 0; i < active.count; ++i) {
    const int r = active.index[i];
    lines.push_back(std::to_string(r / 10) + "," + std::to_string(r % 10) + " " +
                    kActionWords[table.ruleAction[r]] + " " + std::to_string(table.ruleUnits[r]) +
                    "." + std::to_string(table.ruleTenths[r]));
  }
  return lines;
}

const ProgressionPreset& Preset(const char* id) {
  const ProgressionPreset* preset = FindPreset(id);
  EXPECT_NE(preset, nullptr) << id;
  return *preset;
}

TEST(ProgressionPresets, TablesHoldTheSystemsRules) {
  const struct {
    const char* id;
    bool enabled;
    std::vector<std::string> rules;
  } cases[] = {
      {"flat-bet", false, {}},
      {"martingale", true, {"0,1 multiply 2.0", "1,0 set 1.0"}},
      {"paroli", true, {"0,1 set 1.0", "1,0 set 2.0", "2,0 set 4.0", "3,0 set 1.0", "4,0 set 2.0",
                        "5,0 set 4.0", "6,0 set 1.0", "7,0 set 2.0", "8,0 set 4.0", "9,0 set 1.0"}},
      {"dalembert", true, {"0,1 increase 1.0", "1,0 decrease 1.0"}},
      {"1-3-2-6", true,
       {"0,1 set 1.0", "1,0 set 3.0", "2,0 set 2.0", "3,0 set 6.0", "4,0 set 1.0", "5,0 set 3.0",
        "6,0 set 2.0", "7,0 set 6.0", "8,0 set 1.0", "9,0 set 3.0"}},
      {"reverse-martingale", true,
       {"0,1 set 1.0", "1,0 set 2.0", "2,0 set 4.0", "3,0 set 8.0", "4,0 set 1.0", "5,0 set 2.0",
        "6,0 set 4.0", "7,0 set 8.0", "8,0 set 1.0", "9,0 set 2.0"}},
      {"fibonacci", true,
       {"0,1 set 1.0", "0,2 set 2.0", "0,3 set 3.0", "0,4 set 5.0", "0,5 set 8.0", "0,6 set 13.0",
        "0,7 set 21.0", "0,8 set 34.0", "0,9 set 55.0", "1,0 set 1.0"}},
      {"contra-dalembert", true, {"0,1 decrease 1.0", "1,0 increase 1.0"}},
  };
  ASSERT_EQ(ProgressionPresets().size(), std::size(cases));
  for (const auto& c : cases) {
    const ProgressionTable table = PresetTable(Preset(c.id));
    EXPECT_EQ(table.progressionEnabled, c.enabled ? 1 : 0) << c.id;
    EXPECT_EQ(Rules(table), c.rules) << c.id;
    EXPECT_EQ(table.ruleEndSeq, decltype(table.ruleEndSeq){}) << c.id;
  }
}

// The stake in units after each "W"/"L" round, as the engine plays the preset's rules.
std::vector<float> Stakes(const ProgressionPreset& preset, const std::string& results) {
  ProgressionEngine engine;
  engine.Load(PresetTable(preset));
  MoneyState money;
  testing::RecordingSessionEnd sessionEnd;
  Display display;
  std::vector<float> stakes;
  for (char c : results) {
    SlideWins(money, c == 'W');
    engine.CallWinLossAction(money, true, sessionEnd, display);
    stakes.push_back(money.betUnits);
  }
  return stakes;
}

TEST(ProgressionPresets, StakesFollowTheSystems) {
  const struct {
    const char* id;
    const char* results;
    std::vector<float> stakes;
  } cases[] = {
      {"flat-bet", "WLWL", {1, 1, 1, 1}},
      {"martingale", "LLLWL", {2, 4, 8, 1, 2}},
      {"martingale", "WLWL", {1, 2, 1, 2}},
      // Three wins complete a cycle; the tenth and later wins keep the ninth win's stake.
      {"paroli", "WWWWWWWWWWW", {2, 4, 1, 2, 4, 1, 2, 4, 1, 1, 1}},
      {"paroli", "WWLW", {2, 4, 1, 2}},
      {"1-3-2-6", "WWWWWLW", {3, 2, 6, 1, 3, 1, 3}},
      {"reverse-martingale", "WWWWWLW", {2, 4, 8, 1, 2, 1, 2}},
      {"fibonacci", "LLLLLLLLLLWL", {1, 2, 3, 5, 8, 13, 21, 34, 55, 55, 1, 1}},
      {"fibonacci", "LLWLL", {1, 2, 1, 1, 2}},
      // The engine stops at 0; the raised table minimum keeps the stake at one unit.
      {"dalembert", "LLWWWW", {2, 3, 2, 1, 0, 0}},
      {"contra-dalembert", "WWLLL", {2, 3, 2, 1, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Stakes(Preset(c.id), c.results), c.stakes) << c.id << " " << c.results;
  }
}

TEST(ProgressionPresets, OnlyTheDAlembertsRaiseTheMinimumToTheUnit) {
  const struct {
    const char* id;
    int64_t minimum, unit, expected;
  } cases[] = {
      {"dalembert", 5, 10, 10},
      {"dalembert", 25, 10, 25},  // a higher minimum is never lowered
      {"contra-dalembert", 0, 7, 7},
      {"martingale", 5, 10, 5},
      {"flat-bet", 5, 10, 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PresetMinimum(Preset(c.id), c.minimum, c.unit), c.expected) << c.id;
  }
}

TEST(ProgressionPresets, IdsAreUniqueAndFound) {
  std::set<std::string_view> ids;
  for (const ProgressionPreset& preset : ProgressionPresets()) {
    EXPECT_TRUE(ids.insert(preset.id).second) << preset.id;
    EXPECT_EQ(FindPreset(preset.id), &preset);
  }
  EXPECT_EQ(FindPreset("Martingale"), nullptr);
  EXPECT_EQ(FindPreset(""), nullptr);
}

}  // namespace
}  // namespace quorvel
