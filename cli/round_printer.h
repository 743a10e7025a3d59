// Prints a dealt round readably: every seat's hands, the dealer, decisions, outcomes and money.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "engine/display.h"
#include "engine/table_engine.h"

namespace quorvel::cli {

// Collects what the engine would show on the table during a round.
class RoundPrinter : public Display {
 public:
  void SpecialAction(int hand, std::string_view text) override;
  void SetLabel(Label label, std::string_view text) override;
  void ShowLimitDialog(std::string_view message) override;

  void StartRound();
  // Writes the round just dealt; `before` and `after` are the bankroll.
  void Print(std::ostream& out, TableEngine& engine, double round, double before,
             double after, float stake) const;

 private:
  std::array<std::string, 4> actions_;
  std::array<std::string, 4> outcomes_;
  std::string notice_;
};

}  // namespace quorvel::cli
