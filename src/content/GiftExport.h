#pragma once
// A loaded test written out as GIFT: every task one GIFT question carries
// whole (single and multiple choice, typed input with one field, matching,
// completion with one gap), texts with the program's markup as they stand,
// so that importing the file gives the same tasks back.  The other tasks are
// listed with the reason.

#include <functional>
#include <string>
#include <vector>

#include "content/Test.h"

namespace ispyt {

struct GiftTaskNote {
  int task = 0;         // 1-based, in file order
  std::string message;  // English, texts quoted in UTF-8
};

struct GiftExport {
  std::string gift;  // UTF-8, LF line ends
  int written = 0;
  std::vector<GiftTaskNote> skipped;  // tasks GIFT cannot carry
  std::vector<GiftTaskNote> notes;    // written, with what GIFT leaves out
};

// `isFile` tells whether a text names a file of the test's folder (such a
// text is drawn as that picture).
GiftExport exportGift(const Test& test, const std::function<bool(const std::string&)>& isFile);

}  // namespace ispyt
