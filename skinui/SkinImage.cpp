#include "skinui/SkinImage.h"

#include "drawing/DrawingErrors.h"
#include "drawing/GPBitmap.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"

namespace qelvane {

namespace {

// {B96B3CB0-0728-11D3-9D7B-0000F81EF32E}
constexpr GUID kImageFormatGIF = {0xB96B3CB0, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
// {6AEDBD6D-3FB5-418A-83A6-7F45229DC872}
constexpr GUID kFrameDimensionTime = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
constexpr PROPID kPropertyTagFrameDelay = 0x5100;
constexpr uint32_t kFrameTimerInterval = 10; // ms

bool IsGif(const IGPBitmap& AImage) {
  if (!AImage) return false;
  GUID format{};
  return AImage->Native()->GetRawFormat(&format) == Gdiplus::Ok && IsEqualGUID(format, kImageFormatGIF);
}

} // namespace

// --- TSkinImageBox.

TSkinImageBox::TSkinImageBox(TComponent* AOwner) : TSkinCustomControl(AOwner) {
  FDrawTimer = &TComponent::Create<TTimer>(*this);
  FDrawTimer->SetInterval(kFrameTimerInterval);
  FDrawTimer->OnTimer = [this](TObject*) { OnDrawTimer(); };
}

TSkinImageBox::~TSkinImageBox() {
  // The timer goes with this component; no tick may reach a half-destroyed box.
  FDrawTimer->SetEnabled(false);
}

void TSkinImageBox::LoadFromFile(const std::wstring& AFileName) {
  FImage = TSkinHelper::CreateOriginalBitmap(AFileName);
  SetAnimated(IsGif(FImage));
  RepaintSelfImage();
}

void TSkinImageBox::LoadFromStream(std::span<const uint8_t> AStream, bool AAnimated) {
  FImage = TSkinHelper::CreateOriginalBitmap(AStream);
  FAnimated = AAnimated;
  InitAnimated();
  RepaintSelfImage();
}

void TSkinImageBox::LoadFromImage(const IGPBitmap& AImage, bool AAnimated) {
  FImage = AImage;
  FAnimated = AAnimated;
  InitAnimated();
  RepaintSelfImage();
}

void TSkinImageBox::AssignTo(TSkinImageBox& Dest) const {
  Dest.LoadFromImage(FImage, FAnimated);
}

void TSkinImageBox::SetImage(const IGPBitmap& Value) {
  if (!Value) return;
  const bool animated = FAnimated;
  SetAnimated(false); // stops the timer
  FImage = Value;
  SetAnimated(animated);
  RepaintSelfImage();
}

void TSkinImageBox::SetAnimated(bool Value) {
  FAnimated = Value;
  InitAnimated();
}

void TSkinImageBox::SelectActiveFrame(const GUID& DimensionID, int32_t AFrameIndex) {
  const bool ok = SkinGuard(Subject(), L"SelectActiveFrame", [&] {
    if (!FImage) return;
    GpCheck(FImage->Native()->SelectActiveFrame(&DimensionID, static_cast<UINT>(AFrameIndex)), "SelectActiveFrame");
  });
  if (!ok) FDrawTimer->SetEnabled(false);
}

void TSkinImageBox::InitAnimated() {
  if (!FAnimated) {
    FDrawTimer->SetEnabled(false);
    return;
  }
  if (!FImage) return;
  if (!IsGif(FImage)) {
    // Not a GIF: its frames have no delays to run by.
    FTiming.Reset({});
    FTiming.FrameCount = static_cast<int32_t>(FImage->Native()->GetFrameCount(&kFrameDimensionTime));
    return;
  }
  const bool ok = SkinGuard(Subject(), L"InitAnimated", [&] {
    Gdiplus::Bitmap* image = FImage->Native();
    const UINT size = image->GetPropertyItemSize(kPropertyTagFrameDelay);
    if (size < sizeof(Gdiplus::PropertyItem)) GpCheck(Gdiplus::PropertyNotFound, "GetPropertyItemSize");
    FPropertyItem.assign(size, 0);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(FPropertyItem.data());
    GpCheck(image->GetPropertyItem(kPropertyTagFrameDelay, size, item), "GetPropertyItem");
    const std::size_t count = item->length / 4;
    if (count == 0 || !item->value) GpCheck(Gdiplus::PropertyNotFound, "PropertyTagFrameDelay");
    const auto* delays = static_cast<const uint32_t*>(item->value);
    FTiming.Reset(std::vector<uint32_t>(delays, delays + count));
  });
  if (!ok) {
    FTiming.Reset({});
    FAnimated = false;
    FDrawTimer->SetEnabled(false);
    return;
  }
  SelectActiveFrame(kFrameDimensionTime, FTiming.FrameIndex);
  FDrawTimer->SetEnabled(true);
}

void TSkinImageBox::OnDrawTimer() {
  if (!Visible()) return;
  if (!FTiming.Tick()) return;
  SelectActiveFrame(kFrameDimensionTime, FTiming.FrameIndex);
  RepaintSelfImage();
}

void TSkinImageBox::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  TSkinCustomControl::CustomPaint(Graphics, ADrawRect);
  if (FImage) {
    SkinGuard(Subject(), L"DrawImage",
              [&] { GpCheck(Graphics.DrawImage(FImage->Native(), ToGp(ADrawRect)), "DrawImage"); });
  }
  if (OnPaint) SkinGuard(Subject(), L"FOnPaint", [&] { OnPaint(Graphics, ADrawRect); });
}

// --- TSkinImage.

TSkinImage::TSkinImage(TComponent* AOwner) : TSkinImageBox(AOwner) {
  SetBounds(Left(), Top(), 105, 105);
}

TSkinImage::~TSkinImage() = default;

void TSkinImage::SetPicture(std::shared_ptr<const TGraphic> Value) {
  FPicture = std::move(Value);
  PictureChanged();
  RepaintSelfImage();
}

void TSkinImage::LoadPictureFromBytes(std::vector<uint8_t> ABytes) {
  SetPicture(std::make_shared<TEncodedGraphic>(std::move(ABytes)));
}

void TSkinImage::PictureChanged() {
  SkinGuard(Subject(), L"PictureChanged", [&] {
    if (!FPicture || FPicture->Empty()) return;
    IGPBitmap bitmap = TSkinHelper::CreateBitmap(FPicture.get());
    if (!bitmap) return;
    LoadFromImage(bitmap, false);
    if (AutoSize) SetBounds(Left(), Top(), bitmap->Width(), bitmap->Height());
  });
}

std::unique_ptr<Gdiplus::Graphics> TSkinImage::ImageGraphics() {
  if (!FImage) FImage = TGPBitmap::Create(Width(), Height());
  return NewGraphics(FImage);
}

} // namespace qelvane
