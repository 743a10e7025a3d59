// The JSON report: names and settings texts as UTF-8, and figures with their types; any bytes are left to its fuzz target.
#include "cli/json_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "settings_examples.h"

namespace quorvel::cli {
namespace {

using Json = nlohmann::json;

// A small stopped test: one session finished, one cut short after 250 rounds.
struct Report {
  TestPlan plan;
  std::string name;
  ActiveReadResult read;
  TestResult result;
  TestLog log;

  static SessionRecord Session(bool finished, double rounds, double bankroll, int32_t won,
                               int32_t lost, double totalBet) {
    SessionRecord record;
    record.finished = finished;
    record.rounds = rounds;
    record.bankroll = bankroll;
    record.handsWon = won;
    record.handsLost = lost;
    record.totalBet = totalBet;
    return record;
  }

  Report(const std::vector<uint8_t>& bytes, std::string settingsName) : name(std::move(settingsName)) {
    read = ReadActiveSettingsBytes(bytes, {});
    plan.sessions = 2;
    plan.handsPerSession = 1000;
    result.sessions.resize(2);
    result.sessions[0] = Session(true, 1000, 1040, 480, 470, 10400);
    result.sessions[1] = Session(false, 250, 990, 110, 120, 2600);
    result.stopped = true;
    result.sessionsFinished = 1;
    result.unfinishedRounds = 250;
    result.handsPlayed = 1250;
    result.winnings = 30;
    result.totalBet = 13000;
    SessionStats stats;
    stats.startDollars = 1000;
    log.Start(2);
    LogHighLow(stats, log.LogLine(), 1040, 1100, 7, 950, 3, 2);
    log.Review(stats);
  }
  Json Parsed() const {
    const TestFigures figures = ComputeFigures(result);
    const TestRun run{plan, name, read.settings, read.warnings, result, figures, log, 2, 1.5};
    return Json::parse(JsonReportText(run));
  }
};

TEST(JsonText, SettingsBytesAreLatin1AndNamesUtf8WhenTheyAreWellFormed) {
  EXPECT_EQ(Latin1ToUtf8("$1,000"), "$1,000");
  EXPECT_EQ(Latin1ToUtf8("\xA0\xE9\xFF"), "\xC2\xA0\xC3\xA9\xC3\xBF");
  struct Case {
    std::string name, text;
  };
  for (const Case& c : {Case{"caf\xC3\xA9.sav", "caf\xC3\xA9.sav"},
                        Case{"caf\xE9.sav", "caf\xC3\xA9.sav"},
                        Case{"\xC0\xAF", "\xC3\x80\xC2\xAF"},          // overlong
                        Case{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},  // a surrogate
                        Case{"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // past U+10FFFF
                        Case{"\xE2\x82", "\xC3\xA2\xC2\x82"}}) {            // cut short
    EXPECT_EQ(FileNameText(c.name), c.text);
  }
}

TEST(JsonReport, CountsAreIntegersAndTheMachineFiguresAreThere) {
  const Json json = Report(testing::ExampleBytes(), "x.sav").Parsed();
  for (const char* count : {"rounds", "handsPerSession", "unfinishedRounds", "sessionsFinished",
                            "threads", "roundsPerSecond", "handsWon", "seed"}) {
    EXPECT_TRUE(json[count].is_number_integer()) << count << ": " << json[count];
  }
  EXPECT_EQ(json["rounds"], 1250);
  EXPECT_EQ(json["unfinishedRounds"], 250);
  EXPECT_EQ(json["sessionsFinished"], 1);
  EXPECT_EQ(json["threads"], 2);
  EXPECT_EQ(json["roundsPerSecond"], 833);  // 1250 rounds in 1.5 s
  EXPECT_EQ(json["wallTimeSeconds"], 1.5);
  EXPECT_TRUE(json["sessionRows"][1]["rounds"].is_number_integer());
  EXPECT_EQ(json["sessionRows"][1]["finished"], false);
  const Json& summary = json["logSummary"];
  EXPECT_EQ(summary["totalWinnings"], 40);  // the finished row, 1040 against 1000
  EXPECT_EQ(summary["averageWinningsPerSession"], 20);  // the unfinished row counts as 0
}

}  // namespace
}  // namespace quorvel::cli
