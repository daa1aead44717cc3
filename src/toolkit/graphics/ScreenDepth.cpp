#include "toolkit/graphics/ScreenDepth.h"

#include "platform/desktop.h"
#include "toolkit/graphics/ScreenDc.h"

namespace toolkit {

namespace {
int depth = 0;  // 0: not asked yet
}

int ScreenBitsPerPixel() {
  if (depth == 0) {
    const TScreenDc dc;
    depth = platform::GetDeviceCaps(dc.Get(), platform::DeviceCapsBitsPixel) *
            platform::GetDeviceCaps(dc.Get(), platform::DeviceCapsPlanes);
    if (depth <= 0) depth = 24;
  }
  return depth;
}

void SetScreenBitsPerPixel(int bits) { depth = bits; }

}  // namespace toolkit
