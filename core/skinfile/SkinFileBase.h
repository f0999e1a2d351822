#pragma once
// The portable part of the skin file: one skin document and its typed readers
// by skin path. The platform's skin file derives from it and adds loading
// from resources and files (with its logging) and the image readers.
//
// A skin path is a backslash-separated path of node names below the
// document's top node (see TBinaryTreeDocument100::FindNodeByPath). Readers
// do not check the node type they find: each reads the node's value bytes as
// the type it asks for, taking as many bytes as that type has and zero for
// bytes the value lacks. The Boolean reader answers whether the value is not
// zero, and for a text or binary node whether it holds any bytes. Missing
// nodes are not errors: readers return false and give the default.
#include "core/btd/BinaryTreeDocument100.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

class TSkinFileBase {
public:
  TSkinFileBase() = default;
  TSkinFileBase(const TSkinFileBase&) = delete;
  TSkinFileBase& operator=(const TSkinFileBase&) = delete;
  virtual ~TSkinFileBase() = default;

  // The last file and resource loaded successfully (empty until then).
  const std::u16string& FileName() const { return FFileName; }
  const std::u16string& ResName() const { return FResName; }
  // True when the document holds a usable skin.
  bool Loaded() const { return FLoaded; }
  // SkinInfo\SkinName and SkinInfo\SkinVersion as of the last load that had
  // them.
  const std::u16string& SkinName() const { return FSkinName; }
  const std::u16string& SkinVersion() const { return FSkinVersion; }
  const TBinaryTreeDocument100& SkinDoc() const { return FSkinDoc; }

  const TBinTreeNode100* FindSkinNode(std::u16string_view AName) const { return FSkinDoc.FindNodeByPath(AName); }

  // The text of a WideString node, without its terminator.
  bool GetSkinStringByName(std::u16string_view AName, std::u16string& AValue, std::u16string_view ADefault) const;
  bool GetSkinInt32ByName(std::u16string_view AName, int32_t& AValue, int32_t ADefault) const;
  bool GetSkinBoolByName(std::u16string_view AName, bool& AValue, bool ADefault) const;
  bool GetSkinFloatByName(std::u16string_view AName, float& AValue, float ADefault) const;
  bool GetSkinDoubleByName(std::u16string_view AName, double& AValue, double ADefault) const;
  // AValue is left untouched when the node is missing.
  bool GetSkinGuidByName(std::u16string_view AName, TGUID& AValue) const;
  // Writes the node's value bytes to the stream at its current position, or
  // appends them to the vector; nothing when the node is missing.
  bool GetSkinStreamByName(std::u16string_view AName, std::ostream& AStream) const;
  bool GetSkinStreamByName(std::u16string_view AName, std::vector<uint8_t>& AStream) const;
  // The names of the node's folder children (type Directory), in document
  // order; empty when the node is missing.
  std::vector<std::u16string> GetSkinNodesByName(std::u16string_view AName) const;

protected:
  // Replaces the document by the one in the bytes (the format's errors
  // propagate), then copies SkinName and SkinVersion from it when it has
  // them. FLoaded, FFileName and FResName are the caller's to set.
  void LoadSkinDocument(const void* AData, size_t ASize);

  TBinaryTreeDocument100 FSkinDoc;
  std::u16string FFileName;
  std::u16string FResName;
  bool FLoaded = false;
  std::u16string FSkinName;
  std::u16string FSkinVersion;
};

} // namespace qelvane
