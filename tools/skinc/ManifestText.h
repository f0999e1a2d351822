#pragma once
// Quoted strings and hexadecimal bytes of the skin manifest.
//
// A quoted string is UTF-8 text between double quotes with the escapes \",
// \\, \r, \n, \t, \xHH and \uHHHH. In wide text (names, WideString,
// WideChar) \xHH is one byte of the UTF-8 text and \uHHHH one UTF-16 code
// unit. In 8-bit text (AnsiString, AnsiChar) the text is written in GBK,
// \xHH is one raw byte and \uHHHH a character to write in GBK.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

// A syntax error in one line; the reader adds the line number.
class EManifestSyntax : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Parses the quoted string that starts at AText[APos] (a double quote) and
// moves APos past its closing quote.
std::u16string ParseQuotedWide(std::string_view AText, size_t& APos);
std::string ParseQuotedAnsi(std::string_view AText, size_t& APos);

// Quotes text so that the parsers above give it back unchanged.
std::string QuoteWide(std::u16string_view AText);
std::string QuoteAnsi(std::string_view ABytes);

// "hex:" values: two hexadecimal digits per byte.
std::string HexText(const uint8_t* ABytes, size_t ACount);
std::vector<uint8_t> ParseHexBytes(std::string_view AText);

} // namespace qelvane
