#include "drawing/GdiObject.h"

#include "core/gfx/TextLayout.h"
#include "core/text/TextConvert.h"
#include "drawing/DrawingErrors.h"

namespace qelvane {

namespace {
TGDIHintWindowFactory& HintFactory() {
  static TGDIHintWindowFactory factory;
  return factory;
}
} // namespace

void SetGDIHintWindowFactory(TGDIHintWindowFactory AFactory) {
  HintFactory() = std::move(AFactory);
}

TGDIObject::TGDIObject() = default;

TGDIObject::~TGDIObject() {
  Guard(L"Destroy", [&] {
    FHintTimer.reset();
    FHintWindow.reset();
  });
}

void TGDIObject::Paint(Gdiplus::Graphics* AGPGraph, int32_t AOriginX, int32_t AOriginY) {
  if (FVisible && AGPGraph) Draw(*AGPGraph, AOriginX, AOriginY);
}

void TGDIObject::SetBounds(int32_t APosX, int32_t APosY, int32_t AWidth, int32_t AHeight) {
  SetPosX(APosX);
  SetPosY(APosY);
  SetWidth(AWidth);
  SetHeight(AHeight);
}

void TGDIObject::SetPosX(int32_t Value) {
  FPosX = Value;
  FRect.X = FPoint.X = static_cast<float>(Value);
}

void TGDIObject::SetPosY(int32_t Value) {
  FPosY = Value;
  FRect.Y = FPoint.Y = static_cast<float>(Value);
}

void TGDIObject::SetWidth(int32_t Value) {
  FWidth = Value;
  FRect.Width = static_cast<float>(Value);
}

void TGDIObject::SetHeight(int32_t Value) {
  FHeight = Value;
  FRect.Height = static_cast<float>(Value);
}

TGPRectF TGDIObject::GetRect() const {
  return {static_cast<float>(FPosX), static_cast<float>(FPosY), static_cast<float>(FWidth),
          static_cast<float>(FHeight)};
}

std::unique_ptr<Gdiplus::Region> TGDIObject::GetRegion() const {
  TGPRectF r = GetRect();
  auto region = std::make_unique<Gdiplus::Region>(Gdiplus::RectF(r.X, r.Y, r.Width, r.Height));
  GpCheck(region->GetLastStatus(), "Region");
  return region;
}

// Hover and hint state machine, driven by the host's hit tests:
//  - hit: remember the point, hovered; with EnableHint the timer is created
//    on the first hit and enabled (a running timer is not restarted);
//  - miss: not hovered, the hint hides; a running timer keeps running;
//  - timer: stops; if still hovered with EnableHint, OnMouseHover and, with
//    ShowHint, the hint 20 pixels below-right of the hovered point.
bool TGDIObject::IsInRegion(int32_t X, int32_t Y) {
  bool hit = false;
  Guard(L"IsInRegion", [&] {
    hit = GetRegion()->IsVisible(X, Y) != FALSE;
    if (hit) {
      FHoveredPosX = X;
      FHoveredPosY = Y;
      FIsHovered = true;
      if (EnableHint && !FIsStartHintTimer) {
        if (!FHintTimer) FHintTimer = std::make_unique<TThreadTimer>([this] { OnHintTimerTimer(); });
        FHintTimer->SetInterval(static_cast<uint32_t>(HintInterval > 0 ? HintInterval : 1));
        FIsStartHintTimer = true;
      }
      if (EnableHint && FHintTimer) FHintTimer->SetEnabled(true);
    } else {
      FIsHovered = false;
      HideHint();
    }
  });
  return hit;
}

void TGDIObject::OnHintTimerTimer() {
  Guard(L"OnHintTimerTimer", [&] {
    FIsStartHintTimer = false;
    if (FHintTimer) FHintTimer->SetEnabled(false);
    if (EnableHint && FIsHovered) {
      MouseHover(FHoveredPosX, FHoveredPosY);
      if (ShowHint) ShowHintAtPoint({FormLeft + FHoveredPosX + 20, FormTop + FHoveredPosY + 20});
    }
  });
}

void TGDIObject::HideHint() {
  Guard(L"HideHint", [&] {
    if (FHintWindow) FHintWindow->ReleaseHandle();
  });
}

void TGDIObject::ShowHintAtPoint(POINT APoint) {
  Guard(L"ShowHintAtPoint", [&] {
    if (FHint.empty()) return;
    if (!FHintWindow && HintFactory()) FHintWindow = HintFactory()(*this);
    if (!FHintWindow) return;
    SIZE extent = FHintWindow->TextExtent(FHint);
    FHintWindow->ActivateHint(HintRect(APoint.x, APoint.y, extent.cx, extent.cy), FHint);
  });
}

void TGDIObject::MouseHover(int32_t X, int32_t Y) {
  if (OnMouseHover) OnMouseHover(this, X, Y);
}

void TGDIObject::Click(int32_t X, int32_t Y) {
  if (OnClick) OnClick(this, X, Y);
}

void TGDIObject::MouseMove(int32_t X, int32_t Y, bool) {
  if (OnMouseMove) OnMouseMove(this, X, Y);
}

void TGDIObject::Draw(Gdiplus::Graphics&, int32_t, int32_t) {}

bool TGDIObject::LoadFromXMLNode(const TXmlNode* AXMLNode) {
  if (!AXMLNode) return false;
  return Guard(L"LoadFromXMLNode", [&] {
    const TXmlNode& n = *AXMLNode;
    std::wstring s;
    int64_t i;
    bool b;
    if (xmlattr::Get(n, u"Name", s)) SetName(s);
    if (xmlattr::Get(n, u"Hint", s)) SetHint(s);
    if (xmlattr::Get(n, u"LinkedURL", s)) LinkedURL = s;
    if (xmlattr::GetBool(n, u"EnableHovered", b)) EnableHovered = b;
    if (xmlattr::GetBool(n, u"EnableClick", b)) EnableClick = b;
    if (xmlattr::Get(n, u"PosX", i)) SetPosX(static_cast<int32_t>(i));
    if (xmlattr::Get(n, u"PosY", i)) SetPosY(static_cast<int32_t>(i));
    if (xmlattr::Get(n, u"Width", i)) SetWidth(static_cast<int32_t>(i));
    if (xmlattr::Get(n, u"Height", i)) SetHeight(static_cast<int32_t>(i));
    if (xmlattr::GetBool(n, u"Visible", b)) SetVisible(b);
    if (xmlattr::GetBool(n, u"ShowHint", b)) ShowHint = b;
    if (xmlattr::GetBool(n, u"EnableHint", b)) EnableHint = b;
    if (xmlattr::Get(n, u"HintInterval", i)) HintInterval = static_cast<int32_t>(i);
  });
}

bool TGDIObject::SaveToXMLNode(TXmlNode* AXMLNode) {
  if (!AXMLNode) return false;
  Guard(L"SaveToXMLNode", [&] {
    TXmlNode& n = *AXMLNode;
    xmlattr::Put(n, u"Name", FName);
    xmlattr::Put(n, u"Hint", FHint);
    xmlattr::Put(n, u"LinkedURL", LinkedURL);
    xmlattr::PutBool(n, u"EnableHovered", EnableHovered);
    xmlattr::PutBool(n, u"EnableClick", EnableClick);
    xmlattr::Put(n, u"PosX", FPosX);
    xmlattr::Put(n, u"PosY", FPosY);
    xmlattr::Put(n, u"Width", FWidth);
    xmlattr::Put(n, u"Height", FHeight);
    xmlattr::PutBool(n, u"Visible", FVisible);
    xmlattr::PutBool(n, u"ShowHint", ShowHint);
    xmlattr::PutBool(n, u"EnableHint", EnableHint);
    xmlattr::Put(n, u"HintInterval", HintInterval);
  });
  return true;
}

namespace xmlattr {

void Put(TXmlNode& ANode, std::u16string_view AName, const std::wstring& AValue) {
  ANode.SetAttribute(AName, FromWide(AValue));
}

void Put(TXmlNode& ANode, std::u16string_view AName, int64_t AValue) {
  ANode.SetAttribute(AName, XmlInt(AValue));
}

void PutBool(TXmlNode& ANode, std::u16string_view AName, bool AValue) {
  ANode.SetAttribute(AName, XmlBool(AValue));
}

bool Get(const TXmlNode& ANode, std::u16string_view AName, std::wstring& AValue) {
  auto v = ANode.Attribute(AName);
  if (!v) return false;
  AValue = ToWide(*v);
  return true;
}

namespace {
[[noreturn]] void Unreadable(std::u16string_view AName, const std::u16string& AValue) {
  throw EDrawingError("attribute " + Utf16ToUtf8(AName) + " has the unreadable value \"" + Utf16ToUtf8(AValue) + "\"");
}
} // namespace

bool Get(const TXmlNode& ANode, std::u16string_view AName, int64_t& AValue) {
  auto v = ANode.Attribute(AName);
  if (!v) return false;
  auto i = ParseXmlInt(*v);
  if (!i || *i < INT32_MIN || *i > UINT32_MAX) Unreadable(AName, *v);
  AValue = *i;
  return true;
}

bool GetBool(const TXmlNode& ANode, std::u16string_view AName, bool& AValue) {
  auto v = ANode.Attribute(AName);
  if (!v) return false;
  auto b = ParseXmlBool(*v);
  if (!b) Unreadable(AName, *v);
  AValue = *b;
  return true;
}

} // namespace xmlattr

} // namespace qelvane
