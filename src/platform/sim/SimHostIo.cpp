#include "platform/sim/SimHostIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/sim/SimPaths.h"
#include "platform/sim/SimState.h"
#include "platform/types.h"

namespace sim::machine {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

long ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return platform::ErrorFileNotFound;
    case ENOTDIR:
      return platform::ErrorPathNotFound;
    case EEXIST:
      return platform::ErrorAlreadyExists;
    default:
      return platform::ErrorAccessDenied;
  }
}

long ReadWholeFile(const std::string& hostPath, std::string* text) {
  text->clear();
  if (!HostExists(hostPath)) return MissingPathError(hostPath);
  if (HostIsFolder(hostPath)) return platform::ErrorAccessDenied;
  const FileDescriptor fd(open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return ErrorFromErrno(errno);
  char chunk[65536];
  for (;;) {
    const ssize_t got = read(fd.get(), chunk, sizeof chunk);
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
  const FileDescriptor fd(open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) return ErrorFromErrno(errno);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = write(fd.get(), text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return ErrorFromErrno(errno);
    done += static_cast<std::size_t>(put);
  }
  return 0;
}

long SharingConflict(const std::string& hostPath, bool forWrite) {
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0) return 0;
  for (const auto& [handle, file] : TheState().files) {
    if (file.device != st.st_dev || file.inode != st.st_ino) continue;
    // A reader shares reading only; a writer shares nothing.
    if (file.forWrite || forWrite) return platform::ErrorSharingViolation;
  }
  return 0;
}

bool IsOpen(const std::string& hostPath) {
  struct stat st {};
  if (lstat(hostPath.c_str(), &st) != 0) return false;
  for (const auto& [handle, file] : TheState().files) {
    if (file.device == st.st_dev && file.inode == st.st_ino) return true;
  }
  return false;
}

}  // namespace sim::machine
