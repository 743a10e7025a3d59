// FormatTotals: fixed 6-decimal text of a figure, cut after the point.
#include "runs/format_totals.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quorvel {

namespace {

// The point is looked for at these indexes only (index 0 is never examined).
constexpr std::size_t kFirstPointIndex = 1;
constexpr std::size_t kLastPointIndex = 17;

}  // namespace

std::string FormatTotals(int8_t mode, double value) {
  std::string text = mode == kDollarForm ? "$" : "";
  // The largest double takes 309 digits before the point; to_chars is the locale-free "%f".
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 6);
  text.append(buffer.data(), result.ptr);

  const std::size_t last = std::min(kLastPointIndex, text.size() - 1);
  for (std::size_t index = kFirstPointIndex; index <= last; ++index) {
    if (text[index] != '.') continue;
    // Only modes 3 and 6 are used; any other mode still yields a prefix of the text.
    const long keep = std::clamp(static_cast<long>(index) + mode, 0L,
                                 static_cast<long>(text.size()));
    text.resize(static_cast<std::size_t>(keep));
    break;
  }
  return text;
}

}  // namespace quorvel
