// The Options dialog as its layout builds it, before the main window sets
// its boxes for the first time.
#include <cstdlib>
#include <string>

#include "app/MainFormFixture.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "toolkit/controls/CheckBox.h"
#include "ui/FormOptions.h"

namespace {

using apptest::MainFormTest;

TEST_F(MainFormTest, TheOptionsDialogIsLaidOutAsDesigned) {
  Start();
  ASSERT_TRUE(sim::MessageBoxes().empty()) << sim::MessageBoxes()[0].text;
  muralto::TFormOptions* dialog = muralto::FormOptions;
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Owner(), app.get());
  EXPECT_EQ(dialog->Name(), "FormOptions");
  EXPECT_EQ(dialog->Caption(), "Options");
  EXPECT_EQ(dialog->Font(), form->Font()) << "the main window's font";
  EXPECT_EQ(dialog->Color(), form->Color()) << "and colours";
  EXPECT_EQ(dialog->Icon(), platform::LoadIconA("OPTIONSICON"));
  EXPECT_NE(dialog->Icon(), form->Icon()) << "an icon of its own";
  EXPECT_FALSE(dialog->Visible());

  struct Row {
    toolkit::TCheckBox* box;
    const char* name;
    int left, top, width, height;
    const char* caption;
    int tabOrder;
  } const rows[] = {
      {dialog->CheckBoxAutoStart, "CheckBoxAutoStart", 8, 8, 113, 17, "start with system", 0},
      {dialog->cbTray, "cbTray", 8, 24, 113, 17, "tray icon", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.box, nullptr);
    EXPECT_EQ(row.box->Name(), row.name);
    EXPECT_EQ(row.box->Parent(), dialog);
    EXPECT_EQ(row.box->Left(), row.left);
    EXPECT_EQ(row.box->Top(), row.top);
    EXPECT_EQ(row.box->Width(), row.width);
    EXPECT_EQ(row.box->Height(), row.height);
    EXPECT_EQ(row.box->Caption(), row.caption);
    EXPECT_EQ(row.box->TabOrder(), row.tabOrder);
    EXPECT_TRUE(row.box->TabStop());
    EXPECT_TRUE(row.box->Checked()) << "ticked at design";
    EXPECT_EQ(row.box->Font(), form->Font());
    EXPECT_TRUE(static_cast<bool>(row.box->OnClick));
  }

  // The window itself: a fixed dialog frame whose title bar has the close
  // box only, 131 x 50 inside, in the middle of the 1024 x 768 screen.
  dialog->Show();
  const platform::Hwnd window = dialog->Handle();
  const auto style = static_cast<std::uint32_t>(platform::GetWindowLongA(window, platform::GwlStyle));
  const auto exStyle = static_cast<std::uint32_t>(platform::GetWindowLongA(window, platform::GwlExStyle));
  EXPECT_EQ(style & (platform::WsCaption | platform::WsSysMenu), platform::WsCaption | platform::WsSysMenu);
  EXPECT_EQ(style & (platform::WsMinimizeBox | platform::WsMaximizeBox | platform::WsThickFrame), 0u);
  EXPECT_NE(exStyle & platform::WsExDlgModalFrame, 0u);
  char className[64] = {};
  platform::GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "TFormOptions");
  platform::Rect client{}, outer{};
  ASSERT_TRUE(platform::GetClientRect(window, &client));
  ASSERT_TRUE(platform::GetWindowRect(window, &outer));
  EXPECT_EQ(client.right - client.left, 131);
  EXPECT_EQ(client.bottom - client.top, 50);
  EXPECT_LE(std::abs((outer.left + outer.right) - 1024), 1);
  EXPECT_LE(std::abs((outer.top + outer.bottom) - 768), 1);
}

}  // namespace
