#pragma once
// What the Options dialog needs of the window that opens it: the two
// switches it shows, and the operations that carry a click out. The main
// window implements it and hands itself to the dialog, so the dialog never
// depends on the main window's own header.

namespace muralto {

class TOptionsHost {
 public:
  virtual bool AutoStartSetting() const = 0;
  virtual void SetAutoStartSetting(bool on) = 0;
  virtual bool ShowTraySetting() const = 0;
  virtual void SetShowTraySetting(bool on) = 0;
  // Makes the Run value agree with the auto-start switch.
  virtual void UpdateAutoStart() = 0;
  // Writes the main settings file whole.
  virtual void SaveMainSettings() = 0;
  // Shows or removes the tray icon.
  virtual void SetTrayActive(bool active) = 0;

 protected:
  ~TOptionsHost() = default;
};

}  // namespace muralto
