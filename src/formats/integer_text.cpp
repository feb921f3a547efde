#include "formats/integer_text.h"

#include <charconv>

namespace daved {

std::optional<int32_t> ParseInt32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  text.remove_prefix(i);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string NotAnIntegerMessage(std::string_view text) {
  std::string message = "'";
  message += text;
  message += "' is not a valid integer value";
  return message;
}

}  // namespace daved
