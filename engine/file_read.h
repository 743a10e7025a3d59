// Reading the start of a chart or settings file, bounded, never waiting on a FIFO nobody writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace quorvel {

struct FileStart {
  std::vector<uint8_t> bytes;  // what was read, even when reading then failed
  int error = 0;               // errno of the failure: ENOENT, EISDIR, EACCES, ...
};

// Says whether the bytes read so far are all a reader needs.
using EnoughBytes = bool (*)(std::span<const uint8_t> bytes);

// Reads at most `limit` bytes of `file`, and stops early once `enough` (when
// given) is satisfied, so a device such as /dev/zero or a FIFO fed without end
// costs nothing. A FIFO without a writer reads as empty instead of blocking.
FileStart ReadFileStart(const std::filesystem::path& file, std::size_t limit,
                        EnoughBytes enough = nullptr);

// Why a file could not be read, for a message: "does not exist", "is a
// folder", otherwise "cannot be read: " and the errno text.
std::string ReadProblem(int error);

}  // namespace quorvel
