#pragma once
// The state the main window carries for every part of the program, with
// its construction values. The main window embeds it; the folder list's
// items belong to the list view, which hands them over through SetFolders.
#include <string>

#include "toolkit/controls/ListItems.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/StringList.h"

namespace muralto {

struct MainWindowState {
  toolkit::TListItem* newItem = nullptr;
  std::string wallpaperPath;
  std::string wallpaperFileName = "wallpaper.bmp";
  toolkit::TStringList picturePool;
  int folderTotal = 0;
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int selectionMode = 0;
  int positionMode = 0;
  int currentIndex = 0;
  bool autoStart = false;
  bool showTray = false;
  bool running = false;
  std::string appDir;
  std::string pickedFolder;
  std::string currentPicture;
  std::string currentExtension;
  std::string folderListPath;
  std::string runKeyPath = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  std::string languageName;
  std::string dataDir;

  void SetFolders(toolkit::TListItems* items) { folders_ = items; }
  toolkit::TListItems& Folders() const {
    if (!folders_) throw toolkit::EInvalidOperation("The folder list is not set");
    return *folders_;
  }

 private:
  toolkit::TListItems* folders_ = nullptr;
};

}  // namespace muralto
