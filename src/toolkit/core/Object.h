#pragma once
// The root class: every component and many plain objects derive from it so
// that an event's sender can be compared and cast.
namespace toolkit {

class TObject {
 public:
  virtual ~TObject() = default;
};

}  // namespace toolkit
