// Working out the figures of a test from its session records.
#include "runs/test_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel {
namespace {

template <typename Read>
std::vector<double> Column(const std::vector<SessionMoney>& sessions, Read read) {
  std::vector<double> values;
  values.reserve(sessions.size());
  for (const SessionMoney& session : sessions) values.push_back(read(session));
  return values;
}

MeanAndMaximum MeanMax(const std::vector<double>& values) {
  if (values.empty()) return {};
  const double sum = std::accumulate(values.begin(), values.end(), 0.0);
  return {sum / static_cast<double>(values.size()), *std::max_element(values.begin(), values.end())};
}

}  // namespace

double Percentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const double position = p / 100 * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  if (below + 1 >= sorted.size()) return sorted.back();
  const double fraction = position - static_cast<double>(below);
  return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

Distribution Describe(std::vector<double> values) {
  Distribution d;
  if (values.empty()) return d;
  std::sort(values.begin(), values.end());
  const double n = static_cast<double>(values.size());
  d.mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
  if (values.size() > 1) {
    double squares = 0;
    for (double v : values) squares += (v - d.mean) * (v - d.mean);
    d.standardDeviation = std::sqrt(squares / (n - 1));
  }
  d.median = Percentile(values, 50);
  d.percentile5 = Percentile(values, 5);
  d.percentile95 = Percentile(values, 95);
  return d;
}

SystemFigures FiguresOf(const std::vector<SessionMoney>& sessions, const TestResult& result) {
  SystemFigures figures;
  const std::vector<double> rounds = Column(sessions, [](const SessionMoney& s) { return s.rounds; });
  const std::vector<double> winnings = Column(sessions, [](const SessionMoney& s) { return s.winnings; });
  const std::vector<double> bets = Column(sessions, [](const SessionMoney& s) { return s.totalBet; });
  figures.rounds = std::accumulate(rounds.begin(), rounds.end(), 0.0);
  figures.winnings = std::accumulate(winnings.begin(), winnings.end(), 0.0);
  figures.totalBet = std::accumulate(bets.begin(), bets.end(), 0.0);
  figures.perRound = RatioEstimate(winnings, rounds);
  figures.perDollar = RatioEstimate(winnings, bets);
  int ruined = 0;
  for (const SessionMoney& session : sessions) {
    if (session.winnings > 0) figures.sessionsWon += 1;
    if (session.winnings < 0) figures.sessionsLost += 1;
    if (session.winnings == 0) figures.sessionsEven += 1;
    if (session.marks->ruined) ruined += 1;
  }
  if (!sessions.empty()) figures.riskOfRuin = static_cast<double>(ruined) / static_cast<double>(sessions.size());
  figures.sessionWinnings = Describe(winnings);
  figures.largestStake = MeanMax(Column(sessions, [](const SessionMoney& s) {
    return static_cast<double>(s.marks->largestStake);
  }));
  figures.largestDrawdown =
      MeanMax(Column(sessions, [](const SessionMoney& s) { return s.marks->largestDrawdown; }));
  figures.hourly = PerHour(rounds, winnings, result.roundsPerHour);
  figures.bankrollForRuinRisk = BankrollsForRuinRisks(
      Column(sessions, [](const SessionMoney& s) { return s.marks->requiredBankroll; }),
      !result.unitInPercent);
  return figures;
}

std::vector<double> RequiredBankrolls(const TestResult& result, bool twin) {
  std::vector<double> required;
  for (const SessionRecord& record : result.sessions) {
    if (record.finished) required.push_back((twin ? record.flatMarks : record.marks).requiredBankroll);
  }
  return required;
}

TestFigures ComputeFigures(const TestResult& result) {
  TestFigures figures;
  std::vector<SessionMoney> system;
  std::vector<SessionMoney> flat;
  std::vector<double> streaks;
  const double start = result.startingBankroll;
  for (const SessionRecord& record : result.sessions) {
    figures.endedBy[static_cast<std::size_t>(record.endCause)] += 1;
    if (!record.finished) continue;
    system.push_back({record.rounds, record.bankroll - start, record.totalBet, &record.marks});
    flat.push_back({record.rounds, record.flatBankroll - start, record.flatTotalBet, &record.flatMarks});
    streaks.push_back(record.longestLosingStreak);
  }
  figures.sessions = static_cast<int>(system.size());
  figures.system = FiguresOf(system, result);
  figures.flat = FiguresOf(flat, result);
  auto column = [](const std::vector<SessionMoney>& sessions, double SessionMoney::*field) {
    return Column(sessions, [field](const SessionMoney& s) { return s.*field; });
  };
  const std::vector<double> rounds = column(system, &SessionMoney::rounds);
  std::vector<double> difference = column(system, &SessionMoney::winnings);
  const std::vector<double> flatWinnings = column(flat, &SessionMoney::winnings);
  for (std::size_t i = 0; i < difference.size(); ++i) difference[i] -= flatWinnings[i];
  figures.differencePerRound = RatioEstimate(difference, rounds);
  figures.differencePerDollar =
      RatioDifference(column(system, &SessionMoney::winnings), column(system, &SessionMoney::totalBet),
                      flatWinnings, column(flat, &SessionMoney::totalBet));
  figures.longestLosingStreak = MeanMax(streaks);
  return figures;
}

}  // namespace quorvel
