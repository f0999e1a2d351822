#include "skinui/SkinZoneViewZones.h"

#include <algorithm>

#include "skin/SkinLog.h"
#include "skinui/SkinZoneView.h"
#include "skinui/SkinZoneViewWalk.h"

namespace qelvane {

// --- TZone.

TZone::TZone(TSkinZoneView* AZoneView, TZone* AParentZone)
    : FChildZones(std::make_unique<TZoneList>(AZoneView, this)), FZoneView(AZoneView), FParentZone(AParentZone) {}

TZone::~TZone() {
  // The view lets go of every zone it placed before any of them goes.
  if (FZoneView) FZoneView->ZoneFreed(this);
  TZoneWalker::FreeBelow(*this);
}

void TZone::Changed() {
  FDispalyChanged = true;
}

void TZone::Repaint() {
  if (FZoneView) FZoneView->RepaintSelfImage();
}

TZoneWalker* TZone::Walker() const {
  return FZoneView ? FZoneView->FWalker.get() : nullptr;
}

bool TZone::IsAncestor(const TZone* AZone) const {
  for (const TZone* p = FParentZone; p; p = p->FParentZone)
    if (p == AZone) return true;
  return false;
}

void TZone::SetZoneName(const std::wstring& Value) {
  if (Value == FZoneName) return;
  FZoneName = Value;
  Changed();
  Repaint();
}

void TZone::SetLevel(int32_t Value) {
  if (Value == FLevel) return;
  FLevel = Value;
  Changed();
}

void TZone::SetWidth(int32_t Value) {
  if (Value == FWidth || Value <= 0) return;
  FWidth = Value;
  Changed();
  if (FZoneView) FZoneView->LayoutChanged();
  Repaint();
}

void TZone::SetHeight(int32_t Value) {
  if (Value == FHeight || Value <= 0) return;
  FHeight = Value;
  Changed();
  if (FZoneView) FZoneView->LayoutChanged();
  Repaint();
}

void TZone::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Changed();
}

void TZone::SetMouseOver(bool Value) {
  if (Value == FMouseOver) return;
  FMouseOver = Value;
  Changed();
}

void TZone::SetMouseDown(bool Value) {
  if (Value == FMouseDown) return;
  FMouseDown = Value;
  Changed();
}

void TZone::SetBlinkRedraw(bool Value) {
  if (Value == FBlinkRedraw) return;
  FBlinkRedraw = Value;
  Changed();
}

// The state setters report to the view's handlers, which may free zones,
// this one included: the walk is held until the setter is done with it. A
// zone a handler freed belongs to no view any more and reports nothing.

void TZone::SetExpanded(bool Value) {
  if (Value == FExpanded) return;
  Changed();
  const TZoneWalker::THold hold(Walker());
  if (FZoneView) FZoneView->ZoneExpanding(*this);
  FExpanded = Value;
  if (FZoneView) FZoneView->ZoneExpanded(*this);
}

void TZone::SetSelected(bool Value) {
  if (Value == FSelected) return;
  Changed();
  const TZoneWalker::THold hold(Walker());
  if (FZoneView && !FZoneView->MultiSelect) FZoneView->ClearSelectedZones();
  FSelected = Value;
  if (FZoneView) FZoneView->ZoneSelected(*this);
}

void TZone::SetBlinking(bool Value) {
  if (Value == FBlinking) return;
  Changed();
  const TZoneWalker::THold hold(Walker());
  FBlinking = Value;
  if (Value)
    FBlinkRedraw = true;
  else
    BlinkFlag = 0;
  if (FZoneView) FZoneView->ZoneBlinkingChanged(*this);
}

// --- TZoneList.

TZoneList::TZoneList(TSkinZoneView* AZoneView, TZone* AOwnerZone) : FZoneView(AZoneView), FOwnerZone(AOwnerZone) {}

TZoneList::~TZoneList() {
  // Children go last first, each after it left the list.
  while (!FItems.empty()) {
    std::unique_ptr<TZone> z = std::move(FItems.back());
    FItems.pop_back();
  }
}

void TZoneList::CheckIndex(std::size_t Index, std::size_t Limit) const {
  if (Index >= Limit) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

void TZoneList::Adopt(TZone& AZone) {
  TZoneWalker::Reattach(AZone, FZoneView, FOwnerZone, FOwnerZone ? FOwnerZone->Level() + 1 : 0);
}

void TZoneList::Free(std::unique_ptr<TZone> AZone) {
  if (FZoneView)
    FZoneView->FreeZone(std::move(AZone));
  else
    AZone.reset();
}

void TZoneList::Changed() {
  if (FZoneView) FZoneView->LayoutChanged();
}

void TZoneList::StructureChanged() {
  Changed();
  if (FZoneView) FZoneView->RepaintSelfImage();
}

TZone& TZoneList::Add() {
  FItems.push_back(std::make_unique<TZone>(FZoneView, FOwnerZone));
  TZone& z = *FItems.back();
  Adopt(z);
  Changed();
  return z;
}

TZone& TZoneList::Insert(std::size_t Index) {
  CheckIndex(Index, FItems.size() + 1);
  auto it = FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(Index),
                          std::make_unique<TZone>(FZoneView, FOwnerZone));
  TZone& z = **it;
  Adopt(z);
  StructureChanged();
  return z;
}

void TZoneList::Delete(std::size_t Index) {
  CheckIndex(Index, FItems.size());
  SkinGuard(ClassSubject(L"TZoneList"), L"Delete", [&] {
    std::unique_ptr<TZone> z = std::move(FItems[Index]);
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Index));
    Free(std::move(z));
  });
  StructureChanged();
}

int TZoneList::Remove(TZone* AItem) {
  const int index = IndexOf(AItem);
  if (index < 0) return -1;
  SkinGuard(ClassSubject(L"TZoneList"), L"Remove", [&] {
    std::unique_ptr<TZone> z = std::move(FItems[static_cast<std::size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    Free(std::move(z));
  });
  StructureChanged();
  return index;
}

void TZoneList::Clear() {
  if (FItems.empty()) return;
  SkinGuard(ClassSubject(L"TZoneList"), L"Clear", [&] {
    std::vector<std::unique_ptr<TZone>> gone;
    gone.swap(FItems);
    while (!gone.empty()) {
      std::unique_ptr<TZone> z = std::move(gone.back());
      gone.pop_back();
      Free(std::move(z));
    }
  });
  StructureChanged();
}

int TZoneList::IndexOf(const TZone* AItem) const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == AItem) return static_cast<int>(i);
  return -1;
}

void TZoneList::Move(std::size_t CurIndex, std::size_t NewIndex) {
  CheckIndex(CurIndex, FItems.size());
  CheckIndex(NewIndex, FItems.size());
  if (CurIndex == NewIndex) return;
  auto first = FItems.begin();
  if (CurIndex < NewIndex)
    std::rotate(first + static_cast<std::ptrdiff_t>(CurIndex), first + static_cast<std::ptrdiff_t>(CurIndex) + 1,
                first + static_cast<std::ptrdiff_t>(NewIndex) + 1);
  else
    std::rotate(first + static_cast<std::ptrdiff_t>(NewIndex), first + static_cast<std::ptrdiff_t>(CurIndex),
                first + static_cast<std::ptrdiff_t>(CurIndex) + 1);
  StructureChanged();
}

void TZoneList::Sort(const TZoneCompare& ACompare) {
  if (!ACompare) return;
  std::stable_sort(FItems.begin(), FItems.end(), [&](const std::unique_ptr<TZone>& a, const std::unique_ptr<TZone>& b) {
    return ACompare(*a, *b) < 0;
  });
  // Repaints like every other change of the list, also with nothing to move.
  StructureChanged();
}

TZone* TZoneList::Items(std::size_t Index) const {
  CheckIndex(Index, FItems.size());
  return FItems[Index].get();
}

void TZoneList::SetItems(std::size_t Index, std::unique_ptr<TZone> AZone) {
  CheckIndex(Index, FItems.size());
  if (!AZone) throw EListError(L"No zone to put at index " + std::to_wstring(Index));
  Adopt(*AZone);
  std::unique_ptr<TZone> old = std::move(FItems[Index]);
  FItems[Index] = std::move(AZone);
  Free(std::move(old));
  Changed();
}

} // namespace qelvane
