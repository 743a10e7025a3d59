// Reading the last-used settings file into the active copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/active_settings.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

using testing::ExampleBytes;
using testing::WithLines;

ActiveSettings Read(const std::vector<uint8_t>& bytes, const ActiveSettings& previous = {}) {
  return ReadActiveSettingsBytes(bytes, previous).settings;
}

TEST(ActiveSettings, ChoiceBytesAreNotNormalised) {
  std::vector<uint8_t> b = ExampleBytes();
  b[3] = 0xFF, b[6] = 5, b[24] = 9, b[42] = 1, b[43] = 0;
  ActiveSettings a = Read(b);
  EXPECT_EQ(a.options.dealerHitsSoft17, -1);
  EXPECT_EQ(a.options.bankrollInUnits, 5);
  EXPECT_EQ(a.options.winLimitMode, 9);
  EXPECT_EQ(a.special.blackjack, 1);
  EXPECT_EQ(a.special.blackjackRepeat, 0);
}

TEST(ActiveSettings, EngineRangesAreKept) {
  struct Case {
    std::size_t offset;
    uint8_t value;
    int players, decks, penetration;
  } cases[] = {
      {0, 0, 1, 6, 75},   {0, 7, 7, 6, 75},   {0, 200, 7, 6, 75}, {1, 0, 1, 2, 75},
      {1, 3, 1, 3, 75},   {1, 8, 1, 8, 75},   {1, 9, 1, 2, 75},   {2, 0, 1, 6, 0},
      {2, 49, 1, 6, 49},  {2, 100, 1, 6, 100}, {2, 101, 1, 6, 100}, {2, 255, 1, 6, 100},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b = ExampleBytes();
    b[c.offset] = c.value;
    ActiveSettings a = Read(b);
    SCOPED_TRACE("byte " + std::to_string(c.offset) + " = " + std::to_string(c.value));
    EXPECT_EQ(a.options.players, c.players);
    EXPECT_EQ(a.options.decks, c.decks);
    EXPECT_EQ(a.options.penetration, c.penetration);
  }
}

TEST(ActiveSettings, TableLimitsHaveNoRangeCheck) {
  const TableLimits previous{11, 22};
  struct Case {
    std::string lines;
    TableLimits expected;
  } cases[] = {
      {"5\n500\n", {5, 500}},          {"0007\n20000\n", {7, 20000}},
      {"5x\n500\n", {5, 22}},          {"\n500\n", {500, 22}},
      {"-3\n0\n", {-3, 0}},            {"", {11, 22}},
      {"abc\n300\n", {11, 22}},        {"\n500\n700\n", {500, 22}},
      {"99999999999\n1\n", {2147483647, 1}},
  };
  for (const Case& c : cases) {
    ActiveSettings start;
    start.limits = previous;
    ActiveSettings a = Read(WithLines(c.lines), start);
    EXPECT_EQ(a.limits, c.expected) << c.lines;
    EXPECT_EQ(a.options.betMinimum, c.expected.tableMinimum) << c.lines;
    EXPECT_EQ(a.options.betMaximum, c.expected.tableMaximum) << c.lines;
  }
}

TEST(ActiveSettings, FileCutShortKeepsPreviousValues) {
  ActiveSettings previous;
  previous.options.players = 4;
  previous.options.decks = 8;
  previous.options.penetration = 90;
  previous.options.bankrollText = MakeSettingsText("1234567");
  previous.options.lossLimitMode = 0;
  previous.special.splitLoss = 0;
  previous.progression.progressionEnabled = 1;
  previous.limits = {11, 22};
  struct Case {
    std::size_t size;
    int players, decks, penetration;
    std::string bankroll;
    int lossMode, splitLoss, enabled;
  } cases[] = {
      {0, 4, 8, 90, "1234567", 0, 0, 1},   {2, 1, 6, 90, "1234567", 0, 0, 1},
      {9, 1, 6, 75, "5034567", 0, 0, 1},   {34, 1, 6, 75, "500", 1, 0, 1},
      {48, 1, 6, 75, "500", 1, -1, 1},     {537, 1, 6, 75, "500", 1, -1, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b = ExampleBytes();
    b.resize(c.size);
    ActiveReadResult r = ReadActiveSettingsBytes(b, previous);
    SCOPED_TRACE("cut at " + std::to_string(c.size));
    EXPECT_EQ(r.status.ok, c.size >= 537);
    EXPECT_EQ(r.settings.options.players, c.players);
    EXPECT_EQ(r.settings.options.decks, c.decks);
    EXPECT_EQ(r.settings.options.penetration, c.penetration);
    EXPECT_EQ(TextOf(r.settings.options.bankrollText), c.bankroll);
    EXPECT_EQ(r.settings.options.lossLimitMode, c.lossMode);
    EXPECT_EQ(r.settings.special.splitLoss, c.splitLoss);
    EXPECT_EQ(r.settings.progression.progressionEnabled, c.enabled);
    EXPECT_EQ(r.settings.limits, (TableLimits{11, 22}));
  }
}

TEST(ActiveSettings, MissingFileIsReportedAndChangesNothingValid) {
  testing::ScratchFolder folder;
  ActiveSettings previous = Read(ExampleBytes());
  ActiveReadResult r = ReadActiveSettings(folder / "missing.sav", previous);
  EXPECT_FALSE(r.status.ok);
  EXPECT_NE(r.status.message.find("does not exist"), std::string::npos) << r.status.message;
  EXPECT_EQ(r.settings, previous);
}

TEST(ActiveSettings, SavedFileIsReadBack) {
  testing::ScratchFolder folder;
  SettingsFile s = testing::ExampleSettings();  // special counting stays six 0xFF bytes
  s.tracking.countUnits[7] = 3;
  s.progression.ruleAction[5] = kEndSession;
  s.progression.progressionEnabled = 1;
  ASSERT_TRUE(SaveData(folder / "last.sav", s).ok);
  ActiveReadResult r = ReadActiveSettings(folder / "last.sav", {});
  ASSERT_TRUE(r.status.ok) << r.status.message;
  EXPECT_EQ(r.settings.options, s.options);
  EXPECT_EQ(r.settings.limits, (TableLimits{5, 500}));
  EXPECT_EQ(r.settings.special, s.special);
  EXPECT_EQ(r.settings.tracking, s.tracking);
  EXPECT_EQ(r.settings.progression, s.progression);
}

}  // namespace
}  // namespace quorvel
