// Fuzzes the JSON report over arbitrary settings bytes, which also name the settings file.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "cli/json_report.h"
#include "fuzz/fuzz_support.h"

using quorvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quorvel;
  const std::span<const uint8_t> bytes(data, size);
  const ActiveReadResult read = ReadActiveSettingsBytes(bytes, {});
  const std::string name(reinterpret_cast<const char*>(data), size < 40 ? size : 40);

  TestPlan plan;
  TestResult result;
  result.sessions.resize(1);
  result.handsPlayed = 10;
  TestLog log;
  log.Start(1);
  log.Review(SessionStats{});
  const TestFigures figures = ComputeFigures(result);
  const cli::TestRun run{plan, name, read.settings, read.warnings, result, figures, log, 1, 0.5};

  // Any bytes must give JSON that reads back, with the texts decoded byte for byte.
  const nlohmann::json json = nlohmann::json::parse(cli::JsonReportText(run));
  Require(json["settingsFile"] == cli::FileNameText(name));
  Require(json["settings"]["bankrollText"] ==
          cli::Latin1ToUtf8(TextOf(read.settings.options.bankrollText)));
  Require(json["warnings"].size() == read.warnings.size());
  return 0;
}
