// The visual-styles marker: once per form, and only on a form.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

#include "app/MainFormFixture.h"
#include "shell/WinXP.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace {

using apptest::MainFormTest;
using muralto::TWinXP;

// The message of the exception a construction raised ("" for none); an
// exception of any other class than the library's general one is a failure.
std::string Construct(const std::function<void()>& make) {
  try {
    make();
  } catch (const toolkit::Exception& e) {
    EXPECT_EQ(typeid(e), typeid(toolkit::Exception)) << e.what();
    return e.Message();
  }
  return "";
}

TEST(WinXP, OnlyOncePerFormAndOnlyOnAForm) {
  sim::Reset();
  auto app = std::make_unique<toolkit::TApplication>(nullptr);
  toolkit::TForm* first = toolkit::TComponent::Create<toolkit::TForm>(app.get());
  toolkit::TForm* second = toolkit::TComponent::Create<toolkit::TForm>(app.get());
  auto* plain = toolkit::TComponent::Create<toolkit::TComponent>(first);
  const std::string twice = "Only one instance of TWinXP allowed on form";
  const std::string notForm = "Control parent must be a form!";
  struct Row {
    const char* name;
    toolkit::TComponent* owner;
    std::string message;
  } const rows[] = {
      {"the first on a form", first, ""},
      {"one on another form", second, ""},
      {"a second on the first form", first, twice},
      {"a third on the first form", first, twice},
      {"on a component that is no form", plain, notForm},
      {"on the application", app.get(), notForm},
      {"without an owner", nullptr, notForm},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = row.owner ? row.owner->ComponentCount() : 0;
    EXPECT_EQ(Construct([&] { toolkit::TComponent::Create<TWinXP>(row.owner); }), row.message);
    // A failed construction leaves nothing behind on its owner.
    if (row.owner) {
      EXPECT_EQ(row.owner->ComponentCount(), before + (row.message.empty() ? 1 : 0));
    }
  }
  app.reset();
  sim::Reset();
}

TEST_F(MainFormTest, TheMainWindowCarriesOneMarkerAfterItsTrayIcon) {
  Start();
  int markers = 0, marker = -1, tray = -1;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    toolkit::TComponent* component = form->Components(i);
    if (dynamic_cast<TWinXP*>(component)) {
      ++markers;
      marker = i;
      EXPECT_EQ(component->Name(), "WinXP1");
    }
    if (component->Name() == "TrayIcon") tray = i;
  }
  EXPECT_EQ(markers, 1);
  EXPECT_GT(marker, tray) << "the last of the window's non-visual components";
}

}  // namespace
