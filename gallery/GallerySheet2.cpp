#include "gallery/GallerySheet2.h"

#include "gallery/GalleryForm.h"

#include <string>
#include <vector>

#include "skinui/SkinEdits.h"
#include "skinui/SkinLabel.h"
#include "skinui/SkinZoneView.h"
#include "skinui/SkinZoneViewStyle.h"
#include "ui/HostTracker.h"

namespace qelvane {

namespace {

TZone& AddGroup(TZoneList& AList, const std::wstring& AName, bool AExpanded) {
  TZone& group = AList.Add();
  group.SetHeight(26);
  group.SetZoneName(AName);
  group.SetExpanded(AExpanded);
  return group;
}

TZone& AddContact(TZoneList& AList, const std::wstring& AName, const std::wstring& ANote) {
  TZone& z = AList.Add();
  z.SetHeight(40);
  z.SetZoneName(AName + L"\n" + ANote);
  return z;
}

} // namespace

TGallerySheet2Form::TGallerySheet2Form(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetUpGallerySheet(*this, L"frmGallerySheet2", L"Qelvane 控件一览（二）");

  // The zone view: groups with members, one group inside another, expanded
  // and collapsed groups, and a list long enough to scroll.
  TSkinZoneView& view = AddGalleryControl<TSkinZoneView>(*this, *this, 20, 44, 250, 300);
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(*this);
  style.SetStyleName(L"Default");
  style.SetZoneView(&view);
  view.BeginUpdate();
  TZone& friends = AddGroup(view.Zones(), L"我的好友（4）", false);
  AddContact(friends.ChildZones(), L"林晓", L"今天天气不错");
  AddContact(friends.ChildZones(), L"周文", L"在开会，稍后回复");
  TZone& school = AddGroup(friends.ChildZones(), L"同学（2）", false);
  AddContact(school.ChildZones(), L"陈思远", L"周末一起去爬山吧");
  AddContact(school.ChildZones(), L"王可", L"照片已经发给你了");
  TZone& work = AddGroup(view.Zones(), L"同事（3）", false);
  AddContact(work.ChildZones(), L"赵经理", L"明天上午十点开会");
  AddContact(work.ChildZones(), L"孙工", L"接口文档已更新");
  AddContact(work.ChildZones(), L"吴敏", L"收到，谢谢");
  TZone& recent = AddGroup(view.Zones(), L"最近联系人（20）", false);
  for (int i = 1; i <= 20; ++i)
    AddContact(recent.ChildZones(), L"联系人 " + std::to_wstring(i), L"最后一条消息 " + std::to_wstring(i));
  // Expanding one group collapses the others unless MultiExpand is set (it is).
  friends.SetExpanded(true);
  school.SetExpanded(true);
  recent.SetExpanded(true);
  view.EndUpdate();

  // Edits: normal, hover, focused.
  const int32_t col = 290, edW = 250;
  const wchar_t* captions[] = {L"普通", L"悬停", L"焦点"};
  const wchar_t* texts[] = {L"C:\\Program Files\\Qelvane", L"鼠标停在这里", L"正在输入的文字"};
  for (int i = 0; i < 3; ++i) {
    TSkinLabel& l = AddGalleryControl<TSkinLabel>(*this, *this, col, 50 + i * 34, 10, 20);
    l.SetCaption(captions[i]);
    TSkinEdit& e = AddGalleryControl<TSkinEdit>(*this, *this, col + 44, 46 + i * 34, edW - 44, 24);
    e.SetText(texts[i]);
    if (i == 1) FHoverEdit = &e;
    if (i == 2) FFocusEdit = &e;
  }

  // A memo of several lines.
  TSkinLabel& memoLabel = AddGalleryControl<TSkinLabel>(*this, *this, col, 150, 10, 20);
  memoLabel.SetCaption(L"多行文本");
  TSkinFlatMemo& memo = AddGalleryControl<TSkinFlatMemo>(*this, *this, col, 172, edW, 92);
  memo.SetLines({L"Qelvane 3.0 更新说明：", L"· 全新的界面外观", L"· 更快的启动速度", L"· 修复了若干已知问题"});

  // Hot keys: one empty, one holding Ctrl+Alt+Q.
  TSkinLabel& keyLabel = AddGalleryControl<TSkinLabel>(*this, *this, col, 280, 10, 20);
  keyLabel.SetCaption(L"热键");
  TSkinHotKey& empty = AddGalleryControl<TSkinHotKey>(*this, *this, col + 44, 276, 96, 24);
  empty.SetHotKey(0);
  empty.SetModifiers(0);
  TSkinHotKey& key = AddGalleryControl<TSkinHotKey>(*this, *this, col + 150, 276, 100, 24);
  key.SetHotKey('Q');
  key.SetModifiers(hkCtrl | hkAlt);
}

void TGallerySheet2Form::FocusEdit() {
  if (FFocusEdit) FFocusEdit->SetFocus();
}

void TGallerySheet2Form::DoShow() {
  TDefaultSkinForm::DoShow();
  // The hover look: the pointer rests on the second edit.
  if (FHoverEdit) {
    POINT p{FHoverEdit->Width() / 2, FHoverEdit->Height() / 2};
    ::ClientToScreen(FHoverEdit->Handle(), &p);
    SetCursorPos(p.x, p.y);
    // The form's tracker takes the edit as hovered now, before the pointer's
    // first move reaches it.
    HostTrackerOf(*FHoverEdit).SetMouseControl(FHoverEdit);
  }
}

} // namespace qelvane
