// Lenient reading of typed numbers: the leading number of a text, never an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvel {

// What a leading-integer scan found. `length` counts the characters consumed
// (blanks, sign and digits); it is 0 when there are no digits.
struct IntegerPrefix {
  int32_t value = 0;
  std::size_t length = 0;
  bool hasDigits = false;
};

// Skips leading white space, takes an optional sign, then decimal digits up to
// the first other character. Values beyond the int32_t range saturate.
IntegerPrefix ScanLeadingInteger(std::string_view text);

// The integer value of a money text: "12.5" gives 12, " -7x" gives -7, a text
// without digits gives 0.
int32_t LeadingInteger(std::string_view text);

// The decimal value of a percent text: "0.5" and ".5" give 0.5, "2." gives 2,
// a text without a number gives 0. No exponents, infinities or NaNs, so the
// result is always finite (saturating at the largest double).
double LeadingDecimal(std::string_view text);

// True when the lenient reading takes the whole text: blanks, a sign and
// digits (and for a decimal one point), with nothing else but trailing blanks.
bool IsPlainWhole(std::string_view text);
bool IsPlainDecimal(std::string_view text);

}  // namespace quorvel
