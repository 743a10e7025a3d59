// Writing settings files: the exact bytes, and saves that fail without harming the old file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings_file.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

using testing::ExampleBytes;
using testing::ExampleSettings;
using testing::FileBytes;
using testing::ScratchFolder;

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> Slice(const std::vector<uint8_t>& b, std::size_t from, std::size_t size) {
  return {b.begin() + static_cast<std::ptrdiff_t>(from),
          b.begin() + static_cast<std::ptrdiff_t>(from + size)};
}

TEST(SettingsEncoding, WorkedExampleIs543Bytes) {
  std::vector<uint8_t> expected = ExampleBytes();
  ASSERT_EQ(expected.size(), 543u);
  EXPECT_EQ(EncodeSettings(ExampleSettings()), expected);
}

TEST(SettingsEncoding, FreshBlocksAreWrittenWithTheirInitialContents) {
  std::vector<uint8_t> b = EncodeSettings(SettingsFile{});
  EXPECT_EQ(Slice(b, 42, 6), std::vector<uint8_t>(6, 0xFF));
  std::vector<uint8_t> tracking(88, 0);
  tracking[81] = 1, tracking[86] = 1, tracking[87] = 1;
  EXPECT_EQ(Slice(b, 48, 88), tracking);
  EXPECT_EQ(Slice(b, 537, b.size() - 537), Bytes("0\n200\n"));
}

TEST(SettingsEncoding, NoSelectionAndTheBlackjackRepeat) {
  SettingsFile s;
  s.options.dealerHitsSoft17 = -1;
  s.special = {1, 0, 0, 1, 1, 0};  // the repeat byte is written from the blackjack byte
  std::vector<uint8_t> b = EncodeSettings(s);
  EXPECT_EQ(b[3], 0xFF);
  EXPECT_EQ(Slice(b, 42, 6), std::vector<uint8_t>({1, 1, 0, 1, 1, 0}));
}

TEST(SettingsEncoding, TextsAreCutToTheirFieldsAndLines) {
  struct Case {
    std::string typed;
    std::vector<uint8_t> field;
  } cases[] = {
      {"", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"1234567", {'1', '2', '3', '4', '5', '6', '7', 0}},
      {"12345678", {'1', '2', '3', '4', '5', '6', '7', 0}},
  };
  for (const Case& c : cases) {
    SettingsFile s;
    s.options.winLimitText = MakeSettingsText(c.typed);
    EXPECT_EQ(Slice(EncodeSettings(s), 25, 8), c.field) << c.typed;
  }

  struct Lines {
    std::string minimum, maximum, written;
  } lines[] = {{"", "500", "\n500\n"}, {"5x", "", "5x\n\n"}, {"5\n7", "500", "5\n500\n"}};
  for (const Lines& c : lines) {
    SettingsFile s;
    s.minimumText = c.minimum;
    s.maximumText = c.maximum;
    std::vector<uint8_t> b = EncodeSettings(s);
    EXPECT_EQ(Slice(b, 537, b.size() - 537), Bytes(c.written)) << c.minimum;
  }
}

// How a save fails is the shared save's (file_save_test.cpp); settings only go through it.
TEST(SaveSettings, WritesTheFileAndReplacesAnOldOne) {
  ScratchFolder folder;
  std::filesystem::path target = folder / "table.sav";
  testing::WriteBytes(target, std::vector<uint8_t>(2000, 'x'));
  const SaveResult saved = SaveData(target, ExampleSettings());
  EXPECT_TRUE(saved.ok) << saved.message;
  EXPECT_EQ(FileBytes(target), ExampleBytes());
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"table.sav"});
}

}  // namespace
}  // namespace quorvel
