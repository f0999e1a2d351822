#pragma once
// Writes a binary tree document in the skin manifest form, so that compiling
// the result gives the same bytes.
#include "core/btd/BinaryTreeDocument100.h"

#include <filesystem>
#include <iosfwd>

namespace qelvane {

struct TManifestWriteOptions {
  // Empty: Binary values are written as hex:. Otherwise each non-empty
  // Binary value is written to a file below this folder (named after the
  // node's path) and referenced with file:.
  std::filesystem::path FilesDir;
  // file: paths are written relative to this folder (the manifest's).
  std::filesystem::path ManifestDir;
};

void WriteManifest(const TBinaryTreeDocument100& ADoc, std::ostream& AOut, const TManifestWriteOptions& AOptions);

} // namespace qelvane
