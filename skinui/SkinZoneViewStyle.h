#pragma once
// TBaseZoneViewStyle: the look of a zone view from one of the skin's
// zone-view styles. Attached to a view (SetZoneView) it takes over the
// view's zone events, keeps the handlers that were assigned before and calls
// them after its own work, and draws each zone with the style's images and
// fonts:
//
//  - a zone with child zones (a node) on the node back image of its state
//    (expanded, collapsed, hovered), with the expand or collapse icon and its
//    name in the node font; in a style without node images it is drawn as a
//    leaf;
//  - any other zone on the zone back image of its state (normal, hovered,
//    active when selected or pressed), with the head frame when the style
//    has one (OnDrawHead then draws into HeadRect), and its name: the first
//    line in the nick font (with a head frame) or the main font, a second
//    line (after "\n") in the info font.
//
// A click focuses the view and selects the zone; expanding is left to the
// application. Every style follows skin changes through the class list.
//
// Several styles may be attached to one view: each calls the handlers it
// found, so the view's handlers run through every style attached, the last
// one first. A style may leave in any order: the handlers it saved go to the
// style attached after it, or back to the view when it was the last.
#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiText.h"
#include "skin/SkinClassMembers.h"
#include "skinui/SkinZoneView.h"
#include "ui/Component.h"

namespace qelvane {

class TBaseZoneViewStyle : public TComponent, public TSkinClassMembers<TBaseZoneViewStyle, scoBaseZoneViewStyle, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TBaseZoneViewStyle";
  explicit TBaseZoneViewStyle(TComponent* AOwner);
  ~TBaseZoneViewStyle() override;
  std::wstring_view ClassName() const override { return L"TBaseZoneViewStyle"; }

  // The skin's zone-view style ("Default" when empty); setting it loads it.
  const std::wstring& StyleName() const { return FStyleName; }
  void SetStyleName(const std::wstring& Value);
  std::wstring EffectiveStyleName() const { return FStyleName.empty() ? L"Default" : FStyleName; }

  // Attaching saves the view's zone handlers and installs the style's;
  // detaching (or another view) gives the saved ones back to where this
  // style's handlers were called from.
  TSkinZoneView* ZoneView() const { return FZoneView; }
  void SetZoneView(TSkinZoneView* Value);

  // Takes the images, offsets and fonts of the style from the loaded skin.
  void LoadSkinResource();
  void SkinClassChangeSkinFile() { LoadSkinResource(); }

  // The six zone images; each prepares its element (margins 8, stretched).
  const IGPBitmap& ZoneActive() const { return FZoneActive; }
  void SetZoneActive(const IGPBitmap& Value) { SetImage(FZoneActive, FZoneActiveElement, Value); }
  const IGPBitmap& ZoneHover() const { return FZoneHover; }
  void SetZoneHover(const IGPBitmap& Value) { SetImage(FZoneHover, FZoneHoverElement, Value); }
  const IGPBitmap& ZoneNormal() const { return FZoneNormal; }
  void SetZoneNormal(const IGPBitmap& Value) { SetImage(FZoneNormal, FZoneNormalElement, Value); }
  const IGPBitmap& ZoneNodeCollapseBackImage() const { return FZoneNodeCollapseBackImage; }
  void SetZoneNodeCollapseBackImage(const IGPBitmap& Value) {
    SetImage(FZoneNodeCollapseBackImage, FZoneNodeCollapseBackElement, Value);
  }
  const IGPBitmap& ZoneNodeExpandBackImage() const { return FZoneNodeExpandBackImage; }
  void SetZoneNodeExpandBackImage(const IGPBitmap& Value) {
    SetImage(FZoneNodeExpandBackImage, FZoneNodeExpandBackElement, Value);
  }
  const IGPBitmap& ZoneNodeHover() const { return FZoneNodeHover; }
  void SetZoneNodeHover(const IGPBitmap& Value) { SetImage(FZoneNodeHover, FZoneNodeHoverElement, Value); }

  IGPBitmap ZoneNodeExpandIcon, ZoneNodeCollapseIcon;
  IGPBitmap HeadActiveFrame, HeadNomalFrame;
  int32_t IconXOffset = 2, IconYOffset = 3;
  int32_t NodeFontXOffset = 20, NodeFontYOffset = 5;

  // The caption elements: node, nick, info and main text, each in normal,
  // active and hover form.
  TGDIText& NodeNormalFont() { return *FNodeNormalFont; }
  TGDIText& NodeActiveFont() { return *FNodeActiveFont; }
  TGDIText& NodeHoverFont() { return *FNodeHoverFont; }
  TGDIText& NickNormalFont() { return *FNickNormalFont; }
  TGDIText& NickActiveFont() { return *FNickActiveFont; }
  TGDIText& NickHoverFont() { return *FNickHoverFont; }
  TGDIText& InfoNormalFont() { return *FInfoNormalFont; }
  TGDIText& InfoActiveFont() { return *FInfoActiveFont; }
  TGDIText& InfoHoverFont() { return *FInfoHoverFont; }
  TGDIText& MainNormalFont() { return *FMainNormalFont; }
  TGDIText& MainActiveFont() { return *FMainActiveFont; }
  TGDIText& MainHoverFont() { return *FMainHoverFont; }

protected:
  // The style's own drawing of a zone (before the saved OnDrawZone).
  virtual void DrawZone(Gdiplus::Graphics& G, TZone& AZone, const TRect& ADrawRect);
  virtual void DrawNode(Gdiplus::Graphics& G, TZone& AZone, const TRect& ADrawRect);
  virtual void DrawLeaf(Gdiplus::Graphics& G, TZone& AZone, const TRect& ADrawRect);

private:
  friend class TSkinZoneView;
  // The view goes: forget it and its handlers.
  void ZoneViewGone(TSkinZoneView* AView);
  void InstallHandlers();
  void RestoreHandlers();
  void Detach();
  template <class F> void Guarded(const wchar_t* AEvent, F&& ABody);
  static void SetImage(IGPBitmap& AField, std::unique_ptr<TGDIIMGADV>& AElement, const IGPBitmap& Value);

  std::wstring FStyleName;
  TSkinZoneView* FZoneView = nullptr;

  IGPBitmap FZoneActive, FZoneHover, FZoneNormal;
  IGPBitmap FZoneNodeCollapseBackImage, FZoneNodeExpandBackImage, FZoneNodeHover;
  std::unique_ptr<TGDIIMGADV> FZoneActiveElement, FZoneHoverElement, FZoneNormalElement, FZoneNodeCollapseBackElement,
      FZoneNodeExpandBackElement, FZoneNodeHoverElement;

  // The view's handlers from before the style was attached.
  struct TSavedHandlers {
    TAdjustZoneRectEvent OnAdjustZoneRect;
    TZoneEvent OnBlinkZone, OnClickZone, OnDblClickZone, OnZonePopup;
    TNotifyEvent OnClientPopup, OnIdleTimer;
    TDrawHeadEvent OnDrawHead;
    TDrawZoneEvent OnDrawZone, OnAppendDrawZone, OnPrepareDrawZone;
    TZoneStateEvent OnExpandZone, OnSelectZone;
  };
  TSavedHandlers FOld;

  std::unique_ptr<TGDIText> FNodeNormalFont, FNodeActiveFont, FNodeHoverFont;
  std::unique_ptr<TGDIText> FNickNormalFont, FNickActiveFont, FNickHoverFont;
  std::unique_ptr<TGDIText> FInfoNormalFont, FInfoActiveFont, FInfoHoverFont;
  std::unique_ptr<TGDIText> FMainNormalFont, FMainActiveFont, FMainHoverFont;
};

} // namespace qelvane
