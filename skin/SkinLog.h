#pragma once
// The skin engine log as the skin resources use it: guarded operations of a
// plain object log their class, no object name.
#include <optional>
#include <string_view>

#include "drawing/SkinEngineLog.h"

namespace qelvane {

inline TLogSubject ClassSubject(std::wstring_view AClassName) {
  return TLogSubject{AClassName, std::nullopt};
}

} // namespace qelvane
