// Reading settings files exactly as stored, and refusing incomplete ones.
#include "cli/settings_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "file_faults.h"

#include "settings_examples.h"

namespace quorvel::cli {
namespace {

using quorvel::testing::ExampleBytes;
using quorvel::testing::ExampleSettings;
using quorvel::testing::WithLines;

TEST(ExactReading, KeepsWhatTheScreenReaderWouldNormalise) {
  std::vector<uint8_t> b = ExampleBytes();
  b[0] = 0;           // no seats
  b[3] = 0xFF;        // dealer rule without a selection
  b[24] = 7;          // win limit mode no group offers
  b[42] = b[43] = 2;  // special counting "none" code
  b[47] = 0x80;
  b[48 + 19] = 4;    // tracking: count -1 multiplies
  b[136 + 10] = 9;   // a foreign action code in rule 10
  b[136 + 310] = 1;  // END SEQ of rule 10
  b[136 + 400] = 7;  // switch byte other than 0 or 1
  const ExactRead read = DecodeSettingsExactly(b);
  ASSERT_TRUE(read.settings) << read.error;
  const SettingsFile& s = *read.settings;
  EXPECT_EQ(s.options.players, 0);
  EXPECT_EQ(s.options.dealerHitsSoft17, -1);
  EXPECT_EQ(s.options.winLimitMode, 7);
  EXPECT_EQ(s.special.blackjack, 2);
  EXPECT_EQ(s.special.splitLoss, -128);
  EXPECT_EQ(s.tracking.countAction[19], 4);
  EXPECT_EQ(s.progression.ruleAction[10], 9);
  EXPECT_EQ(s.progression.ruleEndSeq[10], 1);
  EXPECT_EQ(s.progression.progressionEnabled, 7);
  EXPECT_EQ(EncodeSettings(s), b);
}

TEST(ExactReading, LimitLinesAreKeptAsTyped) {
  struct Case {
    std::string lines;
    std::string minimum;
    std::string maximum;
  };
  for (const Case& c : {Case{"0007\n500\n", "0007", "500"}, Case{"\n500\n", "", "500"},
                        Case{"5x\n 9\n", "5x", " 9"}, Case{"5\n500\ntrailing bytes", "5", "500"}}) {
    const ExactRead read = DecodeSettingsExactly(WithLines(c.lines));
    ASSERT_TRUE(read.settings) << c.lines << ": " << read.error;
    EXPECT_EQ(read.settings->minimumText, c.minimum) << c.lines;
    EXPECT_EQ(read.settings->maximumText, c.maximum) << c.lines;
  }
}

TEST(ExactReading, RefusesAFileWithoutItsWholeFixedPartAndLines) {
  std::vector<uint8_t> cut = ExampleBytes();
  cut.resize(536);
  const ExactRead shortFile = DecodeSettingsExactly(cut);
  EXPECT_FALSE(shortFile.settings);
  EXPECT_EQ(shortFile.error, "holds 536 bytes, fewer than the 537 of a settings file's fixed part");
  for (const std::string lines : {"", "5\n", "5\n500"}) {
    const ExactRead read = DecodeSettingsExactly(WithLines(lines));
    EXPECT_FALSE(read.settings) << lines;
    EXPECT_EQ(read.error, "ends before its bet minimum and bet maximum lines") << lines;
  }
}

TEST(ExactReading, NamesTheFileThatCannotBeRead) {
  quorvel::testing::ScratchFolder folder;
  EXPECT_EQ(ReadSettingsExactly(folder / "none.sav").error,
            "the settings file '" + (folder / "none.sav").string() + "' does not exist");
  EXPECT_EQ(ReadSettingsExactly(folder.Path()).error,
            "the settings file '" + folder.Path().string() + "' is a folder");
  quorvel::testing::WriteBytes(folder / "empty.sav", {});
  EXPECT_EQ(ReadSettingsExactly(folder / "empty.sav").error,
            "the settings file '" + (folder / "empty.sav").string() +
                "' holds 0 bytes, fewer than the 537 of a settings file's fixed part");
  // The worked example reads as its settings.
  quorvel::testing::WriteBytes(folder / "good.sav", ExampleBytes());
  EXPECT_EQ(ReadSettingsExactly(folder / "good.sav").settings, ExampleSettings());
}

// A folder the user may not enter hides whether the file exists; saying it does not would mislead.
TEST(ExactReading, AFileInAFolderTheUserMayNotEnterCannotBeRead) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to read as another user";
  quorvel::testing::ScratchFolder folder;
  std::filesystem::create_directory(folder / "locked");
  quorvel::testing::WriteBytes(folder / "locked" / "a.sav", ExampleBytes());
  ::chmod((folder / "locked").c_str(), 0700);
  ::chmod(folder.Path().c_str(), 0755);
  const std::filesystem::path file = folder / "locked" / "a.sav";
  const int right = quorvel::testing::AsUnprivileged([&file] {
    return ReadSettingsExactly(file).error ==
           "the settings file '" + file.string() + "' cannot be read: Permission denied";
  });
  EXPECT_EQ(right, 1);
}

}  // namespace
}  // namespace quorvel::cli
