#include "platform/PagesAhead.h"

#include <system_error>
#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace ispyt {
namespace {

std::size_t pageSize() {
#if defined(_SC_PAGESIZE)
  const long size = sysconf(_SC_PAGESIZE);
  if (size > 0) return std::size_t(size);
#endif
  return 4096;
}

}  // namespace

PagesAhead::PagesAhead(std::vector<std::span<std::byte>> blocks) : blocks_(std::move(blocks)) {
  try {
    thread_ = std::thread([this, page = pageSize()] {
      for (const std::span<std::byte> block : blocks_) {
        for (std::size_t at = 0; at < block.size(); at += page)
          *static_cast<volatile std::byte*>(block.data() + at) = std::byte{0};
        done_.fetch_add(1, std::memory_order_release);
        done_.notify_all();
      }
    });
  } catch (const std::system_error&) {
    done_ = blocks_.size();
  }
}

PagesAhead::~PagesAhead() {
  if (thread_.joinable()) thread_.join();
}

void PagesAhead::wait(std::size_t i) {
  for (std::size_t done = done_.load(std::memory_order_acquire); done <= i && done < blocks_.size();
       done = done_.load(std::memory_order_acquire))
    done_.wait(done, std::memory_order_acquire);
}

}  // namespace ispyt
