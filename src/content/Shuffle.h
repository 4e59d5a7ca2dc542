#pragma once
// The display shuffles of a freshly read task: one pass swaps position j
// with a uniformly drawn position for j = 1..N.

#include "content/Test.h"
#include "platform/Random.h"

namespace ispyt {

// Choice types: items, letters and correct texts move together.
void shuffleOptions(Task& task, Random& random);

// Sequence: items and letters move, the correct order stays; passes repeat
// until no item stands where its text belongs.  When no such order exists
// (one item, or one text filling more than half of them) a single pass is
// made and its order kept.
void shuffleSequence(Task& task, Random& random);

// Completion: each blank's variants and their letters.
void shuffleVariants(Task& task, Random& random);

}  // namespace ispyt
