#include "toolkit/graphics/ScreenDepth.h"

#include "platform/desktop.h"

namespace vcl {

namespace {
int depth = 0;  // 0: not asked yet
}

int ScreenBitsPerPixel() {
  if (depth == 0) {
    const platform::Hdc dc = platform::GetDC(0);
    depth = platform::GetDeviceCaps(dc, platform::DeviceCapsBitsPixel) *
            platform::GetDeviceCaps(dc, platform::DeviceCapsPlanes);
    platform::ReleaseDC(0, dc);
    if (depth <= 0) depth = 24;
  }
  return depth;
}

void SetScreenBitsPerPixel(int bits) { depth = bits; }

}  // namespace vcl
