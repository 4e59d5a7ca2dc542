#pragma once
// Reads a text file's bytes line by line.  The byte 26 ends the file.
// In the program's own formats a line ends only at the pair CR LF, so that a
// lone CR or LF byte inside a line (a raw value 10 or 13) is data.  Files a
// person edits by hand (user.txt) may also end lines with a lone LF or CR.

#include <optional>
#include <string_view>

namespace ispyt {

class LineReader {
 public:
  enum class Ends { CrLfOnly, AnyNewline };

  explicit LineReader(std::string_view data, Ends ends = Ends::CrLfOnly);

  // The next line without its line end, or nothing after the last line.
  std::optional<std::string_view> next();
  bool atEnd() const { return pos_ >= data_.size(); }
  // 1-based number of the line last returned.
  int lineNumber() const { return line_; }

 private:
  std::string_view data_;
  Ends ends_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

}  // namespace ispyt
