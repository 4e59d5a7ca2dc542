#pragma once
// File names of the program: the program folder and case-insensitive
// lookup below it.  Names are Windows-1251 text as the program's files
// store them; "Config.ini" and "config.ini", "Decor" and "decor" are the
// same entry, as they are on the system the files come from.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

namespace fs = std::filesystem;

// A Windows-1251 name as a path of this file system, and back.
fs::path pathFromCp1251(std::string_view name);
std::string cp1251FromPath(const fs::path& path);

// The entry of `dir` whose name equals `name` ignoring case (an exact match
// wins), or nothing.
std::optional<fs::path> findEntry(const fs::path& dir, std::string_view name);

// Resolves a relative name ("Decor/Fon1/x.bmp"; '\\' separates too) below
// `root`, matching each part case-insensitively.  Parts that do not exist
// are appended as written, so the result also names a file to be created.
fs::path locate(const fs::path& root, std::string_view relative);

// True when `locate` finds every part of the name.
bool exists(const fs::path& root, std::string_view relative);

// The program folder: `--program-folder DIR` when given, else the working
// directory.  Returns nothing when the folder given does not exist.
std::optional<fs::path> programFolderFromArgs(const std::vector<std::string>& args,
                                              const fs::path& workingDirectory);

// Whole-file read with a size cap; nothing when the file cannot be read.
std::optional<std::string> readFileBytes(const fs::path& path,
                                         std::size_t maxBytes = 64 * 1024 * 1024);

}  // namespace ispyt
