#include <gtest/gtest.h>
#include <windows.h>

#include "installer/WriteAll.h"
#include "winbase/Exception.h"
#include "winbase/WinText.h"

using namespace qelvane;

// A disk that fills up, as Wine reports it: the write that reaches the end
// succeeds with fewer bytes and leaves the error code alone; the next one
// fails with the disk-full code.
TEST(WriteAll, WritesThatStopShortAreErrorsThatSayWhatHappened) {
  struct TCase {
    const char* Name;
    size_t PerCall;        // most bytes one call takes
    size_t Room;           // bytes before the disk is full
    BOOL FullResult;       // what a call returns once the disk is full
    DWORD FullError;       // and the error code it sets
    std::wstring Expected; // the error text, empty for none
  };
  const std::wstring prefix = L"Cannot write file \"C:\\x\\network.dll\" (wrote 1000 of 3000 bytes)";
  const TCase cases[] = {
      {"disk fills", 3000, 1000, FALSE, ERROR_DISK_FULL, prefix + L": " + SysErrorMessage(ERROR_DISK_FULL)},
      {"no progress, success reported", 3000, 1000, TRUE, 0, prefix},
      {"failure without an error code", 3000, 1000, FALSE, 0, prefix},
      {"short writes that go on", 700, 5000, TRUE, 0, L""},
  };
  std::string data(3000, '\0');
  for (size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<char>(i * 13 % 256);
  for (const TCase& c : cases) {
    std::string sink;
    TWriteCall call = [&](HANDLE, const void* Data, DWORD Size, DWORD* Written) -> BOOL {
      const size_t n = std::min<size_t>({Size, c.PerCall, c.Room - std::min(c.Room, sink.size())});
      if (n == 0) {
        *Written = 0;
        if (c.FullError) SetLastError(c.FullError);
        return c.FullResult;
      }
      sink.append(static_cast<const char*>(Data), n);
      *Written = static_cast<DWORD>(n);
      return TRUE;
    };
    SetLastError(ERROR_ACCESS_DENIED); // stale: must not show up in the text
    std::wstring error;
    try {
      WriteAll(nullptr, reinterpret_cast<const uint8_t*>(data.data()), data.size(), L"C:\\x\\network.dll", call);
    } catch (const std::exception& e) {
      error = ErrorText(e);
    }
    EXPECT_EQ(WideToAnsi(error, CP_UTF8), WideToAnsi(c.Expected, CP_UTF8)) << c.Name;
    EXPECT_EQ(error.find(SysErrorMessage(ERROR_SUCCESS)), std::wstring::npos) << c.Name;
    EXPECT_EQ(error.find(SysErrorMessage(ERROR_ACCESS_DENIED)), std::wstring::npos) << c.Name;
    if (c.Expected.empty()) {
      EXPECT_EQ(sink, data) << c.Name;
    }
  }
}
