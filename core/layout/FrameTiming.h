#pragma once
// Frame timing of an animated image driven by a fixed-interval timer: each
// frame stays for as many ticks as its delay (hundredths of a second with a
// 10 ms tick); a delay of 0 shows a frame for one tick.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qelvane {

struct TFrameTiming {
  std::vector<uint32_t> FrameTimeArr; // delay per frame
  int32_t FrameCount = 0;
  int32_t FrameIndex = 0;
  int32_t WaitTime = 0; // ticks since the last frame change

  // Starts again at the first frame with new delays.
  void Reset(std::vector<uint32_t> ADelays) {
    FrameTimeArr = std::move(ADelays);
    FrameCount = static_cast<int32_t>(FrameTimeArr.size());
    FrameIndex = 0;
    WaitTime = 0;
  }

  // One tick; true when the next frame is due (FrameIndex has moved on).
  // Without delays for the frames there is nothing to advance.
  bool Tick() {
    const int32_t frames =
        FrameCount < static_cast<int32_t>(FrameTimeArr.size()) ? FrameCount : static_cast<int32_t>(FrameTimeArr.size());
    if (frames <= 0) return false;
    if (FrameIndex < 0 || FrameIndex >= frames) FrameIndex = 0;
    ++WaitTime;
    if (static_cast<int64_t>(WaitTime) < static_cast<int64_t>(FrameTimeArr[static_cast<std::size_t>(FrameIndex)]))
      return false;
    WaitTime = 0;
    FrameIndex = (FrameIndex + 1) % frames;
    return true;
  }
};

} // namespace qelvane
