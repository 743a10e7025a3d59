// Fuzzes the JSON report over arbitrary settings bytes, which also name the settings file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_report.h"
#include "fuzz/fuzz_support.h"

using quorvel::fuzz::Require;

namespace {

// The test around the settings is the same for every input, so it is made once:
// one empty session, its figures and its log.
struct FixedTest {
  quorvel::TestPlan plan;
  quorvel::TestResult result;
  quorvel::TestLog log;
  quorvel::TestFigures figures;

  FixedTest() {
    result.sessions.resize(1);
    result.handsPlayed = 10;
    log.Start(1);
    log.Review(quorvel::SessionStats{});
    figures = quorvel::ComputeFigures(result);
  }
};

// Reads the whole report back as strict JSON, but keeps only the values that
// depend on the input: building every figure into a document again cost more
// than writing the report.
class ReportReader final : public nlohmann::json::json_sax_t {
 public:
  std::optional<std::string> settingsFile;
  std::optional<std::string> bankrollText;
  std::size_t warnings = 0;

  bool null() override { return Item(); }
  bool boolean(bool) override { return Item(); }
  bool number_integer(number_integer_t) override { return Item(); }
  bool number_unsigned(number_unsigned_t) override { return Item(); }
  bool number_float(number_float_t, const string_t&) override { return Item(); }
  bool binary(binary_t&) override { return Item(); }
  bool string(string_t& text) override {
    if (At({"settingsFile"})) settingsFile = text;
    if (At({"settings", "bankrollText"})) bankrollText = text;
    return Item();
  }
  bool start_object(std::size_t) override { return Open(); }
  bool start_array(std::size_t) override { return Open(); }
  bool key(string_t& name) override {
    path.back() = name;
    return true;
  }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::json::exception&) override { return false; }

 private:
  bool At(std::initializer_list<std::string_view> keys) const { return std::ranges::equal(path, keys); }
  bool Item() {
    if (At({"warnings", ""})) ++warnings;
    return true;
  }
  bool Open() {
    Item();
    path.emplace_back();  // an array's items, and an object's until its first key, have no key
    return true;
  }
  bool Close() {
    path.pop_back();
    return true;
  }

  std::vector<std::string> path;  // the key within each open object, "" within each open array
};

}  // namespace

// Each input allocates the whole report several times over, and recording where
// every block came from cost a third of the run. A finding still stops the run;
// run its input again with ASAN_OPTIONS=malloc_context_size=30 for those stacks.
extern "C" const char* __asan_default_options() { return "malloc_context_size=0"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quorvel;
  static const FixedTest test;
  const std::span<const uint8_t> bytes(data, size);
  const ActiveReadResult read = ReadActiveSettingsBytes(bytes, {});
  const std::string name(reinterpret_cast<const char*>(data), size < 40 ? size : 40);
  const cli::TestRun run{test.plan, name, read.settings, read.warnings, test.result, test.figures, test.log, 1, 0.5};

  // Any bytes must give JSON that reads back, with the texts decoded byte for byte.
  ReportReader reader;
  Require(nlohmann::json::sax_parse(cli::JsonReportText(run), &reader));
  Require(reader.settingsFile == cli::FileNameText(name));
  Require(reader.bankrollText == cli::Latin1ToUtf8(TextOf(read.settings.options.bankrollText)));
  Require(reader.warnings == read.warnings.size());
  return 0;
}
