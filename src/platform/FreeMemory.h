#pragma once
// Gives the memory the program has freed back to the system, so that the
// large pictures of start-up (the first screen drawn at three times the
// size) do not stay counted against an idle program.

namespace ispyt {

void returnFreeMemory();

}  // namespace ispyt
