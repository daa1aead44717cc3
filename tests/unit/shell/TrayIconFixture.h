#pragma once
// A tray icon on the main form of an application in the simulated system,
// loaded as a window layout loads it, and what the shell saw of it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/tray_world.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "shell/TrayIcon.h"
#include "support/BoxTexts.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace traytest {

using muralto::TStCustomTrayIcon;
using muralto::TStTrayIcon;

class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest() {
    sim::Reset();
    app = std::make_unique<toolkit::TApplication>(nullptr);
    app->Initialize();
    app->CreateForm(form);
    form->SetClientSize(200, 100);
    form->SetBounds(40, 30, form->Width(), form->Height());
  }
  ~TrayIconTest() override {
    app.reset();
    sim::SetMessageBoxHandler(nullptr);
    sim::Reset();
  }

  // Creates the icon; setup runs before Loaded, as a layout's settings do.
  template <class Setup>
  TStCustomTrayIcon* MakeIcon(Setup setup) {
    tray = toolkit::TComponent::Create<TStTrayIcon>(form);
    setup(tray);
    tray->Loaded();
    return tray;
  }
  TStCustomTrayIcon* MakeIcon() {
    return MakeIcon([](TStCustomTrayIcon*) {});
  }

  // The shell reports a mouse message on the icon, as a posted callback.
  void Notify(std::uint32_t mouseMessage) {
    platform::PostMessageA(tray->NotifyWindow(), TStCustomTrayIcon::CallbackMessage, TStCustomTrayIcon::IconId,
                           static_cast<platform::Lparam>(mouseMessage));
    sim::DispatchPending();
  }
  void SysCommand(std::uint32_t command) { platform::SendMessageA(form->Handle(), platform::WmSysCommand, command, 0); }
  bool FormVisible() { return platform::IsWindowVisible(form->Handle()); }

  static std::vector<std::string> BoxTexts() { return support::BoxTexts(); }
  static std::string Tip(const platform::NotifyIconData& record) {
    return std::string(record.szTip, strnlen(record.szTip, sizeof(record.szTip)));
  }

  std::unique_ptr<toolkit::TApplication> app;
  toolkit::TForm* form = nullptr;
  TStCustomTrayIcon* tray = nullptr;
};

}  // namespace traytest
