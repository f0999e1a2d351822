#pragma once
// Reading archive entry names (GBK bytes, backslash separated).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

// Byte positions of the backslashes that separate the components of a GBK
// name. The second byte of a double-byte character may be 0x5C too; that one
// is part of the character, not a separator.
std::vector<size_t> PayloadSeparators(std::string_view Name);

// The name as UTF-8 for messages; control characters, and bytes when the
// name is no GBK text, appear as \xNN.
std::string PayloadDisplayName(std::string_view Name);

} // namespace qelvane
