// Saving the test log page as a text file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "runs/test_log.h"

namespace quorvel {

// The saved form of the page: all 108 lines, each followed by CR LF, header excluded.
std::string LogFileText(const TestLog& log);

// Writes the page to target, replacing any file there. The text goes to a temporary file in the
// same directory that is then renamed over target, so a failed save leaves an existing file
// whole. Returns nothing on success, otherwise a message for the user.
std::optional<std::string> SaveLogFile(const TestLog& log, const std::filesystem::path& target);

}  // namespace quorvel
