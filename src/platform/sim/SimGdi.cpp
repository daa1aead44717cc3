// Drawing in the simulated system: nothing is drawn; measures are fixed.
// Device contexts and GDI objects are counted: a handle that is not a live
// one is refused, as Windows refuses it.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi.h"
#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;

namespace {
// Fonts are handles whose low bits say whether they are the system font.
constexpr Hgdiobj kSystemFont = 0x40000;
constexpr Hgdiobj kGuiFont = 0x40004;

sim::machine::GdiState& Gdi() { return sim::machine::TheMachine().gdi; }
std::map<Hfont, sim::machine::FontInfo>& Fonts() { return Gdi().fonts; }

// The open context of that handle, or null.
sim::machine::DeviceContext* Context(Hdc dc) {
  const auto found = Gdi().dcs.find(dc);
  return found == Gdi().dcs.end() ? nullptr : &found->second;
}

Hgdiobj SelectedFont(Hdc dc) {
  const sim::machine::DeviceContext* context = Context(dc);
  return context == nullptr || !context->font ? kSystemFont : context->font;
}

bool IsStockObject(Hgdiobj object) {
  return object >= kSystemFont && object < sim::machine::HandleCounters{}.font && object % 4 == 0;
}
bool IsFont(Hgdiobj object) { return object == kSystemFont || object == kGuiFont || Fonts().count(object) != 0; }

// The simulation's measure of text: every character of a font is as wide
// as half its character height less one, a pixel more in bold, and a line
// is the character height and two pixels high; the system font's
// characters are 7 by 16, those of the stock fonts 5 by 13.
struct Measure {
  int charWidth;
  int lineHeight;
};
Measure SelectedMeasure(Hdc dc) {
  const Hgdiobj selected = SelectedFont(dc);
  if (selected == kSystemFont) return {7, 16};
  auto it = Fonts().find(selected);
  if (it == Fonts().end()) return {5, 13};
  int h = std::abs(it->second.height);
  return {(h + 1) / 2 - 1 + (it->second.bold ? 1 : 0), h + 2};
}

// The lines text takes: at its line breaks, and with wrapWidth > 0 also
// between words, as many words on a line as fit (a longer word alone).
std::vector<int> LineLengths(const std::string& text, int charWidth, int wrapWidth) {
  std::vector<int> lengths;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (wrapWidth <= 0) {
      lengths.push_back(static_cast<int>(line.size()));
    } else {
      int current = -1;
      std::size_t i = 0;
      while (i <= line.size()) {
        std::size_t space = line.find(' ', i);
        if (space == std::string::npos) space = line.size();
        int word = static_cast<int>(space - i);
        int joined = current < 0 ? word : current + 1 + word;
        if (current >= 0 && joined * charWidth > wrapWidth) {
          lengths.push_back(current);
          current = word;
        } else {
          current = joined;
        }
        i = space + 1;
      }
      lengths.push_back(std::max(current, 0));
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lengths;
}
}  // namespace

Hdc BeginPaint(Hwnd window, PaintStruct* paint) {
  if (!Find(window) || !paint) return 0;
  paint->dc = sim::machine::OpenDc();
  paint->paint = ClientRect(*Find(window));
  return paint->dc;
}

bool EndPaint(Hwnd, const PaintStruct* paint) {
  if (paint) Gdi().dcs.erase(paint->dc);
  return true;
}
bool FillRectSysColor(Hdc dc, const Rect* rect, int) { return Context(dc) && rect != nullptr; }
// BF_ADJUST takes a pixel off each side for each of the edge's two
// borders that is drawn, the outer and the inner.
bool DrawEdge(Hdc dc, Rect* rect, std::uint32_t edge, std::uint32_t flags) {
  if (!Context(dc) || !rect) return false;
  const int width = ((edge & 0x3) ? 1 : 0) + ((edge & 0xC) ? 1 : 0);
  if (flags & BfAdjust) InflateRect(rect, -width, -width);
  return true;
}
bool DrawFocusRect(Hdc dc, const Rect* rect) { return Context(dc) && rect != nullptr; }

bool InflateRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  rect->left -= dx;
  rect->top -= dy;
  rect->right += dx;
  rect->bottom += dy;
  return true;
}

bool OffsetRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return true;
}

bool SetPixelV(Hdc dc, int, int, std::uint32_t) { return Context(dc) != nullptr; }

std::uint32_t GetSysColor(int index) {
  switch (index) {
    case ColorBtnFace: return 0xC8D0D4;
    case ColorWindow: return 0xFFFFFF;
    case ColorBtnShadow: return 0x808080;
    case ColorBtnHighlight: return 0xFFFFFF;
    default: return 0;
  }
}

Hgdiobj GetStockObject(int object) {
  if (object == SystemFont) return kSystemFont;
  if (object == DefaultGuiFont) return kGuiFont;
  return 0x40008 + static_cast<Hgdiobj>(object) * 4;
}

Hgdiobj SelectObject(Hdc dc, Hgdiobj object) {
  sim::machine::DeviceContext* context = Context(dc);
  if (!context || !(IsStockObject(object) || IsFont(object))) return 0;
  const Hgdiobj old = SelectedFont(dc);
  if (IsFont(object)) context->font = object;
  return old;
}

// A stock object stays whatever is done to it.
bool DeleteObject(Hgdiobj object) { return IsStockObject(object) || Fonts().erase(object) == 1; }

// The system font is 16 pixels high; every other font of the simulation is
// the 8-point dialog font, 13 pixels high.
bool GetTextMetricsA(Hdc dc, TextMetric* metric) {
  if (!Context(dc) || !metric) return false;
  if (SelectedFont(dc) == kSystemFont) {
    *metric = {16, 13, 3, 7};
  } else {
    *metric = {13, 11, 2, 5};
  }
  return true;
}

Hfont CreateFontA(int height, int weight, bool, bool underline, const char* face) {
  if (!face) return 0;
  Hfont& next = sim::machine::TheMachine().next.font;
  const Hfont font = next;
  next += 4;
  Fonts()[font] = {height, weight >= FwBold, underline, face};
  return font;
}

int DrawTextA(Hdc dc, const char* text, int length, Rect* rect, std::uint32_t format) {
  if (!Context(dc) || !text || !rect) return 0;
  std::string s(text, length < 0 ? std::strlen(text) : static_cast<std::size_t>(length));
  if (s.empty()) {
    if (format & DtCalcRect) {
      rect->right = rect->left;
      rect->bottom = rect->top;
    }
    return 0;
  }
  Measure m = SelectedMeasure(dc);
  if (format & DtSingleLine) std::replace(s.begin(), s.end(), '\n', ' ');
  int wrap = (format & DtWordBreak) ? std::max(rect->right - rect->left, 1) : 0;
  std::vector<int> lines = LineLengths(s, m.charWidth, wrap);
  int height = static_cast<int>(lines.size()) * m.lineHeight;
  if (format & DtCalcRect) {
    rect->right = rect->left + *std::max_element(lines.begin(), lines.end()) * m.charWidth;
    rect->bottom = rect->top + height;
  }
  return height;
}

// Each returns what the context held before; failures as Windows reports them.
std::uint32_t SetTextColor(Hdc dc, std::uint32_t color) {
  sim::machine::DeviceContext* context = Context(dc);
  if (!context) return 0xFFFFFFFFu;  // CLR_INVALID
  return std::exchange(context->textColor, color);
}
int SetBkMode(Hdc dc, int mode) {
  sim::machine::DeviceContext* context = Context(dc);
  if (!context || mode < 1 || mode > 2) return 0;
  return std::exchange(context->backgroundMode, mode);
}
std::uint32_t SetBkColor(Hdc dc, std::uint32_t color) {
  sim::machine::DeviceContext* context = Context(dc);
  if (!context) return 0xFFFFFFFFu;
  return std::exchange(context->backgroundColor, color);
}
std::uintptr_t GetSysColorBrush(int index) { return 0x60000 + static_cast<std::uintptr_t>(index); }

}  // namespace platform

namespace sim::machine {
platform::Hdc OpenDc() {
  platform::Hdc& next = TheMachine().next.dc;
  const platform::Hdc dc = next;
  next += 4;
  TheMachine().gdi.dcs[dc] = {};
  return dc;
}
}  // namespace sim::machine

namespace sim {
platform::Hgdiobj FontSelectedInto(platform::Hdc dc) { return platform::SelectedFont(dc); }

GdiCount GdiInUse() {
  const machine::GdiState& gdi = machine::TheMachine().gdi;
  std::set<machine::FontInfo> kinds;
  GdiCount count{gdi.dcs.size(), 0};
  for (const auto& [handle, font] : gdi.fonts) {
    if (!kinds.insert(font).second) ++count.objects;
  }
  return count;
}
}  // namespace sim
