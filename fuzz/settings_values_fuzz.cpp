// Fuzzes the check of settings values over the options any settings bytes give.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>

#include "config/active_settings.h"
#include "config/settings_values.h"
#include "fuzz/fuzz_support.h"
#include "money/session_money.h"
#include "runs/return_data.h"

using quorvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quorvel;
  const ActiveSettings active = ReadActiveSettingsBytes(std::span(data, size), {}).settings;
  const TableOptions& options = active.options;
  const auto problem = CheckSettingsValues(options);
  const auto typed = CheckTypedSettings(options);

  // What a person types is held to more than what a file holds, never to less.
  Require(problem.has_value() <= typed.has_value());
  for (const auto& found : {problem, typed}) {
    if (!found) continue;
    std::string name(FieldName(found->field));
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    Require(found->message.rfind(name + " ", 0) == 0);
  }
  if (problem) return 0;

  // Settings that pass set up a table whose bankroll is positive and fits the log, under limits
  // that are in order.
  const AppliedSettings applied = ToAppliedSettings(active);
  MoneyState money;
  SetUpSessionMoney(money, applied.money);
  Require(money.startingBankroll > 0);
  Require(money.startingBankroll <= std::numeric_limits<int32_t>::max());
  Require(applied.tableMinimum >= 0 && applied.tableMinimum <= applied.tableMaximum);
  return 0;
}
