// Chart file names and the 280-byte chart file: writing, reading, short and missing files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/strategy_chart.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

fs::path TempFile(const std::string& name) {
  static const fs::path dir = fs::temp_directory_path() / ("quorvel_chart_files_test_" +
                                                           std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  return dir / name;
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

StrategyChart FilledWith(char code) {
  StrategyChart chart;
  for (auto& row : chart.cells) row.fill(code);
  return chart;
}

TEST(ChartFileName, NamesDeckDigitAndOneLetterPerRule) {
  struct Case {
    ChartRules rules;
    const char* name;
  };
  const Case cases[] = {
      {{6, false, false, true}, "6sdl.dat"},  {{2, true, true, false}, "2hnn.dat"},
      {{2, false, false, false}, "2sdn.dat"}, {{8, true, false, true}, "8hdl.dat"},
      {{4, false, true, true}, "4snl.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartFileName(c.rules), c.name);
}

TEST(ChartFile, WritesTheRowsInOrderAndReadsThemBack) {
  StrategyChart chart;
  for (int row = 0; row < kChartRows; ++row) {
    for (int column = 0; column < kChartColumns; ++column) {
      chart.cells[row][column] = static_cast<char>('A' + (row + column) % 26);
    }
  }
  const fs::path file = TempFile("round_trip.dat");
  ASSERT_TRUE(WriteChartFile(file, chart));
  EXPECT_EQ(fs::file_size(file), 280u);
  StrategyChart back;
  EXPECT_EQ(ReadChartFile(file, back), 280);
  EXPECT_EQ(back.cells, chart.cells);
}

TEST(ChartFile, ShortFileFillsOnlyWhatItHolds) {
  const fs::path file = TempFile("short.dat");
  WriteBytes(file, std::string(15, 'H'));
  StrategyChart chart = FilledWith('Z');
  EXPECT_EQ(ReadChartFile(file, chart), 15);
  for (int column = 0; column < kChartColumns; ++column) EXPECT_EQ(chart.At(0, column), 'H');
  for (int column = 0; column < 5; ++column) EXPECT_EQ(chart.At(1, column), 'H');
  for (int column = 5; column < kChartColumns; ++column) EXPECT_EQ(chart.At(1, column), 'Z');
  EXPECT_EQ(chart.At(27, 9), 'Z');
}

TEST(ChartFile, MissingFileReadsNothingAndLongFileOnlyItsFirst280Bytes) {
  StrategyChart chart = FilledWith('Z');
  EXPECT_EQ(ReadChartFile(TempFile("no_such_chart.dat"), chart), 0);
  EXPECT_EQ(chart.cells, FilledWith('Z').cells);
  EXPECT_FALSE(StrategyChart{}.Loaded());

  const fs::path file = TempFile("long.dat");
  WriteBytes(file, std::string(280, 'S') + "EXTRA");
  EXPECT_EQ(ReadChartFile(file, chart), 280);
  EXPECT_EQ(chart.cells, FilledWith('S').cells);
  EXPECT_TRUE(chart.Loaded());
}

}  // namespace
}  // namespace quorvel
