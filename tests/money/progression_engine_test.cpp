// Recording results, building the active list, and which rule fires after which rounds.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "money/progression_engine.h"
#include "progression_fakes.h"

namespace quorvel {
namespace {

struct RuleEntry {
  int index;
  int8_t action;
  int8_t units = 1;
  uint8_t tenths = 0;
};

ProgressionTable MakeTable(std::initializer_list<RuleEntry> rules, uint8_t enabled = 1) {
  ProgressionTable table;
  for (const auto& r : rules) {
    table.ruleAction[r.index] = r.action;
    table.ruleUnits[r.index] = r.units;
    table.ruleTenths[r.index] = r.tenths;
  }
  table.progressionEnabled = enabled;
  return table;
}

std::vector<int> ActiveIndexes(const ProgressionEngine& engine) {
  const auto& list = engine.ActiveRules();
  return {list.index.begin(), list.index.begin() + list.count};
}

// Plays "W"/"L" rounds as the settlement does; returns the rule that acted after each.
std::vector<int> Play(ProgressionEngine& engine, MoneyState& money, const std::string& results) {
  testing::RecordingSessionEnd sessionEnd;
  Display display;
  std::vector<int> fired;
  for (char c : results) {
    SlideWins(money, c == 'W');
    engine.CallWinLossAction(money, true, sessionEnd, display);
    fired.push_back(engine.FiredRule());
  }
  return fired;
}

TEST(ProgressionSlideWins, CountsRunsAndShiftsHistoryNewestFirst) {
  const struct { const char* results; int winsInRow, lossesInRow; std::vector<int> head; } cases[] = {
      {"W", 1, 0, {10, 0}},
      {"WWL", 0, 1, {1, 10, 10, 0}},
      {"LLW", 1, 0, {10, 1, 1, 0}},
      {"WLLL", 0, 3, {1, 1, 1, 10, 0}},
      {"LWWWWWWWWWWWWWWWWWWWW", 20, 0, std::vector<int>(20, 10)},  // the oldest of 21 is dropped
  };
  for (const auto& c : cases) {
    MoneyState money;
    for (const char* p = c.results; *p; ++p) SlideWins(money, *p == 'W');
    EXPECT_EQ(money.winsInRow, c.winsInRow) << c.results;
    EXPECT_EQ(money.lossesInRow, c.lossesInRow) << c.results;
    for (size_t i = 0; i < c.head.size(); ++i) EXPECT_EQ(money.resultHistory[i], c.head[i]) << c.results << i;
    EXPECT_EQ(money.betUnits, 1.0f);
  }
}

TEST(ProgressionLoad, ActiveRulesAscendingAndOnlyWhenEnabled) {
  const struct { ProgressionTable table; std::vector<int> active; } cases[] = {
      {MakeTable({{93, 2}, {5, 3}, {20, 6}, {0, 1}}), {0, 5, 20, 93}},
      {MakeTable({{93, 2}, {5, 3}}, 0), {}},
      {MakeTable({{93, 2}, {5, 3}}, 7), {5, 93}},
      {MakeTable({{30, 7}, {31, -1}, {20, 2}}), {20}},  // foreign codes act as 0
  };
  for (const auto& c : cases) {
    ProgressionEngine engine;
    engine.Load(MakeTable({{1, 2}, {2, 2}, {50, 2}, {60, 2}, {70, 2}}));
    engine.Load(c.table);  // rebuilt, not appended to
    EXPECT_EQ(ActiveIndexes(engine), c.active);
  }
}

TEST(ProgressionMatching, FiringSequences) {
  const int n = -1;  // no rule acted
  const struct { const char* name; ProgressionTable table; const char* results; std::vector<int> fired; float betUnits; } cases[] = {
      {"no active rule", MakeTable({}), "WWLW", {n, n, n, n}, 1.0f},
      {"rule 20 only", MakeTable({{20, 2}}), "WWWLWW", {n, 20, 20, n, n, 20}, 4.0f},
      {"rules 10 and 20", MakeTable({{10, 2, 1}, {20, 2, 2}}), "WLWW", {10, n, 10, 20}, 5.0f},
      {"rule 11 on alternation", MakeTable({{11, 2}}), "WLLWWLW", {n, 11, n, 11, n, 11, 11}, 5.0f},
      {"rule 0 never acts", MakeTable({{0, 2}}), "WLW", {n, n, n}, 1.0f},
      {"loss rule", MakeTable({{3, 2}}), "LLLL", {n, n, 3, 3}, 3.0f},
      {"disabled table", MakeTable({{10, 2}}, 0), "WW", {n, n}, 1.0f},
  };
  for (const auto& c : cases) {
    ProgressionEngine engine;
    engine.Load(c.table);
    MoneyState money;
    EXPECT_EQ(Play(engine, money, c.results), c.fired) << c.name;
    EXPECT_EQ(money.betUnits, c.betUnits) << c.name;
  }
}

TEST(ProgressionMatching, WindowsUpToEighteenWithCountsCappedAtNine) {
  auto history = [](int wins, int lossesAfter) {
    std::array<int8_t, 20> h{};
    for (int i = 0; i < wins; ++i) h[i] = 10;
    for (int i = wins; i < wins + lossesAfter; ++i) h[i] = 1;
    return h;
  };
  const struct { const char* name; int rule; std::array<int8_t, 20> history; int matched; } cases[] = {
      {"ten wins then two losses", 92, history(10, 2), 92},
      {"ten wins then one loss", 92, history(10, 1), -1},
      {"twelve wins", 90, history(12, 0), 90},
      {"loss in the 18th entry", 91, history(17, 1), 91},
      {"loss in the 19th entry", 91, history(18, 1), -1},
      {"empty history", 10, history(0, 0), -1},
  };
  for (const auto& c : cases) {
    ProgressionEngine engine;
    engine.Load(MakeTable({{c.rule, 2}}));
    EXPECT_EQ(engine.MatchRule(c.history), c.matched) << c.name;
  }
}

}  // namespace
}  // namespace quorvel
