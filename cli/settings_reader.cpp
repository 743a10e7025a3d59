// Reading a settings file exactly as stored, for the settings commands.
#include "cli/settings_reader.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "config/settings_cursor.h"
#include "money/lenient_number.h"

namespace quorvel::cli {
namespace {

// Far more than a saved file holds; a huge file is not read to its end.
constexpr std::size_t kReadLimit = kFixedPartSize + 4096;

ExactRead Refuse(std::string message) { return {std::nullopt, std::move(message)}; }

// The text up to the line feed at or after `from`, or nothing when there is none.
std::optional<std::string> Line(std::span<const uint8_t> bytes, std::size_t& from) {
  auto rest = bytes.subspan(std::min(from, bytes.size()));
  auto end = std::find(rest.begin(), rest.end(), uint8_t{'\n'});
  if (end == rest.end()) return std::nullopt;
  std::string text(rest.begin(), end);
  from += text.size() + 1;
  return text;
}

}  // namespace

ExactRead DecodeSettingsExactly(std::span<const uint8_t> bytes) {
  if (bytes.size() < kFixedPartSize) {
    return Refuse("holds " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                  std::to_string(kFixedPartSize) + " of a settings file's fixed part");
  }
  SettingsFile s;
  SettingsCursor in(bytes.first(kFixedPartSize));
  ReadFixedPart(in, s.options, s.special, s.tracking, s.progression);

  std::size_t position = kFixedPartSize;
  std::optional<std::string> minimum = Line(bytes, position);
  std::optional<std::string> maximum = minimum ? Line(bytes, position) : std::nullopt;
  if (!maximum) return Refuse("ends before its bet minimum and bet maximum lines");
  s.minimumText = *minimum;
  s.maximumText = *maximum;
  s.options.betMinimum = LeadingInteger(s.minimumText);
  s.options.betMaximum = LeadingInteger(s.maximumText);
  return {s, {}};
}

ExactRead ReadSettingsExactly(const std::filesystem::path& file) {
  const std::string name = "the settings file '" + file.string() + "' ";
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (!std::filesystem::exists(status)) return Refuse(name + "does not exist");
  if (std::filesystem::is_directory(status)) return Refuse(name + "is a folder");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Refuse(name + "cannot be opened");
  std::vector<uint8_t> bytes(kReadLimit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  ExactRead read = DecodeSettingsExactly(bytes);
  if (!read.settings) read.error = name + read.error;
  return read;
}

}  // namespace quorvel::cli
