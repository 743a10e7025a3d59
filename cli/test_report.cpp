// What quorvel-cli prints and writes after a test.
#include "cli/test_report.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "money/progression_text.h"
#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/money_figures.h"

namespace quorvel::cli {
namespace {

using Json = nlohmann::ordered_json;

std::optional<std::string> WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) return "could not write '" + file.string() + "'";
  return std::nullopt;
}

// Winnings over every session, per round and per dollar bet. (The table's own
// figure compares the bankroll after the test, which is back at the start.)
float PerRound(const TestResult& result) {
  return result.handsPlayed > 0 ? static_cast<float>(result.winnings / result.handsPlayed) : 0.0f;
}

Json SettingsJson(const ActiveSettings& settings) {
  const TableOptions& options = settings.options;
  Json rules = {{"players", options.players},
                {"decks", options.decks},
                {"penetration", options.penetration},
                {"dealerHitsSoft17", options.dealerHitsSoft17},
                {"lateSurrender", options.lateSurrender},
                {"noDoubleAfterSplit", options.noDoubleAfterSplit},
                {"bankrollInUnits", options.bankrollInUnits},
                {"bankrollText", TextOf(options.bankrollText)},
                {"betUnitInPercent", options.betUnitInPercent},
                {"betUnitText", TextOf(options.betUnitText)},
                {"winLimitMode", options.winLimitMode},
                {"winLimitText", TextOf(options.winLimitText)},
                {"lossLimitMode", options.lossLimitMode},
                {"lossLimitText", TextOf(options.lossLimitText)},
                {"betMinimum", settings.limits.tableMinimum},
                {"betMaximum", settings.limits.tableMaximum},
                {"progressionEnabled", settings.progression.progressionEnabled != 0}};
  Json rulesList = Json::array();
  for (int index = 0; index < kRuleCount; ++index) {
    if (settings.progression.ruleAction[index] != 0) {
      rulesList.push_back({{"index", index}, {"line", RuleLine(settings.progression, index)}});
    }
  }
  rules["progressionRules"] = rulesList;
  return rules;
}

}  // namespace

void PrintReport(std::ostream& out, const TestRun& run) {
  out << kLogHeader << '\n';
  const auto& lines = run.log.Lines();
  size_t last = lines.size();
  while (last > 0 && lines[last - 1].empty()) --last;
  for (size_t i = 0; i < last; ++i) out << lines[i] << '\n';
  out << '\n';
  const TestResult& result = run.result;
  if (result.stopped) out << "Stopped: sessions that did not finish are not logged.\n";
  out << "Rounds:               " << GeneralText(result.handsPlayed) << '\n'
      << "Seed:                 " << run.plan.seed << '\n'
      << "Threads:              " << run.plan.threads << '\n'
      << "Wall time:            " << GeneralText(static_cast<double>(static_cast<long long>(run.seconds * 1000)) / 1000) << " s\n"
      << "Rounds per second:    "
      << GeneralText(run.seconds > 0 ? static_cast<double>(static_cast<long long>(result.handsPlayed / run.seconds)) : 0)
      << '\n'
      << "W/L per hand:         " << FormatTotals(kDollarForm, PerRound(result)) << '\n'
      << "Total bet:            " << FormatTotals(kDollarForm, result.totalBet) << '\n';
  if (const auto perDollar = WinningsPerDollarBet(result.winnings, 0, result.totalBet)) {
    out << "Winnings / total bet: " << FormatTotals(kRatioForm, *perDollar) << '\n';
  }
  out << "Hands won / lost:     " << result.handsWon << " / " << result.handsLost << '\n'
      << "Settings:             " << run.settingsName << '\n';
}

std::optional<std::string> WriteJsonReport(const std::filesystem::path& file, const TestRun& run) {
  const TestResult& result = run.result;
  Json sessions = Json::array();
  for (size_t i = 0; i < result.sessions.size(); ++i) {
    const SessionRecord& record = result.sessions[i];
    sessions.push_back({{"session", i + 1},
                        {"finished", record.finished},
                        {"rounds", record.rounds},
                        {"finalBankroll", record.bankroll},
                        {"maxHigh", record.track.maxHigh},
                        {"maxHighHand", record.track.maxHighHand},
                        {"maxLow", record.track.maxLow},
                        {"maxLowHand", record.track.maxLowHand},
                        {"handsWon", record.handsWon},
                        {"handsLost", record.handsLost},
                        {"totalBet", record.totalBet}});
  }
  Json report = {{"seed", run.plan.seed},
                 {"sessions", run.plan.sessions},
                 {"handsPerSession", run.plan.handsPerSession},
                 {"settingsFile", run.settingsName},
                 {"settings", SettingsJson(run.settings)},
                 {"stopped", result.stopped},
                 {"rounds", result.handsPlayed},
                 {"handsWon", result.handsWon},
                 {"handsLost", result.handsLost},
                 {"totalBet", result.totalBet},
                 {"winnings", result.winnings},
                 {"winningsPerRound", PerRound(result)},
                 {"sessionRows", sessions},
                 {"log", run.log.Lines()}};
  if (const auto perDollar = WinningsPerDollarBet(result.winnings, 0, result.totalBet)) {
    report["winningsPerDollarBet"] = *perDollar;
  }
  return WriteText(file, report.dump(2) + "\n");
}

std::optional<std::string> WriteTrace(const std::filesystem::path& file, const TestResult& result) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "session,round,net_units,stake,bankroll,bet_units,rule\n";
  for (size_t i = 0; i < result.sessions.size(); ++i) {
    for (const TraceRow& row : result.sessions[i].trace) {
      out << i + 1 << ',' << row.round << ',' << GeneralText(row.net) << ','
          << GeneralText(row.stake) << ',' << GeneralText(row.bankroll) << ','
          << GeneralText(row.betUnits) << ',';
      if (row.rule >= 0) out << row.rule;
      out << '\n';
    }
  }
  out.close();
  if (!out) return "could not write '" + file.string() + "'";
  return std::nullopt;
}

}  // namespace quorvel::cli
