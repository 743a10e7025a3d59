// Warnings for settings the lenient reading did not take as written.
#include "config/settings_warnings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "config/default_settings.h"
#include "config/settings_damage.h"
#include "config/settings_file.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

using testing::ExampleBytes;
using testing::WithLines;
using Bytes = std::vector<uint8_t>;

constexpr std::size_t kBankrollText = 7;
constexpr std::size_t kUnitChoice = 15;
constexpr std::size_t kUnitText = 16;
constexpr std::size_t kWinMode = 24;
constexpr std::size_t kWinText = 25;
constexpr std::size_t kRuleActions = kProgressionOffset;
constexpr std::size_t kProgressionSwitch = kProgressionOffset + 400;

std::vector<std::string> WarningsOf(const Bytes& bytes) {
  return ReadActiveSettingsBytes(bytes, {}).warnings;
}

Bytes WithText(std::size_t offset, const std::string& text) {
  Bytes b = ExampleBytes();
  std::fill_n(b.begin() + static_cast<std::ptrdiff_t>(offset), 8, 0);
  std::memcpy(b.data() + offset, text.data(), text.size());
  return b;
}

Bytes WithByte(std::size_t offset, uint8_t value, Bytes b = ExampleBytes()) {
  b[offset] = value;
  return b;
}

Bytes Cut(std::size_t size) {
  Bytes b = ExampleBytes();
  b.resize(size);
  return b;
}

TEST(ReadingWarnings, AWholeFileReadAsWrittenHasNone) {
  EXPECT_EQ(WarningsOf(ExampleBytes()), std::vector<std::string>{});
  EXPECT_EQ(WarningsOf(EncodeSettings(DefaultSettings())), std::vector<std::string>{});
  // CR LF line ends and blanks around numbers change no value.
  EXPECT_EQ(WarningsOf(WithLines(" 5\r\n500 \r\n")), std::vector<std::string>{});
  EXPECT_EQ(WarningsOf(WithText(kBankrollText, "500 ")), std::vector<std::string>{});
}

TEST(ReadingWarnings, OneLinePerFieldNotReadAsWritten) {
  struct Case {
    const char* what;
    Bytes bytes;
    std::vector<std::string> warnings;
  };
  const std::vector<Case> cases = {
      {"limit lines missing", Cut(537),
       {"bet minimum line is missing: playing $0", "bet maximum line is missing: playing $200"}},
      {"maximum cut short", WithLines("10\n1"), {"bet maximum line '1' is cut short: playing $1"}},
      {"maximum not a number", WithLines("10\nabc\n"),
       {"bet maximum 'abc' is not a whole number: playing $200"}},
      {"minimum empty: its neighbour is read in its place", WithLines("\n500\n"),
       {"bet minimum '' is not a whole number: playing $500",
        "bet maximum '500' is not read (a line before it is damaged): playing $200"}},
      {"players out of range", WithByte(0, 0), {"players 0 is out of range: playing 1 (1 to 7)"}},
      {"decks out of range", WithByte(1, 9), {"decks 9 is out of range: playing 2 (2 to 8)"}},
      {"penetration beyond the shoe", WithByte(2, 150),
       {"penetration 150 is out of range: playing 100 (at most 100 percent)"}},
      {"a bankroll that is no number", WithText(kBankrollText, "\xA0"),
       {"starting bankroll '\\xA0' reads as $0"}},
      {"a bankroll with a tail", WithText(kBankrollText, "12x"), {"starting bankroll '12x' reads as $12"}},
      {"a bankroll of 0", WithText(kBankrollText, "0"), {"starting bankroll '0' reads as $0"}},
      {"a unit with cents", WithText(kUnitText, "12.5"), {"bet unit '12.5' reads as $12"}},
      {"a percent unit that is no number", WithByte(kUnitChoice, 1, WithText(kUnitText, "abc")),
       {"bet unit 'abc' reads as 0 percent"}},
      {"a win limit in use that is empty", WithText(kWinText, ""), {"win limit '' reads as $0"}},
      {"a win limit choice no item has", WithByte(kWinMode, 7), {"win limit choice 7 is unknown: no win limit"}},
      {"an action no rule has", WithByte(kProgressionSwitch, 1, WithByte(kRuleActions + 13, 9)),
       {"rule 1,3 action 9 is unknown: the rule does nothing"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WarningsOf(c.bytes), c.warnings) << c.what;
  }
}

TEST(ReadingWarnings, UnusedFieldsAndAShortFixedPartAreLeftToTheStatus) {
  // The win limit text means nothing while the win limit is off.
  EXPECT_EQ(WarningsOf(WithByte(kWinMode, 0, WithText(kWinText, "junk"))), std::vector<std::string>{});
  // Unknown actions do nothing either way while progression testing is off.
  EXPECT_EQ(WarningsOf(WithByte(kRuleActions + 13, 9)), std::vector<std::string>{});
  // Fields the file does not reach keep earlier values; the read's status says so.
  EXPECT_EQ(WarningsOf(Cut(3)), std::vector<std::string>{});
  EXPECT_EQ(WarningsOf(WithByte(0, 0, Cut(100))),
            std::vector<std::string>{"players 0 is out of range: playing 1 (1 to 7)"});
}

TEST(ReadingWarnings, ADeviceOfZerosSaysEveryFieldItSpoils) {
  const Bytes zeros(kFixedPartSize + 4096, 0);
  const std::vector<std::string> expected = {
      "players 0 is out of range: playing 1 (1 to 7)",
      "decks 0 is out of range: playing 2 (2 to 8)",
      "starting bankroll '' reads as $0",
      "bet unit '' reads as $0",
      "bet minimum line '\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00...' "
      "is cut short: playing $0",
      "bet maximum line is missing: playing $200",
  };
  EXPECT_EQ(WarningsOf(zeros), expected);
}

TEST(ShownText, PrintableAsciiStaysAndEveryOtherByteIsEscaped) {
  EXPECT_EQ(ShownText("$1,000 ok"), "$1,000 ok");
  EXPECT_EQ(ShownText(std::string("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(ShownText("\x1b[2J\xA0\xFF\\"), "\\x1B[2J\\xA0\\xFF\\x5C");
}

// A file the window must not play from: cut short, misread, or holding values no table plays.
TEST(SettingsDamage, SaysWhyAFileMustNotBePlayed) {
  const auto damage = [](const Bytes& bytes) {
    ActiveReadResult read = ReadActiveSettingsBytes(bytes, DefaultActiveSettings());
    return SettingsDamage(read).value_or("sound");
  };
  EXPECT_EQ(damage(ExampleBytes()), "sound");
  EXPECT_EQ(damage(EncodeSettings(DefaultSettings())), "sound");
  EXPECT_EQ(damage(Cut(100)), "The settings end after 100 of its 537 fixed bytes; "
                              "the settings after that keep their previous values.");
  EXPECT_EQ(damage(WithByte(kWinMode, 9)), WarningsOf(WithByte(kWinMode, 9)).front());
  EXPECT_NE(damage(WithText(kBankrollText, "0")), "sound");
  EXPECT_NE(damage(Bytes(600, 0xAB)).find(" more"), std::string::npos);  // noise: the first reasons
  EXPECT_EQ(SettingsFileDamage("no/such/settings.sav"), std::nullopt);  // a first start
  EXPECT_NE(SettingsFileDamage("."), std::nullopt);                     // a folder in its place
}

}  // namespace
}  // namespace quorvel
