// Laying out the figures of compared systems.
#include "runs/compared_figures.h"

#include <filesystem>

namespace quorvel {
namespace {

// A system's column; a twin's, without a test of its own, leaves the test lines empty.
FigureColumn Column(const std::string& heading, const SystemFigures& money, const TestFigures* test) {
  FigureColumn column{heading, SystemLines(money)};
  for (FigureLine& line : TestLines(test != nullptr ? *test : TestFigures{})) {
    if (test == nullptr) line.text.clear();
    column.lines.push_back(std::move(line));
  }
  return column;
}

}  // namespace

std::vector<FigureColumn> ComparedColumns(const std::vector<ComparedSystem>& systems,
                                          const std::vector<TestFigures>& figures) {
  const bool twinOnce = TwinsAgree(systems);
  std::vector<FigureColumn> columns;
  for (std::size_t i = 0; i < systems.size(); ++i) {
    const std::string name = std::filesystem::path(systems[i].name).filename().string();
    columns.push_back(Column(name, figures[i].system, &figures[i]));
    if (!twinOnce) columns.push_back(Column(name + " flat bet", figures[i].flat, nullptr));
  }
  if (twinOnce && !systems.empty()) columns.push_back(Column("Flat bet", figures[0].flat, nullptr));
  return columns;
}

std::string ComparedFiguresCsv(const std::vector<std::string>& names, const std::vector<TestFigures>& figures) {
  std::string csv = "file,figure,system,flat\n";
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string rows = FiguresCsv(figures[i]);
    std::size_t line = rows.find('\n') + 1;  // past the heading
    while (line < rows.size()) {
      const std::size_t end = rows.find('\n', line);
      csv += CsvField(names[i]) + ',' + rows.substr(line, end - line + 1);
      line = end + 1;
    }
  }
  return csv;
}

}  // namespace quorvel
