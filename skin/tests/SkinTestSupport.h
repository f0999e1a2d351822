#pragma once
// Helpers of the skin tests: small skins built in memory, images encoded as
// PNG, the skin engine log, and windows that record the messages they get.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/btd/BinaryTreeDocument100.h"
#include "core/gfx/Geometry.h"

namespace qelvane::test {

// A skin document under construction. Paths are skin paths; folders on the
// way are created (or the first existing one of the name is used).
class TSkinBuilder {
public:
  TSkinBuilder();
  // Starts from the skin embedded in the test program as "DATA"/"SKIN".
  static TSkinBuilder FromDefaultSkin();

  TBinTreeNode100& Dir(const std::wstring& APath);
  // Always a new folder, even when one of that name exists.
  TBinTreeNode100& NewDir(const std::wstring& AParentPath, const std::wstring& AName);
  void Str(const std::wstring& APath, const std::wstring& AValue);
  void Int(const std::wstring& APath, int32_t AValue);
  void Bool(const std::wstring& APath, bool AValue);
  void Bin(const std::wstring& APath, const std::vector<uint8_t>& ABytes, uint32_t ASubType = 1);
  // Removes the node at the path (with its subtree); false when there is none.
  bool Remove(const std::wstring& APath);

  TBinaryTreeDocument100& Doc() { return *FDoc; }
  // Saves into a file of the test's temporary folder and returns its path.
  std::wstring Save(const std::wstring& AName) const;

private:
  std::unique_ptr<TBinaryTreeDocument100> FDoc;
};

// PNG bytes of an AWidth x AHeight image whose pixels APixel(x, y) gives (ARGB).
std::vector<uint8_t> PngBytes(int32_t AWidth, int32_t AHeight, TGPColor (*APixel)(int32_t x, int32_t y));
std::vector<uint8_t> SolidPng(int32_t AWidth, int32_t AHeight, TGPColor AColor);
// Writes bytes to a file of the temporary folder; returns its path.
std::wstring WriteTempFile(const std::wstring& AName, const std::vector<uint8_t>& ABytes);
// The bytes of a resource of this program, type "DATA".
std::vector<uint8_t> DataResource(const wchar_t* AName);

// The skin engine log beside the test program.
std::wstring SkinLogPath();
void ClearSkinLog();
std::vector<std::string> SkinLogLines(); // without timestamps, ANSI

// A hidden top-level window that records every message numbered WM_USER or above.
struct TReceived {
  HWND Window;
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
};
class TRecordingWindow {
public:
  explicit TRecordingWindow(std::vector<TReceived>* ALog);
  ~TRecordingWindow();
  TRecordingWindow(const TRecordingWindow&) = delete;
  TRecordingWindow& operator=(const TRecordingWindow&) = delete;
  HWND Handle() const { return FHandle; }
  // Runs inside the window's handler, after the message is recorded.
  std::function<void(const TReceived&)> OnMessage;

private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  std::vector<TReceived>* FLog;
  HWND FHandle;
};

} // namespace qelvane::test
