#pragma once
// TCustomForm: a top-level window holding controls. Border style and icons,
// position, client size, size constraints, window state, layered alpha,
// show, close with a close action, modal show, and the hooks for create,
// show, close, destroy and resize.
//
// A form never disappears under a running handler: messages to a form's
// windows count as handlers, and Close waits until the outermost one has
// returned; a released form is freed by the message loop only when none of
// its handlers runs.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/CustomControl.h"
#include "ui/HostTracker.h"

namespace qelvane {

struct TSizeConstraints {
  int32_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0; // 0: no limit
};

class TCustomForm : public TCustomControl {
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  std::wstring_view ClassName() const override { return L"TCustomForm"; }

  // Ends construction: Loaded on every component (the form's children are
  // built), then OnCreate. Application().CreateForm calls it.
  void FinishCreation();

  // --- Window style.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position = poDesigned;
  HICON Icon = nullptr; // not owned (a resource icon)
  TSizeConstraints Constraints;
  void SetClientSize(int32_t AWidth, int32_t AHeight);
  void SetClientWidth(int32_t Value) { SetClientSize(Value, ClientHeight()); }
  void SetClientHeight(int32_t Value) { SetClientSize(ClientWidth(), Value); }
  TRect GetClientRect() const override;
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);

  // --- Showing and closing.
  void SetVisible(bool Value) override;
  // Closes as the close action decides (hide by default; the main form's
  // close ends the application). Inside a handler of this form the close
  // happens when the outermost handler has returned. A form that runs long
  // work inside a handler overrides it to answer the request at once.
  virtual void Close();
  // Shows the form with every other window of the program disabled and runs
  // a nested message loop until ModalResult is set; returns it. A form freed
  // by its close action (caFree) lives until the loop runs again, so the
  // caller can still read it.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }
  // Frees the form from the message loop, once none of its handlers runs.
  void Release();
  bool Closing() const { return FClosePending; }

  TWinControl* ActiveControl() const { return FTracker.ActiveControl(); }
  THostTracker& Tracker() { return FTracker; }
  // Offers a key to every control (CMDialogKey); Tab moves the focus. A
  // form may answer keys itself (a dialog's Enter and Escape).
  virtual bool DialogKey(WORD Key, TShiftState Shift);
  bool DialogChar(wchar_t Char);

  TNotifyEvent OnCreate, OnShow, OnHide, OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // Handler depth (see the class comment).
  int HandlerDepth() const { return FHandlerDepth; }

protected:
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void DoDestroy();
  virtual bool CloseQuery();
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  bool ComputeShowing() const override;
  void CreateHandle() override;

private:
  friend class THandlerScope;
  friend class TApplication;
  void CloseNow();
  void CloseModal();
  void LeaveHandler();
  void CenterOnScreen();
  void ApplyLayered();

  THostTracker FTracker;
  TBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TWindowState FWindowState = wsNormal;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 255;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  bool FShownOnce = false;
  int FHandlerDepth = 0;
  bool FClosePending = false;
  bool FReleasePending = false;
  bool FDestroyedCalled = false;
};

// Counts a message to a form's window as a running handler of that form.
class THandlerScope {
public:
  explicit THandlerScope(TCustomForm* AForm);
  ~THandlerScope();
  THandlerScope(const THandlerScope&) = delete;
  THandlerScope& operator=(const THandlerScope&) = delete;

private:
  TCustomForm* FForm;
};

using TForm = TCustomForm;

} // namespace qelvane
