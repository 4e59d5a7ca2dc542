// export-gift: a test folder's tasks written out as GIFT questions.

#include <cstdio>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "content/GiftExport.h"
#include "content/LoadTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/ReplaceFile.h"
#include "presentation/RenderTaskText.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

const char* const kHelp = R"(usage: ispyt-tool export-gift TESTFOLDER -o FILE.gift

Loads TESTFOLDER/test.txt as the program does and writes its tasks as GIFT
questions (UTF-8), "::Завдання N::" each, for the tasks one GIFT question
carries whole: single choice ({T} or {F} when the options are "Правильно"
and "Неправильно"), multiple choice (right options of equal weights, wrong
ones as much below zero), typed input with one field, matching (the right
item without a pair as "= -> …") and completion with one gap (the question
and "\n" before the sentence).  Texts keep the task screen's markup, so
that import-gift gives the same tasks back.

The tasks GIFT cannot carry (a counted choice, a sequence, a restoration, a
typed input with several fields, a completion with several gaps, a text
drawn as a picture) are listed as "task N: why" and left out; "task N:"
lines without "left out" say what a written task loses (a field's label).
Exit status: 0 written, 1 nothing written, 2 bad usage.
)";

}  // namespace

int runExportGift(const Args& args) {
  std::string folder, file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size()) {
      file = args[++i];
    } else if (folder.empty() && !args[i].empty() && args[i][0] != '-') {
      folder = args[i];
    } else {
      std::fprintf(stderr, "export-gift: unexpected argument '%s'\n%s", args[i].c_str(), kHelp);
      return 2;
    }
  }
  if (folder.empty() || file.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  Random random(1);  // the display shuffle does not reach the file
  Test test;
  LoadResult loaded = LoadTest(fs::path(folder) / "test.txt", test, random);
  if (!loaded.loaded() || test.taskCount == 0) {
    std::fprintf(
        stderr, "export-gift: %s/test.txt: %s", folder.c_str(),
        cp1251ToUtf8(loadMessage(loaded.loaded() ? LoadStatus::NoData : loaded.status)).c_str());
    if (loaded.line > 0) std::fprintf(stderr, " (line %d: %s)", loaded.line, loaded.reason.c_str());
    std::fputs("\n", stderr);
    return 1;
  }
  std::string where = cp1251FromPath(fs::path(folder));
  GiftExport gift = exportGift(
      test, [&](const std::string& text) { return pictureFile(text, where).has_value(); });
  for (const GiftTaskNote& s : gift.skipped)
    std::fprintf(stderr, "task %d: left out: %s\n", s.task, s.message.c_str());
  for (const GiftTaskNote& n : gift.notes)
    std::fprintf(stderr, "task %d: %s\n", n.task, n.message.c_str());
  std::string count =
      std::to_string(gift.written) + " of " + std::to_string(test.taskCount) + " tasks";
  if (gift.written == 0) {
    std::fprintf(stderr, "%s: %s can be written as GIFT; nothing written\n", folder.c_str(),
                 count.c_str());
    return 1;
  }
  if (std::error_code ec = replaceFile(file, gift.gift)) {
    std::fprintf(stderr, "export-gift: cannot write %s: %s\n", file.c_str(), ec.message().c_str());
    return 1;
  }
  std::printf("%s: %s written\n", file.c_str(), count.c_str());
  return 0;
}

}  // namespace ispyt::tool
