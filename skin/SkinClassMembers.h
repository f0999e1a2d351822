#pragma once
// Class-wide member lists of the skinned control classes.
//
// Every skinned control class keeps a list of its live instances so that the
// skin manager can tell all of them at once that a new skin was loaded. A class
// joins by deriving from TSkinClassMembers<Self, Order, Guarded> and providing
//   void SkinClassChangeSkinFile();                      // called per member
//   static constexpr const wchar_t* SkinClassName;      // for the log (guarded)
// and, when it uses AllMembersChangeSkinBackGround,
//   void SkinClassChangeSkinBackGround(TBaseSkinItem*);
//
// A class is registered with the notifier while it has at least one member;
// NotifySkinClasses calls the registered classes in the order of their Order
// value (the TSkinClassOrder constants below).
#include <cstddef>
#include <exception>
#include <vector>

#include "skin/SkinLog.h"

namespace qelvane {

class TBaseSkinItem;

// Notification order of the skinned control classes.
enum TSkinClassOrder : int {
  scoSkinCustomControl = 0,
  scoFormDrawSkinCustomControl = 1,
  scoBaseZoneViewStyle = 2,
  scoSkinHotKey = 3,
  scoSkinEdit = 4,
  scoSkinFlatMemo = 5,
  scoClassSlots = 16 // orders are 0 .. scoClassSlots - 1
};

// The classes that currently have members, by notification order.
class TSkinClassRegistry {
public:
  using TNotify = void (*)();
  // Takes the slot of Order (a class with members); out-of-range orders are ignored.
  static void Join(int Order, TNotify Notify);
  static void Leave(int Order);
  static bool IsRegistered(int Order);
  // Calls AllMembersChangeSkinFile of every class with members, in order.
  static void NotifySkinClasses();
};

template <class T, int Order, bool Guarded> class TSkinClassMembers {
public:
  static std::size_t MemberCount() { return List().size(); }
  static T* Member(std::size_t Index) { return static_cast<T*>(List()[Index].Member); }

  // Tells every member, in list order, that a new skin was loaded. For a
  // guarded class a failure of one member is logged and the next member is
  // still told. The round is the list as it was when it began: a member
  // destroyed meanwhile is skipped, one created meanwhile is not told (it
  // takes the new skin when it is created).
  static void AllMembersChangeSkinFile() {
    for (const TEntry& entry : Round()) {
      if (!IsMember(entry)) continue;
      T* member = static_cast<T*>(entry.Member);
      if constexpr (Guarded) {
        SkinGuard(ClassSubject(T::SkinClassName), L"AllMembersChangeSkinFile",
                  [&] { member->SkinClassChangeSkinFile(); });
      } else {
        member->SkinClassChangeSkinFile();
      }
    }
  }

  // Tells every member that the background item changed.
  static void AllMembersChangeSkinBackGround(TBaseSkinItem* AItem) {
    for (const TEntry& entry : Round())
      if (IsMember(entry)) static_cast<T*>(entry.Member)->SkinClassChangeSkinBackGround(AItem);
  }

protected:
  TSkinClassMembers() { JoinList(); }
  TSkinClassMembers(const TSkinClassMembers&) { JoinList(); }
  TSkinClassMembers& operator=(const TSkinClassMembers&) { return *this; }
  ~TSkinClassMembers() {
    auto& list = List();
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].Member == this) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
    if (list.empty()) {
      list.shrink_to_fit();
      TSkinClassRegistry::Leave(Order);
    }
  }

private:
  // A member is its base part (cast to T only once the member is complete) and
  // a serial number, so that a new member at a freed member's address is
  // never mistaken for it during a round.
  struct TEntry {
    TSkinClassMembers* Member;
    unsigned long long Serial;
  };
  static std::vector<TEntry>& List() {
    static std::vector<TEntry> list;
    return list;
  }
  static std::vector<TEntry> Round() { return List(); }
  static bool IsMember(const TEntry& e) {
    for (const TEntry& m : List())
      if (m.Member == e.Member && m.Serial == e.Serial) return true;
    return false;
  }
  void JoinList() {
    static unsigned long long serial = 0;
    auto& list = List();
    list.push_back({this, ++serial});
    if (list.size() == 1) TSkinClassRegistry::Join(Order, &TSkinClassMembers::AllMembersChangeSkinFile);
  }
};

} // namespace qelvane
