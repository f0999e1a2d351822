#include "drawing/DrawingErrors.h"

#include "core/text/TextConvert.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {
std::string Utf8(std::wstring_view w) {
  return Utf16ToUtf8(FromWide(w));
}
} // namespace

EDrawingError::EDrawingError(std::wstring_view AMessage) : std::runtime_error(Utf8(AMessage)) {}

const char* GdiPlusStatusName(Gdiplus::Status AStatus) {
  static const char* const names[] = {"Ok",
                                      "GenericError",
                                      "InvalidParameter",
                                      "OutOfMemory",
                                      "ObjectBusy",
                                      "InsufficientBuffer",
                                      "NotImplemented",
                                      "Win32Error",
                                      "WrongState",
                                      "Aborted",
                                      "FileNotFound",
                                      "ValueOverflow",
                                      "AccessDenied",
                                      "UnknownImageFormat",
                                      "FontFamilyNotFound",
                                      "FontStyleNotFound",
                                      "NotTrueTypeFont",
                                      "UnsupportedGdiplusVersion",
                                      "GdiplusNotInitialized",
                                      "PropertyNotFound",
                                      "PropertyNotSupported",
                                      "ProfileNotFound"};
  auto i = static_cast<unsigned>(AStatus);
  return i < sizeof(names) / sizeof(names[0]) ? names[i] : "UnknownStatus";
}

EGdiPlusError::EGdiPlusError(Gdiplus::Status AStatus, std::string_view AOperation)
    : EDrawingError("GDI+ error " + std::string(GdiPlusStatusName(AStatus)) + " in " + std::string(AOperation)),
      FStatus(AStatus) {}

EResNotFound::EResNotFound(std::wstring_view AResName)
    : EDrawingError(L"Resource " + std::wstring(AResName) + L" not found") {}

EFOpenError::EFOpenError(std::wstring_view AFileName, DWORD AError)
    : EDrawingError(L"Cannot open file \"" + std::wstring(AFileName) + L"\". " + SysErrorMessage(AError)) {}

} // namespace qelvane
