#pragma once
// The common part of every style collection of the skin manager: a list of
// named style items in load order, owned by the collection.
#include <concepts>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinLog.h"

namespace qelvane {

class TSkinMng;

// Base of the style items that carry their name as a property.
class TBaseSkinStyleItem {
public:
  virtual ~TBaseSkinStyleItem() = default;
  const std::wstring& StyleName() const { return FStyleName; }
  void SetStyleName(std::wstring Value) { FStyleName = std::move(Value); }

private:
  std::wstring FStyleName;
};

namespace detail {
template <class TItem> const std::wstring& StyleNameOf(const TItem& AItem) {
  if constexpr (requires { AItem.StyleName(); })
    return AItem.StyleName();
  else
    return AItem.StyleName;
}
template <class TItem> void SetStyleNameOf(TItem& AItem, std::wstring AName) {
  if constexpr (requires { AItem.SetStyleName(std::move(AName)); })
    AItem.SetStyleName(std::move(AName));
  else
    AItem.StyleName = std::move(AName);
}
} // namespace detail

template <class TItem> class TSkinStyleCollection {
public:
  // AClassName names the collection in the skin engine log.
  TSkinStyleCollection(TSkinMng& AOwner, const wchar_t* AClassName) : FOwner(AOwner), FClassName(AClassName) {}
  virtual ~TSkinStyleCollection() {
    SkinGuard(ClassSubject(FClassName), L"Destroy", [&] { ClearItems(); });
  }
  TSkinStyleCollection(const TSkinStyleCollection&) = delete;
  TSkinStyleCollection& operator=(const TSkinStyleCollection&) = delete;

  // The items in load order.
  std::vector<std::unique_ptr<TItem>> StyleList;

  // Node name under which the collection's styles are stored in the skin.
  const std::wstring& StyleNodeName() const { return FStyleNodeName; }
  void SetStyleNodeName(std::wstring Value) { FStyleNodeName = std::move(Value); }

  // Appends a new item of that name; nothing when it cannot be created.
  TItem* AddStyle(const std::wstring& AStyleName) {
    TItem* result = nullptr;
    SkinGuard(ClassSubject(FClassName), L"AddStyle", [&] {
      auto item = std::make_unique<TItem>();
      detail::SetStyleNameOf(*item, AStyleName);
      StyleList.push_back(std::move(item));
      result = StyleList.back().get();
    });
    return result;
  }

  // Frees every item, the last first.
  void Clear() {
    SkinGuard(ClassSubject(FClassName), L"Clear", [&] { ClearItems(); });
  }

  // The first item whose name equals AStyleName exactly (letter case
  // included), or nothing.
  TItem* GetItem(std::wstring_view AStyleName) const {
    TItem* result = nullptr;
    SkinGuard(ClassSubject(FClassName), L"GetItem", [&] {
      for (const auto& item : StyleList) {
        if (detail::StyleNameOf(*item) == AStyleName) {
          result = item.get();
          break;
        }
      }
    });
    return result;
  }

protected:
  TSkinMng& Owner() const { return FOwner; }
  const wchar_t* ClassName() const { return FClassName; }

private:
  void ClearItems() {
    while (!StyleList.empty())
      StyleList.pop_back();
  }

  TSkinMng& FOwner;
  const wchar_t* FClassName;
  std::wstring FStyleNodeName;
};

} // namespace qelvane
