#include "drawing/FontFallback.h"

#include <map>

#include "drawing/GdiPlusSession.h"
#include "drawing/SkinEngineLog.h"

namespace qelvane {

namespace {

bool Installed(const std::wstring& AName) {
  if (AName.empty()) return false;
  Gdiplus::FontFamily family(AName.c_str(), nullptr);
  return family.GetLastStatus() == Gdiplus::Ok;
}

std::wstring MessageFontFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return metrics.lfMessageFont.lfFaceName;
}

std::wstring SansSerifFace() {
  const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif();
  WCHAR name[LF_FACESIZE] = {};
  if (!generic || generic->GetLastStatus() != Gdiplus::Ok || generic->GetFamilyName(name) != Gdiplus::Ok) return {};
  return name;
}

std::wstring Fallback(const std::wstring& AName) {
  for (const std::wstring& face : {MessageFontFace(), SansSerifFace()})
    if (Installed(face)) return face;
  return AName;
}

} // namespace

std::wstring InstalledFontFace(const std::wstring& AName) {
  EnsureGdiPlus();
  // One user-interface thread: the answers are kept, so each missing face is
  // looked up, and logged, once.
  static std::map<std::wstring, std::wstring> known;
  if (auto it = known.find(AName); it != known.end()) return it->second;
  std::wstring face = AName;
  if (!Installed(AName)) {
    face = Fallback(AName);
    WriteExceptionLog({}, nullptr, kSkinEngineLogFile,
                      L"Font \"" + AName + L"\" is not installed; using \"" + face + L"\"");
  }
  known.emplace(AName, face);
  return face;
}

std::unique_ptr<Gdiplus::FontFamily> NewInstalledFontFamily(const std::wstring& AName) {
  auto family = std::make_unique<Gdiplus::FontFamily>(InstalledFontFace(AName).c_str(), nullptr);
  if (family->GetLastStatus() != Gdiplus::Ok) return nullptr;
  return family;
}

} // namespace qelvane
