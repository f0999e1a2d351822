#include "core/payload/Payload.h"
#include "core/payload/ZCompressor.h"
#include "core/payload/tests/PayloadTestSupport.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>

namespace qelvane {
namespace {

using test::TestBytes;

// Hands out the bytes in reads of a fixed size, the first read optionally of
// another size (0: the same).
class TTrickleSource : public TByteSource {
public:
  TTrickleSource(std::string Data, size_t Step, size_t First = 0)
      : FData(std::move(Data)), FStep(Step), FFirst(First == 0 ? Step : First) {}
  size_t Read(void* buffer, size_t count) override {
    size_t n = std::min({count, FPos == 0 ? FFirst : FStep, FData.size() - FPos});
    std::copy_n(FData.data() + FPos, n, static_cast<char*>(buffer));
    FPos += n;
    return n;
  }

private:
  std::string FData;
  size_t FStep;
  size_t FFirst;
  size_t FPos = 0;
};

std::string Inflate(const std::string& Compressed, size_t Step = 32768, size_t First = 0) {
  TTrickleSource source(Compressed, Step, First);
  TChunkedMemory out;
  ZDecompressStream(source, out);
  std::string bytes(out.Size(), '\0');
  out.ReadAt(0, bytes.data(), bytes.size());
  return bytes;
}

// Sizes around the 32 KiB windows and the memory chunks, compressible and not.
TEST(ZDecompressStream, InflatesWhatZCompressWrote) {
  const size_t chunk = TChunkedMemory::ChunkSize;
  for (size_t size : {size_t{0}, size_t{1}, size_t{32768}, size_t{65537}, chunk, chunk + 32768, 2 * chunk + 12345}) {
    for (bool compressible : {true, false}) {
      SCOPED_TRACE(testing::Message() << "size " << size << (compressible ? " text" : " noise"));
      std::string data = TestBytes(size, static_cast<uint32_t>(size), compressible);
      std::string z = ZCompress(data, 6);
      EXPECT_EQ(Inflate(z), data);
      EXPECT_EQ(Inflate(z, 1001), data); // short reads from the source
    }
  }
}

// A zlib stream of stored (uncompressed) blocks of up to 65,535 bytes: the
// output grows byte for byte with the input, so where a read ends in the
// output is known exactly.
std::string StoredStream(const std::string& Data) {
  std::string z = "\x78\x01";
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(65535, Data.size() - at);
    z.push_back(at + n == Data.size() ? 1 : 0); // last-block flag, type 0
    for (size_t v : {n, ~n})
      z += {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    z.append(Data, at, n);
    at += n;
  } while (at < Data.size());
  uLong adler =
      adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(Data.data()), static_cast<uInt>(Data.size()));
  for (int shift = 24; shift >= 0; shift -= 8)
    z.push_back(static_cast<char>((adler >> shift) & 0xFF));
  return z;
}

// An input chunk that ends exactly where a 32 KiB output window fills leaves
// zlib nothing to do on the next call (a buffer error), which is not damage.
// With 7 header bytes before the data, every first read of 7 bytes or more
// makes the next full read of 32,768 bytes fill the window that starts after
// it; shorter first reads miss the edge by the header bytes left over. With
// plain 32 KiB reads, the second read of a 100,000-byte stream ends on the
// window edge inside the first block.
TEST(ZDecompressStream, InputEndingExactlyWhereTheWindowFills) {
  for (size_t size : {size_t{40000}, size_t{100000}}) {
    const std::string data = TestBytes(size, 9, false);
    const std::string z = StoredStream(data);
    for (size_t first :
         {size_t{1}, size_t{5}, size_t{6}, size_t{7}, size_t{8}, size_t{9}, size_t{4000}, size_t{32768}}) {
      SCOPED_TRACE(testing::Message() << "size " << size << ", first read " << first);
      try {
        EXPECT_EQ(Inflate(z, 32768, first), data);
      } catch (const EZlibError& e) {
        ADD_FAILURE() << e.what();
      }
    }
  }
}

// Streamed compression in uneven pieces gives one stream of the same bytes.
TEST(ZDecompressStream, InflatesAStreamWrittenInPieces) {
  struct TSink : TByteSink {
    std::string Out;
    void Write(const void* d, size_t n) override { Out.append(static_cast<const char*>(d), n); }
  } sink;
  std::string data = TestBytes(300000, 7) + TestBytes(200000, 8, false);
  TZCompressor z(sink, 9);
  for (size_t at = 0; at < data.size(); at += 77777)
    z.Write(data.data() + at, std::min<size_t>(77777, data.size() - at));
  z.Finish();
  EXPECT_EQ(static_cast<unsigned char>(sink.Out[0]), 0x78);
  EXPECT_EQ(Inflate(sink.Out), data);
}

TEST(ZDecompressStream, ReportsDamageWithZlibsText) {
  const std::string good = ZCompress(TestBytes(200000, 3, false), 6);
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  std::string badChecksum = good;
  badChecksum.back() ^= 1;
  std::string dictionary;
  {
    z_stream z{};
    ASSERT_EQ(deflateInit(&z, 6), Z_OK);
    ASSERT_EQ(deflateSetDictionary(&z, reinterpret_cast<const Bytef*>("dict"), 4), Z_OK);
    unsigned char in[] = "text", out[64];
    z.next_in = in;
    z.avail_in = 4;
    z.next_out = out;
    z.avail_out = sizeof out;
    ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    dictionary.assign(reinterpret_cast<char*>(out), z.total_out);
    deflateEnd(&z);
  }
  struct TCase {
    const char* What;
    std::string Stream;
    const char* Text;
  };
  const TCase cases[] = {
      {"empty", "", "buffer error"},
      {"header only", good.substr(0, 2), "buffer error"},
      {"truncated in the middle", good.substr(0, good.size() / 2), "buffer error"},
      {"truncated checksum", good.substr(0, good.size() - 2), "buffer error"},
      {"not a zlib header", "PK\x03\x04 not zlib", "data error"},
      {"damaged data", flipped, "data error"},
      {"wrong checksum", badChecksum, "data error"},
      {"needs a dictionary", dictionary, "need dictionary"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    try {
      Inflate(c.Stream);
      ADD_FAILURE() << "no error";
    } catch (const EZlibError& e) {
      EXPECT_STREQ(e.what(), c.Text);
    }
  }
}

TEST(ZDecompressStream, IgnoresBytesAfterTheEndMark) {
  std::string data = TestBytes(100000, 4);
  EXPECT_EQ(Inflate(ZCompress(data) + "trailing bytes"), data);
  EXPECT_EQ(Inflate(ZCompress(data) + std::string(100000, 'x')), data);
}

TEST(TChunkedMemory, ReadsAndViewsAcrossChunks) {
  const size_t chunk = TChunkedMemory::ChunkSize;
  std::string data = TestBytes(chunk + 1000, 5, false);
  TChunkedMemory m;
  m.Append(data.data(), 10);
  m.Append(data.data() + 10, data.size() - 10);
  ASSERT_EQ(m.Size(), data.size());

  std::string across(2000, '\0');
  m.ReadAt(chunk - 1000, across.data(), across.size());
  EXPECT_EQ(across, data.substr(chunk - 1000, 2000));
  EXPECT_EQ(m.ViewAt(chunk - 1000, 1000), std::string_view(data).substr(chunk - 1000, 1000));
  EXPECT_TRUE(m.ViewAt(chunk - 1000, 1001).empty()); // spans two chunks
  EXPECT_EQ(m.ViewAt(chunk, 1000), std::string_view(data).substr(chunk, 1000));
  EXPECT_TRUE(m.ViewAt(chunk, 1001).empty()); // past the end
  EXPECT_THROW(m.ReadAt(data.size() - 10, across.data(), 11), EPayloadRefused);
  EXPECT_THROW(m.ReadAt(UINT64_MAX, across.data(), 2), EPayloadRefused);
  m.Clear();
  EXPECT_EQ(m.Size(), 0u);
}

} // namespace
} // namespace qelvane
