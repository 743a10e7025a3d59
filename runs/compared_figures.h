// The figures of compared systems side by side, as columns of lines and as CSV.
#pragma once

#include <string>
#include <vector>

#include "runs/comparison.h"
#include "runs/figures_text.h"
#include "runs/test_figures.h"

namespace quorvel {

struct FigureColumn {
  std::string heading;
  std::vector<FigureLine> lines;  // the same labels in every column
};

// Each system's figures and those of its test, then its twin's; or, when the
// twins agree, one twin column after all the systems. A twin has no test lines
// of its own: they are left empty.
std::vector<FigureColumn> ComparedColumns(const std::vector<ComparedSystem>& systems,
                                          const std::vector<TestFigures>& figures);

// One row a figure and system, each named as given: file,figure,system,flat.
std::string ComparedFiguresCsv(const std::vector<std::string>& names, const std::vector<TestFigures>& figures);

}  // namespace quorvel
