// What a lenient reading of a settings file did not take as written, one line per field.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/active_settings.h"

namespace quorvel {

// `contents` are the bytes the reader looked at, `read` what it made of them.
// A warning names the field, shows what the file holds and says what plays:
// a byte brought into range, a choice no item has, a money text in use that
// is not a plain number or reads as 0, a limit line that is missing, cut
// short, not a whole number or not read, a rule with an unknown action.
// Fields the fixed part does not reach are left to the read's status.
std::vector<std::string> ReadingWarnings(std::span<const uint8_t> contents,
                                         const ActiveSettings& read);

// A stored text for a message: printable ASCII as it is, any other byte as \xNN,
// so a damaged text can neither garble a terminal nor break a JSON string.
std::string ShownText(std::string_view text);

}  // namespace quorvel
