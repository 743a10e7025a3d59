// The bankroll a session needed so as never to face a stake it could not cover, and what that says over a test.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace quorvel {

// The shares of sessions going broke, in percent, that the bankroll figures answer for.
inline constexpr std::array<int, 5> kRuinRiskPercents = {1, 5, 10, 25, 50};

// The smallest whole-dollar starting bankroll with which a session that began
// at `start` would never have had less before a round than the round's stake,
// `leastCover` being the least amount by which the bankroll before a round
// exceeded its stake (+infinity without rounds). With the unit in dollars the
// rounds do not depend on the starting bankroll, so this one number answers
// for every bankroll.
double RequiredBankroll(double start, double leastCover);

// The share of sessions, with these required bankrolls, that go broke from `bankroll`.
double RuinRiskAt(const std::vector<double>& required, double bankroll);

// The risk of ruin against the starting bankroll: the corners of a falling
// step line from a bankroll of 0 to the largest need, where the risk is 0.
struct RuinPoint {
  double bankroll = 0;
  double risk = 0;
};
std::vector<RuinPoint> RuinRiskSteps(std::vector<double> required);

// The smallest whole-dollar bankroll from which at most `percent` % of the
// sessions go broke; one dollar less breaks more. 0 without sessions.
double BankrollForRuinRisk(std::vector<double> required, int percent);

// The bankrolls for each of kRuinRiskPercents; none when the rounds depend on
// the bankroll (a unit in percent of it).
struct RuinRiskBankrolls {
  bool available = false;
  std::array<double, kRuinRiskPercents.size()> bankroll{};
};
RuinRiskBankrolls BankrollsForRuinRisks(const std::vector<double>& required, bool available);

}  // namespace quorvel
