// Saving the test log page: CR LF lines, written through the shared save.
#include "runs/log_file.h"

namespace quorvel {

std::string LogFileText(const TestLog& log) {
  std::string text;
  for (const std::string& line : log.Lines()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

SaveResult SaveLogPage(const TestLog& log, const std::filesystem::path& target) {
  return SaveFile(target, LogFileText(log));
}

}  // namespace quorvel
