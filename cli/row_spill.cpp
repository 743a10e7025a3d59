// Session rows kept in an unnamed file while a test runs.
#include "cli/row_spill.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace quorvel::cli {
namespace {

constexpr std::size_t kChunk = 1 << 20;

std::string Reason(int error) { return std::generic_category().message(error); }

}  // namespace

RowSpill::~RowSpill() {
  if (fd_ >= 0) ::close(fd_);
}

std::string RowSpill::Problem(int error) const {
  return "could not write " + output_.string() + ": " + Reason(error);
}

std::optional<std::string> RowSpill::Open(const std::filesystem::path& output) {
  output_ = output;
  const std::filesystem::path folder = output.has_parent_path() ? output.parent_path() : ".";
  fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd_ >= 0) return std::nullopt;
  // A folder whose file system has no unnamed files (or a device's folder).
  if (std::FILE* file = std::tmpfile()) {
    fd_ = ::dup(::fileno(file));
    std::fclose(file);
  }
  if (fd_ >= 0) return std::nullopt;
  return Problem(errno);
}

void RowSpill::Write(std::string_view bytes) {
  pending_ += bytes;
  if (pending_.size() >= kChunk) Flush();
}

bool RowSpill::Flush() {
  std::string_view rest = pending_;
  while (error_ == 0 && !rest.empty()) {
    const ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) error_ = errno;
    if (written > 0) rest.remove_prefix(static_cast<std::size_t>(written));
  }
  pending_.clear();
  return error_ == 0;
}

std::optional<std::string> RowSpill::CopyTo(OutputFile& out) {
  if (!Flush()) return Problem(error_);
  if (::lseek(fd_, 0, SEEK_SET) < 0) return Problem(errno);
  std::string chunk(kChunk, '\0');
  for (;;) {
    const ssize_t got = ::read(fd_, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Problem(errno);
    if (got == 0) return std::nullopt;
    out.Write(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
  }
}

}  // namespace quorvel::cli
