// The toolkit on real windows: mouse routing and hover through posted
// messages, showing and enabled propagation, alignment, modal show, deferred
// close and the application's error handler.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/tests/UiTestSupport.h"
#include "winbase/Guard.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// A control that records its notices.
template <class Base> class TRecorder : public Base {
public:
  explicit TRecorder(TComponent* AOwner, std::vector<std::wstring>* ALog, std::wstring AName)
      : Base(AOwner), Log(ALog) {
    this->SetName(std::move(AName));
  }
  std::vector<std::wstring>* Log;
  int ShowingChanges = 0;
  void CMMouseEnter() override {
    Log->push_back(this->Name() + L" enter");
    Base::CMMouseEnter();
  }
  void CMMouseLeave() override {
    Log->push_back(this->Name() + L" leave");
    Base::CMMouseLeave();
  }
  void Click() override {
    Log->push_back(this->Name() + L" click");
    Base::Click();
  }
  void CMEnabledChanged() override {
    Log->push_back(this->Name() + (this->EffectivelyEnabled() ? L" enabled" : L" disabled"));
    Base::CMEnabledChanged();
  }
};

class TTestForm : public TForm {
public:
  explicit TTestForm(TComponent* AOwner) : TForm(AOwner) {
    SetBounds(100, 100, 400, 300);
    SetBorderStyle(bsNone);
    Panel = &Create<TRecorder<TCustomControl>>(*this, &Log, L"panel");
    Panel->SetBounds(10, 10, 200, 150);
    Panel->SetParent(this);
    Graphic = &Create<TRecorder<TGraphicControl>>(*this, &Log, L"graphic");
    Graphic->SetBounds(20, 20, 50, 40);
    Graphic->SetParent(Panel);
    Button = &Create<TRecorder<TCustomControl>>(*this, &Log, L"button");
    Button->SetBounds(250, 10, 100, 40);
    Button->SetParent(this);
  }
  std::vector<std::wstring> Log;
  TRecorder<TCustomControl>* Panel;
  TRecorder<TGraphicControl>* Graphic;
  TRecorder<TCustomControl>* Button;
};

struct ToolkitTest : ::testing::Test {
  TTestForm* Form = nullptr;
  void SetUp() override {
    ParkPointer();
    Form = &Application().CreateForm<TTestForm>();
    Form->Show();
    Pump();
    Form->Log.clear();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
};

} // namespace

TEST_F(ToolkitTest, ClickOnAWindowlessControlAndEnterLeaveFollowThePointer) {
  MoveTo(*Form->Panel, 30, 30);   // onto the graphic control (20..70, 20..60)
  MoveTo(*Form->Panel, 150, 100); // panel only
  ClickAt(*Form->Panel, 25, 25);  // back on the graphic control and click
  MoveTo(*Form, 300, 30);         // onto the windowed button
  EXPECT_EQ(Form->Log,
            (std::vector<std::wstring>{L"graphic enter", L"graphic leave", L"panel enter", L"panel leave",
                                       L"graphic enter", L"graphic click", L"graphic leave", L"button enter"}));
}

TEST_F(ToolkitTest, ReleasingAwayFromThePressedControlIsNoClickAndLeaveIsSeenWhileCaptured) {
  MoveTo(*Form->Panel, 30, 30);
  Press(*Form->Panel, 30, 30);
  // Captured by the panel's window: the pointer leaves the graphic control.
  MoveTo(*Form->Panel, 150, 120);
  Release(*Form->Panel, 150, 120);
  EXPECT_EQ(Form->Log, (std::vector<std::wstring>{L"graphic enter", L"graphic leave", L"panel enter"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ToolkitTest, ShowingAndEnabledPropagateDownTheTree) {
  EXPECT_TRUE(Form->Panel->Showing());
  EXPECT_TRUE(Form->Graphic->Showing());
  Form->Panel->Hide();
  EXPECT_FALSE(Form->Graphic->Showing());
  EXPECT_TRUE(Form->Graphic->Visible());
  EXPECT_FALSE(IsWindowVisible(Form->Panel->Handle()));
  Form->Panel->Show();
  EXPECT_TRUE(Form->Graphic->Showing());

  Form->Panel->SetEnabled(false);
  EXPECT_FALSE(Form->Graphic->EffectivelyEnabled());
  EXPECT_TRUE(Form->Graphic->Enabled());
  EXPECT_FALSE(IsWindowEnabled(Form->Panel->Handle()));
  ClickAt(*Form, 40, 40); // the disabled panel's area: nothing clicks
  Form->Panel->SetEnabled(true);
  EXPECT_EQ(Form->Log,
            (std::vector<std::wstring>{L"panel disabled", L"graphic disabled", L"panel enabled", L"graphic enabled"}));
}

TEST_F(ToolkitTest, AlignedChildrenFillTheParentAndFollowItsSize) {
  auto& top = TComponent::Create<TCustomControl>(*Form);
  top.SetHeight(30);
  top.SetAlign(alTop);
  top.SetParent(Form->Panel);
  auto& client = TComponent::Create<TCustomControl>(*Form);
  client.SetAlign(alClient);
  client.SetParent(Form->Panel);
  EXPECT_EQ(top.BoundsRect(), (TRect{0, 0, 200, 30}));
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 30, 200, 150}));
  Form->Panel->SetBounds(10, 10, 240, 100);
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 30, 240, 100}));
  top.Hide();
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 0, 240, 100}));

  auto& anchored = TComponent::Create<TCustomControl>(*Form);
  anchored.SetBounds(300, 250, 80, 30);
  anchored.SetAnchors(akRight | akBottom);
  anchored.SetParent(Form);
  Form->SetBounds(100, 100, 450, 320);
  EXPECT_EQ(anchored.BoundsRect(), (TRect{350, 270, 430, 300}));
}

namespace {
class TModalForm : public TForm {
public:
  explicit TModalForm(TComponent* AOwner) : TForm(AOwner) {
    SetBounds(150, 150, 200, 100);
    SetBorderStyle(bsNone);
    OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
  }
  int Answer = 0;
};
} // namespace

TEST_F(ToolkitTest, ModalShowDisablesTheOthersAndReturnsItsResultBeforeTheFormGoes) {
  auto& modal = TComponent::Create<TModalForm>(Application());
  modal.FinishCreation();
  TTimer& timer = TComponent::Create<TTimer>(modal);
  bool wasDisabled = false;
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    wasDisabled = !IsWindowEnabled(Form->Handle());
    modal.Answer = 42;
    modal.SetModalResult(mrRetry);
  };
  timer.SetEnabled(true);
  const TModalResult r = modal.ShowModal();
  EXPECT_EQ(r, mrRetry);
  EXPECT_TRUE(wasDisabled);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  // caFree: still readable now, gone after the loop ran.
  ASSERT_TRUE(Application().IsLiveForm(&modal));
  EXPECT_EQ(modal.Answer, 42);
  Pump();
  EXPECT_FALSE(Application().IsLiveForm(&modal));
}

TEST_F(ToolkitTest, TerminateDoesNotEndAModalLoop) {
  Application().Terminate();
  auto& modal = TComponent::Create<TModalForm>(Application());
  modal.FinishCreation();
  TTimer& timer = TComponent::Create<TTimer>(modal);
  timer.SetInterval(200);
  timer.OnTimer = [&](TObject*) { modal.SetModalResult(mrOk); };
  timer.SetEnabled(true);
  PostQuitMessage(0);                 // a quit request pending as well
  EXPECT_EQ(modal.ShowModal(), mrOk); // answered, not cut short
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(ToolkitTest, CloseDuringARunningHandlerWaitsUntilItReturns) {
  Form->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
  Application().SetMainForm(nullptr);
  bool aliveAfterPump = false;
  Form->Button->OnClick = [&](TObject*) {
    // A long handler that keeps the window responsive; meanwhile the user closes it.
    PostMessageW(Form->Handle(), WM_CLOSE, 0, 0);
    for (int i = 0; i < 5; ++i)
      Pump();
    aliveAfterPump = Application().IsLiveForm(Form) && Form->Visible();
  };
  ClickAt(*Form->Button, 10, 10);
  EXPECT_TRUE(aliveAfterPump);
  Pump();
  EXPECT_FALSE(Application().IsLiveForm(Form));
}

TEST_F(ToolkitTest, AnErrorFromAClickReachesTheApplicationHandler) {
  std::vector<std::string> caught;
  TAppExceptionHandler previous = SetAppExceptionHandler([&](const std::exception& e) { caught.push_back(e.what()); });
  Form->Button->OnClick = [](TObject*) { throw std::runtime_error("click failed"); };
  ClickAt(*Form->Button, 10, 10);
  SetAppExceptionHandler(previous);
  EXPECT_EQ(caught, (std::vector<std::string>{"click failed"}));
  // The loop goes on: the form still works.
  Form->Log.clear();
  MoveTo(*Form->Panel, 150, 100);
  EXPECT_FALSE(Form->Log.empty());
}
