// Chart file names and the reading and writing of the 280-byte chart layout.
#include "engine/strategy_chart.h"

#include <fstream>

#include "engine/file_read.h"

namespace quorvel {

std::string ChartFileName(const ChartRules& rules) {
  std::string name = "2sdn.dat";
  // The deck count is taken as given; callers correct it to 2..8 first.
  name[0] = static_cast<char>('0' + rules.decks);
  if (rules.dealerHitsSoft17) name[1] = 'h';
  if (rules.noDoubleAfterSplit) name[2] = 'n';
  if (rules.lateSurrender) name[3] = 'l';
  return name;
}

int ReadChartFile(const std::filesystem::path& file, StrategyChart& chart) {
  // Bounded, so a FIFO or a device in place of a chart cannot hang the table.
  const FileStart read = ReadFileStart(file, kChartFileSize);
  const int count = static_cast<int>(read.bytes.size());
  // A short file overwrites only the cells it holds; the rest keep their codes.
  for (int i = 0; i < count; ++i) {
    const auto byte = read.bytes[static_cast<std::size_t>(i)];
    chart.cells[i / kChartColumns][i % kChartColumns] = static_cast<char>(byte);
  }
  return count;
}

bool WriteChartFile(const std::filesystem::path& file, const StrategyChart& chart) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  for (const auto& row : chart.cells) {
    out.write(row.data(), kChartColumns);
  }
  out.close();
  return !out.fail();
}

}  // namespace quorvel
