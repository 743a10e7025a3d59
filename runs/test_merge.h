// Merging a test's session records, in session order, into its result, log page and figures.
#pragma once

#include "runs/session_stats.h"
#include "runs/test_figures.h"
#include "runs/test_log.h"
#include "runs/test_runner.h"

namespace quorvel {

class TestMerge {
 public:
  // `keepSessions` keeps every record in result.sessions, for a screen that
  // shows them; otherwise a session leaves only what the figures need.
  TestMerge(const Simulator& base, const TestPlan& plan, bool keepSessions, TestResult& result,
            SessionStats& stats, TestLog& log);
  // The next session, in order.
  void Add(const SessionRecord& record);
  // After the last session: the log page is reviewed.
  void Finish();
  TestFigures Figures() const { return columns_.Figures(); }

 private:
  const TestPlan& plan_;
  bool keepSessions_;
  TestResult& result_;
  SessionStats& stats_;
  TestLog& log_;
  int added_ = 0;
  bool stoppedSessionSeen_ = false;
  FigureColumns columns_;
};

}  // namespace quorvel
