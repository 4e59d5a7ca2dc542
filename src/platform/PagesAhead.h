#pragma once
// The first write to a page of fresh memory costs the system a fault (here
// about a microsecond a page: 2 ms for a picture of the screen's size).
// The pages of pictures that are written later can be made present on
// another core while this one does other work.

#include <atomic>
#include <cstddef>
#include <span>
#include <thread>
#include <vector>

namespace ispyt {

class PagesAhead {
 public:
  // Writes a byte into every page of each block in turn, on a thread of its
  // own; the blocks' contents are left undefined.  Without a thread to be
  // had it does nothing.
  explicit PagesAhead(std::vector<std::span<std::byte>> blocks);
  // Waits for the thread: the blocks must outlive it.
  ~PagesAhead();
  PagesAhead(const PagesAhead&) = delete;
  PagesAhead& operator=(const PagesAhead&) = delete;

  // Returns once block `i` is done with; write it only after.
  void wait(std::size_t i);

 private:
  std::vector<std::span<std::byte>> blocks_;
  std::atomic<std::size_t> done_{0};
  std::thread thread_;
};

}  // namespace ispyt
