// What the fuzz targets share: a check that stops the run, and a scratch file for readers that take a path.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace quorvel::fuzz {

// A broken property ends the run, so libFuzzer keeps the input that broke it.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

// One file of this process in the temporary folder, which every input is written to in turn.
inline const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path file = [] {
    std::random_device device;
    return std::filesystem::temp_directory_path() / ("quorvel-fuzz-" + std::to_string(device()) + ".dat");
  }();
  return file;
}

}  // namespace quorvel::fuzz
