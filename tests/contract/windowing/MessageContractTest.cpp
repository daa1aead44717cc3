// The queue: posted messages in order, peeking, the quit message, sent
// messages' results, and the controls' notifications.
#include <cstdio>
#include <string>
#include <vector>

#include "WindowSuite.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "support/Probe.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;
using namespace probe;

TEST_F(WindowSuite, PostedMessagesComeInOrderAndPeekingWithoutRemovingLeavesThem) {
  Window w("Queue");
  for (std::uint32_t i = 1; i <= 3; ++i) ASSERT_TRUE(PostMessageA(w.h, WmUser + i, i, 0));
  Msg msg;
  ASSERT_TRUE(PeekMessageA(&msg, 0, WmUser, WmUser + 10, PmNoRemove));
  EXPECT_EQ(msg.message, WmUser + 1);
  std::vector<std::uint32_t> got;
  while (PeekMessageA(&msg, 0, WmUser, WmUser + 10, PmRemove)) {
    EXPECT_EQ(msg.hwnd, w.h);
    got.push_back(msg.message);
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(got, (std::vector<std::uint32_t>{WmUser + 1, WmUser + 2, WmUser + 3}));
  EXPECT_EQ(windowsuite::Messages(w.h, {WmUser + 1, WmUser + 2, WmUser + 3}).size(), 3u);
}

TEST_F(WindowSuite, QuitEndsGetMessageWithTheExitCode) {
  Window w("Quit");
  PostMessageA(w.h, WmUser, 0, 0);
  PostQuitMessage(3);
  Msg msg;
  EXPECT_GT(GetMessageA(&msg, 0, 0, 0), 0);
  EXPECT_EQ(msg.message, WmUser);
  EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), 0);
  EXPECT_EQ(msg.message, WmQuit);
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WindowSuite, ButtonsNotifyTheirParentAndAutoRadiosExcludeEachOther) {
  Window top("Buttons", WsOverlapped | WsCaption | WsVisible);
  Window one("One", WsChild | WsVisible | BsAutoRadioButton | WsGroup, top.h, "BUTTON", 11);
  Window two("Two", WsChild | WsVisible | BsAutoRadioButton, top.h, "BUTTON", 12);
  Window box("Box", WsChild | WsVisible | BsAutoCheckBox, top.h, "BUTTON", 13);
  windowsuite::Log().clear();
  SendMessageA(one.h, BmClick, 0, 0);
  SendMessageA(two.h, BmClick, 0, 0);
  SendMessageA(box.h, BmClick, 0, 0);
  EXPECT_EQ(SendMessageA(one.h, BmGetCheck, 0, 0), 0);
  EXPECT_EQ(SendMessageA(two.h, BmGetCheck, 0, 0), 1);
  EXPECT_EQ(SendMessageA(box.h, BmGetCheck, 0, 0), 1);
  std::vector<std::pair<std::uint32_t, Lparam>> commands;
  for (const auto& s : windowsuite::Log()) {
    if (s.window == top.h && s.message == WmCommand)
      commands.push_back({static_cast<std::uint32_t>(s.wParam), s.lParam});
  }
  std::vector<std::pair<std::uint32_t, Lparam>> expected{{MakeWparam(11, BnClicked), static_cast<Lparam>(one.h)},
                                                         {MakeWparam(12, BnClicked), static_cast<Lparam>(two.h)},
                                                         {MakeWparam(13, BnClicked), static_cast<Lparam>(box.h)}};
  EXPECT_EQ(commands, expected);
}

int EnChanges(Hwnd parent) {
  int n = 0;
  for (const auto& s : windowsuite::Log()) {
    if (s.window == parent && s.message == WmCommand && HiWord(s.wParam) == EnChange) ++n;
  }
  return n;
}

TEST_F(WindowSuite, EditsReportTypedTextButAMultiLineEditNotSetText) {
  Window top("Edits", WsOverlapped | WsCaption | WsVisible);
  Window single("", WsChild | WsVisible | EsAutoHScroll, top.h, "EDIT", 21);
  Window multi("", WsChild | WsVisible | EsMultiline, top.h, "EDIT", 22);
  windowsuite::Log().clear();
  SetWindowTextA(single.h, "12");
  EXPECT_EQ(EnChanges(top.h), 1) << "single-line edit, WM_SETTEXT";
  SetWindowTextA(multi.h, "12");
  EXPECT_EQ(EnChanges(top.h), 1) << "multi-line edit, WM_SETTEXT";
  SendMessageA(multi.h, EmSetSel, 2, 2);
  SendMessageA(multi.h, WmChar, '7', 0);
  EXPECT_EQ(EnChanges(top.h), 2) << "typed character";
  char text[16] = {};
  GetWindowTextA(multi.h, text, sizeof text);
  EXPECT_STREQ(text, "127");
  SendMessageA(multi.h, EmSetSel, 0, -1);
  std::uint32_t start = 99, end = 99;
  SendMessageA(multi.h, EmGetSel, reinterpret_cast<Wparam>(&start), reinterpret_cast<Lparam>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  SendMessageA(multi.h, WmChar, '\b', 0);
  GetWindowTextA(multi.h, text, sizeof text);
  EXPECT_STREQ(text, "");
}

// A key press that the loop translates brings the character it makes (no
// key held: letters in lower case) to the same window after the press, with
// the press's lParam; a key without a character brings none.
TEST_F(WindowSuite, TranslatedKeyPressesBringTheirCharacters) {
  Window w("Keys");
  struct Key {
    int vk, scan, character;
  } const keys[] = {{'A', 0x1E, 'a'},       {'7', 0x08, '7'},    {VkSpace, 0x39, ' '}, {VkReturn, 0x1C, '\r'},
                    {VkEscape, 0x01, 0x1B}, {VkTab, 0x0F, '\t'}, {VkBack, 0x0E, '\b'}, {VkLeft, 0x4B, -1}};
  for (const Key& key : keys) {
    windowsuite::Log().clear();
    const Lparam press = MakeLparam(1, key.scan);
    ASSERT_TRUE(PostMessageA(w.h, WmKeyDown, static_cast<Wparam>(key.vk), press));
    Msg msg;
    while (PeekMessageA(&msg, 0, 0, 0, PmRemove)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::vector<std::string> seen;
    for (const auto& s : windowsuite::Log()) {
      if (s.window != w.h || (s.message != WmKeyDown && s.message != WmChar)) continue;
      seen.push_back(s.message == WmKeyDown ? "down" : "char " + std::to_string(s.wParam));
      if (s.message == WmChar) {
        EXPECT_EQ(s.lParam, press) << key.vk;
      }
    }
    std::vector<std::string> expected{"down"};
    if (key.character >= 0) expected.push_back("char " + std::to_string(key.character));
    EXPECT_EQ(seen, expected) << "key " << key.vk;
  }
}

TEST_F(WindowSuite, ListViewKeepsItemsTextsAndCheckStates) {
  Window top("List", WsOverlapped | WsCaption | WsVisible);
  Window list("", WsChild | WsVisible | LvsReport, top.h, WcListView, 31);
  ASSERT_NE(list.h, 0u);
  ListViewSetExtendedListViewStyle(list.h, LvsExCheckBoxes);
  EXPECT_EQ(ListViewInsertColumn(list.h, 0, "Folders", 225), 0);
  EXPECT_EQ(ListViewGetColumnText(list.h, 0), "Folders");
  EXPECT_TRUE(ListViewSetColumnText(list.h, 0, "Dossiers"));
  EXPECT_EQ(ListViewGetColumnText(list.h, 0), "Dossiers");
  EXPECT_FALSE(ListViewSetColumnText(list.h, 1, "Second")) << "there is no second column";
  EXPECT_EQ(ListViewGetColumnText(list.h, 1), "");
  EXPECT_EQ(ListViewInsertItem(list.h, 0, "C:\\A"), 0);
  EXPECT_EQ(ListViewInsertItem(list.h, 1, "C:\\B"), 1);
  EXPECT_EQ(ListViewInsertItem(list.h, 9, "C:\\C"), 2) << "beyond the end appends";
  EXPECT_FALSE(ListViewGetCheckState(list.h, 0));
  EXPECT_TRUE(ListViewSetCheckState(list.h, 1, true));
  EXPECT_TRUE(ListViewGetCheckState(list.h, 1));
  EXPECT_EQ(ListViewGetItemState(list.h, 1, LvisStateImageMask), StateImageChecked);
  ListViewSetItemState(list.h, 2, LvisSelected, LvisSelected);
  EXPECT_EQ(ListViewGetItemState(list.h, 2, LvisSelected), LvisSelected);
  ListViewSetItemText(list.h, 0, "D:\\");
  EXPECT_EQ(ListViewGetItemText(list.h, 0), "D:\\");
  EXPECT_TRUE(ListViewDeleteItem(list.h, 0));
  EXPECT_EQ(ListViewGetItemCount(list.h), 2);
  EXPECT_EQ(ListViewGetItemText(list.h, 0), "C:\\B");
  EXPECT_TRUE(ListViewGetCheckState(list.h, 0));
  EXPECT_TRUE(ListViewDeleteAllItems(list.h));
  EXPECT_EQ(ListViewGetItemCount(list.h), 0);
}

TEST_F(WindowSuite, SpaceTicksAndUnticksTheFocusedItemsCheckBox) {
  Window top("List", WsOverlapped | WsCaption | WsVisible);
  Window list("", WsChild | WsVisible | LvsReport, top.h, WcListView, 32);
  ListViewSetExtendedListViewStyle(list.h, LvsExCheckBoxes);
  ListViewInsertColumn(list.h, 0, "Folders", 225);
  ListViewInsertItem(list.h, 0, "C:\\A");
  ListViewInsertItem(list.h, 1, "C:\\B");
  ListViewSetItemState(list.h, 1, LvisFocused, LvisFocused);
  windowsuite::Log().clear();
  SendMessageA(list.h, WmKeyDown, VkSpace, 0);
  EXPECT_FALSE(ListViewGetCheckState(list.h, 0));
  EXPECT_TRUE(ListViewGetCheckState(list.h, 1)) << "ticked";
  int changes = 0;
  for (const auto& s : windowsuite::Log()) {
    if (s.window == top.h && s.message == WmNotify && s.notifyCode == LvnItemChanged) ++changes;
  }
  EXPECT_GE(changes, 1) << "the parent hears of it";
  SendMessageA(list.h, WmKeyDown, VkSpace, 0);
  EXPECT_FALSE(ListViewGetCheckState(list.h, 1)) << "unticked";
}

// What a list's parent hears of the two notices a program acts on: a click,
// with the first item's box as it stands then, and a change of an item's
// state bits. (Wine also sends the capture's release, the change about to
// be made and the drawing's notices.)
std::vector<std::string> heard;

Lresult MURALTO_WINAPI ListParentProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  const NotifyHeader header = message == WmNotify ? ReadNotifyHeader(lParam) : NotifyHeader{};
  char text[64];
  if (header.code == NmClick) {
    heard.push_back(ListViewGetCheckState(header.from, 0) ? "click, the box ticked" : "click, the box unticked");
  } else if (header.code == LvnItemChanged) {
    const ListViewChange change = ReadListViewChange(lParam);
    std::snprintf(text, sizeof text, "item %d: 0x%04x -> 0x%04x", change.item, change.oldState, change.newState);
    heard.push_back(text);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A click on a check box reaches the parent before the box turns over (a
// save of the list at the click still finds the item ticked); the change
// follows, with the item's whole state, its selection and focus untouched.
TEST_F(WindowSuite, AClickOnACheckBoxIsReportedBeforeTheBoxTurnsOver) {
  WndClass wc;
  wc.proc = ListParentProc;
  wc.className = "MuraltoContractListParent";
  RegisterClassA(&wc);
  Window top("List", WsOverlapped | WsCaption | WsVisible, 0, wc.className);
  Window list("", WsChild | WsVisible | LvsReport, top.h, WcListView, 33);
  ASSERT_TRUE(MoveWindow(list.h, 0, 0, 180, 80, true));
  ListViewSetExtendedListViewStyle(list.h, LvsExCheckBoxes);
  ListViewInsertColumn(list.h, 0, "Folders", 150);
  ListViewInsertItem(list.h, 0, "C:\\A");
  ListViewSetCheckState(list.h, 0, true);
  ListViewSetItemState(list.h, 0, LvisSelected | LvisFocused, LvisSelected | LvisFocused);
  heard.clear();
  windowenv::ClickListViewCheckBox(list.h, 0);
  EXPECT_EQ(heard, (std::vector<std::string>{"click, the box ticked", "item 0: 0x2003 -> 0x1003"}));
}

TEST_F(WindowSuite, MenusKeepCaptionsAndCheckMarks) {
  Hmenu popup = CreatePopupMenu();
  Hmenu sub = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(popup, MfString, 101, "Restore"));
  ASSERT_TRUE(AppendMenuA(popup, MfSeparator, 0, nullptr));
  ASSERT_TRUE(AppendMenuA(sub, MfString | MfChecked, 201, "English"));
  ASSERT_TRUE(AppendMenuA(popup, MfPopup, sub, "Language"));
  EXPECT_EQ(GetMenuItemCount(popup), 3);
  EXPECT_EQ(CheckMenuItem(popup, 201, MfByCommand | MfUnchecked), static_cast<int>(MfChecked)) << "found in a submenu";
  EXPECT_EQ(CheckMenuItem(popup, 101, MfByCommand | MfChecked), static_cast<int>(MfUnchecked));
  EXPECT_TRUE(GetMenuState(popup, 101, MfByCommand) & MfChecked);
  EXPECT_EQ(CheckMenuItem(popup, 999, MfByCommand | MfChecked), -1);
  EXPECT_TRUE(GetMenuState(popup, 1, MfByPosition) & MfSeparator);
  char text[32] = {};
  EXPECT_EQ(GetMenuStringA(popup, 0, text, sizeof text, MfByPosition), 7);
  EXPECT_STREQ(text, "Restore");
  EXPECT_TRUE(DestroyMenu(popup));
  EXPECT_TRUE(MessageBeep(0));
}

}  // namespace
