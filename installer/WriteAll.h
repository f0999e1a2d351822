#pragma once
// Writing a whole buffer to an open file, with an honest error when the bytes
// do not all arrive (a full disk, a write that stops short).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace qelvane {

// The call that moves bytes into an open file: ::WriteFile, or a stand-in
// (tests use one to make a disk fill up). Same contract as WriteFile.
using TWriteCall = std::function<BOOL(HANDLE File, const void* Data, DWORD Size, DWORD* Written)>;

// Writes all Size bytes of Data to File. A write that returns fewer bytes than
// asked is continued with the rest (a disk that fills up answers the next
// write with its error). An error raises EOSError naming Path, the bytes
// written and the system's reason; a write that makes no progress raises
// Exception "... wrote N of M bytes". An empty Call means ::WriteFile.
void WriteAll(HANDLE File, const uint8_t* Data, size_t Size, const std::wstring& Path, const TWriteCall& Call = {});

} // namespace qelvane
