// The JSON report of a test.
#include "cli/json_report.h"

#include <array>

#include <nlohmann/json.hpp>

#include "money/progression_text.h"
#include "runs/money_figures.h"

namespace quorvel::cli {
namespace {

using Json = nlohmann::ordered_json;

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// Well-formed UTF-8 as RFC 3629 has it: no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
      length = 1;
    } else if (InRange(lead, 0xC2, 0xDF)) {
      length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (!InRange(next, k == 1 ? low : 0x80, k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

Json SettingsJson(const ActiveSettings& settings) {
  const TableOptions& options = settings.options;
  auto text = [](const SettingsText& field) { return Latin1ToUtf8(TextOf(field)); };
  Json rules = {{"players", options.players},
                {"decks", options.decks},
                {"penetration", options.penetration},
                {"dealerHitsSoft17", options.dealerHitsSoft17},
                {"lateSurrender", options.lateSurrender},
                {"noDoubleAfterSplit", options.noDoubleAfterSplit},
                {"bankrollInUnits", options.bankrollInUnits},
                {"bankrollText", text(options.bankrollText)},
                {"betUnitInPercent", options.betUnitInPercent},
                {"betUnitText", text(options.betUnitText)},
                {"winLimitMode", options.winLimitMode},
                {"winLimitText", text(options.winLimitText)},
                {"lossLimitMode", options.lossLimitMode},
                {"lossLimitText", text(options.lossLimitText)},
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

// Counts and whole dollars the core keeps in doubles, written as the integers they are.
int64_t Count(double value) { return static_cast<int64_t>(value); }

Json EstimateJson(const Estimate& estimate) {
  Json json = {{"value", estimate.value}};
  if (estimate.hasInterval) {
    json["low95"] = estimate.low;
    json["high95"] = estimate.high;
  }
  return json;
}

Json MeanMaxJson(const MeanAndMaximum& figure) { return {{"mean", figure.mean}, {"max", figure.maximum}}; }

// Keyed by the percent; null when the rounds depend on the bankroll.
Json RuinRiskJson(const RuinRiskBankrolls& ruin) {
  if (!ruin.available) return nullptr;
  Json json = Json::object();
  for (std::size_t i = 0; i < kRuinRiskPercents.size(); ++i) {
    json[std::to_string(kRuinRiskPercents[i])] = Count(ruin.bankroll[i]);
  }
  return json;
}

Json SystemJson(const SystemFigures& f) {
  const Distribution& d = f.sessionWinnings;
  return {{"rounds", Count(f.rounds)},
          {"totalBet", f.totalBet},
          {"winnings", f.winnings},
          {"winningsPerRound", EstimateJson(f.perRound)},
          {"winningsPerDollarBet", EstimateJson(f.perDollar)},
          {"sessionsWon", f.sessionsWon},
          {"sessionsLost", f.sessionsLost},
          {"sessionsEven", f.sessionsEven},
          {"sessionWinnings",
           {{"mean", d.mean},
            {"median", d.median},
            {"standardDeviation", d.standardDeviation},
            {"percentile5", d.percentile5},
            {"percentile95", d.percentile95}}},
          {"riskOfRuin", f.riskOfRuin},
          {"largestStake", MeanMaxJson(f.largestStake)},
          {"largestDrawdown", MeanMaxJson(f.largestDrawdown)},
          {"hours", f.hourly.hours},
          {"winningsPerHour", f.hourly.winningsPerHour},
          {"standardDeviationPerHour", f.hourly.standardDeviationPerHour},
          {"bankrollForRuinRisk", RuinRiskJson(f.bankrollForRuinRisk)}};
}

constexpr const char* kRowIndent = "    ";

constexpr std::array<const char*, kEndCauses> kEndNames = {"roundCount",     "winLimit", "lossLimit",
                                                           "endSessionRule", "bust",     "stopped"};

}  // namespace

std::string EndCauseName(SessionEndCause cause) { return kEndNames[static_cast<int>(cause)]; }

Json FiguresJson(const TestFigures& f) {
  Json endedBy = Json::object();
  for (std::size_t cause = 0; cause < kEndCauses; ++cause) endedBy[kEndNames[cause]] = f.endedBy[cause];
  return {{"sessions", f.sessions},
          {"system", SystemJson(f.system)},
          {"flat", SystemJson(f.flat)},
          {"differencePerRound", EstimateJson(f.differencePerRound)},
          {"differencePerDollarBet", EstimateJson(f.differencePerDollar)},
          {"longestLosingStreak", MeanMaxJson(f.longestLosingStreak)},
          {"endedBy", endedBy}};
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string FileNameText(std::string_view name) {
  return IsUtf8(name) ? std::string(name) : Latin1ToUtf8(name);
}

std::string JsonSessionRow(std::size_t number, const SessionRecord& record, const TestResult& frame) {
  const Json row = {{"session", number},
                    {"finished", record.finished},
                    {"rounds", Count(record.rounds)},
                    {"finalBankroll", record.bankroll},
                    {"maxHigh", record.track.maxHigh},
                    {"maxHighHand", record.track.maxHighHand},
                    {"maxLow", record.track.maxLow},
                    {"maxLowHand", record.track.maxLowHand},
                    {"handsWon", record.handsWon},
                    {"handsLost", record.handsLost},
                    {"totalBet", record.totalBet},
                    {"end", EndCauseName(record.endCause)},
                    {"largestStake", record.marks.largestStake},
                    {"largestDrawdown", record.marks.largestDrawdown},
                    {"ruined", record.marks.ruined},
                    {"longestLosingStreak", record.longestLosingStreak},
                    {"flatUnit", record.flatUnit},
                    {"flatFinalBankroll", record.flatBankroll},
                    {"flatTotalBet", record.flatTotalBet},
                    {"flatLargestDrawdown", record.flatMarks.largestDrawdown},
                    {"flatRuined", record.flatMarks.ruined},
                    {"requiredBankroll", frame.unitInPercent ? Json(nullptr)
                                                             : Json(Count(record.marks.requiredBankroll))}};
  // Indented as an element of the report's "sessionRows".
  const std::string text = row.dump(2);
  std::string indented = kRowIndent;
  indented.reserve(text.size() * 5 / 4);
  for (char c : text) {
    indented += c;
    if (c == '\n') indented += kRowIndent;
  }
  return indented;
}

JsonReportParts JsonReportAround(const TestRun& run) {
  const TestResult& result = run.result;
  const LogSummary& summary = run.log.Summary();
  Json report = {{"seed", run.plan.seed},
                 {"sessions", run.plan.sessions},
                 {"handsPerSession", Count(run.plan.handsPerSession)},
                 {"endAtBust", run.plan.endAtBust},
                 {"roundsPerHour", Count(run.plan.roundsPerHour)},
                 {"settingsFile", FileNameText(run.settingsName)},
                 {"settings", SettingsJson(run.settings)},
                 {"warnings", run.warnings},
                 {"stopped", result.stopped},
                 {"sessionsFinished", result.sessionsFinished},
                 {"unfinishedRounds", Count(result.unfinishedRounds)},
                 {"rounds", Count(result.handsPlayed)},
                 {"handsWon", result.handsWon},
                 {"handsLost", result.handsLost},
                 {"totalBet", result.totalBet},
                 {"winnings", result.winnings},
                 {"winningsPerRound", WinningsPerRound(result)},
                 {"threads", run.threads},
                 {"wallTimeSeconds", WallTime(run)},
                 {"roundsPerSecond", RoundsPerSecond(run)},
                 {"logSummary",
                  {{"totalWinnings", summary.totalWinnings},
                   {"averageWinningsPerSession", summary.averageWinnings},
                   {"averageMaxHigh", summary.averageMaxHigh},
                   {"averageMaxLow", summary.averageMaxLow},
                   {"maxPotentialWinnings", summary.maxPotentialWinnings}}},
                 {"figures", FiguresJson(run.figures)},
                 {"sessionRows", nullptr},
                 {"log", run.log.Lines()}};
  if (const auto perDollar = WinningsPerDollarBet(result.winnings, 0, result.totalBet)) {
    report["winningsPerDollarBet"] = *perDollar;
  }
  // Only the key itself starts a line with it: a newline inside a text is written as \n.
  const std::string text = report.dump(2) + "\n";
  const std::string key = "\n  \"sessionRows\": ";
  const std::size_t at = text.find(key) + key.size();
  return {text.substr(0, at) + "[\n", "\n  ]" + text.substr(at + std::string_view("null").size())};
}

std::string JsonReportText(const TestRun& run) {
  const JsonReportParts parts = JsonReportAround(run);
  std::string text = parts.head;
  for (std::size_t i = 0; i < run.result.sessions.size(); ++i) {
    if (i > 0) text += kRowSeparator;
    text += JsonSessionRow(i + 1, run.result.sessions[i], run.result);
  }
  return text + parts.tail;
}

}  // namespace quorvel::cli
