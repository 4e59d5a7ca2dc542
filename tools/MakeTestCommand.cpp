// make-test: compiles a test source (UTF-8 text a teacher writes) into a
// test folder, once the program's own loader has read the result back.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Commands.h"
#include "MakeTestSettings.h"
#include "WriteTestTxt.h"
#include "content/TestSource.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

const char* const kHelp = R"(usage: ispyt-tool make-test SOURCE -o TESTFOLDER [--seed N]

Compiles SOURCE, a UTF-8 text file, into TESTFOLDER/test.txt (Windows-1251,
item orders scrambled, answers hidden under keys) and copies the pictures it
names.  Config.ini is written only when the source gives settings (see the
end); results in TESTFOLDER are left alone.  --seed N makes the scrambling repeatable.

The source, line by line (blank lines and lines starting with '#' are
skipped; leading and trailing blanks are dropped):

  title: TEXT          the test's title, once, before the tasks
  copy: FILE           a file copied into the test folder as it is
  == KIND              starts a task; KIND is single, multiple, counted,
                       input, sequence, matching, restoration or completion
                       (or одиничний, множинний, кількісний, введення,
                       послідовність, відповідність, відновлення, доповнення)
  ? TEXT               the question; further '?' lines continue it
  + TEXT / - TEXT      a correct / a wrong option

Texts pass the renderer's markup through unchanged: H[2]O lowers and x]2[
raises, {1\2} is a fraction, {x+y=1^x-y=3} a system, #2x# a square root,
`p the symbol font's π, ¶ a line break, ‹ an input gap, and so on.

  == single            2..13 options, exactly one '+'
  ? Скільки буде 7 · 8?
  + 56
  - 54
  - 64

  == multiple          2..7 options, at least one '+' ("counted" the same;
  ? Які числа прості?   the pupil is told how many to choose)
  + 2
  + 7
  - 9

  == input             1..3 fields, each with 1..13 accepted answers
  ? Столиця України?
  field: Місто
  = Київ
  = м. Київ

  == sequence          2..7 items in their correct order
  ? Упорядкуйте числа за зростанням
  - 1/3
  - 1/2
  - 2/3

  == matching          1..12 pairs '<' left, '>' its right item; one more
  ? Установіть відповідність   '>' line at the end is an unmatched item
  < Київ               (without it the right column ends with "--")
  > Україна
  < Варшава
  > Польща
  > Чехія

  == restoration       up to 6 rows of up to 15 cells; _c lowered, ^c
  ? Відновіть формулу  raised, [c] a gap the pupil fills with c, \c the
  picture: h2so4.bmp   character c itself; palette: up to 18 keys ('_'
  row: H_[2]SO_[4]     empty; default: the gaps' characters); picture:
  palette: 1234        shown for the task (becomes P<n>-1.bmp); flag: c
                       sets the grid's display flag (default '+')

  appendix: FILE       in any task: a picture (.bmp), a line of text with
                       the markup (.txt) or lines of text (.rtf) shown in
                       a window beside the task (becomes D<n>.bmp, .txt
                       or .rtf)

  == completion        the text with a gap mark ‹ (or <gap>) per blank;
  ? Доповніть речення  each 'blank:' line starts a blank, its variants
  text: Кит <gap> ссавцем.    follow, exactly one '+'; '_' may not occur
  blank:               in answers and variants (the file stores a space
  + є                  as '_')
  - не є
)";

std::string readSource(const fs::path& path, bool& ok) {
  auto bytes = readFileBytes(path, 4 * 1024 * 1024);
  ok = bytes.has_value();
  return ok ? *bytes : std::string();
}

bool copyInto(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec)
    std::fprintf(stderr, "make-test: cannot copy %s: %s\n", from.c_str(), ec.message().c_str());
  return !ec;
}

}  // namespace

int runMakeTest(const Args& args) {
  std::string source, folder;
  std::uint64_t seed = 0;
  bool seeded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kHelp, stdout);
      std::fputs(SourceSettings::help(), stdout);
      return 0;
    }
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size())
      folder = args[++i];
    else if (args[i] == "--seed" && i + 1 < args.size()) {
      seed = std::strtoull(args[++i].c_str(), nullptr, 10);
      seeded = true;
    } else if (source.empty() && args[i][0] != '-')
      source = args[i];
    else {
      std::fprintf(stderr, "make-test: unexpected argument '%s'\n%s", args[i].c_str(), kHelp);
      return 2;
    }
  }
  if (source.empty() || folder.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  bool read = false;
  std::string text = readSource(source, read);
  if (!read) {
    std::fprintf(stderr, "make-test: cannot read %s\n", source.c_str());
    return 1;
  }
  SourceSettings settings(text);
  ParsedSource parsed = parseTestSource(text);
  if (!parsed.source) {
    std::fprintf(stderr, "%s:%d: %s\n", source.c_str(), parsed.error.line,
                 parsed.error.message.c_str());
    return 1;
  }
  const TestSource& test = *parsed.source;
  fs::path out(folder), from = fs::path(source).parent_path();
  // Every file the source names must be there before anything is written.
  std::vector<std::string> named = test.extraFiles;
  for (const SourceTask& t : test.tasks)
    for (const std::string* file : {&t.picture, &t.appendix})
      if (!file->empty()) named.push_back(*file);
  for (const std::string& file : named)
    if (!fs::is_regular_file(from / file)) {
      std::fprintf(stderr, "%s: the file '%s' it names is missing\n", source.c_str(), file.c_str());
      return 1;
    }
  if (!settings.check(source, static_cast<int>(test.tasks.size()))) return 1;
  Random random = seeded ? Random(seed) : Random::clockSeeded();
  if (!writeTestTxt(out, test, random, "make-test")) return 1;
  for (std::size_t n = 0; n < test.tasks.size(); ++n) {
    const SourceTask& t = test.tasks[n];
    const std::string number = std::to_string(n + 1);
    if (!t.picture.empty() && !copyInto(from / t.picture, out / ("P" + number + "-1.bmp")))
      return 1;
    if (t.appendix.empty()) continue;
    const std::string extension = appendixExtension(t.appendix);
    if (!copyInto(from / t.appendix, out / ("D" + number + extension))) return 1;
    // An appendix of another kind left from an earlier source would stand
    // before this one, or behind it.
    for (const char* other : {".bmp", ".txt", ".rtf"})
      if (other != extension)
        if (auto stale = findEntry(out, "D" + number + other)) {
          std::error_code ec;
          fs::remove(*stale, ec);
        }
  }
  for (const std::string& file : test.extraFiles)
    if (!copyInto(from / file, out / fs::path(file).filename())) return 1;
  if (!settings.save(out)) return 1;

  std::printf("%s: %d tasks\n", (out / "test.txt").c_str(), static_cast<int>(test.tasks.size()));
  return 0;
}

}  // namespace ispyt::tool
