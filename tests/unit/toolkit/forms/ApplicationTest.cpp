#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"

namespace {

using guitest::GuiTest;

TEST(ApplicationTitle, DefaultIsTheFileNameUpToTheFirstDotWithTheRestLowerCased) {
  struct Row {
    const char* path;
    const char* title;
  } rows[] = {
      {"C:\\Muralto\\Muralto.exe", "Muralto"},
      {"C:\\PROGRA~1\\MURALTO.EXE", "Muralto"},
      {"Z:\\work\\gui-demo.exe", "gui-demo"},
      {"C:\\a.b\\my.app.exe", "my"},  // the first dot of the name, not of the folder
      {"D:\\Tools\\ÄBC.exe", "Äbc"},  // upper-case first letter kept, ANSI letters lowered
      {"C:\\x\\NoDot", "Nodot"},
      {"C:\\x\\.hidden.exe", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(toolkit::DefaultApplicationTitle(row.path), row.title) << row.path;
  }
}

TEST_F(GuiTest, ApplicationWindowCarriesTheDefaultTitleUntilTheTitleIsSet) {
  sim::SetModuleFileName("C:\\Muralto\\MURALTO.EXE");
  toolkit::TApplication second(nullptr);
  EXPECT_EQ(second.Title(), "Muralto");
  EXPECT_EQ(platform::FindWindowA("TApplication", "Muralto"), second.Handle());
  second.SetTitle("Muralto 1.2");
  // Class and title compare without regard to case.
  EXPECT_EQ(platform::FindWindowA("tapplication", "MURALTO 1.2"), second.Handle());
  EXPECT_FALSE(platform::IsWindowVisible(second.Handle()));
}

TEST(FailureDisplay, FullStopOnlyWhenTheLastCharacterSortsAfterTheDot) {
  struct Row {
    const char* message;
    const char* shown;
  } rows[] = {
      {"", ""},
      {"Disk full", "Disk full."},
      {"Done.", "Done."},
      {"Really?", "Really?."},  // '?' sorts after '.'
      {"Stop!", "Stop!"},       // '!' sorts before '.'
      {"Cannot open file a,", "Cannot open file a,"},
      {"Path C:\\", "Path C:\\."},
      {"50%", "50%"},
      {"a-", "a-"},
      {"a/", "a/."},
      {"Fin\xE9", "Fin\xE9."},  // ANSI letters sort after '.'
  };
  for (const Row& row : rows)
    EXPECT_EQ(toolkit::FailureDisplayText(row.message), row.shown) << '"' << row.message << '"';
}

TEST_F(GuiTest, FailureDisplayIsAnErrorBoxWithOneOkButtonTitledWithTheTitle) {
  app->SetTitle("Muralto 1.2");
  app->ShowException("Cannot open file C:\\a.jpg");
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  const auto& box = sim::MessageBoxes()[0];
  EXPECT_EQ(box.text, "Cannot open file C:\\a.jpg.");
  EXPECT_EQ(box.caption, "Muralto 1.2");
  EXPECT_EQ(box.type & 0xF, platform::MbOk);
  EXPECT_EQ(box.type & 0xF0, platform::MbIconError);
}

TEST_F(GuiTest, FailureInAHandlerReachesTheFailureDisplayAndTheProgramGoesOn) {
  auto* button = toolkit::TComponent::Create<toolkit::TButton>(form);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](toolkit::TObject*) {
    ++clicks;
    throw toolkit::Exception("Unable to write to C:\\x");
  };
  form->Show();
  platform::SendMessageA(button->Handle(), platform::BmClick, 0, 0);
  platform::SendMessageA(button->Handle(), platform::BmClick, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Unable to write to C:\\x.", "Unable to write to C:\\x."}));
}

class ProbeForm;
ProbeForm* probeRef = nullptr;

class ProbeForm : public toolkit::TForm {
 public:
  explicit ProbeForm(toolkit::TComponent* owner) : toolkit::TForm(owner) {
    SetCaption("Muralto 1.2");
    OnCreate = [](toolkit::TObject*) {
      // The set-up reaches the window through the program-wide reference.
      probeRef->steps.push_back("title from " + probeRef->Caption());
      throw toolkit::Exception("step 2 failed");
    };
  }
  std::vector<std::string> steps;
};

TEST_F(GuiTest, CreateFormStoresTheReferenceBeforeOnCreateAndShowsAFailureOfOnCreate) {
  probeRef = nullptr;
  app->CreateForm(probeRef);
  ASSERT_NE(probeRef, nullptr);
  EXPECT_EQ(probeRef->steps, std::vector<std::string>{"title from Muralto 1.2"});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"step 2 failed."});
  EXPECT_EQ(static_cast<toolkit::TForm*>(probeRef), app->MainForm());
}

// Something with a vtable of its own placed before the form part, so that
// the form part does not start where the object does.
struct LeadingBase {
  virtual ~LeadingBase() = default;
  int padding = 0;
};

class FormBehindAnotherBase;
FormBehindAnotherBase* behindRef = nullptr;

class FormBehindAnotherBase : public LeadingBase, public toolkit::TForm {
 public:
  explicit FormBehindAnotherBase(toolkit::TComponent* owner) : toolkit::TForm(owner) {
    OnCreate = [this](toolkit::TObject*) { referenceIsThis = behindRef == this; };
  }
  bool referenceIsThis = false;
};

TEST_F(GuiTest, CreateFormStoresTheWholeFormWhereverItsFormPartLies) {
  behindRef = nullptr;
  app->CreateForm(behindRef);
  ASSERT_NE(behindRef, nullptr);
  EXPECT_TRUE(behindRef->referenceIsThis) << "the reference OnCreate saw points at the form itself";
}

class FailingForm : public toolkit::TForm {
 public:
  explicit FailingForm(toolkit::TComponent* owner) : toolkit::TForm(owner) { throw toolkit::Exception("no window"); }
};

TEST_F(GuiTest, AFailingConstructorLeavesNoReferenceBehindAndReachesTheCaller) {
  FailingForm* failing = nullptr;
  EXPECT_THROW(app->CreateForm(failing), toolkit::Exception);
  EXPECT_EQ(failing, nullptr);
  EXPECT_EQ(app->MainForm(), nullptr);
}

TEST_F(GuiTest, RunShowsTheMainFormUnlessToldNotToAndEndsWhenItCloses) {
  for (bool show : {true, false}) {
    sim::Reset();
    app = std::make_unique<toolkit::TApplication>(nullptr);
    toolkit::TForm* main = nullptr;
    app->CreateForm(main);
    app->SetShowMainForm(show);
    bool wasVisible = false;
    sim::SetIdleHandler([&] {
      wasVisible = main->HandleAllocated() && platform::IsWindowVisible(main->Handle());
      main->Close();
    });
    app->Run();
    sim::SetIdleHandler(nullptr);
    EXPECT_EQ(wasVisible, show) << "ShowMainForm " << show;
    EXPECT_TRUE(app->Terminated());
  }
}

TEST_F(GuiTest, CloseActionNoneKeepsTheMainFormOpen) {
  toolkit::TForm* main = nullptr;
  app = std::make_unique<toolkit::TApplication>(nullptr);
  app->CreateForm(main);
  int closes = 0;
  main->OnClose = [&](toolkit::TObject*, toolkit::TCloseAction& action) {
    if (++closes == 1) action = toolkit::TCloseAction::caNone;
  };
  main->Show();
  platform::SendMessageA(main->Handle(), platform::WmClose, 0, 0);
  EXPECT_FALSE(app->Terminated());
  EXPECT_TRUE(platform::IsWindow(main->Handle()));
  platform::SendMessageA(main->Handle(), platform::WmClose, 0, 0);
  EXPECT_TRUE(app->Terminated());
  EXPECT_EQ(closes, 2);
}

TEST_F(GuiTest, AFailingCloseHandlerLeavesTheProgramRunning) {
  toolkit::TForm* main = nullptr;
  app = std::make_unique<toolkit::TApplication>(nullptr);
  app->CreateForm(main);
  main->OnClose = [](toolkit::TObject*, toolkit::TCloseAction&) {
    throw toolkit::Exception("Unable to write to C:\\d\\f.ini");
  };
  main->Show();
  platform::SendMessageA(main->Handle(), platform::WmClose, 0, 0);
  EXPECT_FALSE(app->Terminated());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Unable to write to C:\\d\\f.ini."});
}

}  // namespace
