// Reading any bytes as "School.dbs" must stop at the first fault with the
// lists before it, never hold more pupils than the records can carry, and
// what it read must write and read back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "attempt/ClassListFile.h"
#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::ClassListReading r = ispyt::readClassLists(bytes);
  require(r.wholeBytes <= size && r.wholeBytes % ispyt::kClassListRecordSize == 0);
  require(r.ok() == r.problem.empty());
  std::size_t records = 0;
  for (const ispyt::ClassList& list : r.lists) {
    require(list.letter.size() <= 1 && list.subGroup.size() <= 1);
    for (const std::string& pupil : list.pupils) require(pupil.size() <= ispyt::kMaxPupilName);
    records += 1 + list.pupils.size();
  }
  require(records * ispyt::kClassListRecordSize == r.wholeBytes);

  std::string written = ispyt::classListBytes(r.lists);
  require(written.size() == r.wholeBytes);
  ispyt::ClassListReading back = ispyt::readClassLists(written);
  require(back.ok() && back.lists == r.lists);
  return 0;
}
