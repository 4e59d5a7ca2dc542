#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <vector>

#include "platform/PagesAhead.h"

namespace ispyt {
namespace {

// Fresh anonymous memory: no page of it is present until written.
struct FreshMemory {
  explicit FreshMemory(std::size_t pages)
      : size(pages * std::size_t(sysconf(_SC_PAGESIZE))),
        data(static_cast<std::byte*>(
            mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0))) {}
  ~FreshMemory() { munmap(data, size); }
  std::size_t presentPages() const {
    std::vector<unsigned char> present(size / std::size_t(sysconf(_SC_PAGESIZE)));
    if (mincore(data, size, present.data()) != 0) return 0;
    std::size_t n = 0;
    for (unsigned char p : present) n += p & 1;
    return n;
  }
  std::size_t size;
  std::byte* data;
};

TEST(PagesAhead, EachBlockIsPresentOnceWaitedFor) {
  FreshMemory first(300), second(200), third(1);
  ASSERT_NE(first.data, MAP_FAILED);
  ASSERT_EQ(first.presentPages(), 0u);
  // Blocks that start and end inside a page, and an empty one.
  PagesAhead pages({{first.data, first.size},
                    {second.data + 100, second.size - 200},
                    {},
                    {third.data, 1}});
  pages.wait(0);
  EXPECT_EQ(first.presentPages(), 300u);
  pages.wait(3);
  EXPECT_EQ(second.presentPages(), 200u);
  EXPECT_EQ(third.presentPages(), 1u);
  // Waiting again, or past the last block, returns at once.
  pages.wait(0);
  pages.wait(9);
}

}  // namespace
}  // namespace ispyt
