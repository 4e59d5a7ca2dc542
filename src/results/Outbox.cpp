#include "results/Outbox.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/Paths.h"
#include "results/ResultMessage.h"

namespace ispyt {
namespace {

constexpr std::string_view kExtension = ".msg";

// The number of a message file's name, or 0 when the name is not one.
long numberOf(const fs::path& file) {
  const std::string stem = file.stem().string();
  if (file.extension() != kExtension || stem.empty() || stem.size() > 9) return 0;
  long n = 0;
  auto [end, ec] = std::from_chars(stem.data(), stem.data() + stem.size(), n);
  return ec == std::errc() && end == stem.data() + stem.size() ? n : 0;
}

std::vector<std::pair<long, fs::path>> numberedFiles(const fs::path& folder) {
  std::vector<std::pair<long, fs::path>> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    if (const long n = numberOf(it->path()); n > 0) found.emplace_back(n, it->path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

fs::path outboxFolder(const fs::path& programFolder) { return locate(programFolder, "Outbox"); }

std::vector<WaitingMessage> waitingMessages(const fs::path& programFolder, FileSystem& files) {
  std::vector<WaitingMessage> out;
  for (auto& [number, file] : numberedFiles(outboxFolder(programFolder))) {
    std::optional<std::string> bytes = files.read(file, kMaxResultMessage);
    if (bytes && ReadResultMessage(*bytes).ok()) out.push_back({file, std::move(*bytes)});
  }
  return out;
}

std::error_code keepMessage(const fs::path& programFolder, std::string_view message,
                            FileSystem& files, fs::path* kept) {
  const fs::path folder = outboxFolder(programFolder);
  const auto numbered = numberedFiles(folder);
  for (const auto& [number, file] : numbered) {
    std::optional<std::string> bytes = files.read(file, kMaxResultMessage);
    if (bytes && *bytes == message) {
      if (kept) *kept = file;
      return {};
    }
  }
  if (std::error_code error = files.createDirectories(folder)) return error;
  char name[32];
  std::snprintf(name, sizeof name, "%06ld.msg", numbered.empty() ? 1 : numbered.back().first + 1);
  const fs::path file = folder / name;
  if (std::error_code error = files.replace(file, message)) return error;
  if (kept) *kept = file;
  return {};
}

}  // namespace ispyt
