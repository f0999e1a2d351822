#pragma once
// Milliseconds since this process was created (the system's own record of
// its creation), for start-up measurements.
#include <windows.h>

#include <cstdint>

namespace qelvane {

inline double MillisSinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& f) {
    return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

} // namespace qelvane
