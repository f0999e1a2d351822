#pragma once
// A percentage on one stderr line, for long runs of the host tools.
#include <cstdint>
#include <string>

namespace qelvane {

// Runs on inputs smaller than this are quick and show no progress.
constexpr uint64_t ProgressThreshold = 16u << 20;

class TProgressLine {
public:
  // Shows nothing unless Enabled and stderr is a terminal.
  TProgressLine(std::string Label, uint64_t Total, bool Enabled);
  ~TProgressLine();
  void Advance(uint64_t Count);
  // Ends the line (also done by the destructor).
  void Done();

private:
  void Show();
  std::string FLabel;
  uint64_t FTotal;
  uint64_t FDone = 0;
  int FShown = -1;
  bool FEnabled;
};

} // namespace qelvane
