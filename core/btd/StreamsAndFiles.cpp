// The stream and file side of the tree document and its binary nodes. It is a
// unit of its own so that a program that never reads or writes them through
// C++ streams (the installer reads its skin from memory) links none of the
// stream and locale library, which would be most of its code.
#include "core/btd/BinaryTreeDocument100.h"
#include "core/btd/TypedNodes100.h"

#include <fstream>
#include <istream>
#include <ostream>

namespace qelvane {

void TBinaryTreeDocument100::SaveToStream(std::ostream& Stream) const {
  std::vector<uint8_t> bytes = SaveToBytes();
  WriteAllToStream(Stream, bytes.data(), bytes.size());
}

void TBinaryTreeDocument100::SaveToFile(const std::filesystem::path& FileName) const {
  std::vector<uint8_t> bytes = SaveToBytes();
  std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EStreamError("Cannot create file \"" + PathText(FileName) + "\"");
  WriteAllToStream(file, bytes.data(), bytes.size());
  file.close();
  if (!file) throw EStreamError("Stream write error");
}

void TBinaryTreeDocument100::LoadFromStream(std::istream& Stream) {
  std::vector<uint8_t> bytes = ReadWholeStream(Stream);
  if (bytes.size() < 4) throw EBinTreeError(SInvalidBinaryTreeDocument);
  WriteBuffer(bytes.data(), bytes.size());
}

void TBinaryTreeDocument100::LoadFromFile(const std::filesystem::path& FileName) {
  std::ifstream file(FileName, std::ios::binary);
  if (!file) throw EStreamError("Cannot open file \"" + PathText(FileName) + "\"");
  LoadFromStream(file);
}

void TBinaryNode100::LoadFromStream(std::istream& Stream) {
  ClearData();
  std::vector<uint8_t> bytes = ReadWholeStream(Stream);
  if (!bytes.empty()) Assign(bytes.data(), bytes.size());
}

void TBinaryNode100::SaveToStream(std::ostream& Stream) const {
  if (FDataSize > 0) WriteAllToStream(Stream, FData.data(), FDataSize);
}

void TBinaryNode100::LoadFromFile(const std::filesystem::path& FileName) {
  std::ifstream file(FileName, std::ios::binary);
  if (!file) throw EStreamError("Cannot open file \"" + PathText(FileName) + "\"");
  LoadFromStream(file);
}

void TBinaryNode100::SaveToFile(const std::filesystem::path& FileName) const {
  std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EStreamError("Cannot create file \"" + PathText(FileName) + "\"");
  SaveToStream(file);
  file.close();
  if (!file) throw EStreamError("Stream write error");
}

std::string PathText(const std::filesystem::path& APath) {
  std::u8string text = APath.u8string();
  return std::string(text.begin(), text.end());
}

std::vector<uint8_t> ReadWholeStream(std::istream& Stream) {
  std::vector<uint8_t> bytes;
  Stream.clear();
  Stream.seekg(0, std::ios::end);
  std::streamoff size = Stream.fail() ? -1 : static_cast<std::streamoff>(Stream.tellg());
  if (size >= 0) {
    Stream.seekg(0, std::ios::beg);
    bytes.resize(static_cast<size_t>(size));
    if (size > 0 && !Stream.read(reinterpret_cast<char*>(bytes.data()), size)) throw EStreamError("Stream read error");
    return bytes;
  }
  // Not seekable: read what is there.
  Stream.clear();
  char chunk[65536];
  while (Stream.read(chunk, sizeof chunk) || Stream.gcount() > 0) {
    bytes.insert(bytes.end(), chunk, chunk + Stream.gcount());
    if (Stream.eof()) break;
  }
  if (Stream.bad()) throw EStreamError("Stream read error");
  return bytes;
}

void WriteAllToStream(std::ostream& Stream, const void* AData, size_t ACount) {
  if (!Stream.write(static_cast<const char*>(AData), static_cast<std::streamsize>(ACount)))
    throw EStreamError("Stream write error");
}

} // namespace qelvane
