#include "drawing/StreamAdapter.h"

#include <cstring>
#include <new>

namespace qelvane {

TComPtr<IStream> TCFStreamAdapter::Create(TSharedBytes AData) {
  if (!AData) AData = std::make_shared<const TBytes>();
  return TComPtr<IStream>::Attach(new TCFStreamAdapter(std::move(AData)));
}

TComPtr<IStream> TCFStreamAdapter::Create(std::span<const uint8_t> ACopyOf) {
  return Create(std::make_shared<const TBytes>(ACopyOf.begin(), ACopyOf.end()));
}

HRESULT TCFStreamAdapter::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_ISequentialStream || riid == IID_IStream) {
    *ppv = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG TCFStreamAdapter::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&FRefs));
}

ULONG TCFStreamAdapter::Release() {
  LONG n = InterlockedDecrement(&FRefs);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

HRESULT TCFStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (!pv && cb) return STG_E_INVALIDPOINTER;
  uint64_t size = FData->size();
  uint64_t n = FPos >= size ? 0 : (size - FPos < cb ? size - FPos : cb);
  if (n) std::memcpy(pv, FData->data() + FPos, static_cast<size_t>(n));
  FPos += n;
  if (pcbRead) *pcbRead = static_cast<ULONG>(n);
  return n == cb ? S_OK : S_FALSE;
}

HRESULT TCFStreamAdapter::Write(const void*, ULONG, ULONG* pcbWritten) {
  if (pcbWritten) *pcbWritten = 0;
  return STG_E_ACCESSDENIED;
}

HRESULT TCFStreamAdapter::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPos) {
  int64_t base;
  switch (origin) {
  case STREAM_SEEK_SET:
    base = 0;
    break;
  case STREAM_SEEK_CUR:
    base = static_cast<int64_t>(FPos);
    break;
  case STREAM_SEEK_END:
    base = static_cast<int64_t>(FData->size());
    break;
  default:
    return STG_E_INVALIDFUNCTION;
  }
  int64_t pos = base + move.QuadPart;
  if (pos < 0) return STG_E_INVALIDFUNCTION;
  FPos = static_cast<uint64_t>(pos);
  if (newPos) newPos->QuadPart = FPos;
  return S_OK;
}

HRESULT TCFStreamAdapter::SetSize(ULARGE_INTEGER) {
  return STG_E_ACCESSDENIED;
}

HRESULT TCFStreamAdapter::CopyTo(IStream* dst, ULARGE_INTEGER cb, ULARGE_INTEGER* read, ULARGE_INTEGER* written) {
  if (!dst) return STG_E_INVALIDPOINTER;
  uint64_t size = FData->size();
  uint64_t n = FPos >= size ? 0 : (size - FPos < cb.QuadPart ? size - FPos : cb.QuadPart);
  uint64_t done = 0;
  HRESULT hr = S_OK;
  while (done < n) {
    ULONG chunk = static_cast<ULONG>(n - done > 0x10000000 ? 0x10000000 : n - done);
    ULONG w = 0;
    hr = dst->Write(FData->data() + FPos + done, chunk, &w);
    done += w;
    if (FAILED(hr) || w != chunk) break;
  }
  FPos += n;
  if (read) read->QuadPart = n;
  if (written) written->QuadPart = done;
  return hr;
}

HRESULT TCFStreamAdapter::Commit(DWORD) {
  return S_OK;
}
HRESULT TCFStreamAdapter::Revert() {
  return STG_E_REVERTED;
}
HRESULT TCFStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}
HRESULT TCFStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return STG_E_INVALIDFUNCTION;
}

HRESULT TCFStreamAdapter::Stat(STATSTG* stat, DWORD) {
  if (!stat) return STG_E_INVALIDPOINTER;
  std::memset(stat, 0, sizeof(*stat));
  stat->type = STGTY_STREAM;
  stat->cbSize.QuadPart = FData->size();
  stat->grfMode = STGM_READ;
  return S_OK;
}

HRESULT TCFStreamAdapter::Clone(IStream** ppstm) {
  if (!ppstm) return STG_E_INVALIDPOINTER;
  auto* c = new (std::nothrow) TCFStreamAdapter(FData);
  if (!c) return E_OUTOFMEMORY;
  c->FPos = FPos;
  *ppstm = c;
  return S_OK;
}

} // namespace qelvane
