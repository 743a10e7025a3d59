// Outputs checked against the run's inputs, each other and the standard output, by the file itself.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::cli {

// A file of the run and how a message names it: "--settings 'a.sav'".
struct RunFile {
  std::string shown;
  std::filesystem::path file;
};
RunFile Shown(const std::string& role, const std::filesystem::path& file);

// Says which output would replace an input of the run, another output, or the
// standard output (when that is a regular file a save would replace). Files
// are told apart by device and inode after links, so two names of one file
// clash; an output not made yet clashes with another name for the same new
// file. Devices and FIFOs are written in place and replace nothing.
std::optional<std::string> OutputClash(const std::vector<RunFile>& inputs,
                                       const std::vector<RunFile>& outputs);

}  // namespace quorvel::cli
