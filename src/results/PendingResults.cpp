#include "results/PendingResults.h"

#include <algorithm>

#include "platform/Cp1251.h"
#include "platform/FileErrorText.h"
#include "platform/Paths.h"
#include "results/Outbox.h"

namespace ispyt {
namespace {

constexpr std::size_t kMaxKeptBytes = 8 * 1024 * 1024;

fs::path newKeptName(const PendingResult& r, Random& random) {
  const fs::path folder = pendingFolder(r.programFolder);
  fs::path name;
  std::error_code ec;
  do {
    const std::string number = std::to_string(100000 + random.random(900000));
    name = folder / pathFromCp1251(r.attemptCode + "-" + number + ".pending");
  } while (fs::exists(name, ec));
  return name;
}

}  // namespace

fs::path pendingFolder(const fs::path& programFolder) { return locate(programFolder, "Pending"); }

StoreOutcome storeKept(PendingResult& result, fs::path& kept, FileSystem& files, Random& random,
                       bool again) {
  auto keep = [&] {
    const bool named = !kept.empty();
    if (!named) {
      if (files.createDirectories(pendingFolder(result.programFolder))) return;
      kept = newKeptName(result, random);
    }
    // A kept copy that cannot be brought up to date still holds the
    // answers; writing it again finds what was done since.
    if (files.replace(kept, pendingResultBytes(result)) && !named) kept.clear();
  };
  keep();
  StoreOutcome out = StoreResult(result, files, random, again, keep);
  if (out.stored()) {
    // The teacher's message goes with the stored result; should the outbox
    // not take it, the kept copy stays, is found stored at the next try,
    // and hands its message over then.
    if (!result.message.empty() && keepMessage(result.programFolder, result.message, files))
      return out;
    // A copy left behind is found stored at the next try, and removed.
    if (!kept.empty()) files.remove(kept);
    kept.clear();
  }
  return out;
}

std::vector<fs::path> keptResults(const fs::path& programFolder) {
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  std::error_code ec;
  for (fs::directory_iterator it(pendingFolder(programFolder), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) && it->path().extension() == ".pending")
      found.emplace_back(it->last_write_time(ignored), it->path());
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> files;
  for (auto& [time, path] : found) files.push_back(std::move(path));
  return files;
}

RetryOutcome retryKeptResults(const fs::path& programFolder, FileSystem& files, Random& random,
                              const fs::path& testFolder) {
  RetryOutcome out;
  for (fs::path file : keptResults(programFolder)) {
    auto bytes = files.read(file, kMaxKeptBytes);
    if (!bytes) continue;
    Parsed<PendingResult> read = ReadPendingResult(*bytes);
    if (!read.ok()) continue;  // not ours to judge: left as it is
    PendingResult& result = *read.value;
    if (!testFolder.empty() && result.testFolder != testFolder) continue;
    StoreOutcome stored = storeKept(result, file, files, random, true);
    if (stored.stored()) {
      ++out.stored;
    } else {
      ++out.left;
      out.failure = stored;
    }
  }
  return out;
}

std::string keptResultsText(const RetryOutcome& out) {
  return cp1251("Не записано результатів: ") + std::to_string(out.left) +
         cp1251(". Їх відповіді збережено в теці Pending; запис повториться після наступної "
                "спроби.\nОстання причина: ") +
         cp1251FromPath(out.failure.failedFile) + " - " + fileErrorReason(out.failure.error) + ".";
}

}  // namespace ispyt
