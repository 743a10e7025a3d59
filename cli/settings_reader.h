// Reading a settings file exactly as stored, for the settings commands.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "config/settings_file.h"

namespace quorvel::cli {

// Either the settings or a one-line message saying why the file is refused.
struct ExactRead {
  std::optional<SettingsFile> settings;
  std::string error;
};

// Every byte as stored, nothing normalised, so that rewriting a file after an
// edit keeps what was not edited. The program's own readers make the best of a
// damaged file; a command should say so instead, so a file without its whole
// fixed part and both limit lines is refused. Bytes after the second line are
// ignored, as the program's readers ignore them.
ExactRead DecodeSettingsExactly(std::span<const uint8_t> bytes);
ExactRead ReadSettingsExactly(const std::filesystem::path& file);

}  // namespace quorvel::cli
