// quorvel-chartgen: computes the strategy chart files and prints a chart readably.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

#include "engine/chart_text.h"
#include "engine/strategy_chart.h"
#include "tools/chart_analyzer/chart_builder.h"
#include "tools/chart_analyzer/column_analysis.h"
#include "tools/chart_analyzer/column_report.h"

namespace {

using namespace quorvel;

constexpr std::string_view kUsage =
    "usage: quorvel-chartgen generate <directory>   write all 32 chart files\n"
    "       quorvel-chartgen print <chart file>     show a chart readably\n"
    "       quorvel-chartgen values <decks> <s|h> <up card 2..9,T,A>\n"
    "                                               the values behind one column\n";

int Threads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

int Generate(const std::string& directory) {
  const auto start = std::chrono::steady_clock::now();
  const std::string error = analyzer::GenerateAllCharts(directory, Threads());
  if (!error.empty()) {
    std::cerr << "quorvel-chartgen: " << error << '\n';
    return 1;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("wrote 32 charts to %s in %.1f s\n", directory.c_str(), took.count());
  return 0;
}

int Print(const std::string& file) {
  StrategyChart chart;
  const int bytes = ReadChartFile(file, chart);
  if (bytes == 0) {
    std::cerr << "quorvel-chartgen: cannot read a chart from " << file << '\n';
    return 1;
  }
  if (bytes < kChartFileSize) {
    std::cerr << "quorvel-chartgen: " << file << " holds only " << bytes << " of " << kChartFileSize
              << " bytes\n";
  }
  std::cout << ChartText(chart);
  return 0;
}

int Values(std::string_view decks, std::string_view rule, std::string_view up) {
  constexpr std::string_view kUpCards = "A23456789T";
  const auto upRank = kUpCards.find(up.size() == 1 ? up[0] : '?');
  const bool decksValid = decks == "2" || decks == "4" || decks == "6" || decks == "8";
  if (!decksValid || (rule != "s" && rule != "h") || upRank == std::string_view::npos) {
    std::cerr << kUsage;
    return 2;
  }
  const analyzer::ColumnAnalysis column =
      analyzer::AnalyzeColumn(decks[0] - '0', rule == "h", static_cast<int>(upRank));
  std::cout << analyzer::ColumnReport(column);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "generate" && argc == 3) return Generate(argv[2]);
  if (command == "print" && argc == 3) return Print(argv[2]);
  if (command == "values" && argc == 5) return Values(argv[2], argv[3], argv[4]);
  std::cerr << kUsage;
  return 2;
}
