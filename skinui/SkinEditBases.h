#pragma once
// The plain native controls the skinned memo and hot key build on: a
// multi-line edit (TCustomMemo) and the system's hot-key control
// (TCustomHotKey). The system controls do all the work; these classes keep
// their settings while there is no window and pass them on.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Edit.h"
#include "ui/WinControl.h"

namespace qelvane {

class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TCustomMemo"; }

  // The text as lines (separated by CR LF in the control).
  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& Value);
  // Settings that recreate the window (the text is kept).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Enter and Tab go into the text instead of the form. Without WantReturns
  // Enter is the form's (a control taking it as a dialog key, such as a
  // default button) and never breaks the line; Ctrl+Enter still does.
  bool WantReturns = true;
  bool WantTabs = false;

  bool CMDialogKey(WORD Key, TShiftState Shift) override;

protected:
  DWORD EditStyle() const override;
  void WndProc(TMessage& Message) override;

private:
  void Recreate();

  bool FWordWrap = true;
  TAlignment FAlignment = taLeftJustify;
};

// Modifier keys of a hot key.
enum THKModifier : uint8_t {
  hkShift = HOTKEYF_SHIFT,
  hkCtrl = HOTKEYF_CONTROL,
  hkAlt = HOTKEYF_ALT,
  hkExt = HOTKEYF_EXT
};
using THKModifiers = uint8_t;
// Modifier combinations the control refuses (it adds the default modifiers).
enum THKInvalidKey : uint8_t {
  hcNone = 0x01,
  hcShift = 0x02,
  hcCtrl = 0x04,
  hcAlt = 0x08,
  hcShiftCtrl = 0x10,
  hcShiftAlt = 0x20,
  hcCtrlAlt = 0x40,
  hcShiftCtrlAlt = 0x80
};
using THKInvalidKeys = uint8_t;

class TCustomHotKey : public TWinControl {
public:
  explicit TCustomHotKey(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TCustomHotKey"; }

  // The key (a virtual-key code) and its modifiers, as the control holds them.
  WORD HotKey() const;
  void SetHotKey(WORD Value);
  THKModifiers Modifiers() const;
  void SetModifiers(THKModifiers Value);
  THKInvalidKeys InvalidKeys() const { return FInvalidKeys; }
  void SetInvalidKeys(THKInvalidKeys Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void CMFontChanged() override;

private:
  void ApplyHotKey();
  void ApplyRules();

  WORD FHotKey = 'A';
  THKModifiers FModifiers = hkAlt;
  THKInvalidKeys FInvalidKeys = hcNone | hcShift;
};

} // namespace qelvane
