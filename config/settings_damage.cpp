// Whether a settings file is fit to play from, and why not.
#include "config/settings_damage.h"

#include <system_error>

#include "config/settings_cursor.h"
#include "config/settings_values.h"

namespace quorvel {
namespace {

// Random bytes give a reason per field; the first few say enough.
constexpr std::size_t kReasonsShown = 3;

}  // namespace

std::optional<std::string> SettingsDamage(const ActiveReadResult& read) {
  if (!read.status) return read.status.message;
  if (!read.warnings.empty()) {
    std::string reasons;
    for (std::size_t i = 0; i < read.warnings.size() && i < kReasonsShown; ++i) {
      reasons += (i == 0 ? "" : "; ") + read.warnings[i];
    }
    if (read.warnings.size() > kReasonsShown) {
      reasons += "; and " + std::to_string(read.warnings.size() - kReasonsShown) + " more";
    }
    return reasons;
  }
  if (auto problem = CheckSettingsValues(read.settings.options)) return problem->message;
  return std::nullopt;
}

std::optional<std::string> SettingsFileDamage(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found) {
    return std::nullopt;
  }
  return SettingsDamage(ReadActiveSettings(file, DefaultActiveSettings()));
}

std::vector<uint8_t> SettingsBytesNow(const std::filesystem::path& file) {
  std::vector<uint8_t> bytes;
  ReadSettingsBytes(file, bytes);
  return bytes;
}

std::string DamagedLastUsedMessage(const std::filesystem::path& file, const std::string& damage) {
  std::filesystem::path aside = file;
  aside += ".damaged";
  return "The last-used settings file " + file.string() + " is damaged: " + damage +
         "\nThe table plays the new user's settings. The file stays as it is until new settings "
         "are applied, and is then kept as " + aside.string() + ".";
}

}  // namespace quorvel
