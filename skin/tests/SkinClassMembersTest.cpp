#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/SkinClassMembers.h"

using namespace qelvane;

namespace {

std::vector<std::string> GCalls;

// Two small skinned classes in the shape of the real ones: an unguarded one
// with a flag set before its virtual hook, and a guarded one whose members may fail.
class TTestControl : public TSkinClassMembers<TTestControl, 6, false> {
public:
  explicit TTestControl(std::string name) : FName(std::move(name)) {}
  virtual ~TTestControl() = default;
  bool FJustChangeSkinFile = false;
  void SkinClassChangeSkinFile() {
    FJustChangeSkinFile = true;
    ChangeSkinFile();
  }
  void SkinClassChangeSkinBackGround(TBaseSkinItem*) { GCalls.push_back(FName + ":bg"); }

protected:
  virtual void ChangeSkinFile() { GCalls.push_back(FName); }
  std::string FName;
};

class TTestButton : public TTestControl {
public:
  using TTestControl::TTestControl;

protected:
  void ChangeSkinFile() override { GCalls.push_back(FName + ":button"); }
};

class TTestEdit : public TSkinClassMembers<TTestEdit, 7, true> {
public:
  static constexpr const wchar_t* SkinClassName = L"TTestEdit";
  TTestEdit(std::string name, bool fails) : FName(std::move(name)), FFails(fails) {}
  void SkinClassChangeSkinFile() {
    if (FFails) throw std::runtime_error("edit failed");
    GCalls.push_back(FName);
  }

private:
  std::string FName;
  bool FFails;
};

} // namespace

TEST(SkinClassMembers, ClassesAreToldInOrderAndMembersInCreationOrder) {
  GCalls.clear();
  EXPECT_FALSE(TSkinClassRegistry::IsRegistered(6));
  {
    TTestEdit e1("e1", false);
    TTestControl c1("c1");
    TTestButton b1("b1");
    TTestEdit e2("e2", true); // fails: logged, the loop goes on
    TTestEdit e3("e3", false);
    EXPECT_EQ(TTestControl::MemberCount(), 2u);
    EXPECT_TRUE(TSkinClassRegistry::IsRegistered(6));
    TSkinClassRegistry::NotifySkinClasses();
    EXPECT_EQ(GCalls, (std::vector<std::string>{"c1", "b1:button", "e1", "e3"}));
    EXPECT_TRUE(c1.FJustChangeSkinFile);
    EXPECT_TRUE(b1.FJustChangeSkinFile);

    GCalls.clear();
    TTestControl::AllMembersChangeSkinBackGround(nullptr);
    EXPECT_EQ(GCalls, (std::vector<std::string>{"c1:bg", "b1:bg"}));
  }
  // The last member leaving takes its class out of the notification.
  EXPECT_FALSE(TSkinClassRegistry::IsRegistered(6));
  EXPECT_FALSE(TSkinClassRegistry::IsRegistered(7));
  GCalls.clear();
  TSkinClassRegistry::NotifySkinClasses();
  EXPECT_TRUE(GCalls.empty());
}

TEST(SkinClassMembers, MembersLeavingOrJoiningDuringTheRoundDoNotBreakIt) {
  GCalls.clear();
  auto first = std::make_unique<TTestControl>("first");
  std::unique_ptr<TTestControl> late;
  // A member whose skin change destroys the first member and creates a new one.
  class TRude : public TTestControl {
  public:
    TRude(std::unique_ptr<TTestControl>& victim, std::unique_ptr<TTestControl>& late)
        : TTestControl("rude"), FVictim(victim), FLate(late) {}

  protected:
    void ChangeSkinFile() override {
      GCalls.push_back("rude");
      FVictim.reset();
      FLate = std::make_unique<TTestControl>("late");
    }
    std::unique_ptr<TTestControl>& FVictim;
    std::unique_ptr<TTestControl>& FLate;
  } rude(first, late);
  TTestControl::AllMembersChangeSkinFile();
  EXPECT_FALSE(first);
  ASSERT_TRUE(late);
  EXPECT_EQ(TTestControl::MemberCount(), 2u);
  // Members are told in list order: "first" before it is destroyed, and the
  // member created during the round is not told (it starts with the new skin).
  EXPECT_EQ(GCalls, (std::vector<std::string>{"first", "rude"}));
  // Destroyed before its turn: skipped.
  GCalls.clear();
  TRude rude2(late, late);
  // list: rude, late, rude2 -> rude destroys late (not told) and makes a new "late".
  TTestControl::AllMembersChangeSkinFile();
  EXPECT_EQ(GCalls, (std::vector<std::string>{"rude", "rude"}));
}
