// Reading the values typed after the options, with messages that say what each option takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::cli {

// Seeds are 32-bit: the clock in whole seconds, or one the user gives.
inline constexpr int64_t kLargestSeed = 4294967295;

// 'text', for a message.
std::string Quoted(std::string_view text);

bool IsDigit(char c);

// Digits only: no sign, blank or decimal point; short enough, past its leading zeros, not to overflow.
std::optional<int64_t> WholeNumber(std::string_view text);

// Reads a whole number from low to high into `value`, or says what the option
// takes: "--players takes a whole number from 1 to 7, not '8'".
std::optional<std::string> ReadWhole(std::string_view option, const std::string& text, int64_t low,
                                     int64_t high, int64_t& value);

// A deck count: 2, 4, 6 or 8.
std::optional<std::string> ReadDecks(std::string_view option, const std::string& text,
                                     int64_t& value);

// A sentence of the core's, to go after a colon in a message: its first letter
// small and its full stop dropped.
std::string SentencePart(std::string sentence);

// A file name option that was given must name something: "--log needs a file name".
std::optional<std::string> RequireName(std::string_view option,
                                       const std::optional<std::string>& name);

}  // namespace quorvel::cli
