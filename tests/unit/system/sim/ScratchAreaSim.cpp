#include "support/SimMachine.h"
#include "system/ScratchArea.h"

namespace systemtest {

struct ScratchArea::Host {
  support::SimMachine machine;
};

ScratchArea::ScratchArea() : host_(std::make_unique<Host>()), folder_(support::SimMachine::DataDir) {}

ScratchArea::~ScratchArea() = default;

}  // namespace systemtest
