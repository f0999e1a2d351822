#include "drawing/tests/TestSupport.h"

#include <fstream>
#include <sstream>

#include "winbase/ComPtr.h"
#include "drawing/DrawingErrors.h"
#include "drawing/SkinEngineLog.h"
#include "winbase/Log.h"
#include "winbase/WinText.h"

namespace qelvane::test {

namespace {
void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
std::vector<uint8_t> BmpHeader(int w, int h, int bits, int paletteCount, int rowBytes) {
  std::vector<uint8_t> v;
  const uint32_t offset = 14 + 40 + paletteCount * 4;
  v.push_back('B');
  v.push_back('M');
  Put32(v, offset + rowBytes * h);
  Put32(v, 0);
  Put32(v, offset);
  Put32(v, 40);
  Put32(v, w);
  Put32(v, -h); // top-down rows
  Put16(v, 1);
  Put16(v, bits);
  Put32(v, 0);
  Put32(v, rowBytes * h);
  Put32(v, 2835);
  Put32(v, 2835);
  Put32(v, paletteCount);
  Put32(v, 0);
  return v;
}
} // namespace

std::vector<uint8_t> Bmp24(int w, int h, const std::function<uint32_t(int, int)>& rgb) {
  const int row = (w * 3 + 3) & ~3;
  auto v = BmpHeader(w, h, 24, 0, row);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t c = rgb(x, y);
      v.push_back(c & 0xFF);
      v.push_back((c >> 8) & 0xFF);
      v.push_back((c >> 16) & 0xFF);
    }
    for (int p = w * 3; p < row; ++p)
      v.push_back(0);
  }
  return v;
}

std::vector<uint8_t> Bmp8(int w, int h, const std::vector<uint32_t>& paletteRgb,
                          const std::function<uint8_t(int, int)>& idx) {
  const int row = (w + 3) & ~3;
  auto v = BmpHeader(w, h, 8, static_cast<int>(paletteRgb.size()), row);
  for (uint32_t c : paletteRgb)
    Put32(v, c & 0xFFFFFF);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      v.push_back(idx(x, y));
    for (int p = w; p < row; ++p)
      v.push_back(0);
  }
  return v;
}

IGPBitmap Pattern(int w, int h, const std::function<uint32_t(int, int)>& argb) {
  IGPBitmap b = TGPBitmap::Create(w, h);
  TBitmapBits bits(b->Native());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      bits.View().At(x, y) = argb(x, y);
  return b;
}

std::vector<uint8_t> EncodePng(const IGPBitmap& b) {
  UINT num = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&num, &size);
  std::vector<uint8_t> buf(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buf.data());
  Gdiplus::GetImageEncoders(num, size, codecs);
  CLSID png{};
  for (UINT i = 0; i < num; ++i)
    if (std::wstring(codecs[i].MimeType) == L"image/png") png = codecs[i].Clsid;
  IStream* raw = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &raw);
  auto s = TComPtr<IStream>::Attach(raw);
  GpCheck(b->Native()->Save(s.get(), &png, nullptr), "Save");
  HGLOBAL g = nullptr;
  GetHGlobalFromStream(s.get(), &g);
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  const uint8_t* p = static_cast<const uint8_t*>(GlobalLock(g));
  std::vector<uint8_t> out(p, p + st.cbSize.QuadPart);
  GlobalUnlock(g);
  return out;
}

uint32_t Px(const IGPBitmap& b, int x, int y) {
  Gdiplus::Color c;
  b->Native()->GetPixel(x, y, &c);
  return c.GetValue();
}

bool AllPx(const IGPBitmap& b, int l, int t, int r, int bottom, uint32_t argb) {
  TBitmapBits bits(b->Native(), Gdiplus::ImageLockModeRead);
  for (int y = t; y < bottom; ++y)
    for (int x = l; x < r; ++x)
      if (bits.View().At(x, y) != argb) return false;
  return true;
}

int Inked(const IGPBitmap& b, int l, int t, int r, int bottom) {
  TBitmapBits bits(b->Native(), Gdiplus::ImageLockModeRead);
  int n = 0;
  for (int y = t; y < bottom; ++y)
    for (int x = l; x < r; ++x)
      n += (bits.View().At(x, y) >> 24) != 0;
  return n;
}

void TSkinLog::Reset() {
  DeleteFileW((LogFolder() + std::wstring(kSkinEngineLogFile)).c_str());
}

std::vector<std::wstring> TSkinLog::Lines() {
  std::ifstream f(WideToAnsi(LogFolder() + std::wstring(kSkinEngineLogFile)), std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  std::wstring text = AnsiToWide(ss.str());
  std::vector<std::wstring> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(L"\r\n", pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(pos, end - pos);
    bool stamped = line.size() >= 21 && line[4] == L'-' && line[13] == L':' && line.substr(19, 2) == L"  ";
    lines.push_back(stamped ? line.substr(21) : line);
    pos = end + 2;
  }
  return lines;
}

std::wstring TempPath(const std::wstring& name) {
  return LogFolder() + name;
}

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(WideToAnsi(path), std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace qelvane::test
