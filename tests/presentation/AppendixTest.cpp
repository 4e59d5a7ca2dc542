// A task's appendix: which file stands for it, how a rich-text file's
// lines lose their formatting, the window's forms and the picture's fit.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Cp1251.h"
#include "presentation/Appendix.h"

using namespace ispyt;
namespace fs = std::filesystem;

namespace {

struct Folder {
  fs::path path =
      fs::temp_directory_path() /
      ("ispyt-appendix-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  Folder() {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  void put(const std::string& name, const std::string& bytes = "x") const {
    std::ofstream(path / name, std::ios::binary) << bytes;
  }
};

}  // namespace

TEST(Appendix, ThePictureStandsBeforeTheTextLineBeforeTheLines) {
  struct Row {
    std::vector<std::string> files;
    AppendixKind kind;
    std::string chosen;
  };
  const Row rows[] = {
      {{}, AppendixKind::None, ""},
      {{"D3.bmp", "D3.txt", "D3.rtf"}, AppendixKind::Picture, "D3.bmp"},
      {{"D3.txt", "D3.rtf"}, AppendixKind::Text, "D3.txt"},
      {{"D3.rtf"}, AppendixKind::Lines, "D3.rtf"},
      {{"d3.BMP"}, AppendixKind::Picture, "d3.BMP"},    // any case
      {{"D30.bmp", "D4.txt"}, AppendixKind::None, ""},  // another task's
  };
  for (const Row& r : rows) {
    Folder f;
    for (const std::string& name : r.files) f.put(name);
    const AppendixFile found = findAppendix(f.path, 3);
    EXPECT_EQ(found.kind, r.kind) << r.chosen;
    if (r.kind != AppendixKind::None) {
      EXPECT_EQ(found.path.filename(), r.chosen);
    }
  }
}

TEST(Appendix, RichTextShowsItsTextWithoutTheFormatting) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
      "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Writer;}"
      "\\pard\\f0\\fs24 \\'c2\\'ee\\'e4\\'e0 {\\b H}\\sub 2\\nosupersub O\\par\n"
      "\\cf1 100 \\'b0C\\~\\u8212?\\tab x\\par}";
  EXPECT_EQ(plainLines(rtf), (std::vector<std::string>{cp1251("Вода H2O"), cp1251("100 °C ?\tx")}));
}

TEST(Appendix, AFileThatIsNoRichTextShowsItsLinesAsTheyAre) {
  EXPECT_EQ(plainLines("one\r\n{\\b two}\nthree\x1a"
                       "after"),
            (std::vector<std::string>{"one", "{\\b two}", "three"}));
  // Broken documents end where they break, and nothing is lost before.
  EXPECT_EQ(plainLines("{\\rtf1 text\\'"), (std::vector<std::string>{"text"}));
  EXPECT_EQ(plainLines("{\\rtf1 a\\par b}}}}}\\"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(plainLines(std::string(100000, '{').insert(0, "{\\rtf1 deep")),
            (std::vector<std::string>{"deep"}));
}

TEST(Appendix, TheTextLineIsTheFileFirstLine) {
  Folder f;
  f.put("D1.txt", "x]2[ + 1\r\nsecond");
  EXPECT_EQ(readAppendixLine(f.path / "D1.txt"), std::optional<std::string>("x]2[ + 1"));
  fs::create_directory(f.path / "D2.txt");  // no file to read
  EXPECT_EQ(readAppendixLine(f.path / "D2.txt"), std::nullopt);
  EXPECT_EQ(readAppendixLines(f.path / "D2.txt"), std::nullopt);
}

TEST(Appendix, FormsStandBesideTheTaskAndScaleWithTheScreen) {
  const ScreenScale one;
  EXPECT_EQ(appendixForm(one, false, false).window, (Rect{525, 140, 265, 240}));
  EXPECT_EQ(appendixForm(one, false, true).window, (Rect{525, 20, 265, 360}));
  EXPECT_EQ(appendixForm(one, true, false).window, (Rect{400, 20, 398, 360}));  // 397.5 to even
  EXPECT_EQ(appendixForm(one, true, true).window, (Rect{400, 20, 398, 540}));
  EXPECT_EQ(appendixForm(one, false, false).memoFont, 14);
  EXPECT_EQ(appendixForm(one, true, false).memoFont, 21);
  EXPECT_EQ(appendixOpening(one, true), (Rect{525, 140, 265, 360}));
  const ScreenScale wide{1.6, 4.0 / 3.0, 4.0 / 3.0};
  EXPECT_EQ(appendixForm(wide, true, false).window, (Rect{640, 27, 636, 480}));
}

TEST(Appendix, APictureKeepsItsAspect) {
  EXPECT_EQ(fitKeepingAspect({400, 200}, {265, 240}), (Size{265, 132}));  // 132.5 to even
  EXPECT_EQ(fitKeepingAspect({100, 300}, {265, 360}), (Size{120, 360}));
  EXPECT_EQ(fitKeepingAspect({10, 10}, {265, 240}), (Size{240, 240}));  // small ones grow
  EXPECT_EQ(fitKeepingAspect({0, 10}, {265, 240}), (Size{}));
}
