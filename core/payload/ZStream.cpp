#include "core/payload/Payload.h"
#include "core/payload/ZCompressor.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>

namespace qelvane {

namespace {

constexpr size_t ZChunk = 32768;

// zlib's own texts for its error codes.
[[noreturn]] void ThrowZlib(int code) {
  switch (code) {
  case Z_ERRNO:
    throw EZlibError("file error");
  case Z_STREAM_ERROR:
    throw EZlibError("stream error");
  case Z_DATA_ERROR:
    throw EZlibError("data error");
  case Z_MEM_ERROR:
    throw EZlibError("insufficient memory");
  case Z_BUF_ERROR:
    throw EZlibError("buffer error");
  case Z_VERSION_ERROR:
    throw EZlibError("incompatible version");
  case Z_NEED_DICT:
    throw EZlibError("need dictionary");
  default:
    throw EZlibError("zlib error " + std::to_string(code));
  }
}

struct TInflateState {
  z_stream Z{};
  TInflateState() {
    int rc = inflateInit(&Z);
    if (rc != Z_OK) ThrowZlib(rc);
  }
  ~TInflateState() { inflateEnd(&Z); }
};

// One inflate call writing at most 32 KiB straight into the end of Target
// (less where the current memory chunk ends). Returns zlib's code; sets full
// when the window was filled.
int InflateWindow(z_stream& z, TChunkedMemory& Target, int flush, bool& full) {
  size_t room;
  uint8_t* out = Target.AppendSpace(room);
  const uInt window = static_cast<uInt>(std::min(room, ZChunk));
  z.next_out = out;
  z.avail_out = window;
  int rc = inflate(&z, flush);
  Target.Commit(window - z.avail_out);
  full = z.avail_out == 0;
  return rc;
}

} // namespace

void ZDecompressStream(TByteSource& Source, TChunkedMemory& Target) {
  try {
    TInflateState state;
    z_stream& z = state.Z;
    auto input = std::make_unique_for_overwrite<uint8_t[]>(ZChunk);
    bool ended = false;
    bool full = false;
    // Feed 32 KiB of input at a time and drain all output it yields. A
    // damaged stream stops at once (zlib would otherwise never consume the
    // rest of the chunk); input after the end mark is ignored.
    while (!ended) {
      size_t n = Source.Read(input.get(), ZChunk);
      if (n == 0) break;
      z.next_in = input.get();
      z.avail_in = static_cast<uInt>(n);
      do {
        int rc = InflateWindow(z, Target, Z_NO_FLUSH, full);
        if (rc == Z_STREAM_END) {
          ended = true;
          break;
        }
        // A buffer error with all input used only says that this call had
        // nothing to do (the previous window ended exactly with the input).
        if (rc == Z_BUF_ERROR && z.avail_in == 0) break;
        if (rc != Z_OK) ThrowZlib(rc);
      } while (z.avail_in > 0 || full);
    }
    // Finish: without its end mark the stream is truncated, which zlib
    // reports as a buffer error.
    z.next_in = nullptr;
    z.avail_in = 0;
    while (!ended) {
      int rc = InflateWindow(z, Target, Z_FINISH, full);
      if (rc < 0 || rc == Z_NEED_DICT) ThrowZlib(rc);
      ended = rc == Z_STREAM_END && !full;
    }
  } catch (const std::bad_alloc&) {
    ThrowZlib(Z_MEM_ERROR);
  }
}

struct TZCompressor::TState {
  z_stream Z{};
  std::unique_ptr<uint8_t[]> Out = std::make_unique_for_overwrite<uint8_t[]>(ZChunk);
};

TZCompressor::TZCompressor(TByteSink& Sink, int Level) : FSink(Sink), FState(std::make_unique<TState>()) {
  int rc = deflateInit(&FState->Z, Level);
  if (rc != Z_OK) ThrowZlib(rc);
}

TZCompressor::~TZCompressor() {
  deflateEnd(&FState->Z);
}

void TZCompressor::Run(int Flush) {
  z_stream& z = FState->Z;
  for (;;) {
    z.next_out = FState->Out.get();
    z.avail_out = static_cast<uInt>(ZChunk);
    int rc = deflate(&z, Flush);
    if (rc < 0 && rc != Z_BUF_ERROR) ThrowZlib(rc);
    size_t produced = ZChunk - z.avail_out;
    if (produced > 0) FSink.Write(FState->Out.get(), produced);
    if (Flush == Z_FINISH ? rc == Z_STREAM_END : (z.avail_in == 0 && z.avail_out > 0)) return;
  }
}

void TZCompressor::Write(const void* Data, size_t Count) {
  if (FFinished) throw EZlibError("stream error");
  const uint8_t* p = static_cast<const uint8_t*>(Data);
  while (Count > 0) {
    size_t n = std::min<size_t>(Count, std::numeric_limits<uInt>::max());
    FState->Z.next_in = const_cast<Bytef*>(p);
    FState->Z.avail_in = static_cast<uInt>(n);
    Run(Z_NO_FLUSH);
    p += n;
    Count -= n;
  }
}

void TZCompressor::Finish() {
  if (FFinished) return;
  FState->Z.next_in = nullptr;
  FState->Z.avail_in = 0;
  Run(Z_FINISH);
  FFinished = true;
}

std::string ZCompress(std::string_view Data, int Level) {
  struct TStringSink : TByteSink {
    std::string Out;
    void Write(const void* data, size_t count) override { Out.append(static_cast<const char*>(data), count); }
  } sink;
  TZCompressor z(sink, Level);
  z.Write(Data.data(), Data.size());
  z.Finish();
  return std::move(sink.Out);
}

} // namespace qelvane
