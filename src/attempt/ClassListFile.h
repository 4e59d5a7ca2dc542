#pragma once
// "School.dbs", the file of class lists: a headerless run of 56-byte
// little-endian records.  Each class is one header record (pupil count,
// class number, letter, sub-group) followed by as many name records as the
// count says.  Bytes a record does not use are not read; the writer zeroes
// them.
//
//   offset 0   4   pupil count, signed          (header record)
//   offset 4   4   class number, signed         (header record)
//   offset 8   2   letter: length byte + 1      (header record)
//   offset 10  2   sub-group: length byte + 1   (header record)
//   offset 12  41  pupil name: length byte + 40 (name record)
//   offset 53  3   padding

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "attempt/ClassLists.h"

namespace ispyt {

inline constexpr std::size_t kClassListRecordSize = 56;
// A file longer than this is read up to here (about 75 000 records).
inline constexpr std::size_t kMaxClassListFile = 4 * 1024 * 1024;
inline constexpr const char* kSchoolListName = "School";

struct ClassListReading {
  enum class Status {
    Read,        // every record whole and accounted for
    Damaged,     // read up to the first fault; the lists before it are kept
    CannotOpen,  // no such file, or it cannot be read
  };
  Status status = Status::Read;
  ClassLists lists;
  std::size_t wholeBytes = 0;  // where reading stopped
  std::string problem;         // what stopped it, in English, for the tool

  bool ok() const { return status == Status::Read; }
  // The message box text for a file that is missing or not whole
  // ("Ошибка открытия файла БД."); empty when it was read.
  std::string message() const;
};

// Reads the records in `bytes`.  A negative pupil count stops reading at its
// header; a count past the end keeps the names that are there; a record cut
// short at the end is left out.  Lengths above a field's capacity are cut
// to it.  Never allocates more than the bytes can fill.
ClassListReading readClassLists(std::string_view bytes);

// The records of `lists`, as the file stores them.
std::string classListBytes(const ClassLists& lists);

// `name` + ".dbs" in the program folder, found ignoring case.
std::filesystem::path classListPath(const std::filesystem::path& programFolder,
                                    std::string_view name = kSchoolListName);

// Reads one file (at most kMaxClassListFile bytes of it).
ClassListReading readClassListFile(const std::filesystem::path& file);

ClassListReading LoadClassLists(const std::filesystem::path& programFolder,
                                std::string_view name = kSchoolListName);

// Writes every list to "School.dbs" in one step: a new file beside the old
// one replaces it, so a failed save leaves the old lists as they were.  No
// lists leave an empty file.
std::error_code SaveClassLists(const std::filesystem::path& programFolder, const ClassLists& lists);

}  // namespace ispyt
