// The active settings the engine plays by, read straight from the last-used settings file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "config/table_options.h"
#include "money/progression_table.h"

namespace quorvel {

// The table limits as money management holds them (MoneyState's tableMinimum
// and tableMaximum).
struct TableLimits {
  int32_t tableMinimum = 0;
  int32_t tableMaximum = 200;
  friend bool operator==(const TableLimits&, const TableLimits&) = default;
};

// The active copy. Its defaults are the program's before any file is read.
// options.betMinimum and options.betMaximum mirror `limits` after a read.
struct ActiveSettings {
  TableOptions options;
  SpecialCounting special;
  TrackingOptions tracking;
  ProgressionTable progression;  // the engine's copy
  TableLimits limits;
  friend bool operator==(const ActiveSettings&, const ActiveSettings&) = default;
};

struct ActiveReadResult {
  ActiveSettings settings;
  SettingsStatus status;  // not ok when the file is missing or its fixed part is cut short
  // One line per field not taken as written (see ReadingWarnings).
  std::vector<std::string> warnings;
};

// Reads the file into the active copy, byte for byte and without normalising
// the choices; a value that cannot be read keeps its value in `previous`. The
// limits are read as decimal integers with no range check. Afterwards, so that
// the engine can always deal: players are brought into 1..7, decks outside
// 2..8 become 2, and a penetration above 100 becomes 100.
ActiveReadResult ReadActiveSettings(const std::filesystem::path& file,
                                    const ActiveSettings& previous);

// The settings a new user starts from (DefaultSettings) as an active copy:
// what applies where no last-used file has been written yet.
ActiveSettings DefaultActiveSettings();

// The same from bytes already in memory; a missing file reads as no bytes.
ActiveReadResult ReadActiveSettingsBytes(std::span<const uint8_t> bytes,
                                         const ActiveSettings& previous);

}  // namespace quorvel
