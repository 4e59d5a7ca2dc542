#include "platform/Cp1251.h"

#include <array>
#include <cstdint>

namespace ispyt {
namespace {

// Unicode code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t codePoint(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHigh[b - 0x80];
}

int byteFor(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return 0xC0 + static_cast<int>(cp - 0x0410);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return 0x80 + static_cast<int>(i);
  return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Upper/lower pairs outside the regular А..я block and ASCII.
constexpr std::array<std::pair<unsigned char, unsigned char>, 15> kCasePairs = {{
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
}};

}  // namespace

std::string utf8ToCp1251(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    char32_t cp = 0;
    std::size_t len = 1;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    } else {
      out += '?';
      ++i;
      continue;
    }
    bool ok = i + len <= s.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
      auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    int byte = byteFor(cp);
    out += byte < 0 ? '?' : static_cast<char>(byte);
    i += len;
  }
  return out;
}

std::string cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
  return out;
}

char cp1251Upper(char c) {
  auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0) return static_cast<char>(b - 32);
  for (auto [up, low] : kCasePairs)
    if (b == low) return static_cast<char>(up);
  return c;
}

char cp1251Lower(char c) {
  auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDF) return static_cast<char>(b + 32);
  for (auto [up, low] : kCasePairs)
    if (b == up) return static_cast<char>(low);
  return c;
}

std::string cp1251Upper(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = cp1251Upper(c);
  return out;
}

bool cp1251EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (cp1251Upper(a[i]) != cp1251Upper(b[i])) return false;
  return true;
}

}  // namespace ispyt
