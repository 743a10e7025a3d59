// Card names, the ordered deck and the value conversion of rank characters.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// A card as the shoe holds it: rank then suit; a hand keeps only the rank.
struct CardName {
  char rank = 0;
  char suit = 0;
  friend constexpr bool operator==(CardName, CardName) = default;
};

inline constexpr std::array<char, 13> kRanks = {'2', '3', '4', '5', '6', '7', '8',
                                                '9', 'T', 'J', 'Q', 'K', 'A'};
inline constexpr std::array<char, 4> kSuits = {'H', 'D', 'S', 'C'};
inline constexpr int kDeckSize = 52;

// Card i (0..51) of the ordered deck: 2H..AH, then D, S and C.
constexpr CardName OrderedDeckCard(int i) { return {kRanks[i % 13], kSuits[i / 13]}; }

// The character whose code minus '0' is the card's value: ';' for an ace,
// ':' for any ten-value card, a digit unchanged.
constexpr char ConvertTens(char rank) {
  if (rank == 'A') return ';';
  if (rank > 'A') return ':';
  return rank;
}

// Value of a rank character as a hand total counts it, an ace as 11; zero for
// any other character.
struct CardValues {
  std::array<int8_t, 256> value{};
  constexpr CardValues() {
    for (char c = '2'; c <= '9'; ++c) value[static_cast<unsigned char>(c)] = static_cast<int8_t>(c - '0');
    for (char c : {'T', 'J', 'Q', 'K'}) value[static_cast<unsigned char>(c)] = 10;
    value[static_cast<unsigned char>('A')] = 11;
  }
};
inline constexpr CardValues kCardValues;

}  // namespace quorvel
