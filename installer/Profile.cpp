#include "installer/Profile.h"

namespace qelvane {

TInstallerState& Installer() {
  static TInstallerState state;
  return state;
}

void ResetInstallerState() {
  Installer() = TInstallerState();
}

} // namespace qelvane
