// Printing figures as an aligned plain-text table.
#include "cli/figure_table.h"

#include <algorithm>

namespace quorvel::cli {
namespace {

void Padded(std::ostream& out, const std::string& text, std::size_t width) {
  out << std::string(width > text.size() ? width - text.size() : 0, ' ') << text;
}

}  // namespace

void PrintColumns(std::ostream& out, const std::vector<std::string>& headings,
                  const std::vector<std::vector<FigureLine>>& columns) {
  if (columns.empty()) return;
  std::size_t labelWidth = 0;
  for (const FigureLine& line : columns[0]) labelWidth = std::max(labelWidth, line.label.size());
  std::vector<std::size_t> widths;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    std::size_t width = headings[c].size();
    for (const FigureLine& line : columns[c]) width = std::max(width, line.text.size());
    widths.push_back(width);
  }
  out << std::string(labelWidth, ' ');
  for (std::size_t c = 0; c < columns.size(); ++c) {
    out << "  ";
    Padded(out, headings[c], widths[c]);
  }
  out << '\n';
  for (std::size_t row = 0; row < columns[0].size(); ++row) {
    const std::string& label = columns[0][row].label;
    out << label << std::string(labelWidth - label.size(), ' ');
    for (std::size_t c = 0; c < columns.size(); ++c) {
      out << "  ";
      Padded(out, columns[c][row].text, widths[c]);
    }
    out << '\n';
  }
}

void PrintFigures(std::ostream& out, const TestFigures& figures) {
  PrintColumns(out, {"System", "Flat bet"}, {SystemLines(figures.system), SystemLines(figures.flat)});
  for (const FigureLine& line : TestLines(figures)) {
    out << line.label << ": " << line.text << '\n';
  }
}

}  // namespace quorvel::cli
