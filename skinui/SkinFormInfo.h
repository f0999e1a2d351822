#pragma once
// What a skinned form tells the controls placed directly on it about its
// title area: whether controls on the title draw their captions with a glow
// and take the text colour of each new background, and where the title ends.
#include <cstdint>

namespace qelvane {

class TControl;

class ISkinFormTitleInfo {
public:
  virtual ~ISkinFormTitleInfo() = default;
  // Controls above TransparentTitleTop count as lying on the title.
  virtual bool IsEnabledTransparentTitle() const = 0;
  virtual int32_t TransparentTitleTop() const = 0;
};

// True when AControl's parent is a skinned form with a transparent title and
// the control's top lies above the title's bottom line.
bool LiesOnTransparentTitle(const TControl& AControl);

} // namespace qelvane
