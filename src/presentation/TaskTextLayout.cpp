#include "presentation/TaskTextLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Rounding.h"
#include "presentation/SymbolEscape.h"

namespace ispyt {

using namespace markup;

namespace {

enum class Script { None, Sub, Super };

// Cells the word-fit scan does not count: they never take room.
bool takesNoRoom(const Cell& c) {
  return c.is(kSubscript) || c.is(kSuperscript) || c.is(kStack) || c.is(kOverline) ||
         c.is(kUnderline) || c.is(kBold);
}

// Word ends and room counts, so that the word-fit scan is one lookup; the
// same at every size, so made once per text.
struct WordIndex {
  WordIndex() = default;
  explicit WordIndex(const std::vector<Cell>& cells) {
    const std::size_t n = cells.size();
    wordEnd.assign(n + 1, n);
    rooms.assign(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) rooms[i + 1] = rooms[i] + (takesNoRoom(cells[i]) ? 0 : 1);
    for (std::size_t i = n; i-- > 0;) wordEnd[i] = cells[i].is(' ') ? i : wordEnd[i + 1];
  }
  // After cells were inserted at p: the rest made anew, and the word that
  // ran into p pointed to its new end.
  void inserted(const std::vector<Cell>& cells, std::size_t p) {
    const std::size_t n = cells.size();
    wordEnd.resize(n + 1);
    rooms.resize(n + 1);
    for (std::size_t i = p; i < n; ++i) rooms[i + 1] = rooms[i] + (takesNoRoom(cells[i]) ? 0 : 1);
    wordEnd[n] = n;
    for (std::size_t i = n; i-- > p;) wordEnd[i] = cells[i].is(' ') ? i : wordEnd[i + 1];
    for (std::size_t i = p; i-- > 0 && !cells[i].is(' ');) wordEnd[i] = wordEnd[p];
  }
  std::vector<std::size_t> wordEnd;
  std::vector<int> rooms;
};

class LayoutPass {
 public:
  LayoutPass(const MarkedText& text, const WordIndex& words, const LayoutFrame& frame,
             Canvas* canvas, GapAnchors* anchors)
      : edited_(canvas ? text.cells : std::vector<Cell>()),
        cells_(canvas ? &edited_ : &text.cells),
        ownWords_(canvas ? words : WordIndex()),
        words_(canvas ? &ownWords_ : &words),
        groups_(text.groups),
        f_(frame),
        canvas_(canvas),
        anchors_(anchors),
        g_(cellWidth(frame.fontSize)),
        drop_(3 * g_ / 5),
        v_(text.rowFactor),
        lineStep_(2 * v_ * g_ + roundHalfEven(g_ * text.extraLineGap)),
        x_(g_),
        y_(firstLineTop(g_, v_)),
        lastX_(g_) {}

  bool run() {
    for (std::size_t p = 0; p < cells_->size();) {
      Fit fit = wordFit(p);
      if (fit == Fit::No) {
        if (!drawing()) return false;
        fit = x_ > g_ ? Fit::Wrap : Fit::Draw;  // drawing never drops a word
      }
      if (fit == Fit::Wrap) {
        wrap();
      } else {
        p = handle(p);
      }
      // A measure that has run out of lines has its answer.
      if (!fits_ && !drawing()) return false;
    }
    return fits_;
  }

 private:
  enum class Fit { Draw, Wrap, No };

  bool drawing() const { return canvas_ != nullptr; }
  int advance() const { return script_ != Script::None ? g_ - 2 * drop_ / 3 : g_; }
  bool insideGroup() const { return openGroup_ >= 0; }

  // From the pen, the rest of the word up to the next space: does it fit
  // the line, must the line break first, or is it longer than any line?
  Fit wordFit(std::size_t p) const {
    const int limit = f_.width - g_;
    const int cell = advance();
    const std::size_t end = words_->wordEnd[p];
    const int room = words_->rooms[end] - words_->rooms[p];
    int xs = x_;
    std::size_t stop = end;
    bool reached = x_ >= limit;
    if (reached) {
      stop = p;
    } else if (x_ + static_cast<long long>(room) * cell >= limit) {
      reached = true;
      const int needed = (limit - x_ + cell - 1) / cell;
      xs = x_ + needed * cell;
      stop = std::lower_bound(words_->rooms.begin() + static_cast<std::ptrdiff_t>(p),
                              words_->rooms.end(), words_->rooms[p] + needed) -
             words_->rooms.begin();
    } else {
      xs = x_ + room * cell;
    }
    if ((xs - x_) + 2 * g_ >= f_.width) return Fit::No;
    if (!reached) return Fit::Draw;
    if (!insideGroup()) return Fit::Wrap;
    bool onMark = stop < cells_->size() &&
                  ((*cells_)[stop].is(kSubscript) || (*cells_)[stop].is(kSuperscript));
    return onMark ? Fit::Wrap : Fit::Draw;
  }

  void wrap() {
    x_ = g_;
    y_ += lineStep_;
    if (y_ > f_.height - 2 * v_ * g_) fits_ = false;
  }

  // Handles the cell at p and returns the position of the next one.
  std::size_t handle(std::size_t p) {
    const Cell c = (*cells_)[p];
    if (c.is(kLineBreak)) {
      if (x_ != g_) {
        x_ = g_;
        y_ += 2 * v_ * g_;
        if (y_ >= f_.height - 2 * v_ * g_) fits_ = false;
      }
      return p + 1;
    }
    if (c.is(kSubscript) || c.is(kSuperscript)) {
      scriptMark(c.ch);
      return p + 1;
    }
    if (c.is(kStack)) {
      stack(p);
      return p + 1;
    }
    if (!drawing()) {
      if (c.group >= 0) openGroup_ = c.is(kGroupOpen) ? c.group : -1;
      endLimits();
      lastX_ = x_;
      x_ += advance();
      return p + 1;
    }
    return drawCell(p);
  }

  void scriptMark(char mark) {
    const int limits = inLimits_ ? 5 * g_ / 4 : 0;
    if (inLimits_) ++limitMarks_;
    if (mark == kSubscript) {
      if (script_ == Script::None) {
        script_ = Script::Sub;
        y_ += g_ + limits;
      } else if (script_ == Script::Super) {
        script_ = Script::None;
        y_ += g_ / 5 + limits;
      }
    } else {
      if (script_ == Script::Sub) {
        script_ = Script::None;
        y_ -= g_ + limits;
      } else if (script_ == Script::None) {
        script_ = Script::Super;
        y_ -= g_ / 5 + limits;
      }
    }
  }

  // "~" takes the pen back to the start of the script group just written,
  // so that the next group stands under or over it.
  void stack(std::size_t p) {
    std::size_t i = p;
    if (i > 0 && ((*cells_)[i - 1].is(kSubscript) || (*cells_)[i - 1].is(kSuperscript))) --i;
    int count = 0;
    while (i > 0 && !((*cells_)[i - 1].is(kSubscript) || (*cells_)[i - 1].is(kSuperscript))) {
      --i;
      ++count;
    }
    const int back = std::max(count - 1, 0);
    x_ = lastX_ - back * (g_ - ((3 * g_) / 5 * 2) / 3);
  }

  void endLimits() {
    if (inLimits_ && limitMarks_ >= 4) inLimits_ = false;
  }

  // --- drawing ---------------------------------------------------------

  Point at(int x, int y) const { return {x + f_.offset, y + f_.offset}; }
  Rect box(int x1, int y1, int x2, int y2) const {
    return {x1 + f_.offset, y1 + f_.offset, x2 - x1, y2 - y1};
  }
  void line(int x1, int y1, int x2, int y2, int pen) {
    canvas_->drawLine(at(x1, y1), at(x2, y2), f_.colour, pen);
  }
  int strokePen() const { return g_ > 16 ? 2 : 1; }
  int heavyPen() const { return f_.bold && g_ > 20 ? 2 : 1; }

  Font textFont() const {
    Font font;
    font.size = std::max(script_ != Script::None ? f_.fontSize - drop_ : f_.fontSize, 1);
    font.bold = bold_;
    font.italic = italic_;
    font.underline = underline_;
    if (f_.bold) {
      if (bold_ && !italic_ && !underline_) font.italic = true;
      font.bold = true;
    }
    return font;
  }

  void text(char ch, const Font& font, int raise) {
    const int sub = script_ == Script::Sub ? g_ / 4 : 0;
    canvas_->drawText(at(x_, y_ - raise - sub), font, f_.colour, std::string_view(&ch, 1));
  }

  std::size_t drawCell(std::size_t p) {
    const Cell c = (*cells_)[p];
    if (c.kind == CellKind::Text) {
      switch (c.ch) {
        case kIntegral:
          if (p + 1 < cells_->size() && (*cells_)[p + 1].is(kSuperscript)) {
            integral();
            return next(p);
          }
          break;
        case kRoot:
          return root(p);
        case kGroupOpen:
          if (c.group >= 0) {
            groupOpen(c.group);
            return p + 1;
          }
          break;
        case kGroupClose:
          if (c.group >= 0) return groupClose(p, c.group);
          break;
        case kBold:
          bold_ = !bold_;
          return p + 1;
        case kUnderline:
          underline_ = !underline_;
          return p + 1;
        case kItalic:
          italic_ = !italic_;
          return p + 1;
        case kOverline:
          overlineNext_ = true;
          return p + 1;
        case kArc:
          arcNext_ = true;
          return p + 1;
        case kStroke:
          strokeNext_ = true;
          return p + 1;
        case ' ':
        case kNoBreakSpace:
          bold_ = underline_ = italic_ = false;
          break;
      }
    }
    endLimits();
    if (c.gap > 0) {
      anchors_->at[c.gap - 1] = {x_, y_};
      anchors_->cellWidth = g_;
    }
    glyph(c);
    decorations();
    return next(p);
  }

  // The cell's character: spaces and blanks show nothing.
  void glyph(const Cell& c) {
    switch (c.kind) {
      case CellKind::Blank:
        return;
      case CellKind::Escape: {
        SymbolGlyph s = symbolGlyph(c.ch, g_);
        Font font = textFont();
        if (s.face == Typeface::Symbol) font = Font{Typeface::Symbol, s.size};
        text(s.code, font, s.raise);
        return;
      }
      case CellKind::GreaterEqual:
      case CellKind::LessEqual: {
        text(c.ch, textFont(), 0);
        const int yb = y_ + 3 * g_ / 2;
        line(x_ + g_ - 9 * g_ / 10, yb, x_ + g_ - g_ / 10, yb, 1);
        if (g_ > 20) line(x_ + g_ - 9 * g_ / 10, yb - 1, x_ + g_ - g_ / 10, yb - 1, 1);
        return;
      }
      case CellKind::Text:
      case CellKind::Literal:
        if (c.ch == ' ' || (c.kind == CellKind::Text && c.ch == kNoBreakSpace) ||
            static_cast<unsigned char>(c.ch) < 0x20)
          return;
        text(c.ch, textFont(), 0);
        return;
    }
  }

  void decorations() {
    if (overlineNext_) line(x_, y_ + g_ / 6, x_ + g_, y_ + g_ / 6, 1);
    if (strokeNext_) line(x_ + g_ / 2, y_ + g_ / 4, x_ + g_ - g_ / 6, y_ - g_ / 6, strokePen());
    if (arcNext_) {
      const int h = y_ + g_ - 2 * (g_ / 3);
      canvas_->drawArc(box(x_ + g_ / 4, y_, x_ + 2 * g_ - g_ / 4, y_ + g_),
                       at(x_ + 2 * g_ - g_ / 4, h), at(x_ + g_ / 4, h), f_.colour, strokePen());
    }
    overlineNext_ = strokeNext_ = arcNext_ = false;
  }

  std::size_t next(std::size_t p) {
    lastX_ = x_;
    x_ += advance();
    return p + 1;
  }

  void integral() {
    const int x = x_, y = y_, g = g_;
    line(x + g / 2, y - g / 4, x + g / 2, y + 2 * g + g / 4 + 1, 1);
    canvas_->drawArc(box(x + g / 2, y - g / 2, x + g, y), at(x + g, y - g / 4),
                     at(x + g / 2, y - g / 4), f_.colour, 1);
    canvas_->drawArc(box(x, y + 2 * g, x + g / 2, y + 2 * g + g / 2), at(x, y + 2 * g + g / 4),
                     at(x + g / 2, y + 2 * g + g / 4), f_.colour, 1);
    inLimits_ = true;
    limitMarks_ = 0;
  }

  std::size_t root(std::size_t p) {
    if (!(*cells_)[p].opensRoot) {
      radical();
      return p + 1;
    }
    rootStart_ = x_;
    std::size_t after = next(p);
    if (after >= cells_->size() || (*cells_)[after].is(kRoot)) return after;
    const Cell& index = (*cells_)[after];
    if (index.ch != '2' && static_cast<unsigned char>(index.ch) >= 0x20) {
      Font font = textFont();
      font.size = std::max(4 * g_ / 5, 1);
      const int y = g_ < 17 ? y_ - g_ / 3 : y_ - g_ / 5;
      canvas_->drawText(at(rootStart_ + g_ / 2, y), font, f_.colour,
                        std::string_view(&index.ch, 1));
    }
    return next(after);
  }

  void radical() {
    const int xs = rootStart_, x = x_, y = y_, g = g_;
    const int e = heavyPen();
    const int thick = g > 16 ? 2 * e : e;
    line(xs + 2 * g / 3, y + 27 * g / 28, xs + g, y + 4 * g / 5, thick);
    line(xs + g, y + 4 * g / 5, xs + 4 * g / 3, y + 3 * g / 2, thick);
    line(xs + 4 * g / 3, y + 3 * g / 2, xs + 7 * g / 4, y - g / 15, e);
    line(xs + 7 * g / 4, y - g / 15, x - g / 10, y - g / 15, e);
  }

  void groupOpen(int group) {
    openGroup_ = group;
    secondRow_ = false;
    x_ += g_ / 2;
    groupStart_ = x_;
    y_ += groups_[group].upperSetAside ? g_ : -g_;
  }

  std::size_t groupClose(std::size_t p, int group) {
    const BraceGroup& gr = groups_[group];
    if (openGroup_ != group) return p + 1;  // its "{" was never met: nothing to close
    if (!secondRow_) {
      secondRow_ = true;
      groupEnd_ = x_;
      edited_.insert(edited_.begin() + static_cast<std::ptrdiff_t>(p), gr.setAside.begin(),
                     gr.setAside.end());
      ownWords_.inserted(edited_, p);
      y_ += gr.upperSetAside ? -2 * g_ : 2 * g_;
      x_ = groupStart_;
      if (!gr.system) x_ += ((groupEnd_ - groupStart_) - gr.setAsideLength * g_) / 2;
      return p;
    }
    openGroup_ = -1;
    y_ += gr.upperSetAside ? g_ : -g_;
    x_ = groupEnd_ + g_ / 2;
    if (gr.system)
      brace();
    else
      bar(gr);
    return p + 1;
  }

  void bar(const BraceGroup& gr) {
    const int xs = groupStart_, xe = groupEnd_, g = g_;
    const int pen = g < 19 ? 1 : 2;
    const int yb = y_ + 5 * g / 6;
    line(xs, yb, xe, yb, pen);
    if (gr.arrow || gr.doubleArrow) {
      line(xe, yb, xe - g / 3, yb - g / 4, pen);
      line(xe, yb, xe - g / 3, yb + g / 4, pen);
    }
    if (gr.doubleArrow) {
      const int y2 = y_ + 5 * g / 4;
      line(xe, y2, xs, y2, pen);
      line(xs, y2, xs + g / 3, y2 + g / 4, pen);
      line(xs, y2, xs + g / 3, y2 - g / 4, pen);
    }
  }

  void brace() {
    const int xs = groupStart_, y = y_, g = g_;
    const int xb = xs + g / 6 - g / 3;
    const int pen = heavyPen();
    line(xb, y - g / 3, xb, y + 2 * g / 3, pen);
    line(xb, y + g / 3 + g, xb, y + g / 3 + 2 * g + 1, pen);
    quarter(xs + g / 6, y - g / 3, 180);
    quarter(xs + g / 6, y + 2 * g + g / 3, 90);
    quarter(xs + g / 6 - 2 * g / 3, y + 2 * g / 3, 0);
    quarter(xs + g / 6 - 2 * g / 3, y + g + g / 3, 270);
  }

  // A quarter circle of radius g/3 from `from` degrees on, point by point
  // (y grows downwards).
  void quarter(int cx, int cy, int from) {
    const int r = g_ / 3;
    if (r < 1) return;
    const int size = heavyPen();
    const double a0 = from * std::numbers::pi / 180, a1 = a0 + std::numbers::pi / 2;
    for (int k = 0;; ++k) {
      const double a = a0 + static_cast<double>(k) / r;
      if (a > a1 + 1e-9) break;
      canvas_->drawPoint(
          at(roundHalfEven(cx + r * std::cos(a)), roundHalfEven(cy + r * std::sin(a))), size,
          f_.colour);
    }
  }

  // The draw pass edits a copy of the cells (and so of their index); a
  // measure reads the text's own.
  std::vector<Cell> edited_;
  const std::vector<Cell>* cells_;
  WordIndex ownWords_;
  const WordIndex* words_;
  const std::vector<BraceGroup>& groups_;
  const LayoutFrame& f_;
  Canvas* canvas_;
  GapAnchors* anchors_;
  const int g_;
  const int drop_;  // G: how much smaller a script character is
  const int v_;
  const int lineStep_;
  int x_, y_, lastX_;
  bool fits_ = true;

  Script script_ = Script::None;
  bool inLimits_ = false;
  int limitMarks_ = 0;
  bool bold_ = false, underline_ = false, italic_ = false;
  bool overlineNext_ = false, arcNext_ = false, strokeNext_ = false;
  int rootStart_ = 0;
  int openGroup_ = -1;
  bool secondRow_ = false;
  int groupStart_ = 0, groupEnd_ = 0;
};

}  // namespace

bool measureLayout(const MarkedText& text, const LayoutFrame& frame) {
  return LayoutPass(text, WordIndex(text.cells), frame, nullptr, nullptr).run();
}

int largestFittingSize(const MarkedText& text, int width, int height, int maxSize, int minSize) {
  const WordIndex words(text.cells);
  auto fits = [&](int size) {
    const int g = cellWidth(size);
    if (height - 2 * text.rowFactor * g < firstLineTop(g, text.rowFactor)) return false;
    return LayoutPass(text, words, LayoutFrame{width, height, size}, nullptr, nullptr).run();
  };
  // Downward, one point at a time: the fit is not always monotone in the
  // size (some texts fit at a size and not at the next smaller one), so a
  // bisection could stop below the largest fitting size.  A pass
  // that fails ends where the text runs out of lines, so the search costs
  // little more than one pass over the text.
  for (int size = std::max(maxSize, minSize); size > minSize; --size)
    if (fits(size)) return size;
  return minSize;
}

void drawLayout(const MarkedText& text, const LayoutFrame& frame, Canvas& canvas,
                GapAnchors& anchors) {
  LayoutPass(text, WordIndex(text.cells), frame, &canvas, &anchors).run();
}

}  // namespace ispyt
