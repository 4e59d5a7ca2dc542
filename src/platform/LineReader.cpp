#include "platform/LineReader.h"

namespace ispyt {

LineReader::LineReader(std::string_view data, Ends ends) : data_(data), ends_(ends) {
  std::size_t eof = data_.find('\x1a');
  if (eof != std::string_view::npos) data_ = data_.substr(0, eof);
}

std::optional<std::string_view> LineReader::next() {
  if (pos_ >= data_.size()) return std::nullopt;
  std::size_t start = pos_;
  std::size_t end = start;
  std::size_t skip = 0;
  if (ends_ == Ends::CrLfOnly) {
    end = data_.find("\r\n", start);
    skip = 2;
  } else {
    end = data_.find_first_of("\r\n", start);
    if (end != std::string_view::npos)
      skip = (data_[end] == '\r' && end + 1 < data_.size() && data_[end + 1] == '\n') ? 2 : 1;
  }
  if (end == std::string_view::npos) {
    end = data_.size();
    skip = 0;
  }
  pos_ = end + skip;
  ++line_;
  return data_.substr(start, end - start);
}

}  // namespace ispyt
