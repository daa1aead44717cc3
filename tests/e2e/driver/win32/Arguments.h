#pragma once
// Parsing of the driver's command-line arguments.

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

// A fault in the command line: reported with the usage, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A check that did not hold (a window never came, a value is missing):
// exit status 1.
class CheckFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Args = std::vector<std::string>;

// A window handle as the driver prints it: "0x" and hexadecimal digits.
HWND ParseWindow(const std::string& text);
std::string FormatWindow(HWND window);

// Decimal, or hexadecimal after "0x".
std::uint32_t ParseNumber(const std::string& text);

// Seconds, possibly fractional, from 0 to one hour; returned in milliseconds.
DWORD ParseSeconds(const std::string& text);

// "-" stands for "any": a null pointer for FindWindowA.
const char* OrAny(const std::string& text);

}  // namespace e2e
