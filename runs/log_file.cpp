// Saving the test log page: CR LF lines, written through a temporary file and a rename.
#include "runs/log_file.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace quorvel {

namespace {

std::string Failure(const std::filesystem::path& target, const std::string& reason) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a literal + string chain.
  std::string message = "Could not save the log to \"";
  message += target.string();
  message += "\": ";
  message += reason;
  message += ".";
  return message;
}

}  // namespace

std::string LogFileText(const TestLog& log) {
  std::string text;
  for (const std::string& line : log.Lines()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::optional<std::string> SaveLogFile(const TestLog& log, const std::filesystem::path& target) {
  if (target.empty() || !target.has_filename()) return Failure(target, "no file name given");
  std::filesystem::path temporary = target;
  temporary += ".quorvel-saving";

  const std::string text = LogFileText(log);
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      const int error = errno;
      return Failure(target, error != 0 ? std::generic_category().message(error)
                                        : "the file could not be created");
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return Failure(target, "writing the file failed");
    }
  }

  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Failure(target, error.message());
  }
  return std::nullopt;
}

}  // namespace quorvel
