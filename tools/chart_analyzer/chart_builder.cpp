// Building the strategy charts, one dealer column per task, on worker threads.
#include "tools/chart_analyzer/chart_builder.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "tools/chart_analyzer/column_analysis.h"

namespace quorvel::analyzer {

namespace {

constexpr std::array<int, 4> kDeckCounts = {2, 4, 6, 8};

struct ColumnTask {
  int decks;
  bool hitsSoft17;
  int upRank;
};

// Runs every task on up to `threads` workers; each result goes to its own slot,
// so the charts do not depend on the number of threads.
std::vector<ColumnAnalysis> AnalyzeColumns(const std::vector<ColumnTask>& tasks, int threads) {
  std::vector<ColumnAnalysis> results(tasks.size());
  std::atomic<std::size_t> nextTask{0};
  auto work = [&] {
    for (std::size_t i = nextTask++; i < tasks.size(); i = nextTask++) {
      results[i] = AnalyzeColumn(tasks[i].decks, tasks[i].hitsSoft17, tasks[i].upRank);
    }
  };
  const int workers = std::clamp(threads, 1, static_cast<int>(tasks.size()));
  std::vector<std::jthread> pool;
  for (int i = 1; i < workers; ++i) pool.emplace_back(work);
  work();
  return results;
}

std::vector<ColumnTask> FamilyTasks(int decks, bool hitsSoft17) {
  std::vector<ColumnTask> tasks;
  for (int upRank = 0; upRank < kRankCount; ++upRank) tasks.push_back({decks, hitsSoft17, upRank});
  return tasks;
}

std::array<StrategyChart, 4> AssembleFamily(const ColumnAnalysis* columns) {
  std::array<StrategyChart, 4> charts{};
  for (int i = 0; i < kRankCount; ++i) {
    const ColumnAnalysis& column = columns[i];
    for (int variant = 0; variant < kRuleVariants; ++variant) {
      for (int row = 0; row < kChartRows; ++row) {
        charts[variant].cells[row][ChartColumn(column.upRank)] = column.cells[variant][row];
      }
    }
  }
  return charts;
}

}  // namespace

std::array<StrategyChart, 4> BuildChartFamily(int decks, bool hitsSoft17, int threads) {
  const std::vector<ColumnAnalysis> columns =
      AnalyzeColumns(FamilyTasks(decks, hitsSoft17), threads);
  return AssembleFamily(columns.data());
}

StrategyChart BuildChart(const ChartRules& rules, int threads) {
  return BuildChartFamily(rules.decks, rules.dealerHitsSoft17,
                          threads)[VariantIndex(rules.noDoubleAfterSplit, rules.lateSurrender)];
}

std::vector<ChartRules> AllChartRules() {
  std::vector<ChartRules> all;
  for (int decks : kDeckCounts) {
    for (bool hitsSoft17 : {false, true}) {
      for (bool noDas : {false, true}) {
        for (bool surrender : {false, true}) all.push_back({decks, hitsSoft17, noDas, surrender});
      }
    }
  }
  return all;
}

std::string GenerateAllCharts(const std::filesystem::path& directory, int threads) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return "cannot create " + directory.string() + ": " + error.message();

  std::vector<ColumnTask> tasks;
  for (int decks : kDeckCounts) {
    for (bool hitsSoft17 : {false, true}) {
      const std::vector<ColumnTask> family = FamilyTasks(decks, hitsSoft17);
      tasks.insert(tasks.end(), family.begin(), family.end());
    }
  }
  const std::vector<ColumnAnalysis> columns = AnalyzeColumns(tasks, threads);
  for (std::size_t first = 0; first < columns.size(); first += kRankCount) {
    const ColumnTask& task = tasks[first];
    const std::array<StrategyChart, 4> charts = AssembleFamily(&columns[first]);
    for (bool noDas : {false, true}) {
      for (bool surrender : {false, true}) {
        const ChartRules rules{task.decks, task.hitsSoft17, noDas, surrender};
        const std::filesystem::path file = directory / ChartFileName(rules);
        if (!WriteChartFile(file, charts[VariantIndex(noDas, surrender)])) {
          return "cannot write " + file.string();
        }
      }
    }
  }
  return {};
}

}  // namespace quorvel::analyzer
