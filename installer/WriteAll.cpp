#include "installer/WriteAll.h"

#include "winbase/Exception.h"

namespace qelvane {

void WriteAll(HANDLE File, const uint8_t* Data, size_t Size, const std::wstring& Path, const TWriteCall& Call) {
  const size_t total = Size;
  auto context = [&] {
    return L"Cannot write file \"" + Path + L"\" (wrote " + std::to_wstring(total - Size) + L" of " +
           std::to_wstring(total) + L" bytes)";
  };
  while (Size > 0) {
    const DWORD chunk = static_cast<DWORD>(Size > (1u << 30) ? (1u << 30) : Size);
    DWORD written = 0;
    // The error code is cleared first: some systems report a failed write
    // without setting one, and a stale code would name the wrong reason.
    SetLastError(ERROR_SUCCESS);
    const BOOL ok = Call ? Call(File, Data, chunk, &written) : ::WriteFile(File, Data, chunk, &written, nullptr);
    if (!ok) {
      const DWORD error = GetLastError();
      if (error != ERROR_SUCCESS) throw EOSError(error, context());
      throw Exception(context());
    }
    if (written == 0 || written > chunk) throw Exception(context());
    Data += written;
    Size -= written;
  }
}

} // namespace qelvane
