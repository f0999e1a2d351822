#pragma once
// A file read sequentially as a byte source, with optional progress.
#include "core/payload/Payload.h"
#include "tools/mkpayload/ProgressLine.h"

namespace qelvane {

class TFileSource : public TByteSource {
public:
  // Throws std::runtime_error when the file cannot be opened.
  explicit TFileSource(const std::string& Path);
  ~TFileSource() override;
  TFileSource(const TFileSource&) = delete;
  TFileSource& operator=(const TFileSource&) = delete;

  size_t Read(void* buffer, size_t count) override;
  uint64_t Size() const { return FSize; }
  void SetProgress(TProgressLine* Progress) { FProgress = Progress; }

private:
  std::string FPath;
  int FFd;
  uint64_t FSize = 0;
  TProgressLine* FProgress = nullptr;
};

} // namespace qelvane
