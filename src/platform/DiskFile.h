#pragma once
// The two file calls every careful writer needs: open a path of this file
// system in a C mode, and make written bytes reach the disk before the
// caller reports success.

#include <cstdio>
#include <filesystem>

namespace ispyt {

std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Flushes the stream and the system's cache of the file to the disk.
bool flushToDisk(std::FILE* file);

}  // namespace ispyt
