// The spin edit through the simulated window system: values, typed keys,
// the clipboard, focus changes, the arrow pair with its auto-repeat, and the
// screen context its measures borrow.
#include <gtest/gtest.h>

#include <functional>

#include "platform/UniqueHandle.h"
#include "platform/commctrl.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/sim/world.h"
#include "shell/SpinEdit.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/TextExtent.h"
#include "toolkit/graphics/ScreenDc.h"

namespace {

using muralto::TCSpinEdit;

class SpinEditTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    edit = Make(0, 59);
    other = Make(0, 24);
    other->SetTop(40);
    form->Show();
  }
  TCSpinEdit* Make(int min, int max) {
    auto* e = toolkit::TComponent::Create<TCSpinEdit>(form);
    e->SetBounds(64, 16, 41, 22);
    e->SetMinValue(min);
    e->SetMaxValue(max);
    e->SetParent(form);
    e->OnChange = [this, e](toolkit::TObject*) { changes.push_back(e->Text()); };
    return e;
  }
  void Type(const std::string& keys) {
    for (char c : keys) {
      platform::SendMessageA(edit->Handle(), platform::WmChar, static_cast<unsigned char>(c), 0);
    }
  }
  void Key(int vk) {
    platform::SendMessageA(edit->Handle(), platform::WmKeyDown, static_cast<platform::Wparam>(vk), 0);
  }
  // The button's state follows the presses, as the system's does.
  void Mouse(std::uint32_t msg, int x, int y) {
    if (msg != platform::WmMouseMove) sim::SetKeyDown(platform::VkLButton, msg == platform::WmLButtonDown);
    platform::SendMessageA(edit->Button()->Handle(), msg, msg == platform::WmLButtonDown ? platform::MkLButton : 0,
                           platform::MakeLparam(x, y));
  }
  TCSpinEdit* edit = nullptr;
  TCSpinEdit* other = nullptr;
  std::vector<std::string> changes;
};

TEST(SpinValue, OnlyDecimalNumbersWithinThirtyTwoBitsAreRead) {
  struct Row {
    const char* text;
    bool ok;
    std::int32_t value;
  } rows[] = {
      {"0", true, 0},
      {"59", true, 59},
      {"  12", true, 12},  // leading blanks
      {"+7", true, 7},
      {"-0", true, 0},
      {"-2147483648", true, INT32_MIN},
      {"2147483647", true, INT32_MAX},
      {"2147483648", false, 0},  // too large
      {"99999999999999999999", false, 0},
      {"", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {".", false, 0},
      {"1.5", false, 0},
      {"12 ", false, 0},  // nothing may follow
      {"abc", false, 0},
      {"--1", false, 0},
      {"$1F", false, 0},  // hexadecimal is not read: the field shows decimal numbers
      {"0x1F", false, 0},
      {"x1F", false, 0},
  };
  for (const Row& row : rows) {
    std::int32_t value = 12345;
    EXPECT_EQ(muralto::ParseSpinValue(row.text, &value), row.ok) << '"' << row.text << '"';
    if (row.ok) {
      EXPECT_EQ(value, row.value) << '"' << row.text << '"';
    }
  }
}

TEST_F(SpinEditTest, CheckValueClampsUnlessTheLimitsAreEqual) {
  EXPECT_EQ(edit->CheckValue(-1), 0);
  EXPECT_EQ(edit->CheckValue(60), 59);
  EXPECT_EQ(edit->CheckValue(30), 30);
  auto* bare = toolkit::TComponent::Create<TCSpinEdit>(form);
  EXPECT_EQ(bare->Text(), "0");
  EXPECT_EQ(bare->CheckValue(INT32_MIN), INT32_MIN);
  bare->SetValue(-123456789);
  EXPECT_EQ(bare->GetValue(), -123456789);
}

TEST_F(SpinEditTest, SetValueClampsAndChangesOnlyWhenTheTextChanges) {
  other->SetValue(30);
  other->SetValue(24);
  other->SetValue(-5);
  other->SetValue(0);
  EXPECT_EQ(changes, (std::vector<std::string>{"24", "0"}));
}

TEST_F(SpinEditTest, AFailedReadShowsTheMinimumAndRaisesOnChange) {
  edit->SetMinValue(5);
  for (const char* text : {"", "abc", "$10", "+"}) {
    platform::SetWindowTextA(edit->Handle(), text);  // what a paste or a cut leaves
    changes.clear();
    EXPECT_EQ(edit->GetValue(), 5) << text;
    EXPECT_EQ(edit->Text(), "5") << text;
    EXPECT_EQ(changes, std::vector<std::string>{"5"}) << text;
  }
  changes.clear();
  platform::SetWindowTextA(edit->Handle(), "99");
  EXPECT_EQ(edit->GetValue(), 99);  // out of range, but read as it is
  EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, ArrowsAndKeysStepAndStopAtTheLimits) {
  other->SetValue(23);
  changes.clear();
  other->UpClick(nullptr);
  other->UpClick(nullptr);
  platform::SendMessageA(other->Handle(), platform::WmKeyDown, platform::VkUp, 0);
  EXPECT_EQ(other->Text(), "24");
  other->SetValue(0);
  changes.clear();
  platform::SendMessageA(other->Handle(), platform::WmKeyDown, platform::VkDown, 0);
  other->DownClick(nullptr);
  EXPECT_EQ(other->Text(), "0");
  EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, AStepAtTheEndOfTheNumberRangeStopsThere) {
  auto* bare = toolkit::TComponent::Create<TCSpinEdit>(form);
  bare->SetValue(INT32_MAX);
  bare->UpClick(nullptr);
  EXPECT_EQ(bare->GetValue(), INT32_MAX);
  bare->SetValue(INT32_MIN);
  bare->SetIncrement(10);
  bare->DownClick(nullptr);
  EXPECT_EQ(bare->GetValue(), INT32_MIN);
}

TEST_F(SpinEditTest, ReadOnlyBeepsInsteadOfStepping) {
  edit->SetReadOnly(true);
  edit->UpClick(nullptr);
  Key(platform::VkDown);
  EXPECT_EQ(edit->Text(), "0");
  EXPECT_EQ(sim::Beeps(), (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(SpinEditTest, KeyDownStillReachesOnKeyDownWithTheKeyUnchanged) {
  std::vector<int> keys;
  edit->OnKeyDown = [&](toolkit::TObject*, std::uint16_t& key, toolkit::TShiftState) { keys.push_back(key); };
  Key(platform::VkUp);
  Key(0x41);
  EXPECT_EQ(keys, (std::vector<int>{platform::VkUp, 0x41}));
  EXPECT_EQ(edit->Text(), "1");
}

TEST_F(SpinEditTest, ValidCharacters) {
  struct Row {
    char key;
    bool editable;  // with EditorEnabled
    bool locked;    // with EditorEnabled false
  } rows[] = {
      {'0', true, false},   {'9', true, false},   {'+', true, false},     {'-', true, false},
      {'.', true, false},  // the decimal separator of the regional settings
      {',', false, false},  {'a', false, false},  {' ', false, false},    {'\r', false, false},  // Enter always beeps
      {'\b', true, false},  // Backspace only while the editor is enabled
      {'\x1b', true, true}, {'\t', true, true},   {'\x03', true, true},   {'\x16', true, true},
      {'\x18', true, true}, {'\x1a', true, true}, {'\xE9', false, false},
  };
  for (const Row& row : rows) {
    edit->SetEditorEnabled(true);
    EXPECT_EQ(edit->IsValidChar(row.key), row.editable) << int(static_cast<unsigned char>(row.key));
    edit->SetEditorEnabled(false);
    EXPECT_EQ(edit->IsValidChar(row.key), row.locked) << int(static_cast<unsigned char>(row.key));
  }
  sim::SetDecimalSeparator(",");
  edit->SetEditorEnabled(true);
  EXPECT_TRUE(edit->IsValidChar(','));
  EXPECT_FALSE(edit->IsValidChar('.'));
}

TEST_F(SpinEditTest, TypingNinetyNineIntoMinutesAndLeavingTheField) {
  edit->SetFocus();
  edit->SelectAll();
  Type("9x9\r");
  EXPECT_EQ(edit->Text(), "99");
  EXPECT_EQ(sim::Beeps().size(), 2u);  // the letter and Enter
  EXPECT_EQ(edit->GetValue(), 99);
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "59");
  EXPECT_EQ(changes, (std::vector<std::string>{"9", "99", "59"}));
}

TEST_F(SpinEditTest, LeavingAFieldThatHoldsNoNumberShowsTheMinimum) {
  edit->SetFocus();
  edit->SelectAll();
  Type("\b");
  EXPECT_EQ(edit->Text(), "");
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "0");
  EXPECT_EQ(changes, (std::vector<std::string>{"", "0"}));
}

TEST_F(SpinEditTest, EnteringSelectsTheWholeTextUnlessTheButtonWentDownOnTheField) {
  struct Row {
    const char* how;
    bool selected;
  } rows[] = {
      {"focus", true},                // by the keyboard or the program
      {"press on the field", false},  // the caret goes where the press landed
      {"press on an arrow", true},    // the button is down, but on the arrow pair
  };
  for (const Row& row : rows) {
    other->SetFocus();
    edit->SetValue(row.selected ? 59 : 42);  // at the maximum the arrow changes nothing
    edit->SetSelection(0, 0);
    std::string how = row.how;
    if (how == "focus") {
      edit->SetFocus();
    } else if (how == "press on the field") {
      sim::SetKeyDown(platform::VkLButton, true);
      platform::SendMessageA(edit->Handle(), platform::WmLButtonDown, platform::MkLButton, platform::MakeLparam(5, 5));
      sim::SetKeyDown(platform::VkLButton, false);
      platform::SendMessageA(edit->Handle(), platform::WmLButtonUp, 0, platform::MakeLparam(5, 5));
    } else {
      Mouse(platform::WmLButtonDown, 7, 3);
      Mouse(platform::WmLButtonUp, 7, 3);
    }
    ASSERT_EQ(platform::GetFocus(), edit->Handle()) << row.how;
    EXPECT_EQ(edit->SelLength(), row.selected ? 2 : 0) << row.how;
  }
}

TEST_F(SpinEditTest, PasteAndCutOnlyWhileTheEditorIsEnabledAndWritable) {
  struct Row {
    bool editorEnabled, readOnly, allowed;
  } rows[] = {{true, false, true}, {false, false, false}, {true, true, false}};
  for (const Row& row : rows) {
    edit->SetEditorEnabled(row.editorEnabled);
    edit->SetReadOnly(row.readOnly);
    platform::SetWindowTextA(edit->Handle(), "12");
    edit->SelectAll();
    sim::SetClipboardText("abc");
    platform::SendMessageA(edit->Handle(), platform::WmPaste, 0, 0);
    EXPECT_EQ(edit->Text(), row.allowed ? "abc" : "12") << row.editorEnabled << row.readOnly;
    edit->SelectAll();
    platform::SendMessageA(edit->Handle(), platform::WmCut, 0, 0);
    EXPECT_EQ(edit->Text(), row.allowed ? "" : "12") << row.editorEnabled << row.readOnly;
  }
}

TEST_F(SpinEditTest, APastedTextIsJudgedAtTheNextRead) {
  edit->SelectAll();
  sim::SetClipboardText("$1F");
  platform::SendMessageA(edit->Handle(), platform::WmPaste, 0, 0);
  EXPECT_EQ(edit->Text(), "$1F");
  EXPECT_EQ(edit->GetValue(), 0);
  EXPECT_EQ(edit->Text(), "0");
}

TEST_F(SpinEditTest, GeometryOfTheFieldAndItsArrows) {
  EXPECT_EQ(edit->GetMinHeight(), 22);  // 13 + 13 / 4 + 4 x 1 + 2
  auto* arrows = edit->Button();
  EXPECT_EQ(arrows->Parent(), edit);
  platform::Rect b = arrows->BoundsRect();
  EXPECT_EQ(std::vector<int>({b.left, b.top, b.right - b.left, b.bottom - b.top}), std::vector<int>({21, 0, 15, 17}));
  platform::Rect up = arrows->ArrowUp()->BoundsRect(), down = arrows->ArrowDown()->BoundsRect();
  EXPECT_EQ(std::vector<int>({up.top, up.right - up.left, up.bottom - up.top}), std::vector<int>({0, 15, 8}));
  EXPECT_EQ(std::vector<int>({down.top, down.right - down.left, down.bottom - down.top}),
            std::vector<int>({7, 15, 10}));
  platform::Rect format;
  platform::SendMessageA(edit->Handle(), platform::EmGetRect, 0, reinterpret_cast<platform::Lparam>(&format));
  platform::Rect client;
  ASSERT_TRUE(platform::GetClientRect(edit->Handle(), &client));
  EXPECT_EQ(std::vector<int>({format.left, format.top, format.right, format.bottom}),
            std::vector<int>({0, 0, client.right - 15 - 2, client.bottom + 1}));
  edit->SetHeight(10);  // below the minimum: raised to it
  EXPECT_EQ(edit->Height(), 22);
  edit->SetBounds(0, 0, 80, 30);
  b = arrows->BoundsRect();
  EXPECT_EQ(std::vector<int>({b.left, b.top, b.right - b.left, b.bottom - b.top}), std::vector<int>({60, 0, 15, 25}));
}

// A set-up's measures share one context of the screen, and a font still
// selected into a context cannot be deleted: each measure gives the context
// back with the font it had.
TEST_F(SpinEditTest, MeasuresGiveTheScreenContextBackWithTheFontItHad) {
  const toolkit::TScreenDcScope measuring;
  const platform::Hdc dc = toolkit::TScreenDc().Get();
  const platform::UniqueHandle earlier(platform::CreateFontA(-20, platform::FwNormal, false, false, "Tahoma"),
                                       [](platform::Hfont f) { platform::DeleteObject(f); });
  const platform::UniqueHandle selection(platform::SelectObject(dc, earlier.Get()),
                                         [dc](platform::Hgdiobj old) { platform::SelectObject(dc, old); });
  const struct {
    const char* what;
    std::function<void()> measure;
  } rows[] = {
      {"the spin edit's minimum height", [this] { edit->GetMinHeight(); }},
      {"a text's extent", [this] { toolkit::MeasureText(edit->Font(), "fifty nine", 20); }},
  };
  for (const auto& row : rows) {
    row.measure();
    EXPECT_EQ(sim::FontSelectedInto(dc), earlier.Get()) << row.what;
  }
}

TEST_F(SpinEditTest, ArrowPairKeepsAtLeastFifteenPixels) {
  auto* arrows = edit->Button();
  arrows->SetBounds(0, 0, 9, 20);
  EXPECT_EQ(arrows->Width(), 15);
  EXPECT_EQ(arrows->ArrowUp()->Height(), 10);
  EXPECT_EQ(arrows->ArrowDown()->Top(), 9);
  EXPECT_EQ(arrows->ArrowDown()->Height(), 11);
}

TEST_F(SpinEditTest, ClickingAnArrowFocusesTheFieldAndStepsOnRelease) {
  other->SetFocus();
  Mouse(platform::WmLButtonDown, 7, 3);
  EXPECT_EQ(platform::GetFocus(), edit->Handle());
  EXPECT_EQ(edit->Text(), "0");
  Mouse(platform::WmLButtonUp, 7, 3);
  EXPECT_EQ(edit->Text(), "1");
  Mouse(platform::WmLButtonDown, 7, 12);  // the down arrow
  Mouse(platform::WmLButtonUp, 7, 12);
  EXPECT_EQ(edit->Text(), "0");
}

TEST_F(SpinEditTest, HoldingAnArrowRepeatsAfter400MsThenEvery100Ms) {
  Mouse(platform::WmLButtonDown, 7, 3);
  sim::AdvanceClock(1000);
  EXPECT_EQ(edit->Text(), "7");  // at 400, 500, ..., 1000 ms
  Mouse(platform::WmLButtonUp, 7, 3);
  EXPECT_EQ(edit->Text(), "8");  // once more on release inside the arrow
  sim::AdvanceClock(1000);
  EXPECT_EQ(edit->Text(), "8");  // the release stopped the repeats
}

TEST_F(SpinEditTest, MovingOffTheArrowSuspendsTheRepeatsAndAReleaseOutsideGivesNoStep) {
  Mouse(platform::WmLButtonDown, 7, 3);
  sim::AdvanceClock(450);
  EXPECT_EQ(edit->Text(), "1");
  Mouse(platform::WmMouseMove, 40, 3);
  sim::AdvanceClock(300);
  EXPECT_EQ(edit->Text(), "1");
  Mouse(platform::WmMouseMove, 7, 3);
  sim::AdvanceClock(200);
  EXPECT_EQ(edit->Text(), "3");
  Mouse(platform::WmMouseMove, 40, 3);
  Mouse(platform::WmLButtonUp, 40, 3);
  EXPECT_EQ(edit->Text(), "3");
}

TEST_F(SpinEditTest, LosingTheMouseCaptureStopsTheRepeats) {
  struct Row {
    const char* how;
    void (*lose)(platform::Hwnd other);
  } rows[] = {
      {"another window takes it", [](platform::Hwnd other) { platform::SetCapture(other); }},
      {"released", [](platform::Hwnd) { platform::ReleaseCapture(); }},  // Alt+Tab ends it so
  };
  for (const Row& row : rows) {
    edit->SetValue(0);
    Mouse(platform::WmLButtonDown, 7, 3);
    sim::AdvanceClock(450);
    ASSERT_EQ(edit->Text(), "1") << row.how;
    row.lose(other->Handle());
    sim::AdvanceClock(1000);
    EXPECT_EQ(edit->Text(), "1") << row.how;
    EXPECT_FALSE(edit->Button()->ArrowUp()->AutoRepeatTimer()->Enabled()) << row.how;
    EXPECT_EQ(edit->Button()->ArrowUp()->State(), toolkit::TButtonState::bsUp) << row.how;
    Mouse(platform::WmLButtonUp, 7, 3);  // a late release, if any, gives no step
    EXPECT_EQ(edit->Text(), "1") << row.how;
    platform::ReleaseCapture();
  }
}

TEST_F(SpinEditTest, AFailingStepStopsTheRepeatAndIsShown) {
  edit->OnChange = [](toolkit::TObject*) { throw toolkit::Exception("Unable to write to C:\\Muralto\\Muralto.ini"); };
  Mouse(platform::WmLButtonDown, 7, 3);
  sim::AdvanceClock(1000);
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Unable to write to C:\\Muralto\\Muralto.ini."});
  Mouse(platform::WmLButtonUp, 40, 40);
}

TEST_F(SpinEditTest, FocusRectangleFollowsTheArrowPairsFocus) {
  auto* arrows = edit->Button();
  arrows->SetTabStop(true);
  arrows->SetFocus();
  EXPECT_TRUE(arrows->ArrowUp()->FocusRectVisible());
  platform::SendMessageA(arrows->Handle(), platform::WmKeyDown, platform::VkDown, 0);
  EXPECT_FALSE(arrows->ArrowUp()->FocusRectVisible());
  EXPECT_TRUE(arrows->ArrowDown()->FocusRectVisible());
  EXPECT_EQ(edit->Text(), "0");  // at the minimum
  platform::SendMessageA(arrows->Handle(), platform::WmKeyDown, platform::VkUp, 0);
  platform::SendMessageA(arrows->Handle(), platform::WmKeyDown, platform::VkSpace, 0);
  EXPECT_EQ(edit->Text(), "2");
  EXPECT_EQ(platform::SendMessageA(arrows->Handle(), platform::WmGetDlgCode, 0, 0), platform::DlgcWantArrows);
  other->SetFocus();
  EXPECT_FALSE(arrows->ArrowUp()->FocusRectVisible());
}

}  // namespace

namespace {

// A glyph given to the arrow pair replaces the arrow's own; an empty one
// brings back the built-in arrow, each its own.
TEST_F(SpinEditTest, AGivenGlyphReplacesAnArrowsOwnAndAnEmptyOneBringsItBack) {
  const TCSpinEdit* fresh = Make(0, 1);
  auto* pair = edit->Button();
  toolkit::TBitmap own;
  own.SetPixelFormat(toolkit::pf24bit);
  own.SetSize(3, 2);
  pair->SetUpGlyph(own);
  pair->SetDownGlyph(own);
  for (auto* arrow : {pair->ArrowUp(), pair->ArrowDown()}) {
    EXPECT_EQ(arrow->Glyph().Width() * 10 + arrow->Glyph().Height(), 32);
  }
  pair->SetUpGlyph(toolkit::TBitmap());
  pair->SetDownGlyph(toolkit::TBitmap());
  EXPECT_EQ(pair->ArrowUp()->Glyph().ToBgra(), fresh->Button()->ArrowUp()->Glyph().ToBgra());
  EXPECT_EQ(pair->ArrowDown()->Glyph().ToBgra(), fresh->Button()->ArrowDown()->Glyph().ToBgra());
  EXPECT_NE(pair->ArrowUp()->Glyph().ToBgra(), pair->ArrowDown()->Glyph().ToBgra());
}

}  // namespace
