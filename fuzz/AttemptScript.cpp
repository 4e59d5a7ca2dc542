// Reading any bytes as a simulate script must either name a line of the
// input with its fault or give steps whose numbers lie in their ranges;
// an answer's fields and characters come out of it whatever it holds.

#include "attempt/AttemptScript.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  ispyt::ScriptReading r = ispyt::readAttemptScript(text);
  if (!r.ok()) {
    require(r.errorLine >= 1 && !r.error.empty());
    require(static_cast<std::size_t>(r.errorLine) <= size + 1);
    return 0;
  }
  require(r.script.mode >= -1 && r.script.mode <= 4);
  require(r.script.timeLimit == -1 || (r.script.timeLimit >= 1 && r.script.timeLimit <= 999));
  require(r.script.steps.size() <= ispyt::kMaxScriptSteps);
  int line = 0;
  for (const ispyt::ScriptStep& s : r.script.steps) {
    require(s.line > line);
    line = s.line;
    using Kind = ispyt::ScriptStep::Kind;
    if (s.kind == Kind::Petal) require(s.number >= 1 && s.number <= 60);
    if (s.kind == Kind::Wait) require(s.number >= 0 && s.number <= ispyt::kMaxScriptWait);
    if (s.kind == Kind::Answer) {
      require(!s.text.empty());
      require(!ispyt::answerFields(s.text).empty());
      require(ispyt::gapCharacters(s.text).size() <= s.text.size());
    }
  }
  return 0;
}
