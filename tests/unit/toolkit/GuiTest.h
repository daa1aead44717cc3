#pragma once
// A fresh simulated machine with no windows, an application object and a
// shown form to put controls on.
#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "support/BoxTexts.h"
#include "toolkit/controls/Button.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace guitest {

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    app = std::make_unique<toolkit::TApplication>(nullptr);
    app->Initialize();
    form = toolkit::TComponent::Create<toolkit::TForm>(app.get());
    form->SetClientSize(300, 200);
  }
  void TearDown() override {
    app.reset();
    sim::Reset();
  }
  static std::vector<std::string> BoxTexts() { return support::BoxTexts(); }
  // A push button on the form, at tabOrder.
  toolkit::TButton* AddButton(const char* caption, int tabOrder) {
    auto* b = toolkit::TComponent::Create<toolkit::TButton>(form);
    b->SetCaption(caption);
    b->SetTabOrder(tabOrder);
    b->SetParent(form);
    return b;
  }

  std::unique_ptr<toolkit::TApplication> app;
  toolkit::TForm* form = nullptr;
};

}  // namespace guitest
