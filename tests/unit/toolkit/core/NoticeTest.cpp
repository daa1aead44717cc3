// A notice with many listeners: who hears it when listeners leave, go or
// join while it runs.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "toolkit/core/Notice.h"

namespace {

TEST(NoticeTest, ListenersThatLeaveOrGoWhileItRunsAreSafe) {
  std::string heard;
  auto notice = std::make_unique<toolkit::TNotice>();
  toolkit::TNotice::TMembership self, later, joined;
  auto gone = std::make_unique<toolkit::TNotice::TMembership>();
  self = notice->Join([&](toolkit::TObject*) {
    heard += "self ";
    self.Leave();  // its own call stays alive until it returns
    heard += "still ";
    gone.reset();  // a listener destroyed before its turn is not called
    joined = notice->Join([&](toolkit::TObject*) { heard += "joined "; });
  });
  *gone = notice->Join([&](toolkit::TObject*) { heard += "gone "; });
  later = notice->Join([&](toolkit::TObject*) { heard += "later "; });
  notice->Fire(nullptr);
  EXPECT_EQ(heard, "self still later ") << "one that joins hears the next notice";
  heard.clear();
  notice->Fire(nullptr);
  EXPECT_EQ(heard, "later joined ");
  notice.reset();
  later.Leave();  // a membership outliving its notice is harmless
  EXPECT_FALSE(joined.Joined());
}

}  // namespace
