// Whole dollars as the log keeps them: truncated toward zero, held to 32 bits.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvel {

// A bankroll beyond what 32 bits hold saturates instead of wrapping into
// nonsense (a bankroll in units can reach 10^14 dollars).
inline int32_t WholeDollars(double amount) {
  if (std::isnan(amount)) return 0;
  const double whole = std::trunc(amount);
  if (whole >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (whole <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(whole);
}

}  // namespace quorvel
