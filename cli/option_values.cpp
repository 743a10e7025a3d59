// Reading the values typed after the options.
#include "cli/option_values.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace quorvel::cli {

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int64_t> WholeNumber(std::string_view text) {
  if (text.empty() || !IsDigit(text.front())) return std::nullopt;
  // Leading zeros do not count toward the length, so 0001 and 1 read alike however many there are.
  text.remove_prefix(std::min(text.find_first_not_of('0'), text.size() - 1));
  if (text.size() > 18) return std::nullopt;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> ReadWhole(std::string_view option, const std::string& text, int64_t low,
                                     int64_t high, int64_t& value) {
  const std::optional<int64_t> number = WholeNumber(text);
  if (!number || *number < low || *number > high) {
    return std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not " + Quoted(text);
  }
  value = *number;
  return std::nullopt;
}

std::optional<std::string> ReadDecks(std::string_view option, const std::string& text,
                                     int64_t& value) {
  const std::optional<int64_t> decks = WholeNumber(text);
  if (!decks || (*decks != 2 && *decks != 4 && *decks != 6 && *decks != 8)) {
    return std::string(option) + " takes 2, 4, 6 or 8, not " + Quoted(text);
  }
  value = *decks;
  return std::nullopt;
}

std::string SentencePart(std::string sentence) {
  if (!sentence.empty() && sentence.back() == '.') sentence.pop_back();
  if (!sentence.empty() && sentence[0] >= 'A' && sentence[0] <= 'Z') {
    sentence[0] = static_cast<char>(sentence[0] - 'A' + 'a');
  }
  return sentence;
}

std::optional<std::string> RequireName(std::string_view option,
                                       const std::optional<std::string>& name) {
  if (name && name->empty()) return std::string(option) + " needs a file name, not an empty text";
  return std::nullopt;
}

}  // namespace quorvel::cli
