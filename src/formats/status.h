#pragma once
// How a reader or writer ended. Readers never throw: they keep what they read and say where
// they stopped.

#include <cstddef>
#include <string>

namespace daved {

struct Status {
  std::string error;        // empty when everything was read or written
  std::size_t reached = 0;  // how far a reader got: a byte offset, or a 0-based line number

  bool ok() const { return error.empty(); }
  static Status Failed(std::string message, std::size_t reached = 0) {
    return {std::move(message), reached};
  }
};

}  // namespace daved
