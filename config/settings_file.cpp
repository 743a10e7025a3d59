// Encoding a settings file and saving it without risking the old one.
#include "config/settings_file.h"

#include <string_view>

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

SaveResult SaveData(const std::filesystem::path& file, const SettingsFile& settings) {
  const std::vector<uint8_t> bytes = EncodeSettings(settings);
  return SaveFile(file, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace quorvel
