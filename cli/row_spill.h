// Rows set aside while a test runs, copied into their output once what goes before them is known.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/file_save.h"

namespace quorvel::cli {

class RowSpill {
 public:
  RowSpill() = default;
  RowSpill(const RowSpill&) = delete;
  RowSpill& operator=(const RowSpill&) = delete;
  ~RowSpill();

  // An unnamed file beside `output` (gone with the process, whatever ends it),
  // else among the system's temporary files.
  std::optional<std::string> Open(const std::filesystem::path& output);
  void Write(std::string_view bytes);
  // Everything written, onto the end of `out`; else why not, in the words of
  // a failed save of the output.
  std::optional<std::string> CopyTo(OutputFile& out);

 private:
  bool Flush();
  std::string Problem(int error) const;

  std::filesystem::path output_;
  int fd_ = -1;
  int error_ = 0;
  std::string pending_;
};

}  // namespace quorvel::cli
