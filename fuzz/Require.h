#pragma once
// A broken property ends the fuzz run at once, so the input is kept.

#include <cstdlib>

namespace {

inline void require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace
