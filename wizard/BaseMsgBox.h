#pragma once
// TfrmBaseMsgBox: the skinned message box the installer's prompts derive
// from. A box type in the system message box's flag layout picks the buttons
// (of seven) and the icon; the result is the pressed button's result code,
// 0 when the box was closed another way. Enter presses the default button
// (the focused button when one has the focus), Escape answers as the cancel
// button does, or as the close button when the box shows none.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "skinui/SkinButton.h"
#include "skinui/SkinForm.h"
#include "skinui/SkinLabel.h"
#include "skinui/SkinPanel.h"
#include "ui/Image.h"
#include "ui/ImageList.h"

namespace qelvane {

class TfrmBaseMsgBox : public TDefaultSkinForm {
public:
  explicit TfrmBaseMsgBox(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TfrmBaseMsgBox"; }

  // Shows the box modally and returns the result.
  int32_t MessageBox(HWND AhWnd, const std::wstring& AText, const std::wstring& ACaption, uint16_t AType);
  virtual void ModalShow();

  bool InUsed() const { return FInUsed; }
  uint16_t BoxType() const { return FType; }
  void SetBoxType(uint16_t AType);
  const std::wstring& CaptionStr() const { return FCaptionStr; }
  void SetCaptionStr(const std::wstring& Value);
  const std::wstring& ContentText() const { return FContentText; }
  void SetContentText(const std::wstring& Value);
  HWND FatherHWND = nullptr;
  int32_t ReturnValue() const { return FReturnValue; }
  int32_t HintIconIndex() const { return FHintIconIndex; }
  const std::vector<TSkinButton*>& UsedButtons() const { return FUsedBtnList; }

  void PrepareBox();
  bool DialogKey(WORD Key, TShiftState Shift) override;

  TSkinPanel* pnlMain;
  TImage* imgHint;
  TSkinLabel* lblText;
  TSkinButton *btnOK, *btnCancel, *btnAbort, *BtnRetry, *btnIgnore, *btnYes, *btnNo;
  TImageList* imglstHint;

protected:
  virtual void LayoutButtons();
  virtual void LoadHintIcon();
  virtual void FitToContent();
  virtual void btnPressClick(TObject* Sender);
  // The buttons that Enter and Escape press (null: none). By default the
  // box-type's default button among those shown, and the shown Cancel button.
  virtual TControl* DefaultButton() const;
  virtual TControl* CancelButton() const;
  // The buttons of the box type that are shown, left to right.
  std::vector<TSkinButton*> ShownButtons() const;
  void DoClose(TCloseAction& Action) override;
  void SetInUsed(bool Value) { FInUsed = Value; }

  std::wstring FContentText, FCaptionStr;
  uint16_t FType = 0;
  int32_t FButtonType = 0, FHintIconType = 0, FHintIconIndex = -1, FDefautBtnType = 0;
  std::vector<TSkinButton*> FUsedBtnList;
  int32_t FDefaultBtnIndex = 0;
  int32_t FReturnValue = 0;
  bool FInUsed = false;
};

} // namespace qelvane
