#pragma once
// Byte streams: the base class with the checked whole-buffer operations that
// the picture readers and writers use.
#include <cstdint>

#include "toolkit/core/Object.h"

namespace toolkit {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Moves the position; returns the new one.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual std::int64_t Size();
  // Bytes left between the position and the end.
  std::int64_t Remaining() { return Size() - Position(); }

  // Exactly count bytes or EReadError "Stream read error".
  void ReadBuffer(void* buffer, std::int64_t count);
  // Exactly count bytes or EWriteError "Stream write error".
  void WriteBuffer(const void* buffer, std::int64_t count);
};

}  // namespace toolkit
