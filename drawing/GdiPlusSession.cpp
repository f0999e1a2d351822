#include "drawing/GdiPlusSession.h"

#include <windows.h>

#include <gdiplus.h>

#include "drawing/DrawingErrors.h"

namespace qelvane {

namespace {
// Constant-initialised: valid before any dynamic initialisation runs.
int gLeases = 0;
ULONG_PTR gToken = 0;

void Acquire() {
  if (gLeases == 0) {
    Gdiplus::GdiplusStartupInput input; // version 1, no debug callback, background thread on
    Gdiplus::Status s = Gdiplus::GdiplusStartup(&gToken, &input, nullptr);
    if (s != Gdiplus::Ok) throw EGdiPlusError(s, "GdiplusStartup");
  }
  ++gLeases;
}

void Release() {
  if (gLeases > 0 && --gLeases == 0) {
    Gdiplus::GdiplusShutdown(gToken);
    gToken = 0;
  }
}

struct TProcessLease {
  TProcessLease() { Acquire(); }
  ~TProcessLease() { Release(); }
  TProcessLease(const TProcessLease&) = delete;
  TProcessLease& operator=(const TProcessLease&) = delete;
};
} // namespace

void EnsureGdiPlus() {
  static TProcessLease lease;
}

bool GdiPlusRunning() {
  return gLeases > 0;
}

TGdiPlusLease::TGdiPlusLease() {
  EnsureGdiPlus();
  Acquire();
}

TGdiPlusLease::TGdiPlusLease(const TGdiPlusLease&) : TGdiPlusLease() {}

TGdiPlusLease::~TGdiPlusLease() {
  Release();
}

} // namespace qelvane
