// Saving a file whole or not at all: the one save every writer of the program goes through.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// The outcome of a save. On failure `message` names the file as given and the
// reason, e.g. "could not write b.sav: No space left on device".
struct SaveResult {
  bool ok = true;
  std::filesystem::path file;  // the name as given
  int error = 0;               // errno of the failure; 0 on success or without one
  std::string message;
  explicit operator bool() const { return ok; }
};

// Says, without writing anything, whether `file` could be saved: a name is
// given, its folder exists, it is no folder itself, and the user may write it
// (or create it, and the temporary file beside it). Lets a long task refuse a
// bad output name before it starts rather than after.
SaveResult CheckSaveTarget(const std::filesystem::path& file);

// Makes `bytes` the whole contents of `file`.
// - A symbolic link is followed: its target is saved and the link stays.
// - A regular file, or none yet, is written to a temporary file in the same
//   folder, flushed to disk and renamed over the name, so a failed save leaves
//   the old file byte for byte as it was. The new file keeps the old one's
//   permissions, and its owner where the user may set it.
// - A device, FIFO or other file that is not regular is written in place, and
//   its write errors are reported (a disk-full device says so).
// - A file the user may not write is refused, whatever the folder allows.
SaveResult SaveFile(const std::filesystem::path& file, std::string_view bytes);

// A save written piece by piece, for outputs too large to hold whole: the same
// checks, temporary file and rename as SaveFile, which is one Open, one Write
// and one Commit. Until Commit the old file is untouched; a save dropped
// without Commit removes its temporary file.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  SaveResult Open(const std::filesystem::path& file);
  // Appends; after a failed write the later ones do nothing and Commit reports it.
  // Small pieces are gathered and written a large piece at a time.
  void Write(std::string_view bytes);
  SaveResult Commit();

 private:
  void Flush();

  std::string pending_;
  std::filesystem::path file_;  // as given
  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty when written in place
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace quorvel
