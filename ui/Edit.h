#pragma once
// TEdit: the system's single-line edit control, subclassed by the toolkit.
// The system control does all text work; the toolkit adds the font, colours
// (through WM_CTLCOLOREDIT at the parent), the change event and the border
// choice.
#include <string>

#include "ui/WinControl.h"

namespace qelvane {

// Letter case the edit forces on what is typed or set.
enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };

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
  // At most this many characters can be typed or pasted; 0: no limit.
  int32_t MaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t Value);
  // Shown instead of every character (a password field); 0: the text shows.
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value);
  // Typed and set text is turned to upper or lower case (a new window).
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  // The whole text is selected when the edit takes the focus other than by
  // a mouse press (Tab, or the program moving the focus).
  bool AutoSelect = false;
  TNotifyEvent OnChange;

  void Command(WORD ANotifyCode) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void CMFontChanged() override;
  void WndProc(TMessage& Message) override;
  // The edit paints itself; its parent-drawn look comes from CtlColor.
  virtual DWORD EditStyle() const { return ES_AUTOHSCROLL | ES_LEFT; }

private:
  std::wstring FText; // kept while there is no window
  bool FBorder = true;
  bool FReadOnly = false;
  int32_t FMaxLength = 0;
  wchar_t FPasswordChar = 0;
  TEditCharCase FCharCase = ecNormal;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  std::wstring_view ClassName() const override { return L"TEdit"; }
};

} // namespace qelvane
