#pragma once
// The drawing toolkit as the skin resources use it: bitmap handles, the
// image elements, the skin engine log and the logged bitmap factories and
// element preparation.
#include "drawing/DrawingErrors.h"
#include "drawing/ElementDefaults.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiBigImagePro.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiImagePro.h"
#include "skin/SkinLog.h"
#include "drawing/SkinHelper.h"
