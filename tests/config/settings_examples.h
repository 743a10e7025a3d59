// Settings files worked out by hand from the file layout, shared by the config tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "file_faults.h"

namespace quorvel::testing {

// One player, 6 decks, 75 %, hits soft 17, late surrender, DAS not allowed,
// bankroll 500 dollars, unit 5 dollars, win limit mode 1 with 200, loss limit
// mode 1 with 150, minimum 5, maximum 500; both carried blocks as at start.
inline std::vector<uint8_t> ExampleBytes() {
  std::vector<uint8_t> b = {
      1, 6, 75, 1, 1, 1,                // players, decks, penetration, H17, surrender, no DAS
      0, '5', '0', '0', 0, 0, 0, 0, 0,  // bankroll in dollars: "500"
      0, '5', 0,   0,   0, 0, 0, 0, 0,  // unit in dollars: "5"
      1, '2', '0', '0', 0, 0, 0, 0, 0,  // win limit mode 1: "200"
      1, '1', '5', '0', 0, 0, 0, 0, 0,  // loss limit mode 1: "150"
  };
  b.insert(b.end(), 6, 0xFF);  // special counting: no choice made
  b.insert(b.end(), 81, 0);    // tracking counts
  for (uint8_t t : {1, 0, 0, 0, 0, 1, 1}) b.push_back(t);
  b.insert(b.end(), 401, 0);  // no progression rules, switch off
  for (char c : std::string("5\n500\n")) b.push_back(static_cast<uint8_t>(c));
  return b;
}

inline SettingsFile ExampleSettings() {
  SettingsFile s;
  s.options.players = 1;
  s.options.decks = 6;
  s.options.penetration = 75;
  s.options.dealerHitsSoft17 = 1;
  s.options.lateSurrender = 1;
  s.options.noDoubleAfterSplit = 1;
  s.options.bankrollInUnits = 0;
  s.options.bankrollText = MakeSettingsText("500");
  s.options.betUnitInPercent = 0;
  s.options.betUnitText = MakeSettingsText("5");
  s.options.winLimitMode = 1;
  s.options.winLimitText = MakeSettingsText("200");
  s.options.lossLimitMode = 1;
  s.options.lossLimitText = MakeSettingsText("150");
  s.SetTableLimits(5, 500);
  return s;
}

// The fixed part of the example followed by other text lines.
inline std::vector<uint8_t> WithLines(const std::string& lines) {
  std::vector<uint8_t> b = ExampleBytes();
  b.resize(kFixedPartSize);
  b.insert(b.end(), lines.begin(), lines.end());
  return b;
}

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quorvel::testing
