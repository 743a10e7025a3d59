// A display that records what the engine asks it to show.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/display.h"

namespace quorvel::testing {

class RecordingDisplay : public Display {
 public:
  void GetImage(int position) override { positions.push_back(position); }
  void UpDateJpgs(CardName card) override { cards.push_back(card); }
  void SpecialAction(int hand, std::string_view text) override {
    actions[hand] = std::string(text);
  }
  void SetLabel(Label label, std::string_view text) override {
    labels[label] = std::string(text);
  }
  void ShowLimitDialog(std::string_view message) override { dialogs.emplace_back(message); }

  std::vector<int> positions;
  std::vector<CardName> cards;
  std::map<int, std::string> actions;
  std::map<Label, std::string> labels;
  std::vector<std::string> dialogs;
};

}  // namespace quorvel::testing
