// The values behind one dealer column, as text.
#include "tools/chart_analyzer/column_report.h"

#include <cstdio>

namespace quorvel::analyzer {

namespace {

constexpr const char* kRankNames = "A23456789T";

std::string Format(const char* format, auto... values) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

std::string ChoiceLine(const std::string& label, const ChoiceValues& v, char code,
                       char surrenderCode) {
  return Format("%-8s stand %+.5f  hit %+.5f  double %+.5f  surrender %+.5f  -> %c / %c\n",
                label.c_str(), v.stand, v.hit, v.doubleDown, v.surrender, code, surrenderCode);
}

}  // namespace

std::string ColumnReport(const ColumnAnalysis& column) {
  const int noSurrender = VariantIndex(false, false);
  const int surrender = VariantIndex(false, true);
  std::string text =
      Format("Dealer %c (values given no dealer blackjack; codes without / with surrender)\n",
             kRankNames[column.upRank]);
  for (int total = 17; total >= 8; --total) {
    text += ChoiceLine("hard " + std::to_string(total), column.hard[total],
                       column.cells[noSurrender][HardRow(total)],
                       column.cells[surrender][HardRow(total)]);
  }
  for (int total = 20; total >= 13; --total) {
    text += ChoiceLine("soft " + std::to_string(total), column.soft[total],
                       column.cells[noSurrender][SoftRow(total)],
                       column.cells[surrender][SoftRow(total)]);
  }
  text += "pair     split / played for DAS, DAS+surrender, no DAS, no DAS+surrender\n";
  for (int rank = 0; rank < kRankCount; ++rank) {
    std::string line = Format("%c,%c     ", kRankNames[rank], kRankNames[rank]);
    for (int variant = 0; variant < kRuleVariants; ++variant) {
      const PairValues& v = column.pairs[variant][rank];
      line += Format(" %+.4f/%+.4f %c", v.split, v.played, column.cells[variant][PairRow(rank)]);
    }
    text += line + "\n";
  }
  return text;
}

}  // namespace quorvel::analyzer
