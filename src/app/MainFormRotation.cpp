// The rotation: the Start/Stop toggle, the interval and mode handlers, and
// one pick of the next wallpaper.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "app/Settings.h"
#include "platform/shell.h"
#include "shell/SpinEdit.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/JPEGImage.h"
#include "wallpaper/ConvertPicture.h"
#include "wallpaper/Interval.h"

namespace muralto {

void TForm1::ButtonStartClick(toolkit::TObject*) {
  running = !running;
  if (running) {
    ButtonStart->SetCaption("Stop");
    Timer1->SetEnabled(true);
    // The countdown starts now: the first pick comes one interval later.
    RetimeTimer();
  } else {
    ButtonStart->SetCaption("Start");
    Timer1->SetEnabled(false);
  }
}

void TForm1::RetimeTimer() { Timer1->SetInterval(IntervalMilliseconds(hours, minutes, seconds)); }

void TForm1::Timer1Timer(toolkit::TObject*) { NextWallpaper(); }

void TForm1::PMChangeClick(toolkit::TObject*) { NextWallpaper(); }

void TForm1::CSpinEditHourChange(toolkit::TObject*) {
  hours = CSpinEditHour->Value();
  RetimeTimer();
  SaveSettings(*this);
}

void TForm1::CSpinEditMinChange(toolkit::TObject*) {
  minutes = CSpinEditMin->Value();
  RetimeTimer();
  SaveSettings(*this);
}

void TForm1::CSpinEditSecChange(toolkit::TObject*) {
  seconds = CSpinEditSec->Value();
  RetimeTimer();
  SaveSettings(*this);
}

void TForm1::RadioGroupSelectionClick(toolkit::TObject*) {
  selectionMode = RadioGroupSelection->ItemIndex();
  SaveSettings(*this);
}

void TForm1::RadioGroupPositionClick(toolkit::TObject*) {
  positionMode = RadioGroupPosition->ItemIndex();
  SaveSettings(*this);
}

void TForm1::NextWallpaper() {
  const int count = picturePool.Count();
  if (count == 0) return;
  const int selection = RadioGroupSelection->ItemIndex();
  if (selection == 0) {
    const auto seed = static_cast<std::uint32_t>(platform::CalendarTimeSeconds());
    currentIndex = static_cast<int>(PickIndex(random_, seed, static_cast<std::uint32_t>(count)));
  } else if (selection == 1) {
    currentIndex = currentIndex < count - 1 ? currentIndex + 1 : 0;
  }
  currentPicture = picturePool.Strings(currentIndex);
  ConvertPicture(currentPicture, dataDir, wallpaperFileName, currentExtension, wallpaperPath, *jpegImage, *workBitmap);
  // The window lists the placements in another order than the changer.
  switch (RadioGroupPosition->ItemIndex()) {
    case 0: wallpaperChanger->ChangeWallPaper(wallpaperPath, wpCentered); break;
    case 1: wallpaperChanger->ChangeWallPaper(wallpaperPath, wpStretched); break;
    case 2: wallpaperChanger->ChangeWallPaper(wallpaperPath, wpTiled); break;
    default: break;
  }
}

}  // namespace muralto
