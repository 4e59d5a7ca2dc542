#include "shell/UserTitle.h"

#include "platform/LineReader.h"
#include "platform/Paths.h"

namespace ispyt {

UserTitle parseUserTitle(std::string_view bytes) {
  UserTitle t;
  t.found = true;
  LineReader reader(bytes, LineReader::Ends::AnyNewline);
  if (auto l = reader.next()) t.line1 = std::string(*l);
  if (auto l = reader.next()) t.line2 = std::string(*l);
  return t;
}

UserTitle readUserTitle(const std::filesystem::path& baseFolder) {
  auto path = findEntry(baseFolder, "user.txt");
  if (!path) return {};
  auto bytes = readFileBytes(*path, 1024 * 1024);
  if (!bytes) return {};
  return parseUserTitle(*bytes);
}

}  // namespace ispyt
