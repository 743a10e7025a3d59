// The JSON report of a test: every figure, the session rows, the log, the seed and the settings.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/test_report.h"

namespace quorvel::cli {

// Settings texts are 8-bit: each byte is the Latin-1 character of its code.
std::string Latin1ToUtf8(std::string_view bytes);

// A file name as UTF-8 when it is, otherwise read as Latin-1, so any name can
// be written to JSON.
std::string FileNameText(std::string_view name);

// The figures of a test, for `test` and `compare`.
nlohmann::ordered_json FiguresJson(const TestFigures& figures);
std::string EndCauseName(SessionEndCause cause);

// The report as JSON text. Counts are integers; money, rates and times are
// numbers. Never throws on the bytes of a settings file.
std::string JsonReportText(const TestRun& run);

// The same text in pieces, for a test whose session rows are written as they
// come: the head, then the rows (numbered from 1) with kRowSeparator between
// them, then the tail. The head and tail need only the run's totals.
struct JsonReportParts {
  std::string head;
  std::string tail;
};
JsonReportParts JsonReportAround(const TestRun& run);
// `frame` says whether the unit is a percent, when no required bankroll holds.
std::string JsonSessionRow(std::size_t number, const SessionRecord& record, const TestResult& frame);
inline constexpr const char* kRowSeparator = ",\n";

}  // namespace quorvel::cli
