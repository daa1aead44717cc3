#include "platform/sim/SimHostIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/UniqueHandle.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPaths.h"
#include "platform/types.h"

namespace sim::machine {

namespace {

// A host file descriptor, closed on every way out; -1 is none.
auto FileDescriptor(int fd) { return platform::UniqueHandle(fd, &close, -1); }

}  // namespace

long ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return platform::ErrorFileNotFound;
    case ENOTDIR: return platform::ErrorPathNotFound;
    case EEXIST: return platform::ErrorAlreadyExists;
    default: return platform::ErrorAccessDenied;
  }
}

long ReadWholeFile(const std::string& hostPath, std::string* text) {
  text->clear();
  if (!HostExists(hostPath)) return MissingPathError(hostPath);
  if (HostIsFolder(hostPath)) return platform::ErrorAccessDenied;
  const auto fd = FileDescriptor(open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return ErrorFromErrno(errno);
  char chunk[65536];
  for (;;) {
    const ssize_t got = read(fd.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ErrorFromErrno(errno);
    if (got == 0) break;
    text->append(chunk, static_cast<std::size_t>(got));
  }
  return 0;
}

long WriteWholeFile(const std::string& hostPath, const std::string& text) {
  if (!HostIsFolder(HostParent(hostPath))) return platform::ErrorPathNotFound;
  if (HostIsFolder(hostPath)) return platform::ErrorAccessDenied;
  if (const long conflict = SharingConflict(hostPath, true)) return conflict;
  const auto fd = FileDescriptor(open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.Get() < 0) return ErrorFromErrno(errno);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = write(fd.Get(), text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return ErrorFromErrno(errno);
    done += static_cast<std::size_t>(put);
  }
  return 0;
}

long SharingConflict(const std::string& hostPath, bool forWrite) {
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0) return 0;
  for (const auto& [handle, file] : TheMachine().files) {
    if (file.device != st.st_dev || file.inode != st.st_ino) continue;
    // A reader shares reading only; a writer shares nothing.
    if (file.forWrite || forWrite) return platform::ErrorSharingViolation;
  }
  return 0;
}

bool IsOpen(const std::string& hostPath) {
  struct stat st {};
  if (lstat(hostPath.c_str(), &st) != 0) return false;
  for (const auto& [handle, file] : TheMachine().files) {
    if (file.device == st.st_dev && file.inode == st.st_ino) return true;
  }
  return false;
}

}  // namespace sim::machine
