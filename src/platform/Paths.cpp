#include "platform/Paths.h"

#include <fstream>
#include <system_error>

#include "platform/Cp1251.h"

namespace ispyt {

fs::path pathFromCp1251(std::string_view name) {
  std::string utf8 = cp1251ToUtf8(name);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string cp1251FromPath(const fs::path& path) {
  std::u8string u = path.u8string();
  return utf8ToCp1251(std::string(u.begin(), u.end()));
}

std::optional<fs::path> findEntry(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::path exact = dir / pathFromCp1251(name);
  if (fs::exists(exact, ec)) return exact;
  std::optional<fs::path> found;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (cp1251EqualNoCase(cp1251FromPath(it->path().filename()), name)) {
      // The directory order is arbitrary; take the smallest name so the
      // choice is the same on every run.
      if (!found || it->path() < *found) found = it->path();
    }
  }
  return found;
}

fs::path locate(const fs::path& root, std::string_view relative) {
  fs::path current = root;
  bool resolving = true;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = relative.size();
    std::string_view part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    std::optional<fs::path> next;
    if (resolving) next = findEntry(current, part);
    if (next) {
      current = *next;
    } else {
      resolving = false;
      current /= pathFromCp1251(part);
    }
  }
  return current;
}

bool exists(const fs::path& root, std::string_view relative) {
  std::error_code ec;
  return fs::exists(locate(root, relative), ec);
}

std::optional<fs::path> programFolderFromArgs(const std::vector<std::string>& args,
                                              const fs::path& workingDirectory) {
  fs::path folder = workingDirectory;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--program-folder") {
      std::string utf8 = args[i + 1];
      folder = fs::path(std::u8string(utf8.begin(), utf8.end()));
      if (folder.is_relative()) folder = workingDirectory / folder;
    }
  }
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return std::nullopt;
  return fs::weakly_canonical(folder, ec);
}

std::optional<std::string> readFileBytes(const fs::path& path, std::size_t maxBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    data.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (data.size() > maxBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return data;
}

}  // namespace ispyt
