#pragma once
namespace qelvane {
// Loads the embedded skin before any form exists; a missing or damaged skin
// is logged and the installer goes on without it.
void LoadStartupSkin();
} // namespace qelvane
