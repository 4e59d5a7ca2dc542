#pragma once
// Adding one attempt's records to a record file: the whole group in one
// write, flushed to disk; when the write fails the file is cut back to its
// old length, so that no partial group ever shifts the records after it.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace ispyt {

// Creates the file when it does not exist.
std::error_code appendRecords(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ispyt
