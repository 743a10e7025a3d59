// Fuzzes the bounded read of a file's start and the check of a chart file, through a scratch file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/chart_check.h"
#include "engine/file_read.h"
#include "engine/strategy_chart.h"
#include "fuzz/fuzz_support.h"

using quorvel::fuzz::Require;
using quorvel::fuzz::ScratchFile;

namespace {

// A whole chart, by the codes each row may hold.
bool WholeChart(std::string_view bytes) {
  if (bytes.size() != static_cast<std::size_t>(quorvel::kChartFileSize)) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::string_view codes = i < 100 ? "YN" : "HSDdRQr";
    if (codes.find(bytes[i]) == std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

// The first two bytes give the read's limit; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t limit = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % 1024;
  const std::string_view file(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << file;

  const quorvel::FileStart read = quorvel::ReadFileStart(ScratchFile(), limit);
  const bool whole = WholeChart(file);
  const bool refused = quorvel::ChartFileProblem(ScratchFile()).has_value();
  std::error_code ignored;
  std::filesystem::remove(ScratchFile(), ignored);

  Require(read.error == 0);
  Require(read.bytes.size() == std::min(limit, file.size()));
  Require(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()) ==
          file.substr(0, read.bytes.size()));
  Require(refused != whole);
  return 0;
}
