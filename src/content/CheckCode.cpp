#include "content/CheckCode.h"

namespace ispyt {

std::string checkCode(std::size_t questionLength) {
  std::string code = std::to_string(questionLength + 101);
  for (char& c : code) c = static_cast<char>(c == '8' ? 1 : c - '0');
  return code;
}

std::string taskHeader(std::uint8_t typeCode, std::size_t questionLength) {
  std::string header(1, static_cast<char>(typeCode));
  return header += checkCode(questionLength);
}

}  // namespace ispyt
