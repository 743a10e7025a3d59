// Reading a settings file exactly as stored, for the settings commands.
#include "cli/settings_reader.h"

#include "config/settings_cursor.h"
#include "money/lenient_number.h"

namespace quorvel::cli {
namespace {

ExactRead Refuse(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ExactRead DecodeSettingsExactly(std::span<const uint8_t> bytes) {
  if (bytes.size() < kFixedPartSize) {
    return Refuse("holds " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                  std::to_string(kFixedPartSize) + " of a settings file's fixed part");
  }
  SettingsFile s;
  SettingsCursor in(bytes.first(kFixedPartSize));
  ReadFixedPart(in, s.options, s.special, s.tracking, s.progression);

  const LimitLines lines = SplitLimitLines(bytes);
  if (!lines.maximum.whole) return Refuse("ends before its bet minimum and bet maximum lines");
  s.minimumText = lines.minimum.text;
  s.maximumText = lines.maximum.text;
  s.options.betMinimum = LeadingInteger(s.minimumText);
  s.options.betMaximum = LeadingInteger(s.maximumText);
  return {s, {}};
}

ExactRead ReadSettingsExactly(const std::filesystem::path& file) {
  const std::string name = "the settings file '" + file.string() + "' ";
  const FileStart read = ReadSettingsFile(file);
  if (read.error != 0) return Refuse(name + ReadProblem(read.error));
  ExactRead decoded = DecodeSettingsExactly(read.bytes);
  if (!decoded.settings) decoded.error = name + decoded.error;
  return decoded;
}

}  // namespace quorvel::cli
