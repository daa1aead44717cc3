#pragma once
// A stream over a file of the operating system, open for the life of the object.
#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"
#include "platform/files.h"
#include "platform/types.h"
#include "toolkit/io/Stream.h"

namespace toolkit {

enum class TFileMode {
  fmOpenReadDenyWrite,  // read an existing file; others may read but not write
  fmCreate,             // a new file for writing, replacing an older one
};

class TFileStream : public TStream {
 public:
  // EFOpenError "Cannot open file %s" or EFCreateError "Cannot create file %s".
  TFileStream(const std::string& path, TFileMode mode);
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override;
  // Exactly count bytes at offset from the start, the position left as it
  // is; EWriteError "Stream write error" otherwise. For files whose parts are
  // made in another order than they are stored.
  void WriteBufferAt(std::int64_t offset, const void* buffer, std::int64_t count);

  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  platform::UniqueHandle<platform::Handle, bool (*)(platform::Handle)> handle_{
      platform::InvalidHandleValue, &platform::CloseHandle, platform::InvalidHandleValue};
  std::int64_t position_ = 0;
  std::int64_t size_ = 0;  // known for a file opened for reading
  bool writing_ = false;
};

}  // namespace toolkit
