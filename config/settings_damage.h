// Whether a settings file is fit to play from, and why not.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/active_settings.h"

namespace quorvel {

// Why the settings as read must not be played or shown: the file could not be
// read whole, a lenient reading did not take every field as written, or a
// value is one no table can play. The reasons in one sentence, or nothing.
std::optional<std::string> SettingsDamage(const ActiveReadResult& read);

// The same for `file`; nothing when it does not exist (a first start).
std::optional<std::string> SettingsFileDamage(const std::filesystem::path& file);

// The file's bytes as the readers take them now, so that a change made by
// another program since the last look can be noticed.
std::vector<uint8_t> SettingsBytesNow(const std::filesystem::path& file);

// What the programs say when the last-used file is damaged: which file, why,
// and that the new user's settings are played while the file is kept.
std::string DamagedLastUsedMessage(const std::filesystem::path& file, const std::string& damage);

}  // namespace quorvel
