// The general text form of a number: shortest decimal form, up to 15 significant digits.
#include "runs/general_text.h"

#include <array>
#include <charconv>

namespace quorvel {

char* WriteGeneralText(char* first, double value) {
  // 15 significant digits never need more than sign, digits, point and a 4-character exponent.
  return std::to_chars(first, first + kGeneralTextMax, value, std::chars_format::general, 15).ptr;
}

std::string GeneralText(double value) {
  std::array<char, kGeneralTextMax> buffer{};
  return std::string(buffer.data(), WriteGeneralText(buffer.data(), value));
}

}  // namespace quorvel
