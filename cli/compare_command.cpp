// `quorvel-cli compare`: several settings files on the same cards, their figures side by side.
#include <iostream>
#include <memory>
#include <utility>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/figure_table.h"
#include "cli/json_report.h"
#include "cli/option_values.h"
#include "cli/stop_signals.h"
#include "cli/test_execution.h"
#include "config/file_save.h"
#include "runs/compared_figures.h"

namespace quorvel::cli {
namespace {

struct CompareOptions {
  std::vector<std::string> files;
  PlanOptions plan;
  std::optional<std::string> json;
  std::optional<std::string> csv;
};

struct Compared {
  LoadedSettings settings;
  ExecutedTest run;
};

// The same seed gives the same rounds only to tables that deal alike.
bool DealAlike(const TableOptions& a, const TableOptions& b) {
  return a.players == b.players && a.decks == b.decks && a.penetration == b.penetration &&
         a.dealerHitsSoft17 == b.dealerHitsSoft17 && a.lateSurrender == b.lateSurrender &&
         a.noDoubleAfterSplit == b.noDoubleAfterSplit;
}

std::string JsonText(const TestPlan& plan, const std::vector<Compared>& systems) {
  nlohmann::ordered_json files = nlohmann::ordered_json::array();
  for (const Compared& system : systems) {
    files.push_back({{"settingsFile", FileNameText(system.settings.name)},
                     {"stopped", system.run.result.stopped},
                     {"figures", FiguresJson(system.run.figures)}});
  }
  const nlohmann::ordered_json report = {{"seed", plan.seed},
                                         {"sessions", plan.sessions},
                                         {"handsPerSession", static_cast<int64_t>(plan.handsPerSession)},
                                         {"endAtBust", plan.endAtBust},
                                         {"roundsPerHour", static_cast<int64_t>(plan.roundsPerHour)},
                                         {"files", files}};
  return report.dump(2) + "\n";
}

int RunCompare(const CompareOptions& options, SessionSource& source) {
  if (options.files.size() < 2) return Fail("compare needs two settings files or more");
  TestPlan plan;
  if (auto problem = ReadPlan(options.plan, plan)) return Fail(*problem);
  for (const auto& [option, name] : {std::pair{"--json", &options.json}, std::pair{"--csv", &options.csv}}) {
    if (auto problem = RequireName(option, *name)) return Fail(*problem);
    if (!*name) continue;
    if (const SaveResult check = CheckSaveTarget(**name); !check) return Fail(check.message);
  }
  std::vector<Compared> systems(options.files.size());
  for (std::size_t i = 0; i < systems.size(); ++i) {
    if (auto problem = LoadSettings(options.files[i], systems[i].settings)) return Fail(*problem);
  }
  std::vector<RunFile> inputs;
  std::vector<RunFile> outputs;
  for (const Compared& system : systems) {
    for (RunFile& input : InputsOf(system.settings)) inputs.push_back(std::move(input));
  }
  for (const auto& [option, name] : {std::pair{"--json", &options.json}, std::pair{"--csv", &options.csv}}) {
    if (*name) outputs.push_back(Shown(option, **name));
  }
  if (auto problem = OutputClash(inputs, outputs)) return Fail(*problem);
  for (std::size_t i = 1; i < systems.size(); ++i) {
    if (!DealAlike(systems[0].settings.active.options, systems[i].settings.active.options)) {
      std::cerr << "quorvel-cli: note: " << systems[i].settings.name << " deals by other table rules than "
                << systems[0].settings.name << ", so it does not see the same cards\n";
    }
  }
  bool stopped = false;
  std::vector<std::string> headings;
  std::vector<std::vector<FigureLine>> columns;
  for (Compared& system : systems) {
    if (auto problem = ExecuteTest(system.settings, plan, source, {}, system.run)) return Fail(*problem);
    stopped = stopped || system.run.result.stopped;
    headings.push_back(std::filesystem::path(system.settings.name).filename().string());
    std::vector<FigureLine> column = SystemLines(system.run.figures.system);
    for (FigureLine& line : TestLines(system.run.figures)) column.push_back(std::move(line));
    columns.push_back(std::move(column));
  }
  std::cout << "Seed: " << plan.seed << ", " << plan.sessions << " sessions of "
            << (plan.handsPerSession > 0 ? std::to_string(static_cast<int64_t>(plan.handsPerSession))
                                         : std::string("unlimited"))
            << " rounds, each file on the same sessions\n\n";
  PrintColumns(std::cout, headings, columns);
  if (stopped) std::cout << "\nStopped: the figures cover the sessions that finished.\n";
  FlushStandardOutput();
  int exitCode = 0;
  auto save = [&exitCode](const std::optional<std::string>& name, const std::string& text) {
    if (!name) return;
    if (const SaveResult saved = SaveHoldingSignals(*name, text); !saved) exitCode = Fail(saved.message);
  };
  save(options.json, JsonText(plan, systems));
  if (options.csv) {
    std::vector<std::string> names;
    std::vector<TestFigures> figures;
    for (const Compared& system : systems) {
      names.push_back(system.settings.name);
      figures.push_back(system.run.figures);
    }
    save(options.csv, ComparedFiguresCsv(names, figures));
  }
  if (exitCode != 0) return exitCode;
  return StopExitCode();
}

}  // namespace

CLI::App* AddCompareCommand(CLI::App& app, int& exitCode, SessionSource& source) {
  auto options = std::make_shared<CompareOptions>();
  CLI::App* compare = app.add_subcommand(
      "compare", "Run several settings files on the same cards and print their figures side by side");
  compare->add_option("files", options->files, "Settings files (two or more)")->type_name("FILE")->required();
  AddPlanOptions(*compare, options->plan);
  compare->add_option("--json", options->json, "Write every file's figures as JSON")->type_name("FILE");
  compare->add_option("--csv", options->csv, "Write every file's figures as CSV")->type_name("FILE");
  compare->callback([options, &exitCode, &source] { exitCode = RunCompare(*options, source); });
  return compare;
}

}  // namespace quorvel::cli
