#pragma once
// Helpers of the skinned-control tests: a form whose composed image is a
// known pattern (what a skinned form offers its children), pixel reads of
// composed buffers and of GDI+ bitmaps, solid test bitmaps and the skin
// engine log.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>

#include "drawing/GPBitmap.h"
#include "drawing/GdiBitmap.h"
#include "skinui/SkinFormBuffer.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/tests/UiTestSupport.h"
#include "winbase/Files.h"

namespace qelvane::test {

inline uint32_t PatternAt(int x, int y) {
  return 0xFF000000u | (static_cast<uint32_t>(x * 3 % 256) << 16) | ((y * 5 % 256) << 8) | 0x40;
}

// A borderless form whose composed image is PatternAt, at a screen position
// and size of the test's choosing.
class TPatternForm : public TForm, public ISkinFormBuffer {
public:
  explicit TPatternForm(TComponent* AOwner, int32_t ALeft = 50, int32_t ATop = 50, int32_t AWidth = 320,
                        int32_t AHeight = 240)
      : TForm(AOwner) {
    SetBorderStyle(bsNone);
    SetBounds(ALeft, ATop, AWidth, AHeight);
    FBuffer.SetSize(AWidth, AHeight);
    const TPixelView v = FBuffer.Pixels();
    for (int y = 0; y < AHeight; ++y)
      for (int x = 0; x < AWidth; ++x)
        v.At(x, y) = PatternAt(x, y);
  }
  const TGdiBitmap& FormBufferBitmap() const override { return FBuffer; }
  const TGdiBitmap* BackgroundBufferBitmap() const override { return nullptr; }

protected:
  void Paint() override {
    BitBlt(Canvas().Handle(), 0, 0, FBuffer.Width(), FBuffer.Height(), FBuffer.DC(), 0, 0, SRCCOPY);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_ERASEBKGND) {
      m.Result = 1;
      return;
    }
    TForm::WndProc(m);
  }

private:
  TGdiBitmap FBuffer;
};

// RGB of a composed buffer's pixel (GDI leaves the alpha byte undefined).
inline uint32_t Rgb(const TGdiBitmap& B, int x, int y) {
  return B.Pixels().At(x, y) & 0x00FFFFFF;
}
// ARGB of a GDI+ bitmap's pixel.
inline uint32_t Argb(const IGPBitmap& B, int x, int y) {
  Gdiplus::Color c;
  B->Native()->GetPixel(x, y, &c);
  return c.GetValue();
}

// An opaque bitmap of one colour.
inline IGPBitmap SolidBitmap(int32_t AWidth, int32_t AHeight, uint32_t AArgb) {
  IGPBitmap b = TGPBitmap::Create(AWidth, AHeight);
  auto g = NewGraphics(b);
  g->Clear(Gdiplus::Color(AArgb));
  return b;
}

// Paints every pending window now.
inline void PaintAll() {
  Pump();
  Application().ProcessMessages();
}

// The skin engine log beside the test program, and its text (empty when
// there is none).
inline std::wstring SkinLogPath() {
  return ExeFileName().substr(0, ExeFileName().find_last_of(L'\\') + 1) + L"SkinEngine.log";
}
inline std::string SkinLogText() {
  HANDLE h = CreateFileW(SkinLogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string text(GetFileSize(h, nullptr), '\0');
  DWORD read = 0;
  ReadFile(h, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(h);
  text.resize(read);
  return text;
}

} // namespace qelvane::test
