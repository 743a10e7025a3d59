// Fuzzes the strategy chart file reader through a scratch file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "engine/strategy_chart.h"
#include "fuzz/fuzz_support.h"

using quorvel::fuzz::Require;
using quorvel::fuzz::ScratchFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  {
    std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  quorvel::StrategyChart chart;
  for (auto& row : chart.cells) row.fill('#');
  int count = quorvel::ReadChartFile(ScratchFile(), chart);
  std::error_code ignored;
  std::filesystem::remove(ScratchFile(), ignored);

  // The cells the file holds are its bytes; the others keep what they held.
  Require(count == static_cast<int>(size < quorvel::kChartFileSize ? size : quorvel::kChartFileSize));
  for (int i = 0; i < quorvel::kChartFileSize; ++i) {
    char cell = chart.At(i / quorvel::kChartColumns, i % quorvel::kChartColumns);
    Require(cell == (i < count ? static_cast<char>(data[i]) : '#'));
  }
  return 0;
}
