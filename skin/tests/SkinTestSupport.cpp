#include "skin/tests/SkinTestSupport.h"

#include <gdiplus.h>
#include <objidl.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/text/TextConvert.h"
#include "drawing/GPBitmap.h"
#include "winbase/Log.h"
#include "winbase/WinText.h"

namespace qelvane::test {

namespace {

std::u16string U16(const std::wstring& s) {
  return FromWide(s);
}

std::vector<std::wstring> SplitPath(const std::wstring& APath) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (wchar_t c : APath) {
    if (c == L'\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

TBinTreeNode100* FirstChild(TBinTreeNode100& AParent, const std::wstring& AName) {
  TBinTreeNodeList100& list = AParent.ChildNodes();
  for (int i = 0; i < list.Count(); ++i)
    if (list[i]->NodeName() == U16(AName)) return list[i];
  return nullptr;
}

// The parent folder of a path's last name (created on the way) and that name.
std::pair<TBinTreeNode100*, std::wstring> ParentOf(TSkinBuilder& ABuilder, const std::wstring& APath) {
  std::vector<std::wstring> parts = SplitPath(APath);
  if (parts.empty()) throw std::invalid_argument("empty skin path");
  std::wstring last = parts.back();
  parts.pop_back();
  std::wstring parentPath;
  for (const std::wstring& p : parts)
    parentPath += p + L"\\";
  TBinTreeNode100* parent = parts.empty() ? &ABuilder.Doc().TopNode() : &ABuilder.Dir(parentPath);
  return {parent, last};
}

std::wstring TempFolder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetTempPathW(MAX_PATH, buf);
  return std::wstring(buf, n);
}

} // namespace

TSkinBuilder::TSkinBuilder() : FDoc(std::make_unique<TBinaryTreeDocument100>()) {}

TSkinBuilder TSkinBuilder::FromDefaultSkin() {
  TSkinBuilder b;
  std::vector<uint8_t> bytes = DataResource(L"SKIN");
  b.FDoc->WriteBuffer(bytes.data(), bytes.size());
  return b;
}

TBinTreeNode100& TSkinBuilder::Dir(const std::wstring& APath) {
  TBinTreeNode100* node = &FDoc->TopNode();
  for (const std::wstring& name : SplitPath(APath)) {
    TBinTreeNode100* child = FirstChild(*node, name);
    node = child ? child : &FDoc->CreateNode(nt100_Directory, *node, U16(name));
  }
  return *node;
}

TBinTreeNode100& TSkinBuilder::NewDir(const std::wstring& AParentPath, const std::wstring& AName) {
  return FDoc->CreateNode(nt100_Directory, Dir(AParentPath), U16(AName));
}

void TSkinBuilder::Str(const std::wstring& APath, const std::wstring& AValue) {
  auto [parent, name] = ParentOf(*this, APath);
  static_cast<TWideStringNode100&>(FDoc->CreateNode(nt100_WideString, *parent, U16(name))).SetData(U16(AValue));
}

void TSkinBuilder::Int(const std::wstring& APath, int32_t AValue) {
  auto [parent, name] = ParentOf(*this, APath);
  static_cast<TInt32Node100&>(FDoc->CreateNode(nt100_Int32, *parent, U16(name))).SetData(AValue);
}

void TSkinBuilder::Bool(const std::wstring& APath, bool AValue) {
  auto [parent, name] = ParentOf(*this, APath);
  static_cast<TBool32Node100&>(FDoc->CreateNode(nt100_Bool32, *parent, U16(name))).SetData(AValue);
}

void TSkinBuilder::Bin(const std::wstring& APath, const std::vector<uint8_t>& ABytes, uint32_t ASubType) {
  auto [parent, name] = ParentOf(*this, APath);
  TBinTreeNode100& node = FDoc->CreateNode(nt100_Binary, *parent, U16(name));
  node.SetNodeSubType(ASubType);
  if (!ABytes.empty()) node.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
}

bool TSkinBuilder::Remove(const std::wstring& APath) {
  TBinTreeNode100* node = FDoc->FindNodeByPath(U16(APath));
  if (!node) return false;
  node->SetParentNode(nullptr); // the returned owner frees it
  return true;
}

std::wstring TSkinBuilder::Save(const std::wstring& AName) const {
  std::vector<uint8_t> bytes = FDoc->SaveToBytes();
  return WriteTempFile(AName, bytes);
}

std::vector<uint8_t> PngBytes(int32_t AWidth, int32_t AHeight, TGPColor (*APixel)(int32_t x, int32_t y)) {
  IGPBitmap bitmap = TGPBitmap::Create(AWidth, AHeight);
  {
    TBitmapBits bits(bitmap->Native());
    for (int32_t y = 0; y < AHeight; ++y)
      for (int32_t x = 0; x < AWidth; ++x)
        bits.View().At(x, y) = APixel(x, y);
  }
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<uint8_t> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, size, encoders);
  const CLSID* png = nullptr;
  for (UINT i = 0; i < count; ++i)
    if (std::wstring(encoders[i].MimeType) == L"image/png") png = &encoders[i].Clsid;
  if (!png) throw std::runtime_error("no PNG encoder");
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) throw std::runtime_error("stream");
  if (bitmap->Native()->Save(stream, png, nullptr) != Gdiplus::Ok) {
    stream->Release();
    throw std::runtime_error("PNG encoding failed");
  }
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  std::vector<uint8_t> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  stream->Release();
  return bytes;
}

std::vector<uint8_t> SolidPng(int32_t AWidth, int32_t AHeight, TGPColor AColor) {
  static TGPColor color;
  color = AColor;
  return PngBytes(AWidth, AHeight, [](int32_t, int32_t) { return color; });
}

std::wstring WriteTempFile(const std::wstring& AName, const std::vector<uint8_t>& ABytes) {
  std::wstring path = TempFolder() + AName;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write temporary file");
  DWORD written = 0;
  WriteFile(file, ABytes.data(), static_cast<DWORD>(ABytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

std::vector<uint8_t> DataResource(const wchar_t* AName) {
  HRSRC res = FindResourceW(nullptr, AName, L"DATA");
  if (!res) throw std::runtime_error("resource missing");
  HGLOBAL data = LoadResource(nullptr, res);
  auto* bytes = static_cast<const uint8_t*>(LockResource(data));
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, res));
}

std::wstring SkinLogPath() {
  return LogFolder() + L"SkinEngine.log";
}

void ClearSkinLog() {
  DeleteFileW(SkinLogPath().c_str());
}

std::vector<std::string> SkinLogLines() {
  std::ifstream f(WideToAnsi(SkinLogPath()), std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  std::string text = ss.str();
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    // "YYYY-MM-DD HH:MM:SS  " precedes every message.
    lines.push_back(line.size() >= 21 ? line.substr(21) : line);
    pos = end + 2;
  }
  return lines;
}

LRESULT CALLBACK TRecordingWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TRecordingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg >= WM_USER) {
    TReceived r{hwnd, msg, wp, lp};
    if (self->FLog) self->FLog->push_back(r);
    if (self->OnMessage) self->OnMessage(r);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

TRecordingWindow::TRecordingWindow(std::vector<TReceived>* ALog) : FLog(ALog) {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TRecordingWindow::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QelvaneSkinTestListener";
    return RegisterClassW(&wc);
  }();
  (void)atom;
  FHandle = CreateWindowExW(0, L"QelvaneSkinTestListener", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw std::runtime_error("cannot create window");
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TRecordingWindow::~TRecordingWindow() {
  DestroyWindow(FHandle);
}

} // namespace qelvane::test
