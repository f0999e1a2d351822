#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "core/gfx/PngCheck.h"

using namespace qelvane;

namespace {

using TBytes = std::vector<uint8_t>;

struct TChunk {
  std::string Type;
  TBytes Data;
  bool BadCrc = false;
};

void Put32(TBytes& b, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    b.push_back(uint8_t(v >> shift));
}

TBytes Header(uint32_t w, uint32_t h, uint8_t depth = 8, uint8_t colourType = 6, uint8_t interlace = 0) {
  TBytes d;
  Put32(d, w);
  Put32(d, h);
  d.insert(d.end(), {depth, colourType, 0, 0, interlace});
  return d;
}

// zlib stream of AHeight rows of filter byte 0 and ARowBytes zero bytes.
TBytes Pixels(size_t ARowBytes, size_t AHeight) {
  TBytes raw((ARowBytes + 1) * AHeight, 0);
  uLongf n = compressBound(uLong(raw.size()));
  TBytes z(n);
  compress(z.data(), &n, raw.data(), uLong(raw.size()));
  z.resize(n);
  return z;
}

TBytes Png(const std::vector<TChunk>& AChunks) {
  TBytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const TChunk& c : AChunks) {
    Put32(b, uint32_t(c.Data.size()));
    const size_t typeAt = b.size();
    b.insert(b.end(), c.Type.begin(), c.Type.end());
    b.insert(b.end(), c.Data.begin(), c.Data.end());
    uint32_t crc = uint32_t(crc32(0, b.data() + typeAt, uInt(4 + c.Data.size())));
    Put32(b, c.BadCrc ? crc ^ 1 : crc);
  }
  return b;
}

// A sound 3 x 2 RGBA picture, as chunks to vary.
std::vector<TChunk> Sound() {
  return {{"IHDR", Header(3, 2)}, {"IDAT", Pixels(12, 2)}, {"IEND", {}}};
}

} // namespace

TEST(PngCheck, ASoundPictureGivesItsHeadersSize) {
  auto size = CheckPng(Png(Sound()));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->Width, 3);
  EXPECT_EQ(size->Height, 2);

  // Ancillary chunks, a palette picture and pixel data split over several
  // IDAT chunks pass too.
  TBytes z = Pixels(2, 2);
  const TBytes z1(z.begin(), z.begin() + 3), z2(z.begin() + 3, z.end());
  EXPECT_TRUE(CheckPng(Png({{"IHDR", Header(2, 2, 8, 3)},
                            {"tEXt", {'a', 0, 'b'}},
                            {"PLTE", TBytes(6, 7)},
                            {"tRNS", {0}},
                            {"IDAT", z1},
                            {"IDAT", z2},
                            {"IEND", {}}})));
}

TEST(PngCheck, AnythingThatDoesNotCheckOutFails) {
  const TBytes sound = Png(Sound());
  auto with = [](auto AChange) {
    std::vector<TChunk> c = Sound();
    AChange(c);
    return Png(c);
  };
  auto cut = [&](size_t n) { return TBytes(sound.begin(), sound.end() - n); };
  TBytes trailing = sound, longChunk = sound, flipped = sound;
  trailing.push_back(0);
  longChunk[8] = 0xFF;             // the header's length
  flipped[8 + 25 + 8 + 1] ^= 0x40; // the second byte of the pixel data
  const struct {
    const char* Name;
    TBytes Bytes;
  } cases[] = {
      {"no bytes", {}},
      {"signature only", TBytes(sound.begin(), sound.begin() + 8)},
      {"not a PNG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"damaged signature",
       [&] {
         TBytes b = sound;
         b[1] = 'Q';
         return b;
       }()},
      {"IEND cut off", cut(12)},
      {"last byte cut off", cut(1)},
      {"bytes after IEND", trailing},
      {"chunk longer than the bytes", longChunk},
      {"bad CRC of the pixel data", with([](auto& c) { c[1].BadCrc = true; })},
      {"bad CRC of the header", with([](auto& c) { c[0].BadCrc = true; })},
      {"bad CRC of an ancillary chunk", with([](auto& c) {
         c.insert(c.begin() + 1, {"tEXt", {'a', 0}, true});
       })},
      {"damaged pixel data", flipped},
      {"bad zlib header", with([](auto& c) { c[1].Data[0] ^= 0x01; })},
      {"no header", with([](auto& c) { c.erase(c.begin()); })},
      {"header not first", with([](auto& c) { std::swap(c[0], c[1]); })},
      {"short header", with([](auto& c) { c[0].Data.pop_back(); })},
      {"zero width", with([](auto& c) { c[0].Data = Header(0, 2); })},
      {"zero height", with([](auto& c) { c[0].Data = Header(3, 0); })},
      {"too many pixels", with([](auto& c) { c[0].Data = Header(4097, 4096); })},
      {"width over 2^31", with([](auto& c) { c[0].Data = Header(0x80000000u, 1); })},
      {"RGB of 4 bits", with([](auto& c) { c[0].Data = Header(3, 2, 4, 2); })},
      {"colour type 5", with([](auto& c) { c[0].Data = Header(3, 2, 8, 5); })},
      {"interlace 2", with([](auto& c) { c[0].Data = Header(3, 2, 8, 6, 2); })},
      {"compression 1", with([](auto& c) { c[0].Data[10] = 1; })},
      {"second header", with([](auto& c) {
         c.insert(c.begin() + 1, {"IHDR", Header(3, 2)});
       })},
      {"no pixel data", with([](auto& c) { c.erase(c.begin() + 1); })},
      {"pixel data split by another chunk", with([](auto& c) {
         c.insert(c.begin() + 2, {{"tEXt", {'a', 0}}, {"IDAT", Pixels(12, 2)}});
       })},
      {"palette picture without a palette", with([](auto& c) { c[0].Data = Header(3, 2, 8, 3); })},
      {"palette in a grey picture", with([](auto& c) {
         c[0].Data = Header(3, 2, 8, 0);
         c.insert(c.begin() + 1, {"PLTE", TBytes(6, 0)});
       })},
      {"palette after the pixel data", with([](auto& c) {
         c.insert(c.begin() + 2, {"PLTE", TBytes(6, 0)});
       })},
      {"palette of 2 bytes", with([](auto& c) {
         c.insert(c.begin() + 1, {"PLTE", TBytes(2, 0)});
       })},
      {"unknown critical chunk", with([](auto& c) {
         c.insert(c.begin() + 1, {"QUUX", {}});
       })},
      {"chunk type not letters", with([](auto& c) {
         c.insert(c.begin() + 1, {"t3Xt", {}});
       })},
      {"IEND not empty", with([](auto& c) { c[2].Data = {0}; })},
  };
  for (const auto& c : cases)
    EXPECT_FALSE(CheckPng(c.Bytes)) << c.Name;
}
