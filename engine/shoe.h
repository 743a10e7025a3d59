// The shoe: 8 decks of card names, the draw position, the cut point and the shuffle.
#pragma once

#include <array>
#include <cstdint>

#include "engine/cards.h"
#include "engine/shuffle_random.h"
#include "engine/shuffle_variant.h"

namespace quorvel {

inline constexpr int kMaxDecks = 8;
inline constexpr int kShoeSize = kMaxDecks * kDeckSize;  // 416

class Shoe {
 public:
  Shoe();

  std::array<CardName, kShoeSize> cards;
  int32_t drawPosition = 0;
  int32_t cutPoint = 0;

  // Only the first decks x 52 entries take part in the shuffle. Values outside
  // 2..8 become 2, so the shuffle never reaches past the array.
  void SetDecks(int decks);
  int Decks() const { return decks_; }
  int ShuffledSize() const { return shuffledSize_; }

  // (decks x penetration x 52) / 100; penetration 0 is continuous shuffle.
  void SetCutPoint(int penetration);

  // Writes the ordered deck into all 8 blocks; leaves drawPosition alone.
  void ResetDeck();
  // One pass of the swap shuffle over the first decks x 52 entries; the
  // generator continues its stream from call to call.
  void Shuffle();
  // Every variant gives the same cards; a new shoe takes the chosen one.
  void SetShuffleVariant(ShuffleVariant variant) { variant_ = variant; }
  ShuffleVariant Variant() const { return variant_; }
  // The reshuffle made at the end of a shoe: three shuffles, drawing from 0.
  void ShuffleThreeTimes();

  ShuffleRandom& Random() { return random_; }

 private:
  int decks_ = 2;
  int shuffledSize_ = 2 * kDeckSize;
  ShuffleRandom random_;
  ShuffleVariant variant_ = ChosenShuffleVariant();

  void ShuffleScalar();
  void ShuffleFromIndices();
};

}  // namespace quorvel
