#include "tools/skinc/ManifestText.h"

#include "core/text/TextConvert.h"

namespace qelvane {

namespace {

struct TPiece {
  enum TKind { Text, Byte, Unit } Kind;
  std::string Chars;  // Text: a run of literal UTF-8
  uint32_t Value = 0; // Byte or Unit
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

uint32_t ParseHexDigits(std::string_view AText, size_t APos, size_t ACount) {
  if (APos + ACount > AText.size()) throw EManifestSyntax("incomplete escape in string");
  uint32_t value = 0;
  for (size_t i = 0; i < ACount; ++i) {
    int d = HexDigit(AText[APos + i]);
    if (d < 0) throw EManifestSyntax("bad hexadecimal digit in escape");
    value = value * 16 + static_cast<uint32_t>(d);
  }
  return value;
}

std::vector<TPiece> ScanQuoted(std::string_view AText, size_t& APos) {
  if (APos >= AText.size() || AText[APos] != '"') throw EManifestSyntax("expected a quoted string");
  std::vector<TPiece> pieces;
  auto literal = [&](char c) {
    if (pieces.empty() || pieces.back().Kind != TPiece::Text) pieces.push_back({TPiece::Text, {}, 0});
    pieces.back().Chars.push_back(c);
  };
  size_t p = APos + 1;
  for (;;) {
    if (p >= AText.size()) throw EManifestSyntax("unterminated string");
    char c = AText[p++];
    if (c == '"') break;
    if (c != '\\') {
      literal(c);
      continue;
    }
    if (p >= AText.size()) throw EManifestSyntax("unterminated string");
    char e = AText[p++];
    switch (e) {
    case '"':
      literal('"');
      break;
    case '\\':
      literal('\\');
      break;
    case 'r':
      literal('\r');
      break;
    case 'n':
      literal('\n');
      break;
    case 't':
      literal('\t');
      break;
    case 'x':
      pieces.push_back({TPiece::Byte, {}, ParseHexDigits(AText, p, 2)});
      p += 2;
      break;
    case 'u':
      pieces.push_back({TPiece::Unit, {}, ParseHexDigits(AText, p, 4)});
      p += 4;
      break;
    default:
      throw EManifestSyntax(std::string("unknown escape \\") + e);
    }
  }
  APos = p;
  return pieces;
}

std::u16string DecodeUtf8(const std::string& AText) {
  try {
    return Utf8ToUtf16(AText);
  } catch (const ETextConvert&) {
    throw EManifestSyntax("string is not valid UTF-8");
  }
}

void AppendUtf8Escaped(std::string& AOut, char16_t c) {
  static const char* digits = "0123456789ABCDEF";
  AOut += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4)
    AOut.push_back(digits[(c >> shift) & 0xF]);
}

bool AppendSimpleEscape(std::string& AOut, unsigned c) {
  switch (c) {
  case '"':
    AOut += "\\\"";
    return true;
  case '\\':
    AOut += "\\\\";
    return true;
  case '\r':
    AOut += "\\r";
    return true;
  case '\n':
    AOut += "\\n";
    return true;
  case '\t':
    AOut += "\\t";
    return true;
  default:
    return false;
  }
}

} // namespace

std::u16string ParseQuotedWide(std::string_view AText, size_t& APos) {
  std::u16string out;
  std::string pending; // UTF-8 bytes not yet decoded
  for (const TPiece& piece : ScanQuoted(AText, APos)) {
    if (piece.Kind == TPiece::Text) {
      pending += piece.Chars;
    } else if (piece.Kind == TPiece::Byte) {
      pending.push_back(static_cast<char>(piece.Value));
    } else {
      out += DecodeUtf8(pending);
      pending.clear();
      out.push_back(static_cast<char16_t>(piece.Value));
    }
  }
  return out + DecodeUtf8(pending);
}

std::string ParseQuotedAnsi(std::string_view AText, size_t& APos) {
  std::string out;
  std::u16string pending; // text not yet written in GBK
  auto flush = [&] {
    if (pending.empty()) return;
    try {
      out += Utf16ToGbk(pending);
    } catch (const ETextConvert&) {
      throw EManifestSyntax("text cannot be written in GBK (use \\xHH bytes)");
    }
    pending.clear();
  };
  for (const TPiece& piece : ScanQuoted(AText, APos)) {
    if (piece.Kind == TPiece::Text) {
      pending += DecodeUtf8(piece.Chars);
    } else if (piece.Kind == TPiece::Unit) {
      pending.push_back(static_cast<char16_t>(piece.Value));
    } else {
      flush();
      out.push_back(static_cast<char>(piece.Value));
    }
  }
  flush();
  return out;
}

std::string QuoteWide(std::u16string_view AText) {
  std::string out = "\"";
  for (size_t i = 0; i < AText.size(); ++i) {
    char16_t c = AText[i];
    if (AppendSimpleEscape(out, c)) continue;
    if (c < 0x20 || c == 0x7F) {
      AppendUtf8Escaped(out, c);
    } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < AText.size() && AText[i + 1] >= 0xDC00 && AText[i + 1] < 0xE000) {
      out += Utf16ToUtf8(AText.substr(i, 2));
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      AppendUtf8Escaped(out, c); // a lone surrogate has no UTF-8 form
    } else {
      out += Utf16ToUtf8(AText.substr(i, 1));
    }
  }
  return out + "\"";
}

std::string QuoteAnsi(std::string_view ABytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out = "\"";
  for (size_t i = 0; i < ABytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(ABytes[i]);
    if (AppendSimpleEscape(out, b)) continue;
    if (b >= 0x20 && b < 0x7F) {
      out.push_back(static_cast<char>(b));
      continue;
    }
    // A GBK double-byte character is written as text when it converts back
    // to the same two bytes.
    if (b >= 0x81 && b <= 0xFE && i + 1 < ABytes.size()) {
      unsigned char t = static_cast<unsigned char>(ABytes[i + 1]);
      if (t >= 0x40 && t <= 0xFE && t != 0x7F) {
        try {
          std::u16string ch = GbkToUtf16(ABytes.substr(i, 2));
          if (ch.size() == 1 && (ch[0] < 0xD800 || ch[0] >= 0xE000) && Utf16ToGbk(ch) == ABytes.substr(i, 2)) {
            out += Utf16ToUtf8(ch);
            ++i;
            continue;
          }
        } catch (const ETextConvert&) {
        }
      }
    }
    out += "\\x";
    out.push_back(digits[b >> 4]);
    out.push_back(digits[b & 0xF]);
  }
  return out + "\"";
}

std::string HexText(const uint8_t* ABytes, size_t ACount) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  out.reserve(ACount * 2);
  for (size_t i = 0; i < ACount; ++i) {
    out.push_back(digits[ABytes[i] >> 4]);
    out.push_back(digits[ABytes[i] & 0xF]);
  }
  return out;
}

std::vector<uint8_t> ParseHexBytes(std::string_view AText) {
  if (AText.size() % 2 != 0) throw EManifestSyntax("hex: needs two digits per byte");
  std::vector<uint8_t> bytes;
  bytes.reserve(AText.size() / 2);
  for (size_t i = 0; i < AText.size(); i += 2) {
    int hi = HexDigit(AText[i]), lo = HexDigit(AText[i + 1]);
    if (hi < 0 || lo < 0) throw EManifestSyntax("bad hexadecimal digit in hex: value");
    bytes.push_back(static_cast<uint8_t>(hi * 16 + lo));
  }
  return bytes;
}

} // namespace qelvane
