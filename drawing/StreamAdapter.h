#pragma once
// TCFStreamAdapter: a read-only IStream over a block of bytes, the form in
// which GDI+ decodes images. The bytes are shared with the adapter, so a
// bitmap that keeps its adapter keeps its source alive.
#include <windows.h>

#include <objidl.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "winbase/ComPtr.h"

namespace qelvane {

using TBytes = std::vector<uint8_t>;
using TSharedBytes = std::shared_ptr<const TBytes>;

class TCFStreamAdapter final : public IStream {
public:
  // A new adapter positioned at 0, holding one reference.
  static TComPtr<IStream> Create(TSharedBytes AData);
  static TComPtr<IStream> Create(std::span<const uint8_t> ACopyOf);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // ISequentialStream
  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
  // IStream
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPos) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* dst, ULARGE_INTEGER cb, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override;
  // Fills the size and type; no name (pwcsName nil) and reserved 0.
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override;

private:
  explicit TCFStreamAdapter(TSharedBytes AData) : FData(std::move(AData)) {}
  ~TCFStreamAdapter() = default;

  LONG FRefs = 1;
  TSharedBytes FData;
  uint64_t FPos = 0;
};

} // namespace qelvane
