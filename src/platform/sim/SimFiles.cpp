// Open files, deletion and renaming over host files. Sharing follows the
// two ways the program opens files: a reader lets others read only, a
// writer lets nobody in, and neither lets the file be deleted or moved.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "platform/files.h"
#include "platform/sim/SimHostIo.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPaths.h"

namespace platform {

namespace {

using sim::machine::TheMachine;

constexpr long ErrorNotSameDevice = 17;
constexpr long ErrorDiskFull = 112;

Handle FailHandle(long error) {
  sim::SetLastError(static_cast<std::uint32_t>(error));
  return InvalidHandleValue;
}

bool Fail(long error) {
  sim::SetLastError(static_cast<std::uint32_t>(error));
  return false;
}

Handle Remember(int fd, bool forWrite) {
  struct stat st {};
  fstat(fd, &st);
  auto& state = TheMachine();
  const Handle handle = state.next.file++;
  state.files[handle] = sim::machine::OpenFile{fd, static_cast<std::uint64_t>(st.st_dev),
                                               static_cast<std::uint64_t>(st.st_ino), forWrite};
  return handle;
}

sim::machine::OpenFile* FileOf(Handle handle) {
  auto& files = TheMachine().files;
  const auto found = files.find(handle);
  return found == files.end() ? nullptr : &found->second;
}

bool IsRealFolder(const std::string& hostPath) {
  struct stat st {};
  return lstat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

Handle OpenFileForReadDenyWrite(const char* path) {
  if (path == nullptr) return FailHandle(ErrorInvalidParameter);
  const auto host = sim::machine::ToHostPath(path);
  if (!host) return FailHandle(ErrorPathNotFound);
  if (!sim::machine::HostExists(*host)) return FailHandle(sim::machine::MissingPathError(*host));
  if (sim::machine::HostIsFolder(*host)) return FailHandle(ErrorAccessDenied);
  if (const long conflict = sim::machine::SharingConflict(*host, false)) return FailHandle(conflict);
  const int fd = open(host->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FailHandle(sim::machine::ErrorFromErrno(errno));
  return Remember(fd, false);
}

Handle CreateFileAnew(const char* path) {
  if (path == nullptr) return FailHandle(ErrorInvalidParameter);
  const auto host = sim::machine::ToHostPath(path);
  if (!host || !sim::machine::HostIsFolder(sim::machine::HostParent(*host))) return FailHandle(ErrorPathNotFound);
  if (sim::machine::HostIsFolder(*host) || sim::machine::WritesDenied(*host)) return FailHandle(ErrorAccessDenied);
  if (const long conflict = sim::machine::SharingConflict(*host, true)) return FailHandle(conflict);
  const int fd = open(host->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return FailHandle(sim::machine::ErrorFromErrno(errno));
  return Remember(fd, true);
}

bool ReadFile(Handle file, void* buffer, std::uint32_t toRead, std::uint32_t* read) {
  if (read != nullptr) *read = 0;
  const auto* open = FileOf(file);
  if (open == nullptr) return Fail(ErrorInvalidHandle);
  if (open->forWrite) return Fail(ErrorAccessDenied);
  if (buffer == nullptr && toRead > 0) return Fail(ErrorInvalidParameter);
  std::uint32_t done = 0;
  while (done < toRead) {
    const ssize_t got = ::read(open->fd, static_cast<char*>(buffer) + done, toRead - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail(sim::machine::ErrorFromErrno(errno));
    if (got == 0) break;
    done += static_cast<std::uint32_t>(got);
  }
  if (read != nullptr) *read = done;
  return true;
}

namespace {

// Writes at the file's position (offset < 0) or at an offset; the simulated
// disk takes what still fits and then reports itself full.
bool WriteSome(Handle file, std::int64_t offset, const void* buffer, std::uint32_t toWrite, std::uint32_t* written) {
  if (written != nullptr) *written = 0;
  const auto* open = FileOf(file);
  if (open == nullptr) return Fail(ErrorInvalidHandle);
  if (!open->forWrite) return Fail(ErrorAccessDenied);
  if (buffer == nullptr && toWrite > 0) return Fail(ErrorInvalidParameter);
  std::uint64_t& spaceLeft = TheMachine().diskSpaceLeft;
  const std::uint32_t fits = static_cast<std::uint32_t>(std::min<std::uint64_t>(toWrite, spaceLeft));
  std::uint32_t done = 0;
  while (done < fits) {
    const char* from = static_cast<const char*>(buffer) + done;
    const ssize_t put = offset < 0 ? ::write(open->fd, from, fits - done)
                                   : ::pwrite(open->fd, from, fits - done, static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return Fail(sim::machine::ErrorFromErrno(errno));
    done += static_cast<std::uint32_t>(put);
  }
  if (spaceLeft != sim::NoDiskLimit) spaceLeft -= done;
  // A write at an offset on a handle opened for plain writes moves the
  // file's position to its end, as a plain write does.
  if (offset >= 0) ::lseek(open->fd, static_cast<off_t>(offset + done), SEEK_SET);
  if (written != nullptr) *written = done;
  if (done < toWrite) return Fail(ErrorDiskFull);
  return true;
}

}  // namespace

bool WriteFile(Handle file, const void* buffer, std::uint32_t toWrite, std::uint32_t* written) {
  return WriteSome(file, -1, buffer, toWrite, written);
}

bool WriteFileAt(Handle file, std::uint64_t offset, const void* buffer, std::uint32_t toWrite, std::uint32_t* written) {
  if (offset > static_cast<std::uint64_t>(INT64_MAX / 2)) return Fail(ErrorInvalidParameter);
  return WriteSome(file, static_cast<std::int64_t>(offset), buffer, toWrite, written);
}

bool GetFileSizeEx(Handle file, std::int64_t* size) {
  const auto* open = FileOf(file);
  struct stat st {};
  if (open == nullptr || fstat(open->fd, &st) != 0) return Fail(ErrorInvalidHandle);
  if (size == nullptr) return Fail(ErrorInvalidParameter);
  *size = static_cast<std::int64_t>(st.st_size);
  return true;
}

bool CloseHandle(Handle handle) {
  auto& files = TheMachine().files;
  const auto found = files.find(handle);
  if (found == files.end()) return Fail(ErrorInvalidHandle);
  close(found->second.fd);
  files.erase(found);
  return true;
}

bool DeleteFileA(const char* path) {
  if (path == nullptr) return Fail(ErrorInvalidParameter);
  const auto host = sim::machine::ToHostPath(path);
  if (!host) return Fail(ErrorPathNotFound);
  if (!sim::machine::HostExists(*host)) return Fail(sim::machine::MissingPathError(*host));
  if (IsRealFolder(*host) || sim::machine::WritesDenied(*host)) return Fail(ErrorAccessDenied);
  if (sim::machine::IsOpen(*host)) return Fail(ErrorSharingViolation);
  if (unlink(host->c_str()) != 0) return Fail(sim::machine::ErrorFromErrno(errno));
  return true;
}

bool MoveFileExA(const char* from, const char* to, std::uint32_t flags) {
  if (from == nullptr || to == nullptr) return Fail(ErrorInvalidParameter);
  const auto source = sim::machine::ToHostPath(from);
  if (!source) return Fail(ErrorPathNotFound);
  if (!sim::machine::HostExists(*source)) return Fail(sim::machine::MissingPathError(*source));
  const auto target = sim::machine::ToHostPath(to);
  if (!target || !sim::machine::HostIsFolder(sim::machine::HostParent(*target))) return Fail(ErrorPathNotFound);
  if (sim::machine::IsOpen(*source)) return Fail(ErrorSharingViolation);
  if (sim::machine::HostExists(*target)) {
    if ((flags & MoveFileReplaceExisting) == 0) return Fail(ErrorAlreadyExists);
    if (IsRealFolder(*target)) return Fail(ErrorAccessDenied);
    if (sim::machine::IsOpen(*target)) return Fail(ErrorSharingViolation);
  }
  if (sim::machine::WritesDenied(*source) || sim::machine::WritesDenied(*target)) return Fail(ErrorAccessDenied);
  if (std::rename(source->c_str(), target->c_str()) != 0) {
    return Fail(errno == EXDEV ? ErrorNotSameDevice : sim::machine::ErrorFromErrno(errno));
  }
  return true;
}

}  // namespace platform
