// Money shown in a label: whole dollars, truncated toward zero.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace quorvel {

inline std::string GetCaption(double amount) {
  const double whole = std::trunc(amount);
  if (std::fabs(whole) < 9.0e18) return std::to_string(static_cast<long long>(whole));
  // Beyond what a 64-bit integer holds (or not a number): print it whole.
  char text[512];
  std::snprintf(text, sizeof text, "%.0f", whole);
  return text;
}

}  // namespace quorvel
