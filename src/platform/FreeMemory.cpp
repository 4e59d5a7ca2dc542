#include "platform/FreeMemory.h"

#include <cstdlib>  // defines __GLIBC__ where it applies
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ispyt {

void returnFreeMemory() {
#if defined(__GLIBC__)
  // The allocator keeps freed pages of its arena; other systems' allocators
  // give large blocks back by themselves.
  malloc_trim(0);
#endif
}

}  // namespace ispyt
