// Prints a dealt round readably.
#include "cli/round_printer.h"

#include <iomanip>

namespace quorvel::cli {
namespace {

std::string Cards(const TableEngine& engine, int start) {
  std::string text;
  for (int p = start; p < start + kSlotSpan && engine.hands[p] != 0; ++p) {
    if (!text.empty()) text += ' ';
    text += engine.hands[p];
  }
  return text;
}

int OutcomeIndex(Label label) {
  switch (label) {
    case Label::dealer: return 0;
    case Label::dealer2: return 1;
    case Label::dealer3: return 2;
    case Label::dealer4: return 3;
    default: return -1;
  }
}

}  // namespace

void RoundPrinter::StartRound() {
  actions_.fill({});
  outcomes_.fill({});
  notice_.clear();
}

void RoundPrinter::SpecialAction(int hand, std::string_view text) {
  if (hand >= 0 && hand < 4) actions_[hand] = text;
}

void RoundPrinter::SetLabel(Label label, std::string_view text) {
  const int index = OutcomeIndex(label);
  if (index >= 0) outcomes_[index] = text;
}

void RoundPrinter::ShowLimitDialog(std::string_view message) { notice_ = message; }

void RoundPrinter::Print(std::ostream& out, TableEngine& engine, double round,
                         double before, double after, float stake) const {
  out << "Round " << std::fixed << std::setprecision(0) << round << "  (stake $" << stake
      << ")\n";
  out << "  Dealer:   " << std::left << std::setw(22) << Cards(engine, kDealerStart)
      << " total " << engine.AddTotal(kDealerStart) << '\n';
  for (int seat = 0; seat < engine.Rules().players; ++seat) {
    for (int slot = 0; slot < kUserHands; ++slot) {
      const int start = kSeatSpan * seat + kSlotSpan * slot;
      if (engine.hands[start] == 0) continue;
      std::string name = seat == 0 ? "You" : "Seat " + std::to_string(seat);
      if (slot > 0) name += " (split " + std::to_string(slot) + ")";
      out << "  " << std::setw(18) << name << std::setw(22) << Cards(engine, start) << " total "
          << engine.AddTotal(start);
      if (seat == 0) {
        if (!actions_[slot].empty()) out << "  " << actions_[slot];
        if (!outcomes_[slot].empty()) out << "  -> " << outcomes_[slot];
      }
      out << '\n';
    }
  }
  out << std::showpos << "  Result: $" << (after - before) << std::noshowpos << "   Bankroll: $"
      << after << '\n';
  if (!notice_.empty()) out << "  " << notice_ << '\n';
  out << std::defaultfloat;
}

}  // namespace quorvel::cli
