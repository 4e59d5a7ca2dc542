#include "attempt/ClassListFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCountAt = 0;
constexpr std::size_t kNumberAt = 4;
constexpr std::size_t kLetterAt = 8;
constexpr std::size_t kSubGroupAt = 10;
constexpr std::size_t kNameAt = 12;

std::int32_t readInt32(std::string_view record, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i)
    v |= std::uint32_t{static_cast<unsigned char>(record[at + i])} << (8 * i);
  return static_cast<std::int32_t>(v);
}

void writeInt32(std::string& record, std::size_t at, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) record[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A length-prefixed text of `capacity` characters; a length above the
// capacity reads as full.
std::string readCounted(std::string_view record, std::size_t at, std::size_t capacity) {
  std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(record[at]), capacity);
  return std::string(record.substr(at + 1, length));
}

void writeCounted(std::string& record, std::size_t at, std::size_t capacity,
                  std::string_view text) {
  text = text.substr(0, capacity);
  record[at] = static_cast<char>(text.size());
  std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// At most `maxBytes` of the file, and whether it holds more.
std::optional<std::string> readPrefix(const fs::path& path, std::size_t maxBytes, bool& longer) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than is kept tells a longer file.
  std::string data(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)) + 1, '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  if (in.bad()) return std::nullopt;
  data.resize(static_cast<std::size_t>(in.gcount()));
  longer = data.size() > maxBytes;
  if (longer) data.resize(maxBytes);
  return data;
}

}  // namespace

std::string ClassListReading::message() const {
  return ok() ? std::string() : cp1251("Ошибка открытия файла БД.");
}

ClassListReading readClassLists(std::string_view bytes) {
  ClassListReading r;
  const std::size_t records = bytes.size() / kClassListRecordSize;
  auto record = [&](std::size_t k) {
    return bytes.substr(k * kClassListRecordSize, kClassListRecordSize);
  };
  auto fail = [&](std::string problem) {
    r.status = ClassListReading::Status::Damaged;
    r.problem = std::move(problem);
  };
  std::size_t next = 0;
  while (next < records) {
    const std::size_t headerAt = next * kClassListRecordSize;
    std::string_view header = record(next);
    std::int32_t count = readInt32(header, kCountAt);
    if (count < 0) {
      fail("the class at byte " + std::to_string(headerAt) + " has a negative pupil count (" +
           std::to_string(count) + ")");
      break;
    }
    ClassList list;
    list.classNumber = readInt32(header, kNumberAt);
    list.letter = readCounted(header, kLetterAt, 1);
    list.subGroup = readCounted(header, kSubGroupAt, 1);
    ++next;
    // The count is only believed as far as the records go.
    const std::size_t present =
        std::min<std::size_t>(static_cast<std::size_t>(count), records - next);
    for (std::size_t k = 0; k < present; ++k)
      list.pupils.push_back(readCounted(record(next++), kNameAt, kMaxPupilName));
    r.lists.push_back(std::move(list));
    r.wholeBytes = next * kClassListRecordSize;
    if (present < static_cast<std::size_t>(count)) {
      fail("the class at byte " + std::to_string(headerAt) + " counts " + std::to_string(count) +
           " pupils; the file holds " + std::to_string(present));
      break;
    }
  }
  if (r.ok() && bytes.size() % kClassListRecordSize != 0)
    fail("the last record is cut short: " + std::to_string(bytes.size() % kClassListRecordSize) +
         " of 56 bytes");
  return r;
}

std::string classListBytes(const ClassLists& lists) {
  std::string out;
  for (const ClassList& list : lists) {
    std::string header(kClassListRecordSize, '\0');
    writeInt32(header, kCountAt, static_cast<std::int32_t>(list.pupils.size()));
    writeInt32(header, kNumberAt, list.classNumber);
    writeCounted(header, kLetterAt, 1, list.letter);
    writeCounted(header, kSubGroupAt, 1, list.subGroup);
    out += header;
    for (const std::string& pupil : list.pupils) {
      std::string name(kClassListRecordSize, '\0');
      writeCounted(name, kNameAt, kMaxPupilName, pupil);
      out += name;
    }
  }
  return out;
}

fs::path classListPath(const fs::path& programFolder, std::string_view name) {
  return locate(programFolder, std::string(name) + ".dbs");
}

ClassListReading readClassListFile(const fs::path& file) {
  bool longer = false;
  std::optional<std::string> bytes = readPrefix(file, kMaxClassListFile, longer);
  if (!bytes) {
    ClassListReading r;
    r.status = ClassListReading::Status::CannotOpen;
    r.problem = "cannot open the file";
    return r;
  }
  if (!longer) return readClassLists(*bytes);
  bytes->resize(bytes->size() - bytes->size() % kClassListRecordSize);
  ClassListReading r = readClassLists(*bytes);
  if (r.ok()) {
    r.status = ClassListReading::Status::Damaged;
    r.problem =
        "the file is longer than " + std::to_string(kMaxClassListFile) + " bytes; read up to there";
  }
  return r;
}

ClassListReading LoadClassLists(const fs::path& programFolder, std::string_view name) {
  return readClassListFile(classListPath(programFolder, name));
}

std::error_code SaveClassLists(const fs::path& programFolder, const ClassLists& lists) {
  return replaceFile(classListPath(programFolder), classListBytes(lists));
}

}  // namespace ispyt
