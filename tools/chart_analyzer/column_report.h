// The values behind one dealer column, as text, for checking a chart by eye.
#pragma once

#include <string>

#include "tools/chart_analyzer/column_analysis.h"

namespace quorvel::analyzer {

// One line per hard and soft total with the value of each choice, then one
// line per pair with the split and played-as-total values of each rule variant.
std::string ColumnReport(const ColumnAnalysis& column);

}  // namespace quorvel::analyzer
