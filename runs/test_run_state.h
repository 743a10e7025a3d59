// Where a run stands: manual play or a test, rounds dealt and the session's end mark.
#pragma once

#include <cstdint>

namespace quorvel {

struct TestRunState {
  int8_t testRunning = 0;  // 0 manual, 1 test running, -1 test refused
  bool runRequested = false;
  double handsPlayed = 0;
  double sessionLastHand = 0;  // 0: no session bookkeeping
  double handsPerSession = 0;  // 0: no limit
  int8_t sessionsLeft = 0;
  int32_t sessionHand = 0;
};

}  // namespace quorvel
