#pragma once
// The common part of every style collection of the skin manager: a list of
// named style items in load order, owned by the collection, and the one loop
// that refills it from the skin.
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

// Where a collection's styles are stored in the skin and how their load is
// guarded.
struct TStyleLayout {
  // Path of the folder that holds the collection's node ("" is the root).
  const wchar_t* ParentPath = L"ControlStyle\\";
  // True: one style per directory child of the node, named after it and
  // filled from it. False: one style named after the node, filled from the
  // node itself.
  bool StylePerFolder = true;
  // Operation name under which a failure of the loop is logged; nullptr: the
  // failure reaches the caller.
  const wchar_t* LoadOperation = nullptr;
};

// What the manager knows of every collection: its node name, the refill and
// the clearing.
class TSkinStyleCollectionBase {
public:
  virtual ~TSkinStyleCollectionBase() = default;
  TSkinStyleCollectionBase(const TSkinStyleCollectionBase&) = delete;
  TSkinStyleCollectionBase& operator=(const TSkinStyleCollectionBase&) = delete;

  // Node name under which the collection's styles are stored in the skin.
  const std::wstring& StyleNodeName() const { return FStyleNodeName; }
  void SetStyleNodeName(std::wstring Value) { FStyleNodeName = std::move(Value); }

  // Refills the collection from the owner's skin: clears it, then adds and
  // fills the styles the layout describes, in document order. After a logged
  // failure the styles loaded before it stay.
  void LoadStyles();

  // Frees every item, the last first.
  virtual void Clear() = 0;

protected:
  // AClassName names the collection in the skin engine log.
  TSkinStyleCollectionBase(TSkinMng& AOwner, const wchar_t* AClassName, const TStyleLayout& ALayout)
      : FOwner(AOwner), FClassName(AClassName), FLayout(ALayout) {}

  TSkinMng& Owner() const { return FOwner; }
  const wchar_t* ClassName() const { return FClassName; }

  // Appends a style named AStyleName and fills it from the skin path APath.
  virtual void AddAndLoadStyle(const std::wstring& AStyleName, const std::wstring& APath) = 0;

private:
  TSkinMng& FOwner;
  const wchar_t* FClassName;
  TStyleLayout FLayout;
  std::wstring FStyleNodeName;
};

template <class TItem> class TSkinStyleCollection : public TSkinStyleCollectionBase {
public:
  TSkinStyleCollection(TSkinMng& AOwner, const wchar_t* AClassName, const TStyleLayout& ALayout)
      : TSkinStyleCollectionBase(AOwner, AClassName, ALayout) {}
  ~TSkinStyleCollection() override {
    SkinGuard(ClassSubject(ClassName()), L"Destroy", [&] { ClearItems(); });
  }

  // The items in load order.
  std::vector<std::unique_ptr<TItem>> StyleList;

  // Appends a new item of that name; nothing when it cannot be created.
  TItem* AddStyle(const std::wstring& AStyleName) {
    TItem* result = nullptr;
    SkinGuard(ClassSubject(ClassName()), L"AddStyle", [&] {
      auto item = std::make_unique<TItem>();
      detail::SetStyleNameOf(*item, AStyleName);
      StyleList.push_back(std::move(item));
      result = StyleList.back().get();
    });
    return result;
  }

  void Clear() override {
    SkinGuard(ClassSubject(ClassName()), L"Clear", [&] { ClearItems(); });
  }

  // The first item whose name equals AStyleName exactly (letter case
  // included), or nothing.
  TItem* GetItem(std::wstring_view AStyleName) const {
    TItem* result = nullptr;
    SkinGuard(ClassSubject(ClassName()), L"GetItem", [&] {
      for (const auto& item : StyleList) {
        if (detail::StyleNameOf(*item) == AStyleName) {
          result = item.get();
          break;
        }
      }
    });
    return result;
  }

  // Fills one item from the style folder at the skin path AStyleNodeName;
  // nothing while the skin is not loaded. Each collection reads its own keys.
  virtual void LoadStyleItem(TItem* AItem, const std::wstring& AStyleNodeName) = 0;

protected:
  void AddAndLoadStyle(const std::wstring& AStyleName, const std::wstring& APath) final {
    LoadStyleItem(AddStyle(AStyleName), APath);
  }

private:
  void ClearItems() {
    while (!StyleList.empty())
      StyleList.pop_back();
  }
};

} // namespace qelvane
