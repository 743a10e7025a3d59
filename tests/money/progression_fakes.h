// Recording stand-ins for the session-end sink and the display, for progression tests.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/display.h"
#include "money/session_end.h"

namespace quorvel::testing {

struct RecordingSessionEnd : SessionEndSink {
  std::vector<std::string> messages;
  void EndSession(std::string_view message) override { messages.emplace_back(message); }
};

struct RecordingDisplay : Display {
  std::vector<std::pair<Label, std::string>> labels;
  int otherCalls = 0;
  void SetLabel(Label label, std::string_view text) override { labels.emplace_back(label, text); }
  void ShowLimitDialog(std::string_view) override { ++otherCalls; }
  void GetImage(int) override { ++otherCalls; }
  void Vanish() override { ++otherCalls; }
};

}  // namespace quorvel::testing
