#pragma once
// A started program on a fresh simulated machine: the application object and
// the main window created as the entry routine creates them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "app/ProcessCommandLine.h"
#include "app/ProgramReferences.h"
#include "platform/sim/shell_world.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "support/TestMachine.h"
#include "toolkit/forms/Application.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/FileStream.h"

namespace apptest {

inline const std::string MainIni = "C:\\Muralto\\Muralto.ini";
inline const std::string FolderList = "C:\\Muralto\\data\\folders.ini";
inline const std::string WallpaperFile = "C:\\Muralto\\data\\wallpaper.bmp";
inline const std::string RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::string DefaultIni =
    "[Options]\r\nLanguage=English\r\nAuto Start=1\r\ntray=1\r\nSelection=0\r\nPosition=0\r\n"
    "[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n";

class MainFormTest : public ::testing::Test {
 protected:
  // The machine member has reset the simulated machine.
  MainFormTest() { sim::SetCalendarTime(0); }
  ~MainFormTest() override {
    app.reset();
    sim::SetIdleHandler(nullptr);
    sim::SetMessageBoxHandler(nullptr);
    sim::SetBrowseHandler(nullptr);
    sim::SetCalendarTime(std::nullopt);
    muralto::SetProcessCommandLine("");
  }

  void Start(const std::string& commandLine = "C:\\Muralto\\Muralto.exe") {
    muralto::SetProcessCommandLine(commandLine);
    app = std::make_unique<toolkit::TApplication>(nullptr);
    app->Initialize();
    app->CreateForm(muralto::Form1);
    form = muralto::Form1;
  }

  void WriteSettings(int selection, int position, int hour, int min, int sec) {
    machine.WriteFile(
        MainIni, "[Options]\r\nLanguage=English\r\nAuto Start=0\r\ntray=1\r\nSelection=" + std::to_string(selection) +
                     "\r\nPosition=" + std::to_string(position) + "\r\n[Pause]\r\nHour=" + std::to_string(hour) +
                     "\r\nMin=" + std::to_string(min) + "\r\nSec=" + std::to_string(sec) + "\r\n");
  }

  // A folder list with one checked folder.
  void WriteFolderList(const std::string& folder) {
    machine.WriteFile(FolderList, "[Folders]\r\nTotal=1\r\nFolder1=" + folder + "\r\nChecked Folder1=1\r\n");
  }

  // A 24-bit bitmap told apart from the others by its width.
  static void MakePicture(const std::string& path, int width) {
    toolkit::TBitmap bitmap;
    bitmap.SetPixelFormat(toolkit::pf24bit);
    bitmap.SetWidth(width);
    bitmap.SetHeight(4);
    bitmap.SaveToFile(path);
  }

  static int WallpaperWidth() {
    toolkit::TBitmap bitmap;
    toolkit::TFileStream file(WallpaperFile, toolkit::TFileMode::fmOpenReadDenyWrite);
    bitmap.LoadFromStream(file);
    return bitmap.Width();
  }

  support::TestMachine machine;
  std::unique_ptr<toolkit::TApplication> app;
  muralto::TForm1* form = nullptr;
};

}  // namespace apptest
