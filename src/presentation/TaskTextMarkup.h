#pragma once
// The markup of task texts, read into cells before layout: gaps reserved,
// literal brackets, roots paired, symbol escapes, ">=" and "<=", and brace
// groups split into the part that stays inline and the part set aside.

#include <cstdint>
#include <string_view>
#include <vector>

#include "presentation/GapBoxes.h"

namespace ispyt {

namespace markup {
inline constexpr char kSubscript = '[';
inline constexpr char kSuperscript = ']';
inline constexpr char kStack = '~';
inline constexpr char kGroupOpen = '{';
inline constexpr char kGroupClose = '}';
inline constexpr char kFractionSeparator = '\\';
inline constexpr char kSystemSeparator = '^';
inline constexpr char kRoot = '#';
inline constexpr char kIntegral = '$';
inline constexpr char kEscape = '`';
inline constexpr char kNoBreakSpace = '_';
inline constexpr char kLineBreak = '\xB6';  // ¶
inline constexpr char kGap = '\x8B';        // ‹
inline constexpr char kBold = '\xA4';       // ¤
inline constexpr char kUnderline = '\xA2';  // ў
inline constexpr char kItalic = '\x9F';     // џ
inline constexpr char kOverline = '\xA1';   // Ў
inline constexpr char kArc = '\x99';        // ™
inline constexpr char kStroke = '\x9D';     // ќ
inline constexpr int kMaxGroups = 20;
}  // namespace markup

enum class CellKind : std::uint8_t {
  Text,          // a byte of the text; markup bytes keep their meaning
  Literal,       // drawn as its byte, never read as markup
  Blank,         // an inserted blank cell
  Escape,        // drawn in the symbol face; `ch` is the escaped character
  GreaterEqual,  // ">=" in one cell
  LessEqual,     // "<=" in one cell
};

struct Cell {
  CellKind kind = CellKind::Text;
  char ch = 0;
  std::int8_t gap = 0;     // 1..10 for a reserved gap marker
  std::int8_t group = -1;  // brace group of a "{" or "}" that is split
  bool opensRoot = false;  // for a paired "#"

  bool is(char c) const { return kind == CellKind::Text && ch == c; }
};

struct BraceGroup {
  std::vector<Cell> setAside;  // drawn on the other row, after the inline part
  bool upperSetAside = false;
  bool system = false;  // "^": a brace instead of a bar
  int setAsideLength = 0;
  bool arrow = false;        // set-aside part " ": the bar is an arrow
  bool doubleArrow = false;  // set-aside part "=": a double arrow, "=" not drawn
};

struct MarkedText {
  std::vector<Cell> cells;
  std::vector<BraceGroup> groups;
  int rowFactor = 1;          // 2 when fractions, systems or integrals need double rows
  double extraLineGap = 0.0;  // of a cell, added per wrapped line
};

// Reads `text` (Windows-1251) into cells.  Gap marker j (1..10) gets as many
// reserved cells as gap box j has characters, and marks that box in use.
MarkedText readMarkup(std::string_view text, GapBoxes& gaps);

// The number of cells of a part that show: "#", "[" and "]" show none.
int visibleLength(const std::vector<Cell>& part);

}  // namespace ispyt
