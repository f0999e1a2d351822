#pragma once
// The start-up breakdown a program prints when its first frame is painted:
// the time from process creation to its entry, then the time of each named
// phase since the one before, and the total, in milliseconds on one line:
//   process-start 41.2 skin-load 20.3 ... first-frame 180.4
// scripts/bench reads these pairs; the programs print them on request
// (--first-frame).
#include <cstdio>
#include <utility>
#include <vector>

#include "winbase/StartupClock.h"

namespace qelvane {

class TStartupBreakdown {
public:
  // Taken at the program's entry.
  TStartupBreakdown() : FLast(MillisSinceProcessStart()), FStart(FLast) {}

  // Ends the phase APhase (a string literal) now.
  void Mark(const char* APhase) {
    const double now = MillisSinceProcessStart();
    FPhases.emplace_back(APhase, now - FLast);
    FLast = now;
  }

  // Ends the last phase and prints the line.
  void PrintFirstFrame(const char* ALastPhase) {
    Mark(ALastPhase);
    std::printf("process-start %.1f", FStart);
    for (const auto& [name, ms] : FPhases)
      std::printf(" %s %.1f", name, ms);
    std::printf(" first-frame %.1f\n", FLast);
    std::fflush(stdout);
  }

private:
  double FLast;
  double FStart;
  std::vector<std::pair<const char*, double>> FPhases; // names are literals
};

} // namespace qelvane
