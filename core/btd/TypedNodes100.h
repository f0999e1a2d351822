#pragma once
// The node classes of the 24 node types. Values are kept in their stored byte
// form (little-endian), so ReadBuffer/WriteBuffer copy them unchanged.
#include "core/btd/BinTreeNode100.h"

#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <iosfwd>

namespace qelvane {

static_assert(std::endian::native == std::endian::little, "node values are kept in little-endian byte order");

// A GUID in its in-memory layout.
struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0;
  uint16_t D3 = 0;
  std::array<uint8_t, 8> D4{};
  friend bool operator==(const TGUID&, const TGUID&) = default;
};
static_assert(sizeof(TGUID) == 16);

// Milliseconds since midnight, then one plus the days since 1 January 0001.
struct TTimeStamp {
  int32_t Time = 0;
  int32_t Date = 0;
  friend bool operator==(const TTimeStamp&, const TTimeStamp&) = default;
};
static_assert(sizeof(TTimeStamp) == 8);

using TReal48Bytes = std::array<uint8_t, 6>;
// x87 80-bit extended, as raw bytes.
using TReal80Bytes = std::array<uint8_t, 10>;

// A node whose value has a fixed size: the size of TValue.
template <typename TValue, TNodeType100 Code> class TFixedSizeNode100 : public TBinTreeNode100 {
public:
  static constexpr uint32_t ValueSize = sizeof(TValue);
  explicit TFixedSizeNode100(std::u16string_view ANodeName) : TBinTreeNode100(ANodeName, Code, ValueSize) {}

  void ClearData() override { FData = TValue{}; }
  void ReadBuffer(void* ADest) const override {
    QBTD_ASSERT(FDataSize == ValueSize);
    std::memcpy(ADest, &FData, ValueSize);
  }
  // ACount must be the type's size ("Assertion failure" otherwise).
  void WriteBuffer(const void* ASource, int64_t ACount) override {
    QBTD_ASSERT(ACount == ValueSize);
    std::memcpy(&FData, ASource, ValueSize);
  }

protected:
  TValue FData{};
};

// A fixed-size node with a typed Data property.
template <typename TValue, TNodeType100 Code> class TValueNode100 : public TFixedSizeNode100<TValue, Code> {
public:
  using TFixedSizeNode100<TValue, Code>::TFixedSizeNode100;
  TValue Data() const { return this->FData; }
  void SetData(const TValue& AValue) { this->FData = AValue; }
};

// A boolean of a given width: non-zero is true, true is stored as -1.
template <typename TRaw, TNodeType100 Code> class TBoolNode100 : public TFixedSizeNode100<TRaw, Code> {
public:
  using TFixedSizeNode100<TRaw, Code>::TFixedSizeNode100;
  bool Data() const { return this->FData != 0; }
  void SetData(bool AValue) { this->FData = AValue ? TRaw(-1) : TRaw(0); }
  TRaw RawData() const { return this->FData; }
};

class TDirectoryNode100 final : public TBinTreeNode100 {
public:
  explicit TDirectoryNode100(std::u16string_view ANodeName) : TBinTreeNode100(ANodeName, nt100_Directory, 0) {}
};

class TAnsiCharNode100 final : public TValueNode100<char, nt100_AnsiChar> {
public:
  using TValueNode100::TValueNode100;
};
class TWideCharNode100 final : public TValueNode100<char16_t, nt100_WideChar> {
public:
  using TValueNode100::TValueNode100;
};
class TInt8Node100 final : public TValueNode100<int8_t, nt100_Int8> {
public:
  using TValueNode100::TValueNode100;
};
class TInt16Node100 final : public TValueNode100<int16_t, nt100_Int16> {
public:
  using TValueNode100::TValueNode100;
};
class TInt32Node100 final : public TValueNode100<int32_t, nt100_Int32> {
public:
  using TValueNode100::TValueNode100;
};
class TInt64Node100 final : public TValueNode100<int64_t, nt100_Int64> {
public:
  using TValueNode100::TValueNode100;
};
class TUInt8Node100 final : public TValueNode100<uint8_t, nt100_UInt8> {
public:
  using TValueNode100::TValueNode100;
};
class TUInt16Node100 final : public TValueNode100<uint16_t, nt100_UInt16> {
public:
  using TValueNode100::TValueNode100;
};
class TUInt32Node100 final : public TValueNode100<uint32_t, nt100_UInt32> {
public:
  using TValueNode100::TValueNode100;
};
class TReal32Node100 final : public TValueNode100<float, nt100_Real32> {
public:
  using TValueNode100::TValueNode100;
};
// Carried as raw bytes; there is no typed accessor.
class TReal48Node100 final : public TFixedSizeNode100<TReal48Bytes, nt100_Real48> {
public:
  using TFixedSizeNode100::TFixedSizeNode100;
};
class TReal64Node100 final : public TValueNode100<double, nt100_Real64> {
public:
  using TValueNode100::TValueNode100;
};
class TReal80Node100 final : public TValueNode100<TReal80Bytes, nt100_Real80> {
public:
  using TValueNode100::TValueNode100;
};
// The amount times 10,000.
class TCurrencyNode100 final : public TValueNode100<int64_t, nt100_Currency> {
public:
  using TValueNode100::TValueNode100;
};
// Whole days since 30 December 1899; the fraction is the time of day.
class TDateTimeNode100 final : public TValueNode100<double, nt100_DateTime> {
public:
  using TValueNode100::TValueNode100;
};
class TTimeStampNode100 final : public TValueNode100<TTimeStamp, nt100_TimeStamp> {
public:
  using TValueNode100::TValueNode100;
};
class TBool8Node100 final : public TBoolNode100<int8_t, nt100_Bool8> {
public:
  using TBoolNode100::TBoolNode100;
};
class TBool16Node100 final : public TBoolNode100<int16_t, nt100_Bool16> {
public:
  using TBoolNode100::TBoolNode100;
};
class TBool32Node100 final : public TBoolNode100<int32_t, nt100_Bool32> {
public:
  using TBoolNode100::TBoolNode100;
};
class TGUIDNode100 final : public TFixedSizeNode100<TGUID, nt100_Guid> {
public:
  using TFixedSizeNode100::TFixedSizeNode100;
  const TGUID& Data() const { return FData; }
  void SetData(const TGUID& AValue) { FData = AValue; }
};

// A node whose value is a byte buffer of any size (0 when empty).
class TBufferNode100 : public TBinTreeNode100 {
public:
  void ClearData() override;
  void ReadBuffer(void* ADest) const override;
  // The buffer itself; nullptr when empty.
  const uint8_t* DataBuf() const { return FData.empty() ? nullptr : FData.data(); }

protected:
  TBufferNode100(std::u16string_view ANodeName, TNodeType100 ANodeType) : TBinTreeNode100(ANodeName, ANodeType, 0) {}
  void Assign(const void* ASource, size_t ACount);

  std::vector<uint8_t> FData;
};

// 8-bit text followed by one 0 byte; no bytes for the empty text.
class TAnsiStringNode100 final : public TBufferNode100 {
public:
  explicit TAnsiStringNode100(std::u16string_view ANodeName) : TBufferNode100(ANodeName, nt100_AnsiString) {}
  // A count of 0 or less changes nothing.
  void WriteBuffer(const void* ASource, int64_t ACount) override;
  // The text up to the first 0 byte (or the end of the buffer).
  std::string Data() const;
  void SetData(std::string_view AValue);
};

// UTF-16LE text followed by one 0 code unit; no bytes for the empty text.
class TWideStringNode100 final : public TBufferNode100 {
public:
  explicit TWideStringNode100(std::u16string_view ANodeName) : TBufferNode100(ANodeName, nt100_WideString) {}
  // A count of 0 or less changes nothing.
  void WriteBuffer(const void* ASource, int64_t ACount) override;
  // The text up to the first 0 code unit (or the end of the buffer).
  std::u16string Data() const;
  void SetData(std::u16string_view AValue);
};

// Raw bytes.
class TBinaryNode100 final : public TBufferNode100 {
public:
  explicit TBinaryNode100(std::u16string_view ANodeName) : TBufferNode100(ANodeName, nt100_Binary) {}
  // Empties the node first; a count of 0 or less leaves it empty.
  void WriteBuffer(const void* ASource, int64_t ACount) override;
  // Replaces the value with the whole content of the stream.
  void LoadFromStream(std::istream& Stream);
  void SaveToStream(std::ostream& Stream) const;
  void LoadFromFile(const std::filesystem::path& FileName);
  void SaveToFile(const std::filesystem::path& FileName) const;
};

// A path as UTF-8 text, for messages (never fails, whatever the code page).
std::string PathText(const std::filesystem::path& APath);

// Reads a whole stream from its start (or from where it is, when it cannot
// seek); EStreamError when reading fails.
std::vector<uint8_t> ReadWholeStream(std::istream& Stream);
// Writes bytes to a stream; EStreamError when writing fails.
void WriteAllToStream(std::ostream& Stream, const void* AData, size_t ACount);

} // namespace qelvane
