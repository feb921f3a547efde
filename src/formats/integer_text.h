#pragma once
// Decimal integers in text files, with the message users see for a bad one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace daved {

// An optional sign and decimal digits, optionally with leading spaces; nothing else, and within
// the 32-bit range.
std::optional<int32_t> ParseInt32(std::string_view text);

// "'<text>' is not a valid integer value"
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace daved
