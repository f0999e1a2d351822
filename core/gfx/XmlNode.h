#pragma once
// A small XML element tree: a name, attributes in insertion order, child
// elements and text. Drawing elements persist themselves as the attributes
// of one node.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qelvane {

class TXmlNode {
public:
  explicit TXmlNode(std::u16string AName = {}) : FName(std::move(AName)) {}

  const std::u16string& Name() const { return FName; }
  const std::u16string& Text() const { return FText; }
  void SetText(std::u16string AText) { FText = std::move(AText); }

  // Sets an attribute, replacing the value of an existing one in place.
  void SetAttribute(std::u16string_view AName, std::u16string AValue);
  std::optional<std::u16string> Attribute(std::u16string_view AName) const;
  bool HasAttribute(std::u16string_view AName) const { return Attribute(AName).has_value(); }
  const std::vector<std::pair<std::u16string, std::u16string>>& Attributes() const { return FAttributes; }

  TXmlNode& AddChild(std::u16string AName);
  const std::vector<std::unique_ptr<TXmlNode>>& Children() const { return FChildren; }
  void ClearChildren() { FChildren.clear(); }

  // The element as XML text (attributes and text escaped), children indented.
  std::u16string ToXml() const;

private:
  void Write(std::u16string& AOut, int ADepth) const;

  std::u16string FName;
  std::u16string FText;
  std::vector<std::pair<std::u16string, std::u16string>> FAttributes;
  std::vector<std::unique_ptr<TXmlNode>> FChildren;
};

// Text values of persisted properties.
std::u16string XmlBool(bool v);                            // "-1" / "0"
std::u16string XmlInt(int64_t v);                          // decimal
std::optional<bool> ParseXmlBool(std::u16string_view s);   // "-1", "0", any integer, "true"/"false" in any case
std::optional<int64_t> ParseXmlInt(std::u16string_view s); // optional sign, decimal digits, surrounding blanks

} // namespace qelvane
