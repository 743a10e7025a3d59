// FormatTotals: the text of a money figure or a ratio, cut (not rounded) to 2 or 5 decimals.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// The two modes in use; the mode is also the number of characters kept from the point on.
inline constexpr int8_t kDollarForm = 3;  // "$12.34"
inline constexpr int8_t kRatioForm = 6;   // "0.12345"

// "$%f" for the dollar form, "%f" otherwise, then cut to (index of the point + mode) characters
// when the point sits at index 1 to 17; a point further right leaves the text whole.
// Examples: 12.3456789 dollar form "$12.34"; -0.005 "$-0.00"; 0.1234567 ratio form "0.12345".
std::string FormatTotals(int8_t mode, double value);

}  // namespace quorvel
