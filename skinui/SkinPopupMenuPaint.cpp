// Painting of a popup-menu level: the size from the captions, the background
// and the items in the skin look or the built-in look, and the hand-over of
// the finished image to the layered window.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "drawing/ElementDefaults.h"
#include "drawing/GdiImagePro.h"
#include "drawing/SkinImageList.h"
#include "skin/PopupMenuSkin.h"
#include "skin/SkinMng.h"
#include "skinui/SkinPopupMenu.h"
#include "ui/ImageList.h"

namespace qelvane {

namespace {

using Gdiplus::Color;
using Gdiplus::REAL;

// Alpha scaled by a level's opacity (0..3), rounded half to even.
BYTE ScaledAlpha(int32_t AAlpha, int32_t AOpacity) {
  const double v = std::nearbyint(static_cast<double>(AAlpha) * AOpacity / 3.0);
  return static_cast<BYTE>(std::clamp(v, 0.0, 255.0));
}

Gdiplus::Rect GpRect(const TRect& R) {
  return {R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top};
}

// Draws a skin element at (X, Y) sized AW x AH; an element without an image
// draws nothing.
void DrawElement(Gdiplus::Graphics& G, TGDIIMGPro& E, int32_t X, int32_t Y, int32_t AW, int32_t AH) {
  if (!E.Image() || AW <= 0 || AH <= 0) return;
  E.SetWidth(AW);
  E.SetHeight(AH);
  E.DrawImage(G, X, Y);
}

// How far an item's drawing may reach beyond its rectangle (the skin's
// highlight and cover stand a row higher; glyphs overhang).
constexpr int32_t ItemOverhang = 4;

// The item background's grey, opaque: what a transparent pixel of a built-in
// item becomes once the item is drawn.
constexpr uint32_t OpaqueItemGrey = 0xFFE6E6E6;

void SetupGraphics(Gdiplus::Graphics& G) {
  G.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  G.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
}

// Runs AEach on rows ATop <= y < ABottom of ABitmap, locked for AMode as
// premultiplied 32-bit pixels; false when the lock failed.
template <class F>
bool ForRows(Gdiplus::Bitmap& ABitmap, int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t ABottom, UINT AMode,
             F&& AEach) {
  if (ABottom <= ATop || AWidth <= 0) return false;
  Gdiplus::BitmapData data{};
  Gdiplus::Rect band(ALeft, ATop, AWidth, ABottom - ATop);
  if (ABitmap.LockBits(&band, AMode, PixelFormat32bppPARGB, &data) != Gdiplus::Ok) return false;
  for (int32_t y = ATop; y < ABottom; ++y)
    AEach(y, reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(data.Scan0) +
                                         static_cast<ptrdiff_t>(y - ATop) * data.Stride));
  ABitmap.UnlockBits(&data);
  return true;
}

} // namespace

void TSkinPopupLevel::CalcSize() {
  // The font follows ItemFontStyle at every layout.
  if (!FFont || FFontStyle != FMenu.ItemFontStyle) {
    FFontStyle = FMenu.ItemFontStyle;
    Gdiplus::FontFamily family(DefaultSkinFontName().c_str());
    const Gdiplus::FontFamily* use =
        family.GetLastStatus() == Gdiplus::Ok ? &family : Gdiplus::FontFamily::GenericSansSerif();
    FFont = std::make_unique<Gdiplus::Font>(use, static_cast<REAL>(DefaultSkinFontSize()), FMenu.ItemFontStyle,
                                            Gdiplus::UnitPoint);
  }
  Gdiplus::Bitmap probe(1, 1, PixelFormat32bppPARGB);
  Gdiplus::Graphics g(&probe);
  g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  std::vector<TPopupRow> rows = Rows();
  for (int32_t i = 0; i < FMenuItem.Count(); ++i) {
    if (!rows[i].Visible || rows[i].Line) continue;
    const std::wstring& caption = FMenuItem.Items(i).Caption;
    Gdiplus::RectF box;
    g.MeasureString(caption.c_str(), static_cast<INT>(caption.size()), FFont.get(), Gdiplus::PointF(0, 0), &box);
    rows[i].TextWidth = static_cast<int32_t>(std::nearbyint(box.Width));
  }
  const TPopupSize size = PopupLevelSize(Metrics(), rows, IsRoot());
  Width = size.Width;
  Height = size.Height;
  FContentHeight = Height;
  FScrollTop = 0;
  SizeSurfaces();
  IndexRows();
}

void TSkinPopupLevel::SizeSurfaces() {
  FCanvas.SetSize(Width, Height);
  const auto sized = [&](const std::unique_ptr<Gdiplus::Bitmap>& B) {
    return B && static_cast<int32_t>(B->GetWidth()) == Width && static_cast<int32_t>(B->GetHeight()) == Height;
  };
  for (std::unique_ptr<Gdiplus::Bitmap>* b : {&FBackground, &FSurface})
    if (!sized(*b))
      *b = std::make_unique<Gdiplus::Bitmap>(std::max(Width, 1), std::max(Height, 1), PixelFormat32bppPARGB);
}

void TSkinPopupLevel::PaintAll() {
  if (!FSurface || !FBackground || Width <= 0 || Height <= 0) return;
  {
    Gdiplus::Graphics g(FBackground.get());
    SetupGraphics(g);
    PaintBackground(g);
  }
  PaintBand(0, Height, true);
}

void TSkinPopupLevel::RepaintItems(std::initializer_list<int32_t> AItems) {
  if (!Visible || !FSurface) return;
  bool painted = false;
  for (int32_t i : AItems) {
    if (i < 0 || i >= FMenuItem.Count() || !FMenuItem.Items(i).Visible) continue;
    const TRect r = GetItemRect(i);
    PaintBand(r.Top - ItemOverhang, r.Bottom + ItemOverhang, false);
    painted = true;
  }
  if (painted) UpdateLevelWindow();
}

void TSkinPopupLevel::PaintBand(int32_t ATop, int32_t ABottom, bool AUpdate) {
  ATop = std::max(ATop, 0);
  ABottom = std::min(ABottom, Height);
  if (!FSurface || !FBackground || ABottom <= ATop || Width <= 0) return;
  // The background under the band, then every item reaching into it, in
  // index order as a full paint draws them, clipped to the band and to the
  // rows' view.
  std::vector<uint32_t> rows(static_cast<size_t>(Width) * static_cast<size_t>(ABottom - ATop));
  ForRows(*FBackground, 0, ATop, Width, ABottom, Gdiplus::ImageLockModeRead, [&](int32_t y, const uint32_t* p) {
    std::memcpy(&rows[static_cast<size_t>(y - ATop) * static_cast<size_t>(Width)], p, static_cast<size_t>(Width) * 4);
  });
  ForRows(*FSurface, 0, ATop, Width, ABottom, Gdiplus::ImageLockModeWrite, [&](int32_t y, uint32_t* p) {
    std::memcpy(p, &rows[static_cast<size_t>(y - ATop) * static_cast<size_t>(Width)], static_cast<size_t>(Width) * 4);
  });
  const int32_t clipTop = std::max(ATop, ViewTop()), clipBottom = std::min(ABottom, ViewBottom());
  std::vector<TRect> opaque;
  if (clipBottom > clipTop) {
    Gdiplus::Graphics g(FSurface.get());
    SetupGraphics(g);
    g.SetClip(Gdiplus::Rect(0, clipTop, Width, clipBottom - clipTop));
    const TPopupRowIndex::TRange range =
        FRowIndex.RowsWithin(clipTop + FScrollTop - ItemOverhang, clipBottom + FScrollTop + ItemOverhang);
    for (int32_t i = range.First; i < range.Last; ++i)
      if (FMenuItem.Items(i).Visible) PaintItem(g, i, opaque);
  }
  FillTransparentPixels(opaque, clipTop, clipBottom);
  CopySurfaceToCanvas(ATop, ABottom);
  if (AUpdate) UpdateLevelWindow();
}

void TSkinPopupLevel::FillTransparentPixels(const std::vector<TRect>& ARects, int32_t ATop, int32_t ABottom) {
  for (const TRect& r : ARects) {
    const int32_t left = std::max(r.Left, 0), right = std::min(r.Right, Width);
    ForRows(*FSurface, left, std::max(r.Top, ATop), right - left, std::min(r.Bottom, ABottom),
            Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, [&](int32_t, uint32_t* p) {
              for (int32_t x = 0; x < right - left; ++x)
                if ((p[x] >> 24) == 0) p[x] = OpaqueItemGrey;
            });
  }
}

void TSkinPopupLevel::CopySurfaceToCanvas(int32_t ATop, int32_t ABottom) {
  if (!FCanvas.Bits()) return;
  ForRows(*FSurface, 0, ATop, Width, ABottom, Gdiplus::ImageLockModeRead, [&](int32_t y, const uint32_t* p) {
    std::memcpy(FCanvas.PixelAddress(0, y), p, static_cast<size_t>(Width) * 4);
  });
}

void TSkinPopupLevel::PaintBackground(Gdiplus::Graphics& G) {
  G.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  G.Clear(Color(0, 0, 0, 0));
  G.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
  if (FMenu.OnDrawMenuBackground) {
    bool handled = false;
    FMenu.OnDrawMenuBackground(*this, G, handled, TRect{0, 0, Width, Height});
    if (handled) return;
  }
  if (SkinLook())
    DrawElement(G, *SkinMng().PopupMenuSkin().MenuBkgBitmap, 0, 0, Width, Height);
  else
    PaintBuiltInBody(G);
}

void TSkinPopupLevel::PaintBuiltInBody(Gdiplus::Graphics& G) {
  const int32_t w = Width - FMenu.ShadowSpace1 - FMenu.ShadowSpace2;
  const int32_t h = Height - FMenu.ShadowSpace1 - FMenu.ShadowSpace2;
  if (w <= 0 || h <= 0) return;
  const int32_t c = FMenu.CornerSize, t = FMenu.TailSize, tailRoom = IsRoot() ? t / 2 : 0;
  const bool below = Placement == ppRightBelow || Placement == ppLeftBelow;
  const REAL box = static_cast<REAL>(std::max(c - 1, 1));
  const REAL top = static_cast<REAL>(below ? tailRoom + 3 : 3);
  const REAL bottom = static_cast<REAL>(below ? h - c - 5 : h - (c + tailRoom + 5));
  const REAL right = static_cast<REAL>(w - c - 5);
  Gdiplus::GraphicsPath path;
  path.AddArc(3.0f, top, box, box, 180, 90);
  path.AddArc(right, top, box, box, 270, 90);
  path.AddArc(right, bottom, box, box, 0, 90);
  path.AddArc(3.0f, bottom, box, box, 90, 90);
  path.CloseFigure();
  if (IsRoot() && FMenu.ShowTail) {
    const int32_t a = c / 2;
    Gdiplus::Point tail[3];
    switch (Placement) {
    case ppRightBelow:
      tail[0] = Gdiplus::Point(a + 3, t / 2 + 3);
      tail[1] = Gdiplus::Point(a + t + 3, t / 2 + 3);
      tail[2] = Gdiplus::Point(a + t / 2 + 3, 3);
      break;
    case ppRightAbove:
      tail[0] = Gdiplus::Point(a + 3, h - t / 2 - 6);
      tail[1] = Gdiplus::Point(a + t + 3, h - t / 2 - 6);
      tail[2] = Gdiplus::Point(a + t / 2 + 3, h - 5);
      break;
    case ppLeftBelow:
      tail[0] = Gdiplus::Point(w - a - 6, t / 2 + 3);
      tail[1] = Gdiplus::Point(w - a - t - 6, t / 2 + 3);
      tail[2] = Gdiplus::Point(w - a - t / 2 - 6, 3);
      break;
    case ppLeftAbove:
      tail[0] = Gdiplus::Point(w - a - 6, h - t / 2 - 6);
      tail[1] = Gdiplus::Point(w - a - t - 6, h - t / 2 - 6);
      tail[2] = Gdiplus::Point(w - a - t / 2 - 6, h - 5);
      break;
    }
    path.StartFigure();
    path.AddPolygon(tail, 3);
  }
  Gdiplus::SolidBrush brush(Color(ScaledAlpha(FMenu.BackgroundAlpha, Opacity), 230, 230, 230));

  // The soft shadow: the body shrunk to a quarter and stretched back over the
  // whole level, black at 45 % of the body's alpha; the shrinking blurs it.
  if (FMenu.ShowShadow) {
    Gdiplus::Bitmap shape(w, h, PixelFormat32bppPARGB);
    {
      Gdiplus::Graphics sg(&shape);
      sg.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
      sg.FillPath(&brush, &path);
    }
    const int32_t tw = std::max(w / 4, 1), th = std::max(h / 4, 1);
    Gdiplus::Bitmap thumb(tw, th, PixelFormat32bppPARGB);
    {
      Gdiplus::Graphics tg(&thumb);
      tg.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
      tg.DrawImage(&shape, Gdiplus::Rect(0, 0, tw, th), 0, 0, w, h, Gdiplus::UnitPixel);
    }
    Gdiplus::ColorMatrix m = {
        {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0.45f, 0}, {0, 0, 0, 0, 1}}};
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&m);
    G.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
    G.DrawImage(&thumb, Gdiplus::Rect(0, 0, Width, Height), 0, 0, tw, th, Gdiplus::UnitPixel, &attributes);
  }
  G.FillPath(&brush, &path);
}

void TSkinPopupLevel::PaintItem(Gdiplus::Graphics& G, int32_t I, std::vector<TRect>& AOpaque) {
  TRect r = GetItemRect(I);
  if (r.Bottom <= r.Top) return;
  TMenuItem& item = FMenuItem.Items(I);
  if (FMenu.OnDrawMenuItem) {
    bool handled = false;
    FMenu.OnDrawMenuItem(*this, item, handled, r, G);
    if (handled) return;
  }
  const bool skin = SkinLook();
  TPopupMenuSkin& s = SkinMng().PopupMenuSkin();
  const bool line = item.IsLine();
  const bool hot = I == HotIndex && !line && item.Enabled;
  const int32_t itemHeight = r.Bottom - r.Top;

  // The item's background replaces what lies under it.
  G.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
  G.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  if (skin) {
    if (hot)
      DrawElement(G, *s.MenuHighLight, s.MenuHighLightDrawLeftMargin, r.Top + s.MenuHighLightDrawTopMargin,
                  Width - s.MenuHighLightDrawLeftMargin - s.MenuHighLightDrawRightMargin, itemHeight);
    else
      DrawElement(G, *s.MenuCover, 0, r.Top + s.MenuHighLightDrawTopMargin, Width, itemHeight);
  } else if (hot) {
    Gdiplus::LinearGradientBrush gradient(Gdiplus::Rect(r.Left, r.Top - 1, r.Right - r.Left, itemHeight),
                                          Color(255, 170, 175, 178), Color(255, 98, 107, 112),
                                          Gdiplus::LinearGradientModeVertical);
    G.FillRectangle(&gradient, GpRect(r));
  } else {
    Gdiplus::SolidBrush fill(Color(ScaledAlpha(FMenu.BackgroundAlpha, Opacity), 230, 230, 230));
    G.FillRectangle(&fill, GpRect(r));
  }
  G.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
  G.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

  if (line) {
    if (skin) {
      DrawElement(G, *s.MenuCutling, s.MenuCutlingDrawLeftMargin, r.Top,
                  Width - s.MenuCutlingDrawLeftMargin - s.MenuCutlingDrawRightMargin, s.MenuCutlingDrawHeight);
    } else {
      Gdiplus::Pen pen(Color(ScaledAlpha(230, Opacity), 192, 192, 192), 1);
      G.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
      G.DrawLine(&pen, r.Left, r.Top + 1, r.Right - 1, r.Top + 1);
      G.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    }
    return;
  }

  // Drawn fully, the built-in item has no transparent pixel left: where the
  // background alpha leaves holes, they become the opaque item grey.
  if (!skin && Opacity == 3) AOpaque.push_back(r);

  const BYTE textAlpha = ScaledAlpha(254, Opacity);
  const BYTE grey = !item.Enabled ? 150 : hot ? 240 : 0;
  const int32_t skinIconLeft = r.Left + s.MenuIconDrawLeftMargin;
  if (!skin) {
    r.Left += FMenu.ItemLeftMargin;
    r.Right -= FMenu.ItemRightMargin;
  }
  const int32_t iconLeft = skin ? skinIconLeft : (FMenu.ItemLeftMargin - FMenu.ItemIconWidth) / 2;
  if (!item.Checked && item.ImageIndex != -1) PaintItemImage(G, item, r, iconLeft);

  if (item.Checked) {
    if (skin) {
      const IGPBitmap& check = s.MenuCheck->Image();
      DrawElement(G, *s.MenuCheck, iconLeft, r.Top + (itemHeight - FMenu.ItemIconHeight) / 2, ImageWidth(check),
                  ImageHeight(check));
    } else {
      const BYTE markGrey = hot ? 240 : 80;
      Gdiplus::Pen pen(Color(ScaledAlpha(255, Opacity), markGrey, markGrey, markGrey), 2);
      G.DrawLine(&pen, 8, r.Bottom - 10, 11, r.Bottom - 6);
      G.DrawLine(&pen, 11, r.Bottom - 6, 16, r.Top + 5);
    }
  }

  if (FFont) {
    Gdiplus::SolidBrush text(Color(textAlpha, grey, grey, grey));
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    const TRect box =
        skin ? TRect{s.MenuCaptionDrawLeftMargin, r.Top, Width - s.MenuCaptionDrawLeftMargin, r.Bottom} : r;
    const Gdiplus::RectF layout(static_cast<REAL>(box.Left), static_cast<REAL>(box.Top),
                                static_cast<REAL>(std::max(box.Right - box.Left, 0)),
                                static_cast<REAL>(box.Bottom - box.Top));
    G.DrawString(item.Caption.c_str(), static_cast<INT>(item.Caption.size()), FFont.get(), layout, &format, &text);
  }

  if (item.Count() > 0) {
    if (skin) {
      const IGPBitmap& arrow = s.MenuArrowBitmap->Image();
      const int32_t ah = ImageHeight(arrow);
      DrawElement(G, *s.MenuArrowBitmap, Width - s.MenuArrowBitmapDrawRightMargin, r.Top + (itemHeight - ah) / 2,
                  ImageWidth(arrow), ah);
    } else {
      const BYTE arrowGrey = hot ? 240 : 80;
      Gdiplus::SolidBrush fill(Color(textAlpha, arrowGrey, arrowGrey, arrowGrey));
      const int32_t ih = FMenu.ItemHeight;
      Gdiplus::Point corners[3] = {
          {r.Right + 1, r.Top + ih / 4}, {r.Right + 6, r.Top + ih / 2}, {r.Right + 1, r.Bottom - ih / 4}};
      G.FillPolygon(&fill, corners, 3);
    }
  }
}

void TSkinPopupLevel::PaintItemImage(Gdiplus::Graphics& G, const TMenuItem& AItem, const TRect& R, int32_t AIconLeft) {
  const int32_t h = R.Bottom - R.Top;
  if (FMenu.Images) {
    const IGPBitmap icon = FMenu.Images->GetBitmap(AItem.ImageIndex);
    if (icon)
      G.DrawImage(icon->Native(), Gdiplus::Rect(AIconLeft, R.Top + (h - FMenu.ItemIconHeight) / 2, FMenu.ItemIconWidth,
                                                FMenu.ItemIconHeight));
  }
  if (FMenu.SkinIcons) {
    const IGPBitmap icon = FMenu.SkinIcons->GetImage(AItem.ImageIndex);
    if (icon) {
      const int32_t iw = ImageWidth(icon), ih = ImageHeight(icon);
      G.DrawImage(icon->Native(), Gdiplus::Rect((FMenu.ItemLeftMargin - iw) / 2 + 5, R.Top + (h - ih) / 2, iw, ih));
    }
  }
}

} // namespace qelvane
