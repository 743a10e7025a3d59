// Making the last-used settings file the active settings and restarting from them.
#include "runs/return_data.h"

#include "money/lenient_number.h"

namespace quorvel {

AppliedSettings ToAppliedSettings(const ActiveSettings& active) {
  const TableOptions& options = active.options;
  AppliedSettings applied;
  applied.rules.players = options.players;
  applied.rules.decks = options.decks;
  applied.rules.penetration = options.penetration;
  applied.rules.dealerHitsSoft17 = options.dealerHitsSoft17 != 0;
  applied.rules.lateSurrender = options.lateSurrender != 0;
  applied.rules.noDoubleAfterSplit = options.noDoubleAfterSplit != 0;

  MoneySettings& money = applied.money;
  money.bankroll = LeadingInteger(TextOf(options.bankrollText));
  money.bankrollInUnits = options.bankrollInUnits != 0;
  money.betUnitInPercent = options.betUnitInPercent != 0;
  money.unitDollars = LeadingInteger(TextOf(options.betUnitText));
  money.unitPercent = LeadingDecimal(TextOf(options.betUnitText));
  money.modes = {options.winLimitMode, options.lossLimitMode};
  money.winLimit = LeadingInteger(TextOf(options.winLimitText));
  money.lossLimit = LeadingInteger(TextOf(options.lossLimitText));

  applied.tableMinimum = active.limits.tableMinimum;
  applied.tableMaximum = active.limits.tableMaximum;
  applied.progression = active.progression;
  return applied;
}

SettingsStatus ReturnData(Simulator& simulator, ActiveSettings& active,
                          const std::filesystem::path& file) {
  ActiveReadResult read = ReadActiveSettings(file, active);
  active = read.settings;
  simulator.ApplySettings(ToAppliedSettings(active));
  return read.status;
}

}  // namespace quorvel
