#pragma once
// Reading a compressed payload archive file with the installer's own code.
#include "core/payload/Payload.h"

#include <cstdio>

namespace qelvane {

// Inflates the whole file into memory. Throws EZlibError for a damaged or
// truncated stream.
TChunkedMemory InflatePayloadFile(const std::string& File, bool Progress);

// Prints one line per entry: the name as UTF-8 (backslashes kept), a tab and
// the size. Throws EPayloadRefused for an unsafe archive.
void ListPayloadFile(const std::string& File, FILE* Out);

// Extracts every entry below Dir exactly as the installer does (the kept
// configuration file included). Throws EPayloadRefused before writing anything
// for an unsafe archive, std::runtime_error naming the folder or file that
// could not be written. Returns the number of data bytes written.
uint64_t ExtractPayloadFile(const std::string& File, const std::string& Dir, bool Progress);

} // namespace qelvane
