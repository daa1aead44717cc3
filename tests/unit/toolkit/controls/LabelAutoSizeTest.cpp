// A label's AutoSize: it takes the size of its text in its own font, and a
// wrapping label keeps its width and takes the height of its lines. The
// simulation measures a character of an 11-pixel font as 5 pixels wide (6
// in bold) and a line as 13 pixels high; a 16-pixel font as 7 by 18.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/sim/windows_world.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Panel.h"

namespace {

class LabelAutoSizeTest : public guitest::GuiTest {};

TEST_F(LabelAutoSizeTest, TheLabelFollowsItsTextFontAndWrapping) {
  auto* panel = toolkit::TComponent::Create<toolkit::TPanel>(form);
  panel->SetParent(form);
  auto* label = toolkit::TComponent::Create<toolkit::TLabel>(form);
  label->SetParent(panel);
  label->SetBounds(8, 16, 100, 40);
  auto font = [&](auto change) {
    toolkit::TFont f = label->Font();
    change(f);
    label->SetFont(f);
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    int width, height;
  };
  const Step steps[] = {
      {"a text", [&] { label->SetCaption("Hours:"); }, 30, 13},
      {"a longer text", [&] { label->SetCaption("Seconds left:"); }, 65, 13},
      {"the window exists and follows", [&] { form->Show(); }, 65, 13},
      {"the panel's font turns bold, and the label's with it",
       [&] {
         toolkit::TFont f = panel->Font();
         f.Bold = true;
         panel->SetFont(f);
       },
       78, 13},
      {"a taller font of its own", [&] { font([](toolkit::TFont& f) { f.Bold = false, f.Height = -16; }); }, 91, 18},
      {"the form's font", [&] { label->SetFont(form->Font()); }, 65, 13},
      {"two lines", [&] { label->SetCaption("one\ntwo three"); }, 45, 26},
      // From here the width is set, and kept.
      {"wrapping at 60", [&] { label->SetWidth(60), label->SetWordWrap(true); }, 60, 26},
      {"a text that wraps", [&] { label->SetCaption("one two three four"); }, 60, 26},
      {"a text that wraps twice", [&] { label->SetCaption("one two three four five six"); }, 60, 39},
      {"a word wider than the label", [&] { label->SetCaption("extraordinarily"); }, 60, 13},
      {"no wrapping again", [&] { label->SetWordWrap(false); }, 75, 13},
      {"an empty text keeps a line", [&] { label->SetCaption(""); }, 5, 13},
      {"AutoSize off keeps the size",
       [&] { label->SetAutoSize(false), label->SetCaption("a long text of many words"); }, 5, 13},
      {"AutoSize on sizes at once", [&] { label->SetAutoSize(true); }, 125, 13},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ((std::vector<int>{label->Left(), label->Top(), label->Width(), label->Height()}),
              (std::vector<int>{8, 16, step.width, step.height}))
        << step.what;
  }
  sim::WindowInfo window;
  ASSERT_TRUE(sim::GetWindowInfo(label->Handle(), &window));
  EXPECT_EQ((std::vector<int>{window.rect.left, window.rect.top, window.rect.right, window.rect.bottom}),
            (std::vector<int>{8, 16, 8 + 125, 16 + 13}))
      << "the window has the label's size";
}

}  // namespace
