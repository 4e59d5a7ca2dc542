#include "results/FocusLossFile.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "platform/Cp1251.h"
#include "platform/DirectoryScan.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

// An attempt clock far beyond the longest test paper, and more losses
// than a day could give.
constexpr int kMostSeconds = 10'000'000;
constexpr int kMostLosses = 10'000'000;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::string_view line() {
    const std::size_t end = bytes_.find("\r\n", at_);
    if (end == std::string_view::npos) {
      ++line_;
      fail("a line has no CR LF");
    }
    std::string_view text = bytes_.substr(at_, end - at_);
    at_ = end + 2;
    ++line_;
    return text;
  }
  // Written by the program, a number is digits without leading zeros.
  int number(std::string_view text, int most, const char* what) {
    int value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || text[0] == '-' ||
        text[0] == '+' || (text.size() > 1 && text[0] == '0') || value > most)
      fail(std::string(what) + " is not a number from 0 to " + std::to_string(most));
    return value;
  }
  bool atEnd() const { return at_ == bytes_.size(); }
  [[noreturn]] void fail(std::string reason) const { throw ReadFault{line_, std::move(reason)}; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::int64_t line_ = 0;
};

}  // namespace

FocusLossRecord focusLossRecordOf(const FocusLosses& losses, int elapsed) {
  FocusLossRecord r{losses.count(), losses.listed()};
  for (FocusLoss& loss : r.listed)
    if (loss.back < 0) loss.back = std::max(loss.at, elapsed);
  return r;
}

std::string focusLossBytes(const FocusLossRecord& r) {
  if (r.count == 0) return {};
  std::string out = std::to_string(r.count) + "\r\n";
  for (const FocusLoss& loss : r.listed)
    out += std::to_string(loss.at) + " " + std::to_string(loss.back) + " " +
           std::to_string(static_cast<int>(loss.kind)) + "\r\n";
  return out;
}

Parsed<FocusLossRecord> ReadFocusLossFile(std::string_view bytes) {
  Reader in(bytes);
  FocusLossRecord r;
  try {
    if (bytes.size() > kMaxFocusLossBytes) in.fail("the file is larger than any loss record");
    r.count = in.number(in.line(), kMostLosses, "the count");
    if (r.count == 0) in.fail("a record without a loss is never written");
    const int lines = std::min(r.count, kMaxListedFocusLosses);
    for (int i = 0; i < lines; ++i) {
      std::string_view text = in.line();
      std::string_view fields[3];
      for (int f = 0; f < 3; ++f) {
        const std::size_t space = f < 2 ? text.find(' ') : std::string_view::npos;
        if (f < 2 && space == std::string_view::npos) in.fail("a loss is not: at back kind");
        fields[f] = text.substr(0, space);
        if (f < 2) text.remove_prefix(space + 1);
      }
      FocusLoss loss;
      loss.at = in.number(fields[0], kMostSeconds, "the moment lost");
      loss.back = in.number(fields[1], kMostSeconds, "the moment back");
      const int kind = in.number(fields[2], 2, "the kind");
      if (kind == 0) in.fail("the kind is not 1 or 2");
      if (loss.back < loss.at) in.fail("the loss ends before it begins");
      if (!r.listed.empty() && loss.at < r.listed.back().back)
        in.fail("the loss begins before the one before it ended");
      loss.kind = static_cast<FocusLossKind>(kind);
      r.listed.push_back(loss);
    }
    if (!in.atEnd()) {
      in.line();
      in.fail("a line follows the last loss");
    }
  } catch (const ReadFault& fault) {
    return Parsed<FocusLossRecord>::failure(fault.position, fault.reason);
  }
  Parsed<FocusLossRecord> parsed;
  parsed.value = std::move(r);
  return parsed;
}

std::filesystem::path focusLossFile(const std::filesystem::path& testFolder,
                                    const std::string& attemptCode) {
  return testFolder / pathFromCp1251(attemptCode + std::string(kFocusLossExtension));
}

std::vector<int> focusLossCounts(const std::filesystem::path& testFolder,
                                 const std::vector<std::string>& codes) {
  // Any case of the name, as the other result files; one scan of the
  // folder for all the codes.
  std::map<std::string, std::string> files;
  const std::size_t ext = kFocusLossExtension.size();
  for (const std::string& name : scanEntries(testFolder, Entries::Files))
    if (name.size() > ext &&
        cp1251EqualNoCase(std::string_view(name).substr(name.size() - ext), kFocusLossExtension))
      files.emplace(cp1251Upper(std::string_view(name).substr(0, name.size() - ext)), name);
  std::vector<int> counts;
  counts.reserve(codes.size());
  for (const std::string& code : codes) {
    const auto found = files.find(cp1251Upper(code));
    if (found == files.end()) {
      counts.push_back(0);
      continue;
    }
    const auto bytes =
        diskFileSystem().read(testFolder / pathFromCp1251(found->second), kMaxFocusLossBytes);
    const Parsed<FocusLossRecord> read =
        bytes ? ReadFocusLossFile(*bytes) : Parsed<FocusLossRecord>::failure(0, "unreadable");
    counts.push_back(read.ok() ? read.value->count : -1);
  }
  return counts;
}

}  // namespace ispyt
