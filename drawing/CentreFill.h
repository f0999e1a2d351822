#pragma once
// How the centre piece of a margin-drawn image fills its target area, one
// routine per stretch mode. C is the (clipped) image, APiece the centre piece
// of C, ATarget the area of the graphics to fill. Each throws on a GDI+
// failure; the elements guard them under their own operation names.
#include <windows.h>

#include <gdiplus.h>

#include "core/gfx/Geometry.h"
#include "drawing/GPBitmap.h"

namespace qelvane::centrefill {

// The piece stretched over the whole target.
void StretchBoth(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget);
// Copies of the piece side by side, each as high as the target, the last
// one squeezed into the room left.
void TileHorz(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget);
// The same downwards.
void TileVert(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget);
// Unscaled copies in both directions; the last column and row cut off.
void TileBoth(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget);

// The piece at its own size at the target's top-left with its right and
// bottom 26 pixels faded (each only when asked), the rest of the graphics
// cleared to the average colour of the piece's right 25 columns. Nothing
// for a piece 25 pixels or less wide or high. Clears the whole graphics.
void AvgColor(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget, bool AFadeRight,
              bool AFadeBottom);
// The average-colour steps on an already composed bitmap X: fades, average,
// clear G and draw X at ATarget's top-left. Nothing when X is 25 pixels or
// less in either direction.
void AvgColorOf(Gdiplus::Graphics& G, const IGPBitmap& X, const TGPRect& ATarget, bool AFadeRight, bool AFadeBottom);

// The piece at its own size at the target's top-left on opaque white (the
// whole graphics is cleared); what lies beyond the target is not drawn.
void NotStretch(Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece, const TGPRect& ATarget);

// Draws one of the four tiling/stretching modes; other values draw nothing.
void ByMode(TStretchMode AMode, Gdiplus::Graphics& G, const IGPBitmap& C, const TGPRect& APiece,
            const TGPRect& ATarget);

// The operation name an element logs a failed fill under.
const wchar_t* OperationName(TStretchMode AMode);

} // namespace qelvane::centrefill
