#include "wizard/BaseMsgBox.h"

#include "installer/Profile.h"
#include "wizard/FormPictures.h"

namespace qelvane {

TfrmBaseMsgBox::TfrmBaseMsgBox(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetName(L"frmBaseMsgBox");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu);
  Position = poScreenCenter;
  SetClientSize(300, 145);
  SetCaption(L"提示");
  pnlMain = &TComponent::Create<TSkinPanel>(*this);
  pnlMain->SetName(L"pnlMain");
  pnlMain->SetBounds(2, 34, 289, 107);
  pnlMain->SetParent(this);
  pnlMain->Font().SetName(L"微软雅黑");
  pnlMain->Font().SetHeight(-12);
  imgHint = &TComponent::Create<TImage>(*this);
  imgHint->SetName(L"imgHint");
  imgHint->SetBounds(9, 29, 48, 48);
  imgHint->SetTransparent(true);
  imgHint->SetStretch(true);
  imgHint->SetParent(pnlMain);
  lblText = &TComponent::Create<TSkinLabel>(*this);
  lblText->SetName(L"lblText");
  lblText->SetBounds(76, 42, 10, 20);
  lblText->UseSkinFont = false;
  lblText->Font().SetName(L"Tahoma");
  lblText->Font().SetHeight(-12);
  lblText->SetParent(pnlMain);

  struct TButtonDef {
    TSkinButton** Field;
    const wchar_t* Name;
    const wchar_t* Caption;
    int Tag;
  } defs[] = {{&btnOK, L"btnOK", L"确定", 1},
              {&btnCancel, L"btnCancel", L"取消", 2},
              {&btnAbort, L"btnAbort", L"终止", 3},
              {&BtnRetry, L"BtnRetry", L"重试", 4},
              {&btnIgnore, L"btnIgnore", L"忽略", 5},
              {&btnYes, L"btnYes", L"是", 6},
              {&btnNo, L"btnNo", L"否", 7}};
  for (const TButtonDef& d : defs) {
    TSkinButton& b = TComponent::Create<TSkinButton>(*this);
    b.SetName(d.Name);
    b.SetCaption(d.Caption);
    b.Tag = d.Tag;
    b.SetBounds(0, 0, 66, 21);
    b.SetButtonStyle(L"0");
    b.SetIsDrawIconCaption(true);
    b.Font().SetName(L"微软雅黑");
    b.Font().SetHeight(-12);
    b.Hide();
    b.SetParent(pnlMain);
    b.OnClick = [this](TObject* Sender) { btnPressClick(Sender); };
    *d.Field = &b;
  }
  imglstHint = &TComponent::Create<TImageList>(*this);
  imglstHint->SetName(L"imglstHint");
  imglstHint->Width = imglstHint->Height = 48;
  for (const wchar_t* icon : {L"ICON_EXCLAMATION", L"ICON_STOP", L"ICON_INFO", L"ICON_QUESTION"})
    imglstHint->Add(FormPicture(icon));
  SetCaption(ProductTag() + L" 安装向导");
}

void TfrmBaseMsgBox::SetCaptionStr(const std::wstring& Value) {
  FCaptionStr = Value;
  SetCaption(Value);
  Invalidate();
}

void TfrmBaseMsgBox::SetContentText(const std::wstring& Value) {
  FContentText = Value;
  lblText->SetCaption(Value);
}

void TfrmBaseMsgBox::SetBoxType(uint16_t AType) {
  FContentText.clear();
  FCaptionStr.clear();
  FType = 0;
  FReturnValue = 0;
  FHintIconIndex = -1;
  FDefaultBtnIndex = 0;
  FInUsed = false;
  FUsedBtnList.clear();
  FType = AType;
  FButtonType = AType & 0x0F;
  FHintIconType = AType & 0xF0;
  FDefautBtnType = AType & 0xF00;
  switch (FButtonType) {
  case 1:
    FUsedBtnList = {btnOK, btnCancel};
    break;
  case 2:
    FUsedBtnList = {btnAbort, BtnRetry, btnIgnore};
    break;
  case 3:
    FUsedBtnList = {btnYes, btnNo, btnCancel};
    break;
  case 4:
    FUsedBtnList = {btnYes, btnNo};
    break;
  case 5:
    FUsedBtnList = {BtnRetry, btnCancel};
    break;
  default:
    FUsedBtnList = {btnOK};
    break;
  }
  switch (FHintIconType) {
  case 0x10:
    FHintIconIndex = 1;
    break;
  case 0x20:
    FHintIconIndex = 3;
    break;
  case 0x30:
    FHintIconIndex = 0;
    break;
  case 0x40:
    FHintIconIndex = 2;
    break;
  default:
    FHintIconIndex = -1;
    break;
  }
  FDefaultBtnIndex = FDefautBtnType >> 8;
}

void TfrmBaseMsgBox::PrepareBox() {
  LayoutButtons();
  LoadHintIcon();
  FitToContent();
}

void TfrmBaseMsgBox::LayoutButtons() {
  for (TSkinButton* b : {btnOK, btnCancel, btnAbort, BtnRetry, btnIgnore, btnYes, btnNo})
    b->Hide();
  const int32_t n = static_cast<int32_t>(FUsedBtnList.size());
  for (int32_t i = 0; i < n; ++i) {
    TSkinButton* b = FUsedBtnList[static_cast<size_t>(i)];
    b->SetTop(pnlMain->Height() - b->Height() - 15);
    b->SetLeft(pnlMain->Width() - (n - i) * (b->Width() + 20));
    b->Show();
  }
}

void TfrmBaseMsgBox::LoadHintIcon() {
  if (FHintIconIndex != -1) imgHint->SetPicture(imglstHint->GetBitmap(FHintIconIndex));
}

void TfrmBaseMsgBox::FitToContent() {
  const int32_t right = lblText->Left() + lblText->Width();
  if (right > Width() - 20) SetWidth(right + 20);
  // Only a button the box shows takes room: a prompt that places its own
  // buttons (or pictures) leaves the others hidden at 0/0.
  const std::vector<TSkinButton*> shown = ShownButtons();
  if (!shown.empty()) {
    // The label and the buttons lie on the same panel.
    const int32_t buttonTop = shown.back()->Top();
    const int32_t labelBottom = lblText->Top() + lblText->Height();
    if (buttonTop - 10 < labelBottom) SetHeight(lblText->Top() + Height() + lblText->Height() - buttonTop + 10);
  }
  Constraints.MinWidth = Constraints.MaxWidth = Width();
  Constraints.MinHeight = Constraints.MaxHeight = Height();
}

std::vector<TSkinButton*> TfrmBaseMsgBox::ShownButtons() const {
  std::vector<TSkinButton*> shown;
  for (TSkinButton* b : FUsedBtnList)
    if (b->Visible()) shown.push_back(b);
  return shown;
}

TControl* TfrmBaseMsgBox::DefaultButton() const {
  const std::vector<TSkinButton*> shown = ShownButtons();
  if (shown.empty()) return nullptr;
  const auto index = static_cast<size_t>(FDefaultBtnIndex);
  return index < shown.size() ? shown[index] : shown.front();
}

TControl* TfrmBaseMsgBox::CancelButton() const {
  for (TSkinButton* b : ShownButtons())
    if (b == btnCancel) return b;
  return nullptr;
}

bool TfrmBaseMsgBox::DialogKey(WORD Key, TShiftState Shift) {
  if (TDefaultSkinForm::DialogKey(Key, Shift)) return true;
  if (Shift & (ssCtrl | ssAlt)) return false;
  if (Key == VK_RETURN) {
    TControl* button = nullptr;
    for (TSkinButton* b : ShownButtons())
      if (b->Focused()) button = b;
    if (!button) button = DefaultButton();
    if (!button) return false;
    if (button->EffectivelyEnabled()) button->Click();
    return true;
  }
  if (Key == VK_ESCAPE) {
    if (TControl* cancel = CancelButton()) {
      cancel->Click();
    } else {
      // As the window's close button: no result.
      FReturnValue = 0;
      Close();
    }
    return true;
  }
  return false;
}

void TfrmBaseMsgBox::btnPressClick(TObject* Sender) {
  auto* control = dynamic_cast<TComponent*>(Sender);
  FReturnValue = control ? static_cast<int32_t>(control->Tag) : 0;
  SetModalResult(FReturnValue ? FReturnValue : mrCancel);
  Close();
}

void TfrmBaseMsgBox::DoClose(TCloseAction& Action) {
  TDefaultSkinForm::DoClose(Action);
  FInUsed = false;
  Action = caFree; // the form frees itself once closed
}

void TfrmBaseMsgBox::ModalShow() {
  ShowModal();
}

int32_t TfrmBaseMsgBox::MessageBox(HWND AhWnd, const std::wstring& AText, const std::wstring& ACaption,
                                   uint16_t AType) {
  FInUsed = true;
  FatherHWND = AhWnd;
  SetContentText(AText);
  SetCaptionStr(ACaption);
  SetBoxType(AType);
  PrepareBox();
  ShowModal();
  FInUsed = false;
  return FReturnValue;
}

} // namespace qelvane
