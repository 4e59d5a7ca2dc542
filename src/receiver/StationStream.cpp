#include "receiver/StationStream.h"

namespace ispyt::receiver {

StationStream::Taken StationStream::take(std::string_view bytes) {
  Taken out;
  if (refused_ || bytes.empty()) return out;
  received_ += bytes.size();
  const bool lineEnded = bytes.find('\n') != std::string_view::npos;
  buffer_.append(bytes);
  // Only a line end can complete a message: a station trickling bytes in
  // costs one look per line, not one per byte.
  const std::size_t lastEnd = buffer_.rfind('\n');
  const std::size_t tail = lastEnd == std::string::npos ? buffer_.size() : buffer_.size() - lastEnd;
  if (!lineEnded && tail <= kMaxMessageLine + 2) return out;
  std::size_t used = 0;
  while (used < buffer_.size()) {
    MessageScan scan = scanResultMessage(std::string_view(buffer_).substr(used));
    if (scan.state == MessageScan::State::Refused) {
      refused_ = true;
      buffer_ = std::string();
      out.refusal = scan.fault;
      return out;
    }
    if (scan.state == MessageScan::State::Incomplete) break;
    ++messages_;
    used += scan.length;
    out.messages.push_back(std::move(scan.message));
  }
  buffer_.erase(0, used);
  return out;
}

}  // namespace ispyt::receiver
