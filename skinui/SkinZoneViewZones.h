#pragma once
// The zones of a zone view: rectangular items arranged as a tree. Each zone
// holds a list of child zones that the view shows below it while it is
// expanded. A zone keeps its own state (selected, expanded, hovered,
// pressed, blinking) and where the view last placed it; its look is left to
// the view's drawing handlers.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/gfx/Geometry.h"
#include "winbase/Exception.h"

namespace qelvane {

class TSkinZoneView;
class TZone;
class TZoneWalker;

// An index outside a zone list.
class EListError : public Exception {
public:
  using Exception::Exception;
};

// Negative when A comes before B, positive after, 0 for equal.
using TZoneCompare = std::function<int(const TZone& A, const TZone& B)>;

class TZoneList {
public:
  TZoneList(TSkinZoneView* AZoneView, TZone* AOwnerZone);
  ~TZoneList();
  TZoneList(const TZoneList&) = delete;
  TZoneList& operator=(const TZoneList&) = delete;

  // A new zone at the end or at Index (owned by the list), one level below
  // the list's owner zone (level 0 in the view's top list).
  TZone& Add();
  TZone& Insert(std::size_t Index);
  // Frees the zone at Index.
  void Delete(std::size_t Index);
  // Frees AItem; returns its former index, or -1 when it is not in the list.
  int Remove(TZone* AItem);
  // Frees every zone.
  void Clear();
  int IndexOf(const TZone* AItem) const;
  void Move(std::size_t CurIndex, std::size_t NewIndex);
  // Stable sort by ACompare.
  void Sort(const TZoneCompare& ACompare);
  TZone* Items(std::size_t Index) const;
  // Puts AZone at Index; the zone there is freed.
  void SetItems(std::size_t Index, std::unique_ptr<TZone> AZone);
  std::size_t Count() const { return FItems.size(); }
  TZone* OwnerZone() const { return FOwnerZone; }
  TSkinZoneView* ZoneView() const { return FZoneView; }

private:
  friend class TZone;
  friend class TZoneWalker;
  void CheckIndex(std::size_t Index, std::size_t Limit) const;
  void Adopt(TZone& AZone);
  // A zone left the list: freed now, or after the view's running walk.
  void Free(std::unique_ptr<TZone> AZone);
  void Changed();
  void StructureChanged();

  std::vector<std::unique_ptr<TZone>> FItems;
  TSkinZoneView* FZoneView;
  TZone* FOwnerZone;
};

class TZone {
public:
  // A zone outside any view; lists make their zones with the view and parent.
  explicit TZone(TSkinZoneView* AZoneView = nullptr, TZone* AParentZone = nullptr);
  // Frees the zones below without recursion, however deep the tree. Virtual:
  // a list may hold zones of a derived class (SetItems).
  virtual ~TZone();
  TZone(const TZone&) = delete;
  TZone& operator=(const TZone&) = delete;

  const std::wstring& ZoneName() const { return FZoneName; }
  void SetZoneName(const std::wstring& Value);
  // Depth: 0 for top-level zones, the parent's level + 1 below it.
  int32_t Level() const { return FLevel; }
  void SetLevel(int32_t Value);
  // Size; only positive values are taken. A zone the view's coordinates
  // cannot hold any more (the stack would pass the largest 32-bit
  // coordinate) is not laid out.
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t Value);
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t Value);
  // Laid out by the view (top-level, or below an expanded parent).
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Selecting a zone deselects every other one unless the view's
  // MultiSelect is set; the view reports each change with OnSelectZone.
  bool Selected() const { return FSelected; }
  void SetSelected(bool Value);
  // Expanding a zone collapses every other expanded zone that is not one
  // of its ancestors unless the view's MultiExpand is set; the view reports
  // each change with OnExpandZone.
  bool Expanded() const { return FExpanded; }
  void SetExpanded(bool Value);
  bool MouseOver() const { return FMouseOver; }
  void SetMouseOver(bool Value);
  bool MouseDown() const { return FMouseDown; }
  void SetMouseDown(bool Value);
  // While blinking, the view's blink timer asks for a redraw of the zone
  // at every tick (BlinkRedraw) and its handlers alternate BlinkFlag.
  bool Blinking() const { return FBlinking; }
  void SetBlinking(bool Value);
  bool BlinkRedraw() const { return FBlinkRedraw; }
  void SetBlinkRedraw(bool Value);
  // The zone's look changed: it is redrawn at the next paint.
  bool DispalyChanged() const { return FDispalyChanged; }
  void SetDispalyChanged(bool Value) { FDispalyChanged = Value; }

  TZoneList& ChildZones() { return *FChildZones; }
  const TZoneList& ChildZones() const { return *FChildZones; }
  TSkinZoneView* ZoneView() const { return FZoneView; }
  TZone* ParentZone() const { return FParentZone; }
  // Whether AZone lies above this zone in the tree.
  bool IsAncestor(const TZone* AZone) const;

  // Where the view placed the zone: in the unscrolled stack, and on the
  // control after scrolling; the index in display order (-1 while hidden).
  const TRect& DisplayRect() const { return FDisplayRect; }
  const TRect& DrawRect() const { return FDrawRect; }
  int32_t DisplayIndex() const { return FDisplayIndex; }

  void* Data = nullptr;
  int32_t Tag = 0;
  // A draw rectangle smaller than this makes the zone redraw.
  int32_t NeedDisplayWidth = 0, NeedDisplayHeight = 0;
  // For the drawing handlers.
  int32_t BlinkFlag = 0;
  TColor FlashCaptionColor = 0xFFFFFF;
  TRect HeadRect;

private:
  friend class TSkinZoneView;
  friend class TZoneList;
  friend class TZoneWalker;
  void Changed();
  void Repaint();
  TZoneWalker* Walker() const;

  std::wstring FZoneName;
  int32_t FLevel = 0;
  int32_t FWidth = 200;
  int32_t FHeight = 60;
  bool FVisible = false, FSelected = false, FExpanded = false, FMouseOver = false, FMouseDown = false;
  std::unique_ptr<TZoneList> FChildZones;
  TSkinZoneView* FZoneView;
  TZone* FParentZone;
  TRect FDisplayRect, FDrawRect;
  int32_t FDisplayIndex = -1;
  bool FBlinking = false, FBlinkRedraw = false;
  bool FDispalyChanged = true;
};

} // namespace qelvane
