#include "content/Shuffle.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ispyt {
namespace {

template <typename Swap>
void shufflePass(int n, Random& random, Swap swap) {
  for (int j = 1; j <= n; ++j) swap(j, random.random(n) + 1);
}

bool anyInPlace(const Task& task) {
  for (int j = 1; j <= task.itemCount; ++j)
    if (task.items[j] == task.correctTexts[j]) return true;
  return false;
}

// Every item can leave its place exactly when no text fills more than half
// of the places.
bool canDerange(const Task& task) {
  std::map<std::string, int> counts;
  int most = 0;
  for (int j = 1; j <= task.itemCount; ++j) most = std::max(most, ++counts[task.correctTexts[j]]);
  return task.itemCount >= 2 && most * 2 <= task.itemCount;
}

}  // namespace

void shuffleOptions(Task& task, Random& random) {
  shufflePass(task.itemCount, random, [&](int a, int b) {
    std::swap(task.items[a], task.items[b]);
    std::swap(task.itemLetters[a], task.itemLetters[b]);
    std::swap(task.correctTexts[a], task.correctTexts[b]);
  });
}

void shuffleSequence(Task& task, Random& random) {
  auto pass = [&] {
    shufflePass(task.itemCount, random, [&](int a, int b) {
      std::swap(task.items[a], task.items[b]);
      std::swap(task.itemLetters[a], task.itemLetters[b]);
    });
  };
  if (!canDerange(task)) {
    pass();
    return;
  }
  do pass();
  while (anyInPlace(task));
}

void shuffleVariants(Task& task, Random& random) {
  for (int r = 1; r <= task.blankCount; ++r)
    shufflePass(task.variantCount, random, [&](int a, int b) {
      std::swap(task.variants[r][a], task.variants[r][b]);
      std::swap(task.variantLetters[r][a], task.variantLetters[r][b]);
    });
}

}  // namespace ispyt
