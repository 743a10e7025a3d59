// The readable form of a strategy chart: letter pairs per cell, labelled rows.
#pragma once

#include <string>

#include "engine/strategy_chart.h"

namespace quorvel {

// Two characters for one chart code: "r" is "Ry", "Q" is "Rs", "d" is "Ds",
// any other code the code and a blank; a zero byte (nothing loaded) is two blanks.
std::string LetterPair(char code);

// The 20 characters of one chart row, the letter pairs of dealer 2 .. ace.
std::string ChartRowLetters(const StrategyChart& chart, int row);

// The caption of the chart for a set of rules, e.g.
// "Basic Strategy Chart, 6 decks, S17, DAS, no surrender" or
// "Basic Strategy Chart, 2 decks, H17,NDAS, late surrender". The deck count is
// written as the character '0' + decks, as the chart file name writes it.
std::string ChartCaption(const ChartRules& rules);

// The whole chart as text: a heading of the dealer's up cards, then the rows
// A,A .. 2,2, A,9 .. A,2 and 17 .. 8, one line each, groups parted by a blank line.
// Soft 12 shares row 18 with hard 17 and has no line of its own.
std::string ChartText(const StrategyChart& chart);

}  // namespace quorvel
