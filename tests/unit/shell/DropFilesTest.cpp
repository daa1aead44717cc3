// The drop target through the simulated shell: when the target's window is
// hooked and registered, what a drop hands to the event, and what happens
// when the target or the component goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/dragdrop_world.h"
#include "shell/DropFiles.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/ListView.h"

namespace {

using muralto::TStDropFiles;

class DropFilesTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    list = MakeList(10);
    drop = toolkit::TComponent::Create<TStDropFiles>(form);
    drop->OnDropFiles = [this](toolkit::TObject* sender, platform::Point point) {
      EXPECT_EQ(sender, drop);
      Event e{point, {}, drop->DroppedCount()};
      for (int i = 0; i < drop->DroppedFiles().Count(); ++i) e.files.push_back(drop->DroppedFiles().Strings(i));
      events.push_back(e);
    };
  }
  toolkit::TListView* MakeList(int left) {
    auto* l = toolkit::TComponent::Create<toolkit::TListView>(form);
    l->SetBounds(left, 10, 100, 100);
    l->SetParent(form);
    return l;
  }
  static bool Accepts(platform::Hwnd window) {
    return (platform::GetWindowLongA(window, platform::GwlExStyle) & platform::WsExAcceptFiles) != 0;
  }
  struct Event {
    platform::Point point;
    std::vector<std::string> files;
    int count;
  };
  toolkit::TListView* list = nullptr;
  TStDropFiles* drop = nullptr;
  std::vector<Event> events;
};

TEST_F(DropFilesTest, ATargetWithoutAWindowIsHookedAndRegisteredWhenLoadingEnds) {
  drop->SetDropTarget(list);
  EXPECT_TRUE(drop->HookPending());
  EXPECT_FALSE(drop->Hooked());
  EXPECT_FALSE(list->HandleAllocated()) << "setting the target makes no window";
  drop->Loaded();
  EXPECT_FALSE(list->HandleAllocated()) << "loading makes no window either: it would show the form half set up";
  EXPECT_FALSE(drop->Hooked());
  list->HandleNeeded();
  EXPECT_FALSE(drop->HookPending());
  ASSERT_TRUE(drop->Hooked()) << "hooked as soon as the window exists";
  EXPECT_TRUE(Accepts(list->Handle()));
  EXPECT_FALSE(Accepts(form->Handle())) << "only the target accepts files";

  ASSERT_EQ(sim::DropFiles(list->Handle(), {"C:\\One", "C:\\Two\\file.txt"}, {12, 34}), list->Handle());
  sim::DispatchPending();
  ASSERT_EQ(events.size(), 1u) << "one event per drop";
  EXPECT_EQ(events[0].files, (std::vector<std::string>{"C:\\One", "C:\\Two\\file.txt"}));
  EXPECT_EQ(events[0].count, 2);
  EXPECT_EQ(events[0].point.x, 12);
  EXPECT_EQ(events[0].point.y, 34);
  EXPECT_EQ(sim::FinishedDrops().size(), 1u);
  EXPECT_EQ(sim::LiveDrops(), 0) << "the drop handle is released";

  // The next drop replaces the paths of the last one.
  sim::DropFiles(list->Handle(), {"C:\\Three"}, {1, 1});
  sim::DispatchPending();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].files, (std::vector<std::string>{"C:\\Three"}));
}

TEST_F(DropFilesTest, TheShellCopiesAtMost259CharactersOfAPath) {
  drop->SetDropTarget(list);
  drop->Loaded();
  const std::string path = "C:\\" + std::string(300, 'x');
  sim::DropFiles(list->Handle(), {path, "C:\\short"}, {0, 0});
  sim::DispatchPending();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].files, (std::vector<std::string>{path.substr(0, 259), "C:\\short"}));
}

TEST_F(DropFilesTest, ActiveAndTheTargetDecideWhichWindowAcceptsFiles) {
  drop->SetDropTarget(list);
  drop->Loaded();
  platform::Hwnd first = list->Handle();
  drop->SetActive(false);
  EXPECT_FALSE(Accepts(first));
  EXPECT_EQ(sim::DropFiles(first, {"C:\\One"}, {1, 1}), 0u) << "an inactive target refuses the drop";
  drop->SetActive(true);
  EXPECT_TRUE(Accepts(first));

  // Another target: the first window is unhooked and no longer accepts.
  toolkit::TListView* second = MakeList(150);
  drop->SetDropTarget(second);
  EXPECT_FALSE(Accepts(first));
  EXPECT_TRUE(Accepts(second->Handle()));
  EXPECT_TRUE(drop->Hooked());
  platform::PostMessageA(first, platform::WmDropFiles, 0, 0);
  sim::DispatchPending();
  EXPECT_TRUE(events.empty()) << "the first window's messages no longer reach the component";
  sim::DropFiles(second->Handle(), {"C:\\Two"}, {5, 6});
  sim::DispatchPending();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].files, (std::vector<std::string>{"C:\\Two"}));
}

TEST_F(DropFilesTest, TheComponentForgetsADestroyedTarget) {
  drop->SetDropTarget(list);
  drop->Loaded();
  list->HandleNeeded();
  toolkit::TComponent::Free(list);
  EXPECT_EQ(drop->DropTarget(), nullptr);
  EXPECT_FALSE(drop->Hooked());
  // Using the component afterwards reaches no freed control.
  drop->SetActive(false);
  drop->SetActive(true);
  toolkit::TListView* next = MakeList(150);
  drop->SetDropTarget(next);
  EXPECT_TRUE(drop->Hooked());
  EXPECT_TRUE(Accepts(next->Handle()));
}

TEST_F(DropFilesTest, AComponentThatGoesFirstGivesTheWindowItsProcedureBack) {
  platform::Hwnd window = list->Handle();
  std::intptr_t before = platform::GetWindowLongA(window, platform::GwlWndProc);
  drop->SetDropTarget(list);
  EXPECT_FALSE(drop->HookPending()) << "a target with a window is hooked at once";
  EXPECT_TRUE(drop->Hooked());
  toolkit::TComponent::Free(drop);
  EXPECT_EQ(platform::GetWindowLongA(window, platform::GwlWndProc), before);
  list->Items().Add()->SetCaption("still works");
  EXPECT_EQ(list->Items().Count(), 1);
}

}  // namespace
