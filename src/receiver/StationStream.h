#pragma once
// What one station sends over one connection, taken as it arrives: whole
// result messages, one after another, and a refusal as soon as the bytes
// cannot become one.  It never holds more than one message's worth.

#include <optional>
#include <string_view>
#include <vector>

#include "results/ResultMessage.h"

namespace ispyt::receiver {

class StationStream {
 public:
  struct Taken {
    std::vector<ResultMessage> messages;
    // Where and why the stream is refused; nothing more is taken from it
    // then.
    std::optional<ReadFault> refusal;
  };

  Taken take(std::string_view bytes);
  // The station closed, or fell silent, in the middle of a message.
  bool cutShort() const { return !refused_ && !buffer_.empty(); }

  bool refused() const { return refused_; }
  bool sentAnything() const { return received_ > 0; }
  int messages() const { return messages_; }
  std::size_t buffered() const { return buffer_.size(); }

 private:
  std::string buffer_;
  std::size_t received_ = 0;
  int messages_ = 0;
  bool refused_ = false;
};

}  // namespace ispyt::receiver
