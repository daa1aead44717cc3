#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/sim/world.h"
#include "support/ScratchArea.h"
#include "support/SimMachine.h"

namespace support {

struct ScratchArea::Host {
  SimMachine machine;
};

ScratchArea::ScratchArea() : host_(std::make_unique<Host>()), folder_(SimMachine::DataDir) {}

ScratchArea::~ScratchArea() = default;

void ScratchArea::MakeFolder(const std::string& name) { host_->machine.MakeDir(folder_ + name); }

bool ScratchArea::MarkHidden(const std::string& name) {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeHidden);
  return true;
}

bool ScratchArea::MarkSystem(const std::string& name) {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeSystem);
  return true;
}

bool ScratchArea::MarkReadOnlyFolder(const std::string& name) {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeReadonly);
  return true;
}

bool ScratchArea::MakeFolderLink(const std::string& linkName, const std::string& targetName) {
  std::error_code error;
  std::filesystem::create_directory_symlink(host_->machine.Host(folder_ + targetName),
                                            host_->machine.Host(folder_ + linkName), error);
  return !error;
}

}  // namespace support
