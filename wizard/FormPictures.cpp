#include "wizard/FormPictures.h"

#include <windows.h>

#include <span>

#include "core/gfx/PngCheck.h"
#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/SkinHelper.h"

namespace qelvane {

IGPBitmap FormPicture(const wchar_t* AName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, AName, L"FORMPIC");
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EResNotFound(AName);
  const std::span<const uint8_t> picture(static_cast<const uint8_t*>(bytes), SizeofResource(module, info));
  // A PNG that checks out is decoded when its pixels are first needed,
  // straight from the resource (which lives as long as the program); should
  // it fail then after all, the skin engine log has it and it stays
  // transparent. Anything else is decoded now.
  if (const std::optional<TPngSize> size = CheckPng(picture))
    return TGPBitmap::Deferred(size->Width, size->Height, [picture] { return TSkinHelper::CreateBitmap(picture); });
  IGPBitmap b = GdiSkinHelper::TSkinHelper::CreateBitmap(picture);
  if (!b) throw EDrawingError(std::wstring(L"Form picture ") + AName + L" cannot be decoded");
  return b;
}

} // namespace qelvane
