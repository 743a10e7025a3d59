// Chart files a table must not deal by: cut short, too long, or holding a code the engine does not play.
#include "engine/chart_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "engine/strategy_chart.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Tests run in the start-up directory, beside the copied chart files.
const fs::path kCharts = "chartdata";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScratchChart {
 public:
  ScratchChart() {
    folder_ = fs::temp_directory_path() / ("quorvel-chart-check-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
  }
  ~ScratchChart() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path With(const std::string& bytes) const {
    std::ofstream(folder_ / "6sdn.dat", std::ios::binary | std::ios::trunc) << bytes;
    return folder_ / "6sdn.dat";
  }

 private:
  fs::path folder_;
};

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
  const std::string good = ReadBytes(kCharts / "6sdn.dat");
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
  ScratchChart scratch;
  for (const Case& c : cases) {
    const fs::path file = scratch.With(c.bytes);
    EXPECT_EQ(ChartFileProblem(file), Problem(file, c.problem));
  }
  EXPECT_EQ(ChartFileProblem(scratch.With(with(150, 'r'))), std::nullopt);  // surrender, else split
  EXPECT_EQ(ChartFileProblem(kCharts / "5sdn.dat"), Problem(kCharts / "5sdn.dat", "does not exist"));
}

}  // namespace
}  // namespace quorvel
