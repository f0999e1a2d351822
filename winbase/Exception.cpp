#include "winbase/Exception.h"

#include "core/text/TextConvert.h"
#include "winbase/WinText.h"

namespace qelvane {

Exception::Exception(std::wstring Message) : FMessage(std::move(Message)) {
  FUtf8 = Utf16ToUtf8(FromWide(FMessage));
}

EOSError::EOSError(unsigned long Code) : Exception(SysErrorMessage(Code)), FCode(Code) {}

EOSError::EOSError(unsigned long Code, const std::wstring& Context)
    : Exception(Context + L": " + SysErrorMessage(Code)), FCode(Code) {}

std::wstring ErrorText(const std::exception& e) {
  if (auto* ours = dynamic_cast<const Exception*>(&e)) return ours->Message();
  try {
    return ToWide(Utf8ToUtf16(e.what()));
  } catch (const std::exception&) {
    return AnsiToWide(e.what());
  }
}

} // namespace qelvane
