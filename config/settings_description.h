// A readable listing of every setting of a settings file, one per line.
#pragma once

#include <functional>
#include <string>

#include "config/settings_file.h"
#include "money/progression_table.h"

namespace quorvel {

// Describes the rule at an index of the table (RuleLine fits).
using RuleLineWriter = std::function<std::string(const ProgressionTable&, int index)>;

// "rule <index>: action <a>, units <u>.<t>"
std::string PlainRuleLine(const ProgressionTable& table, int index);

// Every field as "Caption: value" lines, choices by their item captions, then
// one line per active progression rule written by `ruleLine`.
std::string DescribeSettings(const SettingsFile& settings,
                             const RuleLineWriter& ruleLine = PlainRuleLine);

}  // namespace quorvel
