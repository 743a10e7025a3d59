// Chart files a table must not deal by: cut short, too long, or holding a code the engine does not play.
#include "engine/chart_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/strategy_chart.h"
#include "file_faults.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Tests run in the start-up directory, beside the copied chart files.
const fs::path kCharts = "chartdata";

std::string Problem(const fs::path& file, const std::string& what) {
  return "the chart file '" + file.string() + "' " + what;
}

TEST(ChartFileProblem, EveryCommittedChartIsWhole) {
  int charts = 0;
  for (const auto& entry : fs::directory_iterator(kCharts)) {
    if (entry.path().extension() != ".dat") continue;
    EXPECT_EQ(ChartFileProblem(entry.path()), std::nullopt);
    ++charts;
  }
  EXPECT_EQ(charts, 32);
}

TEST(ChartFileProblem, RefusesADamagedChart) {
  const std::string good = testing::ReadText(kCharts / "6sdn.dat");
  ASSERT_EQ(good.size(), 280u);
  auto with = [&good](std::size_t at, char code) {
    std::string bytes = good;
    bytes[at] = code;
    return bytes;
  };
  struct Case {
    std::string bytes;
    std::string problem;
  };
  const Case cases[] = {
      {"", "holds 0 of its 280 bytes"},
      {good.substr(0, 100), "holds 100 of its 280 bytes"},
      {good.substr(0, 279), "holds 279 of its 280 bytes"},
      {good + "S", "holds more than its 280 bytes"},
      {with(0, 'H'), "holds 'H' at byte 0, which is no code of a pair row"},
      {with(99, 'S'), "holds 'S' at byte 99, which is no code of a pair row"},
      {with(100, 'Y'), "holds 'Y' at byte 100, which is no code of a total row"},
      {with(279, 'N'), "holds 'N' at byte 279, which is no code of a total row"},
      {with(150, '\0'), "holds byte 0x00 at byte 150, which is no code of a total row"},
      {with(200, 'h'), "holds 'h' at byte 200, which is no code of a total row"},
  };
  testing::ScratchFolder scratch;
  const fs::path file = scratch / "6sdn.dat";
  for (const Case& c : cases) {
    testing::WriteText(file, c.bytes);
    EXPECT_EQ(ChartFileProblem(file), Problem(file, c.problem));
  }
  testing::WriteText(file, with(150, 'r'));  // surrender, else split
  EXPECT_EQ(ChartFileProblem(file), std::nullopt);
  EXPECT_EQ(ChartFileProblem(kCharts / "5sdn.dat"), Problem(kCharts / "5sdn.dat", "does not exist"));
}

}  // namespace
}  // namespace quorvel
