// dump of "decor.ini": the workstation's appearance and options as the
// program reads them at start-up, and every line it could not use.

#include <cstdio>

#include "Dump.h"
#include "Json.h"
#include "presentation/DecorFile.h"

namespace ispyt::tool {

int dumpDecor(const std::filesystem::path& file, const Args& options) {
  if (!options.empty()) {
    std::fprintf(stderr, "dump: unexpected argument '%s'\n", options[0].c_str());
    return 2;
  }
  DecorSettings d;
  DecorReading r = readDecorFile(file, d, true);
  if (!r.found) {
    std::fprintf(stderr, "dump: cannot read %s\n", file.c_str());
    return 1;
  }
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("keysRead").number(std::int64_t{r.keysRead});
  json.key("testSet").text(d.testSet);
  json.key("programBackground").text(d.programBackground);
  json.key("questionBackground").text(d.questionBackground);
  json.key("answerBackground").text(d.answerBackground);
  json.key("colourScheme").text(d.colourScheme);
  json.key("clockBackground").boolean(d.clockBackground);
  json.key("clockColour").boolean(d.clockColour);
  json.key("effect").text(d.effect);
  json.key("sound").boolean(d.sound);
  json.key("pointerSpeed").number(std::int64_t{d.pointerSpeed});
  json.key("keyboard").boolean(d.keyboard);
  json.key("questionColour").number(std::int64_t{d.questionColour});
  json.key("answerColour").number(std::int64_t{d.answerColour});
  json.key("resultDatabase").text(d.resultDatabase);
  json.key("fullScreen").boolean(d.fullScreen);
  json.key("proportional").boolean(d.proportional);
  json.key("questionBold").boolean(d.questionBold);
  json.key("answerBold").boolean(d.answerBold);
  json.key("address").beginArray();
  for (const std::string& part : d.address) json.text(part);
  json.endArray();
  json.key("sendResults").boolean(d.sendResults);
  json.key("teacherPort").number(static_cast<std::int64_t>(d.teacherPort));
  json.key("byList").boolean(d.byList);
  json.key("listClass").text(d.listClass);
  json.key("listLetter").text(d.listLetter);
  json.key("listGroup").text(d.listGroup);
  json.key("unusableLines").beginArray();
  for (const DecorReading::Unusable& u : r.unusable) {
    json.beginObject();
    json.key("line").number(std::int64_t{u.line});
    json.key("text").text(u.text);
    json.key("problem").utf8(u.problem);
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
