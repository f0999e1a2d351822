#pragma once
// Base of the errors raised by the Windows code: an exception carrying a
// UTF-16 message, the text that goes into the logs.
#include <exception>
#include <string>

namespace qelvane {

class Exception : public std::exception {
public:
  explicit Exception(std::wstring Message);
  const std::wstring& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

private:
  std::wstring FMessage;
  std::string FUtf8;
};

// An operating-system call failed; the message is the system's text for the code.
class EOSError : public Exception {
public:
  explicit EOSError(unsigned long Code);
  EOSError(unsigned long Code, const std::wstring& Context);
  unsigned long Code() const { return FCode; }

private:
  unsigned long FCode;
};

// The log text of any caught error: Message() for ours, what() (UTF-8) otherwise.
std::wstring ErrorText(const std::exception& e);

} // namespace qelvane
