#include "platform/Random.h"

#include <chrono>
#include <sstream>

namespace ispyt {

Random Random::clockSeeded() {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
               std::chrono::system_clock::now().time_since_epoch().count();
  return Random(static_cast<std::uint64_t>(ticks));
}

std::string Random::state() const {
  std::ostringstream out;
  out << engine_;
  return out.str();
}

bool Random::setState(const std::string& state) {
  std::istringstream in(state);
  std::mt19937_64 engine;
  if (!(in >> engine)) return false;
  engine_ = engine;
  return true;
}

int Random::random(int n) {
  if (n < 1) return 0;
  std::uniform_int_distribution<int> d(0, n - 1);
  return d(engine_);
}

}  // namespace ispyt
