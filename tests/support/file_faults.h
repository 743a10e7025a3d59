// Files for tests: a scratch folder, and the faults a file can meet (device nodes, an unprivileged
// user).
#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace quorvel::testing {

inline constexpr uid_t kNobody = 65534;

inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

// A fresh folder under the system's temporary folder, removed on destruction.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("quorvel-test-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Every name in the folder, to catch a leftover temporary file.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline mode_t ModeOf(const std::filesystem::path& file) {
  struct stat status {};
  return ::lstat(file.c_str(), &status) == 0 ? status.st_mode : 0;
}

// A copy of a character device such as /dev/null (1, 3), /dev/zero (1, 5) or
// /dev/full (1, 7) at `file`; the real /dev is never touched. Returns why it
// could not be made, or an empty text.
inline std::string MakeDevice(const std::filesystem::path& file, unsigned major, unsigned minor) {
  if (::mknod(file.c_str(), S_IFCHR | 0666, makedev(major, minor)) == 0) return {};
  return std::string("cannot make a device node here: ") + std::strerror(errno);
}

// Runs `body` as user and group nobody in a child process when the test runs
// as root, or as it is otherwise; returns what body returns (0 to 254), or -1
// when the child could not switch users or did not end normally.
inline int AsUnprivileged(const std::function<int()>& body) {
  if (::geteuid() != 0) return body();
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(255);
    }
    ::_exit(body() & 0xFF);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

}  // namespace quorvel::testing
