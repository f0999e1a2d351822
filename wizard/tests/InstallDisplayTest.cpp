// The installing page's display while files stream past: redraws are spaced
// out, nothing the sequence reported is lost, and the ends show at once.
#include <gtest/gtest.h>

#include "skinui/SkinLabel.h"
#include "skinui/tests/SkinUiTestSupport.h"
#include "ui/ProgressBar.h"
#include "ui/tests/UiTestSupport.h"
#include "wizard/InstallDisplay.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

struct InstallDisplayTest : ::testing::Test {
  TPatternForm* Form = nullptr;
  TSkinLabel* Status = nullptr;
  TProgressBar* Bar = nullptr;

  void SetUp() override {
    Form = &Application().CreateForm<TPatternForm>();
    Status = &TComponent::Create<TSkinLabel>(*Form);
    Status->SetBounds(10, 10, 200, 18);
    Status->SetParent(Form);
    Bar = &TComponent::Create<TProgressBar>(*Form);
    Bar->SetBounds(10, 40, 200, 17);
    Bar->SetParent(Form);
    Form->Show();
    Pump();
  }
  void TearDown() override {
    if (Application().IsLiveForm(Form)) Application().FreeComponent(Form);
  }
  std::wstring Shown() const { return Status->Caption(); }
};

} // namespace

TEST_F(InstallDisplayTest, WhileFilesStreamPastRedrawsWaitButTheEndsAndFlushShowEverything) {
  TInstallDisplay display(*Form, *Status, *Bar, 60000); // nothing falls due during the test
  display.SetStatus(L"正在复制文件");                   // no range yet: at once
  EXPECT_EQ(Shown(), L"正在复制文件");
  display.SetProgressRange(0, 10);
  display.SetProgress(0); // the first position: at once
  EXPECT_EQ(Bar->Position(), 0);

  display.SetStatus(L"正在复制文件: a.txt"); // the first file: at once
  EXPECT_EQ(Shown(), L"正在复制文件: a.txt");
  display.SetProgress(1);
  display.SetStatus(L"正在复制文件: b.txt");
  EXPECT_EQ(Shown(), L"正在复制文件: a.txt") << "streaming: waits for its turn";
  EXPECT_EQ(Bar->Position(), 0);
  display.SetProgress(10); // the last position: at once, with the waiting status
  EXPECT_EQ(Bar->Position(), 10);
  EXPECT_EQ(Shown(), L"正在复制文件: b.txt");
  display.SetStatus(L"正在创建快捷方式"); // the copy is over: at once
  EXPECT_EQ(Shown(), L"正在创建快捷方式");

  // A failure in the middle: Flush shows where it stopped.
  display.SetProgressRange(0, 10);
  display.SetProgress(0);
  display.SetProgress(4);
  display.SetStatus(L"正在复制文件: c.txt");
  display.Flush();
  EXPECT_EQ(Bar->Position(), 4);
  EXPECT_EQ(Shown(), L"正在复制文件: c.txt");
}

TEST_F(InstallDisplayTest, AWaitingValueIsShownByTheTimerWhileMessagesAreProcessed) {
  TInstallDisplay display(*Form, *Status, *Bar, 30);
  display.SetProgressRange(0, 10);
  display.SetProgress(0);
  display.SetProgress(3);
  display.SetStatus(L"正在复制文件: a.txt");
  const DWORD start = GetTickCount();
  while (Bar->Position() != 3 && GetTickCount() - start < 2000)
    Pump();
  EXPECT_EQ(Bar->Position(), 3);
  EXPECT_EQ(Shown(), L"正在复制文件: a.txt");
}
