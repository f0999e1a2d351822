#pragma once
// Errors raised by the drawing toolkit. All derive from std::exception, the
// base class that the skin engine's guards catch; messages are UTF-8.
#include <windows.h>

#include <gdiplus.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace qelvane {

// Base of the toolkit's own errors.
class EDrawingError : public std::runtime_error {
public:
  explicit EDrawingError(const std::string& AMessage) : std::runtime_error(AMessage) {}
  explicit EDrawingError(std::wstring_view AMessage);
};

// A GDI+ call returned a status other than Ok.
class EGdiPlusError : public EDrawingError {
public:
  EGdiPlusError(Gdiplus::Status AStatus, std::string_view AOperation);
  Gdiplus::Status Status() const { return FStatus; }

private:
  Gdiplus::Status FStatus;
};

// A resource of the program's own module is missing: "Resource <name> not found".
class EResNotFound : public EDrawingError {
public:
  explicit EResNotFound(std::wstring_view AResName);
};

// A file cannot be opened: "Cannot open file "<name>". <system message>".
class EFOpenError : public EDrawingError {
public:
  EFOpenError(std::wstring_view AFileName, DWORD AError);
};

// Throws EGdiPlusError unless AStatus is Ok.
inline void GpCheck(Gdiplus::Status AStatus, std::string_view AOperation) {
  if (AStatus != Gdiplus::Ok) throw EGdiPlusError(AStatus, AOperation);
}

// Name of a GDI+ status ("InvalidParameter", ...).
const char* GdiPlusStatusName(Gdiplus::Status AStatus);

} // namespace qelvane
