#pragma once
// Shared fixtures of the installer tests: COM for the shell calls, a scratch
// folder, the install log beside the test program, and a recording view.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "installer/InstallSequence.h"

namespace qelvane::test {

// A fresh empty folder under the temp folder, removed with its contents.
class TScratchDir {
public:
  explicit TScratchDir(const std::wstring& Name);
  ~TScratchDir();
  const std::wstring& Path() const { return FPath; } // ends in a backslash
private:
  std::wstring FPath;
};

void RemoveTree(const std::wstring& Path);
// Initialises COM on the test thread (shell links, folders).
void UseCom();
void WriteTextFile(const std::wstring& Path, const std::string& Bytes);
std::string ReadFileBytes(const std::wstring& Path);

// The install log beside the test program.
std::wstring InstallLogPath();
void ClearInstallLog();
// The log's lines as UTF-16 text.
std::wstring InstallLogText();

class TRecordingView : public TInstallView {
public:
  std::wstring Path;
  std::vector<std::wstring> Statuses;
  int RangeMin = -1, RangeMax = -1, Position = -1;
  int MessageCalls = 0;
  int PendingPasses = 0;                  // passes of ProcessMessages that find messages
  std::vector<std::wstring> CopyFailures; // text and caption of each message shown
  int CancelAtCall = 0;                   // > 0: the user cancels at this ProcessMessages call
  std::wstring InstallPathText() override { return Path; }
  void SetStatus(const std::wstring& Text) override { Statuses.push_back(Text); }
  void SetProgressRange(int Min, int Max) override {
    RangeMin = Min;
    RangeMax = Max;
  }
  void SetProgress(int P) override { Position = P; }
  bool ProcessMessages() override {
    ++MessageCalls;
    return PendingPasses > 0 && PendingPasses--;
  }
  void ShowCopyFailure(const std::wstring& Text, const std::wstring& Caption) override {
    CopyFailures.push_back(Text + L"|" + Caption);
  }
  bool CancelRequested() override { return CancelAtCall > 0 && MessageCalls >= CancelAtCall; }
};

// What an installation left on the machine, to compare before and after a
// failed upgrade: every file and folder below a folder (path relative to it
// -> bytes, "<folder>" for folders), every value of the install record
// (name -> type and bytes) and the files its shortcut values name (path ->
// bytes, "<missing>" when absent).
struct TInstallState {
  std::map<std::wstring, std::string> Files;
  std::map<std::wstring, std::string> Record;
  std::map<std::wstring, std::string> Shortcuts;
};
TInstallState ReadInstallState(const std::wstring& Folder);
// The differences, one line each (empty when equal), for test messages.
std::string Differences(const TInstallState& Before, const TInstallState& After);

// Runs a program and waits for it; returns its exit code (or -1).
DWORD RunAndWait(const std::wstring& CommandLine, DWORD TimeoutMs = 60000);
// Folder of the test program, ending in a backslash.
std::wstring TestExeFolder();

} // namespace qelvane::test
