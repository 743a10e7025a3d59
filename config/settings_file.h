// The settings file: a complete set of settings, its byte layout and writing it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "config/file_save.h"
#include "config/table_options.h"
#include "money/progression_table.h"

namespace quorvel {

// Byte layout: a fixed part, then the minimum and maximum as text lines.
inline constexpr std::size_t kSpecialOffset = 42;
inline constexpr std::size_t kTrackingOffset = 48;
inline constexpr std::size_t kProgressionOffset = 136;
inline constexpr std::size_t kFixedPartSize = 537;
inline constexpr std::size_t kSpecialBlockSize = 6;
inline constexpr std::size_t kTrackingBlockSize = 88;

// The name of the last-used settings file inside the start-up directory.
inline const std::filesystem::path kLastUsedSettingsFile =
    std::filesystem::path("chartdata") / "a7d70sd7f897.sav";

// Outcome of a file operation; the message is for the user.
struct SettingsStatus {
  bool ok = true;
  std::string message;
  explicit operator bool() const { return ok; }
};

// Everything a settings file holds.
struct SettingsFile {
  // The file stores the table limits as the two texts below, exactly as typed;
  // options.betMinimum and options.betMaximum are not written. SetTableLimits
  // keeps the two in step.
  TableOptions options;
  SpecialCounting special;
  TrackingOptions tracking;
  ProgressionTable progression;
  std::string minimumText = "0";
  std::string maximumText = "200";

  void SetTableLimits(int32_t minimum, int32_t maximum);
  friend bool operator==(const SettingsFile&, const SettingsFile&) = default;
};

// The bytes of the file: 537 fixed bytes, the minimum text, LF, the maximum
// text, LF. The special counting block is written with its blackjack byte
// twice. A text is written up to any line feed it holds, which would otherwise
// split its line.
std::vector<uint8_t> EncodeSettings(const SettingsFile& settings);

// Writes the file through SaveFile: a failed save leaves an existing file whole.
SaveResult SaveData(const std::filesystem::path& file, const SettingsFile& settings);

}  // namespace quorvel
