#include "core/payload/PayloadName.h"

#include "core/payload/Payload.h"
#include "core/text/TextConvert.h"

namespace qelvane {

namespace {

bool IsGbkLeadByte(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}

bool IsValidGbk(std::string_view Name) {
  try {
    GbkToUtf16(Name);
    return true;
  } catch (const ETextConvert&) {
    return false;
  }
}

// Windows drops trailing dots and spaces from a path component, so a
// component made only of them names the folder itself or its parent.
bool IsOnlyDotsAndSpaces(std::string_view Component) {
  return Component.find_first_not_of(". ") == std::string_view::npos;
}

// Windows opens a device, not a file, for these names in any folder and with
// any extension ("Qelvane\\nul.txt" discards what is written, "COM1" may
// block): CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$, CONOUT$, letter case
// ignored, trailing spaces and dots ignored.
bool IsWindowsDeviceName(std::string_view Component) {
  std::string stem(Component.substr(0, Component.find('.')));
  while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.'))
    stem.pop_back();
  for (char& c : stem)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" || stem == "CONOUT$")
    return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
         stem[3] <= '9';
}

} // namespace

std::vector<size_t> PayloadSeparators(std::string_view Name) {
  std::vector<size_t> out;
  for (size_t i = 0; i < Name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(Name[i]);
    if (IsGbkLeadByte(c) && i + 1 < Name.size())
      ++i;
    else if (c == '\\')
      out.push_back(i);
  }
  return out;
}

std::string PayloadDisplayName(std::string_view Name) {
  std::string text;
  bool gbk = true;
  try {
    text = Utf16ToUtf8(GbkToUtf16(Name));
  } catch (const ETextConvert&) {
    text = Name;
    gbk = false;
  }
  static const char Hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c != 0x7F && (gbk || c < 0x80)) {
      out.push_back(static_cast<char>(c));
    } else {
      out += "\\x";
      out.push_back(Hex[c >> 4]);
      out.push_back(Hex[c & 15]);
    }
  }
  return out;
}

std::string PayloadNameFault(std::string_view Name) {
  if (Name.empty()) return "empty name";
  // '/', ':' and control characters never occur inside a GBK double-byte
  // character (its second byte is 0x40 or above), so a byte search finds them.
  for (unsigned char c : Name)
    if (c < 0x20) return "control character in the name";
  if (Name.find('/') != std::string_view::npos) return "forward slash in the name";
  if (Name.size() >= 2 && Name[1] == ':') return "drive prefix";
  if (Name.find(':') != std::string_view::npos) return "colon in the name";
  if (!IsValidGbk(Name)) return "name is not valid GBK text";
  std::vector<size_t> seps = PayloadSeparators(Name);
  if (!seps.empty() && seps.front() == 0) return "absolute path";
  if (!seps.empty() && seps.back() == Name.size() - 1) return "name ends in a separator";
  size_t start = 0;
  seps.push_back(Name.size());
  for (size_t sep : seps) {
    std::string_view component = Name.substr(start, sep - start);
    if (component.empty()) return "empty path component";
    if (component == "..") return "\"..\" component";
    if (IsOnlyDotsAndSpaces(component)) return "component of only dots and spaces";
    if (IsWindowsDeviceName(component)) return "Windows device name";
    start = sep + 1;
  }
  return {};
}

} // namespace qelvane
