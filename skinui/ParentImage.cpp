#include "skinui/ParentImage.h"

#include "skinui/SkinControl.h"
#include "skinui/SkinFormBuffer.h"
#include "ui/GdiHandles.h"

namespace qelvane {

namespace {

// The bitmap a child copies its parent's pixels from; null when none fits.
const TGdiBitmap* ParentSource(TControl& ASelf, TWinControl& AParent) {
  if (auto* form = dynamic_cast<ISkinFormBuffer*>(&AParent)) {
    const TGdiBitmap& buffer = form->FormBufferBitmap();
    // A buffer smaller than the child (before the form's first paint, during
    // a resize) is not copied from: the built background stands in.
    if (!buffer.Empty() && buffer.Width() >= ASelf.Width() && buffer.Height() >= ASelf.Height()) return &buffer;
    return form->BackgroundBufferBitmap();
  }
  if (auto* skinned = dynamic_cast<TSkinCustomControl*>(&AParent)) {
    const TGdiBitmap& buffer = skinned->BufferBitmap();
    if (!buffer.Empty() && buffer.Width() >= ASelf.Width() && buffer.Height() >= ASelf.Height()) return &buffer;
    skinned->PaintParentImageToBuffer();
    return skinned->ParentImageBufferBitmap();
  }
  return nullptr;
}

} // namespace

void DrawParentImage(TControl& ASelf, HDC ADC, int32_t ALeft, int32_t ATop) {
  TWinControl* parent = ASelf.Parent();
  if (!parent) return;
  const bool skinnedParent =
      dynamic_cast<ISkinFormBuffer*>(parent) != nullptr || dynamic_cast<TSkinCustomControl*>(parent) != nullptr;
  if (!skinnedParent) {
    DrawParentImageDefault(ASelf, ADC, ALeft, ATop);
    return;
  }
  const TGdiBitmap* source = ParentSource(ASelf, *parent);
  if (!source || source->Empty()) return;
  BitBlt(ADC, ALeft, ATop, ASelf.Width() - ALeft, ASelf.Height() - ATop, source->DC(), ASelf.Left() + ALeft,
         ASelf.Top() + ATop, SRCCOPY);
}

void DrawParentImage(TControl& ASelf, TGdiBitmap& ABitmap, int32_t ALeft, int32_t ATop) {
  if (!ASelf.Parent() || ABitmap.Empty()) return;
  DrawParentImage(ASelf, ABitmap.DC(), ALeft, ATop);
}

void DrawParentImageDefault(TControl& ASelf, HDC ADC, int32_t ALeft, int32_t ATop) {
  TWinControl* parent = ASelf.Parent();
  if (!parent || !parent->HandleAllocated()) return;
  TSavedDC saved(ADC);
  POINT org;
  GetViewportOrgEx(ADC, &org);
  SetViewportOrgEx(ADC, org.x - ASelf.Left() - ALeft, org.y - ASelf.Top() - ATop, nullptr);
  IntersectClipRect(ADC, 0, 0, parent->Width(), parent->Height());
  HWND h = parent->HandleIfAllocated();
  SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ADC), 0);
  SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(ADC), PRF_CLIENT);
}

namespace {

enum class TRepaintMode { Deferred, Immediate, ImmediateSkinnedOnly };

void RepaintTree(TWinControl& AParent, TRepaintMode AMode) {
  for (std::size_t i = 0; i < AParent.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(AParent.Controls(i));
    if (!child || !child->Visible()) continue;
    if (auto* skinned = dynamic_cast<TSkinCustomControl*>(child)) {
      if (AMode == TRepaintMode::Deferred)
        skinned->RepaintParentImage();
      else
        skinned->RepaintParentImageImmediately();
    } else if (AMode != TRepaintMode::ImmediateSkinnedOnly) {
      child->TControl::Repaint();
    }
    RepaintTree(*child, AMode);
  }
}

} // namespace

void RePaintParentImageAll(TWinControl& AParent) {
  RepaintTree(AParent, TRepaintMode::Deferred);
}
void RePaintParentImageImmediatelyAll(TWinControl& AParent) {
  RepaintTree(AParent, TRepaintMode::Immediate);
}
void RePaintParentImageImmediatelyLocal(TWinControl& AParent) {
  RepaintTree(AParent, TRepaintMode::ImmediateSkinnedOnly);
}

} // namespace qelvane
