// What a lenient reading of a settings file did not take as written.
#include "config/settings_warnings.h"

#include <charconv>
#include <cstdio>

#include "config/settings_cursor.h"
#include "money/lenient_number.h"
#include "money/progression_table.h"

namespace quorvel {
namespace {

// Offsets of the fixed part's fields that a warning looks at.
constexpr std::size_t kPlayersOffset = 0;
constexpr std::size_t kDecksOffset = 1;
constexpr std::size_t kPenetrationOffset = 2;

// Long enough for any text a field holds; a line of garbage is cut.
constexpr std::size_t kShownLength = 16;

std::string Quoted(std::string_view text) {
  const std::string more = text.size() > kShownLength ? "..." : "";
  return "'" + ShownText(text.substr(0, kShownLength)) + more + "'";
}

std::string Number(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

class Warnings {
 public:
  explicit Warnings(std::span<const uint8_t> contents) : contents_(contents) {}


  void Add(std::string line) { lines_.push_back(std::move(line)); }

  void InRange(const char* field, std::size_t offset, int played, const char* range) {
    if (offset < contents_.size() && contents_[offset] != played) {
      Add(std::string(field) + " " + std::to_string(contents_[offset]) + " is out of range: playing " +
          std::to_string(played) + " (" + range + ")");
    }
  }

  // -1 is the screen's "nothing selected", which plays as none.
  void Choice(const char* field, int8_t mode, int lastItem) {
    if (mode < -1 || mode > lastItem) {
      Add(std::string(field) + " choice " + std::to_string(mode) + " is unknown: no " + field);
    }
  }

  // A money text in use, read as whole dollars (or units).
  void WholeMoney(const char* field, const std::string& text, const char* units = nullptr) {
    const int32_t value = LeadingInteger(text);
    Money(field, text, IsPlainWhole(text) && value != 0,
          units != nullptr ? std::to_string(value) + units : "$" + std::to_string(value));
  }

  void PercentMoney(const char* field, const std::string& text) {
    const double value = LeadingDecimal(text);
    Money(field, text, IsPlainDecimal(text) && value != 0, Number(value) + " percent");
  }

  void Limit(const char* field, const LimitLine& line, int32_t played) {
    const std::string playing = ": playing $" + std::to_string(played);
    if (!line.present) {
      Add(std::string(field) + " line is missing" + playing);
    } else if (!line.whole) {
      Add(std::string(field) + " line " + Quoted(line.text) + " is cut short" + playing);
    } else if (!IsPlainWhole(line.text)) {
      Add(std::string(field) + " " + Quoted(line.text) + " is not a whole number" + playing);
    } else if (LeadingInteger(line.text) != played) {
      Add(std::string(field) + " " + Quoted(line.text) + " is not read (a line before it is damaged)" + playing);
    }
  }

  std::vector<std::string> Lines() && { return std::move(lines_); }

 private:
  void Money(const char* field, const std::string& text, bool asWritten, const std::string& read) {
    if (!asWritten) Add(std::string(field) + " " + Quoted(text) + " reads as " + read);
  }

  std::span<const uint8_t> contents_;
  std::vector<std::string> lines_;
};

}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      shown += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown;
}

std::vector<std::string> ReadingWarnings(std::span<const uint8_t> contents,
                                         const ActiveSettings& read) {
  Warnings w(contents);
  const TableOptions& o = read.options;
  w.InRange("players", kPlayersOffset, o.players, "1 to 7");
  w.InRange("decks", kDecksOffset, o.decks, "2 to 8");
  w.InRange("penetration", kPenetrationOffset, o.penetration, "at most 100 percent");
  if (contents.size() < kFixedPartSize) return std::move(w).Lines();

  w.Choice("win limit", o.winLimitMode, 2);
  w.Choice("loss limit", o.lossLimitMode, 1);
  w.WholeMoney("starting bankroll", TextOf(o.bankrollText), o.bankrollInUnits != 0 ? " units" : nullptr);
  if (o.betUnitInPercent != 0) {
    w.PercentMoney("bet unit", TextOf(o.betUnitText));
  } else {
    w.WholeMoney("bet unit", TextOf(o.betUnitText));
  }
  if (o.winLimitMode == 1 || o.winLimitMode == 2) w.WholeMoney("win limit", TextOf(o.winLimitText));
  if (o.lossLimitMode == 1) w.WholeMoney("loss limit", TextOf(o.lossLimitText));
  if (read.progression.progressionEnabled != 0) {
    for (int index = 0; index < kRuleCount; ++index) {
      const int8_t action = read.progression.ruleAction[index];
      if (action != kNoAction && !IsActiveAction(action)) {
        w.Add("rule " + std::to_string(index / 10) + "," + std::to_string(index % 10) + " action " +
              std::to_string(action) +
              " is unknown: the rule does nothing");
      }
    }
  }
  const LimitLines lines = SplitLimitLines(contents);
  w.Limit("bet minimum", lines.minimum, read.limits.tableMinimum);
  w.Limit("bet maximum", lines.maximum, read.limits.tableMaximum);
  return std::move(w).Lines();
}

}  // namespace quorvel
