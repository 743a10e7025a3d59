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

// One session's money as the figures read it, for the system or for its twin.
struct SessionMoney {
  double rounds = 0;
  double winnings = 0;
  double totalBet = 0;
  const BankrollMarks* marks = nullptr;
};

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

// The figures of these sessions of `result`, which gives the rate of play and the unit.
SystemFigures FiguresOf(const std::vector<SessionMoney>& sessions, const TestResult& result);

// The required bankroll of each finished session, of the system or of its twin.
std::vector<double> RequiredBankrolls(const TestResult& result, bool twin);

// The figures over the finished sessions of a test; a stopped session counts
// only in endedBy.
TestFigures ComputeFigures(const TestResult& result);

}  // namespace quorvel
