// Reading the fields of a settings file in order.
#include "config/settings_cursor.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "money/lenient_number.h"

namespace quorvel {

namespace {

// Far beyond the 537 fixed bytes and two short lines of any saved file.
constexpr std::size_t kReadLimit = kFixedPartSize + 4096;

std::string Quoted(const std::filesystem::path& file) {
  std::string quoted(1, '"');
  quoted.append(file.string()).push_back('"');
  return quoted;
}

}  // namespace

std::span<const uint8_t> SettingsContents(std::span<const uint8_t> bytes) {
  if (bytes.size() <= kFixedPartSize) return bytes;
  auto lines = bytes.subspan(kFixedPartSize);
  auto first = std::find(lines.begin(), lines.end(), uint8_t{'\n'});
  if (first == lines.end()) return bytes;
  auto second = std::find(first + 1, lines.end(), uint8_t{'\n'});
  if (second == lines.end()) return bytes;
  return bytes.first(kFixedPartSize + static_cast<std::size_t>(second - lines.begin()) + 1);
}

bool HasWholeContents(std::span<const uint8_t> bytes) {
  return SplitLimitLines(bytes).maximum.whole;
}

FileStart ReadSettingsFile(const std::filesystem::path& file) {
  return ReadFileStart(file, kReadLimit, HasWholeContents);
}

SettingsStatus ReadSettingsBytes(const std::filesystem::path& file, std::vector<uint8_t>& bytes) {
  FileStart read = ReadSettingsFile(file);
  bytes = std::move(read.bytes);
  if (read.error != 0) {
    bytes.clear();
    return {false, "Could not read the settings file " + Quoted(file) + ": it " +
                       ReadProblem(read.error) + "."};
  }
  return ContentsStatus(file, bytes.size());
}

LimitLines SplitLimitLines(std::span<const uint8_t> bytes) {
  LimitLines lines;
  std::size_t from = kFixedPartSize;
  for (LimitLine* line : {&lines.minimum, &lines.maximum}) {
    if (from >= bytes.size()) break;
    auto rest = bytes.subspan(from);
    auto end = std::find(rest.begin(), rest.end(), uint8_t{'\n'});
    line->text.assign(rest.begin(), end);
    line->present = true;
    line->whole = end != rest.end();
    if (!line->whole) break;
    from += line->text.size() + 1;
  }
  return lines;
}

SettingsStatus ContentsStatus(const std::filesystem::path& file, std::size_t size) {
  if (size >= kFixedPartSize) return {};
  std::string what = file.empty() ? "The settings" : "The settings file " + Quoted(file);
  return {false, what + " end" + (file.empty() ? "" : "s") + " after " + std::to_string(size) +
                     " of its " + std::to_string(kFixedPartSize) +
                     " fixed bytes; the settings after that keep their previous values."};
}

bool SettingsCursor::ReadNumber(int32_t& field) {
  if (failed_) return false;
  auto rest = bytes_.subspan(position_);
  std::string_view text(reinterpret_cast<const char*>(rest.data()), rest.size());
  IntegerPrefix number = ScanLeadingInteger(text);
  if (!number.hasDigits) {
    failed_ = true;
    return false;
  }
  field = number.value;
  position_ += number.length;
  return true;
}

void KeepInEngineRange(uint8_t& players, uint8_t& decks) {
  players = std::clamp<uint8_t>(players, 1, 7);
  if (decks < 2 || decks > 8) decks = 2;
}

void GetTrackingData(SettingsCursor& in, TrackingOptions& t) {
  in.ReadArray(t.countAction);
  in.ReadArray(t.countUnits);
  for (uint8_t* b : {&t.resetPointUnits, &t.betTrackingEnabled, &t.roundOffBets,
                     &t.winLossTrackingEnabled, &t.resetAfterShoes, &t.shoesBeforeReset,
                     &t.lastActionUnits}) {
    in.ReadByte(*b);
  }
}

void GetProgressionData(SettingsCursor& in, ProgressionTable& p) {
  in.ReadArray(p.ruleAction);
  in.ReadArray(p.ruleUnits);
  in.ReadArray(p.ruleTenths);
  in.ReadArray(p.ruleEndSeq);
  in.ReadByte(p.progressionEnabled);
}

void ReadFixedPart(SettingsCursor& in, TableOptions& o, SpecialCounting& c, TrackingOptions& t,
                   ProgressionTable& p) {
  in.ReadByte(o.players);
  in.ReadByte(o.decks);
  in.ReadByte(o.penetration);
  in.ReadByte(o.dealerHitsSoft17);
  in.ReadByte(o.lateSurrender);
  in.ReadByte(o.noDoubleAfterSplit);
  in.ReadByte(o.bankrollInUnits);
  in.ReadArray(o.bankrollText);
  in.ReadByte(o.betUnitInPercent);
  in.ReadArray(o.betUnitText);
  in.ReadByte(o.winLimitMode);
  in.ReadArray(o.winLimitText);
  in.ReadByte(o.lossLimitMode);
  in.ReadArray(o.lossLimitText);
  for (int8_t* b :
       {&c.blackjack, &c.blackjackRepeat, &c.wonDouble, &c.lostDouble, &c.splitWin, &c.splitLoss}) {
    in.ReadByte(*b);
  }
  GetTrackingData(in, t);
  GetProgressionData(in, p);
}

}  // namespace quorvel
