#pragma once
// The skin file: one skin document and typed questions about it by skin path
// (a backslash-separated path of node names below the document's root, such
// as ControlStyle\Button\0\Normal.png). Adds to the portable readers the
// loading from the program's own "DATA" resource or from a file, wide-string
// paths, and the decoding of image nodes into bitmaps. The skin manager owns
// the only instance in a program.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/skinfile/SkinFileBase.h"
#include "skin/SkinDrawing.h"

namespace qelvane {

class TSkinFile : public TSkinFileBase {
public:
  TSkinFile();
  ~TSkinFile() override;

  // Loads the document from the program's resource of type "DATA" named
  // AResName. On failure (logged) the result and Loaded are False, ResName
  // keeps its value and the document loaded before stays as it was.
  bool LoadSkinRes(std::wstring_view AResName);
  // Loads the document from a file. A file that cannot be opened gives False
  // with Loaded True and the document as it was, and is not logged; a file
  // that is not a skin document gives False (logged) with Loaded False and
  // the document as it was.
  bool LoadSkinFile(std::wstring_view AFileName);

  // The readers with wide-string paths and values.
  using TSkinFileBase::GetSkinBoolByName;
  using TSkinFileBase::GetSkinDoubleByName;
  using TSkinFileBase::GetSkinFloatByName;
  using TSkinFileBase::GetSkinInt32ByName;
  using TSkinFileBase::GetSkinNodesByName;
  using TSkinFileBase::GetSkinStreamByName;
  using TSkinFileBase::GetSkinStringByName;
  bool GetSkinStringByName(std::wstring_view AName, std::wstring& AValue, std::wstring_view ADefault) const;
  bool GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const;
  bool GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const;
  bool GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const;
  bool GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const;
  // AValue is left untouched when the node is missing.
  bool GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const;
  bool GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const;
  std::vector<std::wstring> GetSkinNodesByName(std::wstring_view AName) const;

  // The image node at the path decoded into a 32 bpp ARGB bitmap, read from
  // the image source (below); nothing for a missing or empty node or bytes
  // that do not decode (the decoder logs those). A PNG that passes CheckPng
  // (core/gfx/PngCheck.h) is decoded on the first use of its pixels (a
  // deferred TGPBitmap keeping a copy of its bytes); should it fail then
  // after all, that is logged the same way and it stays transparent.
  IGPBitmap GetSkinImageByName(std::wstring_view AName) const;
  // The same, read from this file's own document.
  IGPBitmap FetchSkinImageByName(std::wstring_view AName) const;
  // The skin file GetSkinImageByName reads instead of this one, for a file
  // that reads its images through the skin in use elsewhere; nullptr (the
  // default, and what the manager's own file has) reads this file.
  void SetImageSource(const TSkinFile* ASource) { FImageSource = ASource; }

  // Number of images decoded by all skin files of the process so far (real
  // decodes: a deferred image counts when it is decoded, not when fetched).
  static uint64_t ImageDecodeCount();
  // Called with the path of every image decoded, when it is (for measurements).
  using TDecodeObserver = void (*)(std::wstring_view APath, void* AContext);
  static void SetDecodeObserver(TDecodeObserver AObserver, void* AContext);

private:
  // Replaces the document by the one in the bytes, only when they hold one.
  void LoadDocument(const void* ABytes, size_t ACount);
  std::span<const uint8_t> NodeBytes(std::wstring_view AName) const;

  const TSkinFile* FImageSource = nullptr;
};

} // namespace qelvane
