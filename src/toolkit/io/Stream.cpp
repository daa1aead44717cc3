#include "toolkit/io/Stream.h"

#include "toolkit/core/Exceptions.h"

namespace toolkit {

std::int64_t TStream::Size() {
  const std::int64_t here = Position();
  const std::int64_t end = Seek(0, TSeekOrigin::soEnd);
  Seek(here, TSeekOrigin::soBeginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count < 0 || (count != 0 && Read(buffer, count) != count)) throw EReadError(msg::ReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count < 0 || (count != 0 && Write(buffer, count) != count)) throw EWriteError(msg::WriteError);
}

}  // namespace toolkit
