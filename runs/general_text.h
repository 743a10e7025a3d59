// The general text form of a number shown in counters: shortest, up to 15 significant digits.
#pragma once

#include <string>

namespace quorvel {

// 1234 gives "1234", 1234.5 gives "1234.5", 1e15 gives "1e+15" (as "%.15g" in the C locale).
// Independent of the process locale, so a screen toolkit that sets one cannot turn "." into ",".
std::string GeneralText(double value);

// The same text written at `first`, for writers that fill a buffer of their own;
// returns the end. Needs kGeneralTextMax characters of room.
inline constexpr int kGeneralTextMax = 32;
char* WriteGeneralText(char* first, double value);

}  // namespace quorvel
