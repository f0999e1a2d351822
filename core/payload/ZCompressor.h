#pragma once
// Streaming zlib compression, for packers that must not hold a whole archive.
#include <cstddef>
#include <memory>

namespace qelvane {

// Sequential byte sink (a file, a string).
class TByteSink {
public:
  virtual ~TByteSink() = default;
  // Writes all count bytes or throws.
  virtual void Write(const void* Data, size_t Count) = 0;
};

// Compresses everything written to it as one zlib stream into Sink. Throws
// EZlibError with zlib's text for the code.
class TZCompressor {
public:
  TZCompressor(TByteSink& Sink, int Level);
  ~TZCompressor();
  TZCompressor(const TZCompressor&) = delete;
  TZCompressor& operator=(const TZCompressor&) = delete;

  void Write(const void* Data, size_t Count);
  // Ends the stream (end mark and checksum); nothing may be written after it.
  void Finish();

private:
  struct TState;
  void Run(int Flush);
  TByteSink& FSink;
  std::unique_ptr<TState> FState;
  bool FFinished = false;
};

} // namespace qelvane
