// The check of settings values that no table can play or the log page cannot show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/table_options.h"

namespace quorvel {

// Which value a problem is about, so a screen can focus its box and the command line name it.
enum class SettingsField { kBankroll, kBetUnit, kWinLimit, kLossLimit, kBetMinimum, kBetMaximum };

struct SettingsValueProblem {
  SettingsField field;
  std::string message;  // one sentence a user can read, naming the field and its value
};

// Values read as the program reads them (lenient numbers): bankroll and unit
// above 0; a percent unit above 0 and at most 100, and no bankroll in units
// beside it; the table minimum 0 to 9999 and the maximum 1 to 9999, the
// minimum not above the maximum; a limit's amount above 0 when the limit is
// on; the starting bankroll in dollars, and it plus the win limit, within
// 32-bit whole dollars, where the log keeps a session's high. The first
// problem found, or nothing.
std::optional<SettingsValueProblem> CheckSettingsValues(const TableOptions& options);

// The same for what a person typed: a money text in use must also be a plain
// number ("abc" and "12x" are refused, where a file's lenient reading takes 0 and 12).
std::optional<SettingsValueProblem> CheckTypedSettings(const TableOptions& options);

// The field's name as messages and the command line show it ("bankroll", "bet unit", ...).
std::string_view FieldName(SettingsField field);

}  // namespace quorvel
