#include "core/gfx/XmlNode.h"

#include <limits>

namespace qelvane {

void TXmlNode::SetAttribute(std::u16string_view AName, std::u16string AValue) {
  for (auto& [name, value] : FAttributes)
    if (name == AName) {
      value = std::move(AValue);
      return;
    }
  FAttributes.emplace_back(std::u16string(AName), std::move(AValue));
}

std::optional<std::u16string> TXmlNode::Attribute(std::u16string_view AName) const {
  for (const auto& [name, value] : FAttributes)
    if (name == AName) return value;
  return std::nullopt;
}

TXmlNode& TXmlNode::AddChild(std::u16string AName) {
  FChildren.push_back(std::make_unique<TXmlNode>(std::move(AName)));
  return *FChildren.back();
}

namespace {
void Escape(std::u16string& out, std::u16string_view s, bool attribute) {
  for (char16_t c : s) {
    switch (c) {
    case u'&':
      out += u"&amp;";
      break;
    case u'<':
      out += u"&lt;";
      break;
    case u'>':
      out += u"&gt;";
      break;
    case u'"':
      if (attribute) {
        out += u"&quot;";
        break;
      }
      [[fallthrough]];
    default:
      if (attribute && (c == u'\n' || c == u'\r' || c == u'\t')) {
        out += c == u'\n' ? u"&#10;" : c == u'\r' ? u"&#13;" : u"&#9;";
      } else {
        out += c;
      }
    }
  }
}
} // namespace

void TXmlNode::Write(std::u16string& AOut, int ADepth) const {
  AOut.append(static_cast<size_t>(ADepth) * 2, u' ');
  AOut += u'<';
  AOut += FName;
  for (const auto& [name, value] : FAttributes) {
    AOut += u' ';
    AOut += name;
    AOut += u"=\"";
    Escape(AOut, value, true);
    AOut += u'"';
  }
  if (FChildren.empty() && FText.empty()) {
    AOut += u"/>\n";
    return;
  }
  AOut += u'>';
  Escape(AOut, FText, false);
  if (!FChildren.empty()) {
    AOut += u'\n';
    for (const auto& c : FChildren)
      c->Write(AOut, ADepth + 1);
    AOut.append(static_cast<size_t>(ADepth) * 2, u' ');
  }
  AOut += u"</";
  AOut += FName;
  AOut += u">\n";
}

std::u16string TXmlNode::ToXml() const {
  std::u16string out;
  Write(out, 0);
  return out;
}

std::u16string XmlBool(bool v) {
  return v ? u"-1" : u"0";
}

std::u16string XmlInt(int64_t v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

std::optional<int64_t> ParseXmlInt(std::u16string_view s) {
  size_t i = 0, n = s.size();
  while (i < n && s[i] <= u' ')
    ++i;
  while (n > i && s[n - 1] <= u' ')
    --n;
  bool negative = false;
  if (i < n && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  if (i == n) return std::nullopt;
  uint64_t v = 0;
  for (; i < n; ++i) {
    if (s[i] < u'0' || s[i] > u'9') return std::nullopt;
    v = v * 10 + (s[i] - u'0');
    if (v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return std::nullopt;
  }
  return negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
}

std::optional<bool> ParseXmlBool(std::u16string_view s) {
  if (auto v = ParseXmlInt(s)) return *v != 0;
  std::u16string lower;
  for (char16_t c : s)
    if (c > u' ') lower += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  if (lower == u"true") return true;
  if (lower == u"false") return false;
  return std::nullopt;
}

} // namespace qelvane
