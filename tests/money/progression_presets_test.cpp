// The preset betting systems: the stakes their rules lead to, and the minimum they need.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "money/progression_engine.h"
#include "money/progression_presets.h"
#include "progression_fakes.h"

namespace quorvel {
namespace {

const ProgressionPreset& Preset(const char* id) {
  const ProgressionPreset* preset = FindPreset(id);
  EXPECT_NE(preset, nullptr) << id;
  return *preset;
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
  EXPECT_EQ(ProgressionPresets().size(), 8u);
  std::set<std::string_view> ids;
  for (const ProgressionPreset& preset : ProgressionPresets()) {
    EXPECT_TRUE(ids.insert(preset.id).second) << preset.id;
    EXPECT_EQ(PresetTable(preset).progressionEnabled, preset.id == std::string_view("flat-bet") ? 0 : 1);
    EXPECT_EQ(FindPreset(preset.id), &preset);
  }
  EXPECT_EQ(FindPreset("Martingale"), nullptr);
  EXPECT_EQ(FindPreset(""), nullptr);
}

}  // namespace
}  // namespace quorvel
