// Working out the figures of a test from its session records.
#include "runs/test_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel {
namespace {

double Sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

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

void RunningMeanMax::Add(double value) {
  count_ += 1;
  sum_ += value;
  if (count_ == 1 || maximum_ < value) maximum_ = value;
}

MeanAndMaximum RunningMeanMax::Result() const {
  if (count_ == 0) return {};
  return {sum_ / count_, maximum_};
}

void SystemColumns::Reserve(std::size_t sessions) {
  winnings_.reserve(sessions);
  totalBet_.reserve(sessions);
  requiredBankroll_.reserve(sessions);
}

void SystemColumns::Add(double winnings, double totalBet, const BankrollMarks& marks) {
  winnings_.push_back(winnings);
  totalBet_.push_back(totalBet);
  requiredBankroll_.push_back(marks.requiredBankroll);
  if (winnings > 0) won_ += 1;
  if (winnings < 0) lost_ += 1;
  if (winnings == 0) even_ += 1;
  if (marks.ruined) ruined_ += 1;
  largestStake_.Add(static_cast<double>(marks.largestStake));
  largestDrawdown_.Add(marks.largestDrawdown);
}

SystemFigures SystemColumns::Figures(const std::vector<double>& rounds, double roundsPerHour,
                                     bool unitInPercent) const {
  SystemFigures figures;
  figures.rounds = Sum(rounds);
  figures.winnings = Sum(winnings_);
  figures.totalBet = Sum(totalBet_);
  figures.perRound = RatioEstimate(winnings_, rounds);
  figures.perDollar = RatioEstimate(winnings_, totalBet_);
  figures.sessionsWon = won_;
  figures.sessionsLost = lost_;
  figures.sessionsEven = even_;
  if (!winnings_.empty()) {
    figures.riskOfRuin = static_cast<double>(ruined_) / static_cast<double>(winnings_.size());
  }
  figures.sessionWinnings = Describe(winnings_);
  figures.largestStake = largestStake_.Result();
  figures.largestDrawdown = largestDrawdown_.Result();
  figures.hourly = PerHour(rounds, winnings_, roundsPerHour);
  figures.bankrollForRuinRisk = BankrollsForRuinRisks(requiredBankroll_, !unitInPercent);
  return figures;
}

FigureColumns::FigureColumns(const TestResult& frame, int sessions)
    : start_(frame.startingBankroll), roundsPerHour_(frame.roundsPerHour), unitInPercent_(frame.unitInPercent) {
  const auto room = static_cast<std::size_t>(sessions);
  rounds_.reserve(room);
  system_.Reserve(room);
  flat_.Reserve(room);
}

void FigureColumns::Add(const SessionRecord& record) {
  endedBy_[static_cast<std::size_t>(record.endCause)] += 1;
  if (!record.finished) return;
  rounds_.push_back(record.rounds);
  system_.Add(record.bankroll - start_, record.totalBet, record.marks);
  flat_.Add(record.flatBankroll - start_, record.flatTotalBet, record.flatMarks);
  streaks_.Add(record.longestLosingStreak);
}

TestFigures FigureColumns::Figures() const {
  TestFigures figures;
  figures.endedBy = endedBy_;
  figures.sessions = static_cast<int>(rounds_.size());
  figures.system = system_.Figures(rounds_, roundsPerHour_, unitInPercent_);
  figures.flat = flat_.Figures(rounds_, roundsPerHour_, unitInPercent_);
  std::vector<double> difference = system_.Winnings();
  for (std::size_t i = 0; i < difference.size(); ++i) difference[i] -= flat_.Winnings()[i];
  figures.differencePerRound = RatioEstimate(difference, rounds_);
  figures.differencePerDollar =
      RatioDifference(system_.Winnings(), system_.TotalBets(), flat_.Winnings(), flat_.TotalBets());
  figures.longestLosingStreak = streaks_.Result();
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
  FigureColumns columns(result);
  for (const SessionRecord& record : result.sessions) columns.Add(record);
  return columns.Figures();
}

}  // namespace quorvel
