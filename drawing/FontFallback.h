#pragma once
// Faces that are not installed. GDI+ refuses a font whose face it cannot
// find (a skin or form naming "微软雅黑" on a system without it or its
// substitute), so every GDI+ font is made from a face that exists: the one
// asked for, else the system's message font, else the generic sans-serif
// face. Each replaced face is logged once in "SkinEngine.log".
#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

namespace qelvane {

// The installed face GDI+ draws for AName (AName itself when installed).
std::wstring InstalledFontFace(const std::wstring& AName);

// A GDI+ family of InstalledFontFace(AName); null only when GDI+ has no
// font at all.
std::unique_ptr<Gdiplus::FontFamily> NewInstalledFontFamily(const std::wstring& AName);

} // namespace qelvane
