#include "app/RestoreRequest.h"

#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "toolkit/forms/Application.h"

namespace muralto {

namespace {

platform::Hwnd subclassed = 0;
platform::WndProc previous = nullptr;

platform::Lresult MURALTO_WINAPI RestoreRequestProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                                    platform::Lparam lParam) {
  if (msg == RestoreRequestMessage) {
    try {
      if (Form1) Form1->BringToFront();
    } catch (...) {
      vcl::HandleCurrentException();
    }
    return 0;
  }
  return platform::CallWindowProcA(previous, window, msg, wParam, lParam);
}

}  // namespace

bool PostRestoreRequest(platform::Hwnd applicationWindow) {
  return platform::PostMessageA(applicationWindow, RestoreRequestMessage, 0, 0);
}

void InstallRestoreRequestHandler() {
  vcl::TApplication* app = vcl::Application();
  if (!app || !app->Handle() || subclassed) return;
  subclassed = app->Handle();
  previous = reinterpret_cast<platform::WndProc>(platform::SetWindowLongA(
      subclassed, platform::GwlWndProc, reinterpret_cast<std::intptr_t>(&RestoreRequestProc)));
}

void RemoveRestoreRequestHandler() {
  if (!subclassed) return;
  if (platform::IsWindow(subclassed) &&
      platform::GetWindowLongA(subclassed, platform::GwlWndProc) == reinterpret_cast<std::intptr_t>(&RestoreRequestProc)) {
    platform::SetWindowLongA(subclassed, platform::GwlWndProc, reinterpret_cast<std::intptr_t>(previous));
  }
  subclassed = 0;
  previous = nullptr;
}

}  // namespace muralto
