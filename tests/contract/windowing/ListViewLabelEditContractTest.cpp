// What a list view's parent is told when the user has edited an item's
// label: the item and the text, or that the edit was cancelled.
#include <string>
#include <vector>

#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/commctrl.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

std::vector<ListViewLabelEdit> edits;

Lresult MURALTO_WINAPI EditParentProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  if (message == WmNotify && ReadNotifyHeader(lParam).code == LvnEndLabelEditA)
    edits.push_back(ReadListViewLabelEdit(lParam));
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowSuite, TheEndOfALabelEditTellsTheItemAndTheTextOrThatItWasCancelled) {
  WndClass wc;
  wc.proc = EditParentProc;
  wc.className = "MuraltoContractEditParent";
  RegisterClassA(&wc);
  Window top("List", WsOverlapped | WsCaption | WsVisible, 0, wc.className);
  Window list("", WsChild | WsVisible | LvsReport | LvsEditLabels, top.h, WcListView, 34);
  ASSERT_TRUE(MoveWindow(list.h, 0, 0, 180, 80, true));
  ListViewInsertColumn(list.h, 0, "Folders", 150);
  ListViewInsertItem(list.h, 0, "C:\\A");
  ListViewInsertItem(list.h, 1, "C:\\B");
  const struct {
    int item;
    const char* typed;  // null: Escape
  } rows[] = {{1, "D:\\Pictures"}, {0, nullptr}};
  for (const auto& row : rows) {
    edits.clear();
    const std::string typed = row.typed ? row.typed : "";
    windowenv::EditListViewLabel(list.h, row.item, row.typed ? &typed : nullptr);
    ASSERT_EQ(edits.size(), 1u) << typed;
    EXPECT_EQ(edits[0].item, row.item) << typed;
    EXPECT_EQ(edits[0].hasText, row.typed != nullptr) << typed;
    EXPECT_EQ(edits[0].text, typed);
  }
  // A label emptied and confirmed: the folder list must not take it.
  edits.clear();
  const std::string empty;
  windowenv::EditListViewLabel(list.h, 0, &empty);
  ASSERT_EQ(edits.size(), 1u);
  contract::KnownWineDeviation(edits[0].hasText && edits[0].text.empty(), !edits[0].hasText,
                               "an emptied label comes as an empty text, not as a cancel");
}

}  // namespace
