// Reading the fields of a settings file in order, where the first failed read fails all later ones.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "engine/file_read.h"
#include "config/settings_file.h"
#include "config/table_options.h"
#include "money/progression_table.h"

namespace quorvel {

// The part of a file the readers look at: everything up to the second line
// feed after the fixed part. Bytes beyond it are ignored.
std::span<const uint8_t> SettingsContents(std::span<const uint8_t> bytes);

// Whether the bytes hold the fixed part and both limit lines, line feeds included.
bool HasWholeContents(std::span<const uint8_t> bytes);

// The start of a file for the readers: up to the end of its second limit
// line, and never far past anything a settings file holds, so a huge file, a
// device or a FIFO costs nothing.
FileStart ReadSettingsFile(const std::filesystem::path& file);

// The same as a status for the readers; fills `bytes` with what could be read
// (nothing when the file cannot be opened).
SettingsStatus ReadSettingsBytes(const std::filesystem::path& file, std::vector<uint8_t>& bytes);

// One limit line after the fixed part, as stored: its text up to the line
// feed, or up to the end of the file when the feed is missing.
struct LimitLine {
  std::string text;
  bool present = false;  // some of it is in the file
  bool whole = false;    // it ends with its line feed
};
struct LimitLines {
  LimitLine minimum;
  LimitLine maximum;
};
LimitLines SplitLimitLines(std::span<const uint8_t> bytes);

// The status of a read of `size` bytes: a fixed part cut short is reported.
// An empty `file` stands for bytes that came from memory.
SettingsStatus ContentsStatus(const std::filesystem::path& file, std::size_t size);

// Each read stores into a field that already holds its previous value, so a
// field that cannot be read keeps it, and a field read in part keeps the part
// that was read and the previous value of the rest.
class SettingsCursor {
 public:
  explicit SettingsCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool Failed() const { return failed_; }

  template <typename Byte>
  bool ReadByte(Byte& field) {
    static_assert(sizeof(Byte) == 1);
    if (failed_ || position_ >= bytes_.size()) {
      failed_ = true;
      return false;
    }
    field = static_cast<Byte>(bytes_[position_++]);
    return true;
  }

  template <typename Byte, std::size_t N>
  bool ReadArray(std::array<Byte, N>& field) {
    static_assert(sizeof(Byte) == 1);
    if (failed_) return false;
    // A field cut short keeps the bytes that were there.
    const std::size_t available = std::min(N, bytes_.size() - position_);
    if (available > 0) std::memcpy(field.data(), bytes_.data() + position_, available);
    position_ += available;
    if (available < N) failed_ = true;
    return !failed_;
  }

  // A number in decimal: white space (line feeds too) is skipped, then an
  // optional sign and digits up to the first other character. A field with no
  // digits where the number should be cannot be read.
  bool ReadNumber(int32_t& field);

 private:
  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

// The engine deals to 1..7 seats from 2..8 decks whatever a file says:
// players are brought into range, an out-of-range deck count becomes 2.
void KeepInEngineRange(uint8_t& players, uint8_t& decks);

// The carried tracking block and the progression block, byte for byte.
void GetTrackingData(SettingsCursor& in, TrackingOptions& tracking);
void GetProgressionData(SettingsCursor& in, ProgressionTable& progression);

// The 537-byte fixed part as stored, byte for byte, without normalising:
// options, special counting, tracking and the progression block.
void ReadFixedPart(SettingsCursor& in, TableOptions& options, SpecialCounting& special,
                   TrackingOptions& tracking, ProgressionTable& progression);

}  // namespace quorvel
