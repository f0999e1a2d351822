#pragma once
// Skinned edit, memo and hot key: the native controls do all the text work;
// the skin replaces their border, which each control paints into its
// non-client area, and gives them the skin manager's font (both shared in
// TSkinFramedControl).
// Each class keeps a list of its live instances through which the skin
// manager tells them of a new skin.
#include <windows.h>

#include "skin/SkinClassMembers.h"
#include "skinui/SkinEditBases.h"
#include "skinui/SkinEditFrame.h"
#include "ui/Edit.h"
#include "ui/GdiHandles.h"

namespace qelvane {

extern template class TSkinFramedControl<TCustomEdit>;
extern template class TSkinFramedControl<TCustomMemo>;
extern template class TSkinFramedControl<TCustomHotKey>;

class TSkinEdit : public TSkinFramedControl<TCustomEdit>, public TSkinClassMembers<TSkinEdit, scoSkinEdit, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinEdit";
  explicit TSkinEdit(TComponent* AOwner) : TSkinFramedControl(AOwner) {}
  std::wstring_view ClassName() const override { return L"TSkinEdit"; }

  // The edit draws its text over the parent's image and has only the outer
  // ring, taken from the parent (the 3-D border goes).
  bool BkgndTransparent() const { return FBkgndTransparent; }
  void SetBkgndTransparent(bool Value);
  // Typing is refused (characters, deleting, cutting, pasting) while the
  // text can still be selected, navigated and copied.
  bool BkgndReadOnly = false;

  void CMShowingChanged() override;
  HBRUSH CtlColor(HDC ADC) override;

protected:
  bool HasSkinBorder() const override { return BorderStyleSingle(); }
  bool OuterRingOnly() const override { return FBkgndTransparent; }
  // One ring inside the 3-D border.
  int RingsInsideClient() const override { return !FBkgndTransparent && BorderStyleSingle() ? 1 : 0; }
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

  TBrushHandle FBrush;

private:
  bool FBkgndTransparent = false;
};

class TSkinFlatMemo : public TSkinFramedControl<TCustomMemo>,
                      public TSkinClassMembers<TSkinFlatMemo, scoSkinFlatMemo, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinFlatMemo";
  explicit TSkinFlatMemo(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TSkinFlatMemo"; }

protected:
  // Flat: all four rings lie inside the window.
  int RingsInsideClient() const override { return 4; }
};

class TSkinHotKey : public TSkinFramedControl<TCustomHotKey>,
                    public TSkinClassMembers<TSkinHotKey, scoSkinHotKey, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinHotKey";
  explicit TSkinHotKey(TComponent* AOwner) : TSkinFramedControl(AOwner) {}
  std::wstring_view ClassName() const override { return L"TSkinHotKey"; }
};

} // namespace qelvane
