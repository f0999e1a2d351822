#pragma once
// TGDIObject: the base of the drawing elements, light objects without a
// window that a skinned control composes and paints into its GDI+ graphics:
// position and size, visibility, a hit test with hover state, click and
// hover notifications, a delayed hint and persistence as XML attributes.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/gfx/Geometry.h"
#include "core/gfx/XmlNode.h"
#include "drawing/GdiPlusSession.h"
#include "drawing/SkinEngineLog.h"
#include "winbase/ThreadTimer.h"

namespace qelvane {

class TGDIObject;

using TGDINotifyEvent = std::function<void(TGDIObject* Sender, int32_t X, int32_t Y)>;
using TGDIRepaintEvent = std::function<void(TGDIObject* Sender)>;

// The hint window an element shows; the window layer supplies it through
// SetGDIHintWindowFactory. Without a factory no hint is shown.
class IGDIHintWindow {
public:
  virtual ~IGDIHintWindow() = default;
  // Width and height of a text on the window's canvas.
  virtual SIZE TextExtent(const std::wstring& AText) = 0;
  virtual void ActivateHint(const TRect& ARect, const std::wstring& AText) = 0;
  // Hides the window (releases its handle).
  virtual void ReleaseHandle() = 0;
};
using TGDIHintWindowFactory = std::function<std::unique_ptr<IGDIHintWindow>(TGDIObject& AOwner)>;
void SetGDIHintWindowFactory(TGDIHintWindowFactory AFactory);

class TGDIObject {
public:
  TGDIObject();
  virtual ~TGDIObject();
  TGDIObject(const TGDIObject&) = delete;
  TGDIObject& operator=(const TGDIObject&) = delete;

  // Class name used in log lines.
  virtual std::wstring_view ClassName() const { return L"TGDIObject"; }

  // Calls Draw when the element is visible and the graphics object exists.
  void Paint(Gdiplus::Graphics* AGPGraph, int32_t AOriginX, int32_t AOriginY);
  // The position and size setters, in this order.
  void SetBounds(int32_t APosX, int32_t APosY, int32_t AWidth, int32_t AHeight);

  // Hit test: records hover state and runs the hint timer (see the .cpp).
  bool IsInRegion(int32_t X, int32_t Y);

  virtual TGPRectF GetRect() const;
  virtual std::unique_ptr<Gdiplus::Region> GetRegion() const;

  virtual void MouseHover(int32_t X, int32_t Y);
  virtual void Click(int32_t X, int32_t Y);
  virtual void MouseMove(int32_t X, int32_t Y, bool IsMouseDown);

  // Empty in the base. AOriginX/Y are added to the position by descendants.
  virtual void Draw(Gdiplus::Graphics& AGPGraph, int32_t AOriginX, int32_t AOriginY);

  // Reads the attributes present on the node through the setters; false for
  // no node or a value that cannot be read (logged).
  virtual bool LoadFromXMLNode(const TXmlNode* AXMLNode);
  // Writes every attribute; false only for no node.
  virtual bool SaveToXMLNode(TXmlNode* AXMLNode);

  // Properties.
  int32_t PosX() const { return FPosX; }
  int32_t PosY() const { return FPosY; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  bool Visible() const { return FVisible; }
  const std::wstring& Name() const { return FName; }
  const std::wstring& Hint() const { return FHint; }
  virtual void SetPosX(int32_t Value);
  virtual void SetPosY(int32_t Value);
  virtual void SetWidth(int32_t Value);
  virtual void SetHeight(int32_t Value);
  virtual void SetVisible(bool Value) { FVisible = Value; }
  virtual void SetName(const std::wstring& Value) { FName = Value; }
  virtual void SetHint(const std::wstring& Value) { FHint = Value; }

  TGPRectF Rect() const { return GetRect(); }
  TGPPointF Point() const { return FPoint; }

  int32_t FormLeft = 0, FormTop = 0;
  bool IsHovered() const { return FIsHovered; }
  bool IsClicked = false;
  void* Data = nullptr;
  TGDINotifyEvent OnClick, OnMouseMove, OnMouseHover;
  TGDIRepaintEvent OnRepaint;

  bool ShowHint = false;
  bool EnableHovered = false;
  std::wstring LinkedURL;
  bool EnableClick = false;
  std::wstring NodeName;
  int32_t HintInterval = 1000;
  bool EnableHint = false;
  bool Enabled = false;

  // The hover timer's event: shows the hint if the pointer is still inside.
  void OnHintTimerTimer();
  // Whether the hint timer runs (for hosts and tests).
  bool HintTimerRunning() const { return FHintTimer && FHintTimer->Enabled(); }

protected:
  TLogSubject LogSubject() const { return {ClassName(), FName}; }
  template <class F> bool Guard(std::wstring_view AOperation, F&& ABody) {
    return SkinGuard(LogSubject(), AOperation, std::forward<F>(ABody));
  }

  TGdiPlusLease FLease; // GDI+ outlives the element's objects
  TGPRectF FRect;
  TGPPointF FPoint;

private:
  void HideHint();
  void ShowHintAtPoint(POINT APoint);

  bool FIsHovered = false;
  int32_t FHoveredPosX = 0, FHoveredPosY = 0;
  std::unique_ptr<IGDIHintWindow> FHintWindow;
  std::unique_ptr<TThreadTimer> FHintTimer;
  bool FIsStartHintTimer = false;
  int32_t FPosX = 0, FPosY = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  std::wstring FName = L"未知";
  std::wstring FHint;
};

// Attribute helpers for the elements' persistence. The readers throw
// EDrawingError for a value that is present but unreadable.
namespace xmlattr {
void Put(TXmlNode& ANode, std::u16string_view AName, const std::wstring& AValue);
void Put(TXmlNode& ANode, std::u16string_view AName, int64_t AValue);
void PutBool(TXmlNode& ANode, std::u16string_view AName, bool AValue);
bool Get(const TXmlNode& ANode, std::u16string_view AName, std::wstring& AValue);
bool Get(const TXmlNode& ANode, std::u16string_view AName, int64_t& AValue);
bool GetBool(const TXmlNode& ANode, std::u16string_view AName, bool& AValue);
} // namespace xmlattr

} // namespace qelvane
