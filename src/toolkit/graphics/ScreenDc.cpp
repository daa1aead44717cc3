#include "toolkit/graphics/ScreenDc.h"

#include "platform/desktop.h"

namespace toolkit {

namespace {
int scopes = 0;
platform::Hdc heldDc = 0;
}  // namespace

TScreenDcScope::TScreenDcScope() {
  if (scopes++ == 0) heldDc = platform::GetDC(0);
}

TScreenDcScope::~TScreenDcScope() {
  if (--scopes == 0 && heldDc) {
    platform::ReleaseDC(0, heldDc);
    heldDc = 0;
  }
}

TScreenDc::TScreenDc() : dc_(heldDc) {
  if (!dc_) {
    dc_ = platform::GetDC(0);
    own_ = true;
  }
}

TScreenDc::~TScreenDc() {
  if (own_ && dc_) platform::ReleaseDC(0, dc_);
}

}  // namespace toolkit
