#pragma once
// GDI+ start-up and shut-down for the process.
//
// GDI+ is started on first use and stays up while anything that may hold GDI+
// objects is alive: the first use takes a process-wide lease held by a
// function-local static (so it is taken during the static initialisation of
// whichever unit draws first, and released only after every static object
// constructed later is gone), and every long-lived owner of GDI+ objects
// (bitmap handles, text elements, canvases) holds a lease of its own, so
// GdiplusShutdown runs after the last of them is released, whatever the order
// of static destruction. Zero-initialised counters make this safe to call
// from any static initialiser.
namespace qelvane {

// Starts GDI+ if it is not running; throws EGdiPlusError if it cannot start.
void EnsureGdiPlus();

// True while GDI+ is started.
bool GdiPlusRunning();

// Keeps GDI+ started for its own lifetime. Declare it as the first member of
// a class that owns GDI+ objects, so it is destroyed after them.
class TGdiPlusLease {
public:
  TGdiPlusLease();
  TGdiPlusLease(const TGdiPlusLease&);
  TGdiPlusLease& operator=(const TGdiPlusLease&) { return *this; }
  ~TGdiPlusLease();
};

} // namespace qelvane
