// Money written into a label of the screen: only manual play shows it.
#pragma once

#include "engine/display.h"

namespace quorvel {

// Kept out of line and cold, so a round of a test carries none of the text
// formatting it never runs.
[[gnu::cold]] void ShowCaption(Display& display, Label label, double amount);

}  // namespace quorvel
