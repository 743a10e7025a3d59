// The settings a new user starts from: flat betting at a one-seat, six-deck table.
#pragma once

#include "config/settings_file.h"

namespace quorvel {

// One seat, 6 decks at 75 %, dealer stands on soft 17, doubling after splits,
// no surrender, $1000 bankroll, $10 unit, no win or loss limit, table limits
// $5 to $500, no progression.
SettingsFile DefaultSettings();

}  // namespace quorvel
