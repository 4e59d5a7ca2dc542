#pragma once
// Compiles an authored test into the bytes of "test.txt": item orders
// scrambled, typed answers hidden under random key lines, every header with
// its check code.  Keys and storage orders are chosen so that no line holds
// the pair CR LF or the byte 26, which the reader would take for a line end
// or the end of the file.

#include <string>

#include "content/TestSource.h"
#include "platform/Random.h"

namespace ispyt {

std::string writeTestFile(const TestSource& source, Random& random);

}  // namespace ispyt
