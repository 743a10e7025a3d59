// The basic-strategy chart: 28 rows of 10 action codes, and its data file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvel {

inline constexpr int kChartRows = 28;
inline constexpr int kChartColumns = 10;
inline constexpr int kChartFileSize = kChartRows * kChartColumns;  // 280 bytes

// Rows 0-9 pairs (A,A .. 2,2), 10-18 soft 20 .. soft 12, 18-27 hard 17 .. hard 8
// (row 18 is shared); columns dealer 2 .. 9, ten, ace.
struct StrategyChart {
  std::array<std::array<char, kChartColumns>, kChartRows> cells{};

  char At(int row, int column) const { return cells[row][column]; }
  // A zero at row 1, column 1 means no chart was ever loaded.
  bool Loaded() const { return cells[1][1] != 0; }
};

// The rules a chart file is chosen by.
struct ChartRules {
  int decks = 2;
  bool dealerHitsSoft17 = false;
  bool noDoubleAfterSplit = false;
  bool lateSurrender = false;
  friend bool operator==(const ChartRules&, const ChartRules&) = default;
};

// "6sdl.dat" and the like: deck digit, s/h, d/n, n/l.
std::string ChartFileName(const ChartRules& rules);

// Fills the chart from a chart file; rows the file does not supply keep their
// contents. Returns the number of bytes read (280 for a whole chart).
int ReadChartFile(const std::filesystem::path& file, StrategyChart& chart);

// Writes the 280-byte layout.
bool WriteChartFile(const std::filesystem::path& file, const StrategyChart& chart);

}  // namespace quorvel
