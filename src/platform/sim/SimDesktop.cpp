// The desktop of the simulated machine: the wallpaper call, the screen's
// size and pixels, and device contexts. Every device context sees the
// screen from its top-left corner.
#include <algorithm>
#include <cstring>

#include "platform/desktop.h"
#include "platform/registry.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/world.h"

namespace sim {

Screen& TheScreen() { return machine::TheMachine().screen; }

std::vector<WallpaperCall>& WallpaperCalls() { return machine::TheMachine().wallpaperCalls; }

void SetWallpaperCallRecordsPath(bool on) { machine::TheMachine().wallpaperCallRecordsPath = on; }

}  // namespace sim

namespace platform {

namespace {

using sim::machine::TheMachine;

// A fixed pattern, so that a capture of an untouched screen is still checkable.
std::uint32_t PatternPixel(int x, int y) {
  const auto r = static_cast<std::uint32_t>((x * 7 + y * 3) & 0xFF);
  const auto g = static_cast<std::uint32_t>(x & 0xFF);
  const auto b = static_cast<std::uint32_t>(y & 0xFF);
  return (r << 16) | (g << 8) | b;
}

std::uint32_t ScreenPixel(const sim::Screen& screen, int x, int y) {
  if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) return 0;
  if (screen.pixels.empty()) return PatternPixel(x, y);
  const std::size_t index =
      static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.width) + static_cast<std::size_t>(x);
  return index < screen.pixels.size() ? screen.pixels[index] : 0;
}

bool IsOpenDc(Hdc dc) { return TheMachine().gdi.dcs.count(dc) != 0; }

}  // namespace

bool SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* pv, std::uint32_t winIni) {
  if (action != SpiSetDeskWallpaper) {
    sim::SetLastError(ErrorInvalidParameter);
    return false;
  }
  auto& state = TheMachine();
  const std::string path = pv == nullptr ? "" : static_cast<const char*>(pv);
  state.wallpaperCalls.push_back(sim::WallpaperCall{param, path, winIni});
  if ((winIni & SpifUpdateIniFile) != 0 && state.wallpaperCallRecordsPath) {
    sim::RegValue value;
    value.type = RegSz;
    value.data.assign(path.begin(), path.end());
    value.data.push_back(0);
    state.registry.Create("Control Panel\\desktop", nullptr)->SetValue("Wallpaper", value);
  }
  return true;
}

int GetSystemMetrics(int index) {
  const sim::Screen& screen = TheMachine().screen;
  switch (index) {
    case SmCxScreen: return screen.width;
    case SmCyScreen: return screen.height;
    case SmCyBorder: return 1;
    default: return 0;
  }
}

Hwnd GetDesktopWindow() { return sim::DesktopWindowHandle; }

bool GetClientRect(Hwnd window, Rect* rect) {
  if (rect == nullptr) {
    sim::SetLastError(ErrorInvalidParameter);
    return false;
  }
  if (window == sim::DesktopWindowHandle) {
    const sim::Screen& screen = TheMachine().screen;
    *rect = Rect{0, 0, screen.width, screen.height};
    return true;
  }
  const sim::detail::Window* w = sim::detail::Find(window);
  if (w == nullptr) {
    sim::SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
    return false;
  }
  *rect = sim::detail::ClientRect(*w);
  return true;
}

Hdc GetDC(Hwnd window) {
  if (window != 0 && window != sim::DesktopWindowHandle && sim::detail::Find(window) == nullptr) return 0;
  return sim::machine::OpenDc();
}

int ReleaseDC(Hwnd, Hdc dc) { return TheMachine().gdi.dcs.erase(dc) == 1 ? 1 : 0; }

int GetDeviceCaps(Hdc dc, int index) {
  if (!IsOpenDc(dc)) return 0;
  switch (index) {
    case DeviceCapsBitsPixel: return TheMachine().screen.bitsPerPixel;
    case DeviceCapsPlanes: return 1;
    default: return 0;
  }
}

bool BitBltToBuffer(Hdc dc, int srcX, int srcY, int width, int height, std::uint8_t* bgra) {
  if (!IsOpenDc(dc) || width < 0 || height < 0 || (bgra == nullptr && width > 0 && height > 0)) {
    sim::SetLastError(ErrorInvalidParameter);
    return false;
  }
  const sim::Screen& screen = TheMachine().screen;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = ScreenPixel(screen, srcX + x, srcY + y);
      std::uint8_t* out =
          bgra + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
      out[0] = static_cast<std::uint8_t>(pixel & 0xFF);
      out[1] = static_cast<std::uint8_t>((pixel >> 8) & 0xFF);
      out[2] = static_cast<std::uint8_t>((pixel >> 16) & 0xFF);
      out[3] = 0;
    }
  }
  return true;
}

}  // namespace platform
