#include "gallery/GalleryPopup.h"

#include "skin/SkinMng.h"
#include "skinui/SkinPopupMenu.h"

namespace qelvane {

void ShowGalleryPopup(TCustomForm& AForm, bool ASkinLook) {
  if (!ASkinLook) SkinMng().PopupMenuSkin().Customize = false;
  TSkinPopupMenu& menu = TComponent::Create<TSkinPopupMenu>(AForm);
  menu.ShowTail = !ASkinLook;
  TMenuItem& root = menu.Items();
  root.Add(L"打开安装目录", [](TMenuItem&) {});
  root.Add(L"查看安装日志", [](TMenuItem&) {});
  root.AddSeparator();
  TMenuItem& autoStart = root.Add(L"开机时自动启动");
  autoStart.AutoCheck = true;
  autoStart.Checked = true;
  TMenuItem& more = root.Add(L"更多选项");
  more.Add(L"检查更新", [](TMenuItem&) {});
  more.Add(L"语言设置", [](TMenuItem&) {});
  more.AddSeparator();
  TMenuItem& notes = more.Add(L"显示通知");
  notes.AutoCheck = true;
  notes.Checked = true;
  more.Add(L"关于 Qelvane", [](TMenuItem&) {});
  root.Add(L"修复安装（不可用）").Enabled = false;
  root.AddSeparator();
  root.Add(L"退出", [](TMenuItem&) {});

  POINT anchor{170, 70};
  ClientToScreen(AForm.Handle(), &anchor);
  menu.Popup(anchor.x, anchor.y);
  TSkinPopupLevel* level = menu.RootLevel();
  if (!level || !level->Visible) return;
  level->ShowSubmenu(4);
  if (TSkinPopupLevel* sub = level->Child(4)) sub->SetHotIndex(1);
}

} // namespace qelvane
