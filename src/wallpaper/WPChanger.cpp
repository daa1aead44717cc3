#include "wallpaper/WPChanger.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/UniqueHandle.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "toolkit/core/Conversions.h"
#include "toolkit/core/FileExists.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/Registry.h"

namespace muralto {

namespace {

// Closes the registry's open key on every way out of a scope.
auto KeyCloser(toolkit::TRegistry& registry) {
  return platform::UniqueHandle(&registry, [](toolkit::TRegistry* open) { open->CloseKey(); });
}

// Larger than any screen; keeps a bogus size from asking for gigabytes.
constexpr std::int64_t MaxCapturePixels = std::int64_t{1} << 27;

// The Windows folder as the system writes it into a buffer of MAX_PATH
// characters, kept up to its terminating zero but to no more than 255
// characters (a longer name is cut there), with one backslash appended.
// When the system names no folder, or one its buffer cannot take, there is
// no place for a capture: "".
std::string WindowsFolderWithBackslash() {
  std::array<char, platform::MaxPath> buffer{};
  const std::uint32_t length = platform::GetWindowsDirectoryA(buffer.data(), platform::MaxPath);
  if (length == 0 || length >= platform::MaxPath) return {};
  return std::string(buffer.data(), strnlen(buffer.data(), TWPChanger::MaxPathLength)) + "\\";
}

}  // namespace

EWallpaperPathTooLong::EWallpaperPathTooLong(const std::string& path)
    : toolkit::Exception("The wallpaper path is longer than 255 characters: " + path) {}

TWPChanger::TWPChanger(toolkit::TComponent* owner)
    : toolkit::TComponent(owner), registry_(std::make_unique<toolkit::TRegistry>(platform::KeyAllAccess)) {
  // A "Wallpaper" value the component cannot read must not stop its owner
  // from being built: the property then starts empty.
  try {
    wallpaper_ = GetCurrentWallpaper();
  } catch (const toolkit::ERegistryException&) {
    wallpaper_.clear();
  }
  captureFolder_ = WindowsFolderWithBackslash();
  pixelFormat_ = toolkit::pf24bit;
}

TWPChanger::~TWPChanger() = default;

void TWPChanger::SetWallpaper(const std::string& fileName) {
  if (InState(toolkit::csDesigning) || toolkit::FileExists(fileName)) {
    wallpaper_ = fileName;
  } else {
    toolkit::Fire(OnFileNotFound, this);
  }
}

std::string TWPChanger::GetCurrentWallpaper() {
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return {};
  const auto closer = KeyCloser(*registry_);
  return registry_->ReadString("Wallpaper");
}

TWallpaperPosition TWPChanger::GetCurrentPosition() {
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return wpCentered;
  const auto closer = KeyCloser(*registry_);
  const std::int64_t style = toolkit::StrToInt(registry_->ReadString("WallpaperStyle"));
  const std::int64_t tile = toolkit::StrToInt(registry_->ReadString("TileWallpaper"));
  const std::int64_t sum = style + tile;
  return (sum >= 0 && sum <= 2) ? static_cast<TWallpaperPosition>(sum) : wpCentered;
}

void TWPChanger::CaptureScreen(toolkit::TBitmap& bitmap, std::uint32_t window) {
  bitmap.SetPixelFormat(pixelFormat_);
  platform::Hwnd source = window;
  int width = 0;
  int height = 0;
  if (window == 0) {
    source = platform::GetDesktopWindow();
    width = platform::GetSystemMetrics(platform::SmCxScreen);
    height = platform::GetSystemMetrics(platform::SmCyScreen);
  } else {
    platform::Rect client;
    platform::GetClientRect(source, &client);
    width = client.right;
    height = client.bottom;
  }
  if (std::int64_t{width} * height > MaxCapturePixels) throw toolkit::EOutOfResources(toolkit::msg::InvalidBitmap);
  bitmap.SetWidth(width);
  bitmap.SetHeight(height);
  width = bitmap.Width();
  height = bitmap.Height();
  if (width <= 0 || height <= 0) return;
  const platform::UniqueHandle dc(platform::GetDC(source),
                                  [source](platform::Hdc context) { platform::ReleaseDC(source, context); });
  if (dc.Get() == 0) return;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  if (!platform::BitBltToBuffer(dc.Get(), 0, 0, width, height, pixels.data())) return;
  bitmap.CopyFromBgra(pixels.data(), width, height);
}

void TWPChanger::SetScreenAsWallpaper(TWallpaperPosition position) {
  if (captureFolder_.empty())
    throw toolkit::EInvalidOperation("The Windows folder is unknown: no place for the screen copy");
  const std::string path = captureFolder_ + CaptureFileName;
  {
    toolkit::TBitmap capture;
    CaptureScreen(capture, 0);
    capture.SaveToFile(path);
  }
  ChangeWallPaper(path, position);
}

void TWPChanger::ChangeNow() { ChangeWallPaper(wallpaper_, position_); }

void TWPChanger::ChangeWallPaper(const std::string& fileName, TWallpaperPosition position) {
  if (!toolkit::FileExists(fileName)) {
    toolkit::Fire(OnFileNotFound, this);
    return;
  }
  if (fileName.size() > MaxPathLength) throw EWallpaperPathTooLong(fileName);
  toolkit::Fire(OnBeginChange, this);
  try {
    WritePlacementAndPath(fileName, position);
  } catch (const toolkit::ERegistryException&) {
    toolkit::Fire(OnRegistryError, this);
  }
  toolkit::Fire(OnFinishChange, this);
}

void TWPChanger::WritePlacementAndPath(const std::string& fileName, TWallpaperPosition position) {
  std::array<char, MaxPathLength + 1> buffer{};
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return;
  const auto closer = KeyCloser(*registry_);
  switch (position) {
    case wpCentered:
      registry_->WriteString("TileWallpaper", "0");
      registry_->WriteString("WallpaperStyle", "0");
      break;
    case wpTiled:
      registry_->WriteString("TileWallpaper", "1");
      registry_->WriteString("WallpaperStyle", "0");
      break;
    case wpStretched:
      registry_->WriteString("TileWallpaper", "0");
      registry_->WriteString("WallpaperStyle", "2");
      break;
  }
  fileName.copy(buffer.data(), MaxPathLength);
  // The system's answer is not examined: a picture it cannot load is not reported.
  platform::SystemParametersInfoA(platform::SpiSetDeskWallpaper, 1, buffer.data(), platform::SpifUpdateIniFile);
  registry_->WriteString("PrevWallpaper", registry_->ReadString("Wallpaper"));
  registry_->WriteString("Wallpaper", fileName);
}

}  // namespace muralto
