// Making the last-used settings file the active settings and restarting from them.
#pragma once

#include <filesystem>

#include "config/active_settings.h"
#include "runs/simulator.h"

namespace quorvel {


// The active copy as the engine and money management take it: rule bytes
// that are nonzero count as set, money texts read leniently as numbers.
AppliedSettings ToAppliedSettings(const ActiveSettings& active);

// Reads `file` into `active` (a value that cannot be read keeps its previous
// value) and applies it to the table. The status says whether the file was
// read whole; the table is restarted either way.
SettingsStatus ReturnData(Simulator& simulator, ActiveSettings& active,
                          const std::filesystem::path& file);

}  // namespace quorvel
