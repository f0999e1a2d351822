#pragma once
// TApplication: the one message loop, message processing for long work, the
// terminate request, the forms it owns and timers. Every error escaping a
// window procedure or timer goes to the application-wide handler.
//
// Only the toolkit pumps messages: Run, ProcessMessages and the modal loop
// of TCustomForm::ShowModal. A terminate request ends Run, never a modal
// loop: a prompt shown after Terminate is still answered by the user.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <set>

#include "ui/Component.h"
#include "ui/HostTracker.h"

namespace qelvane {

class TCustomForm;

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;
  std::wstring_view ClassName() const override { return L"TApplication"; }

  // The hidden window that owns the program's popup windows and receives
  // the toolkit's own messages (timers, deferred frees).
  HWND Handle();

  // Makes a form owned by the application; the first becomes the main form.
  template <class T, class... A> T& CreateForm(A&&... Args) {
    T& form = TComponent::Create<T>(*this, std::forward<A>(Args)...);
    if (!FMainForm) FMainForm = &form;
    form.FinishCreation();
    return form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* AForm) { FMainForm = AForm; }

  // Runs the message loop until Terminate.
  void Run();
  // Frees every form (and other component) the application owns. Programs
  // call it before they return, so that no form outlives the other
  // process-wide objects its destruction still uses.
  void DestroyComponents();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Dispatches every pending message, then returns whether there was any.
  bool ProcessMessages();
  // Waits for one message and dispatches it.
  void HandleMessage();

  THostTracker& Tracker() { return FTracker; }

  // Forms register while they live, so deferred work can check them.
  void FormCreated(TCustomForm* AForm) { FForms.insert(AForm); }
  void FormDestroyed(TCustomForm* AForm);
  bool IsLiveForm(const TCustomForm* AForm) const { return FForms.count(const_cast<TCustomForm*>(AForm)) != 0; }

  // A message for the toolkit's window (deferred frees and closes).
  void PostToolkitMessage(UINT Msg, WPARAM WParam, LPARAM LParam);

private:
  static LRESULT CALLBACK ToolkitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Dispatch(MSG& Msg);
  bool PreTranslate(MSG& Msg);

  HWND FHandle = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  THostTracker FTracker;
  std::set<TCustomForm*> FForms;
};

// The program's application object (made on first use).
TApplication& Application();

} // namespace qelvane
