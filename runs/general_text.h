// The general text form of a number shown in counters: shortest, up to 15 significant digits.
#pragma once

#include <string>

namespace quorvel {

// 1234 gives "1234", 1234.5 gives "1234.5", 1e15 gives "1e+15" (as "%.15g" in the C locale).
// Independent of the process locale, so a screen toolkit that sets one cannot turn "." into ",".
std::string GeneralText(double value);

}  // namespace quorvel
