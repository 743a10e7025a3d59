// Applying one progression action to the stake, and the message that tells the user.
#include "money/win_loss_choices.h"

#include <charconv>
#include <string_view>

namespace quorvel {

bool WLChoices(MoneyState& money, BetAction action, float amount, bool testRunning,
               SessionEndSink& sessionEnd) {
  switch (action) {
    case kSetBet:
      money.betUnits = amount;
      // The stake a rule sets is meant literally, even outside the table limits.
      money.limitsActive = false;
      break;
    case kIncreaseBet:
      money.betUnits += amount;
      break;
    case kDecreaseBet:
      money.betUnits -= amount;
      break;
    case kMultiplyBet:
      money.betUnits *= amount;
      break;
    case kDivideBet:
      // A zero divisor would leave an infinite or NaN stake; keep the stake instead.
      if (amount != 0.0f) money.betUnits /= amount;
      break;
    case kEndSession:
      sessionEnd.EndSession("The session has ended.");
      if (testRunning) return true;
      break;
    default:
      // 0, and codes outside 0..6 from a foreign file, do nothing.
      return false;
  }
  if (money.betUnits < 0.0f) money.betUnits = 0.0f;
  return true;
}

bool SeeWL(BetAction action, float amount, std::string& message) {
  std::string_view prefix;
  switch (action) {
    case kSetBet: prefix = "Set bet to "; break;
    case kIncreaseBet: prefix = "Increased bet by "; break;
    case kDecreaseBet: prefix = "Decreased bet by "; break;
    case kMultiplyBet: prefix = "Multiplied bet by "; break;
    case kDivideBet: prefix = "Divided bet by "; break;
    case kEndSession:
      message = "End session";
      return true;
    default:
      message.clear();
      return false;
  }
  message = prefix;
  // General format, 2 significant digits, like "%.2g", but independent of the
  // C locale a screen toolkit may set (which could print "1,5").
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, amount,
                                     std::chars_format::general, 2);
  message.append(digits, written.ptr);
  return true;
}

}  // namespace quorvel
