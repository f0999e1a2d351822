#include "tools/mkpayload/ProgressLine.h"

#include <unistd.h>

#include <cstdio>

namespace qelvane {

TProgressLine::TProgressLine(std::string Label, uint64_t Total, bool Enabled)
    : FLabel(std::move(Label)), FTotal(Total), FEnabled(Enabled && isatty(STDERR_FILENO)) {
  Show();
}

TProgressLine::~TProgressLine() {
  Done();
}

void TProgressLine::Advance(uint64_t Count) {
  FDone += Count;
  Show();
}

void TProgressLine::Show() {
  if (!FEnabled) return;
  int percent = FTotal == 0 ? 100 : static_cast<int>(FDone * 100 / FTotal);
  if (percent > 100) percent = 100;
  if (percent == FShown) return;
  FShown = percent;
  std::fprintf(stderr, "\r%s %3d%%", FLabel.c_str(), percent);
  std::fflush(stderr);
}

void TProgressLine::Done() {
  if (!FEnabled) return;
  FDone = FTotal;
  Show();
  std::fputc('\n', stderr);
  FEnabled = false;
}

} // namespace qelvane
