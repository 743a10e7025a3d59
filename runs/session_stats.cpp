// LogHighLow: writes one finished session into the per-session tables.
#include "runs/session_stats.h"

#include "runs/wrapping_int32.h"

namespace quorvel {

bool LogHighLow(SessionStats& stats, int32_t logLine, int32_t finalDollars, int32_t maxHigh,
                int32_t maxHighHand, int32_t maxLow, int32_t maxLowHand, int8_t sessionsLeft) {
  const int64_t row = static_cast<int64_t>(logLine) - sessionsLeft;
  if (row < kFirstSessionRow || row > kLastSessionRow) return false;
  const auto index = static_cast<std::size_t>(row);
  stats.sessionMaxHigh[index] = maxHigh;
  stats.sessionMaxHighHand[index] = maxHighHand;
  stats.sessionMaxLow[index] = maxLow;
  stats.sessionMaxLowHand[index] = maxLowHand;
  stats.sessionWinnings[index] =
      Wrap32(static_cast<int64_t>(finalDollars) - stats.startDollars);
  return true;
}

}  // namespace quorvel
