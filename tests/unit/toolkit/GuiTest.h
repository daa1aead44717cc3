#pragma once
// A fresh simulated machine with no windows, an application object and a
// shown form to put controls on.
#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace guitest {

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    sim::ResetWindows();
    app = std::make_unique<toolkit::TApplication>(nullptr);
    app->Initialize();
    form = toolkit::TComponent::Create<toolkit::TForm>(app.get());
    form->SetClientSize(300, 200);
  }
  void TearDown() override {
    app.reset();
    sim::ResetWindows();
  }
  // Texts of the message boxes shown so far.
  static std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : sim::MessageBoxes()) texts.push_back(box.text);
    return texts;
  }

  std::unique_ptr<toolkit::TApplication> app;
  toolkit::TForm* form = nullptr;
};

}  // namespace guitest
