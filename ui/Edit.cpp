#include "ui/Edit.h"

#include <algorithm>

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
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (FBorder) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandle() {
  TWinControl::CreateHandle();
  SendMessageW(FHandle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
  SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) SendMessageW(FHandle, EM_SETPASSWORDCHAR, FPasswordChar, 0);
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

void TCustomEdit::SetMaxLength(int32_t Value) {
  FMaxLength = std::max(Value, 0);
  if (FHandle) SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetPasswordChar(wchar_t Value) {
  if (Value == FPasswordChar) return;
  FPasswordChar = Value;
  if (!FHandle) return;
  SendMessageW(FHandle, EM_SETPASSWORDCHAR, Value, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (Value == FCharCase) return;
  FCharCase = Value;
  if (!FHandle) return;
  // The case style is read when the window is made; its text is set again
  // through it, so it takes the case too.
  FText = Text();
  RecreateWnd();
}

void TCustomEdit::WndProc(TMessage& m) {
  TWinControl::WndProc(m);
  if (m.Msg == WM_SETFOCUS && AutoSelect && GetKeyState(VK_LBUTTON) >= 0 && FHandle)
    SendMessageW(FHandle, EM_SETSEL, 0, -1);
}

void TCustomEdit::Command(WORD ANotifyCode) {
  if (ANotifyCode == EN_CHANGE && OnChange) OnChange(this);
}

void TCustomEdit::CMFontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  TWinControl::CMFontChanged();
}

} // namespace qelvane
