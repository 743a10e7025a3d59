// Checking a chart file before a table deals by it.
#include "engine/chart_check.h"

#include <cstdio>
#include <string_view>

#include "engine/file_read.h"
#include "engine/strategy_chart.h"

namespace quorvel {
namespace {

constexpr int kPairRows = 10;
constexpr std::string_view kPairCodes = "YN";
constexpr std::string_view kTotalCodes = "HSDdRQr";

std::string ShownByte(char code) {
  char text[16];
  const auto byte = static_cast<unsigned char>(code);
  if (byte > ' ' && byte < 127) {
    std::snprintf(text, sizeof text, "'%c'", code);
  } else {
    std::snprintf(text, sizeof text, "byte 0x%02X", byte);
  }
  return text;
}

}  // namespace

std::optional<std::string> ChartFileProblem(const std::filesystem::path& file) {
  const std::string name = "the chart file '" + file.string() + "' ";
  // One byte more than a chart, to tell a whole chart from a longer file; bounded, so a FIFO
  // or a device cannot hang the check.
  const FileStart read = ReadFileStart(file, kChartFileSize + 1);
  if (read.error != 0) return name + ReadProblem(read.error);
  const auto& bytes = read.bytes;
  const auto count = static_cast<int>(bytes.size());
  const std::string size = std::to_string(kChartFileSize);
  if (count > kChartFileSize) return name + "holds more than its " + size + " bytes";
  if (count < kChartFileSize) return name + "holds " + std::to_string(count) + " of its " + size + " bytes";
  for (int i = 0; i < kChartFileSize; ++i) {
    const bool pairRow = i / kChartColumns < kPairRows;
    const std::string_view codes = pairRow ? kPairCodes : kTotalCodes;
    if (codes.find(static_cast<char>(bytes[static_cast<std::size_t>(i)])) == std::string_view::npos) {
      return name + "holds " + ShownByte(static_cast<char>(bytes[static_cast<std::size_t>(i)])) + " at byte " +
             std::to_string(i) + ", which is no code of a " + (pairRow ? "pair" : "total") + " row";
    }
  }
  return std::nullopt;
}

}  // namespace quorvel
