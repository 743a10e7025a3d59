// The readable form of a strategy chart.
#include "engine/chart_text.h"

#include <array>
#include <string_view>

namespace quorvel {

namespace {

constexpr std::string_view kColumnCards = "23456789TA";
constexpr std::string_view kPairRanks = "AT98765432";
constexpr int kFirstSoftRow = 10;
constexpr int kFirstHardRow = 18;
constexpr int kLabelWidth = 6;

std::string RowLabel(int row) {
  if (row < kFirstSoftRow) {
    return {kPairRanks[row], ',', kPairRanks[row]};
  }
  if (row < kFirstHardRow) {
    // Row 10 is A,9 (soft 20), row 17 is A,2 (soft 13).
    return {'A', ',', static_cast<char>('0' + (19 - row))};
  }
  return std::to_string(35 - row);
}

void AppendLine(std::string& text, std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  text += line;
  text += '\n';
}

}  // namespace

std::string ChartCaption(const ChartRules& rules) {
  std::string caption = "Basic Strategy Chart,   decks, S17, DAS, ";
  caption[22] = static_cast<char>('0' + rules.decks);
  if (rules.dealerHitsSoft17) caption[31] = 'H';
  if (rules.noDoubleAfterSplit) caption[35] = 'N';
  caption += rules.lateSurrender ? "late surrender" : "no surrender";
  return caption;
}

std::string LetterPair(char code) {
  switch (code) {
    case 'r': return "Ry";
    case 'Q': return "Rs";
    case 'd': return "Ds";
    case 0: return "  ";
    default: break;
  }
  // Bytes that cannot be shown as a letter still take their two places.
  const bool printable = code > ' ' && code < 127;
  return {printable ? code : '?', ' '};
}

std::string ChartRowLetters(const StrategyChart& chart, int row) {
  std::string letters;
  for (int column = 0; column < kChartColumns; ++column) {
    letters += LetterPair(chart.At(row, column));
  }
  return letters;
}

std::string ChartText(const StrategyChart& chart) {
  std::string text;
  std::string heading(kLabelWidth, ' ');
  for (char card : kColumnCards) {
    heading += card;
    heading += "  ";
  }
  AppendLine(text, heading);
  for (int row = 0; row < kChartRows; ++row) {
    if (row == kFirstSoftRow || row == kFirstHardRow) AppendLine(text, "");
    std::string line = RowLabel(row);
    line.resize(kLabelWidth, ' ');
    for (int column = 0; column < kChartColumns; ++column) {
      line += LetterPair(chart.At(row, column));
      line += ' ';
    }
    AppendLine(text, line);
  }
  return text;
}

}  // namespace quorvel
