#include "support/TestMachine.h"

#include <stdexcept>

#include "platform/files.h"

namespace support {

std::string TestMachine::MakeFile(const std::string& name, const std::string& bytes) const {
  const std::string path = folder_ + name;
  const platform::Handle file = platform::CreateFileAnew(path.c_str());
  if (file == platform::InvalidHandleValue) throw std::runtime_error("cannot create " + path);
  std::uint32_t written = 0;
  const bool ok = platform::WriteFile(file, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written);
  platform::CloseHandle(file);
  if (!ok || written != bytes.size()) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace support
