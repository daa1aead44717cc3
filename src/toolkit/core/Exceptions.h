#pragma once
// The library's exception classes. Every failure the program shows is one of
// these; the message is the text the failure display puts on screen.
#include <stdexcept>
#include <string>

namespace toolkit {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A class name and a base class cannot be put in parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define MURALTO_EXCEPTION_CLASS(Name, Base)                      \
  class Name : public Base {                                     \
   public:                                                       \
    explicit Name(const std::string& message) : Base(message) {} \
  }
// NOLINTEND(bugprone-macro-parentheses)

MURALTO_EXCEPTION_CLASS(ERegistryException, Exception);
MURALTO_EXCEPTION_CLASS(EConvertError, Exception);
MURALTO_EXCEPTION_CLASS(EIniFileException, Exception);
MURALTO_EXCEPTION_CLASS(EStringListError, Exception);
MURALTO_EXCEPTION_CLASS(EOutOfResources, Exception);
MURALTO_EXCEPTION_CLASS(EStreamError, Exception);
MURALTO_EXCEPTION_CLASS(EFOpenError, EStreamError);
MURALTO_EXCEPTION_CLASS(EFCreateError, EStreamError);
MURALTO_EXCEPTION_CLASS(EReadError, EStreamError);
MURALTO_EXCEPTION_CLASS(EWriteError, EStreamError);
MURALTO_EXCEPTION_CLASS(EInvalidGraphic, Exception);
MURALTO_EXCEPTION_CLASS(EJPEG, Exception);
MURALTO_EXCEPTION_CLASS(EInvalidOperation, Exception);
MURALTO_EXCEPTION_CLASS(EComponentError, Exception);

#undef MURALTO_EXCEPTION_CLASS

// The library's fixed message texts.
namespace msg {
inline std::string InvalidRegType(const std::string& name) { return "Invalid data type for '" + name + "'"; }
inline std::string RegGetDataFailed(const std::string& name) { return "Failed to get data for '" + name + "'"; }
inline std::string RegSetDataFailed(const std::string& name) { return "Failed to set data for '" + name + "'"; }
inline std::string InvalidInteger(const std::string& text) { return "'" + text + "' is not a valid integer value"; }
inline std::string IniFileWriteError(const std::string& path) { return "Unable to write to " + path; }
inline std::string ListIndexError(int index) { return "List index out of bounds (" + std::to_string(index) + ")"; }
inline std::string FOpenError(const std::string& path) { return "Cannot open file " + path; }
inline std::string FCreateError(const std::string& path) { return "Cannot create file " + path; }
inline const char* const ReadError = "Stream read error";
inline const char* const WriteError = "Stream write error";
inline const char* const InvalidBitmap = "Bitmap image is not valid";
inline std::string JpegError(int code) { return "JPEG error #" + std::to_string(code); }
inline const char* const NoTimers = "Not enough timers available";
}  // namespace msg

}  // namespace toolkit
