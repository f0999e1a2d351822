#pragma once
// Timing of the Windows benchmarks: the median of many runs of one call.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace qelvane {

// Median microseconds of AIterations calls of ACall (given the call's
// number), after ten calls that warm up and are not counted.
inline double MedianMicros(int AIterations, const std::function<void(int)>& ACall) {
  LARGE_INTEGER freq, a, b;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < 10; ++i)
    ACall(i);
  std::vector<double> samples;
  for (int i = 0; i < AIterations; ++i) {
    QueryPerformanceCounter(&a);
    ACall(i);
    QueryPerformanceCounter(&b);
    samples.push_back(static_cast<double>(b.QuadPart - a.QuadPart) * 1e6 / static_cast<double>(freq.QuadPart));
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

} // namespace qelvane
