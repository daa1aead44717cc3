#include "toolkit/graphics/ScreenDepth.h"

#include "platform/UniqueHandle.h"
#include "platform/desktop.h"

namespace toolkit {

namespace {
int depth = 0;  // 0: not asked yet
}

int ScreenBitsPerPixel() {
  if (depth == 0) {
    const platform::UniqueHandle dc(platform::GetDC(0), [](platform::Hdc screen) { platform::ReleaseDC(0, screen); });
    depth = platform::GetDeviceCaps(dc.Get(), platform::DeviceCapsBitsPixel) *
            platform::GetDeviceCaps(dc.Get(), platform::DeviceCapsPlanes);
    if (depth <= 0) depth = 24;
  }
  return depth;
}

void SetScreenBitsPerPixel(int bits) { depth = bits; }

}  // namespace toolkit
