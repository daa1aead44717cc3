#pragma once
// A window message as the library's controls handle it, and the small types
// of their events.
#include <cstdint>
#include <functional>

#include "platform/windowing.h"
#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

struct TMessage {
  std::uint32_t Msg = 0;
  platform::Wparam WParam = 0;
  platform::Lparam LParam = 0;
  platform::Lresult Result = 0;
};

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// An event that hands on a position, such as where something was dropped.
using TPointEvent = std::function<void(TObject* sender, platform::Point point)>;

// The shift state of a mouse message's key flags.
TShiftState MouseShiftState(platform::Wparam keys);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();

}  // namespace toolkit
