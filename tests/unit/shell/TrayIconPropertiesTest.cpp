// The published properties: defaults, the failures of the shell with the
// stored value kept, and the animation.
#include <functional>
#include <string>
#include <vector>

#include "TrayIconFixture.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/ImageList.h"

namespace {

using muralto::TStCustomTrayIcon;
using traytest::TrayIconTest;

TEST_F(TrayIconTest, AFailingShellRaisesTheMessageAndTheNewValueIsKept) {
  struct Row {
    const char* name;
    std::uint32_t refused;
    std::function<void(TStCustomTrayIcon*)> change;
    const char* message;
    std::function<bool(TStCustomTrayIcon*)> kept;
  } const rows[] = {
      {"Hint", platform::NimModify, [](TStCustomTrayIcon* t) { t->SetHint("new"); }, "Tray icon error",
       [](TStCustomTrayIcon* t) { return t->Hint() == "new"; }},
      {"ShowHint", platform::NimModify, [](TStCustomTrayIcon* t) { t->SetShowHint(false); }, "Tray icon error",
       [](TStCustomTrayIcon* t) { return !t->ShowHint(); }},
      {"Icon", platform::NimModify, [](TStCustomTrayIcon* t) { t->SetIcon(0x7009); }, "Tray icon error",
       [](TStCustomTrayIcon* t) { return t->Icon() == 0x7009u && t->ShownIcon() == 0x7009u; }},
      {"ImageIndex without Images", 0xFF, [](TStCustomTrayIcon* t) { t->SetImageIndex(3); },
       "ImageList is not assigned", [](TStCustomTrayIcon* t) { return t->ImageIndex() == 3; }},
      {"Active after the shell refused the add", platform::NimAdd,
       [](TStCustomTrayIcon* t) {
         t->SetActive(false);
         t->SetActive(true);
       },
       "Error adding tray icon", [](TStCustomTrayIcon* t) { return !t->IconInTray() && !t->Active(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeIcon();
    sim::SetTrayRefuses(row.refused, true);
    try {
      row.change(tray);
      ADD_FAILURE() << "no failure";
    } catch (const muralto::ETrayIconError& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
    EXPECT_TRUE(row.kept(tray));
    sim::SetTrayRefuses(row.refused, false);
    toolkit::TComponent::Free(tray);
  }
}

TEST_F(TrayIconTest, ImagesGiveThePictureWhenThereIsNoIcon) {
  auto* images = toolkit::TComponent::Create<toolkit::TImageList>(form);
  for (platform::Hicon icon : {0x8000u, 0x8001u, 0x8002u}) images->AddIcon(icon);
  MakeIcon([&](TStCustomTrayIcon* icon) {
    icon->SetImageIndex(1);
    icon->SetImages(images);
  });
  EXPECT_EQ(sim::TrayIcons().at(0).hIcon, 0x8001u);
  tray->SetImageIndex(2);
  EXPECT_EQ(sim::TrayIcons().at(0).hIcon, 0x8002u);
  toolkit::TComponent::Free(images);
  EXPECT_EQ(tray->Images(), nullptr) << "the reference goes with the list";
}

TEST_F(TrayIconTest, AnimationCyclesThroughTheImagesAndStopsAtTheStillPicture) {
  auto* images = toolkit::TComponent::Create<toolkit::TImageList>(form);
  for (platform::Hicon icon : {0x8000u, 0x8001u, 0x8002u}) images->AddIcon(icon);
  MakeIcon([&](TStCustomTrayIcon* icon) {
    icon->SetIcon(0x7001);
    icon->SetImages(images);
    icon->SetInterval(0);
  });
  auto shownWithin = [](std::uint32_t ms) {
    sim::NotifyCalls().clear();
    sim::AdvanceClock(ms);
    std::vector<platform::Hicon> shown;
    for (const auto& call : sim::NotifyCalls()) shown.push_back(call.record.hIcon);
    return shown;
  };
  tray->SetActive(false);
  tray->SetAnimate(true);
  EXPECT_EQ(tray->AnimationTimer(), nullptr) << "no animation while the icon is off";
  tray->SetActive(true);
  tray->SetAnimate(true);
  toolkit::TTimer* timer = tray->AnimationTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(tray->Interval(), 200u) << "no step at all becomes 200 ms";
  EXPECT_EQ(shownWithin(200 * 4), (std::vector<platform::Hicon>{0x8000, 0x8001, 0x8002, 0x8000}));
  tray->SetInterval(300);
  tray->SetAnimate(true);
  EXPECT_EQ(tray->AnimationTimer(), timer) << "one timer";
  EXPECT_EQ(shownWithin(600), (std::vector<platform::Hicon>{0x8001, 0x8002})) << "the new step, the frames go on";

  // Switching the icon off stops the animation and switching it on resumes it.
  tray->SetActive(false);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_TRUE(tray->ResumeAnimation());
  EXPECT_TRUE(shownWithin(600).empty());
  tray->SetActive(true);
  EXPECT_TRUE(timer->Enabled());

  tray->SetAnimate(false);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(sim::TrayIcons().at(0).hIcon, 0x7001u) << "the still picture is back";
  tray->SetIcon(0);
  tray->SetImageIndex(1);
  tray->SetAnimate(true);
  tray->SetAnimate(false);
  EXPECT_EQ(sim::TrayIcons().at(0).hIcon, 0x8001u) << "without an icon, the list's picture";
}

}  // namespace
