// The settings a new user starts from.
#include "config/default_settings.h"

namespace quorvel {

SettingsFile DefaultSettings() {
  SettingsFile settings;
  TableOptions& options = settings.options;
  options.players = 1;
  options.decks = 6;
  options.penetration = 75;
  options.bankrollText = MakeSettingsText("1000");
  options.betUnitText = MakeSettingsText("10");
  options.winLimitText = MakeSettingsText("0");
  options.lossLimitText = MakeSettingsText("0");
  settings.SetTableLimits(5, 500);
  return settings;
}

}  // namespace quorvel
