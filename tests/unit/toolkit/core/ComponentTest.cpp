#include "toolkit/core/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using toolkit::TComponent;
using toolkit::TOperation;

std::vector<std::string> journal;

class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string label) : TComponent(owner), label_(std::move(label)) { SetName(label_); }
  ~Probe() override { journal.push_back("destroy " + label_); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove) journal.push_back(label_ + " told of " + c->Name());
  }
  std::string label_;
};

TEST(Component, OwnerDestroysOwnedInReverseOrderAndTellsTheRest) {
  journal.clear();
  {
    Probe owner(nullptr, "owner");
    TComponent::Create<Probe>(&owner, "a");
    TComponent::Create<Probe>(&owner, "b");
    EXPECT_EQ(owner.ComponentCount(), 2);
  }
  // The owner is already being destroyed, so only the surviving sibling hears.
  const std::vector<std::string> expected = {"destroy owner", "destroy b", "a told of b", "destroy a"};
  EXPECT_EQ(journal, expected);
}

TEST(Component, FreeNotificationReachesNonSiblings) {
  journal.clear();
  Probe watcher(nullptr, "watcher");
  Probe* watched = TComponent::Create<Probe>(nullptr, "watched");
  watcher.FreeNotification(watched);
  TComponent::Free(watched);
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_EQ(journal[0], "destroy watched");
  EXPECT_EQ(journal[1], "watcher told of watched");
}

TEST(Component, DesignFlagAndFindComponentIgnoringCase) {
  Probe owner(nullptr, "owner");
  Probe* child = TComponent::Create<Probe>(&owner, "child");
  child->SetName("Timer1");  // names need not match labels
  EXPECT_EQ(owner.FindComponent("TIMER1"), child);
  EXPECT_EQ(owner.FindComponent("Timer2"), nullptr);
  EXPECT_FALSE(child->InState(toolkit::csDesigning));
  child->SetDesigning(true);
  EXPECT_TRUE(child->InState(toolkit::csDesigning));
}

}  // namespace
