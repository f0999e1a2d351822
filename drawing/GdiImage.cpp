#include "drawing/GdiImage.h"

#include <cmath>

#include "drawing/StreamAdapter.h"

namespace qelvane {

namespace {
bool IsFile(const std::wstring& AName) {
  DWORD attr = GetFileAttributesW(AName.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

TGDIIMG::TGDIIMG() {
  NodeName = L"IMAGE";
  SetWidth(0);
  SetHeight(0);
}

TGDIIMG::TGDIIMG(const std::wstring& AFileName) : TGDIIMG() {
  SetFileName(AFileName);
}

void TGDIIMG::SetFileName(const std::wstring& Value) {
  Guard(L"SetFileName", [&] {
    FFileName = Value;
    if (!Value.empty() && IsFile(Value))
      SetImage(TGPBitmap::FromFile(Value, false));
    else
      SetImage(nullptr);
  });
}

void TGDIIMG::SetImage(const IGPBitmap& Value) {
  Guard(L"SetImage", [&] { FImage = Value; });
}

void TGDIIMG::SetImageStream(std::vector<uint8_t> AStream) {
  Guard(L"SetImageStream", [&] {
    auto bytes = std::make_shared<const TBytes>(std::move(AStream));
    SetImage(TGPBitmap::FromStream(TCFStreamAdapter::Create(bytes), true));
  });
}

void TGDIIMG::SetImageGraphic(const TGraphic* AGraphic) {
  Guard(L"SetImageGraphic", [&] {
    if (!AGraphic)
      SetImage(nullptr);
    else
      SetImageStream(AGraphic->SaveToBytes());
  });
}

int32_t TGDIIMG::ImageWidth() {
  int32_t w = 0;
  Guard(L"GetImageWidth", [&] { w = qelvane::ImageWidth(FImage); });
  return w;
}

int32_t TGDIIMG::ImageHeight() {
  int32_t h = 0;
  Guard(L"GetImageheight", [&] { h = qelvane::ImageHeight(FImage); });
  return h;
}

void TGDIIMG::DrawImage(Gdiplus::Graphics& AGPGraph, int32_t X, int32_t Y) {
  Guard(L"DrawImage", [&] {
    if (!FImage) return;
    const TGPRect src{0, 0, FImage->Width(), FImage->Height()};
    // Always an explicit pixel rectangle: GDI+ would otherwise scale by the
    // image's stored resolution.
    DrawImagePiece(AGPGraph, FImage->Native(),
                   FStretch ? TGPRect{X, Y, Width(), Height()} : TGPRect{X, Y, src.Width, src.Height}, src);
  });
}

void TGDIIMG::SuitImageSize() {
  SetWidth(ImageWidth());
  SetHeight(ImageHeight());
}

void TGDIIMG::Draw(Gdiplus::Graphics& AGPGraph, int32_t AOriginX, int32_t AOriginY) {
  if (!FImage) return;
  DrawImage(AGPGraph, static_cast<int32_t>(std::ceil(FPoint.X)) + AOriginX,
            static_cast<int32_t>(std::ceil(FPoint.Y)) + AOriginY);
}

bool TGDIIMG::LoadFromXMLNode(const TXmlNode* AXMLNode) {
  bool ok = TGDIObject::LoadFromXMLNode(AXMLNode);
  if (!AXMLNode) return false;
  ok &= Guard(L"LoadFromXMLNode", [&] {
    std::wstring s;
    bool b;
    if (xmlattr::GetBool(*AXMLNode, u"Stretch", b)) SetStretch(b);
    if (xmlattr::GetBool(*AXMLNode, u"IsLocal", b)) IsLocal = b;
    if (xmlattr::Get(*AXMLNode, u"FileName", s)) SetFileName(s);
  });
  return ok;
}

bool TGDIIMG::SaveToXMLNode(TXmlNode* AXMLNode) {
  if (!TGDIObject::SaveToXMLNode(AXMLNode)) return false;
  Guard(L"SaveToXMLNode", [&] {
    xmlattr::PutBool(*AXMLNode, u"Stretch", FStretch);
    xmlattr::PutBool(*AXMLNode, u"IsLocal", IsLocal);
    xmlattr::Put(*AXMLNode, u"FileName", FFileName);
  });
  return true;
}

} // namespace qelvane
