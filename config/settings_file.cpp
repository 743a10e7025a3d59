// Encoding a settings file and saving it without risking the old one.
#include "config/settings_file.h"

#include <cstdio>
#include <random>
#include <string_view>
#include <system_error>

namespace quorvel {

namespace {

void PutByte(std::vector<uint8_t>& out, int value) { out.push_back(static_cast<uint8_t>(value)); }

void PutText(std::vector<uint8_t>& out, const SettingsText& field) {
  for (char c : field) PutByte(out, c);
}

template <typename Array>
void PutArray(std::vector<uint8_t>& out, const Array& values) {
  for (auto v : values) PutByte(out, v);
}

void PutLine(std::vector<uint8_t>& out, std::string_view text) {
  text = text.substr(0, text.find('\n'));
  out.insert(out.end(), text.begin(), text.end());
  PutByte(out, '\n');
}

std::string Quoted(const std::filesystem::path& file) {
  std::string quoted(1, '"');
  quoted.append(file.string()).push_back('"');
  return quoted;
}

// A fresh name beside the target; exclusive creation makes a clash fail
// instead of sharing a file.
std::FILE* CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
  std::random_device device;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(device()));
    temporary = target;
    temporary += suffix;
    if (std::FILE* stream = std::fopen(temporary.string().c_str(), "wbx")) return stream;
  }
  return nullptr;
}

}  // namespace

void SettingsFile::SetTableLimits(int32_t minimum, int32_t maximum) {
  options.betMinimum = minimum;
  options.betMaximum = maximum;
  minimumText = std::to_string(minimum);
  maximumText = std::to_string(maximum);
}

std::vector<uint8_t> EncodeSettings(const SettingsFile& settings) {
  const TableOptions& o = settings.options;
  std::vector<uint8_t> out;
  out.reserve(kFixedPartSize + settings.minimumText.size() + settings.maximumText.size() + 2);
  PutByte(out, o.players);
  PutByte(out, o.decks);
  PutByte(out, o.penetration);
  PutByte(out, o.dealerHitsSoft17);
  PutByte(out, o.lateSurrender);
  PutByte(out, o.noDoubleAfterSplit);
  PutByte(out, o.bankrollInUnits);
  PutText(out, o.bankrollText);
  PutByte(out, o.betUnitInPercent);
  PutText(out, o.betUnitText);
  PutByte(out, o.winLimitMode);
  PutText(out, o.winLimitText);
  PutByte(out, o.lossLimitMode);
  PutText(out, o.lossLimitText);

  const SpecialCounting& s = settings.special;
  for (int8_t b : {s.blackjack, s.blackjack, s.wonDouble, s.lostDouble, s.splitWin, s.splitLoss}) {
    PutByte(out, b);
  }

  const TrackingOptions& t = settings.tracking;
  PutArray(out, t.countAction);
  PutArray(out, t.countUnits);
  for (uint8_t b : {t.resetPointUnits, t.betTrackingEnabled, t.roundOffBets,
                    t.winLossTrackingEnabled, t.resetAfterShoes, t.shoesBeforeReset,
                    t.lastActionUnits}) {
    PutByte(out, b);
  }

  const ProgressionTable& p = settings.progression;
  PutArray(out, p.ruleAction);
  PutArray(out, p.ruleUnits);
  PutArray(out, p.ruleTenths);
  PutArray(out, p.ruleEndSeq);
  PutByte(out, p.progressionEnabled);

  PutLine(out, settings.minimumText);
  PutLine(out, settings.maximumText);
  return out;
}

SettingsStatus SaveData(const std::filesystem::path& file, const SettingsFile& settings) {
  const std::string failed = "Could not save the settings to " + Quoted(file) + ": ";
  if (file.filename().empty()) return {false, failed + "no file name was given."};

  std::filesystem::path temporary;
  std::FILE* stream = CreateTemporary(file, temporary);
  if (stream == nullptr) {
    std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
      return {false, failed + "the folder " + Quoted(folder) + " does not exist."};
    }
    return {false, failed + "cannot create a file in the folder " + Quoted(folder) + "."};
  }

  const std::vector<uint8_t> bytes = EncodeSettings(settings);
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  written = std::fflush(stream) == 0 && written;
  written = std::fclose(stream) == 0 && written;
  std::error_code ignored;
  if (!written) {
    std::filesystem::remove(temporary, ignored);
    return {false, failed + "writing failed (is the disk full?). The old file is unchanged."};
  }

  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, ignored);
    return {false, failed + error.message() + ". The old file is unchanged."};
  }
  return {};
}

}  // namespace quorvel
