#include "gallery/GalleryForm.h"

#include "skin/SkinMng.h"
#include "skinui/SkinButton.h"
#include "skinui/SkinCheckBox.h"
#include "skinui/SkinImage.h"
#include "skinui/SkinLabel.h"
#include "skinui/SkinPanel.h"
#include "wizard/FormPictures.h"

namespace qelvane {

void SetUpGallerySheet(TDefaultSkinForm& AForm, const std::wstring& AName, const std::wstring& ACaption) {
  AForm.SetName(AName);
  AForm.SetBorderStyle(bsSingle);
  AForm.SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  AForm.SetCaption(ACaption);
  AForm.Font().SetColor(0xFFFFFF);
  AForm.SetBounds(60, 60, 562, 371);
}

TGalleryForm::TGalleryForm(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetUpGallerySheet(*this, L"frmGallery", L"Qelvane 控件一览");

  // Buttons: normal, with the keyboard focus, disabled, transparent.
  const wchar_t* captions[] = {L"确定", L"焦点", L"不可用", L"透明"};
  for (int i = 0; i < 4; ++i) {
    TSkinButton& b = AddGalleryControl<TSkinButton>(*this, *this, 20 + i * 84, 44, 72, 24);
    b.SetButtonStyle(L"0");
    b.SetCaption(captions[i]);
    b.SetIsDrawIconCaption(true);
    if (i == 1) FFocusButton = &b;
    if (i == 2) b.SetEnabled(false);
    if (i == 3) b.SetTransprent(true);
  }

  // Check boxes: unchecked, checked, grayed, disabled and checked.
  const wchar_t* boxes[] = {L"未选中", L"已选中", L"不确定", L"不可用"};
  for (int i = 0; i < 4; ++i) {
    TSkinCheckBox& c = AddGalleryControl<TSkinCheckBox>(*this, *this, 20 + i * 84, 84, 80, 17);
    c.SetCaption(boxes[i]);
    if (i == 1 || i == 3) c.SetChecked(true);
    if (i == 2) c.SetState(cbGrayed);
    if (i == 3) c.SetEnabled(false);
  }

  // Labels: one line, wrapped beside the parent's edge, a link look.
  TSkinLabel& one = AddGalleryControl<TSkinLabel>(*this, *this, 20, 116, 10, 20);
  one.SetCaption(L"标签：自动适应文字宽度");
  TSkinLabel& link = AddGalleryControl<TSkinLabel>(*this, *this, 220, 116, 10, 20);
  link.UseSkinFont = false;
  link.Font().SetName(L"宋体");
  link.Font().SetHeight(-14);
  link.Font().SetColor(0xFF0000);
  link.Font().SetStyle(fsUnderline);
  link.Cursor = crHandPoint;
  link.SetCaption(L"许可协议");

  // A panel with the skin's nine-grid background holding a wrapped label.
  TSkinPanel& panel = AddGalleryControl<TSkinPanel>(*this, *this, 20, 146, 320, 120);
  if (SkinMng().SkinPanelStyles().StyleList.size() > 0)
    panel.SetBitmap(SkinMng().SkinPanelStyles().StyleList.front()->FormClientPanelBackImage);
  FWrapped = &AddGalleryControl<TSkinLabel>(*this, panel, 12, 12, 10, 20); // its caption comes in DoCreate
  TSkinCheckBox& inPanel = AddGalleryControl<TSkinCheckBox>(*this, panel, 12, 88, 120, 17);
  inPanel.SetCaption(L"面板中的复选框");
  inPanel.SetChecked(true);

  // A picture control (the product logo, scaled down).
  TSkinImage& logo = AddGalleryControl<TSkinImage>(*this, *this, 356, 150, 180, 61);
  logo.SetImage(FormPicture(L"LOGO"));
  logo.Stretch = true;
}

void TGalleryForm::DoCreate() {
  TDefaultSkinForm::DoCreate();
  // After loading: a label sizes itself to its plain one-line text once it is
  // loaded, and wraps beside its parent's edge only for captions given later.
  FWrapped->SetCaption(L"面板里的标签在面板右边缘之前自动换行，显示为多行文字，这是一个较长的说明。");
}

void TGalleryForm::DoShow() {
  TDefaultSkinForm::DoShow();
  if (FFocusButton) FFocusButton->SetFocus();
}

void TGalleryForm::Paint() {
  TDefaultSkinForm::Paint();
  if (FPainted) return;
  FPainted = true;
  GdiFlush();
  if (OnFirstFrame) OnFirstFrame();
}

} // namespace qelvane
