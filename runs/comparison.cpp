// Running betting systems one after another on the same sessions.
#include "runs/comparison.h"

#include <exception>

#include "engine/chart_check.h"
#include "runs/return_data.h"

namespace quorvel {

std::optional<std::string> SetUpTestTable(Simulator& base, const ActiveSettings& settings,
                                          const std::filesystem::path& chartDirectory, uint64_t seed) {
  base.SetChartDirectory(chartDirectory);
  base.Seed(static_cast<uint32_t>(seed));
  base.ApplySettings(ToAppliedSettings(settings));
  return ChartFileProblem(base.ChartFile());
}

std::optional<std::string> RunComparison(std::vector<ComparedSystem>& systems, const TestPlan& plan,
                                         const std::filesystem::path& chartDirectory,
                                         const std::atomic<bool>& stop, ComparisonProgress& progress) {
  if (systems.size() < kFewestCompared || systems.size() > kMostCompared) {
    return "Compare two to eight settings.";
  }
  for (ComparedSystem& system : systems) {
    if (stop.load()) break;
    Simulator base;
    if (auto problem = SetUpTestTable(base, system.settings, chartDirectory, plan.seed)) {
      return system.name + ": " + *problem;
    }
    progress.current.Reset();
    SessionStats stats;
    TestLog log;
    if (auto problem = RunTest(base, plan, stop, progress.current, system.result, stats, log)) {
      return system.name + ": " + *problem;
    }
    progress.systemsDone.fetch_add(1);
  }
  return std::nullopt;
}

std::optional<std::string> ComparisonRun::Start(std::vector<ComparedSystem> systems, const TestPlan& plan,
                                                const std::filesystem::path& chartDirectory) {
  if (Running()) return std::string("A comparison is already running.");
  if (auto problem = CheckPlan(plan)) return problem;
  systems_ = std::move(systems);
  stop_.store(false);
  done_.store(false);
  problem_.reset();
  progress_.systemsDone.store(0);
  progress_.current.Reset();
  worker_ = std::thread([this, plan, chartDirectory] {
    try {
      problem_ = RunComparison(systems_, plan, chartDirectory, stop_, progress_);
    } catch (const std::exception& e) {
      problem_ = std::string("The comparison failed: ") + e.what();
    }
    done_.store(true);
  });
  return std::nullopt;
}

void ComparisonRun::Stop() {
  stop_.store(true);
  if (worker_.joinable()) worker_.join();
}

std::optional<std::string> ComparisonRun::Finish() {
  if (worker_.joinable()) worker_.join();
  return problem_;
}

bool TwinsAgree(const std::vector<ComparedSystem>& systems) {
  for (const ComparedSystem& system : systems) {
    const std::vector<SessionRecord>& first = systems.front().result.sessions;
    const std::vector<SessionRecord>& these = system.result.sessions;
    if (these.size() != first.size()) return false;
    for (std::size_t i = 0; i < these.size(); ++i) {
      if (these[i].flatUnit != first[i].flatUnit || these[i].rounds != first[i].rounds ||
          these[i].flatBankroll != first[i].flatBankroll || these[i].flatTotalBet != first[i].flatTotalBet) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace quorvel
