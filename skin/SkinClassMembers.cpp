#include "skin/SkinClassMembers.h"

#include <array>

namespace qelvane {

namespace {
// Trivially destructible, so members that outlive static destruction can still leave.
constinit std::array<TSkinClassRegistry::TNotify, scoClassSlots> GSlots{};
} // namespace

void TSkinClassRegistry::Join(int Order, TNotify Notify) {
  if (Order >= 0 && Order < scoClassSlots) GSlots[static_cast<std::size_t>(Order)] = Notify;
}

void TSkinClassRegistry::Leave(int Order) {
  if (Order >= 0 && Order < scoClassSlots) GSlots[static_cast<std::size_t>(Order)] = nullptr;
}

bool TSkinClassRegistry::IsRegistered(int Order) {
  return Order >= 0 && Order < scoClassSlots && GSlots[static_cast<std::size_t>(Order)] != nullptr;
}

void TSkinClassRegistry::NotifySkinClasses() {
  for (std::size_t i = 0; i < GSlots.size(); ++i) {
    if (TNotify notify = GSlots[i]) notify();
  }
}

} // namespace qelvane
