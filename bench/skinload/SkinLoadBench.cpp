// Start-up skin load: from the "SKIN" resource to every style collection
// filled and the background picture decoded, as the installer's start-up does
// it. Reports the first load of the process, the median of later loads, and
// how many images each load really decodes (each image node at most once per
// load): pictures that decode on first use count only when they are used.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "skin/SkinMng.h"

using namespace qelvane;

namespace {

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// One start-up load into a new manager; returns milliseconds.
double LoadOnce(std::map<std::wstring, int>* ADecodes) {
  TSkinFile::TDecodeObserver count = [](std::wstring_view path, void* ctx) {
    ++(*static_cast<std::map<std::wstring, int>*>(ctx))[std::wstring(path)];
  };
  TSkinFile::SetDecodeObserver(ADecodes ? count : nullptr, ADecodes);
  double start = Now();
  {
    TSkinMng mng;
    if (!mng.ChangeSkinRes(L"SKIN", false)) {
      std::fprintf(stderr, "the SKIN resource did not load\n");
      std::exit(1);
    }
    // The background is drawn by the first frame of every skinned form.
    if (const IGPBitmap& background = mng.UserSkinConfig().AppUsedSkinItem()->TextureGdiImage()->Image())
      background->Native();
    double loaded = Now();
    TSkinFile::SetDecodeObserver(nullptr, nullptr);
    return loaded - start;
  }
}

} // namespace

int wmain() {
  std::map<std::wstring, int> decodes;
  const uint64_t before = TSkinFile::ImageDecodeCount();
  const double first = LoadOnce(&decodes);
  const uint64_t perLoad = TSkinFile::ImageDecodeCount() - before;
  int repeated = 0;
  for (const auto& [path, count] : decodes)
    if (count > 1) {
      ++repeated;
      std::printf("decoded %d times: %ls\n", count, path.c_str());
    }

  constexpr int Runs = 30;
  std::vector<double> times;
  for (int i = 0; i < Runs; ++i)
    times.push_back(LoadOnce(nullptr));
  std::sort(times.begin(), times.end());

  std::printf("skin load (resource -> all collections filled, background decoded)\n");
  std::printf("  first load in the process: %.2f ms\n", first);
  std::printf("  median of %d later loads:  %.2f ms (min %.2f, max %.2f)\n", Runs, times[Runs / 2], times.front(),
              times.back());
  std::printf("  image decodes per load:    %llu (%zu distinct images, %d decoded more than once)\n",
              static_cast<unsigned long long>(perLoad), decodes.size(), repeated);
  return repeated == 0 ? 0 : 1;
}
