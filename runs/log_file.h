// Saving the test log page as a text file.
#pragma once

#include <filesystem>
#include <string>

#include "config/file_save.h"
#include "runs/test_log.h"

namespace quorvel {

// The saved form of the page: all 108 lines, each followed by CR LF, header excluded.
std::string LogFileText(const TestLog& log);

// Writes the page to target through SaveFile, so a failed save leaves an
// existing file whole and says why.
SaveResult SaveLogPage(const TestLog& log, const std::filesystem::path& target);

}  // namespace quorvel
