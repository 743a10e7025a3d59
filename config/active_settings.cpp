// Reading the last-used settings file into the active copy.
#include "config/active_settings.h"

#include <algorithm>
#include <vector>

#include "config/default_settings.h"
#include "config/settings_cursor.h"
#include "config/settings_warnings.h"

namespace quorvel {

ActiveReadResult ReadActiveSettingsBytes(std::span<const uint8_t> bytes,
                                         const ActiveSettings& previous) {
  std::span<const uint8_t> contents = SettingsContents(bytes);
  SettingsCursor in(contents);
  ActiveSettings a = previous;

  TableOptions& o = a.options;
  ReadFixedPart(in, o, a.special, a.tracking, a.progression);

  in.ReadNumber(a.limits.tableMinimum);
  in.ReadNumber(a.limits.tableMaximum);
  o.betMinimum = a.limits.tableMinimum;
  o.betMaximum = a.limits.tableMaximum;

  // A cut point past the shoe would never be reached.
  KeepInEngineRange(o.players, o.decks);
  o.penetration = std::min<uint8_t>(o.penetration, 100);

  return {a, ContentsStatus({}, contents.size()), ReadingWarnings(contents, a)};
}

ActiveReadResult ReadActiveSettings(const std::filesystem::path& file,
                                    const ActiveSettings& previous) {
  std::vector<uint8_t> bytes;
  SettingsStatus read = ReadSettingsBytes(file, bytes);
  ActiveReadResult result = ReadActiveSettingsBytes(bytes, previous);
  result.status = read;
  return result;
}

ActiveSettings DefaultActiveSettings() {
  return ReadActiveSettingsBytes(EncodeSettings(DefaultSettings()), ActiveSettings{}).settings;
}

}  // namespace quorvel
