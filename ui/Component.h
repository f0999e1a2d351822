#pragma once
// TObject and TComponent: the root of the toolkit's classes. A component has
// a name, a tag, an owner that frees it, and a component state; a form calls
// Loaded on every component it owns once its children are built.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace qelvane {

class TObject {
public:
  virtual ~TObject() = default;
  // The class name shown in log lines.
  virtual std::wstring_view ClassName() const { return L"TObject"; }
};

class TComponent : public TObject {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  std::wstring_view ClassName() const override { return L"TComponent"; }

  // Makes a component owned by AOwner (freed by it) and returns it.
  template <class T, class... A> static T& Create(TComponent& AOwner, A&&... Args) {
    static_assert(std::is_base_of_v<TComponent, T>);
    auto c = std::make_unique<T>(&AOwner, std::forward<A>(Args)...);
    T& ref = *c;
    AOwner.InsertComponent(std::move(c));
    return ref;
  }

  const std::wstring& Name() const { return FName; }
  void SetName(std::wstring Value) { FName = std::move(Value); }
  intptr_t Tag = 0;
  TComponent* Owner() const { return FOwner; }
  TComponentState ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState & csLoading; }
  bool IsDesigning() const { return FComponentState & csDesigning; }
  bool IsDestroying() const { return FComponentState & csDestroying; }

  std::size_t ComponentCount() const { return FComponents.size(); }
  TComponent* Component(std::size_t Index) const { return FComponents[Index].get(); }
  TComponent* FindComponent(std::wstring_view AName) const;

  // Frees an owned component now (nothing for one that is not owned here).
  void FreeComponent(TComponent* AComponent);
  // Hands an already made component to this owner.
  void InsertComponent(std::unique_ptr<TComponent> AComponent);
  // Takes an owned component back out of the list without freeing it.
  std::unique_ptr<TComponent> RemoveComponent(TComponent* AComponent);

  // Marks this component and everything it owns as loading, then calls
  // Loaded on each (owned ones first), which clears the state.
  void BeginLoading();
  void EndLoading();

protected:
  // Called once the owner's children are built; clears csLoading.
  virtual void Loaded();
  void SetDesigning(bool Value);
  // Called first in the destructor of the most derived toolkit class.
  void MarkDestroying() { FComponentState |= csDestroying; }

private:
  std::wstring FName;
  TComponent* FOwner;
  TComponentState FComponentState = 0;
  std::vector<std::unique_ptr<TComponent>> FComponents;
};

} // namespace qelvane
