#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "winbase/Exception.h"
#include "winbase/Guard.h"

using namespace qelvane;

TEST(GuardAndLog, LogsStdExceptionsAndLetsOthersPass) {
  std::vector<std::string> logged;
  auto log = [&](const std::exception& e) { logged.push_back(e.what()); };

  bool ran = false;
  EXPECT_TRUE(GuardAndLog([&] { ran = true; }, log));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(logged.empty());

  EXPECT_FALSE(GuardAndLog([] { throw std::runtime_error("broken"); }, log));
  EXPECT_FALSE(GuardAndLog([] { throw Exception(L"ours"); }, log));
  EXPECT_EQ(logged, (std::vector<std::string>{"broken", "ours"}));

  EXPECT_THROW(GuardAndLog([] { throw 42; }, log), int);
  EXPECT_EQ(logged.size(), 2u);
}

// Puts back the handler that was installed before the test.
class AppExceptionHandler : public ::testing::Test {
protected:
  void TearDown() override { SetAppExceptionHandler(FSaved); }
  TAppExceptionHandler FSaved = SetAppExceptionHandler(nullptr);
};

TEST_F(AppExceptionHandler, TheInstalledHandlerGetsWhatTheBodyThrows) {
  // Without a handler the error is dropped and the caller goes on.
  EXPECT_FALSE(GuardAppException([] { throw std::runtime_error("lost"); }));

  std::vector<std::string> first, second;
  SetAppExceptionHandler([&](const std::exception& e) { first.push_back(e.what()); });
  EXPECT_TRUE(GuardAppException([] {}));
  EXPECT_FALSE(GuardAppException([] { throw std::runtime_error("one"); }));

  TAppExceptionHandler previous = SetAppExceptionHandler([&](const std::exception& e) { second.push_back(e.what()); });
  EXPECT_FALSE(GuardAppException([] { throw std::runtime_error("two"); }));
  EXPECT_EQ(first, std::vector<std::string>{"one"});
  EXPECT_EQ(second, std::vector<std::string>{"two"});

  // The handler handed back is the one that was installed.
  ASSERT_TRUE(previous);
  previous(std::runtime_error("three"));
  EXPECT_EQ(first, (std::vector<std::string>{"one", "three"}));
}

TEST_F(AppExceptionHandler, AFailingHandlerDoesNotEscape) {
  SetAppExceptionHandler([](const std::exception&) { throw std::runtime_error("handler failed"); });
  EXPECT_FALSE(GuardAppException([] { throw std::runtime_error("body failed"); }));
  SetAppExceptionHandler([](const std::exception&) { throw 7; });
  EXPECT_FALSE(GuardAppException([] { throw std::runtime_error("body failed"); }));
  // Non-standard errors from the body still pass on.
  EXPECT_THROW(GuardAppException([] { throw 42; }), int);
}
