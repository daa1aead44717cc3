// The desktop over the real API.
#include <windows.h>

#include <cstring>

#include "platform/UniqueHandle.h"
#include "platform/desktop.h"

namespace platform {

namespace {

// Selects an object into a device context for one scope.
auto Selection(HDC dc, HGDIOBJ object) {
  return UniqueHandle(::SelectObject(dc, object), [dc](HGDIOBJ previous) { ::SelectObject(dc, previous); });
}

}  // namespace

bool SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* pv, std::uint32_t winIni) {
  return ::SystemParametersInfoA(action, param, pv, winIni) != FALSE;
}

int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

Hwnd GetDesktopWindow() { return reinterpret_cast<Hwnd>(::GetDesktopWindow()); }

bool GetClientRect(Hwnd window, Rect* rect) {
  RECT native{};
  if (!::GetClientRect(reinterpret_cast<HWND>(window), &native)) return false;
  if (rect != nullptr) *rect = Rect{native.left, native.top, native.right, native.bottom};
  return true;
}

Hdc GetDC(Hwnd window) { return reinterpret_cast<Hdc>(::GetDC(reinterpret_cast<HWND>(window))); }

int ReleaseDC(Hwnd window, Hdc dc) { return ::ReleaseDC(reinterpret_cast<HWND>(window), reinterpret_cast<HDC>(dc)); }

int GetDeviceCaps(Hdc dc, int index) { return ::GetDeviceCaps(reinterpret_cast<HDC>(dc), index); }

bool BitBltToBuffer(Hdc dc, int srcX, int srcY, int width, int height, std::uint8_t* bgra) {
  if (width < 0 || height < 0 || (bgra == nullptr && width > 0 && height > 0)) return false;
  if (width == 0 || height == 0) return true;
  const HDC source = reinterpret_cast<HDC>(dc);
  const UniqueHandle memory(::CreateCompatibleDC(source), [](HDC dc) { ::DeleteDC(dc); });
  if (!memory.Valid()) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueHandle bitmap(::CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0),
                            [](HBITMAP made) { ::DeleteObject(made); });
  if (!bitmap.Valid() || bits == nullptr) return false;
  {
    const auto selected = Selection(memory.Get(), bitmap.Get());
    if (!::BitBlt(memory.Get(), 0, 0, width, height, source, srcX, srcY, SRCCOPY)) return false;
    ::GdiFlush();
  }
  const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  std::memcpy(bgra, bits, bytes);
  for (std::size_t i = 3; i < bytes; i += 4) bgra[i] = 0;
  return true;
}

}  // namespace platform
