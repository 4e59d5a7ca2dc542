#pragma once
// Writing a compiled test into its folder, for the commands that make one
// (make-test, import-gift).

#include <filesystem>

#include "content/TestSource.h"
#include "platform/Random.h"

namespace ispyt::tool {

// Writes `source` as FOLDER/test.txt through the one writer of test files,
// once the program's own loader has read the bytes back to the same number
// of tasks; the folder is made when missing, and an old test.txt stays as it
// was until the new one is whole.  Returns false after saying on standard
// error what failed, prefixed by `command`.
bool writeTestTxt(const std::filesystem::path& folder, const TestSource& source, Random& random,
                  const char* command);

}  // namespace ispyt::tool
