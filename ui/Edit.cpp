#include "ui/Edit.h"

#include "ui/Colors.h"

namespace qelvane {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  TabStop = true;
  SetColor(clWindow);
  Cursor = crIBeam;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.SystemClassName = L"EDIT";
  Params.Caption = FText;
  Params.Style |= EditStyle();
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FBorder) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandle() {
  TWinControl::CreateHandle();
  SendMessageW(FHandle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
}

std::wstring TCustomEdit::Text() const {
  if (!FHandle) return FText;
  const int n = GetWindowTextLengthW(FHandle);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(FHandle, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

void TCustomEdit::SetText(const std::wstring& Value) {
  FText = Value;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str()); // EN_CHANGE fires OnChange
}

void TCustomEdit::SetBorderStyleSingle(bool Value) {
  if (Value == FBorder) return;
  FBorder = Value;
  FText = Text();
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, Value, 0);
}

void TCustomEdit::Command(WORD ANotifyCode) {
  if (ANotifyCode == EN_CHANGE && OnChange) OnChange(this);
}

void TCustomEdit::CMFontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  TWinControl::CMFontChanged();
}

} // namespace qelvane
