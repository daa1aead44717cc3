#pragma once
// File-name helpers with the runtime's rules: the extension starts at the
// last "." after the last "\" or ":".
#include <string>

namespace toolkit {

// Up to and including the last "\" or ":"; "" when there is none.
std::string ExtractFilePath(const std::string& fileName);
// The extension replaced (or appended when there is none).
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// The executable's full path as the system reports it, however long.
std::string ModuleFileName();

}  // namespace toolkit
