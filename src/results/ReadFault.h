#pragma once
// What a result file reader returns: the value, or where and why the bytes
// are not such a file.

#include <cstdint>
#include <optional>
#include <string>

namespace ispyt {

struct ReadFault {
  // Text files: the 1-based line; record files: the byte offset of the
  // record.
  std::int64_t position = 0;
  std::string reason;  // English, for tools and authors
};

template <typename T>
struct Parsed {
  std::optional<T> value;
  ReadFault fault;

  bool ok() const { return value.has_value(); }
  static Parsed failure(std::int64_t position, std::string reason) {
    Parsed p;
    p.fault = {position, std::move(reason)};
    return p;
  }
};

}  // namespace ispyt
