// Loading settings files into the options screen's working copy.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/options_working_copy.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

using testing::ExampleBytes;
using testing::WithLines;

OptionsWorkingCopy Load(const std::vector<uint8_t>& bytes, const OptionsWorkingCopy& previous = {}) {
  return LoadOptionsBytes(bytes, previous).data;
}

TEST(LoadOptions, WorkedExampleFillsTheScreen) {
  OptionsWorkingCopy expected{.players = 1, .decks = 6, .dealerHitsSoft17 = 1, .lateSurrender = 1,
                              .noDoubleAfterSplit = 1, .winLimitMode = 1, .lossLimitMode = 1,
                              .penetrationPosition = 75, .continuousShuffle = false,
                              .bankrollInUnits = 0, .bankrollDollars = "500",
                              .betUnitInPercent = 0, .betUnitDollars = "5",
                              .winLimitText = "200", .lossLimitText = "150",
                              .minimumText = "5", .maximumText = "500",
                              // 0xFF is no choice of 0, 1 or 2, so it loads as the second item
                              .special = {1, 1, 1, 1, 1, 1}, .tracking = {}, .progression = {}};
  LoadOptionsResult r = LoadOptionsBytes(ExampleBytes(), {});
  EXPECT_EQ(r.data, expected);  // the edits of the unchosen items keep "1" and ".1"
  EXPECT_TRUE(r.status.ok);
}

// Each row puts one byte into the example and reads one thing the screen shows.
struct ByteCase {
  std::size_t offset;
  uint8_t value;
  std::function<int(const OptionsWorkingCopy&)> shown;
  int expected;
};

TEST(LoadOptions, ChoiceBytesAreNormalised) {
  auto players = [](const OptionsWorkingCopy& w) { return int{w.players}; };
  auto decks = [](const OptionsWorkingCopy& w) { return int{w.decks}; };
  auto dealer = [](const OptionsWorkingCopy& w) { return int{w.dealerHitsSoft17}; };
  auto das = [](const OptionsWorkingCopy& w) { return int{w.noDoubleAfterSplit}; };
  auto bankroll = [](const OptionsWorkingCopy& w) { return int{w.bankrollInUnits}; };
  auto unit = [](const OptionsWorkingCopy& w) { return int{w.betUnitInPercent}; };
  auto win = [](const OptionsWorkingCopy& w) { return int{w.winLimitMode}; };
  auto loss = [](const OptionsWorkingCopy& w) { return int{w.lossLimitMode}; };
  auto blackjack = [](const OptionsWorkingCopy& w) { return int{w.special.blackjack}; };
  auto splitLoss = [](const OptionsWorkingCopy& w) { return int{w.special.splitLoss}; };
  auto position = [](const OptionsWorkingCopy& w) { return w.penetrationPosition; };
  const ByteCase cases[] = {
      {0, 0, players, 1},     {0, 7, players, 7},      {0, 8, players, 7},
      {0, 255, players, 7},   {1, 0, decks, 2},        {1, 1, decks, 2},
      {1, 8, decks, 8},       {1, 9, decks, 2},        {1, 255, decks, 2},
      {2, 90, position, 90},  {2, 30, position, 50},   {2, 200, position, 90},
      {3, 0, dealer, 0},      {3, 2, dealer, 0},       {3, 0xFF, dealer, 0},
      {5, 0x80, das, 0},      {6, 0xFF, bankroll, 1},  {6, 7, bankroll, 1},
      {15, 0xFF, unit, 1},    {24, 0xFE, win, -1},     {24, 0xFF, win, -1},
      {24, 0, win, 0},        {24, 2, win, 2},         {24, 3, win, 2},
      {24, 0x7F, win, 2},     {24, 0x80, win, -1},     {33, 0xFE, loss, -1},
      {33, 1, loss, 1},       {33, 2, loss, 1},        {42, 0, blackjack, 0},
      {42, 1, blackjack, 1},  {42, 2, blackjack, -1},  {42, 3, blackjack, 1},
      {47, 2, splitLoss, -1}, {47, 0, splitLoss, 0},
  };
  for (const ByteCase& c : cases) {
    std::vector<uint8_t> b = ExampleBytes();
    b[c.offset] = c.value;
    EXPECT_EQ(c.shown(Load(b)), c.expected) << "byte " << c.offset << " = " << int{c.value};
  }
}

TEST(LoadOptions, GroupTextGoesToTheEditOfTheChosenItem) {
  std::vector<uint8_t> b = ExampleBytes();
  b[6] = 1;     // bankroll in units: "500" belongs to the second edit
  b[15] = 0xFF; // no unit choice: item 1, "5" to the percent edit
  OptionsWorkingCopy previous;
  previous.bankrollDollars = "42";
  OptionsWorkingCopy w = Load(b, previous);
  EXPECT_EQ(w.bankrollInUnits, 1);
  EXPECT_EQ(w.bankrollUnits, "500");
  EXPECT_EQ(w.bankrollDollars, "42");
  EXPECT_EQ(w.betUnitInPercent, 1);
  EXPECT_EQ(w.betUnitPercent, "5");
  EXPECT_EQ(w.betUnitDollars, "1");
}

TEST(LoadOptions, SecondBlackjackByteIsIgnored) {
  std::vector<uint8_t> b = ExampleBytes();
  for (std::size_t i = 42; i < 48; ++i) b[i] = 0;
  b[43] = 1;
  EXPECT_EQ(Load(b).special, (SpecialCounting{0, 0, 0, 0, 0, 0}));
}

TEST(LoadOptions, TableLimitLinesAreReadLeniently) {
  struct Case {
    std::string lines, minimum, maximum;
  } cases[] = {
      {"5\n500\n", "5", "500"},       {"0007\n500\n", "7", "500"},
      {"5x\n500\n", "5", "5"},        {"\n500\n", "500", "500"},
      {"12.5\n300\n", "12", "12"},    {"  8 \n +300\n", "8", "300"},
      {"0\n0\n", "0", "200"},         {"-3\n10000\n", "0", "200"},
      {"9999\n1\n", "9999", "1"},     {"10000\n9999\n", "0", "9999"},
      {"", "0", "200"},               {"\n\n", "0", "200"},
      {"abc\n300\n", "0", "200"},     {"99999999999\n300\n", "0", "300"},
      {"5\n", "5", "5"},              {"5\n500\n700\n", "5", "500"},
      {"\n500\n700\n", "500", "500"}, {"5\n500\nrest of a larger file", "5", "500"},
  };
  for (const Case& c : cases) {
    OptionsWorkingCopy w = Load(WithLines(c.lines));
    EXPECT_EQ(w.minimumText, c.minimum) << c.lines;
    EXPECT_EQ(w.maximumText, c.maximum) << c.lines;
  }
}

// The previous screen differs from the example in every probed field.
OptionsWorkingCopy DistinctScreen() {
  OptionsWorkingCopy w;
  w.players = 3;
  w.decks = 4;
  w.penetrationPosition = 60;
  w.dealerHitsSoft17 = 0;
  w.winLimitMode = 2;
  w.bankrollInUnits = 1;
  w.bankrollDollars = "7777777";
  w.bankrollUnits = "88";
  w.special = {0, 0, 0, 0, 0, 0};
  w.tracking.resetPointUnits = 50;
  w.progression.progressionEnabled = 0;
  w.minimumText = "1";
  w.maximumText = "2";
  return w;
}

TEST(LoadOptions, FileCutShortKeepsWhatWasReadAndThePreviousRest) {
  std::vector<uint8_t> full = ExampleBytes();
  full[129] = 7;  // tracking reset point
  full[536] = 1;  // progression switch
  struct Case {
    std::size_t size;
    int players, decks;
    bool continuous;
    int dealer, bankrollItem;
    std::string dollars;
    int winMode, blackjack, wonDouble, resetPoint, enabled;
    std::string minimum, maximum;
  } cases[] = {
      {0, 3, 4, true, 0, 0, "7777777", 2, 0, 0, 50, 0, "0", "200"},
      {2, 1, 6, true, 0, 0, "7777777", 2, 0, 0, 50, 0, "0", "200"},
      {10, 1, 6, false, 1, 0, "5007777", 2, 0, 0, 50, 0, "0", "200"},
      {43, 1, 6, false, 1, 0, "500", 1, 1, 0, 50, 0, "0", "200"},
      {130, 1, 6, false, 1, 0, "500", 1, 1, 1, 7, 0, "0", "200"},
      {537, 1, 6, false, 1, 0, "500", 1, 1, 1, 7, 1, "0", "200"},
      {539, 1, 6, false, 1, 0, "500", 1, 1, 1, 7, 1, "5", "5"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.size));
    LoadOptionsResult r = LoadOptionsBytes(cut, DistinctScreen());
    const OptionsWorkingCopy& w = r.data;
    SCOPED_TRACE("cut at " + std::to_string(c.size));
    EXPECT_EQ(r.status.ok, c.size >= 537);
    EXPECT_EQ(w.players, c.players);
    EXPECT_EQ(w.decks, c.decks);
    EXPECT_EQ(w.continuousShuffle, c.continuous);
    EXPECT_EQ(w.penetrationPosition, c.continuous ? 60 : 75);
    EXPECT_EQ(w.dealerHitsSoft17, c.dealer);
    EXPECT_EQ(w.bankrollInUnits, c.bankrollItem);
    EXPECT_EQ(w.bankrollDollars, c.dollars);
    EXPECT_EQ(w.bankrollUnits, "88");
    EXPECT_EQ(w.winLimitMode, c.winMode);
    EXPECT_EQ(w.special.blackjack, c.blackjack);
    EXPECT_EQ(w.special.wonDouble, c.wonDouble);
    EXPECT_EQ(w.tracking.resetPointUnits, c.resetPoint);
    EXPECT_EQ(w.progression.progressionEnabled, c.enabled);
    EXPECT_EQ(w.minimumText, c.minimum);
    EXPECT_EQ(w.maximumText, c.maximum);
  }
}

TEST(LoadOptions, MissingFileIsReportedAndReadsAsEmpty) {
  testing::ScratchFolder folder;
  LoadOptionsResult r = LoadOptionsData(folder / "missing.sav", DistinctScreen());
  EXPECT_FALSE(r.status.ok);
  EXPECT_NE(r.status.message.find("missing.sav"), std::string::npos) << r.status.message;
  EXPECT_EQ(r.data, LoadOptionsBytes({}, DistinctScreen()).data);
}

TEST(LoadOptions, SavingWhatWasLoadedGivesTheSameFile) {
  std::vector<uint8_t> b = ExampleBytes();
  const uint8_t special[] = {1, 1, 0, 1, 0, 1};
  std::copy(std::begin(special), std::end(special), b.begin() + 42);
  b[48 + 3] = 2, b[48 + 60] = 4, b[130] = 1;  // tracking: count -17, count 0, switch
  b[136 + 30] = 1, b[236 + 30] = 2, b[336 + 30] = 5, b[536] = 1;  // rule 30: set bet to 2.5
  testing::ScratchFolder folder;
  testing::WriteBytes(folder / "in.sav", b);
  LoadOptionsResult loaded = LoadOptionsData(folder / "in.sav", {});
  ASSERT_TRUE(loaded.status.ok) << loaded.status.message;
  ASSERT_TRUE(SaveData(folder / "out.sav", loaded.data).ok);
  EXPECT_EQ(testing::FileBytes(folder / "out.sav"), b);
}

TEST(LoadOptions, ScreenIsSavedFromTheSelectedEdits) {
  OptionsWorkingCopy w;
  w.continuousShuffle = true;
  w.bankrollInUnits = 1;
  w.bankrollUnits = "100";
  w.betUnitInPercent = -1;
  SettingsFile s = ToSettingsFile(w);
  EXPECT_EQ(s.options.penetration, 0);
  EXPECT_EQ(TextOf(s.options.bankrollText), "100");
  EXPECT_EQ(TextOf(s.options.betUnitText), ".1");  // no selection counts as the second item
}

}  // namespace
}  // namespace quorvel
