// The general text form of a number: shortest decimal form, up to 15 significant digits.
#include "runs/general_text.h"

#include <array>
#include <charconv>

namespace quorvel {

std::string GeneralText(double value) {
  // 15 significant digits never need more than sign, digits, point and a 4-character exponent.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace quorvel
