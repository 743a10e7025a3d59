// Writing the figures of a test as lines and as CSV.
#include "runs/figures_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "runs/general_text.h"

namespace quorvel {
namespace {

constexpr int kDollars = 2;
constexpr int kPerDollar = 5;
constexpr int kPerRound = 4;

// Shortest plain decimal that reads back as the same double: 200000, never 2e+05, which
// some spreadsheets read as text.
std::string Exact(double value) {
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

std::string Count(double value) { return GeneralText(value); }

std::string Share(double share) { return FixedText(share * 100, 2) + " %"; }

std::string MeanMaxText(const MeanAndMaximum& figure, int decimals) {
  return FixedText(figure.mean, decimals) + " / " + FixedText(figure.maximum, decimals);
}

constexpr std::array<const char*, kEndCauses> kCauseNames = {
    "round count", "win limit", "loss limit", "END SESSION rule", "bust", "stopped"};

constexpr std::array<const char*, kEndCauses> kCauseLabels = {
    "Sessions ended by the round count", "Sessions ended by the win limit",
    "Sessions ended by the loss limit", "Sessions ended by an END SESSION rule",
    "Sessions ended broke", "Sessions stopped before their end"};

std::string RuinRiskLabel(int percent) {
  return "Bankroll for " + std::to_string(percent) + " % risk of ruin";
}

void AddEstimate(std::string& csv, const std::string& name, const Estimate& system,
                 const Estimate& flat) {
  csv += name + ',' + Exact(system.value) + ',' + Exact(flat.value) + '\n';
  if (!system.hasInterval) return;
  csv += name + " low," + Exact(system.low) + ',' + (flat.hasInterval ? Exact(flat.low) : "") + '\n';
  csv += name + " high," + Exact(system.high) + ',' + (flat.hasInterval ? Exact(flat.high) : "") + '\n';
}

}  // namespace

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  // A value that rounds to zero is shown without a sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string EstimateText(const Estimate& estimate, int decimals) {
  std::string text = FixedText(estimate.value, decimals);
  if (estimate.hasInterval) {
    text += " (" + FixedText(estimate.low, decimals) + " to " + FixedText(estimate.high, decimals) + ")";
  }
  return text;
}

std::vector<FigureLine> SystemLines(const SystemFigures& f) {
  const Distribution& d = f.sessionWinnings;
  std::vector<FigureLine> lines = {{"Rounds", Count(f.rounds)},
          {"Total bet", FixedText(f.totalBet, kDollars), true},
          {"Winnings", FixedText(f.winnings, kDollars), true},
          {"Winnings per round (95 %)", EstimateText(f.perRound, kPerRound), true},
          {"Winnings per dollar bet (95 %)", EstimateText(f.perDollar, kPerDollar)},
          {"Sessions won / lost / even", std::to_string(f.sessionsWon) + " / " +
                                             std::to_string(f.sessionsLost) + " / " +
                                             std::to_string(f.sessionsEven)},
          {"Session winnings: mean", FixedText(d.mean, kDollars), true},
          {"Session winnings: median", FixedText(d.median, kDollars), true},
          {"Session winnings: standard deviation", FixedText(d.standardDeviation, kDollars), true},
          {"Session winnings: 5th percentile", FixedText(d.percentile5, kDollars), true},
          {"Session winnings: 95th percentile", FixedText(d.percentile95, kDollars), true},
          {"Risk of ruin", Share(f.riskOfRuin)},
          {"Largest stake: mean / max", MeanMaxText(f.largestStake, kDollars), true},
          {"Largest drawdown: mean / max", MeanMaxText(f.largestDrawdown, kDollars), true}};
  lines.push_back({"Hours played", FixedText(f.hourly.hours, kDollars)});
  lines.push_back({"Winnings per hour", FixedText(f.hourly.winningsPerHour, kDollars), true});
  lines.push_back({"Standard deviation per hour",
                   FixedText(f.hourly.standardDeviationPerHour, kDollars), true});
  for (std::size_t i = 0; i < kRuinRiskPercents.size(); ++i) {
    const RuinRiskBankrolls& ruin = f.bankrollForRuinRisk;
    lines.push_back({RuinRiskLabel(kRuinRiskPercents[i]),
                     ruin.available ? FixedText(ruin.bankroll[i], 0) : std::string(kNotAvailable),
                     true});
  }
  return lines;
}

std::vector<FigureLine> TestLines(const TestFigures& f) {
  std::vector<FigureLine> lines = {
      {"Sessions", std::to_string(f.sessions)},
      {"System minus flat, per round (95 %)", EstimateText(f.differencePerRound, kPerRound), true},
      {"System minus flat, per dollar bet (95 %)", EstimateText(f.differencePerDollar, kPerDollar)},
      {"Longest losing streak: mean / max", MeanMaxText(f.longestLosingStreak, 1)}};
  for (std::size_t cause = 0; cause < kCauseNames.size(); ++cause) {
    lines.push_back({kCauseLabels[cause], std::to_string(f.endedBy[cause])});
  }
  return lines;
}

std::array<std::string, 2> StoppedTestMessage(const TestResult& result) {
  const std::size_t sessions = result.sessions.size();
  if (result.sessionsFinished == 0) {
    return {sessions == 1 ? std::string("Test stopped before its session finished.")
                          : "Test stopped before any of its " + std::to_string(sessions) + " sessions finished.",
            "A stopped session counts in no figure: there are no results to show."};
  }
  return {"Test stopped: " + std::to_string(result.sessionsFinished) + " of " + std::to_string(sessions) +
              " sessions finished.",
          "Their figures and plots: press AUTO, then Results."};
}

std::string ScreenText(const std::string& text, bool money) {
  std::string shown;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[at]))) {
      shown += text[at++];
      continue;
    }
    const std::size_t end = text.find_first_not_of("0123456789", at);
    const std::size_t digits = (end == std::string::npos ? text.size() : end) - at;
    // Digits after a decimal point are not grouped.
    const bool fraction = at > 0 && text[at - 1] == '.';
    if (money && !fraction) shown += '$';
    for (std::size_t i = 0; i < digits; ++i) {
      if (!fraction && i > 0 && (digits - i) % 3 == 0) shown += ',';
      shown += text[at + i];
    }
    at += digits;
  }
  return shown;
}

std::string FiguresCsv(const TestFigures& f) {
  const SystemFigures& s = f.system;
  const SystemFigures& t = f.flat;
  std::string csv = "figure,system,flat\n";
  auto pair = [&csv](const std::string& name, double system, double flat) {
    csv += name + ',' + Exact(system) + ',' + Exact(flat) + '\n';
  };
  auto single = [&csv](const std::string& name, double value) { csv += name + ',' + Exact(value) + ",\n"; };
  single("sessions", f.sessions);
  pair("rounds", s.rounds, t.rounds);
  pair("total bet", s.totalBet, t.totalBet);
  pair("winnings", s.winnings, t.winnings);
  AddEstimate(csv, "winnings per round", s.perRound, t.perRound);
  AddEstimate(csv, "winnings per dollar bet", s.perDollar, t.perDollar);
  pair("sessions won", s.sessionsWon, t.sessionsWon);
  pair("sessions lost", s.sessionsLost, t.sessionsLost);
  pair("sessions even", s.sessionsEven, t.sessionsEven);
  pair("session winnings mean", s.sessionWinnings.mean, t.sessionWinnings.mean);
  pair("session winnings median", s.sessionWinnings.median, t.sessionWinnings.median);
  pair("session winnings standard deviation", s.sessionWinnings.standardDeviation,
       t.sessionWinnings.standardDeviation);
  pair("session winnings 5th percentile", s.sessionWinnings.percentile5, t.sessionWinnings.percentile5);
  pair("session winnings 95th percentile", s.sessionWinnings.percentile95, t.sessionWinnings.percentile95);
  pair("risk of ruin", s.riskOfRuin, t.riskOfRuin);
  pair("largest stake mean", s.largestStake.mean, t.largestStake.mean);
  pair("largest stake max", s.largestStake.maximum, t.largestStake.maximum);
  pair("largest drawdown mean", s.largestDrawdown.mean, t.largestDrawdown.mean);
  pair("largest drawdown max", s.largestDrawdown.maximum, t.largestDrawdown.maximum);
  pair("hours", s.hourly.hours, t.hourly.hours);
  pair("winnings per hour", s.hourly.winningsPerHour, t.hourly.winningsPerHour);
  pair("standard deviation per hour", s.hourly.standardDeviationPerHour,
       t.hourly.standardDeviationPerHour);
  for (std::size_t i = 0; i < kRuinRiskPercents.size(); ++i) {
    // Left empty when not available.
    auto bankroll = [i](const SystemFigures& figures) {
      return figures.bankrollForRuinRisk.available ? Exact(figures.bankrollForRuinRisk.bankroll[i]) : "";
    };
    csv += "bankroll for " + std::to_string(kRuinRiskPercents[i]) + " % risk of ruin," + bankroll(s) +
           ',' + bankroll(t) + '\n';
  }
  AddEstimate(csv, "system minus flat per round", f.differencePerRound, {});
  AddEstimate(csv, "system minus flat per dollar bet", f.differencePerDollar, {});
  single("longest losing streak mean", f.longestLosingStreak.mean);
  single("longest losing streak max", f.longestLosingStreak.maximum);
  for (std::size_t cause = 0; cause < kCauseNames.size(); ++cause) {
    single(std::string("sessions ended by ") + kCauseNames[cause], f.endedBy[cause]);
  }
  return csv;
}

std::string SessionCsvRow(std::size_t number, const SessionRecord& r, const TestResult& frame) {
  const double start = frame.startingBankroll;
  return std::to_string(number) + ',' + (r.finished ? "1" : "0") + ',' +
         kCauseNames[static_cast<std::size_t>(r.endCause)] + ',' + Exact(r.rounds) + ',' +
         Exact(r.bankroll - start) + ',' + Exact(r.totalBet) + ',' + std::to_string(r.handsWon) + ',' +
         std::to_string(r.handsLost) + ',' + Exact(r.marks.largestStake) + ',' +
         Exact(r.marks.largestDrawdown) + ',' + (r.marks.ruined ? "1" : "0") + ',' +
         std::to_string(r.longestLosingStreak) + ',' + Exact(r.flatUnit) + ',' +
         Exact(r.flatBankroll - start) + ',' + Exact(r.flatTotalBet) + ',' +
         Exact(r.flatMarks.largestDrawdown) + ',' + (r.flatMarks.ruined ? "1" : "0") + ',' +
         (frame.unitInPercent ? "" : Exact(r.marks.requiredBankroll)) + '\n';
}

std::string SessionsCsv(const TestResult& result) {
  std::string csv = kSessionsCsvHeading;
  for (std::size_t i = 0; i < result.sessions.size(); ++i) {
    csv += SessionCsvRow(i + 1, result.sessions[i], result);
  }
  return csv;
}

std::string WalkCsvRows(std::size_t number, const SessionRecord& r) {
  std::string csv;
  for (const auto& [name, walk] : {std::pair{"system", &r.marks.walk}, std::pair{"flat", &r.flatMarks.walk}}) {
    for (const WalkPoint& point : *walk) {
      csv += std::to_string(number) + ',' + name + ',' + Exact(point.round) + ',' + Exact(point.bankroll) + '\n';
    }
  }
  return csv;
}

std::string WalksCsv(const TestResult& result) {
  std::string csv = kWalksCsvHeading;
  for (std::size_t i = 0; i < result.sessions.size(); ++i) csv += WalkCsvRows(i + 1, result.sessions[i]);
  return csv;
}

}  // namespace quorvel
