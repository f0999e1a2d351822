#pragma once
// Skinned edit, memo and hot key: the native controls do all the text work;
// the skin replaces their border, which each control paints into its
// non-client area (TSkinEditFrame), and gives them the skin manager's font.
// Each class keeps a list of its live instances through which the skin
// manager tells them of a new skin.
#include <windows.h>

#include "skin/SkinClassMembers.h"
#include "skinui/SkinEditBases.h"
#include "skinui/SkinEditFrame.h"
#include "ui/Edit.h"
#include "ui/GdiHandles.h"

namespace qelvane {

class TSkinEdit : public TCustomEdit, public TSkinClassMembers<TSkinEdit, scoSkinEdit, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinEdit";
  explicit TSkinEdit(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TSkinEdit"; }

  // The edit draws its text over the parent's image and has only the outer
  // ring, taken from the parent (the 3-D border goes).
  bool BkgndTransparent() const { return FBkgndTransparent; }
  void SetBkgndTransparent(bool Value);
  // Typing is refused (characters, deleting, cutting, pasting) while the
  // text can still be selected, navigated and copied.
  bool BkgndReadOnly = false;

  const TColor& InsideFrameColor() const { return FFrame.FInsideFrameColor; }
  const TColor& outerFrameColor() const { return FFrame.FouterFrameColor; }
  bool MouseInControl() const { return FFrame.FMouseInControl; }
  void RefreshParentImage() { FFrame.RefreshParentImage(*this); }
  void RedrawBorder();

  void SkinClassChangeSkinFile() { ChangeSkinFile(); }
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void CMShowingChanged() override;
  HBRUSH CtlColor(HDC ADC) override;

protected:
  void Loaded() override;
  virtual void ChangeSkinFile();
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void WndProc(TMessage& Message) override;

  TBrushHandle FBrush;

private:
  TSkinEditFrame FFrame;
  bool FBkgndTransparent = false;
};

class TSkinFlatMemo : public TCustomMemo, public TSkinClassMembers<TSkinFlatMemo, scoSkinFlatMemo, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinFlatMemo";
  explicit TSkinFlatMemo(TComponent* AOwner);
  ~TSkinFlatMemo() override;
  std::wstring_view ClassName() const override { return L"TSkinFlatMemo"; }

  const TColor& InsideFrameColor() const { return FFrame.FInsideFrameColor; }
  const TColor& outerFrameColor() const { return FFrame.FouterFrameColor; }
  bool MouseInControl() const { return FFrame.FMouseInControl; }
  void RefreshParentImage() { FFrame.RefreshParentImage(*this); }
  void RedrawBorder();

  void SkinClassChangeSkinFile() { ChangeSkinFile(); }
  void CMMouseEnter() override;
  void CMMouseLeave() override;

protected:
  void Loaded() override;
  virtual void ChangeSkinFile();
  void CreateHandle() override;
  void WndProc(TMessage& Message) override;

private:
  TSkinEditFrame FFrame;
};

class TSkinHotKey : public TCustomHotKey, public TSkinClassMembers<TSkinHotKey, scoSkinHotKey, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinHotKey";
  explicit TSkinHotKey(TComponent* AOwner);
  ~TSkinHotKey() override;
  std::wstring_view ClassName() const override { return L"TSkinHotKey"; }

  TColor InsideFrameColor() const { return FFrame.FInsideFrameColor; }
  void SetInsideFrameColor(TColor Value);
  TColor outerFrameColor() const { return FFrame.FouterFrameColor; }
  void SetouterFrameColor(TColor Value) { FFrame.FouterFrameColor = Value; }
  bool MouseInControl() const { return FFrame.FMouseInControl; }
  void RefreshParentImage() { FFrame.RefreshParentImage(*this); }
  void RedrawBorder();

  void SkinClassChangeSkinFile() { ChangeSkinFile(); }
  void CMMouseEnter() override;
  void CMMouseLeave() override;

protected:
  void Loaded() override;
  virtual void ChangeSkinFile();
  void WndProc(TMessage& Message) override;

private:
  TSkinEditFrame FFrame;
};

} // namespace qelvane
