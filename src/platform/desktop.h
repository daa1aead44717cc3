#pragma once
// The desktop: wallpaper, screen size and pixels.
#include <cstdint>

#include "platform/types.h"

namespace platform {

inline constexpr std::uint32_t SpiSetDeskWallpaper = 20;
inline constexpr std::uint32_t SpifUpdateIniFile = 1;
inline constexpr int SmCxScreen = 0;
inline constexpr int SmCyScreen = 1;
inline constexpr int SmCyBorder = 6;
inline constexpr int DeviceCapsBitsPixel = 12;
inline constexpr int DeviceCapsPlanes = 14;

bool SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* pv, std::uint32_t winIni);
int GetSystemMetrics(int index);
Hwnd GetDesktopWindow();
bool GetClientRect(Hwnd window, Rect* rect);
Hdc GetDC(Hwnd window);
int ReleaseDC(Hwnd window, Hdc dc);
int GetDeviceCaps(Hdc dc, int index);
// BitBlt with SRCCOPY from (srcX, srcY) of dc into a top-down buffer of
// width * height pixels, 4 bytes each in blue, green, red, 0 order.
bool BitBltToBuffer(Hdc dc, int srcX, int srcY, int width, int height, std::uint8_t* bgra);

}  // namespace platform
