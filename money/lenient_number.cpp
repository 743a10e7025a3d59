// Lenient reading of typed numbers.
#include "money/lenient_number.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace quorvel {

namespace {

// The C locale's white space: what a stream or atoi skips.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips leading blanks and an optional sign; returns where the digits start.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

// Trailing blanks change no value (a CR of a CR LF line among them).
std::string_view WithoutTrailingBlanks(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

}  // namespace

IntegerPrefix ScanLeadingInteger(std::string_view text) {
  bool negative = false;
  std::size_t i = SkipBlanksAndSign(text, negative);
  // Accumulate in the negative range, which is one larger than the positive one.
  constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
  int64_t magnitude = 0;
  std::size_t digitsStart = i;
  while (i < text.size() && IsDigit(text[i])) {
    if (magnitude <= -kLow) magnitude = magnitude * 10 + (text[i] - '0');
    ++i;
  }
  if (i == digitsStart) return {};
  int64_t value = negative ? -magnitude : magnitude;
  if (value < kLow) value = kLow;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  return {static_cast<int32_t>(value), i, true};
}

int32_t LeadingInteger(std::string_view text) { return ScanLeadingInteger(text).value; }

double LeadingDecimal(std::string_view text) {
  bool negative = false;
  std::size_t i = SkipBlanksAndSign(text, negative);
  std::size_t start = i;
  std::size_t digits = 0;
  bool wholePartNonZero = false;
  while (i < text.size() && IsDigit(text[i])) {
    wholePartNonZero = wholePartNonZero || text[i] != '0';
    ++i, ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;

  double value = 0.0;
  auto [end, error] =
      std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
  (void)end;
  // Out of range is overflow when there are whole units, underflow otherwise.
  if (error == std::errc::result_out_of_range) {
    value = wholePartNonZero ? std::numeric_limits<double>::max() : 0.0;
  }
  return negative ? -value : value;
}

bool IsPlainWhole(std::string_view text) {
  text = WithoutTrailingBlanks(text);
  const IntegerPrefix number = ScanLeadingInteger(text);
  return number.hasDigits && number.length == text.size();
}

bool IsPlainDecimal(std::string_view text) {
  text = WithoutTrailingBlanks(text);
  bool negative = false;
  std::size_t i = SkipBlanksAndSign(text, negative);
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits > 0;
}

}  // namespace quorvel
