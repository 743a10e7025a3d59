// The figures of a test: what the betting system did, how sure that is, and its flat-bet twin.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "runs/estimate.h"
#include "runs/hourly_figures.h"
#include "runs/required_bankroll.h"
#include "runs/test_runner.h"

namespace quorvel {

// Mean, spread and percentiles of a set of values (percentiles by linear
// interpolation between the sorted values, as most statistics programs do).
struct Distribution {
  double mean = 0;
  double median = 0;
  double standardDeviation = 0;  // of the sample (n - 1); 0 for one value
  double percentile5 = 0;
  double percentile95 = 0;
};
Distribution Describe(std::vector<double> values);
// The p-th percentile (0..100) of sorted values.
double Percentile(const std::vector<double>& sorted, double p);

// Largest stake, longest losing streak, largest drawdown: mean and maximum over sessions.
struct MeanAndMaximum {
  double mean = 0;
  double maximum = 0;
};

struct SystemFigures {
  double rounds = 0;
  double totalBet = 0;
  double winnings = 0;
  Estimate perRound;
  Estimate perDollar;
  int sessionsWon = 0;
  int sessionsLost = 0;
  int sessionsEven = 0;
  Distribution sessionWinnings;
  double riskOfRuin = 0;  // share of sessions ruined
  MeanAndMaximum largestStake;
  MeanAndMaximum largestDrawdown;
  HourlyFigures hourly;
  RuinRiskBankrolls bankrollForRuinRisk;
};

struct TestFigures {
  int sessions = 0;  // the finished sessions the figures cover
  SystemFigures system;
  SystemFigures flat;  // the flat-bet twin on the same cards
  Estimate differencePerRound;  // system minus flat
  Estimate differencePerDollar;
  MeanAndMaximum longestLosingStreak;
  // Sessions ended by each cause, indexed by SessionEndCause.
  std::array<int, kEndCauses> endedBy{};
};

// A mean and a maximum kept as values come, in the order they come.
class RunningMeanMax {
 public:
  void Add(double value);
  MeanAndMaximum Result() const;

 private:
  double count_ = 0;
  double sum_ = 0;
  double maximum_ = 0;
};

// What the figures need of one system's finished sessions: four numbers a
// session, and counts and marks that run along.
class SystemColumns {
 public:
  void Reserve(std::size_t sessions);
  void Add(double winnings, double totalBet, const BankrollMarks& marks);
  // With the unit in percent, no required bankroll holds for another bankroll.
  SystemFigures Figures(const std::vector<double>& rounds, double roundsPerHour, bool unitInPercent) const;
  const std::vector<double>& Winnings() const { return winnings_; }
  const std::vector<double>& TotalBets() const { return totalBet_; }

 private:
  std::vector<double> winnings_;
  std::vector<double> totalBet_;
  std::vector<double> requiredBankroll_;
  int won_ = 0;
  int lost_ = 0;
  int even_ = 0;
  int ruined_ = 0;
  RunningMeanMax largestStake_;
  RunningMeanMax largestDrawdown_;
};

// The figures of a test gathered session by session, in session order: a few
// tens of bytes a finished session, however many there are.
class FigureColumns {
 public:
  FigureColumns() = default;
  // `frame` gives the starting bankroll, the rate of play and the unit's kind.
  // Room is made for `sessions` at once: grown as they come, the columns
  // would hold up to twice that at their peak.
  explicit FigureColumns(const TestResult& frame, int sessions = 0);
  void Add(const SessionRecord& record);
  // The figures over the finished sessions; a stopped session counts only in endedBy.
  TestFigures Figures() const;

 private:
  double start_ = 0;
  double roundsPerHour_ = kDefaultRoundsPerHour;
  bool unitInPercent_ = false;
  std::vector<double> rounds_;
  SystemColumns system_;
  SystemColumns flat_;
  RunningMeanMax streaks_;
  std::array<int, kEndCauses> endedBy_{};
};

// The required bankroll of each finished session, of the system or of its twin.
std::vector<double> RequiredBankrolls(const TestResult& result, bool twin);

// The figures of a test whose records were kept.
TestFigures ComputeFigures(const TestResult& result);

}  // namespace quorvel
