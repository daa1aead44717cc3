#pragma once
// TWPChanger: makes a picture file the desktop wallpaper. It writes the
// placement into the current user's desktop key, asks the system to load the
// picture and records the path there; it reports through its four events and
// never shows anything itself.
#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/core/Component.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/NotifyEvent.h"
#include "toolkit/graphics/PixelFormat.h"

namespace toolkit {
class TBitmap;
class TRegistry;
}  // namespace toolkit

namespace muralto {

enum TWallpaperPosition : std::uint8_t { wpCentered = 0, wpTiled = 1, wpStretched = 2 };

// The empty placeholder behind the About property.
class TAbout : public toolkit::TObject {};

// A path the system call cannot take: its buffer holds 255 characters.
class EWallpaperPathTooLong : public toolkit::Exception {
 public:
  explicit EWallpaperPathTooLong(const std::string& path);
};

class TWPChanger : public toolkit::TComponent {
 public:
  static constexpr std::size_t MaxPathLength = 255;
  static constexpr const char* DesktopKey = "\\Control Panel\\desktop";
  static constexpr const char* CaptureFileName = "WPCWallpaper.bmp";

  explicit TWPChanger(toolkit::TComponent* owner);
  ~TWPChanger() override;

  TAbout* About() const { return about_; }
  void SetAbout(TAbout* about) { about_ = about; }
  toolkit::TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(toolkit::TPixelFormat format) { pixelFormat_ = format; }
  TWallpaperPosition Position() const { return position_; }
  void SetPosition(TWallpaperPosition position) { position_ = position; }
  const std::string& Wallpaper() const { return wallpaper_; }
  // Keeps only a file that exists (any value while designing); otherwise
  // leaves the property and raises OnFileNotFound.
  void SetWallpaper(const std::string& fileName);
  // At most 255 characters of the Windows folder, then one "\"; "" when the
  // system names none or one longer than its 260-character buffer takes.
  const std::string& CaptureFolder() const { return captureFolder_; }

  toolkit::TNotifyEvent OnBeginChange;
  toolkit::TNotifyEvent OnFinishChange;
  toolkit::TNotifyEvent OnFileNotFound;
  toolkit::TNotifyEvent OnRegistryError;

  // The registry's "Wallpaper"; "" when the desktop key cannot be opened.
  // Registry errors reach the caller.
  std::string GetCurrentWallpaper();
  // The placement "WallpaperStyle" + "TileWallpaper" describe. Registry and
  // conversion errors reach the caller.
  TWallpaperPosition GetCurrentPosition();
  // Copies the screen (window 0) or a window's client area into bitmap.
  void CaptureScreen(toolkit::TBitmap& bitmap, std::uint32_t window);
  // Saves a copy of the screen as CaptureFolder + "WPCWallpaper.bmp" and
  // makes it the wallpaper.
  void SetScreenAsWallpaper(TWallpaperPosition position);
  void ChangeNow();
  // Events come as OnFileNotFound alone; OnBeginChange, OnFinishChange; or
  // OnBeginChange, OnRegistryError, OnFinishChange. A path longer than 255
  // characters throws EWallpaperPathTooLong before anything is raised or
  // written, so a caller learns that the wallpaper did not change.
  void ChangeWallPaper(const std::string& fileName, TWallpaperPosition position);

 private:
  void WritePlacementAndPath(const std::string& fileName, TWallpaperPosition position);

  TAbout* about_ = nullptr;
  toolkit::TPixelFormat pixelFormat_ = toolkit::pf24bit;
  TWallpaperPosition position_ = wpCentered;
  std::string wallpaper_;
  std::unique_ptr<toolkit::TRegistry> registry_;
  std::string captureFolder_;
};

}  // namespace muralto
