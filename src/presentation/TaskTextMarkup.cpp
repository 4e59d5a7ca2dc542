#include "presentation/TaskTextMarkup.h"

#include <algorithm>

namespace ispyt {

using namespace markup;

namespace {

Cell text(char c) { return Cell{CellKind::Text, c}; }

// A gap takes its marker's cell and one more per character of its answer,
// so the answer box laid over it never covers the following text.
std::vector<Cell> reserveGaps(std::string_view bytes, GapBoxes& gaps) {
  std::vector<Cell> cells;
  cells.reserve(bytes.size());
  int gap = 0;
  for (char c : bytes) {
    cells.push_back(text(c));
    if (c != kGap || gap == kGapCount) continue;  // gaps past the tenth have no box
    GapBox& box = gaps[gap++];
    cells.back().gap = static_cast<std::int8_t>(gap);
    cells.insert(cells.end(), box.text.size(), text(kNoBreakSpace));
    box.inUse = true;
  }
  return cells;
}

// "[[" and "]]" stand for the brackets themselves.
void literalBrackets(std::vector<Cell>& cells) {
  std::vector<Cell> out;
  out.reserve(cells.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    if ((c.is(kSubscript) || c.is(kSuperscript)) && i + 1 < cells.size() && cells[i + 1].is(c.ch)) {
      out.push_back(Cell{CellKind::Literal, c.ch});
      ++i;
    } else {
      out.push_back(c);
    }
  }
  cells = std::move(out);
}

// The accent takes the character after it; a closing accent is itself.
void symbolEscapes(std::vector<Cell>& cells) {
  std::vector<Cell> out;
  out.reserve(cells.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!cells[i].is(kEscape)) {
      out.push_back(cells[i]);
    } else if (i + 1 < cells.size()) {
      out.push_back(Cell{CellKind::Escape, cells[++i].ch});
    } else {
      out.push_back(Cell{CellKind::Literal, kEscape});
    }
  }
  cells = std::move(out);
}

// Root marks pair up in text order; a root holds no spaces or braces.  A
// last mark left without a partner is an ordinary "#".
void pairRoots(std::vector<Cell>& cells) {
  std::vector<Cell> out;
  out.reserve(cells.size());
  std::size_t openAt = 0;
  bool open = false;
  for (const Cell& c : cells) {
    if (c.is(kRoot)) {
      Cell mark = c;
      mark.opensRoot = !open;
      if (!open) openAt = out.size();
      open = !open;
      out.push_back(mark);
    } else if (open && (c.is(' ') || c.is(kGroupOpen) || c.is(kGroupClose))) {
      continue;
    } else {
      out.push_back(c);
    }
  }
  if (open) out[openAt] = Cell{CellKind::Literal, kRoot};
  cells = std::move(out);
}

void comparisons(std::vector<Cell>& cells) {
  std::vector<Cell> out;
  out.reserve(cells.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    if ((c.is('>') || c.is('<')) && i + 1 < cells.size() && cells[i + 1].is('=')) {
      out.push_back(Cell{c.ch == '>' ? CellKind::GreaterEqual : CellKind::LessEqual, c.ch});
      ++i;
    } else {
      out.push_back(c);
    }
  }
  cells = std::move(out);
}

bool startsWithScriptMark(const std::vector<Cell>& part) {
  return !part.empty() && (part.front().is(kSubscript) || part.front().is(kSuperscript));
}

// Splits "{upper\lower}" and "{upper^lower}".  Groups do not nest: a "{"
// that meets another "{" before its "}" stays an ordinary character, as do
// groups without a separator and those past the twentieth "{".
void braceGroups(MarkedText& marked) {
  std::vector<Cell>& cells = marked.cells;
  int braces = 0;
  for (std::size_t open = 0; open < cells.size(); ++open) {
    if (!cells[open].is(kGroupOpen) || ++braces > kMaxGroups) continue;
    std::size_t close = open + 1, separator = 0;
    bool nested = false;
    for (; close < cells.size() && !cells[close].is(kGroupClose); ++close) {
      if (cells[close].is(kGroupOpen)) nested = true;
      if (!separator && (cells[close].is(kFractionSeparator) || cells[close].is(kSystemSeparator)))
        separator = close;
    }
    if (close == cells.size() || nested || !separator) continue;

    std::vector<Cell> upper(cells.begin() + open + 1, cells.begin() + separator);
    std::vector<Cell> lower;
    for (std::size_t i = separator + 1; i < close; ++i) {
      bool first = i == separator + 1;
      if (!first && (cells[i].is(' ') || cells[i].is(kLineBreak))) continue;
      lower.push_back(cells[i]);
    }
    for (std::vector<Cell>* part : {&upper, &lower})
      if (startsWithScriptMark(*part)) part->insert(part->begin(), Cell{CellKind::Blank, ' '});

    BraceGroup group;
    group.system = cells[separator].is(kSystemSeparator);
    group.upperSetAside = visibleLength(lower) > visibleLength(upper);
    std::vector<Cell>& inline_ = group.upperSetAside ? lower : upper;
    group.setAside = group.upperSetAside ? upper : lower;
    group.setAsideLength = visibleLength(group.setAside);
    if (group.setAside.size() == 1 && group.setAside[0].is(' ')) group.arrow = true;
    if (group.setAside.size() == 1 && group.setAside[0].is('=')) {
      group.doubleArrow = true;
      group.setAside.clear();
    }

    auto index = static_cast<std::int8_t>(marked.groups.size());
    marked.groups.push_back(std::move(group));
    Cell openCell = cells[open], closeCell = cells[close];
    openCell.group = closeCell.group = index;
    std::vector<Cell> replacement{openCell};
    replacement.insert(replacement.end(), inline_.begin(), inline_.end());
    replacement.push_back(closeCell);
    cells.erase(cells.begin() + open, cells.begin() + close + 1);
    cells.insert(cells.begin() + open, replacement.begin(), replacement.end());
    open += replacement.size() - 1;
  }
}

}  // namespace

int visibleLength(const std::vector<Cell>& part) {
  return static_cast<int>(std::count_if(part.begin(), part.end(), [](const Cell& c) {
    return !(c.is(kRoot) || c.is(kSubscript) || c.is(kSuperscript));
  }));
}

MarkedText readMarkup(std::string_view bytes, GapBoxes& gaps) {
  MarkedText marked;
  marked.cells = reserveGaps(bytes, gaps);
  std::vector<Cell>& cells = marked.cells;
  literalBrackets(cells);
  if (!cells.empty() && (cells.back().is(kGroupClose) || cells.back().is(kRoot)))
    cells.push_back(text(' '));
  // Escapes are read before roots are paired, so that an escaped "#", "{"
  // or space is a symbol and never part of a root.
  symbolEscapes(cells);
  pairRoots(cells);
  comparisons(cells);
  braceGroups(marked);

  bool integral =
      std::any_of(cells.begin(), cells.end(), [](const Cell& c) { return c.is(kIntegral); });
  marked.rowFactor = (!marked.groups.empty() || integral) ? 2 : 1;
  bool gap = std::any_of(cells.begin(), cells.end(), [](const Cell& c) { return c.is(kGap); });
  marked.extraLineGap = (gap && marked.rowFactor == 1) ? 0.4 : 0.0;
  return marked;
}

}  // namespace ispyt
