#pragma once
// TEdit: the system's single-line edit control, subclassed by the toolkit.
// The system control does all text work; the toolkit adds the font, colours
// (through WM_CTLCOLOREDIT at the parent), the change event and the border
// choice.
#include <string>

#include "ui/WinControl.h"

namespace qelvane {

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TCustomEdit"; }

  std::wstring Text() const;
  void SetText(const std::wstring& Value);
  bool BorderStyleSingle() const { return FBorder; }
  void SetBorderStyleSingle(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TNotifyEvent OnChange;

  void Command(WORD ANotifyCode) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void CMFontChanged() override;
  // The edit paints itself; its parent-drawn look comes from CtlColor.
  virtual DWORD EditStyle() const { return ES_AUTOHSCROLL | ES_LEFT; }

private:
  std::wstring FText; // kept while there is no window
  bool FBorder = true;
  bool FReadOnly = false;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  std::wstring_view ClassName() const override { return L"TEdit"; }
};

} // namespace qelvane
