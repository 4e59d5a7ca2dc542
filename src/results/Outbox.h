#pragma once
// The messages for the teacher's computer that are not yet delivered, one
// file each in the program folder's "Outbox" folder ("000001.msg",
// "000002.msg", ...; the number gives their order).  A message is kept
// there before it is sent and removed only once it was delivered whole, so
// that a teacher's computer that is off, or a loose cable, loses nothing.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FileSystem.h"

namespace ispyt {

std::filesystem::path outboxFolder(const std::filesystem::path& programFolder);

struct WaitingMessage {
  std::filesystem::path file;
  std::string bytes;
};

// The waiting messages, oldest first.  A file that is not one whole result
// message is left alone.
std::vector<WaitingMessage> waitingMessages(const std::filesystem::path& programFolder,
                                            FileSystem& files);

// Keeps `message` under the next number, unless the very same message
// already waits: sending a result twice before it left keeps it once.
// `file` names the file it waits in.
std::error_code keepMessage(const std::filesystem::path& programFolder, std::string_view message,
                            FileSystem& files, std::filesystem::path* file = nullptr);

}  // namespace ispyt
