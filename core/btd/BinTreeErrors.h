#pragma once
// Errors of the binary tree document and its nodes. Every error of the format
// derives from EBinTreeError, whose message is one of the texts below (the
// assertion failure adds where it was raised).
#include <stdexcept>
#include <string>

namespace qelvane {

inline constexpr const char* SInvalidNodeName = "Invalid NodeName";
inline constexpr const char* SAssertionFailure = "Assertion failure";
inline constexpr const char* SInvalidNode = "Invalid Node";
inline constexpr const char* SInvalidBinaryTreeDocument = "Invalid Binary Tree Document";
inline constexpr const char* SUnknownVersion = "Unknown Version";
inline constexpr const char* SBufferOverflow = "Buffer Overflow";

class EBinTreeError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A broken precondition: "Assertion failure (<file>, line <n>)".
class EAssertionFailed : public EBinTreeError {
public:
  EAssertionFailed(const char* AFile, int ALine);
};

// A file or stream that cannot be opened, read or written.
class EStreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace qelvane

// The failure names the source file without its folder: the message (and the
// program holding it) is the same whichever folder, or relative path, the
// sources were compiled from.
#define QBTD_ASSERT(cond)                                                                                              \
  do {                                                                                                                 \
    if (!(cond)) throw ::qelvane::EAssertionFailed(__FILE_NAME__, __LINE__);                                           \
  } while (0)
