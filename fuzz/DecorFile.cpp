// Reading any bytes as "decor.ini" must leave every setting within its
// range, and what the dialog then writes must read back to the same
// settings with no line left unused.

#include "presentation/DecorFile.h"

#include <cstdint>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::DecorSettings d;
  ispyt::readDecor(bytes, d, size % 2 == 0);
  require(d.pointerSpeed >= 0 && d.pointerSpeed <= 3);
  require(d.questionColour >= 0 && d.questionColour <= 7);
  require(d.answerColour >= 0 && d.answerColour <= 7);
  for (const std::string& part : d.address)
    require(part.size() <= 3 && part.find_first_not_of("0123456789") == std::string::npos);
  for (const std::string* text : {&d.testSet, &d.programBackground, &d.colourScheme, &d.listGroup})
    require(text->size() <= ispyt::kMaxDecorText);

  ispyt::DecorSettings back;
  ispyt::DecorReading again = ispyt::readDecor(ispyt::decorBytes(d), back, true);
  require(again.unusable.empty() && back == d);
  return 0;
}
