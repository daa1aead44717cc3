#include "wallpaper/WPChanger.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "platform/desktop.h"
#include "platform/files.h"
#include "toolkit/Conversions.h"
#include "toolkit/FileExists.h"
#include "toolkit/Registry.h"

namespace muralto {

namespace {

// Closes the registry's key on every way out of a scope.
class KeyCloser {
 public:
  explicit KeyCloser(vcl::TRegistry& registry) : registry_(registry) {}
  ~KeyCloser() { registry_.CloseKey(); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  vcl::TRegistry& registry_;
};

std::string WindowsFolderWithBackslash() {
  std::array<char, platform::MaxPath> buffer{};
  const std::uint32_t length = platform::GetWindowsDirectoryA(buffer.data(), platform::MaxPath);
  if (length == 0 || length > TWPChanger::MaxPathLength) return {};
  return std::string(buffer.data(), strnlen(buffer.data(), length)) + "\\";
}

}  // namespace

EWallpaperPathTooLong::EWallpaperPathTooLong(const std::string& path)
    : vcl::Exception("The wallpaper path is longer than 255 characters: " + path) {}

TWPChanger::TWPChanger(vcl::TComponent* owner)
    : vcl::TComponent(owner), registry_(std::make_unique<vcl::TRegistry>(platform::KeyAllAccess)) {
  // A "Wallpaper" value the component cannot read must not stop its owner
  // from being built: the property then starts empty.
  try {
    wallpaper_ = GetCurrentWallpaper();
  } catch (const vcl::ERegistryException&) {
    wallpaper_.clear();
  }
  captureFolder_ = WindowsFolderWithBackslash();
  pixelFormat_ = vcl::pf24bit;
}

TWPChanger::~TWPChanger() = default;

void TWPChanger::SetWallpaper(const std::string& fileName) {
  if (InState(vcl::csDesigning) || vcl::FileExists(fileName)) {
    wallpaper_ = fileName;
  } else {
    vcl::Fire(OnFileNotFound, this);
  }
}

std::string TWPChanger::GetCurrentWallpaper() {
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return {};
  KeyCloser closer(*registry_);
  return registry_->ReadString("Wallpaper");
}

TWallpaperPosition TWPChanger::GetCurrentPosition() {
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return wpCentered;
  KeyCloser closer(*registry_);
  const std::int64_t style = vcl::StrToInt(registry_->ReadString("WallpaperStyle"));
  const std::int64_t tile = vcl::StrToInt(registry_->ReadString("TileWallpaper"));
  const std::int64_t sum = style + tile;
  return (sum >= 0 && sum <= 2) ? static_cast<TWallpaperPosition>(sum) : wpCentered;
}

void TWPChanger::ChangeNow() { ChangeWallPaper(wallpaper_, position_); }

void TWPChanger::ChangeWallPaper(const std::string& fileName, TWallpaperPosition position) {
  if (!vcl::FileExists(fileName)) {
    vcl::Fire(OnFileNotFound, this);
    return;
  }
  if (fileName.size() > MaxPathLength) throw EWallpaperPathTooLong(fileName);
  vcl::Fire(OnBeginChange, this);
  try {
    WritePlacementAndPath(fileName, position);
  } catch (const vcl::ERegistryException&) {
    vcl::Fire(OnRegistryError, this);
  }
  vcl::Fire(OnFinishChange, this);
}

void TWPChanger::WritePlacementAndPath(const std::string& fileName, TWallpaperPosition position) {
  std::array<char, MaxPathLength + 1> buffer{};
  registry_->SetRootKey(platform::HkeyCurrentUser);
  if (!registry_->OpenKey(DesktopKey, false)) return;
  KeyCloser closer(*registry_);
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
