#pragma once
// Whole-file reads and writes on the host, with failures as Windows error codes.
#include <string>

namespace sim::detail {

long ErrorFromErrno(int error);
// 0, or the Windows error: ErrorFileNotFound / ErrorPathNotFound for a
// missing file or folder, ErrorAccessDenied for a folder or refused access.
long ReadWholeFile(const std::string& hostPath, std::string* text);
long WriteWholeFile(const std::string& hostPath, const std::string& text);

// Whether a handle of this process holds the file open in a way that
// conflicts with opening it again (for writing, or at all when exclusive).
long SharingConflict(const std::string& hostPath, bool forWrite);

}  // namespace sim::detail
