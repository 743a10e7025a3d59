// Fuzzes both settings readers and the load-save cycle of the options screen.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "config/active_settings.h"
#include "config/options_working_copy.h"
#include "config/settings_file.h"
#include "money/lenient_number.h"
#include "fuzz/fuzz_support.h"

using quorvel::fuzz::Require;

namespace {

void CheckRanges(const quorvel::OptionsWorkingCopy& w) {
  Require(w.players >= 1 && w.players <= 7);
  Require(w.decks >= 2 && w.decks <= 8);
  Require(w.penetrationPosition >= 50 && w.penetrationPosition <= 90);
  Require(w.winLimitMode >= -1 && w.winLimitMode <= 2);
  Require(w.lossLimitMode >= -1 && w.lossLimitMode <= 1);
  Require(quorvel::LeadingInteger(w.minimumText) >= 0 && quorvel::LeadingInteger(w.minimumText) <= 9999);
  Require(quorvel::LeadingInteger(w.maximumText) >= 1 && quorvel::LeadingInteger(w.maximumText) <= 9999);
  for (int8_t rule : {w.dealerHitsSoft17, w.lateSurrender, w.noDoubleAfterSplit}) {
    Require(rule == 0 || rule == 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::span<const uint8_t> bytes(data, size);

  quorvel::ActiveSettings fresh;
  quorvel::ActiveSettings active = quorvel::ReadActiveSettingsBytes(bytes, fresh).settings;
  Require(active.options.players >= 1 && active.options.players <= 7);
  Require(active.options.decks >= 2 && active.options.decks <= 8);
  Require(active.options.penetration <= 100);

  quorvel::OptionsWorkingCopy odd;
  odd.players = 0;
  odd.decks = 99;
  odd.penetrationPosition = 7;
  quorvel::OptionsWorkingCopy screen = quorvel::LoadOptionsBytes(bytes, odd).data;
  CheckRanges(screen);

  // Saving and loading again settles after two rounds: the first turns "no
  // choice" of the special counting into 0xFF, which then loads as item 1.
  std::vector<uint8_t> saved;
  for (int round = 0; round < 3; ++round) {
    std::vector<uint8_t> again = quorvel::EncodeSettings(quorvel::ToSettingsFile(screen));
    Require(again.size() >= quorvel::kFixedPartSize + 2);
    if (round == 2) Require(again == saved);
    saved = again;
    screen = quorvel::LoadOptionsBytes(saved, screen).data;
    CheckRanges(screen);
  }
  return 0;
}
