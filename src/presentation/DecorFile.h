#pragma once
// "decor.ini", the workstation's appearance file in the "Decor" folder: an
// INI file in Windows-1251 with one section per setting, named by its
// Ukrainian caption, and the name of the dialog control that edits it as
// the key.  Booleans are 1 or 0, numbers decimal, sections in this order:
//
//   [набор тестів] ComboBox7      [фон програми] ComboBox1
//   [фон питання] ComboBox2       [фон відповідей] ComboBox8
//   [фон діаграми] ComboBox10     [Фон годинника] CheckBox8
//   [Колір годинника] CheckBox9   [ефект] ComboBox5
//   [звук] CheckBox1              [вказівник] TrackBar1 (0..3)
//   [клавіатура] CheckBox4        [колір питання] Label1 (0..7)
//   [колір відповідей] Label2     [результати] ComboBox3
//   [На весь екран] CheckBox3     [Пропорційно] CheckBox5
//   [Стиль питання] Button1       [Стиль відповідей] Button2
//   [Адрес1..4] Edit3.Text..Edit6.Text (up to 3 digits each)
//   [сервер] CheckBox6            [порт] Port (1..65535, only when not 62)
//   [За списком] CheckBox7
//   [Kлас] ComboBox4 (a Latin K)  [буква] ComboBox11
//   [підгрупа] ComboBox12
//
// Sections and keys match ignoring case; the first of a repeated key
// counts.  A key the file lacks leaves its setting as it was.  A text that
// begins or ends with a blank is written in double quotes, which reading
// takes off again (as the system's own INI reader does).

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "presentation/DecorSettings.h"

namespace ispyt {

// A file larger than this is not read (the start-up values stay); a line
// longer than kMaxDecorLine is skipped.
inline constexpr std::size_t kMaxDecorFile = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxDecorLine = 4096;
inline constexpr std::size_t kMaxDecorText = 255;

struct DecorReading {
  struct Unusable {
    int line = 0;         // 1-based
    std::string text;     // the line (Windows-1251), cut to 80 bytes
    std::string problem;  // why it was skipped, in English, for the tool
  };
  bool found = false;  // there was a file, and it could be read
  int keysRead = 0;
  std::vector<Unusable> unusable;
};

// Reads `bytes` into `decor`, key by key.  The program background is taken
// only with `activateBackground` (at start-up); otherwise it stays.
DecorReading readDecor(std::string_view bytes, DecorSettings& decor, bool activateBackground);

// Every setting, in the order above.
std::string decorBytes(const DecorSettings& decor);

// "decor" + the 6th and 7th characters of the base folder's name + ".ini"
// ("decor.ini" for "Base").
std::string decorFileName(std::string_view baseFolderName);
// That file in the program folder's "Decor" folder, found ignoring case.
std::filesystem::path decorPath(const std::filesystem::path& programFolder,
                                std::string_view baseFolderName);

// A missing or unreadable file leaves `decor` as it is.
DecorReading ReadDecor(const std::filesystem::path& programFolder, std::string_view baseFolderName,
                       DecorSettings& decor, bool activateBackground);
DecorReading readDecorFile(const std::filesystem::path& file, DecorSettings& decor,
                           bool activateBackground);

// Writes the whole file in one step: a new file beside the old one replaces
// it, so a failed write leaves the old file as it was.
std::error_code WriteDecor(const std::filesystem::path& programFolder,
                           std::string_view baseFolderName, const DecorSettings& decor);

}  // namespace ispyt
