#include "ui/Component.h"

#include <algorithm>

namespace qelvane {

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  // Components made while their owner is being built load with it.
  if (AOwner && AOwner->IsLoading()) FComponentState |= csLoading;
}

TComponent::~TComponent() {
  FComponentState |= csDestroying;
  // Owned components go in reverse order of creation; each may still look at
  // its owner, which is alive until the list is empty.
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last.reset();
  }
}

TComponent* TComponent::FindComponent(std::wstring_view AName) const {
  for (const auto& c : FComponents)
    if (c->Name() == AName) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> AComponent) {
  AComponent->FOwner = this;
  FComponents.push_back(std::move(AComponent));
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(), [&](const auto& c) { return c.get() == AComponent; });
  if (it == FComponents.end()) return nullptr;
  std::unique_ptr<TComponent> c = std::move(*it);
  FComponents.erase(it);
  c->FOwner = nullptr;
  return c;
}

void TComponent::FreeComponent(TComponent* AComponent) {
  RemoveComponent(AComponent).reset();
}

void TComponent::BeginLoading() {
  FComponentState |= csLoading;
  for (const auto& c : FComponents)
    c->BeginLoading();
}

void TComponent::EndLoading() {
  // A component's Loaded may create more components: walk by index.
  for (std::size_t i = 0; i < FComponents.size(); ++i)
    if (FComponents[i]->IsLoading()) FComponents[i]->EndLoading();
  if (IsLoading()) Loaded();
}

void TComponent::Loaded() {
  FComponentState &= static_cast<TComponentState>(~csLoading);
}

void TComponent::SetDesigning(bool Value) {
  if (Value)
    FComponentState |= csDesigning;
  else
    FComponentState &= static_cast<TComponentState>(~csDesigning);
}

} // namespace qelvane
