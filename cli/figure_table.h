// Figures side by side as a plain-text table: one column per system.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "runs/figures_text.h"

namespace quorvel::cli {

// Every column holds the same labels in the same order; the first column's labels are used.
void PrintColumns(std::ostream& out, const std::vector<std::string>& headings,
                  const std::vector<std::vector<FigureLine>>& columns);

// The figures of one test: the system beside its flat twin, then the test's own lines.
void PrintFigures(std::ostream& out, const TestFigures& figures);

}  // namespace quorvel::cli
