#pragma once
// Compiles the skin manifest (docs/skin-source-format.md) into a binary tree
// document.
#include "core/btd/BinaryTreeDocument100.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qelvane {

// A manifest that cannot be compiled; Line() is the 1-based line at fault.
class EManifestError : public std::runtime_error {
public:
  EManifestError(int ALine, const std::string& AMessage);
  int Line() const { return FLine; }
  // The message without the line number.
  const std::string& Message() const { return FMessage; }

private:
  int FLine;
  std::string FMessage;
};

// Replaces ADoc's content by the manifest's tree. file: paths are relative to
// ABaseDir. Node names must survive a save and a load unchanged: not blank,
// at most 63 UTF-16 code units, no carriage return and no 0 character.
void CompileManifest(std::string_view AText, const std::filesystem::path& ABaseDir, TBinaryTreeDocument100& ADoc);

} // namespace qelvane
