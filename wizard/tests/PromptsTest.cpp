// The message box and the three prompts as the user meets them: each prompt
// shown modally has its own client size, buttons and icon; the box types
// choose, order and place the buttons; Enter and Escape answer every prompt.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "ui/tests/UiTestSupport.h"
#include "wizard/Prompts.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct PromptsTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(SkinMng().Loaded() || InitSkinEngineAtStartup()); }
  void SetUp() override { ParkPointer(); }
};

// A shown button: its name and where it lies on the panel.
struct TPlaced {
  std::wstring Name;
  int32_t Left, Top;
  bool operator==(const TPlaced&) const = default;
};

// What a prompt looks like while it is shown.
struct TShownState {
  int32_t ClientWidth = 0, ClientHeight = 0;
  std::vector<TPlaced> Buttons; // the box type's buttons that show, in its order
  bool IconShown = false;
  int32_t IconIndex = -1;
};

TShownState ReadState(const TfrmBaseMsgBox& ABox) {
  TShownState s{ABox.ClientWidth(), ABox.ClientHeight(), {}, ABox.imgHint->Visible(), ABox.HintIconIndex()};
  for (TSkinButton* b : ABox.UsedButtons())
    if (b->Visible()) s.Buttons.push_back({std::wstring(b->Name()), b->Left(), b->Top()});
  return s;
}

// Shows ABox modally through AShow; while it is up, reads its state and then
// sends it AKey (0: no key). A prompt still open after two seconds is closed
// (TimedOut tells).
struct TAnswer {
  TShownState Shown;
  int32_t Result = -1;
  bool TimedOut = false;
};
TAnswer ShowAndPress(TfrmBaseMsgBox& ABox, WORD AKey, const std::function<void()>& AShow) {
  TAnswer answer;
  int ticks = 0;
  TTimer& timer = TComponent::Create<TTimer>(ABox);
  timer.SetInterval(50);
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 2) {
      answer.Shown = ReadState(ABox);
      if (AKey) PostMessageW(ABox.Handle(), WM_KEYDOWN, AKey, 0);
    } else if (ticks == 40) {
      answer.TimedOut = true;
      ABox.Close();
    }
  };
  timer.SetEnabled(true);
  AShow();
  answer.Result = ABox.ReturnValue();
  Pump(); // the prompt frees itself
  return answer;
}

template <class T> T& NewPrompt() {
  T& prompt = TComponent::Create<T>(Application());
  prompt.FinishCreation();
  return prompt;
}

} // namespace

TEST_F(PromptsTest, EachPromptShowsItsSizeButtonsAndIcon) {
  struct {
    const char* Prompt;
    std::function<TfrmBaseMsgBox&()> Make;
    int32_t Width, Height;
    std::vector<TPlaced> Buttons;
    bool IconShown;
    int32_t IconIndex;
  } rows[] = {
      {"cancel install",
       []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCancelInstall>(); },
       375,
       232,
       {{L"btnYes", 256, 169}, {L"btnNo", 184, 169}},
       true,
       2},
      // The hidden Cancel of its box type takes no room: the prompt keeps its size.
      {"installer running",
       []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstallerIsRunning>(); },
       320,
       122,
       {{L"btnOK", 226, 105 - 21 - 15}},
       true,
       0},
      // Its message and buttons are pictures; none of the seven shows.
      {"product running",
       []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstanceIsRunning>(); },
       506,
       296,
       {},
       false,
       0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Prompt);
    TfrmBaseMsgBox& box = row.Make();
    const TAnswer a = ShowAndPress(box, VK_ESCAPE, [&] { box.ModalShow(); });
    EXPECT_FALSE(a.TimedOut);
    EXPECT_EQ(a.Shown.ClientWidth, row.Width);
    EXPECT_EQ(a.Shown.ClientHeight, row.Height);
    EXPECT_EQ(a.Shown.Buttons, row.Buttons);
    EXPECT_EQ(a.Shown.IconShown, row.IconShown);
    EXPECT_EQ(a.Shown.IconIndex, row.IconIndex);
  }
}

TEST_F(PromptsTest, BoxTypesChooseOrderAndPlaceTheButtonsAndTheIcon) {
  struct {
    uint16_t Type;
    std::vector<std::wstring> Buttons;
    int32_t Icon;
  } rows[] = {
      {0x00, {L"btnOK"}, -1},
      {0x41, {L"btnOK", L"btnCancel"}, 2},
      {0x02, {L"btnAbort", L"BtnRetry", L"btnIgnore"}, -1},
      {0x23, {L"btnYes", L"btnNo", L"btnCancel"}, 3},
      {0x24, {L"btnYes", L"btnNo"}, 3},
      {0x15, {L"BtnRetry", L"btnCancel"}, 1},
      {0x39, {L"btnOK"}, 0},
      {0x5F, {L"btnOK"}, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "type 0x" << std::hex << row.Type);
    auto& box = NewPrompt<TfrmBaseMsgBox>();
    box.SetContentText(L"确定吗?");
    box.SetBoxType(row.Type);
    box.PrepareBox();
    const TShownState s = ReadState(box);
    ASSERT_EQ(s.Buttons.size(), row.Buttons.size());
    // A row along the panel's bottom right, 20 pixels apart, the last one
    // 20 pixels from the panel's right edge.
    const int32_t n = static_cast<int32_t>(row.Buttons.size());
    for (int32_t i = 0; i < n; ++i) {
      EXPECT_EQ(s.Buttons[i].Name, row.Buttons[i]);
      EXPECT_EQ(s.Buttons[i].Left, 289 - (n - i) * (66 + 20));
      EXPECT_EQ(s.Buttons[i].Top, 107 - 21 - 15);
    }
    EXPECT_EQ(box.HintIconIndex(), row.Icon);
    EXPECT_EQ(box.imgHint->Picture() != nullptr, row.Icon != -1);
    // A one-line text fits: the box keeps its size.
    EXPECT_EQ(box.ClientWidth(), 300);
    EXPECT_EQ(box.ClientHeight(), 145);
    Application().FreeComponent(&box);
  }
}

TEST_F(PromptsTest, EnterPressesTheDefaultButtonAndEscapeCancelsOrCloses) {
  const auto message = [](uint16_t AType) {
    return [AType](TfrmBaseMsgBox& ABox) { ABox.MessageBox(nullptr, L"继续吗?", L"提示", AType); };
  };
  const auto modal = [](TfrmBaseMsgBox& ABox) { ABox.ModalShow(); };
  struct {
    const char* Case;
    std::function<TfrmBaseMsgBox&()> Make;
    std::function<void(TfrmBaseMsgBox&)> Show;
    WORD Key;
    int32_t Result;
  } rows[] = {
      {"OK/Cancel, Enter", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmBaseMsgBox>(); }, message(0x01), VK_RETURN,
       1},
      {"OK/Cancel, Escape", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmBaseMsgBox>(); }, message(0x01), VK_ESCAPE,
       2},
      {"Yes/No, second button default, Enter", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmBaseMsgBox>(); },
       message(0x104), VK_RETURN, 7},
      // No Cancel button: Escape answers as the window's close button.
      {"Yes/No, Escape", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmBaseMsgBox>(); }, message(0x04), VK_ESCAPE, 0},
      {"cancel install, Enter", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCancelInstall>(); }, modal, VK_RETURN,
       6},
      {"cancel install, Escape", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCancelInstall>(); }, modal, VK_ESCAPE,
       0},
      {"installer running, Enter", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstallerIsRunning>(); }, modal,
       VK_RETURN, 1},
      {"installer running, Escape", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstallerIsRunning>(); }, modal,
       VK_ESCAPE, 0},
      // The product is not running here: retry closes the prompt.
      {"product running, Enter", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstanceIsRunning>(); }, modal,
       VK_RETURN, 4},
      {"product running, Escape", []() -> TfrmBaseMsgBox& { return NewPrompt<TfrmCheckInstanceIsRunning>(); }, modal,
       VK_ESCAPE, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Case);
    TfrmBaseMsgBox& box = row.Make();
    const TAnswer a = ShowAndPress(box, row.Key, [&] { row.Show(box); });
    EXPECT_FALSE(a.TimedOut);
    EXPECT_EQ(a.Result, row.Result);
  }
}
