// The check of settings values that no table can play or the log page cannot show.
#include "config/settings_values.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "config/settings_warnings.h"
#include "money/lenient_number.h"

namespace quorvel {
namespace {

constexpr int64_t kLargestLogged = std::numeric_limits<int32_t>::max();
constexpr int32_t kLargestTableLimit = 9999;

bool WinLimitOn(const TableOptions& o) { return o.winLimitMode == 1 || o.winLimitMode == 2; }
bool LossLimitOn(const TableOptions& o) { return o.lossLimitMode == 1; }

std::string Dollars(int64_t value) {
  return value < 0 ? "-$" + std::to_string(-value) : "$" + std::to_string(value);
}

std::string Decimal(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

SettingsValueProblem Problem(SettingsField field, const std::string& rest) {
  std::string name(FieldName(field));
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return {field, name + " " + rest};
}

// A money text in use that the lenient reading does not take whole.
std::optional<SettingsValueProblem> NotPlain(SettingsField field, const SettingsText& stored,
                                             bool decimal) {
  const std::string text = TextOf(stored);
  if (decimal ? IsPlainDecimal(text) : IsPlainWhole(text)) return std::nullopt;
  return Problem(field, "'" + ShownText(text) + "' is not a " +
                            (decimal ? "number." : "whole number."));
}

}  // namespace

std::string_view FieldName(SettingsField field) {
  switch (field) {
    case SettingsField::kBankroll: return "starting bankroll";
    case SettingsField::kBetUnit: return "bet unit";
    case SettingsField::kWinLimit: return "win limit";
    case SettingsField::kLossLimit: return "loss limit";
    case SettingsField::kBetMinimum: return "bet minimum";
    case SettingsField::kBetMaximum: return "bet maximum";
  }
  return "setting";
}

std::optional<SettingsValueProblem> CheckSettingsValues(const TableOptions& o) {
  using F = SettingsField;
  const int64_t bankroll = LeadingInteger(TextOf(o.bankrollText));
  const bool inUnits = o.bankrollInUnits != 0;
  const bool percent = o.betUnitInPercent != 0;
  const std::string bankrollShown = inUnits ? std::to_string(bankroll) + " units" : Dollars(bankroll);
  if (bankroll <= 0) return Problem(F::kBankroll, "must be more than 0 (it is " + bankrollShown + ").");

  int64_t unitDollars = 0;
  if (percent) {
    const double share = LeadingDecimal(TextOf(o.betUnitText));
    if (!(share > 0 && share <= 100)) {
      return Problem(F::kBetUnit, "must be more than 0 and at most 100 percent of the bankroll (it is " +
                                      Decimal(share) + " percent).");
    }
    if (inUnits) {
      return Problem(F::kBankroll, "cannot be counted in units when the bet unit is a percent of it.");
    }
  } else {
    unitDollars = LeadingInteger(TextOf(o.betUnitText));
    if (unitDollars <= 0) {
      return Problem(F::kBetUnit, "must be more than $0 (it is " + Dollars(unitDollars) + ").");
    }
  }

  if (o.betMinimum < 0 || o.betMinimum > kLargestTableLimit) {
    return Problem(F::kBetMinimum, "must be from $0 to $9999 (it is " + Dollars(o.betMinimum) + ").");
  }
  if (o.betMaximum < 1 || o.betMaximum > kLargestTableLimit) {
    return Problem(F::kBetMaximum, "must be from $1 to $9999 (it is " + Dollars(o.betMaximum) + ").");
  }
  if (o.betMinimum > o.betMaximum) {
    return Problem(F::kBetMinimum, "(" + Dollars(o.betMinimum) + ") must not be above the bet maximum (" +
                                       Dollars(o.betMaximum) + ").");
  }

  const int64_t winLimit = LeadingInteger(TextOf(o.winLimitText));
  if (WinLimitOn(o) && winLimit <= 0) {
    return Problem(F::kWinLimit, "must be more than $0 when it is on (it is " + Dollars(winLimit) + ").");
  }
  const int64_t lossLimit = LeadingInteger(TextOf(o.lossLimitText));
  if (LossLimitOn(o) && lossLimit <= 0) {
    return Problem(F::kLossLimit, "must be more than $0 when it is on (it is " + Dollars(lossLimit) + ").");
  }

  // Both factors have at most 7 digits, so the product fits in 64 bits.
  const int64_t startDollars = inUnits ? bankroll * unitDollars : bankroll;
  const int64_t highest = startDollars + (WinLimitOn(o) ? winLimit : 0);
  if (highest > kLargestLogged) {
    return Problem(WinLimitOn(o) && startDollars <= kLargestLogged ? F::kWinLimit : F::kBankroll,
                   "is too large: the bankroll could reach " + Dollars(highest) +
                       ", more than the log can hold ($2147483647).");
  }
  return std::nullopt;
}

std::optional<SettingsValueProblem> CheckTypedSettings(const TableOptions& o) {
  using F = SettingsField;
  if (auto p = NotPlain(F::kBankroll, o.bankrollText, false)) return p;
  if (auto p = NotPlain(F::kBetUnit, o.betUnitText, o.betUnitInPercent != 0)) return p;
  if (WinLimitOn(o)) {
    if (auto p = NotPlain(F::kWinLimit, o.winLimitText, false)) return p;
  }
  if (LossLimitOn(o)) {
    if (auto p = NotPlain(F::kLossLimit, o.lossLimitText, false)) return p;
  }
  return CheckSettingsValues(o);
}

}  // namespace quorvel
