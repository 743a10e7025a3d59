// Reading the start of a file, bounded in size and never waiting on a FIFO nobody writes.
#include "engine/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace quorvel {

FileStart ReadFileStart(const std::filesystem::path& file, std::size_t limit, EnoughBytes enough) {
  FileStart read;
  // Opened without blocking: opening a FIFO would otherwise wait for a writer.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    read.error = errno;
    return read;
  }
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(fd);
    read.error = EISDIR;
    return read;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  read.bytes.resize(limit);
  std::size_t size = 0;
  while (size < limit && !(enough != nullptr && enough(std::span(read.bytes).first(size)))) {
    const ssize_t got = ::read(fd, read.bytes.data() + size, limit - size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) read.error = errno;
    if (got <= 0) break;
    size += static_cast<std::size_t>(got);
  }
  ::close(fd);
  read.bytes.resize(size);
  return read;
}

std::string ReadProblem(int error) {
  if (error == ENOENT) return "does not exist";
  if (error == EISDIR) return "is a folder";
  return "cannot be read: " + std::generic_category().message(error);
}

}  // namespace quorvel
