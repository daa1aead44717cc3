#pragma once
// A device context of the screen for measures: text extents, font metrics,
// the screen's colour depth.
#include "platform/types.h"

namespace toolkit {

// While one lives, measures share one device context of the screen instead
// of fetching one each: setting up a form measures every label, some more
// than once, and under Wine each fetch is some ten trips to its server.
// Scopes nest; the context goes back when the outermost one ends.
class TScreenDcScope {
 public:
  TScreenDcScope();
  ~TScreenDcScope();
  TScreenDcScope(const TScreenDcScope&) = delete;
  TScreenDcScope& operator=(const TScreenDcScope&) = delete;
};

// A device context of the screen to measure in: the one a scope holds, else
// one of its own, released with it.
class TScreenDc {
 public:
  TScreenDc();
  ~TScreenDc();
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  platform::Hdc Get() const { return dc_; }

 private:
  platform::Hdc dc_ = 0;
  bool own_ = false;
};

}  // namespace toolkit
