#pragma once
// Packing a folder into a compressed payload archive.
#include <cstdint>
#include <string>
#include <vector>

namespace qelvane {

struct TFolderFile {
  std::string Path; // on disk
  std::string Name; // archive name: GBK, backslashes, relative to the folder
  uint64_t Size = 0;
};

// Every file below Dir, sorted by archive name. Empty folders have no entry
// (the archive implies folders by its names). Throws EPayloadBuild naming the
// file for a name GBK cannot write, a backslash inside a file name, a symbolic
// link to a folder or a special file.
std::vector<TFolderFile> CollectFolder(const std::string& Dir);

struct TPackOptions {
  int Level = 6;
  bool Progress = false;
};

// Packs the files below Dir into File as one zlib stream: directory and names
// first, then each file's bytes, streamed so memory stays small. Writes a
// temporary file beside File and renames it only when complete. Returns the
// inflated size.
uint64_t PackFolder(const std::string& Dir, const std::string& File, const TPackOptions& Options);

} // namespace qelvane
