// Saving a file through a temporary file and a rename, or in place when it is not a regular file.
#include "config/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;  // the kernel's own limit on a chain of links
constexpr std::size_t kGathered = 1 << 20;  // bytes an OutputFile gathers before it writes

// What a name stands for once its symbolic links are followed.
struct Target {
  fs::path path;  // names no link; may not exist yet
  bool exists = false;
  struct stat status {};
};

std::string ErrnoText(int error) { return std::generic_category().message(error); }

SaveResult Failed(const fs::path& file, int error, const std::string& reason) {
  std::string message = "could not write";
  if (!file.empty()) message += " " + file.string();
  message += ": ";
  message += reason;
  return {false, file, error, message};
}

SaveResult Failed(const fs::path& file, int error) { return Failed(file, error, ErrnoText(error)); }

fs::path FolderOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

bool MayAccess(const fs::path& path, int mode) {
  return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// What `file` names, links followed; returns an errno, or 0 with `target` filled.
// The kernel follows the links of a file that exists (/proc/self/fd/1 too);
// only for a name still to be made are the links read one by one.
int Resolve(const fs::path& file, Target& target) {
  struct stat status {};
  if (::stat(file.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) {
      target = {file, true, status};
      return 0;
    }
    // A replacement goes beside the file itself, not beside a link to it.
    char* real = ::realpath(file.c_str(), nullptr);
    if (real == nullptr) return errno;
    target = {fs::path(real), true, status};
    std::free(real);
    return 0;
  }
  if (errno != ENOENT) return errno;
  fs::path path = file;
  for (int link = 0; link <= kMaxLinks; ++link) {
    std::error_code error;
    const fs::path next = fs::read_symlink(path, error);
    if (error == std::errc::invalid_argument || error == std::errc::no_such_file_or_directory) {
      target = {path, false, {}};  // not a link: the name to create
      return 0;
    }
    if (error) return error.value();
    path = next.is_absolute() ? next : FolderOf(path) / next;
  }
  return ELOOP;
}

bool InPlace(const Target& target) { return target.exists && !S_ISREG(target.status.st_mode); }

// Everything a save can know before it writes a byte.
SaveResult Check(const fs::path& file, Target& target) {
  if (file.empty() || !file.has_filename()) return Failed(file, EINVAL, "no file name given");
  if (const int error = Resolve(file, target)) return Failed(file, error);
  if (target.exists && S_ISDIR(target.status.st_mode)) return Failed(file, EISDIR, "it is a folder");
  if (target.exists && !MayAccess(target.path, W_OK)) return Failed(file, errno);
  if (InPlace(target)) return {true, file, 0, {}};

  // A replacement is made beside the file, so its folder must take a new file.
  const fs::path folder = FolderOf(target.path);
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    if (errno == ENOENT) return Failed(file, ENOENT, "the folder " + folder.string() + " does not exist");
    return Failed(file, errno);
  }
  if (!S_ISDIR(status.st_mode)) return Failed(file, ENOTDIR, folder.string() + " is not a folder");
  if (!MayAccess(folder, W_OK | X_OK)) {
    const int error = errno;
    return Failed(file, error,
                  "cannot create a file in the folder " + folder.string() + ": " + ErrnoText(error));
  }
  return {true, file, 0, {}};
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Closes fd, keeping the first error.
int Close(int fd, int error) {
  if (::close(fd) != 0 && error == 0) return errno;
  return error;
}

// A fresh name beside the target; exclusive creation makes a clash fail
// instead of sharing a file. Returns the descriptor, or -1 with errno set.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 8; ++attempt) {
    const unsigned mark = ticks * 2654435761u ^ static_cast<unsigned>(::getpid()) ^ (counter++ << 16);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", mark);
    temporary = target;
    temporary += suffix;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The new file takes the old one's mode, and its owner and group where the
// user may give them: an unprivileged user cannot give a file away, and the
// contents matter more than who owns them.
int KeepAttributes(int fd, const struct stat& old) {
  if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
}

}  // namespace

SaveResult CheckSaveTarget(const fs::path& file) {
  Target target;
  return Check(file, target);
}

SaveResult SaveFile(const fs::path& file, std::string_view bytes) {
  OutputFile output;
  if (SaveResult opened = output.Open(file); !opened) return opened;
  output.Write(bytes);
  return output.Commit();
}

OutputFile::~OutputFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

SaveResult OutputFile::Open(const fs::path& file) {
  Target target;
  SaveResult checked = Check(file, target);
  if (!checked) return checked;
  file_ = file;
  target_ = target.path;
  if (InPlace(target)) {
    // Opened without blocking, so a FIFO that nobody reads fails at once instead of hanging.
    fd_ = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return Failed(file, errno);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return checked;
  }
  fd_ = CreateTemporary(target.path, temporary_);
  if (fd_ < 0) {
    temporary_.clear();
    return Failed(file, errno);
  }
  error_ = target.exists ? KeepAttributes(fd_, target.status) : 0;
  return checked;
}

void OutputFile::Write(std::string_view bytes) {
  if (pending_.size() + bytes.size() > kGathered) Flush();
  if (bytes.size() > kGathered) {
    if (fd_ >= 0 && error_ == 0) error_ = WriteAll(fd_, bytes);
    return;
  }
  pending_ += bytes;
}

void OutputFile::Flush() {
  if (fd_ >= 0 && error_ == 0) error_ = WriteAll(fd_, pending_);
  pending_.clear();
}

SaveResult OutputFile::Commit() {
  if (fd_ < 0) return Failed(file_, EBADF);
  Flush();
  int error = error_;
  // Flushed before the rename, so a crash cannot leave an empty file under the old name.
  if (!temporary_.empty() && error == 0 && ::fsync(fd_) != 0) error = errno;
  error = Close(fd_, error);
  fd_ = -1;
  if (!temporary_.empty()) {
    if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary_.c_str());
    temporary_.clear();
  }
  return error != 0 ? Failed(file_, error) : SaveResult{true, file_, 0, {}};
}

}  // namespace quorvel
