#pragma once
// A task's appendix: a picture or a text the test's author put beside task
// n in the test folder ("D<n>.bmp", "D<n>.txt", "D<n>.rtf"), shown in a
// small window while the task is on screen, and the two forms of that
// window.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

enum class AppendixKind { None, Picture, Text, Lines };

struct AppendixFile {
  AppendixKind kind = AppendixKind::None;
  std::filesystem::path path;
};

// The appendix of task n: the picture before the text line before the
// lines, whatever the case of the names.
AppendixFile findAppendix(const std::filesystem::path& testFolder, int task);

// The first line of a ".txt" appendix (Windows-1251, with its markup);
// nothing when the file cannot be read.
std::optional<std::string> readAppendixLine(const std::filesystem::path& file);

// The lines of a ".rtf" appendix as plain text; nothing when the file
// cannot be read.
std::optional<std::vector<std::string>> readAppendixLines(const std::filesystem::path& file);

// The text of a rich-text document without its formatting, one string a
// paragraph; bytes that are not such a document are split into their lines.
std::vector<std::string> plainLines(std::string_view bytes);

// The two forms of the window, in screen pixels relative to the main
// window's corner.  A portrait window (narrower than tall) stands higher.
struct AppendixForm {
  Rect window;
  int memoFont = 14;  // pixel size of the lines' font
};
AppendixForm appendixForm(const ScreenScale& s, bool large, bool portrait);
// Where the window first shows: the small form, 140 design pixels down.
Rect appendixOpening(const ScreenScale& s, bool portrait);

// `picture` scaled into `box`, keeping its aspect ratio.
Size fitKeepingAspect(Size picture, Size box);

}  // namespace ispyt
