// The predefined control classes of the simulated system: buttons, edits,
// statics and the status bar (the list view has a file of its own). They
// keep what the program relies on: check states, edit text and selection
// with the notifications Windows sends, the formatting rectangle; a press on
// a button or an edit takes the focus.
#include <algorithm>
#include <cstring>

#include "platform/commctrl.h"
#include "platform/sim/SimMachine.h"

namespace sim::detail {

void NotifyParent(const Window& control, std::uint32_t code) {
  platform::SendMessageA(control.parent, platform::WmCommand,
                         platform::MakeWparam(static_cast<std::uint32_t>(control.id), code),
                         static_cast<platform::Lparam>(control.handle));
}

namespace {
using namespace platform;

Lresult MURALTO_WINAPI ButtonProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w) return 0;
  std::uint32_t kind = w->style & 0xF;
  switch (message) {
    case BmGetCheck: return w->check;
    case BmSetCheck: w->check = static_cast<std::uint32_t>(wParam); return 0;
    case WmLButtonDown:
      // A press takes the focus; the release clicks.
      if (TheWindows().focus != window) SetFocus(window);
      return 0;
    case WmLButtonUp:
    case BmClick: {
      if (!w->enabled) return 0;
      if (kind == BsAutoCheckBox) w->check = w->check == BstChecked ? BstUnchecked : BstChecked;
      if (kind == BsAutoRadioButton) {
        for (auto& [h, other] : TheWindows().windows) {
          if (h != window && other.parent == w->parent && !other.destroying &&
              machine::EqualNoCase(other.className, "Button") && (other.style & 0xF) == BsAutoRadioButton) {
            other.check = BstUnchecked;
          }
        }
        w->check = BstChecked;
      }
      Window copy = *w;
      NotifyParent(copy, BnClicked);
      return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

void ReplaceSelection(Window& w, const std::string& text) {
  int len = static_cast<int>(w.title.size());
  int a = std::clamp(std::min(w.selStart, w.selEnd), 0, len);
  int b = std::clamp(std::max(w.selStart, w.selEnd), 0, len);
  w.title.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), text);
  w.selStart = w.selEnd = a + static_cast<int>(text.size());
}

void Changed(Hwnd window) {
  if (Window* w = Find(window)) {
    Window copy = *w;
    NotifyParent(copy, EnChange);
  }
}

Lresult MURALTO_WINAPI EditProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w) return 0;
  bool readOnly = (w->style & EsReadOnly) != 0;
  switch (message) {
    case WmSetText: {
      DefWindowProcA(window, message, wParam, lParam);
      w->selStart = w->selEnd = 0;
      // A multi-line edit does not report text set by WM_SETTEXT.
      if (!(w->style & EsMultiline)) Changed(window);
      return 1;
    }
    case WmChar: {
      if (readOnly) return 0;
      char c = static_cast<char>(wParam);
      if (c == '\b') {
        if (w->selStart == w->selEnd && w->selStart > 0) --w->selStart;
        ReplaceSelection(*w, "");
      } else if (static_cast<unsigned char>(c) >= 32) {
        ReplaceSelection(*w, std::string(1, c));
      } else if (c == '\r' && (w->style & EsMultiline) && (w->style & EsWantReturn)) {
        ReplaceSelection(*w, "\r\n");
      } else {
        return 0;
      }
      Changed(window);
      return 0;
    }
    case WmPaste:
      if (readOnly || TheWindows().clipboard.empty()) return 0;
      ReplaceSelection(*w, TheWindows().clipboard);
      Changed(window);
      return 0;
    case WmCut: {
      int a = std::min(w->selStart, w->selEnd), b = std::max(w->selStart, w->selEnd);
      if (readOnly || a == b) return 0;
      TheWindows().clipboard = w->title.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
      ReplaceSelection(*w, "");
      Changed(window);
      return 0;
    }
    case EmReplaceSel:
      ReplaceSelection(*w, lParam ? reinterpret_cast<const char*>(lParam) : "");
      Changed(window);
      return 0;
    case EmSetSel: {
      int len = static_cast<int>(w->title.size());
      int a = static_cast<int>(static_cast<std::intptr_t>(wParam));
      int b = static_cast<int>(lParam);
      if (a < 0) {
        w->selStart = w->selEnd = len;  // -1 removes the selection
        return 0;
      }
      if (b < 0 || b > len) b = len;
      w->selStart = std::min(a, len);
      w->selEnd = b;
      return 0;
    }
    case EmGetSel: {
      auto a = static_cast<std::uint32_t>(std::min(w->selStart, w->selEnd));
      auto b = static_cast<std::uint32_t>(std::max(w->selStart, w->selEnd));
      if (wParam) *reinterpret_cast<std::uint32_t*>(wParam) = a;
      if (lParam) *reinterpret_cast<std::uint32_t*>(lParam) = b;
      return static_cast<Lresult>(MakeWparam(a, b));
    }
    case EmGetRect: {
      auto* rect = reinterpret_cast<Rect*>(lParam);
      if (!rect) return 0;
      *rect = w->hasFormatRect ? w->formatRect : ClientRect(*w);
      return 0;
    }
    case EmSetRectNp: {
      auto* rect = reinterpret_cast<const Rect*>(lParam);
      if (!(w->style & EsMultiline)) return 0;  // single-line edits ignore it
      w->hasFormatRect = rect != nullptr;
      if (rect) w->formatRect = *rect;
      return 0;
    }
    case EmSetReadOnly: w->style = wParam ? (w->style | EsReadOnly) : (w->style & ~EsReadOnly); return 1;
    case WmGetDlgCode: return DlgcWantChars;
    case WmLButtonDown:
      // A press on an edit takes the focus into it.
      if (TheWindows().focus != window) SetFocus(window);
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

Lresult MURALTO_WINAPI PlainProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// A static text or picture is transparent to the pointer, which then
// reaches the window beneath it, unless it notifies its parent.
Lresult MURALTO_WINAPI StaticProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (w && message == WmNcHitTest && !(w->style & SsNotify)) return HtTransparent;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterPredefinedClasses() {
  auto& classes = TheWindows().classes;
  if (classes.count("button")) return;
  classes["button"] = {"Button", ButtonProc, 0};
  classes["edit"] = {"Edit", EditProc, 0};
  classes["static"] = {"Static", StaticProc, 0};
  classes[machine::LowerAnsi(WcListView)] = {WcListView, ListViewProc, 0};
  classes[machine::LowerAnsi(WcStatusBar)] = {WcStatusBar, PlainProc, 0};
}

}  // namespace sim::detail
