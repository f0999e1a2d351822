#include "skinui/SkinZoneViewWalk.h"

#include "skinui/SkinZoneView.h"

namespace qelvane {

bool TZoneWalker::Hit(TZone& AZone, int32_t X, int32_t Y) const {
  TRect r = FView.ZoneDrawRect(AZone);
  if (FView.OnAdjustZoneRect) FView.OnAdjustZoneRect(&FView, &AZone, r);
  return PtInRect(r, {X, Y});
}

TZone* TZoneWalker::ZoneAt(std::span<TZone* const> AZones, int32_t X, int32_t Y) const {
  for (TZone* z : AZones)
    if (InTree(*z) && Hit(*z, X, Y)) return z;
  return nullptr;
}

bool TZoneWalker::InTree(const TZone& AZone) const {
  return AZone.ZoneView() == &FView;
}

void TZoneWalker::Reattach(TZone& AZone, TSkinZoneView* AView, TZone* AParentZone, int32_t ALevel) {
  AZone.FParentZone = AParentZone;
  std::vector<std::pair<TZone*, int32_t>> stack{{&AZone, ALevel}};
  while (!stack.empty()) {
    const auto [z, level] = stack.back();
    stack.pop_back();
    z->FZoneView = AView;
    z->FLevel = level;
    z->FChildZones->FZoneView = AView;
    for (auto& child : z->FChildZones->FItems) {
      child->FParentZone = z;
      stack.push_back({child.get(), level + 1});
    }
  }
}

void TZoneWalker::FreeBelow(TZone& AZone) {
  // Every zone below leaves its list first, level by level; freed from the
  // end, the deepest go first and no zone frees a subtree of its own.
  std::vector<std::unique_ptr<TZone>> below;
  auto take = [&](TZone& z) {
    for (auto& child : z.FChildZones->FItems)
      below.push_back(std::move(child));
    z.FChildZones->FItems.clear();
  };
  take(AZone);
  for (std::size_t i = 0; i < below.size(); ++i)
    take(*below[i]);
  while (!below.empty())
    below.pop_back();
}

void TZoneWalker::Free(std::unique_ptr<TZone> AZone) {
  if (!AZone) return;
  if (!Holding()) {
    AZone.reset();
    return;
  }
  FView.ZoneFreed(AZone.get());
  Reattach(*AZone, nullptr, nullptr, AZone->Level());
  FPending.push_back(std::move(AZone));
}

void TZoneWalker::Unhold() {
  if (--FHolds > 0 || FPending.empty()) return;
  std::vector<std::unique_ptr<TZone>> gone;
  gone.swap(FPending);
  while (!gone.empty())
    gone.pop_back();
}

} // namespace qelvane
