#pragma once
// Walking the tree of a zone view: visiting the zones in tree order, finding
// the zone under a point, moving a subtree under another view or parent and
// freeing one, all without recursion, so a tree of any depth is safe.
//
// Handlers run while the view walks its zones (drawing, expanding,
// selecting, clicking) and may free zones, the one they were given
// included. While such a walk is held, a freed zone leaves the tree at once
// (it belongs to no view from then on, and the walk skips it) but is freed
// only when the outermost walk ends, so nothing the walk still holds dangles.
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "skinui/SkinZoneViewZones.h"

namespace qelvane {

class TSkinZoneView;

class TZoneWalker {
public:
  TZoneWalker(TSkinZoneView& AView, const TZoneList& ARoot) : FView(AView), FRoot(ARoot) {}
  TZoneWalker(const TZoneWalker&) = delete;
  TZoneWalker& operator=(const TZoneWalker&) = delete;

  // Visits the zones in tree order (a zone before its children); AVisit(zone)
  // returns whether to go on into the zone's children.
  template <class F> void ForEach(F&& AVisit) const;
  // The zones of the whole tree AKeep accepts, in tree order.
  template <class P> std::vector<TZone*> Collect(P&& AKeep) const {
    std::vector<TZone*> found;
    ForEach([&](TZone& z) {
      if (AKeep(z)) found.push_back(&z);
      return true;
    });
    return found;
  }

  // Whether the point lies in the zone's draw rectangle as the view's
  // OnAdjustZoneRect leaves it.
  bool Hit(TZone& AZone, int32_t X, int32_t Y) const;
  // The first zone of AZones still in the tree under the point.
  TZone* ZoneAt(std::span<TZone* const> AZones, int32_t X, int32_t Y) const;
  // AZone lies in this view's tree (it was not freed during a walk).
  bool InTree(const TZone& AZone) const;

  // Puts AZone and everything below it into AView under AParentZone, AZone
  // at ALevel and each child one level below its parent.
  static void Reattach(TZone& AZone, TSkinZoneView* AView, TZone* AParentZone, int32_t ALevel);
  // Frees every zone below AZone, the deepest first.
  static void FreeBelow(TZone& AZone);

  // Holds the walk while it lasts; holds nest.
  class THold {
  public:
    explicit THold(TZoneWalker* AWalker) : FWalker(AWalker) {
      if (FWalker) ++FWalker->FHolds;
    }
    ~THold() {
      if (FWalker) FWalker->Unhold();
    }
    THold(const THold&) = delete;
    THold& operator=(const THold&) = delete;

  private:
    TZoneWalker* FWalker;
  };
  THold Hold() { return THold(this); }
  bool Holding() const { return FHolds > 0; }
  // AZone left the tree: freed now, or when the outermost walk ends.
  void Free(std::unique_ptr<TZone> AZone);
  // Zones waiting for the walk to end.
  std::size_t PendingFrees() const { return FPending.size(); }

private:
  void Unhold();

  TSkinZoneView& FView;
  const TZoneList& FRoot;
  int FHolds = 0;
  std::vector<std::unique_ptr<TZone>> FPending;
};

template <class F> void TZoneWalker::ForEach(F&& AVisit) const {
  std::vector<std::pair<const TZoneList*, std::size_t>> stack{{&FRoot, 0}};
  while (!stack.empty()) {
    auto& [list, index] = stack.back();
    if (index >= list->Count()) {
      stack.pop_back();
      continue;
    }
    TZone& z = *list->Items(index++);
    if (AVisit(z) && z.ChildZones().Count() > 0) stack.push_back({&z.ChildZones(), 0});
  }
}

} // namespace qelvane
