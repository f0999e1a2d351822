#pragma once
// The typed readers of a skin document by skin path, with wide-string paths
// and values as the Windows side uses them. Holds the document.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/btd/BinaryTreeDocument100.h"
#include "core/gfx/Geometry.h"

namespace qelvane {

class TSkinReaderBase {
public:
  TSkinReaderBase();
  ~TSkinReaderBase();

  // Each returns whether the node exists; AValue gets its value, or ADefault.
  bool GetSkinStringByName(std::wstring_view AName, std::wstring& AValue, const std::wstring& ADefault) const;
  bool GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const;
  bool GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const;
  bool GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const;
  bool GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const;
  // AValue is left untouched when the node is missing.
  bool GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const;
  // Appends the node's bytes to AStream; nothing when it is missing.
  bool GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const;
  // Names of the node's folder children, in document order.
  std::vector<std::wstring> GetSkinNodesByName(std::wstring_view AName) const;

  const TBinaryTreeDocument100& Document() const { return *FSkinDoc; }

protected:
  // The node's value bytes (empty for a missing node or no data); valid until
  // the document changes.
  std::span<const uint8_t> NodeBytes(std::wstring_view AName) const;
  // Loads a document from the bytes; the current one is replaced only when
  // the bytes hold a document (otherwise the error propagates).
  void ReplaceDocument(const void* ABytes, uint64_t ACount);
  void ClearDocument();

private:
  std::unique_ptr<TBinaryTreeDocument100> FSkinDoc;
};

// TEMPORARY stand-in for the portable font text parser.
void SetFontByString(std::u16string_view AText, TFontDesc& AFont, bool AApplyColour);

} // namespace qelvane
