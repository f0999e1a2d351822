#include "wizard/FormPictures.h"

#include <windows.h>

#include <span>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"

namespace qelvane {

IGPBitmap FormPicture(const wchar_t* AName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, AName, L"FORMPIC");
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EResNotFound(AName);
  IGPBitmap b = GdiSkinHelper::TSkinHelper::CreateBitmap(
      std::span<const uint8_t>(static_cast<const uint8_t*>(bytes), SizeofResource(module, info)));
  if (!b) throw EDrawingError(std::wstring(L"Form picture ") + AName + L" cannot be decoded");
  return b;
}

} // namespace qelvane
