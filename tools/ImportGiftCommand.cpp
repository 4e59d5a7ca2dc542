// import-gift: a bank of GIFT questions becomes a test folder, through the
// same writer and checks as make-test.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "WriteTestTxt.h"
#include "content/GiftImport.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxGiftBytes = 16 * 1024 * 1024;

const char* const kHelp =
    R"(usage: ispyt-tool import-gift FILE.gift -o TESTFOLDER [--title TEXT] [--strict] [--seed N]

Reads FILE.gift, questions in GIFT (UTF-8 with or without a byte-order mark,
lines ending in LF or CR LF), and writes TESTFOLDER/test.txt through the same
writer as make-test, so every rule of the test file holds.  The test's title
is TEXT, or the file's name without its extension.  --seed N makes the
scrambling repeatable.  Other files of TESTFOLDER are left alone.

Questions stand apart by blank lines; "//" comment lines and "$CATEGORY:"
lines are skipped.  A title "::…::" is dropped, and so is feedback ("#…",
"####…").  The escapes \~ \= \# \{ \} \: \\ give the character, \n a line
break.  By its answer block a question becomes:

  Столиця України? {=Київ ~Львів ~Харків}       single choice
  Прості числа? {~%50%2 ~%50%3 ~%-100%4}         multiple choice: right answers
                                                 of equal weights adding to 100%
  Земля кругла. {T}   ({F}, {TRUE}, {FALSE})     single choice of "Правильно" and
                                                 "Неправильно"
  Найвища гора? {=Говерла =гора Говерла}         typed input accepting each answer,
                                                 its field labelled "Відповідь:"
  Скільки буде 2+3? {#5}    ({#5:0})             typed input of the number (also
                                                 written with a decimal comma)
  Столиці: {=Польща -> Варшава =Чехія -> Прага = -> Відень}
                                                 matching; "= -> …" is the right
                                                 item without a pair
  Кит {=є ~не є} ссавцем.                        completion (a missing word): the
                                                 variants at the gap; a first line
                                                 ending in \n before the gap is
                                                 its question

Any other block in the middle of a text keeps its kind, its place shown as
"…".  Texts without a format (or with [plain] and the like) are the task
screen's markup as in make-test (x]2[, #2x#, `p and so on; the fraction
{1\2} is written \{1\\2\}); [html] and [markdown] texts are turned into it
(line breaks, <sub>, <sup>, bold, italic and underlined words kept).

A question that cannot become a task (an essay, a description, a tolerance
or a range, weights a task cannot count, texts too long or outside
Windows-1251, more than 60 tasks) is reported as FILE:LINE: what and why,
and left out; with --strict nothing is written then.  The last line says
how many questions were imported of how many.  Exit status: 0 written, 1
nothing written, 2 bad usage.
)";

}  // namespace

int runImportGift(const Args& args) {
  std::string file, folder, title;
  bool titled = false, strict = false, seeded = false;
  std::uint64_t seed = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size()) {
      folder = args[++i];
    } else if (args[i] == "--title" && i + 1 < args.size()) {
      title = args[++i];
      titled = true;
    } else if (args[i] == "--seed" && i + 1 < args.size()) {
      seed = std::strtoull(args[++i].c_str(), nullptr, 10);
      seeded = true;
    } else if (args[i] == "--strict") {
      strict = true;
    } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
      file = args[i];
    } else {
      std::fprintf(stderr, "import-gift: unexpected argument '%s'\n%s", args[i].c_str(), kHelp);
      return 2;
    }
  }
  if (file.empty() || folder.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  if (!titled) title = fs::path(file).stem().string();
  std::string name = utf8ToCp1251(title);
  if (cp1251ToUtf8(name) != title || std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
      })) {
    std::fprintf(stderr,
                 "import-gift: the title '%s' holds a character Windows-1251 has not, or a control "
                 "character\n",
                 title.c_str());
    return 2;
  }
  auto bytes = readFileBytes(file, kMaxGiftBytes);
  if (!bytes) {
    std::fprintf(stderr, "import-gift: cannot read %s (missing, unreadable or over 16 MB)\n",
                 file.c_str());
    return 1;
  }

  GiftImport gift = importGift(*bytes);
  for (const GiftRefusal& r : gift.refusals)
    std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), r.line, r.message.c_str());
  int imported = static_cast<int>(gift.source.tasks.size());
  std::string count =
      std::to_string(imported) + " of " + std::to_string(gift.questions) + " questions";
  if (imported == 0 || (strict && !gift.refusals.empty())) {
    std::fprintf(stderr, "%s: %s importable; nothing written%s\n", file.c_str(), count.c_str(),
                 imported == 0 ? "" : " (--strict)");
    return 1;
  }
  gift.source.title = name;
  Random random = seeded ? Random(seed) : Random::clockSeeded();
  if (!writeTestTxt(folder, gift.source, random, "import-gift")) return 1;
  std::printf("%s: %s imported into %s\n", file.c_str(), count.c_str(),
              (fs::path(folder) / "test.txt").c_str());
  return 0;
}

}  // namespace ispyt::tool
