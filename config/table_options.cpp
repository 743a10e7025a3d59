// Conversions between typed texts and the 8-byte text fields.
#include "config/table_options.h"

#include <algorithm>

namespace quorvel {

std::string TextOf(const SettingsText& field) {
  auto end = std::find(field.begin(), field.end(), '\0');
  return std::string(field.begin(), end);
}

SettingsText MakeSettingsText(std::string_view text) {
  SettingsText field{};
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), field.size() - 1), field.begin());
  return field;
}

}  // namespace quorvel
