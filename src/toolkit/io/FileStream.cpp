#include "toolkit/io/FileStream.h"

#include <algorithm>

#include "platform/files.h"
#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {
// One system call moves at most this much, so that counts fit its 32-bit size.
constexpr std::int64_t kChunk = 1 << 30;
}  // namespace

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
  if (mode == TFileMode::fmCreate) {
    handle_.Reset(platform::CreateFileAnew(path.c_str()));
    if (!handle_.Valid()) throw EFCreateError(msg::FCreateError(path));
    writing_ = true;
    return;
  }
  handle_.Reset(platform::OpenFileForReadDenyWrite(path.c_str()));
  if (!handle_.Valid()) throw EFOpenError(msg::FOpenError(path));
  if (!platform::GetFileSizeEx(handle_.Get(), &size_)) throw EFOpenError(msg::FOpenError(path));
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::int64_t total = 0;
  while (total < count) {
    const auto want = static_cast<std::uint32_t>(std::min(count - total, kChunk));
    std::uint32_t got = 0;
    if (!platform::ReadFile(handle_.Get(), out + total, want, &got) || got == 0) break;
    total += got;
  }
  position_ += total;
  return total;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::int64_t total = 0;
  while (total < count) {
    const auto want = static_cast<std::uint32_t>(std::min(count - total, kChunk));
    std::uint32_t put = 0;
    if (!platform::WriteFile(handle_.Get(), in + total, want, &put) || put == 0) break;
    total += put;
  }
  position_ += total;
  size_ = std::max(size_, position_);
  return total;
}

void TFileStream::WriteBufferAt(std::int64_t offset, const void* buffer, std::int64_t count) {
  if (!writing_ || offset < 0 || count < 0) throw EWriteError(msg::WriteError);
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::int64_t total = 0;
  while (total < count) {
    const auto want = static_cast<std::uint32_t>(std::min(count - total, kChunk));
    std::uint32_t put = 0;
    if (!platform::WriteFileAt(handle_.Get(), static_cast<std::uint64_t>(offset + total), in + total, want, &put) ||
        put == 0) {
      throw EWriteError(msg::WriteError);
    }
    total += put;
  }
  size_ = std::max(size_, offset + count);
}

// The files.h layer has no seek: streams here are read and written front to
// back, so a forward move of a reading stream reads and drops the bytes, and
// any other move than to where the stream already is fails.
std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t target = offset;
  if (origin == TSeekOrigin::soCurrent) target = position_ + offset;
  if (origin == TSeekOrigin::soEnd) target = size_ + offset;
  if (target == position_) return position_;
  if (writing_ || target < position_) throw EInvalidOperation("File stream cannot seek");
  std::uint8_t scratch[4096];
  while (position_ < target) {
    const auto want = std::min<std::int64_t>(target - position_, sizeof scratch);
    if (Read(scratch, want) != want) break;
  }
  return position_;
}

std::int64_t TFileStream::Size() { return size_; }

}  // namespace toolkit
