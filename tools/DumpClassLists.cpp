// dump of "School.dbs": the class lists as the program reads them, and
// where reading stopped when the file is not whole.

#include <cstdio>

#include "Dump.h"
#include "Json.h"
#include "attempt/ClassListFile.h"

namespace ispyt::tool {

int dumpClassLists(const std::filesystem::path& file, const Args& options) {
  if (!options.empty()) {
    std::fprintf(stderr, "dump: unexpected argument '%s'\n", options[0].c_str());
    return 2;
  }
  ClassListReading r = readClassListFile(file);
  if (r.status == ClassListReading::Status::CannotOpen) {
    std::fprintf(stderr, "dump: cannot read %s\n", file.c_str());
    return 1;
  }
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("whole").boolean(r.ok());
  json.key("wholeBytes").number(static_cast<std::int64_t>(r.wholeBytes));
  json.key("problem");
  if (r.ok())
    json.null();
  else
    json.utf8(r.problem);
  json.key("message");
  if (r.ok())
    json.null();
  else
    json.text(r.message());
  json.key("lists").beginArray();
  std::int64_t row = 0;
  for (const ClassList& list : r.lists) {
    json.beginObject();
    json.key("row").number(++row);
    json.key("pupilCount").number(static_cast<std::int64_t>(list.pupils.size()));
    json.key("classNumber").number(std::int64_t{list.classNumber});
    json.key("letter").text(list.letter);
    json.key("subGroup").text(list.subGroup);
    json.key("pupils").beginArray();
    for (const std::string& pupil : list.pupils) json.text(pupil);
    json.endArray();
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
