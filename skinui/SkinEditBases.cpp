#include "skinui/SkinEditBases.h"

#include "ui/Colors.h"

namespace qelvane {

// --- TCustomMemo.

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {}

DWORD TCustomMemo::EditStyle() const {
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL;
  if (!FWordWrap) style |= ES_AUTOHSCROLL;
  if (WantReturns) style |= ES_WANTRETURN;
  switch (FAlignment) {
  case taRightJustify:
    style |= ES_RIGHT;
    break;
  case taCenter:
    style |= ES_CENTER;
    break;
  default:
    style |= ES_LEFT;
    break;
  }
  return style;
}

std::vector<std::wstring> TCustomMemo::Lines() const {
  const std::wstring text = Text();
  std::vector<std::wstring> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void TCustomMemo::SetLines(const std::vector<std::wstring>& Value) {
  std::wstring text;
  for (std::size_t i = 0; i < Value.size(); ++i) {
    if (i) text += L"\r\n";
    text += Value[i];
  }
  SetText(text);
}

void TCustomMemo::Recreate() {
  if (!HandleAllocated()) return;
  const std::wstring text = Text();
  RecreateWnd();
  SetText(text);
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  Recreate();
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Recreate();
}

bool TCustomMemo::CMDialogKey(WORD Key, TShiftState Shift) {
  // The form offers Enter and Tab to every control before the focused one
  // sees them; a memo that wants them takes them into its text.
  if (!Focused() || ReadOnly() || (Shift & (ssCtrl | ssAlt))) return false;
  const wchar_t* insert = nullptr;
  if (Key == VK_RETURN && WantReturns) insert = L"\r\n";
  if (Key == VK_TAB && WantTabs && !(Shift & ssShift)) insert = L"\t";
  if (!insert) return false;
  SendMessageW(HandleIfAllocated(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert));
  return true;
}

void TCustomMemo::WndProc(TMessage& m) {
  // The native multi-line edit breaks the line at the Enter character
  // whatever its styles say outside a dialog.
  if (m.Msg == WM_CHAR && m.WParam == L'\r' && !WantReturns) return;
  TCustomEdit::WndProc(m);
}

// --- TCustomHotKey.

TCustomHotKey::TCustomHotKey(TComponent* AOwner) : TWinControl(AOwner) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_HOTKEY_CLASS};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  TabStop = true;
  SetColor(clWindow);
}

void TCustomHotKey::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.SystemClassName = HOTKEY_CLASSW;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomHotKey::CreateHandle() {
  TWinControl::CreateHandle();
  ApplyRules();
  ApplyHotKey();
}

void TCustomHotKey::CMFontChanged() {
  if (HandleAllocated()) SendMessageW(HandleIfAllocated(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  TWinControl::CMFontChanged();
}

WORD TCustomHotKey::HotKey() const {
  if (!HandleAllocated()) return FHotKey;
  return LOBYTE(LOWORD(SendMessageW(HandleIfAllocated(), HKM_GETHOTKEY, 0, 0)));
}

THKModifiers TCustomHotKey::Modifiers() const {
  if (!HandleAllocated()) return FModifiers;
  return HIBYTE(LOWORD(SendMessageW(HandleIfAllocated(), HKM_GETHOTKEY, 0, 0)));
}

void TCustomHotKey::SetHotKey(WORD Value) {
  FModifiers = Modifiers();
  FHotKey = Value;
  ApplyHotKey();
}

void TCustomHotKey::SetModifiers(THKModifiers Value) {
  FHotKey = HotKey();
  FModifiers = Value;
  ApplyHotKey();
}

void TCustomHotKey::SetInvalidKeys(THKInvalidKeys Value) {
  FInvalidKeys = Value;
  ApplyRules();
}

void TCustomHotKey::ApplyHotKey() {
  if (HandleAllocated()) SendMessageW(HandleIfAllocated(), HKM_SETHOTKEY, MAKEWORD(FHotKey, FModifiers), 0);
}

void TCustomHotKey::ApplyRules() {
  if (HandleAllocated()) SendMessageW(HandleIfAllocated(), HKM_SETRULES, FInvalidKeys, MAKELPARAM(FModifiers, 0));
}

} // namespace qelvane
