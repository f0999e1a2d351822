#include <string>

#include "drawing/SkinEngineLog.h"
#include "skinui/SkinPageControl.h"
#include "ui/Colors.h"
#include "winbase/Exception.h"

namespace qelvane {

TSkinTabSheet::TSkinTabSheet(TComponent* AOwner) : TSkinCustomControl(AOwner) {
  SetAlign(alClient);
  SetColor(clBtnFace);
  SetVisible(false); // shown when it becomes the active page
}

TSkinTabSheet::~TSkinTabSheet() {
  MarkDestroying();
  if (FPageControl) FPageControl->RemovePage(this);
}

void TSkinTabSheet::SetPageControl(TSkinPageControl* Value) {
  if (Value == FPageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  TSkinCustomControl::SetParent(Value);
  if (Value) Value->InsertPage(this);
}

void TSkinTabSheet::SetParent(TWinControl* AParent) {
  if (auto* control = dynamic_cast<TSkinPageControl*>(AParent)) {
    SetPageControl(control);
    return;
  }
  if (FPageControl) FPageControl->RemovePage(this);
  TSkinCustomControl::SetParent(AParent);
}

int32_t TSkinTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  for (int32_t i = 0; i < FPageControl->PageCount(); ++i)
    if (FPageControl->Pages(i) == this) return i;
  return -1;
}

void TSkinTabSheet::SetPageIndex(int32_t Value) {
  if (!FPageControl) return;
  const int32_t last = FPageControl->PageCount() - 1;
  if (Value < 0 || Value > last)
    throw Exception(std::to_wstring(Value) + L" is an invalid PageIndex value. PageIndex must be between 0 and " +
                    std::to_wstring(last));
  FPageControl->MovePage(this, Value);
}

int32_t TSkinTabSheet::TabIndex() const {
  if (!FTabVisible || !FPageControl) return -1;
  int32_t index = 0;
  for (int32_t i = 0; i < FPageControl->PageCount(); ++i) {
    TSkinTabSheet* page = FPageControl->Pages(i);
    if (page == this) return index;
    if (page->FTabVisible) ++index;
  }
  return -1;
}

void TSkinTabSheet::UpdateTab() {
  if (FPageControl) FPageControl->UpdateVisiblePages();
}

void TSkinTabSheet::SetTabVisible(bool Value) {
  if (Value == FTabVisible) return;
  FTabVisible = Value;
  UpdateTab();
}

void TSkinTabSheet::SetTabEnabled(bool Value) {
  if (Value == FTabEnabled) return;
  FTabEnabled = Value;
  UpdateTab();
}

void TSkinTabSheet::SetImageIndex(int32_t Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  UpdateTab();
}

void TSkinTabSheet::SetDisabledIndex(int32_t Value) {
  if (Value == FDisabledIndex) return;
  FDisabledIndex = Value;
  UpdateTab();
}

void TSkinTabSheet::CMTextChanged() {
  TSkinCustomControl::CMTextChanged();
  UpdateTab();
}

void TSkinTabSheet::CMShowingChanged() {
  TSkinCustomControl::CMShowingChanged();
  SkinGuard(TLogSubject{ClassName(), Name()}, L"CMShowingChanged", [&] {
    if (Showing()) {
      if (OnShow) OnShow(this);
    } else if (OnHide) {
      OnHide(this);
    }
  });
}

} // namespace qelvane
