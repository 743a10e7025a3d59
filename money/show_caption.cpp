// Money written into a label of the screen.
#include "money/show_caption.h"

#include "money/caption.h"

namespace quorvel {

void ShowCaption(Display& display, Label label, double amount) {
  display.SetLabel(label, GetCaption(amount));
}

}  // namespace quorvel
