// How the engine carries out a chart code.
#include "tools/chart_analyzer/play_codes.h"

namespace quorvel::analyzer {

char CodeForHand(const ColumnCodes& codes, const Hand& hand) {
  const int total = hand.Total();
  if (total > 21) return 'S';
  if (hand.Soft()) return total == 21 ? 'S' : codes.soft[total];
  if (total >= 18) return 'S';
  if (total < 8) return 'H';
  return codes.hard[total];
}

bool HitsAfterTwoCards(char code) { return code == 'H' || code == 'D' || code == 'R'; }

Move TwoCardMove(char code, bool mayDouble, bool maySurrender) {
  switch (code) {
    case 'D':
    case 'd':
      if (mayDouble) return Move::kDouble;
      break;
    case 'R':
    case 'Q':
      if (maySurrender) return Move::kSurrender;
      break;
    default:
      break;
  }
  return HitsAfterTwoCards(code) ? Move::kHit : Move::kStand;
}

}  // namespace quorvel::analyzer
