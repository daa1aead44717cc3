#pragma once
// Whole-file reads and writes on the host, with failures as Windows error codes.
#include <string>

namespace sim::machine {

long ErrorFromErrno(int error);
// 0, or the Windows error: ErrorFileNotFound / ErrorPathNotFound for a
// missing file or folder, ErrorAccessDenied for a folder or refused access.
long ReadWholeFile(const std::string& hostPath, std::string* text);
long WriteWholeFile(const std::string& hostPath, const std::string& text);

// ErrorSharingViolation when a handle of this process holds the file open
// in a way that conflicts with opening it again (for writing, or at all
// when the open handle writes); 0 otherwise.
long SharingConflict(const std::string& hostPath, bool forWrite);
// Whether any handle holds this entry open (which bars deleting or moving it).
bool IsOpen(const std::string& hostPath);

}  // namespace sim::machine
