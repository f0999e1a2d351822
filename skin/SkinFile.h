#pragma once
// The skin file: one skin document and typed questions about it by skin path
// (a backslash-separated path of node names below the document's root, such
// as ControlStyle\Button\0\Normal.png). Loads the document from the
// program's own "DATA" resource or from a file, and decodes image nodes into
// bitmaps. The skin manager owns the only instance in a program.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinDrawing.h"
#include "skin/SkinReaderBase.h"

namespace qelvane {

class TSkinFile : public TSkinReaderBase {
public:
  TSkinFile();
  ~TSkinFile();
  TSkinFile(const TSkinFile&) = delete;
  TSkinFile& operator=(const TSkinFile&) = delete;

  // Loads the document from the program's resource of type "DATA" named
  // AResName. On failure (logged) the result and Loaded are False, ResName
  // keeps its value and the document loaded before stays as it was.
  bool LoadSkinRes(std::wstring_view AResName);
  // Loads the document from a file. A file that cannot be opened gives False
  // with Loaded True and the document as it was, and is not logged; a file
  // that is not a skin document gives False (logged) with Loaded False.
  bool LoadSkinFile(std::wstring_view AFileName);

  // Path of the last file loaded successfully, name of the last resource
  // loaded successfully; neither clears the other.
  const std::wstring& FileName() const { return FFileName; }
  const std::wstring& ResName() const { return FResName; }
  bool Loaded() const { return FLoaded; }
  // SkinInfo\SkinName and SkinInfo\SkinVersion of the last load that had them.
  const std::wstring& SkinName() const { return FSkinName; }
  const std::wstring& SkinVersion() const { return FSkinVersion; }

  // The image node at the path decoded into a 32 bpp ARGB bitmap, read from
  // the process-wide manager's skin file; nothing for a missing or empty node
  // or bytes that do not decode (the decoder logs those).
  IGPBitmap GetSkinImageByName(std::wstring_view AName) const;
  // The same, read from this file's own document.
  IGPBitmap FetchSkinImageByName(std::wstring_view AName) const;

  // Number of images decoded by all skin files of the process so far.
  static uint64_t ImageDecodeCount();
  // Called with the path of every image decoded (for measurements); nothing
  // stops it.
  using TDecodeObserver = void (*)(std::wstring_view APath, void* AContext);
  static void SetDecodeObserver(TDecodeObserver AObserver, void* AContext);

private:
  // Replaces the document by the one in the bytes (only when they hold one)
  // and takes the skin's name and version.
  void LoadDocument(const void* ABytes, uint64_t ACount);

  std::wstring FFileName;
  std::wstring FResName;
  bool FLoaded = false;
  std::wstring FSkinName;
  std::wstring FSkinVersion;
};

} // namespace qelvane
