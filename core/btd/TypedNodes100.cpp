#include "core/btd/TypedNodes100.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>

namespace qelvane {

// ---------------------------------------------------------------------------
// TBufferNode100

void TBufferNode100::ClearData() {
  FData.clear();
  FData.shrink_to_fit();
  FDataSize = 0;
}

void TBufferNode100::ReadBuffer(void* ADest) const {
  if (FDataSize > 0) std::memcpy(ADest, FData.data(), FDataSize);
}

void TBufferNode100::Assign(const void* ASource, size_t ACount) {
  // The size is kept in 32 bits, like the size field of a stored record.
  QBTD_ASSERT(ACount <= std::numeric_limits<uint32_t>::max());
  const auto* bytes = static_cast<const uint8_t*>(ASource);
  FData.assign(bytes, bytes + ACount);
  FDataSize = static_cast<uint32_t>(ACount);
}

// ---------------------------------------------------------------------------
// TAnsiStringNode100

void TAnsiStringNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  if (ACount <= 0) return;
  ClearData();
  Assign(ASource, static_cast<size_t>(ACount));
}

std::string TAnsiStringNode100::Data() const {
  if (FDataSize == 0) return {};
  auto end = std::find(FData.begin(), FData.end(), uint8_t(0));
  return std::string(FData.begin(), end);
}

void TAnsiStringNode100::SetData(std::string_view AValue) {
  ClearData();
  if (AValue.empty()) return;
  std::string buffer(AValue);
  Assign(buffer.c_str(), buffer.size() + 1);
}

// ---------------------------------------------------------------------------
// TWideStringNode100

void TWideStringNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  if (ACount <= 0) return;
  ClearData();
  Assign(ASource, static_cast<size_t>(ACount));
}

std::u16string TWideStringNode100::Data() const {
  std::u16string text;
  for (size_t i = 0; i + 1 < FData.size(); i += 2) {
    char16_t c = static_cast<char16_t>(FData[i] | (FData[i + 1] << 8));
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

void TWideStringNode100::SetData(std::u16string_view AValue) {
  ClearData();
  if (AValue.empty()) return;
  std::vector<uint8_t> bytes;
  bytes.reserve(AValue.size() * 2 + 2);
  for (char16_t c : AValue) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  Assign(bytes.data(), bytes.size());
}

// ---------------------------------------------------------------------------
// TBinaryNode100

void TBinaryNode100::WriteBuffer(const void* ASource, int64_t ACount) {
  ClearData();
  if (ACount > 0) Assign(ASource, static_cast<size_t>(ACount));
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

// ---------------------------------------------------------------------------

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
