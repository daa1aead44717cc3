#include "toolkit/controls/ListItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/Exceptions.h"

namespace {

using toolkit::TItemChange;
using toolkit::TListItem;
using toolkit::TListItems;

std::string Name(TItemChange change) {
  switch (change) {
    case TItemChange::Added: return "added";
    case TItemChange::Deleting: return "deleting";
    case TItemChange::Cleared: return "cleared";
    case TItemChange::Caption: return "caption";
    case TItemChange::Checked: return "checked";
    case TItemChange::Selected: return "selected";
  }
  return "?";
}

TEST(ListItems, ReportsEveryRealChangeInOrder) {
  TListItems items;
  std::vector<std::string> seen;
  items.OnChange = [&](TItemChange change, TListItem* item) {
    seen.push_back(Name(change) + (item ? " " + std::to_string(item->Index()) : ""));
  };
  TListItem* a = items.Add();
  a->SetCaption("C:\\Pictures");
  a->SetCaption("C:\\Pictures");  // unchanged: no report
  a->SetChecked(true);
  TListItem* b = items.Insert(0);
  b->SetSelected(true);
  items.Delete(1);
  items.Clear();
  items.Clear();  // already empty: no report
  const std::vector<std::string> expected = {"added 0",    "caption 0",  "checked 0", "added 0",
                                             "selected 0", "deleting 1", "cleared"};
  EXPECT_EQ(seen, expected);
}

TEST(ListItems, StateLivesInTheItems) {
  TListItems items;
  TListItem* a = items.Add();
  TListItem* b = items.Add();
  EXPECT_FALSE(a->Checked());
  EXPECT_FALSE(a->Selected());
  EXPECT_EQ(a->Caption(), "");
  b->SetChecked(true);
  b->SetSelected(true);
  a->SetSelected(true);
  EXPECT_TRUE(a->Selected() && b->Selected());
  items.Delete(0);
  EXPECT_EQ(items.Item(0), b);
  EXPECT_TRUE(items.Item(0)->Checked());
  EXPECT_EQ(b->Index(), 0);
  EXPECT_THROW(items.Item(1), toolkit::EStringListError);
  EXPECT_THROW(items.Delete(-1), toolkit::EStringListError);
}

TEST(ListItems, AHookThatEmptiesTheListDuringADeleteIsSafe) {
  TListItems items;
  items.Add();
  items.Add();
  bool once = false;
  items.OnChange = [&](TItemChange change, TListItem*) {
    if (change == TItemChange::Deleting && !once) {
      once = true;
      items.Clear();
    }
  };
  items.Delete(1);
  EXPECT_EQ(items.Count(), 0);
}

}  // namespace
