// Fuzzes the strategy chart file reader through a scratch file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "engine/strategy_chart.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The reader takes a path, so every input goes through one file of this process.
const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path file = [] {
    std::random_device device;
    return std::filesystem::temp_directory_path() /
           ("quorvel-chart-fuzz-" + std::to_string(device()) + ".dat");
  }();
  return file;
}

}  // namespace

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
